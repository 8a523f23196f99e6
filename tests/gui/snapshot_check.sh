#!/usr/bin/env bash
# Screenshot check of the snapshot window, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/snapshot_check.sh [build-folder]
#
# Starts the demo web server and vistrel against it, opens View > Vistrel (the default
# snapshot window), reveals its address box with the hidden chord (Ctrl+Alt+Shift+U),
# types the demo's snapshot address, presses "Refresh" and takes a screenshot of the
# picture shown, then ticks "Automatic Refresh Interval" and takes one more (both check
# boxes, ticked and unticked, must be seen on their dark band). Needs xdotool and imagemagick. The screenshots are left in the work folder.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"

"$build/bin/fake-webserver" > "$work/web.txt" &
web=$!
for _ in $(seq 50); do grep -q http "$work/web.txt" && break; sleep 0.1; done
base=$(grep -o 'http://[0-9.:]*' "$work/web.txt")

"$build/bin/vistrel" --folder "$folder" --web-server "$base" > "$work/vistrel.txt" 2>&1 &
pid=$!
trap 'kill $pid $web 2>/dev/null || true' EXIT
wait_for_frame

# The main window's menu bar sits below its title, inside the frame.
xdotool mousemove $((X + 70)) $((Y + 98)) click 1 # View
sleep 0.5
xdotool mousemove $((X + 95)) $((Y + 164)) click 1 # Vistrel
for _ in $(seq 25); do visible Vistrel && break; sleep 0.2; done
check "View > Vistrel showed the snapshot window" visible Vistrel

cam=$(xdotool search --onlyvisible --name '^Vistrel$' | head -n1)
xdotool windowmove "$cam" 700 100
sleep 0.5
xdotool windowactivate --sync "$cam" 2>/dev/null || xdotool windowfocus --sync "$cam"
xdotool key --window "$cam" ctrl+alt+shift+u
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$cam" | sed 's/^/CAM_/')"
# The address box lies at 240, 3480 twips; "Refresh" at 240, 3120 (15 twips a pixel).
xdotool mousemove $((CAM_X + 100)) $((CAM_Y + 3480 / 15 + 9)) click 1
xdotool type --delay 20 "$base/cams/snapshot.jpg"
xdotool mousemove $((CAM_X + 100)) $((CAM_Y + 3120 / 15 + 8)) click 1
sleep 2
import -window root "$work/snapshot.png"
echo "screenshot: $work/snapshot.png"
# The picture area (240, 120 twips; 4800 x 2880) shows many colours once a picture is in.
colours=$(convert "$work/snapshot.png" -crop 320x192+$((CAM_X + 16))+$((CAM_Y + 8)) -format %k info:)
check "a picture is shown ($colours colours)" test "$colours" -gt 100
# "Automatic Refresh Interval" lies at 240, 3960 twips.
xdotool mousemove $((CAM_X + 24)) $((CAM_Y + 3960 / 15 + 8)) click 1
sleep 0.5
import -window root "$work/snapshot-ticked.png"
echo "screenshot: $work/snapshot-ticked.png"
finish_gui_check
