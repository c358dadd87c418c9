#!/usr/bin/env python3
"""Writes the SVG sources of the scenery pictures that come in families of near-identical frames.

The frames of one picture share their drawing and differ in a detail (smoke, a lit bulb, a
waving arm), so each family is drawn once here and written out frame by frame. The written SVGs
are committed and are what the build reads; run this again after changing a drawing:

    python3 tools/art/frames.py            # writes into assets/art/
"""

import math
import sys
from pathlib import Path

OUT = Path(__file__).resolve().parents[2] / "assets" / "art"

# The shared palette (see assets/art/palette.md).
PLUM = "#2a1d2e"
SNOW, SNOW_MID, SNOW_SHADOW, SNOW_DEEP = "#f6f8ff", "#dde6f5", "#a9b8d6", "#7d8db3"
ICE_LINE = "#eaf4ff"
PINE_DARK, PINE, PINE_LIT, PINE_NEEDLE = "#173d33", "#23573f", "#3b7a55", "#5e9c6b"
WARM_PALE, WARM, WARM_DEEP = "#fff1b8", "#ffd46b", "#ffaa3b"
RED, RED_MID, RED_DARK, GOLD, CANDY = "#d8363d", "#a3212e", "#6e1624", "#f0c04e", "#fff6ee"
WOOD_DARK, WOOD, WOOD_LIT = "#4a2f24", "#6d4632", "#91633f"
SKIN, SKIN_SHADE = "#f6c9a8", "#e4a782"
PENGUIN, BELLY, BEAK = "#1f2333", "#f6f8ff", "#f2a03d"
SKY_TOP, SKY_MID = "#141a33", "#2b2f5c"
BLUE_BULB, BLUE_BULB_OFF = "#8fb3d6", "#4d4780"


def num(v):
    """Short decimal text for coordinates."""
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def svg(width, height, comment, body, defs=""):
    head = (f'<?xml version="1.0" encoding="UTF-8"?>\n<!-- {comment}\n     Written by tools/art/frames.py; '
            f'change the drawing there. -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n')
    if defs:
        head += f"  <defs>\n{defs}  </defs>\n"
    return head + body + "</svg>\n"


def glow(gid, colour, opacity=0.7):
    return (f'    <radialGradient id="{gid}">\n'
            f'      <stop offset="0" stop-color="{colour}" stop-opacity="{opacity}"/>\n'
            f'      <stop offset="1" stop-color="{colour}" stop-opacity="0"/>\n'
            f'    </radialGradient>\n')


# ----------------------------------------------------------------------------------------------
# House at the right edge: only its left 52 px are on screen, so the lit window, the door and
# the chimney sit there. Frames: the smoke curls up, the window light flickers.

