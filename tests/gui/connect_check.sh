#!/usr/bin/env bash
# Connect, Disconnect and Exit under Xvfb against the demo fakes, run by hand (not by
# ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/connect_check.sh [build-folder]
#
# Starts the fake web server and the fake reflector (with its request log) and vistrel
# on a fresh program folder with the shipped data, presses Connect on the toolbar and
# checks by screenshot that the tree got filled, presses Disconnect and checks that the
# tree was emptied, presses Exit and checks that the program ended and that the fake
# reflector recorded a login first, then one logout for Disconnect as the last request
# (Exit runs the Disconnect command too, but after Disconnect there is nothing left to
# log out from, so it sends nothing). Needs xdotool and imagemagick. The screenshots are left in the work folder it prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
start_demo_run

same() { ! differs "$1" "$2"; }
firstRequestIsLogin() { head -n1 "$requests" | grep -q ': /Login/'; }
oneLogoutOfDisconnect() {
    [ "$(grep -c 'DeleteConnection' "$requests")" = 1 ] && tail -n1 "$requests" | grep -q ': DeleteConnection\*/$'
}

wait_for_frame
tree_shot tree-before
press_toolbar 400 # Connect: the login holds its 5 s rejection window, then the tree is built
sleep 9
import -window root "$work/connected.png"
tree_shot tree-connected
check "Connect filled the tree" differs tree-before tree-connected

press_toolbar 1300 # Disconnect
sleep 2
import -window root "$work/disconnected.png"
tree_shot tree-disconnected
check "Disconnect emptied the tree" same tree-before tree-disconnected

press_toolbar 2200 # Exit: nothing to log out from any more, so the end at once
check "Exit ended the program" ends $pid

echo "requests recorded by the fake reflector:"
sed 's/^/    /' "$requests"
check "a login came first" firstRequestIsLogin
check "then one logout, for Disconnect, as the last request" oneLogoutOfDisconnect
echo "screenshots: $work/connected.png $work/disconnected.png"
finish_gui_check
