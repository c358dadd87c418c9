#!/usr/bin/env bash
# Hollyquill for Windows, under Wine: cross-builds hollyquill.scr, the check programs and the
# installer, then runs every mode on its own virtual X display in a fresh Wine prefix.
# Usage: tests/windows/run.sh [SOURCE_DIR [WORK_DIR [ASSET_DIR]]]
# ASSET_DIR is the asset folder of the Linux build (build/assets). Exits 77 when the tools are
# missing, so ctest reports a skip rather than a failure.
set -uo pipefail
src=$(cd "${1:-$(dirname "$0")/../..}" && pwd)
work=${2:-$src/build/windows-wine}
assets=${3:-$src/build/assets}
mkdir -p "$work"
work=$(cd "$work" && pwd)

. "$src/tests/x_session.sh"
finish() {
  echo "windows_wine: $passed passed, $failed failed, $skipped skipped; took $((SECONDS - started)) s"
  [ "$failed" -eq 0 ]
  exit $?
}
for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-objdump cmake wine wineserver wineboot Xvfb xdotool xwininfo import convert makensis; do
  command -v "$tool" >/dev/null || { echo "SKIP windows_wine: $tool is not installed (scripts/packages.txt lists what is needed)"; exit 77; }
done

# 32-bit Wine runs the installer (64-bit Wine alone runs it as a no-op); it has to be there
# before the prefix is made. As root, it is installed when missing, unless HQ_NO_APT=1.
have_wine32() { [ -e /usr/lib/wine/wine ] || dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; }
if ! have_wine32 && [ "${HQ_NO_APT:-0}" != 1 ] && [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  { dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386; } >/dev/null 2>&1 &&
    { apt-get update -qq -o DPkg::Lock::Timeout=600 >/dev/null 2>&1; true; } &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 wine32:i386 >/dev/null 2>&1
fi
wine32=0
have_wine32 && wine32=1

started=$SECONDS
# --- The cross build -------------------------------------------------------------------------
build=$work/build
if ! { cmake -S "$src" -B "$build" --toolchain "$src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
         -DHQ_BUILD_TESTS=OFF -DHQ_BUILD_ASSETS=OFF -DHQ_WINDOWS_CHECKS=ON && cmake --build "$build" -j2; } >"$work/build.log" 2>&1; then
  tail -40 "$work/build.log"
  fail "cross build of hollyquill.scr"
  finish
fi
pass "cross build of hollyquill.scr ($((SECONDS - started)) s)"
scr=$build/hollyquill.scr
grep 'warning:' "$work/build.log" | head -10
check "the cross build has no warnings" test -z "$(grep 'warning:' "$work/build.log")"
# Statically linked: nothing beyond the DLLs every Windows has.
foreign=$(x86_64-w64-mingw32-objdump -p "$scr" | sed -n 's/^\s*DLL Name: //p' |
  grep -viE '^(kernel32|user32|gdi32|advapi32|winmm|dwmapi|comctl32|shell32|msvcrt|ole32|uxtheme|comdlg32)\.dll$')
check "hollyquill.scr needs only Windows' own DLLs${foreign:+ (imports $foreign)}" test -z "$foreign"

setup=$work/HollyquillSetup.exe
rm -f "$setup"
if [ -z "$(find "$assets" -type f 2>/dev/null | head -1)" ]; then
  skip "the installer: no assets in $assets (configure the Linux build with HQ_BUILD_ASSETS=ON)"
else
  makensis -V2 -DSCR="$scr" -DASSETS="$assets" -DOUTFILE="$setup" "$src/src/platform/windows/installer/hollyquill.nsi" \
    >"$work/makensis.log" 2>&1 || cat "$work/makensis.log"
  check "the installer builds" test -f "$setup"
fi

# --- A display and a prefix of our own -------------------------------------------------------
pids=()
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 && wineserver -w >/dev/null 2>&1
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT
start_xvfb || { fail "a virtual X display starts"; finish; }

# The saver and the check programs are 64-bit; Debian's `wine` prefers the 32-bit loader once
# wine32 is installed, and a 32-bit start.exe would look for System32 files in SysWOW64.
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=wine
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
rm -rf "$WINEPREFIX"
timeout 120 wineboot -i >/dev/null 2>&1
# Without a window manager, destroying a full-screen window would otherwise stall for 2 s.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

# The saver with its pictures and carols beside it (the fixed folder does not exist yet).
app=$work/app
rm -rf "$app" && mkdir -p "$app"
cp "$scr" "$app/"
[ -d "$assets" ] && cp -r "$assets/." "$app/"

# Starts the program with its arguments under Wine in the background as `prog`, and waits up to
# 30 s for its window titled "Hollyquill"; `wid` is that window.
start_shown() {
  timeout 90 "$wine64" "$@" >/dev/null 2>&1 &
  prog=$!
  eventually 30 window_shown Hollyquill || { kill "$prog" 2>/dev/null; return 1; }
  wid=$(window_shown Hollyquill)
}
# `prog` ends within 15 s with status 0.
ends_ok() {
  eventually 15 ended "$prog" || { kill "$prog" 2>/dev/null; return 1; }
  wait "$prog"
}
# The share of the screen's pixels that are not near black is above $1.
lit_above() {
  import -window root "$work/saver.png"
  share=$(convert "$work/saver.png" -colorspace Gray -threshold 8% -format '%[fx:mean]' info:)
  awk "BEGIN { exit !($share > $1) }"
}
registry_has() { wine reg query "HKCU\\Software\\VB and VBA Program Settings\\hollyq1\\$1" /v "$2" 2>/dev/null | grep -q "REG_SZ *$3"; }

# --- /s: the scene, the first run's settings, and the keys -----------------------------------
if check "/s opens the saver window" start_shown "$app/hollyquill.scr" /s; then
  sleep 4
  # The whole village when its pictures are there; at least the texts when they are not.
  want=0.0005
  [ -f "$app/bg3.bmp" ] && want=0.05
  check "/s shows the scene (lit share above $want)" lit_above $want
  echo "  lit share $share"
  check "the first run writes its values to the registry" eval 'registry_has Settings SetReg 2 && registry_has Music Music36 1'
  xdotool windowfocus "$wid" 2>/dev/null
  xdotool key n
  sleep 1.5
  check "/s: N does not end the saver" kill -0 "$prog"
  xdotool key b
  check "/s: another key ends it with status 0" ends_ok
fi

# --- The Windows pieces, the saver's input rules and /p among them (after the first run above) -
timeout 180 "$wine64" "$build/hq_win_checks.exe" "$(winepath -w "$app/hollyquill.scr" 2>/dev/null)" >"$work/checks.log" 2>&1
cat "$work/checks.log"
grep -q 'passed' "$work/checks.log" || fail "hq_win_checks.exe ran to its end"
passed=$((passed + $(grep -c '^PASS' "$work/checks.log"))) failed=$((failed + $(grep -c '^FAIL' "$work/checks.log")))
skipped=$((skipped + $(grep -c '^SKIP' "$work/checks.log")))

# --- /c: the settings dialog -----------------------------------------------------------------
if check "/c opens the dialog titled Hollyquill" start_shown "$app/hollyquill.scr" /c; then
  sleep 1
  xdotool windowfocus "$wid" 2>/dev/null
  xdotool key Escape
  check "/c: the dialog closes with status 0" ends_ok
fi

# --- /a: the password service ----------------------------------------------------------------
check "/a returns with status 0" timeout 30 "$wine64" "$app/hollyquill.scr" /a

# --- The installer ---------------------------------------------------------------------------
if [ ! -f "$setup" ]; then
  skip "running the installer: it was not built"
elif [ "$wine32" -eq 0 ]; then
  skip "running the installer: 32-bit Wine (wine32:i386) is not installed and could not be installed"
else
  c=$WINEPREFIX/drive_c
  installed=$c/windows/system32/hollyquill.scr
  uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Hollyquill'
  timeout 120 wine "$setup" /S >/dev/null 2>&1
  # A 32-bit installer that did not run still exits 0: look at what it installed.
  check "setup puts hollyquill.scr into System32" cmp -s "$scr" "$installed"
  expected=$(cd "$assets" && find . -type f | wc -l)
  got=$(cd "$c/Winterlark/Hollyquill" 2>/dev/null && find . -type f ! -name uninstall.exe | wc -l)
  check "setup puts the asset files into C:\\Winterlark\\Hollyquill ($got of $expected)" test "${got:-0}" -eq "$expected"
  check "setup makes Hollyquill the current screen saver" \
    eval "wine reg query 'HKCU\\Control Panel\\Desktop' /v SCRNSAVE.EXE 2>/dev/null | grep -qi 'system32\\\\hollyquill.scr'"
  check "setup registers its uninstaller" eval "wine reg query '$uninstall_key' /v UninstallString /reg:64 >/dev/null 2>&1"

  # The installed saver finds its pictures in the fixed folder; a click ends it.
  if check "the installed saver runs" start_shown "$installed" /s; then
    sleep 2
    xdotool mousemove 512 384 click 1
    check "a click ends the installed saver" ends_ok
  fi

  # The uninstaller copies itself away and returns at once; wait for its work.
  timeout 60 wine 'C:\Winterlark\Hollyquill\uninstall.exe' /S >/dev/null 2>&1
  gone() { [ ! -e "$installed" ] && [ ! -e "$c/Winterlark/Hollyquill" ]; }
  eventually 15 gone
  sleep 0.5
  check "the uninstaller removes what setup put in place" eval "gone &&
    ! wine reg query '$uninstall_key' /reg:64 >/dev/null 2>&1 &&
    ! wine reg query 'HKCU\\Control Panel\\Desktop' /v SCRNSAVE.EXE >/dev/null 2>&1"
fi
finish
