#!/usr/bin/env bash
# Takes the screenshots in this folder from the real program on a virtual
# X display with a plain window manager, driving it by the keyboard only.
# Needs Xvfb, openbox, xdotool and ImageMagick.
#   docs/screenshots/take-screenshots.sh build/dev/ui/brimvale
set -euo pipefail

program=$(realpath "${1:?path to the brimvale executable}")
out=$(cd "$(dirname "$0")" && pwd)
display=:99
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# In a scratch directory: the guided setup must not leave a file here.
(cd "$work" && exec "$program") &
pids+=($!)
main=$(xdotool search --sync --name 'Генератор файлов конфигурации')
sleep 1

shot() { # window file
  import -frame -window "$1" "$out/$2"
}

shot "$main" main-window.png

# Tab strip -> list -> "Создать Конфиг", Enter: the guided setup's first
# step; Tab to "Далее" and Enter for the second.
# Keys go through XTEST to the focused window, as typed ones would.
xdotool windowactivate --sync "$main"
xdotool key --delay 100 Tab Tab Return
xdotool search --sync --name 'Смена значения поля' >/dev/null
sleep 0.5
xdotool key --delay 100 Tab Return
sleep 0.5
import -window root "$work/root.png"
# The dialog over the main window, cut to the main window with its frame.
x=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
width=$(xwininfo -id "$main" | sed -n 's/.*Width: *//p')
height=$(xwininfo -id "$main" | sed -n 's/.*Height: *//p')
read -r left right top bottom <<<"$(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
convert "$work/root.png" -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
  +repage "$out/guided-setup-dialog.png"

# "Отмена" (Right from "Далее", then Enter), then Ctrl+Tab to the About tab.
xdotool key --delay 100 Right Return
sleep 0.5
xdotool key ctrl+Tab
sleep 0.5
shot "$main" about-tab.png
