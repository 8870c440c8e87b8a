#!/bin/bash
# Builds and runs every benchmark under Wine on a virtual display and prints
# the performance table: one row per figure with the toolkit's value, its raw
# baseline measured in the same run, their ratio, the goal and the result.
# Benchmarks are not tests: they run only when asked. Extra arguments go to
# every benchmark program (e.g. --rounds 21).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$KT_ROOT"

bash scripts/install-deps.sh
arch="$(kt_detect_arch)"
build="${KT_BUILD_DIR:-build/bench-$arch}"
kt_build "$arch" "$build" -DKT_TESTS=OFF -DKT_BENCH=ON -- bench >/dev/null
# Sizes are those of the shipped 32-bit program, built even where it cannot run.
ship="$build"
if [ "$arch" != i686 ]; then
    ship="${KT_SHIP_BUILD_DIR:-build/bench-i686}"
    kt_build i686 "$ship" -DKT_TESTS=OFF -DKT_BENCH=ON -- arkmeter bench_raw_window >/dev/null
fi
ship="$(realpath --relative-to="$build" "$ship")"

# A prefix of its own: no test run shares its wineserver.
export KT_WINEPREFIX="${KT_WINEPREFIX:-$KT_ROOT/build/wine-bench-$arch}"
kt_start_wine "$arch"

run() { (cd "$build" && KT_RUN_TIMEOUT=1200 "$KT_ROOT/scripts/winerun" "$@" | tr -d '\r'); }

cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
echo "| Figure | Toolkit | Raw baseline, same run | Ratio | Goal | Result | Build |"
echo "|---|---|---|---|---|---|---|"
run ./bench_startup.exe --measured arkmeter.exe --baseline bench_raw_window.exe \
    --ship-measured "$ship/arkmeter.exe" --ship-baseline "$ship/bench_raw_window.exe" "$@"
run ./bench_keystroke.exe "$@"
run ./bench_verbs.exe "$@"
run ./bench_textfile.exe --file bench-text.txt "$@"
echo
echo "Machine: $(nproc) cores, $cpu, $("$WINE" --version), Linux $(uname -r);" \
     "runtime figures: the $arch build under $WINEARCH Wine on Xvfb; sizes: the i686 build" \
     "(the shipped program). Load average before: $load_before, after:" \
     "$(cut -d' ' -f1-3 /proc/loadavg). $(date -u +%Y-%m-%d)."
