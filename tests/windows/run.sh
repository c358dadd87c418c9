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

passed=0 failed=0 skipped=0
pass() { echo "PASS $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
skip() { echo "SKIP $*"; skipped=$((skipped + 1)); }
finish() {
  echo "windows_wine: $passed passed, $failed failed, $skipped skipped"
  [ "$failed" -eq 0 ]
  exit $?
}
# Adds the PASS/FAIL/SKIP lines a check program printed to the totals.
tally() {
  local out=$1
  passed=$((passed + $(grep -c '^PASS' "$out"))) failed=$((failed + $(grep -c '^FAIL' "$out")))
  skipped=$((skipped + $(grep -c '^SKIP' "$out")))
}

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-objdump cmake wine wineserver wineboot Xvfb xdotool import convert makensis; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP windows_wine: $tool is not installed (scripts/packages.txt lists what is needed)"
    exit 77
  fi
done

# 32-bit Wine runs the installer; it has to be there before the prefix is made.
wine32=0
"$src/tests/windows/ensure-wine32.sh" && wine32=1

started=$SECONDS
# --- The cross build -------------------------------------------------------------------------
build=$work/build
if cmake -S "$src" -B "$build" --toolchain "$src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
     -DHQ_BUILD_TESTS=OFF -DHQ_BUILD_ASSETS=OFF -DHQ_WINDOWS_CHECKS=ON >"$work/build.log" 2>&1 &&
   cmake --build "$build" -j2 >>"$work/build.log" 2>&1; then
  pass "cross build of hollyquill.scr ($((SECONDS - started)) s)"
else
  tail -40 "$work/build.log"
  fail "cross build of hollyquill.scr"
  finish
fi
scr=$build/hollyquill.scr
if grep -q 'warning:' "$work/build.log"; then
  grep 'warning:' "$work/build.log" | head -10
  fail "the cross build has no warnings"
else
  pass "the cross build has no warnings"
fi
# Statically linked: nothing beyond the DLLs every Windows has.
foreign=$(x86_64-w64-mingw32-objdump -p "$scr" | sed -n 's/^\s*DLL Name: //p' |
  grep -viE '^(kernel32|user32|gdi32|advapi32|winmm|dwmapi|comctl32|shell32|msvcrt|ole32|uxtheme|comdlg32)\.dll$')
if [ -z "$foreign" ]; then pass "hollyquill.scr needs only Windows' own DLLs"; else fail "hollyquill.scr imports $foreign"; fi

setup=$work/HollyquillSetup.exe
rm -f "$setup"
if [ -z "$(find "$assets" -type f 2>/dev/null | head -1)" ]; then
  skip "the installer: no assets in $assets (configure the Linux build with HQ_BUILD_ASSETS=ON)"
elif makensis -V2 -DSCR="$scr" -DASSETS="$assets" -DOUTFILE="$setup" "$src/src/platform/windows/installer/hollyquill.nsi" \
     >"$work/makensis.log" 2>&1; then
  pass "the installer builds"
else
  cat "$work/makensis.log"
  fail "the installer builds"
fi

# --- A display and a prefix of our own -------------------------------------------------------
xvfb_pid=
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 && wineserver -w >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
# Other tests may start their own servers at the same moment: a display taken in between makes
# Xvfb exit at once, and the next free number is tried.
for n in $(seq 93 160); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
done
if [ -z "$xvfb_pid" ]; then
  fail "a virtual X display starts"
  finish
fi

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

# Waits up to $2 seconds for a visible window named exactly $1; prints its id.
wait_window() {
  local id
  for _ in $(seq $(($2 * 5))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# Waits up to $2 seconds for process $1 to end; its status is in $status.
wait_end() {
  for _ in $(seq $(($2 * 5))); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }
    sleep 0.2
  done
  return 1
}
# The share of the screen's pixels that are not near black.
lit_share() { convert "$1" -colorspace Gray -threshold 8% -format '%[fx:mean]' info:; }

# --- /s: the scene, the first run's settings, and the keys -----------------------------------
timeout 90 "$wine64" "$app/hollyquill.scr" /s >/dev/null 2>&1 &
saver=$!
if wid=$(wait_window Hollyquill 30); then
  pass "/s opens the saver window"
  sleep 4
  import -window root "$work/saver.png"
  share=$(lit_share "$work/saver.png")
  # The whole village when its pictures are there; at least the texts when they are not.
  want=0.0005
  [ -f "$app/bg3.bmp" ] && want=0.05
  if awk "BEGIN { exit !($share > $want) }"; then pass "/s shows the scene (lit share $share)"; else fail "/s shows the scene (lit share $share, wanted > $want)"; fi
  settings='HKCU\Software\VB and VBA Program Settings\hollyq1'
  if wine reg query "$settings\\Settings" /v SetReg 2>/dev/null | grep -q 'REG_SZ *2' &&
     wine reg query "$settings\\Music" /v Music36 2>/dev/null | grep -q 'REG_SZ *1'; then
    pass "the first run writes its values to the registry"
  else
    fail "the first run writes its values to the registry"
  fi
  xdotool windowfocus "$wid" 2>/dev/null
  xdotool key n
  sleep 1.5
  if kill -0 "$saver" 2>/dev/null; then pass "/s: N does not end the saver"; else fail "/s: N does not end the saver"; fi
  xdotool key b
  if wait_end "$saver" 15 && [ "$status" -eq 0 ]; then pass "/s: another key ends it with status 0"; else fail "/s: another key ends it with status 0 (${status:-still running})"; fi
else
  fail "/s opens the saver window"
fi
kill "$saver" 2>/dev/null

# --- The Windows pieces, the saver's input rules among them (after the first run above) --------
timeout 120 "$wine64" "$build/hq_win_checks.exe" >"$work/checks.log" 2>&1
cat "$work/checks.log"
tally "$work/checks.log"

# --- /c: the settings dialog -----------------------------------------------------------------
timeout 90 "$wine64" "$app/hollyquill.scr" /c >/dev/null 2>&1 &
dialog=$!
if wid=$(wait_window Hollyquill 30); then
  pass "/c opens the dialog titled Hollyquill"
  sleep 1
  import -window root "$work/dialog.png"
  xdotool windowfocus "$wid" 2>/dev/null
  xdotool key Escape
  if wait_end "$dialog" 15 && [ "$status" -eq 0 ]; then pass "/c: the dialog closes with status 0"; else fail "/c: the dialog closes with status 0"; fi
else
  fail "/c opens the dialog titled Hollyquill"
fi
kill "$dialog" 2>/dev/null

# --- /p: the still picture inside a host window ----------------------------------------------
timeout 60 "$wine64" "$build/hq_preview_host.exe" "$(winepath -w "$app/hollyquill.scr" 2>/dev/null)" >"$work/preview.log" 2>&1
cat "$work/preview.log"
tally "$work/preview.log"
grep -q 'passed' "$work/preview.log" || fail "/p: the preview host ran to its end"

# --- /a: the password service ----------------------------------------------------------------
if timeout 30 "$wine64" "$app/hollyquill.scr" /a >/dev/null 2>&1; then pass "/a returns with status 0"; else fail "/a returns with status 0"; fi

# --- The installer ---------------------------------------------------------------------------
if [ ! -f "$setup" ]; then
  skip "running the installer: it was not built"
elif [ "$wine32" -eq 0 ]; then
  skip "running the installer: 32-bit Wine (wine32:i386) is not installed and could not be installed"
else
  c=$WINEPREFIX/drive_c
  timeout 120 wine "$setup" /S >/dev/null 2>&1
  # A 32-bit installer that did not run still exits 0: look at what it installed.
  if cmp -s "$scr" "$c/windows/system32/hollyquill.scr"; then pass "setup puts hollyquill.scr into System32"; else fail "setup puts hollyquill.scr into System32"; fi
  expected=$(cd "$assets" 2>/dev/null && find . -type f | wc -l)
  got=$(cd "$c/Winterlark/Hollyquill" 2>/dev/null && find . -type f ! -name uninstall.exe | wc -l)
  if [ -n "$expected" ] && [ "$got" -eq "$expected" ]; then pass "setup puts the $expected asset files into C:\\Winterlark\\Hollyquill"; else fail "setup puts the asset files into C:\\Winterlark\\Hollyquill ($got of ${expected:-?})"; fi
  if wine reg query 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE 2>/dev/null | grep -qi 'system32\\hollyquill.scr'; then pass "setup makes Hollyquill the current screen saver"; else fail "setup makes Hollyquill the current screen saver"; fi
  uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Hollyquill'
  if wine reg query "$uninstall_key" /v UninstallString /reg:64 >/dev/null 2>&1; then pass "setup registers its uninstaller"; else fail "setup registers its uninstaller"; fi

  # The installed saver finds its pictures in the fixed folder; a click ends it.
  timeout 90 "$wine64" "$c/windows/system32/hollyquill.scr" /s >/dev/null 2>&1 &
  saver=$!
  if wid=$(wait_window Hollyquill 30); then
    sleep 2
    xdotool mousemove 512 384 click 1
    if wait_end "$saver" 15 && [ "$status" -eq 0 ]; then pass "the installed saver runs and a click ends it"; else fail "the installed saver runs and a click ends it"; fi
  else
    fail "the installed saver runs"
  fi
  kill "$saver" 2>/dev/null

  # The uninstaller copies itself away and returns at once; wait for its work.
  timeout 60 wine 'C:\Winterlark\Hollyquill\uninstall.exe' /S >/dev/null 2>&1
  for _ in $(seq 75); do [ -e "$c/windows/system32/hollyquill.scr" ] || [ -e "$c/Winterlark/Hollyquill" ] || break; sleep 0.2; done
  sleep 0.5
  if [ ! -e "$c/windows/system32/hollyquill.scr" ] && [ ! -e "$c/Winterlark/Hollyquill" ] &&
     ! wine reg query "$uninstall_key" /reg:64 >/dev/null 2>&1 &&
     ! wine reg query 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE >/dev/null 2>&1; then
    pass "the uninstaller removes what setup put in place"
  else
    fail "the uninstaller removes what setup put in place"
  fi
fi

echo "windows_wine took $((SECONDS - started)) s"
finish
