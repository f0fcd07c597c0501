# A display and a Wine session of the scripts' own: an Xvfb server and a persistent, primed
# wineserver for the project's prefix. Source it, then call start_session; stop_session (also run
# on exit) ends only the processes it started.

SESSION_XVFB_PID=""
SESSION_WINESERVER=0

start_display() {
    if [ -n "${DISPLAY:-}" ] && [ "${SESSION_OWN_DISPLAY:-0}" != 1 ] && [ "${1:-}" != force ]; then
        return
    fi
    local fdfile
    fdfile="$(mktemp)"
    # -displayfd lets the server pick a free display number and tell us.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    SESSION_XVFB_PID=$!
    local number=""
    for _ in $(seq 1 100); do
        number="$(tr -dc '0-9' <"$fdfile")"
        [ -n "$number" ] && break
        sleep 0.1
    done
    rm -f "$fdfile"
    if [ -z "$number" ]; then
        echo "session: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

start_wineserver() {
    # Persistent, and primed so that services and explorer are up before any test starts.
    wineserver -p
    SESSION_WINESERVER=1
    wine cmd /c exit >/dev/null 2>&1 || true
}

start_session() {
    trap stop_session EXIT
    start_display "$@"
    start_wineserver
}

stop_session() {
    if [ "$SESSION_WINESERVER" = 1 ]; then
        wineserver -k >/dev/null 2>&1 || true
        SESSION_WINESERVER=0
    fi
    if [ -n "$SESSION_XVFB_PID" ]; then
        kill "$SESSION_XVFB_PID" 2>/dev/null || true
        wait "$SESSION_XVFB_PID" 2>/dev/null || true
        SESSION_XVFB_PID=""
    fi
}
