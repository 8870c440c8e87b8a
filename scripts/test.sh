#!/bin/bash
# Installs what is missing, builds, and runs every test under Wine on one
# virtual display through CTest. Extra arguments go to ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$KT_ROOT"

bash scripts/install-deps.sh
arch="$(kt_detect_arch)"
build="${KT_BUILD_DIR:-build/test-$arch}"
kt_build "$arch" "$build"
# The shipped 32-bit program is built too, even where it cannot run.
if [ "$arch" != i686 ]; then kt_build i686 build/ship-i686 -DKT_TESTS=OFF -DKT_BENCH=OFF -- arkmeter; fi

kt_start_wine "$arch"

echo "Testing the $arch build under $WINEARCH Wine on display $DISPLAY"
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@" </dev/null
