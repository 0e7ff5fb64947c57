#!/usr/bin/env bash
# build.sh FOLDER [CMAKE OPTIONS...]: configures FOLDER once, then builds what changed.
set -euo pipefail

folder=$1
shift
if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja "$@"
fi
cmake --build "$folder"
