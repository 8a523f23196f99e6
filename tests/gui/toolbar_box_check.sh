#!/usr/bin/env bash
# A box that a toolbar command raises under Xvfb, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/toolbar_box_check.sh [build-folder]
#
# Starts the demo fakes and vistrel on the shipped data with a node list whose last
# record names a parent that does not exist, so that building the tree after the login
# fails with a message box. Presses Connect on the toolbar and checks that the box is
# shown (mapped) in front, that a click on its OK button closes it, and that the
# program still answers afterwards (Status opens the status window). Needs xdotool and
# imagemagick. The screenshots are left in the work folder it prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
start_demo_run
printf '"Nowhere","Nowhere/Lost","Lost","Closed"\r\n' >> "$folder/Nodes.lst"

# The box's title is the program's title.
box() { xdotool search --onlyvisible --name '^Vistrel$' 2>/dev/null | head -n1; }
boxShown() {
    for _ in $(seq 60); do [ -n "$(box)" ] && return 0; sleep 0.25; done
    return 1
}
boxGone() {
    for _ in $(seq 20); do [ -z "$(box)" ] && return 0; sleep 0.25; done
    return 1
}

wait_for_frame
press_toolbar 400 # Connect: the login holds its 5 s rejection window, then the tree is built
check "the toolbar's Connect showed the node list's box" boxShown
import -window root "$work/box.png"
echo "screenshot: $work/box.png"
window=$(box)
if [ -n "$window" ]; then
    # OK is the box's only button, at its bottom right.
    eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/BOX_/')"
    xdotool mousemove $((BOX_X + BOX_WIDTH - 50)) $((BOX_Y + BOX_HEIGHT - 25)) click 1
fi
check "a click on OK closed the box" boxGone
sleep 1
press_toolbar 4000 # Status
sleep 1
check "the program still answers the toolbar" visible "System Status"
import -window root "$work/after.png"

finish_gui_check
