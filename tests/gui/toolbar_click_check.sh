#!/usr/bin/env bash
# Screenshot and click check of the frame's toolbar, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/toolbar_click_check.sh [build-folder]
#
# Starts vistrel on a fresh program folder (no reflector, no web server reachable),
# takes a screenshot of the frame, clicks toolbar positions by pixel and checks which
# command ran by the window it opened: Serv Set, User Set, Status, a gap and an inert
# button (nothing), and Exit (the program ends within the shut-down wait).
# Needs xdotool and imagemagick. The screenshot is left in the work folder it prints.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$here/build/test}" && pwd)
work=$(mktemp -d)
echo "work folder: $work"

export LEXMARA_REGISTRY=$work/lexmara-registry.ini
export XDG_CONFIG_HOME=$work/config
"$build/bin/lexmara-regsvr" "$build/bin/liblexmara.so" >/dev/null

folder=$work/program
mkdir -p "$folder"
printf 'reflector.invalid\r\nbackup.invalid\r\n' > "$folder/ServerSettings.txt"
printf '0\r\n' > "$folder/Showform.txt" # the user settings window stays closed at start

"$build/bin/vistrel" --folder "$folder" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

failures=0
check() { # description, condition command...
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
# Without a window manager new windows open at the top left, over the toolbar.
moveAway() { xdotool search --onlyvisible --name "^$1\$" windowmove 300 600 2>/dev/null || true; sleep 0.3; }

# Wait for the frame and for the start-up step (3 s after the load).
for _ in $(seq 50); do visible Larkspire && break; sleep 0.2; done
check "frame shown" visible Larkspire
sleep 4

frame=$(xdotool search --onlyvisible --name '^Larkspire$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$frame")"
import -window root "$work/screenshot.png"
echo "screenshot: $work/screenshot.png"

# The toolbar lies under the menu bar; its buttons are 40 pixels high. One pixel is 15
# twips, so a button's twip range divided by 15 gives its pixels.
toolbarY=$((Y + 45))
click() { # twips from the toolbar's left edge
    xdotool mousemove $((X + $1 / 15)) $toolbarY click 1
    sleep 0.7
}

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
click 10500 # About: its window comes later, the button is inert
check "no about box" hidden "About Vistrel"
click 2200 # Exit: the logout wait, then the end
for _ in $(seq 40); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
check "Exit ended the program" bash -c "! kill -0 $pid 2>/dev/null"

if [ $failures -ne 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all checks passed"
