#!/usr/bin/env bash
# Builds TESSEL twice, plainly and with AddressSanitizer and UndefinedBehaviorSanitizer, runs
# every test headless in both builds, then fuzzes each reader briefly.
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

jobs=$(nproc)
ctest --test-dir build-test --output-on-failure -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
