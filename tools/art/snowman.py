"""Snowman1-4: the snowman skating on the pond, four poses held three seconds each: arms out
for balance, a forward speed lean, a wobble backwards, and a tip of the hat."""
import math
from cel import *
import skater as S

W, H = 110, 100
STICK, STICK_SH = WOOD_LT, WOOD

POSES = {
    1: dict(lean=0, arms=((-38, -54), (38, -56)), face='smile', eyes='open', scarf=(1, 4),
            hat=(0, 0, -6), tilt=-3),
    2: dict(lean=-10, arms=((24, -38), (38, -42)), face='grin', eyes='open', scarf=(1, 10),
            hat=(0, 0, 10), tilt=-6, arm_back=True),
    3: dict(lean=9, arms=((-30, -82), (36, -78)), face='oh', eyes='wide', scarf=(-1, 12),
            hat=(-2, 1, -18), tilt=8),
    4: dict(lean=-2, arms=((-38, -52), (22, -88)), face='smile', eyes='happy', scarf=(-1, 5),
            hat_in_hand=True, tilt=4),
}


def ball(p, x, y, r):
    p.fill(p.ell(x, y, r, r * 0.96), SNOW, SNOW_SH, None, d=max(2.5, r * 0.22))


def stick_arm(p, sh, hand, flip=1):
    """A twig arm with two little twig fingers."""
    p.limb(p.curve([sh, ((sh[0] + hand[0]) / 2, (sh[1] + hand[1]) / 2 - 2), hand]), 2.8, STICK, None, sw=1.7)
    dx, dy = hand[0] - sh[0], hand[1] - sh[1]
    a = math.atan2(dy, dx)
    for da, ln in ((0.6, 6.5), (-0.55, 5.5)):
        ex = hand[0] + ln * math.cos(a + da)
        ey = hand[1] + ln * math.sin(a + da)
        p.limb(p.curve([hand, (ex, ey)]), 2.0, STICK, None, sw=1.4)
    mx, my = sh[0] + dx * 0.55, sh[1] + dy * 0.55
    p.limb(p.curve([(mx, my), (mx + 5 * math.cos(a - 0.9 * flip), my + 5 * math.sin(a - 0.9 * flip))]), 1.8,
           STICK, None, sw=1.3)


def top_hat(p, x, y, angle):
    """A short top hat whose brim centre sits at (x, y)."""
    p.push(rotation(angle, x, y))
    p.fill(p.rrect(x - 9.5, y - 14, 19, 14.5, 2.5), PBLACK, None, PBLACK_HI, sw=2, hi_box=(x - 5, y - 10, 2, 3))
    p.fill(p.rrect(x - 9.5, y - 5.5, 19, 4, 0.5), RED, RED_SH, None, sw=1.6, d=1)
    p.fill(p.rrect(x - 14.5, y - 1.5, 29, 4, 2), PBLACK, None, PBLACK_HI, sw=2, hi_box=(x - 8, y - 0.5, 3, 0.8))
    # holly on the band
    for a in (-30, 30):
        p.push(rotation(a, x + 5, y - 4))
        p.fill(p.blob([(x + 5, y - 4, 'c'), (x + 8, y - 6.5), (x + 12, y - 6.5, 'c'), (x + 10, y - 4),
                       (x + 12, y - 1.5, 'c'), (x + 8, y - 1.5)]), PINE_HI, PINE, None, sw=1.3, d=0.7)
        p.pop()
    p.fill(p.ell(x + 5, y - 4, 1.8, 1.8), RED, RED_SH, None, sw=1.2, d=0.5)
    # a little snow on the crown
    p.fill(p.blob([(x - 9, y - 13.5), (x - 6, y - 16), (x + 2, y - 16.5), (x + 8.5, y - 14.5), (x + 9, y - 13)]),
           SNOW, SNOW_MID, None, sw=1.4, d=0.8)
    p.pop()


