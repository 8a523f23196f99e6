#!/usr/bin/env bash
# The webcam locator under Xvfb against the demo fakes, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/locator_check.sh [build-folder]
#
# Presses Connect on the toolbar, opens the locator with the toolbar's Locator button,
# chooses the next topic with the keyboard and searches for "pier", and checks that
# the fake reflector got both requests and that the locator's result list got filled
# (by screenshot). Needs xdotool and imagemagick. The screenshots are left in the work
# folder it prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
start_demo_run

asked() { grep -q ": $1\$" "$requests"; }
# The result list lies in the lower half of the locator window.
list_shot() { import -window root -crop 300x120+$((LX + 20))+$((LY + 260)) +repage "$work/$1.png"; }

wait_for_frame
press_toolbar 400 # Connect: the login holds its 5 s rejection window, then the tree is built
sleep 9
press_toolbar 3200 # Locator
for _ in $(seq 25); do visible "WebCam Locator" && break; sleep 0.2; done
check "Locator opened the locator" visible "WebCam Locator"
locator=$(xdotool search --onlyvisible --name '^WebCam Locator$' | head -n1)
xdotool windowfocus --sync "$locator" # no window manager here: the focus makes it active
eval "$(xdotool getwindowgeometry --shell "$locator" | sed 's/^X=/LX=/; s/^Y=/LY=/')"
sleep 1
list_shot list-empty

xdotool key --window "$locator" Down # the topic list has the focus: the next topic is chosen
sleep 2
import -window root "$work/topic.png"
list_shot list-topic
check "a topic was asked for" grep -q ': /SumReq/' "$requests"
check "the topic's places were listed" differs list-empty list-topic

xdotool key --window "$locator" Tab Tab # past the search button to the search text
xdotool type --window "$locator" pier
xdotool key --window "$locator" shift+Tab space # the search button
sleep 2
import -window root "$work/search.png"
check "the search text was asked for" asked "/SumReqText/pier"

echo "requests recorded by the fake reflector:"
sed 's/^/    /' "$requests"
echo "screenshots: $work/topic.png $work/search.png"
finish_gui_check