def house(frame):
    # Puffs rising from the chimney, drifting a little each frame.
    # The chimney stands low on the roof so the smoke has room below the picture's top edge, and the
    # smoke leans right, away from the sledders who wait just above the house's left corner.
    smoke = [[(36, 23, 2.4), (39, 17, 3.2), (37.5, 10.5, 3.8)],
             [(35.5, 23.5, 2.2), (37.5, 17.5, 3), (40.5, 11, 3.6)],
             [(36.5, 23, 2.6), (35.5, 16.5, 3.2), (38.5, 10, 4)]][frame]
    glow_opacity = [0.55, 0.75, 0.62][frame]
    pane = [WARM, WARM_PALE, WARM][frame]
    defs = glow("windowGlow", WARM, 0.8) + glow("porchGlow", WARM_DEEP, 0.55)
    body = f'''  <!-- Light falling on the snow in front. -->
  <ellipse cx="30" cy="127" rx="34" ry="6" fill="url(#porchGlow)" opacity="{glow_opacity + 0.2}"/>
  <g stroke="{PLUM}" stroke-width="2" stroke-linejoin="round" stroke-linecap="round">
    <!-- Walls: painted red boards, the far side in shade. -->
    <path d="M6,60 H146 V126 H6 Z" fill="{RED_MID}"/>
    <path d="M96,60 H146 V126 H96 Z" fill="{RED_DARK}" stroke="none"/>
    <path d="M6,76 H146 M6,92 H146 M6,108 H146" stroke="{RED_DARK}" stroke-width="1.2"/>
    <path d="M7.5,62 V125" stroke="{RED}" stroke-width="2"/>
    <path d="M6,60 H146 V126 H6 Z" fill="none"/>
    <!-- Window with a snowy sill. -->
    <circle cx="20" cy="84" r="20" fill="url(#windowGlow)" opacity="{glow_opacity}" stroke="none"/>
    <rect x="11" y="72" width="19" height="22" fill="{pane}"/>
    <path d="M11,72 h6 l-6,7 Z" fill="{WARM_PALE}" stroke="none"/>
    <path d="M20.5,72 V94 M11,83 H30" stroke="{WOOD_DARK}" stroke-width="2"/>
    <rect x="11" y="72" width="19" height="22" fill="none"/>
    <path d="M8,95 H33 V98 H8 Z" fill="{WOOD_LIT}"/>
    <path d="M7,96 C7,92 12,92 14,93 C17,91 22,92 24,93 C27,91 33,92 34,96 Z" fill="{SNOW}"/>
    <!-- Door with a lit pane, a little wreath and a lamp. -->
    <path d="M36,126 V96 C36,90 50,90 50,96 V126 Z" fill="{WOOD}"/>
    <path d="M45,92 C48,92.5 50,94 50,96 V126 H45 Z" fill="{WOOD_DARK}" stroke="none"/>
    <path d="M36,126 V96 C36,90 50,90 50,96 V126 Z" fill="none"/>
    <rect x="39.5" y="98" width="7" height="6" rx="1" fill="{pane}" stroke-width="1.5"/>
    <circle cx="47" cy="113" r="1" fill="{GOLD}" stroke-width="1"/>
    <circle cx="43" cy="109" r="3.2" fill="none" stroke="{PINE}" stroke-width="2"/>
    <circle cx="43" cy="112.2" r="1" fill="{RED}" stroke="none"/>
    <!-- Step and snow banked against the wall. -->
    <path d="M33,126 H53 V129 H33 Z" fill="{SNOW_MID}" stroke-width="1.5"/>
    <path d="M-2,131 L-2,122 C4,118 10,121 16,120 C22,119 28,122 33,125 L33,131 Z" fill="{SNOW}"/>
    <path d="M53,131 L53,125 C70,121 90,123 110,121 C125,120 140,122 152,121 L152,131 Z" fill="{SNOW}"/>
    <!-- Far window, mostly off screen. -->
    <rect x="104" y="72" width="19" height="22" fill="{pane}"/>
    <path d="M113.5,72 V94 M104,83 H123" stroke="{WOOD_DARK}" stroke-width="2"/>
    <!-- Chimney, then the roof with its thick snow cover. -->
    <path d="M31,27 H41 V50 H31 Z" fill="{RED_MID}"/>
    <path d="M37,27 H41 V50 H37 Z" fill="{RED_DARK}" stroke="none"/>
    <path d="M31,34 H41 M31,41 H41" stroke="{RED_DARK}" stroke-width="1"/>
    <path d="M31,27 H41 V50 H31 Z" fill="none"/>
    <path d="M29.5,28 C29,23 43,23 42.5,28 C39,29.5 33,29.5 29.5,28 Z" fill="{SNOW}"/>
    <path d="M-4,64 L75,2 L154,64 L146,66 L75,11 L4,66 Z" fill="{WOOD}"/>
    <path d="M-6,63 C-4,58 40,24 75,-1 C110,24 150,55 156,63 C150,67 144,62 138,66 C130,58 100,34 75,15
             C50,34 20,58 12,66 C6,69 2,63 -6,63 Z" fill="{SNOW}"/>
    <path d="M75,-1 C110,24 150,55 156,63 C150,67 144,62 138,66 C130,58 100,34 75,15 Z" fill="{SNOW_MID}"
          stroke="none"/>
    <path d="M-6,63 C-4,58 40,24 75,-1 C110,24 150,55 156,63 C150,67 144,62 138,66 C130,58 100,34 75,15
             C50,34 20,58 12,66 C6,69 2,63 -6,63 Z" fill="none"/>
    <path d="M2,64 C3,68 5,70 5,72 M14,64 C15,67 16,68 16,70" fill="none" stroke="{ICE_LINE}" stroke-width="1.5"/>
  </g>
  <!-- Smoke from the chimney. -->
  <g fill="{SNOW_MID}" stroke="{SNOW_SHADOW}" stroke-width="1.2" opacity="0.9">
{"".join(f'    <circle cx="{num(x)}" cy="{num(y)}" r="{num(r)}"/>{chr(10)}' for x, y, r in smoke)}  </g>
'''
    return svg(150, 130, f"House at the right edge (screen (748,50)), frame {frame + 1}: only its left "
               "52 px are on screen.", body, defs)


# ----------------------------------------------------------------------------------------------
# Sledders waiting at the top of a slope: two children and their sled. Frames: waving, pushing.

