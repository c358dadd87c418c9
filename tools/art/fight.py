"""Fight01-12: two children in a snowball fight, one story played in this order:
01-05 a throw that the right-hand child ducks, 06-07 a throw that falls short (and a
tease), 08-12 a throw that lands on the nose, a tumble, and both laughing."""
import math
from cel import *
import kid as K

W, H = 150, 90
A = (30, 84)     # thrower, facing right
B = (120, 84)    # target, facing left


def ball(p, x, y, trail=None, r=3.6):
    if trail:
        dx, dy = trail
        for k, op in ((1.0, 0.8), (1.9, 0.45)):
            p.stroke(p.curve([(x - dx * 0.9 * k, y - dy * 0.9 * k), (x - dx * (0.9 * k + 0.7), y - dy * (0.9 * k + 0.7))]),
                     SNOW, 2.2, opacity=op)
    p.fill(p.ell(x, y, r, r), SNOW, SNOW_SH, None, sw=1.6, d=1.3)


def puff(p, x, y, k=1.0, chunks=True):
    """Snow kicked up where a ball lands."""
    p.fill(p.blob([(x - 10 * k, y), (x - 8 * k, y - 4 * k), (x - 4 * k, y - 7 * k), (x, y - 4.5 * k),
                   (x + 4 * k, y - 8 * k), (x + 8 * k, y - 4 * k), (x + 10 * k, y)]), SNOW, SNOW_MID, None,
           sw=1.5, d=1.2)
    if chunks:
        for dx, dy, r in ((-12, -9, 1.6), (-5, -13, 1.4), (6, -13, 1.6), (12, -8, 1.3)):
            p.fill(p.ell(x + dx * k, y + dy * k, r, r), SNOW, None, None, sw=1.1)


def splat(p, x, y, r=7.5):
    pts = []
    for i in range(14):
        a = math.radians(i * 360 / 14 + 8)
        rr = r if i % 2 == 0 else r * 0.55
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    p.fill(p.blob(pts, 0.6), SNOW, SNOW_MID, None, sw=1.5, d=1.4)
    for dx, dy, s in ((-11, -7, 1.6), (-8, 9, 1.3), (10, -9, 1.5), (12, 5, 1.3), (0, -13, 1.4)):
        p.fill(p.ell(x + dx, y + dy, s, s), SNOW, None, None, sw=1.1)


def shadow(p, x, w=15):
    p.fill(p.ell(x, A[1] + 0.5, w, 2.6), SNOW_SH, None, None, outline=False, opacity=0.5)


