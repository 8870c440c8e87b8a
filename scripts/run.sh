#!/bin/bash
# Installs what is missing, builds the calculator and starts it under Wine.
# With a display it runs until the user closes it and returns its exit
# status. Without one (or with KT_HEADLESS=1) it opens the window on a
# virtual display, writes a PNG screenshot to the path it prints (the first
# argument, if given), and closes it again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$KT_ROOT"

bash scripts/install-deps.sh
arch="$(kt_detect_arch)"
build="build/run-$arch"
kt_build "$arch" "$build" -DKT_TESTS=OFF -DKT_BENCH=OFF -- arkmeter kt_probe >/dev/null

if [ -n "${DISPLAY:-}" ] && [ -z "${KT_HEADLESS:-}" ]; then
    kt_wine_env "$arch"
    kt_make_prefix
    set +e
    "$WINE" "$build/arkmeter.exe"
    status=$?
    "$WINESERVER" -w
    exit $status
fi

shot="$(realpath -m "${1:-build/arkmeter.png}")"
kt_start_wine "$arch"
"$WINE" "$build/arkmeter.exe" &
app=$!
probe() { "$WINE" "$build/kt_probe.exe" "$@" | tr -d '\r'; }
[ "$(probe wait)" = ready ] || { echo "the calculator did not open" >&2; exit 1; }
sleep 0.5
read -r x y width height < <(probe outer)
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$shot"
echo "Screenshot of the calculator: $shot"
probe close
set +e
wait $app
status=$?
echo "Arkmeter exited with status $status"
exit $status
