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
# reflector recorded a login and then exactly the logout. Needs xdotool and
# imagemagick. The screenshots are left in the work folder it prints.
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
cp -r "$here/data/." "$folder/"
printf '0\r\n' > "$folder/Showform.txt" # the user settings window stays closed at start

source "$here/scripts/demo-fakes.sh"
requests=$work/requests.log
start_demo_fakes "$build/bin" "$work" "$requests"

"$build/bin/vistrel" --folder "$folder" --web-server "$WEB_SERVER_BASE" --reflector-port "$REFLECTOR_PORT" &
pid=$!
trap 'kill $pid 2>/dev/null || true; stop_demo_fakes' EXIT

failures=0
check() { # description, condition command...
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

for _ in $(seq 50); do visible Larkspire && break; sleep 0.2; done
check "frame shown" visible Larkspire
sleep 4 # the start-up step, 3 s after the load

frame=$(xdotool search --onlyvisible --name '^Larkspire$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$frame")"
toolbarY=$((Y + 45))
press() { # twips from the toolbar's left edge
    xdotool mousemove $((X + $1 / 15)) $toolbarY click 1
}
# The tree lies in the left part of the main window, below the toolbar.
treeShot() { # name
    import -window root -crop 300x250+$((X + 30))+$((Y + 140)) +repage "$work/$1.png"
}
differs() { # two screenshots
    local pixels
    pixels=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    [ "${pixels%%.*}" -gt 500 ]
}
same() { ! differs "$1" "$2"; }
firstRequestIsLogin() { head -n1 "$requests" | grep -q ': /Login/'; }
logoutOnceAtTheEnd() {
    [ "$(grep -c 'DeleteConnection' "$requests")" = 1 ] && tail -n1 "$requests" | grep -q ': DeleteConnection\*/$'
}

treeShot tree-before
press 400 # Connect: the login holds its 5 s rejection window, then the tree is built
sleep 9
import -window root "$work/connected.png"
treeShot tree-connected
check "Connect filled the tree" differs tree-before tree-connected

press 1300 # Disconnect
sleep 2
treeShot tree-disconnected
check "Disconnect emptied the tree" same tree-before tree-disconnected
import -window root "$work/disconnected.png"

press 2200 # Exit: the logout, the shut-down wait, the end
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
check "Exit ended the program" bash -c "! kill -0 $pid 2>/dev/null"

echo "requests recorded by the fake reflector:"
sed 's/^/    /' "$requests"
check "a login came first" firstRequestIsLogin
check "then exactly one logout, as the last request" logoutOnceAtTheEnd
echo "screenshots: $work/connected.png $work/disconnected.png"

if [ $failures -ne 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all checks passed"