# The two children's poses per picture (canonical coordinates, facing each other).
A_POSE = {
    'wind': dict(bow=-7, feet=((7, 0), (-6, 0)), hands=((14, -31), (-13, -39)), near_ball=True,
                 face='grin', eyes='narrow', near_bend=1, hat_tilt=-4),
    'throw': dict(bow=10, feet=((8, 0), (-6, 0)), hands=((-3, -17), (19, -29)), face='grin',
                  eyes='open', near_bend=-1, far_bend=-1, hat_tilt=6),
    'follow': dict(bow=15, drop=1, feet=((8, 0), (-6, 0)), hands=((-4, -16), (13, -14)), face='smile',
                   eyes='open', near_bend=-1, far_bend=-1, hat_tilt=8),
    'watch': dict(bow=4, feet=((6, 0), (-5, 0)), hands=((10, -17), (-8, -16)), face='oh', eyes='open',
                  hat_tilt=2),
    'scoop': dict(bow=26, drop=7, feet=((8, 0), (-7, 0)), hands=((15, -3), (11, -2)), face='pout',
                  eyes='open', near_bend=-1, far_bend=-1, hat_tilt=12, tilt=6),
    'hips': dict(bow=-3, feet=((6, 0), (-5, 0)), hands=((9, -15), (-9, -15)), face='pout', eyes='open',
                 far_bend=-1, near_bend=1, tilt=-6, hat_tilt=-3),
    'cheer': dict(bow=-4, feet=((7, 0), (-6, 0)), hands=((12, -44), (-9, -45)), face='laugh', eyes='open',
                  far_bend=1, near_bend=-1, hat_tilt=-6, tilt=-4),
    'point': dict(bow=2, feet=((7, 0), (-6, 0)), hands=((18, -29), (3, -16)), face='laugh', eyes='shut',
                  far_bend=-1, near_bend=-1, tilt=-8),
    'laugh1': dict(bow=16, drop=3, feet=((7, 0), (-6, 0)), hands=((9, -10), (5, -10)), face='laugh',
                   eyes='shut', far_bend=-1, near_bend=-1, tilt=6, hat_tilt=4),
    'laugh2': dict(bow=6, feet=((7, 0), (-6, 0)), hands=((8, -18), (2, -19)), face='laugh', eyes='shut',
                   far_bend=-1, near_bend=-1, tilt=-10, hat_tilt=-6),
}
B_POSE = {
    'ready': dict(feet=((6, 0), (-5, 0)), hands=((7, -21), (4, -22)), near_ball=True, face='smile',
                  eyes='open', far_bend=-1, near_bend=-1),
    'alert': dict(feet=((6, 0), (-5, 0)), hands=((7, -21), (4, -22)), near_ball=True, face='oh',
                  eyes='wide', far_bend=-1, near_bend=-1, tilt=-3),
    'brace': dict(drop=2, bow=4, feet=((7, 0), (-6, 0)), hands=((6, -26), (3, -27)), near_ball=True, face='oh',
                  eyes='wide', far_bend=-1, near_bend=-1),
    'duck': dict(drop=8, bow=20, feet=((8, 0), (-7, 0)), hands=((9, -37), (2, -39)), face='oh',
                 eyes='squeeze', far_bend=1, near_bend=-1, hat_tilt=10, tilt=10),
    'rise': dict(drop=3, bow=6, feet=((7, 0), (-6, 0)), hands=((9, -20), (-8, -17)), face='tongue',
                 eyes='open', far_bend=-1, near_bend=1, tilt=-4),
    'relax': dict(feet=((6, 0), (-5, 0)), hands=((8, -15), (-8, -15)), face='grin', eyes='open',
                  far_bend=-1, near_bend=1, tilt=-4),
    'tease': dict(feet=((7, 0), (-6, 0)), hands=((8, -40), (-6, -41)), face='tongue', eyes='shut',
                  far_bend=1, near_bend=-1, tilt=8, hat_tilt=6),
    'hit': dict(bow=-12, feet=((6, 0), (-6, 0)), hands=((14, -38), (-10, -40)), face='oh', eyes='squeeze',
                far_bend=1, near_bend=-1, tilt=-18, hat_tilt=-18),
    'fall': dict(bow=-19, drop=5, feet=((10, -3), (-3, 0)), hands=((12, -47), (-14, -36)), face='oh',
                 eyes='squeeze', far_bend=1, near_bend=-1, tilt=-14, hat_tilt=-6, snowy=True),
    'sit': dict(sit=True, drop=9, bow=-8, hands=((-4, -5), (-10, -4)), face='pout', eyes='open',
                far_bend=1, near_bend=1, tilt=-6, hat_tilt=-25, snowy=True),
    'sitlaugh1': dict(sit=True, drop=9, bow=-12, hands=((6, -13), (1, -12)), face='laugh', eyes='shut',
                      far_bend=-1, near_bend=-1, tilt=-12, hat_tilt=-25),
    'sitlaugh2': dict(sit=True, drop=9, bow=-2, hands=((9, -22), (-9, -6)), face='laugh', eyes='shut',
                      far_bend=-1, near_bend=1, tilt=4, hat_tilt=-20),
}

# picture: (thrower pose, target pose, extras)
STORY = {
    1: ('wind', 'ready', []),
    2: ('throw', 'alert', [('ball', 58, 37, (6, 2))]),
    3: ('follow', 'brace', [('ball', 78, 20, (7, -1))]),
    4: ('watch', 'duck', [('ball', 112, 31, (7, 2))]),
    5: ('scoop', 'rise', [('ball', 134, 71, (3, 6)), ('puff', 134, 84, 0.8)]),
    6: ('watch', 'relax', [('puff', 96, 84, 1.0), ('ball', 96, 79, None)]),
    7: ('hips', 'tease', [('puff', 96, 84, 0.7, False)]),
    8: ('cheer', 'hit', [('splat', 115, 44)]),
    9: ('cheer', 'fall', [('chunks',)]),
    10: ('point', 'sit', []),
    11: ('laugh1', 'sitlaugh1', []),
    12: ('laugh2', 'sitlaugh2', []),
}


def picture(n):
    p = Pic(W, H, f'Fight{n:02d}')
    a, b, extras = STORY[n]
    shadow(p, A[0] + 1)
    shadow(p, B[0] - (4 if b.startswith('sit') else 1), 17 if b.startswith('sit') else 15)
    K.place(p, *A)
    K.kid(p, K.RED_KID, A_POSE[a])
    K.unplace(p)
    K.place(p, *B, mirror=True)
    K.kid(p, K.BLUE_KID, B_POSE[b])
    K.unplace(p)
    for e in extras:
        if e[0] == 'ball':
            ball(p, e[1], e[2], e[3])
        elif e[0] == 'puff':
            puff(p, e[1], e[2], e[3], e[4] if len(e) > 4 else True)
        elif e[0] == 'splat':
            splat(p, e[1], e[2])
        elif e[0] == 'chunks':
            for x, y, r in ((104, 30, 2.0), (112, 24, 1.6), (126, 26, 1.8), (100, 40, 1.4)):
                p.fill(p.ell(x, y, r, r), SNOW, None, None, sw=1.2)
    return p


def make(out):
    for n in range(1, 13):
        picture(n).save(f'{out}/Fight{n:02d}.svg')
