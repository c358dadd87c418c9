#!/usr/bin/env bash
# The desktop program on a virtual X server with a window manager, as a user meets it.
# Usage: desktop_xvfb_test.sh PROGRAM ASSET_FOLDER GROUP
#   GROUP: scene | keys | mouse | instances | embedding
set -u
prog=$1 built_assets=$2 group=$3
. "$(dirname "$0")/x_session.sh"
x_test_begin import convert

# A fresh user: settings, the one-saver lock and the assets all live in the work folder.
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy
ini=$XDG_CONFIG_HOME/hollyquill/hollyq1.ini
mkdir -p "$XDG_CONFIG_HOME/hollyquill" "$XDG_RUNTIME_DIR" "$work/noassets"
have_pictures=0
export HOLLYQUILL_ASSETS=$work/noassets
[ -f "$built_assets/bg3.bmp" ] && have_pictures=1 HOLLYQUILL_ASSETS=$built_assets
start_x_session || exit 1

start() {  # runs the program with these arguments in the background as `saver`
    "$prog" "$@" >/dev/null 2>"$work/err" &
    saver=$!
    pids+=($saver)
}
start_saver() {  # arguments: the program's arguments; waits until it is shown and drawing
    start "$@"
    eventually 5 sh -c "xdotool search --onlyvisible --name '^Hollyquill\$' || ! kill -0 $saver"
    sleep 0.7
}
running() { ! ended "$saver"; }
# The saver ends within $1 seconds with status 0.
ends_within() {
    eventually "$1" ended "$saver" || return 1
    wait "$saver"
}
settings() {  # key=value lines for [Settings] of a user who has run the saver before
    printf '%s\n' "[Settings]" "SetReg=2" "$@" >"$ini"
}
# True when the mean brightness (0..1) of a part of the screen (WxH+X+Y) compares as asked.
brightness() {  # geometry, awk comparison such as "> 0.05"; the maximum with a third argument
    import -window root "$work/shot.png"
    local value
    value=$(convert "$work/shot.png" -crop "$1" -colorspace Gray -format "%[fx:${3:-mean}]" info:)
    awk "BEGIN { exit !($value $2) }" || { echo "  brightness of $1: $value"; return 1; }
}
host_window() {  # title; opens a small host window, sets `host` (its process) and `id` (its window)
    xmessage -title "$1" -geometry 320x240+40+40 "host" >/dev/null 2>&1 &
    host=$!
    pids+=($host)
    eventually 10 window_shown "$1"
    id=$(window_shown "$1")
    eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "hx=" $NF} /Absolute upper-left Y/ {print "hy=" $NF}')"
    inside="300x220+$((hx + 10))+$((hy + 10))"
    sleep 0.3
}
has_child() { xwininfo -children -id "$id" 2>/dev/null | grep -q "\"$1\""; }

case $group in
scene)
    # The scene alone: no snow, no texts, so the band above the backdrop must stay black.
    settings Layer1=0 Layer2=0 Layer3=0 Clock=0 CountDown=0 ShowMessage=0 ShowDirections=False
    start_saver /s
    check "the saver runs full screen" running
    if [ "$have_pictures" = 1 ]; then
        check "the scene is shown" brightness 1024x700+0+60 "> 0.05"
        check "the band above the backdrop is black" brightness 1024x40+0+0 "< 0.02" maxima  # 33 frame rows, 42 screen rows
    else
        echo "SKIP: picture checks: no built pictures in $built_assets (configure with -DHQ_BUILD_ASSETS=ON)"
    fi
    kill -TERM "$saver"
    check "SIGTERM ends the saver with status 0" ends_within 2
    DISPLAY=:65000 timeout 20 "$prog" /s >/dev/null 2>"$work/err"
    check "without a display the saver exits with status 1" test $? = 1
    check "and says why" grep -q "Error opening Direct Draw!" "$work/err"
    ;;
keys)
    start_saver /s
    for key in n p q s x x; do
        xdotool key "$key"
        sleep 0.3
        running || echo "  key $key ended the saver"
    done
    check "N, P, Q, S and X keep the saver running" running
    check "X twice stores the directions as they were" grep -q "ShowDirections=True" "$ini"
    xdotool key a
    check "the key A ends the saver with status 0 within a second" ends_within 1
    start_saver
    xdotool key space
    check "the space bar ends a saver started with no arguments" ends_within 1
    ;;
mouse)
    xdotool mousemove 20 20
    start_saver /s
    xdotool click 1
    check "a mouse click ends the saver with status 0 within a second" ends_within 1
    settings MouseSen=6
    start_saver /s
    for i in 1 2 3 4 5; do
        xdotool mousemove $((100 * i)) $((60 * i))
        sleep 0.15
    done
    sleep 0.3
    check "five mouse moves leave the saver running" running
    xdotool mousemove 700 500
    check "the sixth mouse move ends it with status 0" ends_within 1
    ;;
instances)
    start_saver /s
    started=$(date +%s%N)
    timeout 10 "$prog" /s >/dev/null 2>&1
    status=$? took=$((($(date +%s%N) - started) / 1000000))
    check "a second /s exits at once with status 0 (status $status, $took ms)" test "$status" = 0 -a "$took" -lt 1000
    check "the first saver keeps running" running
    xdotool key Escape
    check "Escape ends the first saver" ends_within 1
    start /s
    sleep 1.5
    check "once the first has ended, /s runs again" running
    xdotool key Escape
    check "Escape ends the new saver" ends_within 1
    ;;
embedding)
    # The preview: the picture fills the host window and goes when the host goes.
    mkdir -p "$work/preview"
    convert -size 153x115 xc:'rgb(200,30,40)' BMP3:"$work/preview/preview.bmp"
    host_window hq-preview-host
    HOLLYQUILL_ASSETS=$work/preview start /p "$id"
    check "the preview is a child of its host" eventually 5 has_child Preview
    host_colour() {
        import -window root -crop "$inside" "$work/preview.png"
        [ "$(convert "$work/preview.png" -resize 1x1\! -format "%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]" info:)" = "$1" ]
    }
    check "the preview picture fills the host" eventually 5 host_colour "200,30,40"
    kill "$host"
    check "the preview ends when the host window goes away" ends_within 2
    timeout 10 "$prog" /p 123456789 >/dev/null 2>&1
    check "a preview for a window that does not exist exits quietly" test $? = 0

    # XScreenSaver's way: the animated scene inside a window it owns.
    host_window hq-hack-host
    start -window-id "$id"
    check "-window-id draws inside the given window" eventually 5 has_child Hollyquill
    [ "$have_pictures" = 1 ] && check "the scene shows inside XScreenSaver's window" eventually 5 brightness "$inside" "> 0.05"
    sleep 0.5
    kill "$host"
    check "the hack ends when XScreenSaver's window goes away" ends_within 2
    host_window hq-env-host
    XSCREENSAVER_WINDOW=$id start
    check "\$XSCREENSAVER_WINDOW names the window" eventually 5 has_child Hollyquill
    sleep 0.5
    kill -TERM "$saver"
    check "SIGTERM ends the hack with status 0" ends_within 2
    ;;
*)
    echo "unknown group $group"
    exit 2
    ;;
esac

[ "$failed" = 0 ] || { echo "$failed check(s) failed"; exit 1; }
