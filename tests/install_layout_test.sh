#!/usr/bin/env sh
# `cmake --install` puts the program, its asset folder and the XScreenSaver files where a desktop
# looks for them. Usage: install_layout_test.sh BUILD_DIR
build=$1
root=$(mktemp -d /tmp/hq-install-XXXXXX)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi; }
check "the program in bin" '[ -x "$root/usr/bin/hollyquill" ]'
check "the asset folder in share/hollyquill" '[ -d "$root/usr/share/hollyquill" ]'
check "the hack where XScreenSaver runs hacks" '[ "$(readlink "$root/usr/libexec/xscreensaver/hollyquill")" = ../../bin/hollyquill ]'
xml=$root/usr/share/xscreensaver/config/hollyquill.xml
check "the hack's description for xscreensaver-settings" '[ -f "$xml" ]'
check "a description that names the hack and runs it with -root" \
    'grep -q "<screensaver name=\"hollyquill\"" "$xml" && grep -q "<command arg=\"-root\"/>" "$xml"'
if command -v xmllint >/dev/null; then
    check "well-formed XML" 'xmllint --noout "$xml"'
fi
[ "$failures" = 0 ]
