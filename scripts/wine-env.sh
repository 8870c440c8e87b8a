# Sourced by the project's scripts: Wine settings, architecture choice, display.
KT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The product is 32-bit. Some kernels are booted without 32-bit emulation, and
# then 32-bit Wine cannot start at all; those machines test the same sources
# built for 64-bit Windows under 64-bit Wine.
kt_detect_arch() {
    if [ -n "${KT_ARCH:-}" ]; then echo "$KT_ARCH"; return; fi
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

# Sets WINE, WINEARCH and WINEPREFIX for an architecture (i686 or x86_64).
kt_wine_env() {
    local arch="$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    if [ "$arch" = i686 ]; then
        export WINEARCH=win32 WINE=/usr/lib/wine/wine
        export WINEPREFIX="${KT_WINEPREFIX:-$KT_ROOT/build/wine-win32}"
        unset WINELOADER
    else
        export WINEARCH=win64 WINE=/usr/lib/wine/wine64
        export WINEPREFIX="${KT_WINEPREFIX:-$KT_ROOT/build/wine-win64}"
        export WINELOADER=/usr/lib/wine/wine64
    fi
    export WINESERVER=/usr/lib/wine/wineserver
}

# Starts a virtual display when there is none (or when asked to), and exports DISPLAY.
kt_start_xvfb() {
    local fd_file
    fd_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    KT_XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}

kt_stop_xvfb() {
    [ -n "${KT_XVFB_PID:-}" ] && kill "$KT_XVFB_PID" 2>/dev/null || true
}

# Makes the prefix once: virtual desktop (no window manager needed), no crash
# dialog, the fonts where Debian's Wine finds them.
kt_make_prefix() {
    [ -f "$WINEPREFIX/.kt-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$WINESERVER" -w
    touch "$WINEPREFIX/.kt-ready"
}

kt_configure_build() {
    local arch="$1" dir="$2"
    shift 2
    cmake -S "$KT_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$KT_ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

# Configures and builds one tree: kt_build ARCH DIR [cmake options] [-- targets]
kt_build() {
    local arch="$1" dir="$2" configure=() targets=()
    shift 2
    while [ $# -gt 0 ] && [ "$1" != -- ]; do configure+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    for t in "$@"; do targets+=(--target "$t"); done
    kt_configure_build "$arch" "$dir" "${configure[@]}"
    cmake --build "$dir" -j2 "${targets[@]}"
}

# A virtual display, the Wine environment and a ready prefix with one
# persistent wineserver (so each program starts fast); all stopped on exit.
kt_start_wine() {
    kt_start_xvfb
    kt_wine_env "$1"
    trap '"$WINESERVER" -k 2>/dev/null || true; kt_stop_xvfb' EXIT
    kt_make_prefix
    "$WINESERVER" -p 2>/dev/null || true  # one may be running for this prefix already
    "$WINE" wineboot >/dev/null 2>&1 || true
}
