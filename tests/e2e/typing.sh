#!/bin/bash
# Starts the shipped calculator as the run command does and types into it
# through the display server, as a user would; reads the fields back from
# another process.
set -u
exe="$1"
probe="$2"
run="$(dirname "${BASH_SOURCE[0]}")/../../scripts/winerun"
probe() { KT_RUN_TIMEOUT=60 "$run" "$probe" "$@" | tr -d '\r'; }

KT_RUN_TIMEOUT=200 "$run" "$exe" &
app=$!
trap 'kill $app 2>/dev/null' EXIT

[ "$(probe wait)" = ready ] || { echo "calculator did not come up"; exit 1; }

click() {
    local xy
    xy=$(probe center "$1")
    xdotool mousemove $xy click 1
    sleep 0.2
}

# Field numbers: 0 length, 1 width, 2 thickness, 3 weight, 5 count.
fill() {
    click "$1"
    xdotool key End
    for _ in 1 2 3 4 5 6 7 8; do xdotool key BackSpace; done
    [ -n "$2" ] && xdotool type --delay 30 "$2"
    sleep 0.1
}

failures=0
# length width thickness count weight-typed enter-in | expected dump
check() {
    local expected="$7"
    fill 0 "$1"; fill 1 "$2"; fill 2 "$3"
    [ "$4" != - ] && fill 5 "$4"
    [ "$5" != - ] && fill 3 "$5"
    click "$6"
    xdotool key Return
    sleep 0.5
    local got
    got=$(probe dump)
    if [ "$got" = "$expected" ]; then
        echo "ok: $got"
    else
        echo "FAILED: expected $expected, got $got"
        failures=$((failures + 1))
    fi
}

first=$(probe dump)
[ "$first" = "|||||1|focus=0" ] || { echo "FAILED first paint: $first"; failures=$((failures + 1)); }

check 1000 1000 1 1 - 5  "1000|1000|1|7.85|8.00|1|focus=5"
check 2000 1000 10 3 - 2 "2000|1000|10|471.00|480.00|3|focus=0"
check 1000 1000 1 - 20 3 "1000|1000|1|23.55|24.00|3|focus=3"
check 1000 1000 1 - 3 3  "1000|1000|1|7.85|8.00|1|focus=3"
check "" "" "" 1 - 0     "|||0.00|0.00|1|focus=1"

probe close >/dev/null
wait $app
status=$?
trap - EXIT
[ $status -eq 0 ] || { echo "FAILED: exit status $status after closing"; failures=$((failures + 1)); }
echo "$failures failures"
[ $failures -eq 0 ]
