#!/bin/sh
# Composes a still of the scene from the built pictures, to judge how the art fits together
# before (and independently of) the real renderer.
#
#   tools/art/mockup.sh BUILD_DIR OUT.png [FRAME]
#
# Sprites are laid over the backdrop in painting order at their start positions, showing their
# start frame (FRAME 2 or 3 shows a later frame of every animated sprite instead, to check
# that frames line up). Actors whose start lies off screen (skaters, flakes, sleds waiting behind
# their sledders, the riding penguins) are put at a typical place on screen instead. Missing
# pictures are skipped and listed at the end.
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD_DIR OUT.png [FRAME]" >&2
  exit 2
fi
pictures=$1/assets
out=$2
frame=${3:-1}
case $frame in 1|2|3) ;; *) echo "FRAME must be 1, 2 or 3" >&2; exit 2 ;; esac

# pick A B C: the name for the chosen frame (the last one given when there are fewer).
pick() {
  eval "name=\${$frame:-}"
  [ -n "$name" ] || eval "name=\${$#}"
  printf '%s' "$name"
}

# Painting order, back to front: picture x y [width height]
layout() {
  cat <<EOF
bg3 0 33
smpengsled 364 130
$(pick smpengski2 smpengski1) 368 136
$(pick smpengski1 smpengski2) 360 136
BGSled 175 105
BGSled 232 162
BGSled 620 112
BGSled 540 192
$(pick BGSleders1 BGSleders2 BGSleders3) 110 50
$(pick BGSleders1 BGSleders2 BGSleders3) 740 32
$(pick ElfDeer1 ElfDeer2 ElfDeer3) 555 125
$(pick Pole1 Pole2) 180 134
$(pick ElfWork1 ElfWork2) 667 207
$(pick ElfJack4 ElfJack5 ElfJack1) 581 200
$(pick Fight01 Fight03 Fight10) 220 165
FenceL 0 265
FenceR 447 263
TreesL2 200 86
TreesL1 0 40
TreesR2 641 40
TreesR1 440 75
XmasTree -25 140
XmasTree 110 130
$(pick DecTree1 DecTree2 DecTree3) 26 68
candycane1 390 225
candycane2 313 225
$(pick LightsL1 LightsL2 LightsL3) 0 272
$(pick LightsR1 LightsR2 LightsR3) 456 275
$(pick Wreath1 Wreath2 Wreath3) 70 272
$(pick Wreath3 Wreath1 Wreath2) 715 299
hole 530 380
$(pick PengFish2 PengFish5 PengFish9) 531 290
$(pick Snowman1 Snowman2 Snowman3) 70 255
$(pick PengSkate1 PengSkate2) 640 420
$(pick MrsSantaSkate1 MrsSantaSkate2 MrsSantaSkate3b) 150 390
$(pick SantaSkate1 SantaSkate3 SantaSkate5b) 380 455
pengsled 360 134 24 24
$(pick pengski1 pengski1 pengski2) 348 222 42 42
$(pick House1 House2 House3) 748 50
$(pick tinyflake-1 tinyflake-4 tinyflake-7) 80 120
$(pick tinyflake-2 tinyflake-5 tinyflake-8) 280 150
$(pick tinyflake-3 tinyflake-6 tinyflake-9) 625 110
$(pick smflake-1 smflake-4 smflake-7) 185 230
$(pick smflake-2 smflake-5 smflake-8) 510 200
$(pick smflake-3 smflake-6 smflake-9) 760 260
flake-1 -15 40
flake-2 300 400
flake-3 575 80
flake-4 750 520
flake-5 480 175
flake-6 75 390
flake-7 325 100
flake-8 455 560
flake-9 775 275
EOF
}

args=""
missing=""
layout > "${TMPDIR:-/tmp}/hq-mockup-$$.txt"
while read -r name x y w h; do
  file=$pictures/$name.bmp
  if [ ! -f "$file" ]; then
    case " $missing " in *" $name "*) ;; *) missing="$missing $name" ;; esac
    continue
  fi
  xs=$x; [ "${x#-}" = "$x" ] && xs="+$x"
  if [ -n "${w:-}" ]; then
    args="$args ( $file -resize ${w}x${h}! ) -geometry $xs+$y -composite"
  else
    args="$args $file -geometry $xs+$y -composite"
  fi
done < "${TMPDIR:-/tmp}/hq-mockup-$$.txt"
rm -f "${TMPDIR:-/tmp}/hq-mockup-$$.txt"

# Word splitting of $args is intended: file paths in a build folder carry no spaces.
# shellcheck disable=SC2086
convert -size 800x600 xc:black $args "$out"
echo "wrote $out"
if [ -n "$missing" ]; then
  echo "not built yet:$missing" >&2
fi
