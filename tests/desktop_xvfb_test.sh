#!/usr/bin/env bash
# The desktop program on a virtual X server with a window manager, as a user meets it.
# Usage: desktop_xvfb_test.sh PROGRAM ASSET_FOLDER GROUP
#   GROUP: scene | keys | mouse | instances | embedding
# Starts its own Xvfb on a free display and leaves no process behind.
set -u
prog=$1
built_assets=$2
group=$3

work=$(mktemp -d /tmp/hq-xvfb-XXXXXX)
pids=()
failures=0

cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

for tool in Xvfb openbox xdotool import convert xwininfo xmessage; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# A fresh user: settings, the one-saver lock and the assets all live in the work folder.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME/hollyquill" "$XDG_RUNTIME_DIR" "$work/noassets"
if [ -f "$built_assets/bg3.bmp" ]; then
    export HOLLYQUILL_ASSETS=$built_assets
    have_pictures=1
else
    export HOLLYQUILL_ASSETS=$work/noassets
    have_pictures=0
fi

. "$(dirname "$0")/x_session.sh"
start_x_session || exit 1

saver=
start_saver() {  # arguments: the program's arguments
    "$prog" "$@" >"$work/out" 2>"$work/err" &
    saver=$!
    pids+=($saver)
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Hollyquill$' >/dev/null 2>&1 && break
        kill -0 "$saver" 2>/dev/null || break
        sleep 0.05
    done
    sleep 0.7  # shown, focused and drawing
}
running() { kill -0 "$saver" 2>/dev/null; }
# Waits up to $1 seconds for the saver to end; sets `status` to its exit status or "running".
ended_within() {
    local steps=$(( $1 * 20 ))
    status=running
    for _ in $(seq "$steps"); do
        if ! running; then
            wait "$saver"
            status=$?
            return
        fi
        sleep 0.05
    done
}
expect_end() {  # seconds, what
    ended_within "$1"
    if [ "$status" = 0 ]; then pass "$2 ends the saver with status 0"; else fail "$2: saver $status"; fi
}
# Runs a check again until it holds, for up to $1 seconds: a loaded machine may be slow to draw.
eventually() {
    local seconds=$1
    shift
    for _ in $(seq $(( seconds * 10 ))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
settings() {  # key=value lines for [Settings] of a user who has run the saver before
    { echo "[Settings]"; echo "SetReg=2"; printf '%s\n' "$@"; } >"$XDG_CONFIG_HOME/hollyquill/hollyq1.ini"
}
# The largest and the mean brightness (0..1) of a part of the screen.
brightness() {  # geometry WxH+X+Y
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "$1" -colorspace Gray -format "%[fx:maxima] %[fx:mean]" info:
}

case $group in
scene)
    # The scene alone: no snow, no texts, so the band above the backdrop must stay black.
    settings Layer1=0 Layer2=0 Layer3=0 Clock=0 CountDown=0 ShowMessage=0 ShowDirections=False
    start_saver /s
    running && pass "the saver runs full screen" || fail "the saver did not start: $(cat "$work/err")"
    if [ "$have_pictures" = 1 ]; then
        read -r _ mean < <(brightness 1024x700+0+60)
        awk "BEGIN { exit !($mean > 0.05) }" && pass "the scene is shown" || fail "the screen is black (mean $mean)"
        read -r band _ < <(brightness 1024x40+0+0)  # 33 frame rows scale to 42 screen rows
        awk "BEGIN { exit !($band < 0.02) }" && pass "the band above the backdrop is black" || fail "the band is not black ($band)"
    else
        echo "SKIP: picture checks: no built pictures in $built_assets (configure with -DHQ_BUILD_ASSETS=ON)"
    fi
    kill -TERM "$saver"
    expect_end 2 "SIGTERM"
    # A display that cannot be opened: the message, and status 1.
    DISPLAY=:65000 timeout 20 "$prog" /s >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" = 1 ] && pass "without a display the saver exits with status 1" || fail "without a display: status $status"
    grep -q "Error opening Direct Draw!" "$work/err" && pass "and says why" || fail "no message: $(cat "$work/err")"
    ;;
keys)
    start_saver /s
    for key in n p q s x x; do
        xdotool key "$key"
        sleep 0.3
        running || { fail "key $key ended the saver"; break; }
    done
    running && pass "N, P, Q, S and X keep the saver running"
    grep -q "ShowDirections=True" "$XDG_CONFIG_HOME/hollyquill/hollyq1.ini" && pass "X twice stores the directions as they were" ||
        fail "ShowDirections after X twice: $(grep ShowDirections "$XDG_CONFIG_HOME/hollyquill/hollyq1.ini")"
    xdotool key a
    expect_end 1 "the key A"
    start_saver /s
    xdotool key Escape
    expect_end 1 "Escape"
    start_saver
    xdotool key space
    expect_end 1 "the space bar (started with no arguments)"
    ;;
