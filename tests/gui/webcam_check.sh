#!/usr/bin/env bash
# A place's webcams and the snapshot webcam under Xvfb against the demo fakes, run by
# hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/webcam_check.sh [build-folder]
#
# Starts the fake web server and the fake reflector (with its request log) and vistrel
# on a fresh program folder with the shipped data and presses Connect. In the tree, by
# keyboard (arrow keys and type-ahead; Return clicks the current node), it opens
# Internet > Travel > Countries and clicks France, whose webcams the fake reflector
# serves; it expands France to see them and clicks "Louvre Courtyard", the snapshot
# webcam with the password "vistrel" (the first of them by name), answers the password prompt and checks that a
# snapshot window titled with the webcam's node text shows the fake web server's test
# card. Then it presses Exit and checks that the program ended and that the fake
# reflector recorded the login, then the query "Travel,France", and the logout last.
# Needs xdotool, imagemagick and curl. The screenshots are left in the work folder it
# prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
start_demo_run

# Keys to the focused window, with time for the tree to follow.
keys() { xdotool key --delay 150 "$@"; sleep 0.3; }
# Type-ahead in the tree: the letters select the next node whose text starts with them.
typeAhead() { xdotool type --delay 50 "$1"; sleep 0.6; }
# Whether the fake reflector has recorded a request with this text, within about 10 s.
requested() {
    for _ in $(seq 50); do grep -q ": $1\$" "$requests" && return 0; sleep 0.2; done
    return 1
}
# Whether a window whose title begins with the text is shown, within about 10 s.
shownSoon() {
    for _ in $(seq 50); do xdotool search --onlyvisible --name "^$1" >/dev/null 2>&1 && return 0; sleep 0.2; done
    return 1
}
loginThenQuery() {
    head -n1 "$requests" | grep -q ': /Login/' && [ "$(sed -n 2p "$requests")" = "request 1 on connection 1: Travel,France" ]
}
logoutLast() { tail -n1 "$requests" | grep -q ': DeleteConnection\*/$'; }

wait_for_frame
connect_and_wait_for_tree

# A click on the tree's empty part below its one root node gives it the keyboard and
# clicks no node.
xdotool mousemove $((X + 200)) $((Y + 400)) click 1
sleep 0.3
keys Home Right # Internet, opened
typeAhead Travel
keys Right Down Right # Travel opened, Countries, opened
typeAhead France
tree_shot place-chosen
keys Return # the node click: France's query
check "the click on France sent its query" requested 'Travel,France'
sleep 1
keys Right Down Down Down # France opened: its three webcams, in the order of their names
tree_shot webcams-shown
import -window root "$work/webcams.png"
check "France's webcams appeared under it" differs place-chosen webcams-shown

keys Up Up # Louvre Courtyard, the first
keys Return # the webcam's click: the password prompt first
check "the password prompt asks" shownSoon 'Login$'
xdotool type --delay 50 vistrel
keys Return # OK, the prompt's default button
check "the prompt closed" hidden Login
check "a snapshot window opened, titled with the webcam's node text" shownSoon 'Louvre Courtyard NoStream'

# Beside the frame, so that the toolbar stays free for Exit.
cam=$(xdotool search --onlyvisible --name '^Louvre Courtyard NoStream' | head -n1)
xdotool windowmove "$cam" 700 100
sleep 2 # the move, and the picture's load
eval "$(xdotool getwindowgeometry --shell "$cam" | sed 's/^/CAM_/')"
import -window root "$work/snapshot.png"
# The picture area (240, 120 twips; 4800 x 2880) shows the served picture, stretched.
convert "$work/snapshot.png" -crop 320x192+$((CAM_X + 16))+$((CAM_Y + 8)) +repage "$work/picture-shown.png"
curl -sf "$WEB_SERVER_BASE/cams/snapshot.jpg" -o "$work/picture-served.jpg"
convert "$work/picture-served.jpg" -resize '320x192!' "$work/picture-served.png"
difference=$(compare -metric RMSE "$work/picture-shown.png" "$work/picture-served.png" null: 2>&1 || true)
difference=${difference##*(}
check "the window shows the demo web server's picture (difference ${difference%)})" \
    awk -v d="${difference%)}" 'BEGIN { exit !(d < 0.1) }'

press_toolbar 2200 # Exit: the logout, the shut-down wait, the end
check "Exit ended the program" ends $pid

echo "requests recorded by the fake reflector:"
sed 's/^/    /' "$requests"
check "the login came first, then France's query" loginThenQuery
check "the logout of Exit was the last request" logoutLast
echo "screenshots: $work/webcams.png $work/snapshot.png"
finish_gui_check
