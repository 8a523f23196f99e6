# Sourced by the Xvfb checks of this folder. Needs xdotool and imagemagick.
#
#   start_gui_check [build-folder]   sets here, build, work and folder: a fresh work
#                                    folder with the string component registered in
#                                    it and an empty program folder
#   start_demo_run                   the shipped data in the program folder, the demo
#                                    fakes (request log in $requests, the transmitter's
#                                    requests in $work/fake-transmitter.out) and vistrel
#                                    against them (pid in $pid), all ended on exit
#   check <description> <command...> runs the command and counts a failure
#   visible <title>, hidden <title>  whether a window with that title is shown
#   wait_for_frame                   waits for the frame and the start-up step and
#                                    sets X and Y, the frame's position
#   press_toolbar <twips>            a left click on the toolbar, twips from its left
#   tree_shot <name>                 a picture of the main window's tree, <name>.png
#   differs <name> <name>            whether two pictures differ in more than 500 pixels
#   finish_gui_check                 reports and exits with the result

start_gui_check() {
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    build=$(cd "${1:-$here/build/test}" && pwd)
    work=$(mktemp -d)
    echo "work folder: $work"
    export LEXMARA_REGISTRY=$work/lexmara-registry.ini
    export XDG_CONFIG_HOME=$work/config
    "$build/bin/lexmara-regsvr" "$build/bin/liblexmara.so" >/dev/null
    folder=$work/program
    mkdir -p "$folder"
    printf '0\r\n' > "$folder/Showform.txt" # the user settings window stays closed at start
    # Not a first run, and the tips switched off: the quick-start guide and the tip of the
    # day, which open in front of the frame over its tree and lists, stay closed.
    mkdir -p "$XDG_CONFIG_HOME/Vistrel"
    printf 'Complete\r\n' > "$XDG_CONFIG_HOME/Vistrel/FT.txt"
    printf '[Vistrel]\nOptions\\Show%%20Tips%%20at%%20Startup=0\n' > "$XDG_CONFIG_HOME/Vistrel/settings.ini"
    failures=0
}

start_demo_run() {
    cp -r "$here/data/." "$folder/"
    source "$here/scripts/demo-fakes.sh"
    requests=$work/requests.log
    start_demo_fakes "$build/bin" "$work" "$requests"
    "$build/bin/vistrel" --folder "$folder" --web-server "$WEB_SERVER_BASE" --reflector-port "$REFLECTOR_PORT" \
        --transmitter-port "$TRANSMITTER_PORT" > "$work/vistrel.out" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true; stop_demo_fakes' EXIT
}

check() {
    local what=$1; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }

wait_for_frame() {
    for _ in $(seq 50); do visible Larkspire && break; sleep 0.2; done
    check "frame shown" visible Larkspire
    sleep 4 # the start-up step, 3 s after the load
    local frame
    frame=$(xdotool search --onlyvisible --name '^Larkspire$' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$frame")"
}

# The toolbar lies under the menu bar; its buttons are 40 pixels high. One pixel is 15
# twips, so a button's twip range divided by 15 gives its pixels.
press_toolbar() {
    xdotool mousemove $((X + $1 / 15)) $((Y + 45)) click 1
}

# Whether the process ends within about 20 s.
ends() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
    return 1
}

finish_gui_check() {
    if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed"; exit 1; fi
    echo "all checks passed"
}

# The tree lies in the left part of the main window, below the toolbar.
tree_shot() { import -window root -crop 300x250+$((X + 30))+$((Y + 140)) +repage "$work/$1.png"; }
differs() {
    local pixels
    pixels=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    [ "${pixels%%.*}" -gt 500 ]
}

# Presses Connect on the toolbar and waits up to 20 s for the tree to fill (the login
# may hold its 5 s rejection window first); leaves tree-before and tree-connected.
connect_and_wait_for_tree() {
    tree_shot tree-before
    press_toolbar 400 # Connect
    for _ in $(seq 40); do
        sleep 0.5
        tree_shot tree-connected
        differs tree-before tree-connected && break
    done
    check "Connect filled the tree" differs tree-before tree-connected
}
