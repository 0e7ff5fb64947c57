#!/usr/bin/env bash
# Builds TESSEL with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test headless
# in that build, runs the tests that use threads under ThreadSanitizer, and fuzzes each reader
# briefly. ./test.sh --bench builds the benchmarks as well, in build-bench.
set -euo pipefail
cd "$(dirname "$0")"

bench=false
if [ "${1:-}" = "--bench" ]; then
    bench=true
fi

scripts/install-dependencies.sh

export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder; keep it inside the build tree.
export XDG_RUNTIME_DIR="$PWD/build-sanitize/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Warnings are errors here, not in the run command's build: a user's build must not fail on a
# new compiler's warning. Light optimisation, line tables only, the gold linker and the
# libraries' sources compiled a few at a time: half the build time, and the sanitizers'
# reports still name file and line. (The ThreadSanitizer build below compiles each source
# alone, so an include a file forgot still fails the run.)
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-Og -g1" \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold -DCMAKE_UNITY_BUILD=ON -DTESSEL_WERROR=ON \
    -DTESSEL_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

scripts/tsan.sh

# A short run of every fuzzing target over its seed corpus (clang comes with the packages).
scripts/fuzz.sh 10

if $bench; then
    scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_BENCHMARKS=ON \
        -DBUILD_TESTING=OFF
fi
