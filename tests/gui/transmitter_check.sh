#!/usr/bin/env bash
# The transmitter controls under Xvfb against the demo fakes, run by hand (not by ctest):
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui/transmitter_check.sh [build-folder]
#
# Presses Connect, opens Internet > Travel > USA > Florida by keyboard and clicks the
# transmitter webcam "Cape Launch Pad", which starts its stream in the media player
# (/bin/true here) and puts the fake transmitter's address into the Station box. Then it presses the transmitter's Connect, checks that the fake
# transmitter was asked for its file list and that the list shows its videos, clicks
# the first video and checks that the speed request and the file request reached the
# fake, in that order. Needs xdotool and imagemagick. The screenshots are left in the
# work folder it prints.
set -euo pipefail
source "$(dirname "$0")/gui-helpers.sh"
start_gui_check "${1:-}"
start_demo_run
# The transmitter webcam's stream starts in the media player, and only then does its
# address go into the Station box: a player that ends at once will do.
printf '/bin/true\r\n' > "$folder/MediaPlay.txt"

keys() { xdotool key --delay 150 "$@"; sleep 0.3; }
typeAhead() { xdotool type --delay 50 "$1"; sleep 0.6; }
transmitterLog=$work/fake-transmitter.out
# Whether the fake transmitter has printed a request with this text, within about 10 s.
transmitterAsked() {
    for _ in $(seq 50); do grep -q ": $1\$" "$transmitterLog" && return 0; sleep 0.2; done
    return 1
}
# The list request, then the speed and the file of the click, on one connection.
requestsInOrder() {
    [ "$(grep -o 'on connection .*: /[A-Za-z]*/' "$transmitterLog" | tr '\n' ' ')" = \
        "on connection 0: /FileList/ on connection 0: /Cable/ on connection 0: /VF/ " ]
}
# The transmitter frame lies in the right part of the main window.
clickAt() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.5; }
frameShot() { import -window root -crop 760x560+"$X"+"$Y" +repage "$work/$1.png"; }

wait_for_frame
connect_and_wait_for_tree

xdotool mousemove $((X + 200)) $((Y + 400)) click 1
sleep 0.3
keys Home Right # Internet, opened
typeAhead Travel
keys Right Down # Travel opened, its first child
typeAhead USA
keys Right Down # USA opened
typeAhead Florida
keys Return # Florida's query
sleep 1
keys Right Down # Florida opened: Cape Launch Pad, the first by name
keys Return # the transmitter webcam: its stream starts, its address goes into the Station box
sleep 1
frameShot station-filled

clickAt ${CONNECT_AT:-476 185}
check "the transmitter was asked for its files" transmitterAsked /FileList/
sleep 1
frameShot files-listed
check "the list shows the transmitter's files" differs station-filled files-listed
clickAt ${FIRST_FILE_AT:-500 235}
check "a click on a file reached the transmitter" transmitterAsked '/VF/.*'
frameShot file-requested
echo "requests the fake transmitter printed:"
grep ': /' "$transmitterLog" | sed 's/^/    /'
check "the speed came before the file, on the list's connection" requestsInOrder
echo "screenshots: $work/station-filled.png $work/files-listed.png $work/file-requested.png"
finish_gui_check
