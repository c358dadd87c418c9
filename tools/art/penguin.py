"""The penguin shared by the skater, the fisher and the two riders.

Drawn in a canonical frame 100 units tall, feet at (0, 0), facing three-quarter to the
viewer's left; callers place, scale, lean and mirror it through the transform stack.
"""
from cel import *


def _at(p, x, y, s, lean=0.0, mirror=False):
    m = (s, 0, 0, s, x, y)
    if mirror:
        m = mat_mul(m, (-1, 0, 0, 1, 0, 0))
    p.push(m)
    if lean:
        p.push(rotation(lean, 0, 0))
    return 2 if lean else 1


def flipper(p, sx, sy, angle, length=36, front=True):
    """A flipper hanging from the shoulder (sx, sy); angle 0 hangs down, 90 points outward
    to the viewer's left, -90 to the right."""
    p.push(rotation(angle, sx, sy))
    sh = p.blob([(sx - 4, sy - 2), (sx + 4, sy - 1), (sx + 6, sy + length * 0.45),
                 (sx + 2, sy + length), (sx - 3, sy + length * 0.6), (sx - 6, sy + length * 0.25)])
    p.pop()
    p.fill(sh, PBLACK, None, PBLACK_HI if front else None)


def foot(p, x, y, angle=0, skate=False, blade=ICE_LINE):
    p.push(rotation(angle, x, y))
    if skate:
        # a little boot-less blade strapped under the webbed foot
        p.fill(p.rrect(x - 12, y + 1, 26, 3.4, 1.7), blade, ICE_MID, sw=1.6)
        p.stroke(p.curve([(x - 12, y + 2.5), (x - 16, y + 0.5), (x - 15, y - 3)]), OUT, 1.6)
        p.fill(p.rrect(x - 4, y - 3, 3, 5, 1), PBLACK, None, sw=1.2)
        p.fill(p.rrect(x + 5, y - 3, 3, 5, 1), PBLACK, None, sw=1.2)
    p.fill(p.blob([(x - 12, y - 1), (x - 6, y - 6), (x + 4, y - 6), (x + 11, y - 2),
                   (x + 9, y + 1), (x - 10, y + 1)]), BEAK, BEAK_SH, None, d=1.5)
    p.pop()


def body(p, eyes='open', beak='closed', belly_shift=0.0, look=(0, 0), frontal=False):
    """Body, tuxedo front, face. Canonical units; caller has pushed the placement.
    frontal: face the viewer squarely (the riders coming down the hill)."""
    if frontal:
        half = [(0, -100), (16, -96), (26, -80), (30, -52), (31, -26), (24, -7), (0, -2)]
        b = p.blob(half + [(-x, y) for x, y in reversed(half[1:-1])])
    else:
        b = p.blob([(0, -100), (17, -95), (25, -78), (29, -50), (31, -26), (24, -6), (4, -1),
                    (-18, -3), (-30, -18), (-32, -44), (-28, -72), (-18, -94)])
    p.fill(b, PBLACK, None, PBLACK_HI, hi_box=None)
    bs = belly_shift
    if frontal:
        half = [(0, -83), (9, -89), (19, -83), (20, -68), (23, -46), (21, -22), (12, -8), (0, -5)]
        front = p.blob(half + [(-x, y) for x, y in reversed(half[1:-1])])
    else:
        front = p.blob([(-7 + bs, -83), (-16 + bs, -89), (-25 + bs, -82), (-25 + bs, -68),
                        (-28 + bs, -46), (-26 + bs, -22), (-17 + bs, -7), (-2 + bs, -4),
                        (12 + bs, -10), (18 + bs, -28), (18 + bs, -52), (13 + bs, -70),
                        (11 + bs, -83), (3 + bs, -89)])
    p.fill(front, SNOW, SNOW_MID, None, d=4)
    lx, ly = look
    ex1, ex2, ey = -15 + bs + lx, 1 + bs + lx, -77 + ly
    if frontal:
        # the riders are seen small and far, then huge: a bigger, lower face reads at both
        ex1, ex2, ey = -9.5 + lx, 9.5 + lx, -73 + ly
    if eyes == 'open':
        r = 4.4 if frontal else 3.6
        p.eye(ex1, ey, r)
        p.eye(ex2, ey - (0 if frontal else 0.5), r if frontal else 3.4)
    elif eyes == 'happy':  # closed upward arcs, a grin of the eyes
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 4, ey + 1.5), (ex, ey - 2.5), (ex + 4, ey + 1.5)]), OUT, 2.2)
    elif eyes == 'wide':
        for ex, r in ((ex1, 4.6), (ex2, 4.4)):
            p.fill(p.ell(ex, ey, r, r * 1.1), SNOW, None, sw=1.4)
            p.eye(ex - 0.5 + lx * 0.2, ey + 0.5, 2.6)
    elif eyes == 'squint':  # effort: pressed shut
        p.stroke(p.curve([(ex1 - 4, ey - 2), (ex1 + 3, ey), (ex1 - 4, ey + 2)]), OUT, 2.0)
        p.stroke(p.curve([(ex2 + 4, ey - 2), (ex2 - 3, ey), (ex2 + 4, ey + 2)]), OUT, 2.0)
    # rosy cheeks
    p.fill(p.ell(ex1 - 5, ey + 8, 4, 2.4), CHEEK, None, outline=False, opacity=0.8)
    p.fill(p.ell(ex2 + (5 if frontal else 6), ey + 7.5 + (0.5 if frontal else 0), 3.6 if not frontal else 4, 2.2),
           CHEEK, None, outline=False, opacity=0.8)
    if frontal:
        bx, by = (ex1 + ex2) / 2, ey + 5
        if beak == 'open':
            p.fill(p.blob([(bx - 7, by - 1.5), (bx + 7, by - 1.5), (bx, by + 3.5)]), BEAK, BEAK_SH, d=1)
            p.fill(p.blob([(bx - 5, by + 4.5), (bx + 5, by + 4.5), (bx, by + 10)]), BEAK, BEAK_SH, d=1)
        else:
            p.fill(p.blob([(bx - 7, by - 1.5), (bx + 7, by - 1.5), (bx, by + 7.5)]), BEAK, BEAK_SH, d=1.2)
        return
    bx, by = (ex1 + ex2) / 2 - 2.5, ey + 5
    if beak == 'open':
        p.fill(p.blob([(bx - 8, by - 1), (bx + 5, by - 2), (bx - 1, by + 3.5)]), BEAK, BEAK_SH, d=1)
        p.fill(p.blob([(bx - 6, by + 4), (bx + 3, by + 3), (bx - 2, by + 9)]), BEAK, BEAK_SH, d=1)
    else:
        p.fill(p.blob([(bx - 8, by - 1), (bx + 5, by - 2), (bx - 1.5, by + 7)]), BEAK, BEAK_SH, d=1.2)


