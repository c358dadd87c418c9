#!/usr/bin/env bash
# The settings dialog on a real X server (Xvfb with openbox): `hollyquill /c` opens a window
# titled "Hollyquill" that has written the first-run values, a check box toggled from the
# keyboard is stored at once and toggled back is stored again, and Alt+O (the OK button) ends
# the program. Usage: dialog_on_x_server.sh PATH/TO/hollyquill
set -u
. "$(dirname "$0")/x_session.sh"
x_test_begin
start_x_session || exit 1

fail() {
    echo "FAIL: $*"
    sed 's/^/  dialog: /' "$work/dialog.log"
    exit 1
}

export XDG_CONFIG_HOME="$work/config" HOLLYQUILL_ASSETS="$work/assets" NO_AT_BRIDGE=1
export SDL_AUDIODRIVER=dummy  # the test buttons' player needs no sound card
mkdir -p "$HOLLYQUILL_ASSETS"
settings="$XDG_CONFIG_HOME/hollyquill/hollyq1.ini"

"$1" /c >"$work/dialog.log" 2>&1 &
dialog=$!
pids=("$dialog" "${pids[@]}")

# xdotool's own matching ignores case, and GTK keeps a hidden window named after the program.
dialog_window() {
    for id in $(xdotool search --onlyvisible --name Hollyquill 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "Hollyquill" ] && return 0
    done
    return 1
}
eventually 15 dialog_window || fail "no window titled Hollyquill"

# Opened before the saver ever ran, the dialog stores the first-run values.
eventually 5 grep -qx 'SetReg=2' "$settings" || fail "first-run values not stored"
grep -qx 'Layer1=1' "$settings" || fail "Layer1 is not 1 after opening"

# Space toggles the check box that has the focus when the dialog opens; exactly one check-box
# key must flip, and flip back on the second press.
eventually 5 sh -c "xdotool getwindowfocus getwindowname | grep -qx Hollyquill" || fail "the dialog has no focus"
cp "$settings" "$work/before.ini"
xdotool key space
eventually 5 sh -c "! cmp -s '$settings' '$work/before.ini'" || fail "space on the focused check box stored nothing"
changed=$(diff "$work/before.ini" "$settings" | sed -n 's/^> //p')
key=${changed%%=*}
before=$(grep "^$key=" "$work/before.ini")
case "$before/$changed" in
"$key=1/$key=0" | "$key=0/$key=1") echo "stored after space: $changed" ;;
*) fail "'$before' became '$changed', not one check box flipping" ;;
esac
xdotool key space
eventually 5 cmp -s "$settings" "$work/before.ini" || fail "second space did not store '$before' again"

# The OK button's mnemonic closes the dialog and the program ends.
xdotool key alt+o
eventually 5 ended "$dialog" || fail "the program still runs after OK"
wait "$dialog"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS"
