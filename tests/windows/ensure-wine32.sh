#!/usr/bin/env bash
# The installer is a 32-bit program, and 64-bit Wine alone runs it as a no-op. Installs 32-bit
# Wine when this runs as root and it is missing; exits 0 when it is there afterwards, 1 when not.
# HQ_NO_APT=1 forbids installing anything.
set -u
have_wine32() { [ -e /usr/lib/wine/wine ] || dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; }
have_wine32 && exit 0
[ "${HQ_NO_APT:-0}" = 1 ] && exit 1
[ "$(id -u)" -eq 0 ] || exit 1
command -v apt-get >/dev/null || exit 1
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386 || exit 1
fi
apt-get update -qq -o DPkg::Lock::Timeout=600 >/dev/null 2>&1 || true
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 wine32:i386 >/dev/null 2>&1 || exit 1
have_wine32
