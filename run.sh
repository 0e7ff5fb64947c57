#!/usr/bin/env bash
# Builds TESSEL and opens the viewer on the bundled sample delivery.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-dependencies.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DTESSEL_SAMPLE=ON
exec build/app/tessel build/sample/PHOTO.XML
