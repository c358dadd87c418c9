#!/usr/bin/env bash
# The settings dialog on a real X server (Xvfb with openbox): `hollyquill /c` opens a window
# titled "Hollyquill" that has written the first-run values, a check box toggled from the
# keyboard is stored at once and toggled back is stored again, and Alt+O (the OK button) ends
# the program. Everything this script starts is stopped on the way out.
# Usage: dialog_on_x_server.sh PATH/TO/hollyquill
set -u
PROGRAM=$1

for tool in Xvfb openbox xdotool xwininfo xmessage; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

WORK=$(mktemp -d /tmp/hq-dialog-test-XXXXXX)
work=$WORK
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    [ -f "$WORK/dialog.log" ] && sed 's/^/  dialog: /' "$WORK/dialog.log"
    exit 1
}

# Waits up to $1 tenths of a second for the command in the remaining arguments to succeed.
wait_for() {
    tries=$1
    shift
    while [ "$tries" -gt 0 ]; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# True once the process has ended (gone, or a zombie waiting for this script).
ended() {
    state=$(ps -o stat= -p "$1" 2>/dev/null)
    case "$state" in "" | Z*) return 0 ;; *) return 1 ;; esac
}

. "$(dirname "$0")/x_session.sh"
start_x_session || exit 1

export XDG_CONFIG_HOME="$WORK/config"
export HOLLYQUILL_ASSETS="$WORK/assets"
export NO_AT_BRIDGE=1
export SDL_AUDIODRIVER=dummy  # the test buttons' player needs no sound card
mkdir -p "$HOLLYQUILL_ASSETS"
SETTINGS="$XDG_CONFIG_HOME/hollyquill/hollyq1.ini"

"$PROGRAM" /c >"$WORK/dialog.log" 2>&1 &
DIALOG=$!
pids=("$DIALOG" "${pids[@]}")

# A shown window whose title is exactly "Hollyquill" (xdotool's own matching ignores case, and
# GTK keeps a hidden window named after the program).
dialog_window() {
    for id in $(xdotool search --onlyvisible --name Hollyquill 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "Hollyquill" ] && { echo "$id"; return 0; }
    done
    return 1
}
wait_for 150 dialog_window || fail "no window titled Hollyquill"

# Opened before the saver ever ran, the dialog stores the first-run values and shows them.
wait_for 50 grep -qx 'SetReg=2' "$SETTINGS" || fail "first-run values not stored"
grep -qx 'Layer1=1' "$SETTINGS" || fail "Layer1 is not 1 after opening"

# Space toggles the check box that has the focus when the dialog opens; exactly one check-box
# key must flip, and flip back on the second press.
wait_for 50 sh -c "xdotool getwindowfocus getwindowname | grep -qx Hollyquill" || fail "the dialog has no focus"
cp "$SETTINGS" "$WORK/before.ini"
xdotool key space
wait_for 50 sh -c "! cmp -s '$SETTINGS' '$WORK/before.ini'" || fail "space on the focused check box stored nothing"
CHANGED=$(diff "$WORK/before.ini" "$SETTINGS" | grep '^>' | sed 's/^> //')
echo "stored after space: $CHANGED"
[ "$(printf '%s\n' "$CHANGED" | wc -l)" -eq 1 ] || fail "more than one value changed: $CHANGED"
KEY=${CHANGED%%=*}
BEFORE=$(grep "^$KEY=" "$WORK/before.ini")
case "$BEFORE/$CHANGED" in
"$KEY=1/$KEY=0" | "$KEY=0/$KEY=1") ;;
*) fail "'$BEFORE' became '$CHANGED', not a check box flipping" ;;
esac

xdotool key space
wait_for 50 cmp -s "$SETTINGS" "$WORK/before.ini" || fail "second space did not store '$BEFORE' again"

# The OK button's mnemonic closes the dialog and the program ends.
xdotool key alt+o
wait_for 50 ended "$DIALOG" || fail "the program still runs after OK"
wait "$DIALOG"
STATUS=$?
[ "$STATUS" -eq 0 ] || fail "the program ended with status $STATUS"
echo "PASS"