def kid(x, coat, coat_shade, hat, arm_left, arm_right, lean=0.0):
    """A child facing the viewer, feet at y 24, centred on x; arms are end points from the shoulders."""
    sx = x + lean
    lx, ly = arm_left
    rx, ry = arm_right
    return f'''  <g stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round" stroke-linecap="round">
    <path d="M{num(x - 2.2)},20 V23.5 M{num(x + 2.2)},20 V23.5" stroke-width="2.6"/>
    <path d="M{num(x - 2.2)},20 V23 M{num(x + 2.2)},20 V23" stroke="{WOOD}" stroke-width="1"/>
    <path d="M{num(sx - 2.6)},13 L{num(sx + lx)},{num(13 + ly)} M{num(sx + 2.6)},13 L{num(sx + rx)},{num(13 + ry)}"
          stroke-width="3.4"/>
    <path d="M{num(sx - 2.6)},13 L{num(sx + lx)},{num(13 + ly)} M{num(sx + 2.6)},13 L{num(sx + rx)},{num(13 + ry)}"
          stroke="{coat}" stroke-width="1.6"/>
    <path d="M{num(sx - 3.5)},20.5 L{num(sx - 3)},13 C{num(sx - 2.5)},11 {num(sx + 2.5)},11 {num(sx + 3)},13 L{num(sx + 3.5)},20.5 Z"
          fill="{coat}"/>
    <path d="M{num(sx + 1)},11.6 C{num(sx + 2)},12 {num(sx + 3)},12.5 {num(sx + 3)},13 L{num(sx + 3.5)},20.5 H{num(sx + 1)} Z"
          fill="{coat_shade}" stroke="none"/>
    <path d="M{num(sx - 3.5)},20.5 L{num(sx - 3)},13 C{num(sx - 2.5)},11 {num(sx + 2.5)},11 {num(sx + 3)},13 L{num(sx + 3.5)},20.5 Z"
          fill="none"/>
    <circle cx="{num(sx)}" cy="8" r="3" fill="{SKIN}"/>
    <path d="M{num(sx - 3.2)},7.4 C{num(sx - 3)},3 {num(sx + 3)},3 {num(sx + 3.2)},7.4 Z" fill="{hat}"/>
    <circle cx="{num(sx)}" cy="3" r="1.2" fill="{SNOW}" stroke-width="1"/>
    <path d="M{num(sx - 2.6)},11 H{num(sx + 2.6)}" stroke="{SNOW}" stroke-width="1.2"/>
  </g>
'''


def sledders(frame):
    # Frame 1: both still, the right child waving high; 2: waving to the other side; 3: leaning to push.
    left_arms = [((-5, 5), (5, 5)), ((-5, 5), (5.5, 3)), ((-4, 5), (6.5, 0))][frame]
    right_arms = [((-5, 4), (5, -6)), ((-5, 4), (2, -8)), ((-5, 5), (5, -5))][frame]
    lean = [0, 0, 1.0][frame]
    sled_x = [0, 0, 0.8][frame]
    body = (f'''  <!-- Their sled, waiting to go. -->
  <g stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round" stroke-linecap="round"
     transform="translate({num(sled_x)} 0)">
    <path d="M24,24 H38 C40,24 41,22.5 40.5,20.5" fill="none"/>
    <path d="M25,21 H38.5 V23 H25 Z" fill="{RED}"/>
    <path d="M27,23 V24 M36,23 V24" stroke-width="1.2"/>
  </g>
''' + kid(9, RED, RED_DARK, PINE_LIT, *left_arms, lean=lean)
            + kid(20, PINE_LIT, PINE, RED, *right_arms)
            + f'''  <path d="M0,25.5 C8,24 30,24 42,25.5" fill="none" stroke="{SNOW_MID}" stroke-width="1.5"/>
''')
    return svg(42, 26, f"Two children and their sled at the top of a slope, frame {frame + 1}.", body)


# ----------------------------------------------------------------------------------------------
# The small penguins waiting beside the top of the run (about 14 x 18).

