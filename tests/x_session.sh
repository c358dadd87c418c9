# Sourced by the tests that need a real X server: starts Xvfb on a free display with openbox and
# waits until the window manager really shows windows. Needs bash, a `work` folder and a `pids`
# array the caller's cleanup kills; exports DISPLAY.

start_x_session() {
    # Xvfb picks a free display itself and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -1 "$work/display")
    openbox >/dev/null 2>&1 &
    pids+=($!)
    # Openbox announces itself before it maps windows reliably: a window mapped in that moment
    # is never shown. Map a probe window until one appears.
    local attempt probe probe_id
    for attempt in 1 2 3 4 5 6; do
        xmessage -title hq-probe-$attempt probe >/dev/null 2>&1 &
        probe=$!
        for _ in $(seq 20); do
            probe_id=$(xdotool search --name "^hq-probe-$attempt\$" 2>/dev/null | head -1)
            if [ -n "$probe_id" ] && xwininfo -id "$probe_id" | grep -q IsViewable; then
                kill "$probe" 2>/dev/null
                wait "$probe" 2>/dev/null
                return 0
            fi
            sleep 0.05
        done
        kill "$probe" 2>/dev/null
        wait "$probe" 2>/dev/null
    done
    echo "FAIL: the window manager does not show windows"
    return 1
}
