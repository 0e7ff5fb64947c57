#!/usr/bin/env bash
# fuzz.sh SECONDS: builds the fuzzing targets with clang, then runs each for SECONDS over the
# seed corpus in fuzz/corpus. New inputs go to build-fuzz/work, crashes to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
CC=clang CXX=clang++ BUILD_TARGETS="photo_xml_fuzzer construction_index_fuzzer ini_fuzzer exif_date_fuzzer" \
    scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold \
    -DTESSEL_FUZZ=ON -DBUILD_TESTING=OFF -DTESSEL_WERROR=ON
for corpus in photo_xml construction_index ini exif_date; do
    mkdir -p "build-fuzz/work/$corpus"
    echo "fuzzing $corpus for $seconds s"
    (cd build-fuzz && "fuzz/${corpus}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -dict=../fuzz/readers.dict -artifact_prefix="crash-$corpus-" "work/$corpus" \
        "../fuzz/corpus/$corpus" 2>&1 | grep -E "^(stat::|Done|==[0-9]+==|SUMMARY)" || true)
    if ls build-fuzz/crash-"$corpus"-* >/dev/null 2>&1; then
        echo "fuzz.sh: $corpus crashed; the input is in build-fuzz/" >&2
        exit 1
    fi
done