def small_penguin(dy=0.0, flippers="down"):
    """A penguin facing the viewer, 10 px wide, feet at y 15 + dy."""
    fl = {"down": ("M2.6,9 L1.2,12.5", "M11.4,9 L12.8,12.5"),
          "out": ("M2.6,8.5 L0.8,10.5", "M11.4,8.5 L13.2,10.5")}[flippers]
    return f'''  <g stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round" stroke-linecap="round"
     transform="translate(0 {num(dy)})">
    <path d="{fl[0]} M{fl[1][1:]}" stroke-width="2.8"/>
    <path d="{fl[0]} M{fl[1][1:]}" stroke="{PENGUIN}" stroke-width="1.2"/>
    <path d="M7,1.5 C10.5,1.5 11.8,5 11.8,9 C11.8,13 10,15 7,15 C4,15 2.2,13 2.2,9 C2.2,5 3.5,1.5 7,1.5 Z"
          fill="{PENGUIN}"/>
    <path d="M7,6.5 C9.3,6.5 10,9 10,10.5 C10,13 8.6,14 7,14 C5.4,14 4,13 4,10.5 C4,9 4.7,6.5 7,6.5 Z"
          fill="{BELLY}" stroke="none"/>
    <circle cx="5.6" cy="4.6" r="0.7" fill="{BELLY}" stroke="none"/>
    <circle cx="8.4" cy="4.6" r="0.7" fill="{BELLY}" stroke="none"/>
    <path d="M6,5.8 L7,7.4 L8,5.8 Z" fill="{BEAK}" stroke-width="0.8"/>
    <path d="M4.6,2.2 C5.5,0.5 8.5,0.5 9.4,2.2" fill="none" stroke="{RED}" stroke-width="1.6"/>
  </g>
'''


def smpengski(frame):
    # Frame 2 crouches a pixel and lifts the flippers: the pair bob in turn.
    dy = [0.0, 1.0][frame]
    poles = ["M1,9 L0.8,17.5 M13,9 L13.2,17.5", "M0.5,10 L0,17.5 M13.5,10 L14,17.5"][frame]
    body = small_penguin(dy, ["down", "out"][frame]) + f'''  <g stroke="{PLUM}" stroke-linejoin="round" stroke-linecap="round">
    <path d="{poles}" stroke="{WOOD}" stroke-width="1"/>
    <path d="M3,17 H6 M8,17 H11" stroke-width="2.6"/>
    <path d="M3,17 H6 M8,17 H11" stroke="{BEAK}" stroke-width="1.2"/>
    <path d="M1.5,17.8 H6.2 M7.8,17.8 H12.5" stroke="{RED}" stroke-width="1.2"/>
  </g>
'''
    return svg(14, 18, f"Small penguin on skis waiting by the top of the run, frame {frame + 1}.", body)


def smpengsled():
    body = f'''  <!-- The sled from the front: a curled red bow under the penguin. -->
  <g stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round" stroke-linecap="round">
    <path d="M1,13.5 H13 V16.5 C13,17.3 12.4,17.6 11.6,17.6 H2.4 C1.6,17.6 1,17.3 1,16.5 Z" fill="{RED}"/>
    <path d="M1,15 H13" stroke="{RED_DARK}" stroke-width="1"/>
  </g>
''' + small_penguin(-1.5, "out")
    return svg(14, 18, "Small penguin sitting on its sled beside the top of the run.", body)


# ----------------------------------------------------------------------------------------------
# The North Pole: a striped pole with a gold ball. Two frames, long apart: the stripes turn and
# the ball's glint moves.

def pole(frame):
    shift = [0, 4][frame]
    glint = [(8.6, 7.2), (12.8, 6.6)][frame]
    stripes = "".join(
        f'    <path d="M6,{num(y)} L16,{num(y - 5)} L16,{num(y - 1.6)} L6,{num(y + 3.4)} Z"/>\n'
        for y in [16 + shift + 8 * k for k in range(-1, 10)])
    defs = f'''    <clipPath id="poleShape"><rect x="7" y="15" width="8" height="74"/></clipPath>
''' + glow("ballGlow", WARM_PALE, 0.7)
    body = f'''  <g stroke="{PLUM}" stroke-width="2" stroke-linejoin="round" stroke-linecap="round">
    <rect x="7" y="15" width="8" height="74" fill="{CANDY}"/>
    <g clip-path="url(#poleShape)" fill="{RED}" stroke="none">
{stripes}      <rect x="12" y="15" width="3" height="74" fill="{RED_DARK}" opacity="0.25"/>
    </g>
    <rect x="7" y="15" width="8" height="74" fill="none"/>
    <rect x="5.5" y="13" width="11" height="4" rx="1" fill="{GOLD}"/>
    <circle cx="11" cy="8" r="9" fill="url(#ballGlow)" stroke="none"/>
    <circle cx="11" cy="8" r="5.5" fill="{GOLD}"/>
    <path d="M14.5,4.5 C16.5,7 16,11 12.5,13 C15,10.5 15.5,7.5 14.5,4.5 Z" fill="{WOOD_LIT}" stroke="none"/>
    <circle cx="{num(glint[0])}" cy="{num(glint[1])}" r="1.4" fill="{WARM_PALE}" stroke="none"/>
    <path d="M5.8,6.5 C6,2.5 9,1.6 11,1.6 C13,1.6 16,2.5 16.2,6.5 C14,5.5 12.5,6.8 11,6 C9.5,6.8 8,5.5 5.8,6.5 Z"
          fill="{SNOW}" stroke-width="1.5"/>
    <!-- Snow heaped round the foot. -->
    <path d="M0.5,95 C1,89 6,86 11,86 C16,86 21,89 21.5,95 Z" fill="{SNOW}" stroke-width="1.5"/>
    <path d="M13,86.5 C17,87.5 21,90 21.5,95 H16 C16.5,91.5 15.5,89 13,86.5 Z" fill="{SNOW_MID}" stroke="none"/>
  </g>
'''
    return svg(22, 96, f"The North Pole, a striped pole with a gold ball (screen (180,134)), frame {frame + 1}.",
               body, defs)


