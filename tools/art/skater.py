"""Shared parts of the grown-up skaters (Santa and Mrs Santa): skates, limbs with cuffs,
scarves, faces. Canonical frame: blades on the ice at y 0, figure facing three-quarter to
the viewer's left; mirrored for the other variant of each pose."""
import math
from cel import *

FUR, FUR_SH = CANDY, SNOW_MID
BLADE, BLADE_SH = '#dfe9f5', SNOW_SH


def ice_shadow(p, x, rx, ry=2.6):
    """A soft shadow on the ice under the skating foot (canonical units)."""
    p.fill(p.ell(x, 1, rx, ry), ICE_DK, None, None, outline=False, opacity=0.35)


def blade(p, length=24, up=0.0):
    """Blade under a boot whose ankle sits at the local origin; toe toward -x."""
    y = 9.5
    p.fill(p.blob([(-length * 0.55, y - 1.2, 'c'), (length * 0.45, y - 1.2, 'c'), (length * 0.45, y + 1.3, 'c'),
                   (-length * 0.5, y + 1.3, 'c'), (-length * 0.62, y - 0.2), (-length * 0.6, y - 2.6),
                   (-length * 0.5, y - 1.6)]), BLADE, BLADE_SH, None, sw=1.6, d=0.8)
    for x in (-length * 0.3, length * 0.25):
        p.limb(p.curve([(x, y - 1.5), (x, y - 3.6)]), 2, SNOW_DEEP, None, sw=1.2)


def boot(p, ankle, angle, color, shade, cuff=None, cuff_sh=None, scale=1.0):
    """A skate boot with its blade; angle tilts the whole skate (degrees, clockwise)."""
    x, y = ankle
    p.push(mat_mul((scale, 0, 0, scale, x, y), rotation(angle, 0, 0)))
    blade(p)
    p.fill(p.blob([(-6, -8, 'c'), (6, -8, 'c'), (7, 3), (6, 7.5, 'c'), (-10, 7.5, 'c'), (-12.5, 5),
                   (-11, 2), (-6, 0.5)]), color, shade, None, d=1.8)
    p.stroke(p.curve([(-5.5, -2), (-2, -0.5), (2, -1)]), shade, 1.3)
    if cuff:
        p.fill(p.rrect(-7.5, -10, 15, 5.5, 2.7), cuff, cuff_sh, None, sw=1.8, d=1.2)
    p.pop()


def limb2(p, a, b, hand, width, color, shade, bend, l1, l2, elbow=None):
    el = elbow or ik(a, hand, l1, l2, bend)
    p.limb(p.curve([a, el, hand]), width, color, shade)
    return el


def cuffed_hand(p, el, hand, width, color, shade, cuff, cuff_sh, mitten, mitten_sh, r=5.2):
    """Fur cuff round the wrist and a round mitten with a thumb."""
    c0 = toward(hand, el, 5.5)
    c1 = toward(hand, el, 1.5)
    p.limb(p.curve([c0, c1]), width + 3, cuff, cuff_sh)
    dx, dy = hand[0] - el[0], hand[1] - el[1]
    d = math.hypot(dx, dy) or 1
    ux, uy = dx / d, dy / d
    hx, hy = hand[0] + ux * 2.5, hand[1] + uy * 2.5
    p.fill(p.ell(hx - uy * 3.2 + ux * 0.5, hy + ux * 3.2 + uy * 0.5, 2.2, 2.6), mitten, mitten_sh, None, sw=1.6, d=0.8)
    p.fill(p.ell(hx, hy, r, r * 0.95), mitten, mitten_sh, None, d=1.4)


def scarf_tail(p, root, flow, lift, color, shade, stripe, length=44, width=9, wave=0.0):
    """Two loose scarf ends flying from root toward flow (+1: viewer's right)."""
    x, y = root
    for k, (dl, dy, ln) in enumerate(((lift, 0, length), (lift * 0.6 - 5, 8, length * 0.82))):
        pts_top, pts_bot = [], []
        for i in range(5):
            t = i / 4
            cx = x + flow * ln * t
            cy = y + dy + (-dl) * t * t + math.sin(t * 5 + wave + k) * 2.2 * t
            w = width * (1 - 0.25 * t) / 2
            pts_top.append((cx, cy - w))
            pts_bot.append((cx, cy + w))
        tip = (x + flow * (ln + 5), y + dy - dl * 1.05 + 1)
        pts = pts_top + [tip] + list(reversed(pts_bot))
        p.fill(p.blob(pts), color, shade, None, d=2)
        for t in (0.35, 0.65):
            i = t * 4
            cx = x + flow * ln * t
            cy = y + dy + (-dl) * t * t + math.sin(t * 5 + wave + k) * 2.2 * t
            w = width * (1 - 0.25 * t) / 2
            p.limb(p.curve([(cx - flow * 0.4, cy - w + 1.2), (cx + flow * 0.4, cy + w - 1.2)]), 2.6, stripe, None, sw=0)
        # fringe at the end
        for j in (-1, 0, 1):
            fx, fy = tip
            p.stroke(p.curve([(fx - flow * 1.5, fy + j * 2.2), (fx + flow * 3.5, fy + j * 2.6 + 0.8)]), OUT, 1.3)
