#!/bin/sh
# Builds Panewarden and runs it under Wine in a 1024x768 virtual desktop: on $DISPLAY,
# or without one on a private Xvfb display. The i686 build is the one Panewarden ships
# first; where this machine does not run 32-bit code, the x86_64 build runs instead.
# On a private display Wine's Notepad comes up too, so that the bar has a window to ride
# on, and a screenshot of the display is saved to build/run-shot.png.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/wine-env.sh
if wine_runs_32bit; then
    arch=i686
    echo "Running the i686 build (32-bit)."
else
    arch=x86_64
    echo "Running the x86_64 build: this machine does not run 32-bit code."
fi
scripts/build.sh "$arch" Panewarden
wine_up build/wineprefix
if [ -n "$XVFB_PID" ]; then
    echo "Panewarden runs on the private display $DISPLAY. To see it:"
    echo "  import -display $DISPLAY -window root shot.png"
    if command -v x11vnc >/dev/null 2>&1; then
        echo "  x11vnc -display $DISPLAY -localhost -nopw   (then a VNC viewer on localhost:5900)"
    fi
fi
echo "Quit it from its tray icon's menu, or press Ctrl+C here."
shot=$PWD/build/run-shot.png
cd "build/$arch"
# In the background, so that Ctrl+C reaches the clean-up at once.
wine_run "$arch" Panewarden.exe </dev/null &
program=$!
if [ -n "$XVFB_PID" ]; then
    # After the bar is up, so that Notepad ends in front.
    sleep 2
    wine_run "$arch" notepad </dev/null >/dev/null 2>&1 &
    sleep 4
    if import -display "$DISPLAY" -window root "$shot"; then
        echo "Saved a screenshot of the display to build/run-shot.png."
    fi
fi
wait "$program"