# ----------------------------------------------------------------------------------------------
# Pines: the same snowy pine as the hand-drawn tree groups, for the decorated tree.

PINE_TIERS = [(0, 27, 13), (13, 49, 21), (29, 73, 28), (47, 96, 35)]


def pine_group():
    """The snowy pine (apex (0,0), trunk foot (0,106)) as drawn in the tree-group pictures."""
    here = Path(__file__).resolve().parents[2] / "assets" / "art" / "TreesL1.svg"
    text = here.read_text()
    start = text.index('<g id="pine"')
    end = text.index("</g>", start) + len("</g>")
    return "    " + text[start:end] + "\n"


def dectree(frame):
    # Bulbs along the lower edge of each tier; a third of them rest in each frame.
    colours = [(RED, RED_DARK), (WARM, WOOD_LIT), (BLUE_BULB, BLUE_BULB_OFF), (WARM_DEEP, WOOD)]
    bulbs = []
    index = 0
    for (top, bottom, half_width), count in zip(PINE_TIERS, (2, 4, 5, 6)):
        y = 14 + bottom - 5
        span = half_width * 0.78
        for k in range(count):
            x = 42 - span + (2 * span) * (k + 0.5) / count
            sag = 2.2 * math.sin(math.pi * (k + 0.5) / count)
            bulbs.append((x, y + sag, index))
            index += 1
    defs = pine_group() + "".join(glow(f"g{i}", c[0], 0.75) for i, c in enumerate(colours)) + glow("star", WARM_PALE, 0.85)
    body = f'''  <use xlink:href="#pine" transform="translate(42 14)" stroke-width="2"/>
  <path d="M29,121 C31,116.5 37,115.5 42,115.5 C47,115.5 53,116.5 55,121 C48,123 36,123 29,121 Z" fill="{SNOW}"
        stroke="{PLUM}" stroke-width="2" stroke-linejoin="round"/>
'''
    # The wire, swinging from bulb to bulb on each tier.
    wires = []
    for (top, bottom, half_width) in PINE_TIERS:
        y = 14 + bottom - 6.5
        span = half_width * 0.85
        wires.append(f"M{num(42 - span)},{num(y - 1)} Q42,{num(y + 5)} {num(42 + span)},{num(y - 1)}")
    body += f'  <path d="{" ".join(wires)}" fill="none" stroke="{PLUM}" stroke-width="1"/>\n'
    for x, y, i in bulbs:
        on_colour, off_colour = colours[i % 4]
        lit = (i + frame) % 3 != 0
        if lit:
            body += f'  <circle cx="{num(x)}" cy="{num(y + 2.5)}" r="6.5" fill="url(#g{i % 4})"/>\n'
        body += (f'  <ellipse cx="{num(x)}" cy="{num(y + 2.5)}" rx="2.3" ry="2.9" fill="{on_colour if lit else off_colour}" '
                 f'stroke="{PLUM}" stroke-width="1.2"/>\n')
        if lit:
            body += f'  <circle cx="{num(x - 0.7)}" cy="{num(y + 1.5)}" r="0.7" fill="{CANDY}"/>\n'
    star_r = [13, 16, 11][frame]
    body += f'''  <circle cx="42" cy="12" r="{star_r}" fill="url(#star)"/>
  <path d="M42,2.5 L44.6,8.2 L50.8,8.8 L46.1,12.9 L47.5,19 L42,15.8 L36.5,19 L37.9,12.9 L33.2,8.8 L39.4,8.2 Z"
        fill="{GOLD}" stroke="{PLUM}" stroke-width="1.8" stroke-linejoin="round"/>
  <path d="M42,5 L43.5,9 L39.8,9.6 Z" fill="{WARM_PALE}"/>
'''
    return svg(84, 124, f"The decorated tree on the left hill (screen (26,68)), frame {frame + 1}: its lights "
               "twinkle in turn.", body, defs)


# ----------------------------------------------------------------------------------------------
# Wreath: a ring of fir with berries, a red bow and a small candle in the middle whose flame and
# glints shimmer from frame to frame.

