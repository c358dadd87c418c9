"""PengFish2-10: the penguin ice-fishing beside the hole.

2-3 wait with the float bobbing; 4-7 a bite (7 is held for three seconds: the struggle);
8-10 the fish flies out and is held up. The penguin stands just behind the far rim of
the hole (drawn at screen (530, 380), the penguin at (531, 290)), so the line drops
down-left into the water in front of it.
"""
import math
from cel import *
import penguin as pg

W, H = 90, 100
FEET = (64, 88)
S = 0.6


def fish(p, x, y, angle=0, s=1.0, flap=0):
    """A small silver-blue fish, nose toward the viewer's left at angle 0."""
    p.push(mat_mul((s, 0, 0, s, x, y), rotation(angle, 0, 0)))
    p.fill(p.blob([(6, 0), (13, -5 + flap), (14, 5 + flap), (9, 1)]), ICE_DK, None, sw=1.5)
    p.fill(p.blob([(-9, 0), (-4, -4.5), (3, -4.5), (8, -1), (8, 1.5), (2, 4.5), (-4, 4.5)]),
           ICE_MID, ICE_DK, ICE_LINE, sw=1.5, d=1.6)
    p.fill(p.blob([(-1, -4), (3, -8), (5, -4)]), ICE_DK, None, sw=1.2)
    p.dot(-5, -1, 1.1)
    p.pop()


def splash(p, x, y, size=1.0, drops=True):
    """Water thrown up from the hole: a crown of spray and a few drops."""
    k = size
    crown = p.blob([(x - 12 * k, y, 'c'), (x - 9 * k, y - 7 * k), (x - 6 * k, y - 2 * k),
                    (x - 3 * k, y - 11 * k), (x, y - 3 * k), (x + 4 * k, y - 12 * k),
                    (x + 6 * k, y - 2 * k), (x + 10 * k, y - 8 * k), (x + 12 * k, y, 'c')])
    p.fill(crown, ICE, ICE_MID, ICE_LINE, sw=1.5, d=1.5)
    if drops:
        for dx, dy, r in ((-14, -12, 1.8), (-6, -17, 1.5), (9, -18, 1.7), (16, -10, 1.5)):
            p.fill(p.ell(x + dx * k, y + dy * k, r, r * 1.2), ICE, None, sw=1.2)


def ripple(p, x, y, r):
    p.stroke(p.ell(x, y, r, r * 0.32), ICE_LINE, 1.2, opacity=0.9)


def rod_and_line(p, grip, angle, length, bend, line_end, float_at=None, taut=False):
    """A short ice rod from the grip at `angle` (degrees above the leftward horizontal),
    bent down by `bend` pixels at the tip; the line runs from the tip to line_end."""
    a = math.radians(angle)
    gx, gy = grip
    tx, ty = gx - length * math.cos(a), gy - length * math.sin(a) + bend
    mx, my = gx - 0.55 * length * math.cos(a), gy - 0.55 * length * math.sin(a) + bend * 0.25
    bx, by = gx + 6 * math.cos(a), gy + 6 * math.sin(a)
    # line first, so the rod tip sits over it
    lx, ly = line_end
    if taut:
        p.stroke(p.curve([(tx, ty), (lx, ly)]), OUT, 1.3)
    else:
        p.stroke(p.curve([(tx, ty), (tx + (lx - tx) * 0.4 + 1.5, ty + (ly - ty) * 0.5),
                          (lx, ly)]), OUT, 1.2)
    p.limb(p.curve([(gx, gy), (mx, my), (tx, ty)]), 2.2, WOOD_LT, None, sw=1.5)
    p.limb(p.curve([(bx, by), (gx - 4 * math.cos(a), gy - 4 * math.sin(a))]), 4, RED, None, sw=1.5)
    p.fill(p.ell(tx, ty, 1.6), GOLD, None, sw=1.0)
    if float_at:
        fx, fy = float_at
        p.fill(p.ell(fx, fy - 1.5, 2.6, 2.4), RED, RED_SH, sw=1.3, d=0.8)
        p.fill(p.blob([(fx - 2.6, fy - 1.2), (fx + 2.6, fy - 1.2), (fx + 2.4, fy + 1), (fx, fy + 2.4),
                       (fx - 2.4, fy + 1)]), CANDY, None, sw=1.3)
    return tx, ty


def flipper_tip(p, pivot, angle, length=34):
    a = math.radians(angle)
    return p.tp(pivot[0] - length * math.sin(a), pivot[1] + length * math.cos(a))


