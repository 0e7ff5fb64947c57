#!/usr/bin/env bash
# tsan.sh: builds the tests that run threads with ThreadSanitizer and runs them. A race planted
# on purpose must be reported first, or the run could not see one in the program's own code.
set -euo pipefail
cd "$(dirname "$0")/.."

threaded="work_tests imaging_tests media_lookup_tests media_tests main_frame_tests check_tests
    check_window_tests album_tests"
BUILD_TARGETS="planted_race $threaded" scripts/build.sh build-tsan \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold -DTESSEL_WERROR=ON -DTESSEL_THREAD_SANITIZER=ON
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan/suppressions.txt"
cd build-tsan/tests

if ./planted_race >planted_race.log 2>&1 ||
    ! grep -q "PlantedRace.cpp" planted_race.log; then
    cat planted_race.log
    echo "tsan.sh: the planted race was not reported; the run cannot be trusted" >&2
    exit 1
fi
echo "ThreadSanitizer: the planted race is reported"

# The sanitizer cannot follow a test that starts another program (it forks): that one runs in
# the other build only.
forking="theSavedCsvIsWhatTheCommandWrites"
functionsOf() {
    if [ "$1" = check_window_tests ]; then
        "./$1" -functions | sed 's/()$//' | grep -vx "$forking"
    fi
}
for test in $threaded; do
    echo "ThreadSanitizer: $test"
    # shellcheck disable=SC2046 # the functions are separate words
    "./$test" $(functionsOf "$test") >"$test.log" 2>&1 || { cat "$test.log"; exit 1; }
done
