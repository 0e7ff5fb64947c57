#!/usr/bin/env bash
# build.sh FOLDER [CMAKE OPTIONS...]: configures FOLDER with the options given, then builds
# what changed (only the targets in BUILD_TARGETS, when set). A folder configured before with
# other options is configured afresh, so no option of an earlier run lingers in its cache.
set -euo pipefail

folder=$1
shift
options="$*"
recorded="$folder/tessel-configure-options"
if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja "$@"
elif [ "$(cat "$recorded" 2>/dev/null)" != "$options" ]; then
    echo "build.sh: the options of $folder changed; configuring it afresh"
    cmake --fresh -S . -B "$folder" -G Ninja "$@"
fi
printf '%s' "$options" >"$recorded"
# shellcheck disable=SC2086 # the targets are separate words
cmake --build "$folder" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
