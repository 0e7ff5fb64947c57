#!/usr/bin/env bash
# Builds a release of TESSEL and makes its Debian package in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
(cd build-package && cpack -G DEB)
ls build-package/*.deb