def wreath(frame):
    cx, cy = 20, 21
    leaves = []
    for k in range(14):
        a = 2 * math.pi * k / 14 + 0.2
        x, y = cx + 12.2 * math.cos(a), cy + 12.2 * math.sin(a)
        leaf_angle = math.degrees(a) + 90 + (25 if k % 2 else -25)
        shade = PINE_LIT if math.cos(a - math.radians(225)) > 0.1 else PINE
        leaves.append(f'    <ellipse cx="{num(x)}" cy="{num(y)}" rx="5.2" ry="2.6" transform="rotate({num(leaf_angle)} '
                      f'{num(x)} {num(y)})" fill="{shade}"/>\n')
    berries = "".join(
        f'    <circle cx="{num(cx + 13 * math.cos(a))}" cy="{num(cy + 13 * math.sin(a))}" r="1.7"/>\n'
        for a in (math.radians(d) for d in (200, 215, 320, 335, 150, 30)))
    flame = [("M20,15.2 C18.6,17 18.8,19 20,19.4 C21.2,19 21.4,17 20,15.2 Z", 6.5),
             ("M20.4,14.6 C18.8,16.8 18.9,19 20,19.4 C21.3,19 21.6,16.6 20.4,14.6 Z", 8),
             ("M19.6,15 C18.5,17 18.7,19 20,19.4 C21.3,19 21.3,17.2 19.6,15 Z", 7)][frame]
    glints = [((9, 16), (31, 27)), ((12, 30), (30, 13)), ((8, 24), (26, 31))][frame]
    bow_shine = ["M13.5,33.5 L16,34.5", "M25,33 L27.5,32", "M14,36 L16,35.5"][frame]
    defs = glow("candleGlow", WARM, 0.8) + glow("glint", WARM_PALE, 0.9)
    ring = f"M{cx - 15.5},{cy} A15.5,15.5 0 1 0 {cx + 15.5},{cy} A15.5,15.5 0 1 0 {cx - 15.5},{cy} Z M{cx - 8.2},{cy} A8.2,8.2 0 1 1 {cx + 8.2},{cy} A8.2,8.2 0 1 1 {cx - 8.2},{cy} Z"
    body = f'''  <g stroke="{PLUM}" stroke-width="2" stroke-linejoin="round" stroke-linecap="round">
    <!-- Ribbon loop it hangs by. -->
    <path d="M17,5 C17,1.5 23,1.5 23,5" fill="none" stroke="{RED_MID}" stroke-width="1.6"/>
    <path d="{ring}" fill="{PINE}" fill-rule="evenodd"/>
  </g>
  <g stroke="{PLUM}" stroke-width="0.8">
{"".join(leaves)}  </g>
  <path d="{ring}" fill="none" stroke="{PLUM}" stroke-width="2"/>
  <!-- Snow on the upper rim. -->
  <path d="M7.5,12.5 C10.5,7.5 15,5.3 20,5.3 C25,5.3 29.5,7.5 32.5,12.5 C30.5,12.6 29.5,13.6 28,12.6
           C26,10.3 23,9.4 20,9.4 C17,9.4 14,10.3 12,12.6 C10.5,13.6 9.5,12.6 7.5,12.5 Z" fill="{SNOW}"
        stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round"/>
  <g fill="{RED}" stroke="{PLUM}" stroke-width="1">
{berries}  </g>
  <!-- Candle in the ring. -->
  <circle cx="20" cy="19" r="{num(flame[1])}" fill="url(#candleGlow)"/>
  <rect x="18" y="20" width="4" height="10" fill="{CANDY}" stroke="{PLUM}" stroke-width="1.2"/>
  <path d="M21,21 V29" stroke="{SNOW_MID}" stroke-width="1.2"/>
  <path d="{flame[0]}" fill="{WARM}" stroke="{PLUM}" stroke-width="1"/>
  <circle cx="{glints[0][0]}" cy="{glints[0][1]}" r="3" fill="url(#glint)"/>
  <circle cx="{glints[1][0]}" cy="{glints[1][1]}" r="3" fill="url(#glint)"/>
  <!-- Red bow at the foot of the ring. -->
  <g stroke="{PLUM}" stroke-width="1.5" stroke-linejoin="round" stroke-linecap="round">
    <path d="M20,34 L15,39.5 L17.5,39.5 Z M20,34 L25,39.5 L22.5,39.5 Z" fill="{RED_MID}"/>
    <path d="M20,34 C16,29 10,30 11,35 C12,38 17,36 20,34 Z" fill="{RED}"/>
    <path d="M20,34 C24,29 30,30 29,35 C28,38 23,36 20,34 Z" fill="{RED_MID}"/>
    <circle cx="20" cy="34" r="2" fill="{RED}"/>
    <path d="{bow_shine}" stroke="{CANDY}" stroke-width="1" opacity="0.8"/>
  </g>
'''
    return svg(40, 40, f"Wreath hanging on the fence, frame {frame + 1}: the candle and the glints shimmer.",
               body, defs)


