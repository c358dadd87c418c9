#!/usr/bin/env bash
# Renders one still of the real scene with the headless recorder, from first-run settings in a
# private configuration folder, so the picture never depends on the person building it.
#   render_still.sh HOLLYQUILL ASSET_DIR OUT.png [--no-texts]
set -euo pipefail
program=$1 assets=$2 out=$3 mode=${4:-}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config HOLLYQUILL_ASSETS=$assets

# A first run writes every setting; the still is then taken with those values.
"$program" --record "$config/first.png" --seconds 0.1 >/dev/null
if [ "$mode" = --no-texts ]; then
  sed -i -e 's/^Clock=.*/Clock=0/' -e 's/^CountDown=.*/CountDown=0/' \
         -e 's/^ShowDirections=.*/ShowDirections=False/' "$config/hollyquill/hollyq1.ini"
fi
"$program" --record "$out" --seconds 40 --seed 7 --at 2026-12-12T18:30:00
