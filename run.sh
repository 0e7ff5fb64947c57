#!/usr/bin/env bash
# Builds TESSEL and shows what it reads from the bundled sample delivery.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-dependencies.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
build/tools/tessel-dump build/sample/PHOTO.XML
