#!/usr/bin/env bash
# Builds Acordina and starts it under Wine.
#   scripts/run.sh                     on your display (a program folder with sample sounds
#                                      is laid out under build/program)
#   scripts/run.sh --screenshot FILE   on a virtual screen: saves a picture of the main
#                                      window and stops (also what happens without a display)
#   scripts/run.sh --screenshot FILE KEY...
#                                      the same after pressing the keys (xdotool's names), for
#                                      instance "Tab Tab" to show the focused status label
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot=${2:?"--screenshot needs a file name"}
  shift 2
fi
keys="$*"

export WINEPREFIX="${XDG_DATA_HOME:-$HOME/.local/share}/acordina/wine"
. scripts/wine-env.sh
# The 32-bit program, or where only the 64-bit Wine runs, the same program built for it.
cmake --preset "$ACORDINA_PRESET" >/dev/null
cmake --build --preset "$ACORDINA_PRESET" -j "$(nproc)" --target Acordina

program="$PWD/build/program"
mkdir -p "$program"
cp "build/$ACORDINA_PRESET/Acordina.exe" "$program/"
cp resources/sounds/*.wav "$program/"

if [ -z "$shot" ] && [ -n "${DISPLAY:-}" ]; then
  prepare_wine_prefix
  with_marlett
  cd "$program" && exec wine Acordina.exe
fi

shot=${shot:-"$PWD/build/acordina-main-window.png"}
case "$shot" in /*) ;; *) shot="$PWD/$shot" ;; esac
# A Wine desktop of its own draws the title bar that no window manager draws here.
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  . "$1/scripts/wine-env.sh"
  prepare_wine_prefix
  with_marlett
  cd "$2"
  wine explorer /desktop=Acordina,480x480 Acordina.exe &
  # Wait for the main window, then for its first clock tick to be drawn.
  for _ in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"Acordina" && break
    sleep 0.2
  done
  sleep 2
  # Keys go to the window under the pointer: nothing here manages the keyboard focus.
  if [ -n "$4" ]; then
    xdotool mousemove 240 470 key --delay 300 $4
    sleep 1
  fi
  import -window root -crop 480x480+0+0 "$3"
  wineserver -k' _ "$PWD" "$program" "$shot" "$keys"
echo "Screenshot of the main window: $shot"