# ----------------------------------------------------------------------------------------------
# Strings of lights lying along the top fence rails. The wire is tied at the fence posts and
# sags between them; five on/off patterns.

LIGHT_COLOURS = [(RED, RED_DARK), (WARM, WOOD_LIT), ("#5e9c6b", PINE), (BLUE_BULB, BLUE_BULB_OFF),
                 (WARM_DEEP, WOOD)]


def bulb_on(pattern, i):
    return [True, i % 2 == 0, i % 2 == 1, (i // 2) % 2 == 0, ((i + 1) // 2) % 2 == 0][pattern]


def lights(width, ties, tie_y, pattern, which):
    sag = 3.5
    wire = f"M0,{num(tie_y)}"
    points = []
    for a, b in zip(ties, ties[1:]):
        wire += f" Q{num((a + b) / 2)},{num(tie_y + 2 * sag)} {num(b)},{num(tie_y)}"
        for k in range(3):
            t = (k + 0.5) / 3
            x = a + (b - a) * t
            y = tie_y + 2 * sag * 2 * t * (1 - t)
            points.append((x, y))
    defs = "".join(glow(f"g{i}", c[0], 0.7) for i, c in enumerate(LIGHT_COLOURS))
    body = f'  <path d="{wire}" fill="none" stroke="{PLUM}" stroke-width="1.5"/>\n'
    for i, (x, y) in enumerate(points):
        if x < -3 or x > width + 3:
            continue
        on, off = LIGHT_COLOURS[i % 5]
        lit = bulb_on(pattern, i)
        body += f'  <g transform="translate({num(x)} {num(y)}) rotate({num(8 if i % 2 else -8)})">\n'
        if lit:
            body += f'    <circle cx="0" cy="6" r="7" fill="url(#g{i % 5})"/>\n'
        body += (f'    <rect x="-1.4" y="0" width="2.8" height="2.6" fill="{PINE}" stroke="{PLUM}" stroke-width="1"/>\n'
                 f'    <path d="M-2.4,3 C-2.8,6 -1.6,8.6 0,8.6 C1.6,8.6 2.8,6 2.4,3 Z" fill="{on if lit else off}" '
                 f'stroke="{PLUM}" stroke-width="1.2" stroke-linejoin="round"/>\n')
        if lit:
            body += f'    <path d="M-1.2,4 V6" stroke="{CANDY}" stroke-width="0.9" stroke-linecap="round"/>\n'
        body += "  </g>\n"
    return svg(width, 20, f"String of lights on the {which} fence, pattern {pattern + 1}.", body, defs)


# ----------------------------------------------------------------------------------------------
# Snowflakes: nine crystal shapes, each at three sizes (tiny 3..5 px, small 7..10, big 13..20).

def flake_arms(shape, r):
    """Path data for one crystal of radius r centred on (0,0)."""
    parts = []
    for k in range(6):
        a = math.radians(60 * k - 90)
        ux, uy = math.cos(a), math.sin(a)
        px, py = -uy, ux
        tip = (ux * r, uy * r)
        parts.append(f"M0,0 L{num(tip[0])},{num(tip[1])}")
        def branch(t, length, spread=0.8):
            bx, by = ux * r * t, uy * r * t
            for s in (1, -1):
                ex = bx + (ux * spread + px * s) * length
                ey = by + (uy * spread + py * s) * length
                parts.append(f"M{num(bx)},{num(by)} L{num(ex)},{num(ey)}")
        if shape == 0:
            branch(0.55, r * 0.32)
        elif shape == 1:
            branch(0.78, r * 0.26, 0.2)
        elif shape == 2:
            branch(0.4, r * 0.22)
            branch(0.7, r * 0.2)
        elif shape == 6:
            branch(0.35, r * 0.2, 1.0)
            branch(0.6, r * 0.24, 1.0)
            branch(0.82, r * 0.14, 1.0)
        elif shape == 7:
            b = math.radians(60 * k - 60)
            parts.append(f"M0,0 L{num(math.cos(b) * r * 0.55)},{num(math.sin(b) * r * 0.55)}")
    return " ".join(parts)


def flake(shape, size, kind):
    c = size / 2
    # Thin arms and a light rim: a heavy outline would turn a small flake into a grey ring on snow.
    # Odd sizes put the centre on a pixel centre, so the upright arms stay crisp.
    outline = 1.5 if size >= 13 else 1.0
    core = 1.0
    r = c - outline / 2 - core / 2 - 0.1
    extras = ""
    if shape == 3:
        r *= 0.8
        extras = "".join(
            f'<circle cx="{num(math.cos(math.radians(60 * k - 90)) * r)}" cy="{num(math.sin(math.radians(60 * k - 90)) * r)}" '
            f'r="{num(core * 1.1)}"/>' for k in range(6))
    if shape == 4:
        extras = "".join(
            f'<circle cx="{num(math.cos(math.radians(60 * k - 90)) * r * 0.55)}" cy="{num(math.sin(math.radians(60 * k - 90)) * r * 0.55)}" '
            f'r="{num(core * 0.85)}"/>' for k in range(6))
    if shape == 5:
        hexagon = " ".join(f"{num(math.cos(math.radians(60 * k)) * r * 0.55)},{num(math.sin(math.radians(60 * k)) * r * 0.55)}"
                           for k in range(6))
        extras = f'<polygon points="{hexagon}"/>'
    if shape == 8:
        extras = f'<circle cx="0" cy="0" r="{num(r * 0.42)}"/>'
    arms = flake_arms(shape, r)
    if size <= 5:
        # Too small for crystal detail: a soft star of light with a faint rim.
        body = (f'  <g transform="translate({num(c)} {num(c)})" stroke-linecap="round">\n'
                f'    <circle r="{num(c - 0.2)}" fill="{SNOW_SHADOW}" opacity="0.55"/>\n'
                f'    <path d="M0,{num(-c + 0.6)} V{num(c - 0.6)} M{num(-c + 0.6)},0 H{num(c - 0.6)}" stroke="{SNOW}" '
                f'stroke-width="{num(0.9 if shape % 2 else 1.1)}"/>\n'
                f'    <circle r="{num(max(0.7, c * 0.45))}" fill="{SNOW}"/>\n  </g>\n')
    else:
        body = (f'  <g transform="translate({num(c)} {num(c)})" stroke-linecap="round" stroke-linejoin="round">\n'
                f'    <g stroke="{PLUM}" fill="{PLUM}" opacity="{0.7 if size >= 13 else 0.55}" '
                f'stroke-width="{num(core + outline)}">\n'
                f'      <path d="{arms}" fill="none"/>{extras}\n    </g>\n'
                f'    <g stroke="{SNOW}" fill="{SNOW}" stroke-width="{num(core)}">\n'
                f'      <path d="{arms}" fill="none"/>{extras}\n    </g>\n'
                f'    <circle r="{num(core * 0.9)}" fill="{ICE_LINE}"/>\n  </g>\n')
    return svg(size, size, f"Snowflake, {kind} size, shape {shape + 1}.", body)


FLAKE_SIZES = {
    "tinyflake": ("tiny", [3, 4, 5, 4, 3, 5, 4, 4, 5]),
    "smflake": ("small", [7, 9, 9, 9, 7, 7, 9, 7, 9]),
    "flake": ("big", [15, 13, 17, 19, 15, 17, 13, 19, 17]),
}


def pictures():
    """Every picture this script draws: file stem -> SVG text."""
    out = {}
    for f in range(3):
        out[f"House{f + 1}"] = house(f)
        out[f"BGSleders{f + 1}"] = sledders(f)
        out[f"DecTree{f + 1}"] = dectree(f)
        out[f"Wreath{f + 1}"] = wreath(f)
    for f in range(2):
        out[f"smpengski{f + 1}"] = smpengski(f)
        out[f"Pole{f + 1}"] = pole(f)
    out["smpengsled"] = smpengsled()
    # Ties at the fence posts: the left fence's posts stand at x 10, 50, ...; the right fence's
    # at screen 453, 493, ..., which is 37, 77, ... in the right string.
    left_ties = [-30] + list(range(10, 331, 40))
    right_ties = [-3 + 40 * k for k in range(0, 10)]
    for p in range(5):
        out[f"LightsL{p + 1}"] = lights(320, left_ties, 6, p, "left")
        out[f"LightsR{p + 1}"] = lights(344, right_ties, 3, p, "right")
    for stem, (kind, sizes) in FLAKE_SIZES.items():
        for shape, size in enumerate(sizes):
            out[f"{stem}-{shape + 1}"] = flake(shape, size, kind)
    return out


def main():
    written = 0
    for stem, text in pictures().items():
        path = OUT / f"{stem}.svg"
        if not path.exists() or path.read_text() != text:
            path.write_text(text)
            written += 1
    print(f"{written} pictures written to {OUT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
