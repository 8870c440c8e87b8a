#!/bin/bash
# Installs what is missing, builds, and runs every test under Wine on one
# virtual display through CTest. Extra arguments go to ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$KT_ROOT"

bash scripts/install-deps.sh
arch="$(kt_detect_arch)"
build="${KT_BUILD_DIR:-build/test-$arch}"
kt_configure_build "$arch" "$build"
cmake --build "$build" -j2
if [ "$arch" != i686 ]; then
    # The shipped 32-bit program is built too, even where it cannot run.
    kt_configure_build i686 build/ship-i686 -DKT_TESTS=OFF -DKT_BENCH=OFF
    cmake --build build/ship-i686 -j2 --target arkmeter
fi

kt_start_xvfb
kt_wine_env "$arch"
trap '"$WINESERVER" -k 2>/dev/null || true; kt_stop_xvfb' EXIT
kt_make_prefix
# One persistent wineserver for the whole run keeps each test's start short.
"$WINESERVER" -p
"$WINE" wineboot >/dev/null 2>&1 || true

echo "Testing the $arch build under $WINEARCH Wine on display $DISPLAY"
ctest --test-dir "$build" --output-on-failure --timeout 300 "$@" </dev/null