mouse)
    xdotool mousemove 20 20
    start_saver /s
    xdotool click 1
    expect_end 1 "a mouse click"

    settings MouseSen=6
    start_saver /s
    for i in 1 2 3 4 5; do
        xdotool mousemove $((100 * i)) $((60 * i))
        sleep 0.15
    done
    sleep 0.3
    running && pass "five mouse moves leave the saver running" || fail "five mouse moves ended the saver"
    xdotool mousemove 700 500
    expect_end 1 "the sixth mouse move"
    ;;
instances)
    start_saver /s
    start=$(date +%s%N)
    timeout 10 "$prog" /s >/dev/null 2>&1
    status=$?
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    [ "$status" = 0 ] && [ "$took" -lt 1000 ] && pass "a second /s exits at once (${took} ms)" ||
        fail "a second /s: status $status after ${took} ms"
    running && pass "the first saver keeps running" || fail "the first saver ended"
    xdotool key Escape
    expect_end 1 "Escape"
    timeout 10 "$prog" /s >/dev/null 2>&1 &
    second=$!
    pids+=($second)
    sleep 1.5
    kill -0 "$second" 2>/dev/null && pass "once the first has ended, /s runs again" || fail "/s refused after the first ended"
    saver=$second
    xdotool key Escape
    expect_end 1 "Escape on the new saver"
    ;;
embedding)
    host_window() {  # title; sets `host` (its process) and `id` (its window), once it is on screen
        xmessage -title "$1" -geometry 320x240+40+40 "host" >/dev/null 2>&1 &
        host=$!
        pids+=($host)
        id=
        for _ in $(seq 200); do
            id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
            [ -n "$id" ] && xwininfo -id "$id" | grep -q IsViewable && break
            sleep 0.05
        done
        sleep 0.3
    }
    # The preview: the picture fills the host window and goes when the host goes.
    mkdir -p "$work/preview"
    convert -size 153x115 xc:'rgb(200,30,40)' BMP3:"$work/preview/preview.bmp"
    host_window hq-preview-host
    HOLLYQUILL_ASSETS=$work/preview "$prog" /p "$id" >/dev/null 2>&1 &
    saver=$!
    pids+=($saver)
    has_child() { xwininfo -children -id "$id" 2>/dev/null | grep -q "\"$1\""; }
    eventually 5 has_child Preview && pass "the preview is a child of its host" || fail "no preview window inside the host"
    host_colour() {
        eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "hx=" $NF} /Absolute upper-left Y/ {print "hy=" $NF}')"
        import -window root -crop "300x220+$((hx + 10))+$((hy + 10))" "$work/preview.png"
        colour=$(convert "$work/preview.png" -resize 1x1\! -format "%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]" info:)
        [ "$colour" = "$1" ]
    }
    eventually 5 host_colour "200,30,40" && pass "the preview picture fills the host" || fail "the host shows $colour"
    kill "$host"
    expect_end 2 "the host window going away"
    timeout 10 "$prog" /p 123456789 >/dev/null 2>&1
    status=$?
    [ "$status" = 0 ] && pass "a preview for a window that does not exist exits quietly" || fail "bad preview id: status $status"

    # XScreenSaver's way: the animated scene inside a window it owns.
    host_window hq-hack-host
    "$prog" -window-id "$id" >/dev/null 2>"$work/err" &
    saver=$!
    pids+=($saver)
    eventually 5 has_child Hollyquill && pass "-window-id draws inside the given window" || fail "no scene window inside the host: $(cat "$work/err")"
    if [ "$have_pictures" = 1 ]; then
        host_lit() {
            eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "hx=" $NF} /Absolute upper-left Y/ {print "hy=" $NF}')"
            read -r _ mean < <(brightness "300x220+$((hx + 10))+$((hy + 10))")
            awk "BEGIN { exit !($mean > 0.05) }"
        }
        eventually 5 host_lit && pass "the scene shows inside XScreenSaver's window" || fail "XScreenSaver's window stays dark"
    fi
    sleep 0.5
    kill "$host"
    expect_end 2 "XScreenSaver's window going away"
    host_window hq-env-host
    XSCREENSAVER_WINDOW=$id "$prog" >/dev/null 2>&1 &
    saver=$!
    pids+=($saver)
    eventually 5 has_child Hollyquill && pass "\$XSCREENSAVER_WINDOW names the window" || fail "no scene window inside \$XSCREENSAVER_WINDOW"
    sleep 0.5
    kill -TERM "$saver"
    expect_end 2 "SIGTERM (as XScreenSaver ends a hack)"
    ;;
*)
    echo "unknown group $group"
    exit 2
    ;;
esac

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
exit 0