def bobble_hat(p, color=RED, shade=RED_SH, band=CANDY, tilt=0, pom_dx=0):
    """A knitted cap on the canonical head with a pompom."""
    p.push(rotation(tilt, 0, -92))
    cap = p.blob([(-22, -88, 'c'), (-20, -104), (-6, -116), (10, -114), (21, -101), (22, -88, 'c')])
    p.fill(cap, color, shade, RED_HI if color == RED else None)
    p.fill(p.rrect(-25, -93, 49, 10, 5), band, SNOW_MID, d=2.4)
    p.fill(p.ell(4 + pom_dx, -118, 8, 8), band, SNOW_MID, None, d=2.5)
    p.pop()


def scarf_tail(p, flow=1.0, color=RED, stripe=CANDY, lift=0.0, x0=8, shade=RED_SH):
    """The loose ends of the scarf, flying out behind (flow 1: to the viewer's right)."""
    f = flow
    for k, (dl, dy) in enumerate(((lift, 0), (lift * 0.55 - 8, 9))):
        tail = p.blob([(x0 * f, -64 + dy), (x0 * f + 22 * f, -66 + dy - dl * 0.4),
                       (x0 * f + 42 * f, -69 + dy - dl), (x0 * f + 52 * f, -62 + dy - dl),
                       (x0 * f + 40 * f, -56 + dy - dl * 0.8), (x0 * f + 20 * f, -54 + dy - dl * 0.3),
                       (x0 * f, -51 + dy)])
        p.fill(tail, color, shade, d=2)
        for t in (0.55, 0.85):
            xs = x0 * f + 46 * t * f
            p.stroke(p.curve([(xs, -66 + dy - dl * t), (xs + 1.5 * f, -56.5 + dy - dl * t * 0.8)]),
                     stripe, 2.6)


def scarf_wrap(p, color=RED, stripe=CANDY, shade=RED_SH, dy=0.0):
    """The scarf wound round the neck (dy lowers it under the riders' lower faces)."""
    p.push((1, 0, 0, 1, 0, dy))
    p.fill(p.blob([(-28, -67), (-10, -61), (10, -62), (26, -69), (27, -59), (8, -52),
                   (-10, -52), (-28, -57)]), color, shade, RED_HI if color == RED else None, d=2.2)
    for xs in (-18, 14):
        p.stroke(p.curve([(xs, -63), (xs + 1, -54)]), stripe, 2.4)
    p.pop()


def place(p, x, y, s, lean=0.0, mirror=False):
    return _at(p, x, y, s, lean, mirror)


def unplace(p, n):
    for _ in range(n):
        p.pop()