def frame(name, f):
    p = Pic(W, H, name)
    # per-frame pose: body bob/lean, flippers, face, rod, what is at the line's end
    # the water of the hole starts right at the picture's bottom edge, around x 28..40
    wx = 31
    cfg = dict(bob=0, lean=0, far=45, near=-8, eyes='open', beak='closed', look=(0, 0),
               rod_angle=60, rod_len=20, bend=0, line_end=(wx, 100), taut=False, fish=None,
               splash=None, held_fish=False, sweat=False, hat_tilt=-4)
    if f == 3:
        cfg.update(bob=1, bend=2, hat_tilt=-3, look=(0, 1))
    elif f == 4:  # a nibble: the tip dips, the line snaps taut
        cfg.update(eyes='wide', taut=True, bend=8, lean=-3, look=(-1, 1), splash=(wx, 99, 0.4))
    elif f == 5:  # the rod bends hard toward the hole
        cfg.update(eyes='wide', taut=True, bend=15, lean=-8, far=36, near=60, splash=(wx, 99, 0.6),
                   look=(-1, 2))
    elif f == 6:  # leaning back, heaving
        cfg.update(eyes='squint', taut=True, bend=12, lean=8, far=55, near=40, rod_angle=66,
                   splash=(wx, 99, 0.8), beak='open')
    elif f == 7:  # the big struggle, held for a while
        cfg.update(eyes='squint', taut=True, bend=18, lean=10, far=62, near=50, rod_angle=70,
                   splash=(wx, 99, 1.0), beak='open', sweat=True, hat_tilt=4)
    elif f == 8:  # out it comes
        cfg.update(eyes='wide', line_end=(27, 72), taut=True, bend=-2, lean=10, far=80, near=30,
                   rod_angle=78, rod_len=22, fish=(27, 79, -70, 1.0), splash=(wx, 99, 1.1),
                   beak='open')
    elif f == 9:  # the fish sails up over the penguin
        cfg.update(eyes='wide', line_end=(38, 10), taut=True, bend=-3, lean=4, far=150, near=20,
                   rod_angle=88, rod_len=22, fish=(40, 16, -150, 1.05), beak='open', look=(3, -3))
    elif f == 10:  # holding the catch up, proud
        cfg.update(eyes='happy', line_end='rest', lean=-2, far=150, near=-25, beak='open',
                   held_fish=True, hat_tilt=-6)
    c = cfg
    bx, by = FEET
    p.fill(p.ell(bx + 1, by + 0.5, 19, 2.6), ICE_DK, None, None, outline=False, opacity=0.35)
    # feet stay planted; the body leans around them
    n = pg.place(p, bx, by + c['bob'] * 0, S)
    pg.foot(p, -10, 0)
    pg.foot(p, 12, 0)
    pg.unplace(p, n)
    n = pg.place(p, bx, by + c['bob'], S, c['lean'])
    pg.flipper(p, 22, -62, c['near'], front=False) if c['near'] > 45 else None
    pg.body(p, eyes=c['eyes'], beak=c['beak'], look=c['look'])
    pg.bobble_hat(p, RED, RED_SH, CANDY, tilt=c['hat_tilt'], pom_dx=4)
    grip = flipper_tip(p, (-24, -64), c['far'])
    near_tip = flipper_tip(p, (22, -62), c['near'])
    pg.unplace(p, n)

    if c['line_end'] == 'rest':
        # the rod laid down on the ice, its line still in the water
        rod_and_line(p, (46, 88), 8, 22, 0, (wx, 100))
    elif c['line_end'] is not None:
        rod_and_line(p, grip, c['rod_angle'], c['rod_len'], c['bend'], c['line_end'], None, c['taut'])
        if c['splash'] is not None:
            splash(p, *c['splash'])
    if c['fish']:
        fx, fy, fa, fs = c['fish']
        fish(p, fx, fy, fa, fs, flap=2 if f == 9 else -1)
    n = pg.place(p, bx, by + c['bob'], S, c['lean'])
    pg.flipper(p, -24, -64, c['far'], front=True)
    if c['near'] <= 45:
        pg.flipper(p, 22, -62, c['near'], front=True)
    pg.unplace(p, n)
    if c['held_fish']:
        fish(p, grip[0] - 1, grip[1] - 9, -100, 1.25, flap=2)
        # a little glint of pride
        for (sx, sy, r) in ((grip[0] + 9, grip[1] - 20, 2.6), (grip[0] - 11, grip[1] - 16, 2.0)):
            star(p, sx, sy, r)
    if c['sweat']:
        n = pg.place(p, bx, by + c['bob'], S, c['lean'])
        for sx, sy in ((-33, -90), (-39, -80)):
            p.fill(p.blob([(sx, sy - 3), (sx + 1.8, sy + 0.8), (sx, sy + 2.2), (sx - 1.8, sy + 0.8)]),
                   ICE, None, sw=1.1)
        pg.unplace(p, n)
    return p


def star(p, x, y, r):
    pts = []
    for k in range(8):
        a = math.radians(k * 45 - 90)
        rr = r if k % 2 == 0 else r * 0.35
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a), 'c'))
    p.fill(p.poly(pts), WARM_HI, None, sw=1.0)


def make(out):
    for f in range(2, 11):
        frame(f'PengFish{f}', f).save(f'{out}/PengFish{f}.svg')
