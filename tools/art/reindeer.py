"""ElfDeer1-3: the workshop reindeer at its hay. Frames 1 and 2 alternate (head down,
chewing and nodding), frame 3 is the head raised, looking out at the viewer."""
import math
from cel import *

W, H = 110, 96
GROUND = 89.5
FUR, FUR_SH, FUR_HI = WOOD_LT, WOOD, WOOD_HI
PALE, PALE_SH = '#d2ae8a', '#b08258'        # throat, muzzle and tail: tint of skin and wood
ANTLER, ANTLER_SH = '#ecd3b4', '#c9a27e'
HOOF = WOOD_DK


def shadow(p):
    p.fill(p.ell(62, GROUND + 0.5, 42, 3.6), SNOW_SH, None, None, outline=False, opacity=0.55)


def hay(p, chewed=0):
    """A heap of hay on the snow, its loose straws sticking out."""
    x, y = 20, GROUND + 1
    for a, l in ((-140, 13), (-110, 14), (-70, 14), (-40, 12), (-160, 10)):
        r = math.radians(a)
        p.limb(p.curve([(x + 2 * math.cos(r), y - 6), (x + l * math.cos(r), y - 6 + l * math.sin(r))]),
               1.4, GOLD, None, sw=1.2)
    p.fill(p.blob([(x - 17, y, 'c'), (x - 15, y - 6), (x - 8, y - 11 + chewed), (x + 1, y - 12 + chewed),
                   (x + 10, y - 10), (x + 16, y - 4), (x + 17, y, 'c')]), GOLD, GOLD_SH, GOLD_HI, d=2.2)
    for sx in (-9, -3, 4, 10):
        p.stroke(p.curve([(x + sx, y - 1), (x + sx + 2, y - 7)]), GOLD_SH, 1.1)


def leg(p, top, knee, hoof, near=True):
    col = FUR if near else FUR_SH
    p.limb(p.curve([top, knee, hoof]), 5.2 if near else 4.8, col, FUR_SH if near else None, sw=1.8)
    hx, hy = hoof
    p.fill(p.rrect(hx - 3.4, hy - 1, 6.8, 4.6, 1.4), HOOF, None, None, sw=1.5)


def antler(p, base, sx, far=False, k=1.0):
    """A branching antler from base, sweeping back and up; sx = +1 sweeps to the right."""
    col = ANTLER_SH if far else ANTLER
    bx, by = base
    p.push(mat_mul((1, 0, 0, 1, bx, by), mat_mul((k, 0, 0, k, 0, 0), (1, 0, 0, 1, -bx, -by))))
    beam = [(bx, by), (bx + 3 * sx, by - 7), (bx + 4 * sx, by - 14), (bx + 9 * sx, by - 20)]
    p.limb(p.curve(beam), 2.8, col, None, sw=1.5)
    for (t0, t1) in (((bx + 3 * sx, by - 6), (bx - 3 * sx, by - 10)),
                     ((bx + 4 * sx, by - 12), (bx - 1 * sx, by - 18)),
                     ((bx + 5.5 * sx, by - 15), (bx + 12 * sx, by - 16))):
        p.limb(p.curve([t0, t1]), 2.4, col, None, sw=1.4)
    p.pop()


def side_head(p, pos, angle, chew=0.0, ear=0.0):
    """The head in profile facing left; angle turns the muzzle down (negative)."""
    x, y = pos
    p.push(mat_mul((1, 0, 0, 1, x, y), rotation(angle, 0, 0)))
    far_base, near_base = p.tp(4, -5), p.tp(0, -6.5)
    p.pop()
    # antlers keep sweeping up and back however the head turns
    antler(p, (far_base[0] + 5, far_base[1] - 1), 1, far=True)
    p.push(mat_mul((1, 0, 0, 1, x, y), rotation(angle, 0, 0)))
    p.fill(p.blob([(4, -6), (13 + ear, -12 - ear), (9, -3)]), FUR_SH, None, None, sw=1.5)
    # jaw drops a little while chewing
    p.fill(p.blob([(-3, 4), (-14, 5 + chew), (-13, 8 + chew), (-2, 8)]), PALE, PALE_SH, None, sw=1.5, d=1)
    p.fill(p.blob([(-2, -7), (6, -6), (8, 1), (3, 7), (-6, 6), (-16, 4.5), (-18.5, 1), (-15, -2.5), (-7, -4)]),
           FUR, FUR_SH, FUR_HI, d=2)
    p.fill(p.blob([(-9, 2), (-15.5, 4.5), (-18.5, 1.2), (-15, -1)]), PALE, None, None, outline=False)
    p.fill(p.ell(-17.5, 0.8, 2.6, 2.2), OUT, None, None, sw=1.0)
    p.eye(-4, -2.2, 1.7)
    p.stroke(p.curve([(-6.5, -4.5), (-3, -5.2), (-0.5, -4.5)]), OUT, 1.0)
    p.fill(p.blob([(2, -5.5), (12 + ear, -10.5 - ear * 1.4), (13.5 + ear, -8 - ear), (6, -1.5)]), FUR, FUR_SH, None, sw=1.5, d=1)
    p.fill(p.blob([(4, -5), (11 + ear, -9.5 - ear * 1.2), (7, -3)]), PALE, None, None, outline=False)
    p.pop()
    antler(p, near_base, 1)


