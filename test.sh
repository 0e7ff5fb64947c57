#!/usr/bin/env bash
# Builds TESSEL twice, plainly and with AddressSanitizer and UndefinedBehaviorSanitizer, runs
# every test headless in both builds, the tests that run threads also under ThreadSanitizer,
# and fuzzes each reader briefly.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-dependencies.sh

export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder; keep it inside the build tree.
export XDG_RUNTIME_DIR="$PWD/build-test/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Kept apart from the run command's build: the tests treat warnings as errors, users do not.
scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_WERROR=ON \
    -DTESSEL_BENCHMARKS=ON
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTESSEL_WERROR=ON -DTESSEL_SANITIZE=ON

# A short run of every fuzzing target over its seed corpus (clang comes with the packages).
scripts/fuzz.sh 30

# The tests that run the image pipeline, the reads of deliveries, the search of other discs and
# the check's probes and the album's decodes on threads, under ThreadSanitizer. Qt's own libraries are not instrumented; the suppressions
# name them, and nothing of ours.
threaded="imaging_tests media_lookup_tests media_tests main_frame_tests check_tests check_window_tests album_tests"
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan/suppressions.txt"
BUILD_TARGETS="$threaded" scripts/build.sh build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSEL_WERROR=ON -DTESSEL_THREAD_SANITIZER=ON
# The sanitizer cannot follow a test that starts another program (it forks): that one runs in
# the other two builds only.
forking="theSavedCsvIsWhatTheCommandWrites"
functionsOf() {
    if [ "$1" = check_window_tests ]; then
        "./$1" -functions | sed 's/()$//' | grep -vx "$forking"
    fi
}
for test in $threaded; do
    echo "ThreadSanitizer: $test"
    (cd build-tsan/tests && "./$test" $(functionsOf "$test") >"$test.log" 2>&1) ||
        { cat "build-tsan/tests/$test.log"; exit 1; }
done

jobs=$(nproc)
ctest --test-dir build-test --output-on-failure -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
