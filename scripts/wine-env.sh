# Wine for building, testing and running Panewarden; sourced by the other scripts.
#
#   wine_runs_32bit            whether this machine runs 32-bit code, and so the i686 build;
#                              some kernels are built without it.
#   wine_loader ARCH           the Wine loader that runs the ARCH (i686, x86_64) build.
#   wine_run ARCH COMMAND...   runs a Windows command through that loader.
#   wine_up PREFIX [private]   Xvfb (on a free display when asked or when there is no
#                              $DISPLAY), wineserver and the 1024x768 virtual desktop
#                              of PREFIX; exports WINEPREFIX, WINEDEBUG and DISPLAY.
#   wine_down                  stops what wine_up started; wine_up arranges it on exit.
#
# Wine is never started through /usr/bin/wine: that picks the 32-bit loader whenever it
# is installed, even where it cannot run. One 64-bit prefix serves both builds, with the
# 64-bit wineserver, which serves the 32-bit loader too.
#
# A wine process whose output is captured must not be the one that starts wineserver
# or the desktop: they would inherit the pipe and hold it open. So both are brought up
# here with their output sent to /dev/null, and wineserver is kept until wine_down.

WINESERVER=/usr/lib/wine/wineserver64
export WINESERVER
XVFB_PID=""

wine_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

wine_loader() {
    case $1 in
    i686) echo /usr/lib/wine/wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
    *) echo "wine: no loader for $1" >&2 && return 1 ;;
    esac
}

# WINELOADER tells Wine which loader starts the processes the command starts in turn.
wine_run() {
    loader=$(wine_loader "$1")
    shift
    WINELOADER=$loader "$loader" "$@"
}

wine_up() {
    mkdir -p "$1"
    WINEPREFIX=$(cd "$1" && pwd)
    export WINEPREFIX WINEDEBUG=-all
    trap wine_down EXIT
    trap 'exit 130' INT HUP TERM
    if [ "${2:-}" = private ] || [ -z "${DISPLAY:-}" ]; then
        start_xvfb
    fi
    # A wineserver left by an earlier run would still serve that run's display.
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # A prefix made where only the 32-bit loader was installed cannot run the x86_64 build.
    if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q '^#arch=win64' "$WINEPREFIX/system.reg"; then
        echo "wine: $WINEPREFIX is a 32-bit prefix; making it anew"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
    fi
    "$WINESERVER" -p >/dev/null 2>&1
    if [ ! -f "$WINEPREFIX/.desktop-ready" ]; then
        echo "wine: making the prefix $WINEPREFIX"
        # No Mono or Gecko: nothing here needs them, and their installers would ask.
        WINEDLLOVERRIDES="mscoree,mshtml=" wine_run x86_64 wineboot -i >/dev/null 2>&1
        wine_run x86_64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
            >/dev/null 2>&1
        wine_run x86_64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
            /d 1024x768 /f >/dev/null 2>&1
        # The desktop that wineboot brought up predates the setting: start afresh.
        "$WINESERVER" -k
        "$WINESERVER" -w
        touch "$WINEPREFIX/.desktop-ready"
        "$WINESERVER" -p >/dev/null 2>&1
    fi
    wine_run x86_64 wineboot >/dev/null 2>&1
}

wine_down() {
    if [ -n "${WINEPREFIX:-}" ]; then
        "$WINESERVER" -k >/dev/null 2>&1 || true
        "$WINESERVER" -w >/dev/null 2>&1 || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

# Starts Xvfb on the first free display from :90 up and exports DISPLAY.
start_xvfb() {
    n=90
    while [ "$n" -lt 200 ]; do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            XVFB_PID=$!
            tries=0
            while [ "$tries" -lt 50 ] && kill -0 "$XVFB_PID" 2>/dev/null; do
                # Ours once the lock names our process and the socket is there.
                if [ -e "/tmp/.X11-unix/X$n" ] &&
                    [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
                    export DISPLAY=":$n"
                    return 0
                fi
                sleep 0.1
                tries=$((tries + 1))
            done
            kill "$XVFB_PID" 2>/dev/null || true
            XVFB_PID=""
        fi
        n=$((n + 1))
    done
    echo "wine: no free X display found for Xvfb" >&2
    return 1
}
