#!/usr/bin/env bash
# Sets up, builds and starts the saver full screen with the freshly built pictures and carols.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export HOLLYQUILL_ASSETS="${HOLLYQUILL_ASSETS:-$PWD/build/assets}"
exec build/hollyquill /s
