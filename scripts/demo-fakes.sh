# Sourced by scripts/run and the GUI checks: starts the demo fake web server, fake
# transmitter and fake reflector (tests/fakes/) on 127.0.0.1, on ports the system
# chooses. The fake reflector's transmitter webcam names the fake transmitter.
#
#   start_demo_fakes <bin-folder> <work-folder> [request-log-file]
#
# The request log is the fake reflector's. With DEMO_OFFER_UPDATE set to an executable,
# the fake web server offers it to the update check as a newer version. Sets WEB_SERVER_BASE
# ("http://127.0.0.1:<port>"), TRANSMITTER_PORT, REFLECTOR_PORT and DEMO_FAKE_PIDS;
# stop_demo_fakes ends them all. The fakes' output, the transmitter's requests among
# it, goes to <work-folder>/fake-*.out.

# Waits for the fake's "listening on ...:<port>" line and prints the port.
demo_fake_port() { # output-file
    local line
    for _ in $(seq 100); do
        line=$(grep -m1 'listening on' "$1" 2>/dev/null || true)
        if [ -n "$line" ]; then echo "${line##*:}"; return 0; fi
        sleep 0.05
    done
    echo "a demo fake did not start; see $1" >&2
    return 1
}

start_demo_fakes() {
    local bin=$1 work=$2 log=${3:-}
    DEMO_FAKE_PIDS=()
    local updateOption=()
    if [ -n "${DEMO_OFFER_UPDATE:-}" ]; then updateOption=(--offer-update "$DEMO_OFFER_UPDATE"); fi
    "$bin/fake-webserver" --port 0 "${updateOption[@]}" > "$work/fake-webserver.out" 2>&1 &
    DEMO_FAKE_PIDS+=($!)
    local webPort
    webPort=$(demo_fake_port "$work/fake-webserver.out")
    WEB_SERVER_BASE=http://127.0.0.1:$webPort
    "$bin/fake-transmitter" --port 0 > "$work/fake-transmitter.out" 2>&1 &
    DEMO_FAKE_PIDS+=($!)
    TRANSMITTER_PORT=$(demo_fake_port "$work/fake-transmitter.out")
    local logOption=()
    if [ -n "$log" ]; then logOption=(--request-log "$log"); fi
    "$bin/fake-reflector" --port 0 --web-port "$webPort" --transmitter-port "$TRANSMITTER_PORT" \
        "${logOption[@]}" > "$work/fake-reflector.out" 2>&1 &
    DEMO_FAKE_PIDS+=($!)
    REFLECTOR_PORT=$(demo_fake_port "$work/fake-reflector.out")
}

stop_demo_fakes() {
    local pid
    for pid in "${DEMO_FAKE_PIDS[@]:-}"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    done
    DEMO_FAKE_PIDS=()
}