def face(p, x, y, c):
    ex1, ex2, ey = x - 5, x + 5, y - 2.5
    if c['eyes'] == 'open':
        p.eye(ex1, ey, 2.2)
        p.eye(ex2, ey, 2.2)
    elif c['eyes'] == 'wide':
        for ex in (ex1, ex2):
            p.eye(ex, ey - 0.5, 2.7)
        for ex, s in ((ex1, -1), (ex2, 1)):
            p.stroke(p.curve([(ex - 2.5, ey - 5.5 - s * 0.5), (ex + 2.5, ey - 5.5 + s * 0.5)]), OUT, 1.3)
    else:
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 2.4, ey + 0.8), (ex, ey - 1.5), (ex + 2.4, ey + 0.8)]), OUT, 1.8)
    p.fill(p.ell(ex1 - 2, ey + 5, 2.6, 1.5), CHEEK, None, outline=False, opacity=0.9)
    p.fill(p.ell(ex2 + 2, ey + 5, 2.6, 1.5), CHEEK, None, outline=False, opacity=0.9)
    # coal mouth
    if c['face'] == 'oh':
        p.fill(p.ell(x + 0.5, y + 6.5, 2.2, 2.6), PBLACK, None, None, sw=1.2)
    else:
        k = 1.3 if c['face'] == 'grin' else 1.0
        for i in range(5):
            t = (i - 2) / 2
            p.dot(x + t * 5.5 * k, y + 5.2 + (1 - t * t) * 2.2 * k, 1.05)
    # carrot nose, pointing a little to the side
    p.fill(p.blob([(x - 1, y - 1.5), (x + 11, y + 1.5, 'c'), (x - 0.5, y + 2.5)]), WARM_DK, BEAK_SH, None,
           sw=1.5, d=1)
    for t in (0.35, 0.6):
        p.stroke(p.curve([(x + t * 11 - 0.5, y - 1 + t * 2.5), (x + t * 11 + 0.3, y + 2.4 - t * 0.6)]), BEAK_SH, 1.0)


def scarf(p, x, y, flow, lift):
    S.scarf_tail(p, (x + flow * 4, y + 1), flow, lift, RED, RED_SH, CANDY, length=30, width=7.5,
                 wave=lift * 0.4)


def scarf_wrap(p, x, y, tilt):
    p.push(rotation(tilt, x, y))
    p.fill(p.blob([(x - 13, y - 2.5), (x, y + 0.5), (x + 13, y - 2.5), (x + 13, y + 4), (x, y + 7),
                   (x - 13, y + 4)]), RED, RED_SH, RED_HI, d=1.8)
    for sx in (-7, 6):
        p.limb(p.curve([(x + sx, y - 0.8), (x + sx + 0.4, y + 5.2)]), 2.4, CANDY, None, sw=0)
    p.pop()


def skates(p):
    for x, a in ((-11, 0), (11, 0)):
        p.push(mat_mul((1, 0, 0, 1, x, -10), (0.75, 0, 0, 0.75, 0, 0)))
        S.blade(p, length=26)
        p.pop()


def picture(n):
    c = POSES[n]
    p = Pic(W, H, f'Snowman{n}')
    p.fill(p.ell(55, 95, 28, 2.6), ICE_DK, None, None, outline=False, opacity=0.35)
    p.push((0.88, 0, 0, 0.88, 55, 95.5))
    p.push(rotation(c['lean'], 0, 0))
    skates(p)
    bx, by, br = 0, -26, 22
    mx, my, mr = 0, -57, 15.5
    hx, hy, hr = 1, -80, 12
    flow, lift = c['scarf']
    scarf(p, mx, my - 13, flow, lift)
    far, near = c['arms']
    if c.get('arm_back'):
        # both arms swept back behind the body for speed
        stick_arm(p, (mx + 10, my - 4), far)
        stick_arm(p, (mx + 12, my - 2), near)
    ball(p, bx, by, br)
    ball(p, mx, my, mr)
    for yy in (-65, -57.5, -50):
        p.fill(p.ell(mx - 1, yy + 2, 2.2, 2.1), PBLACK, None, None, sw=1.2)
    p.push(rotation(c['tilt'], hx, hy + 8))
    ball(p, hx, hy, hr)
    face(p, hx, hy, c)
    if c.get('hat'):
        dx, dy, ang = c['hat']
        top_hat(p, hx + 1 + dx, hy - 10 + dy, ang)
    p.pop()
    scarf_wrap(p, mx, my - 15, c['tilt'] * 0.5)
    if not c.get('arm_back'):
        stick_arm(p, (mx - 14, my - 4), far, -1)
        stick_arm(p, (mx + 14, my - 4), near, 1)
    if c.get('hat_in_hand'):
        top_hat(p, near[0] + 2, near[1] + 2, 14)
    p.pop()
    p.pop()
    return p


def make(out):
    for n in range(1, 5):
        picture(n).save(f'{out}/Snowman{n}.svg')
