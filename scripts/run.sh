#!/bin/sh
# Builds Panewarden and runs it under Wine in a 1024x768 virtual desktop: on $DISPLAY,
# or without one on a private Xvfb display.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh i686 Panewarden
. scripts/wine-env.sh
wine_up build/wineprefix
if [ -n "$XVFB_PID" ]; then
    echo "Panewarden runs on the private display $DISPLAY. To see it:"
    echo "  import -display $DISPLAY -window root shot.png"
    if command -v x11vnc >/dev/null 2>&1; then
        echo "  x11vnc -display $DISPLAY -localhost -nopw   (then a VNC viewer on localhost:5900)"
    fi
fi
echo "Quit it from its tray icon's menu, or press Ctrl+C here."
cd build/i686
# In the background, so that Ctrl+C reaches the clean-up at once.
wine Panewarden.exe </dev/null &
wait $!
