#!/usr/bin/env bash
# Screenshot and click check of the frame's toolbar, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/toolbar_click_check.sh [build-folder]
#
# Starts vistrel on a fresh program folder (no reflector, no web server reachable),
# takes a screenshot of the frame, clicks toolbar positions by pixel and checks which
# command ran by the window it opened: Serv Set, User Set, Status, a gap (nothing),
# About, and Exit (the program ends within the shut-down wait).
# Needs xdotool and imagemagick. The screenshot is left in the work folder it prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
printf 'reflector.invalid\r\nbackup.invalid\r\n' > "$folder/ServerSettings.txt"

"$build/bin/vistrel" --folder "$folder" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Without a window manager new windows open at the top left, over the toolbar.
moveAway() { xdotool search --onlyvisible --name "^$1\$" windowmove 300 600 2>/dev/null || true; sleep 0.3; }
click() { press_toolbar "$1"; sleep 0.7; }

wait_for_frame
import -window root "$work/screenshot.png"
echo "screenshot: $work/screenshot.png"

check "server settings closed before" hidden "Server Settings"
click 8600 # Serv Set
check "Serv Set opened the server settings" visible "Server Settings"
moveAway "Server Settings"
click 9500 # User Set
check "User Set opened the user settings" visible "User Settings"
moveAway "User Settings"
click 4000 # Status
check "Status opened the status window" visible "System Status"
moveAway "System Status"
click 870 # the gap between Connect and Disconnect
click 10500 # About: the about box, in front of the frame below the toolbar
check "About opened the about box" visible "About Vistrel"
click 2200 # Exit: the logout wait, then the end
check "Exit ended the program" ends $pid

finish_gui_check
