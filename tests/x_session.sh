# Sourced by the tests that need a real X server (bash). `x_test_begin TOOL...` skips (77) when a
# tool is missing, makes the `work` folder and stops every process in `pids` on the way out;
# `start_xvfb` starts Xvfb on a free display and exports DISPLAY; `start_x_session` adds openbox
# and waits until the window manager really shows windows. `check WHAT COMMAND...` reports.

passed=0 failed=0 skipped=0
pass() { echo "PASS $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
skip() { echo "SKIP $*"; skipped=$((skipped + 1)); }
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

x_test_begin() {
    local tool
    for tool in Xvfb openbox xdotool xwininfo xmessage "$@"; do
        command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    work=$(mktemp -d /tmp/hq-xtest-XXXXXX)
    pids=()
    trap x_test_end EXIT
    trap 'exit 1' INT TERM
}

x_test_end() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}

# Runs a check again until it holds, for up to $1 seconds: a loaded machine may be slow.
eventually() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# True once process $1 has ended (gone, or a zombie waiting for this script).
ended() {
    case "$(ps -o stat= -p "$1" 2>/dev/null)" in "" | Z*) return 0 ;; *) return 1 ;; esac
}

start_xvfb() {
    # Xvfb picks a free display itself and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    eventually 5 test -s "$work/display" || { echo "FAIL: Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -1 "$work/display")
}

start_x_session() {
    start_xvfb || return 1
    openbox >/dev/null 2>&1 &
    pids+=($!)
    # Openbox announces itself before it maps windows reliably: a window mapped in that moment
    # is never shown. Map a probe window until one appears.
    local attempt probe shown
    for attempt in 1 2 3 4 5 6; do
        xmessage -title hq-probe-$attempt probe >/dev/null 2>&1 &
        probe=$!
        eventually 1 window_shown "hq-probe-$attempt"
        shown=$?
        kill "$probe" 2>/dev/null
        wait "$probe" 2>/dev/null
        [ "$shown" = 0 ] && return 0
    done
    echo "FAIL: the window manager does not show windows"
    return 1
}

# Prints the id of a viewable window titled exactly $1.
window_shown() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && echo "$id"
}