def front_head(p, pos):
    """The head turned three-quarter to the viewer, ears up, a straw in its mouth."""
    x, y = pos
    antler(p, (x + 4, y - 8), 1, far=True, k=0.76)
    antler(p, (x - 5, y - 8), -1, k=0.76)
    for sx in (-1, 1):
        ex = x + sx * 10 + (1 if sx > 0 else 0)
        p.fill(p.blob([(x + sx * 5, y - 6), (ex + sx * 6, y - 11), (ex + sx * 7, y - 7), (x + sx * 6, y - 1)]),
               FUR, FUR_SH, None, sw=1.5, d=1)
        p.fill(p.blob([(x + sx * 7, y - 5.5), (ex + sx * 5, y - 9.5), (x + sx * 7, y - 2.5)]), PALE, None, None,
               outline=False)
    p.fill(p.blob([(x - 8, y - 7), (x, y - 10), (x + 8, y - 7), (x + 8, y + 3), (x + 5, y + 12), (x - 5, y + 12),
                   (x - 8.5, y + 3)]), FUR, FUR_SH, FUR_HI, d=2)
    p.fill(p.ell(x - 0.5, y + 9.5, 6.5, 5), PALE, PALE_SH, None, sw=1.6, d=1.2)
    p.fill(p.ell(x - 0.5, y + 7.4, 3.2, 2.2), OUT, None, None, sw=1.0)
    p.dot(x - 1.6, y + 6.8, 0.7, '#5a4a5e')
    p.eye(x - 4, y - 1, 1.9)
    p.eye(x + 3.8, y - 1, 1.9)
    p.fill(p.ell(x - 6, y + 3.2, 1.8, 1.1), CHEEK, None, outline=False, opacity=0.8)
    p.fill(p.ell(x + 5.6, y + 3.2, 1.8, 1.1), CHEEK, None, outline=False, opacity=0.8)
    # a stalk of hay still in its mouth
    p.limb(p.curve([(x + 2, y + 12.5), (x + 8, y + 13.5), (x + 13, y + 12)]), 1.4, GOLD, None, sw=1.1)


def body(p, neck_to, neck_w=11):
    # far legs (in the shade), tail, body, saddle blanket, near legs
    leg(p, (47, 56), (45, 72), (43, GROUND - 3), near=False)
    leg(p, (86, 56), (91, 71), (88, GROUND - 3), near=False)
    p.fill(p.blob([(93, 41), (101, 37), (102, 43), (96, 47)]), PALE, PALE_SH, None, sw=1.6, d=1)
    nx, ny = neck_to
    p.limb(p.curve([(52, 46), ((52 + nx) / 2 - 1, (46 + ny) / 2), (nx, ny)]), neck_w, FUR, FUR_SH, sw=2)
    torso = p.blob([(44, 42), (56, 35), (78, 34), (94, 39), (97, 49), (91, 60), (74, 63), (55, 62), (43, 56)])
    p.fill(torso, FUR, FUR_SH, FUR_HI, d=3)
    p.fill(p.blob([(46, 52), (58, 58), (74, 59), (84, 58), (76, 62.5), (56, 62), (44, 56)]), PALE, None, None,
           outline=False)
    # saddle blanket with a gold edge
    p.fill(p.blob([(60, 35.5, 'c'), (80, 35, 'c'), (82, 50, 'c'), (71, 52, 'c'), (59, 50, 'c')]),
           RED, RED_SH, RED_HI, d=2)
    p.stroke(p.curve([(59.8, 48), (71, 50), (81.8, 48)]), GOLD, 1.6)
    leg(p, (52, 57), (51, 73), (50, GROUND), near=True)
    leg(p, (82, 57), (87, 72), (83, GROUND), near=True)


def collar(p, at, angle):
    x, y = at
    p.push(rotation(angle, x, y))
    p.fill(p.rrect(x - 7.5, y - 2.2, 15, 4.4, 2.2), RED, RED_SH, None, sw=1.6, d=1)
    p.fill(p.ell(x - 2, y + 4.5, 3, 3), GOLD, GOLD_SH, GOLD_HI, sw=1.5, d=1)
    p.dot(x - 2, y + 5.5, 0.7)
    p.pop()


def frame(f):
    p = Pic(W, H, f'ElfDeer{f}')
    shadow(p)
    if f in (1, 2):
        # grazing: neck down to the hay; frame 2 lifts and chews
        hay(p, chewed=1 if f == 2 else 0)
        neck = (31, 68) if f == 1 else (31.5, 66)
        body(p, neck, neck_w=13)
        collar(p, (43, 53) if f == 1 else (43, 52), -55)
        side_head(p, (29, 71) if f == 1 else (29.5, 68.5), -62 if f == 1 else -56,
                  chew=0 if f == 1 else 2.2, ear=0 if f == 1 else 2)
        if f == 1:
            hay_top(p)
    else:
        hay(p)
        body(p, (41, 32), neck_w=13)
        collar(p, (47, 40), -40)
        front_head(p, (37, 28.5))
    return p


def hay_top(p):
    """Straws in front of the muzzle, so the nose looks buried in the heap."""
    x, y = 20, GROUND - 6
    for sx, a in ((-6, -120), (-1, -95), (4, -70)):
        r = math.radians(a)
        p.limb(p.curve([(x + sx, y + 2), (x + sx + 7 * math.cos(r), y + 2 + 7 * math.sin(r))]), 1.4, GOLD, None, sw=1.1)


def make(out):
    for f in (1, 2, 3):
        frame(f).save(f'{out}/ElfDeer{f}.svg')
