"""pengsled, pengsled3, pengski1-3: the penguins who ride down the middle hill toward the
viewer. They are drawn from 24 px up to several hundred pixels, so they face the viewer
squarely, fill their square and keep a bolder outline than the other figures."""
import math
from cel import *
import penguin as pg

SIZE = 128
# The riders are drawn stretched from 24 px up to several hundred, so they are built large and
# the engine only ever shrinks them.
OUT_SCALE = 4
# everything drawn a little inside the square, so no edge of the rider is cut off when it
# is stretched to full screen height
INSET = (0.9, 0, 0, 0.9, 6.4, 5.0)


def snow_puff(p, x, y, r, flip=1):
    pts = [(x - r, y), (x - r * 0.8, y - r * 0.7), (x - r * 0.2, y - r * 1.0), (x + r * 0.3 * flip, y - r * 0.6),
           (x + r * 0.8, y - r * 0.8), (x + r * 1.1, y - r * 0.1), (x + r * 0.6, y + r * 0.35), (x - r * 0.6, y + r * 0.35)]
    p.fill(p.blob(pts), SNOW, SNOW_SH, None, d=max(1.5, r * 0.25))


def crumbs(p, pts):
    for x, y, r in pts:
        p.fill(p.ell(x, y, r, r), SNOW, SNOW_MID, None, sw=2, d=max(0.8, r * 0.3))


def motion_marks(p, marks):
    for x, y, l in marks:
        p.stroke(p.curve([(x, y), (x, y - l)]), SNOW, 3, opacity=0.85)


def sled_back(p, tilt=0):
    """The deck of the sled, seen from the front and a little above: slats receding uphill."""
    p.push(rotation(tilt, 64, 104))
    for sx in (-1, 1):  # the runners along both sides, under the deck
        p.limb(p.curve([(64 + sx * 34, 80), (64 + sx * 42, 100)]), 5, RED, RED_SH)
    p.fill(p.blob([(30, 78, 'c'), (98, 78, 'c'), (112, 103, 'c'), (16, 103, 'c')]), WOOD_LT, WOOD, None, d=3)
    for x in (44, 64, 84):
        p.stroke(p.curve([(x + (x - 64) * 0.05, 79), (x + (x - 64) * 0.45, 102)]), WOOD, 2.2)
    p.pop()


def sled_front(p, tilt=0):
    """The front of the sled: the steering bar and the runners curling up at both ends."""
    p.push(rotation(tilt, 64, 104))
    p.fill(p.rrect(16, 98, 96, 9, 4.5), WOOD_LT, WOOD, WOOD_HI, d=2.5)
    for sx in (-1, 1):
        x = 64 + sx * 46
        # the runner comes forward under the deck and curls up and back over itself
        p.limb(p.curve([(x - sx * 4, 104), (x + sx * 1, 116), (x + sx * 9, 120), (x + sx * 15, 112),
                        (x + sx * 11, 103), (x + sx * 4, 104)]), 6, RED, RED_SH)
        p.fill(p.ell(x + sx * 1, 105, 3.2), GOLD, GOLD_SH, None, sw=2)
    p.pop()


def sled_rope(p, a, b, tilt=0):
    """A pull rope from one curl to the other, held up in the middle by the rider."""
    p.push(rotation(tilt, 64, 104))
    p.stroke(p.curve([(20, 106), a, (64, 92), b, (108, 106)]), OUT, 5.2)
    p.stroke(p.curve([(20, 106), a, (64, 92), b, (108, 106)]), GOLD, 2.6)
    p.pop()


def sled_rider(name, airborne):
    p = Pic(SIZE, SIZE, name)
    p.out_scale = OUT_SCALE
    p.sw = 3.0
    p.push(INSET)
    st = 6 if airborne else 0
    up = 12 if airborne else 0
    if not airborne:
        # runners throw up snow at both sides
        snow_puff(p, 12, 112, 9)
        snow_puff(p, 116, 112, 9, -1)
    sled_back(p, st)
    # the rider sits low on the deck; the scarf streams back over the shoulder
    n = pg.place(p, 64, 104 - up, 0.7, -st * 0.5)
    p.push(rotation(-55 if airborne else -40, 10, -60))
    pg.scarf_tail(p, 1.0, lift=14 if airborne else 6, x0=6)
    p.pop()
    if airborne:
        pg.flipper(p, -25, -66, 150, 38)
        pg.flipper(p, 25, -66, -150, 38)
    pg.body(p, eyes='happy' if airborne else 'open', beak='open' if airborne else 'closed',
            frontal=True)
    pg.scarf_wrap(p, dy=5)
    pg.bobble_hat(p, RED, RED_SH, CANDY, tilt=6 if airborne else -3, pom_dx=-6 if airborne else 5)
    if not airborne:
        ha = p.tp(-42, -36)
        hb = p.tp(42, -36)
    pg.unplace(p, n)
    if airborne:
        sled_front(p, st)
        crumbs(p, [(24, 126, 2.5), (40, 123, 2), (92, 126, 2.2), (105, 122, 1.8)])
        motion_marks(p, [(8, 60, 14), (120, 56, 14), (14, 36, 10)])
    else:
        # feet braced on the steering bar, flippers holding the rope
        for sx in (-1, 1):
            x = 64 + sx * 15
            p.fill(p.blob([(x - 9, 101), (x - 6, 93), (x, 90), (x + 6, 93), (x + 9, 101), (x, 103)]),
                   BEAK, BEAK_SH, None, d=2)
        sled_front(p)
        sled_rope(p, (ha[0] + 4, ha[1] + 2), (hb[0] - 4, hb[1] + 2))
        n = pg.place(p, 64, 104, 0.7)
        pg.flipper(p, -26, -62, 40, 34)
        pg.flipper(p, 26, -62, -40, 34)
        pg.unplace(p, n)
        snow_puff(p, 6, 123, 6)
        snow_puff(p, 122, 123, 6, -1)
    p.pop()
    return p


def ski(p, x, y0, y1, spread=0.0, color=RED):
    """A ski pointing at the viewer: narrow under the boot, wide and curled at the tip."""
    tx = x + spread
    w0, w1 = 7, 11
    p.fill(p.blob([(x - w0, y0, 'c'), (x + w0, y0, 'c'), (tx + w1, y1 - 4), (tx + w1 * 0.7, y1 + 1),
                   (tx, y1 + 2.5), (tx - w1 * 0.7, y1 + 1), (tx - w1, y1 - 4)]), color, RED_SH, None, d=2.5)
    p.stroke(p.curve([(x, y0 + 2), (tx, y1 - 2)]), CANDY, 2.5)


def pole(p, x0, y0, x1, y1):
    p.limb(p.curve([(x0, y0), (x1, y1)]), 2.5, SNOW_SH, None, sw=2)
    p.fill(p.ell(x1 + (x1 - x0) * 0.02, y1, 5, 2.2), PBLACK, None, sw=2)


def goggles(p):
    """Goggles pushed up on the hat band (canonical penguin units)."""
    p.fill(p.rrect(-22, -94, 44, 6, 3), PBLACK, None, sw=2.2)
    for gx in (-10, 10):
        p.fill(p.ell(gx, -93, 9, 6.5), GOLD, GOLD_SH, GOLD_HI, sw=2.4)


def ski_rider(name, pose):
    p = Pic(SIZE, SIZE, name)
    p.out_scale = OUT_SCALE
    p.sw = 3.0
    p.push(INSET)
    if pose == 1:      # tucked, schussing straight at the viewer
        by, s, tilt, lift = 104, 0.72, 0, 0
    elif pose == 2:    # in the air, skis in a V, flippers up
        by, s, tilt, lift = 96, 0.7, 6, 1
    else:              # landing: a deep crouch and a burst of snow
        by, s, tilt, lift = 108, 0.72, 0, 0
    if pose == 2:
        crumbs(p, [(30, 124, 2.4), (50, 126, 1.8), (80, 125, 2.2), (98, 122, 1.8)])
    n = pg.place(p, 64, by, s, tilt)
    if pose == 2:
        pg.flipper(p, -25, -66, 140, 38)
        pg.flipper(p, 25, -66, -140, 38)
        a = p.tp(-25 - 38 * math.sin(math.radians(140)), -66 + 38 * math.cos(math.radians(140)))
        b = p.tp(25 + 38 * math.sin(math.radians(140)), -66 + 38 * math.cos(math.radians(140)))
    if pose == 3:
        p.push((1, 0, 0, 0.88, 0, 0))
    pg.body(p, eyes='happy' if pose == 2 else ('wide' if pose == 3 else 'open'),
            beak='open' if pose != 1 else 'closed', frontal=True)
    pg.scarf_wrap(p, PINE_LT, GOLD, PINE, dy=5)
    pg.bobble_hat(p, PINE_LT, PINE, CANDY, tilt=-8 if pose == 2 else 4, pom_dx=5)
    goggles(p)
    if pose == 3:
        p.pop()
    pg.unplace(p, n)
    if pose == 2:
        pole(p, a[0], a[1], a[0] - 22, a[1] - 16)
        pole(p, b[0], b[1], b[0] + 20, b[1] - 20)
        ski(p, 52, 98, 124, -22, RED)
        ski(p, 76, 96, 121, 20, RED)
        # the orange feet on their bindings
        for x, y in ((52, 98), (76, 96)):
            p.fill(p.ell(x, y - 2, 8, 4.5), BEAK, BEAK_SH, None, d=1.5)
    else:
        if pose == 3:
            snow_puff(p, 12, 118, 12)
            snow_puff(p, 116, 118, 12, -1)
        # poles tucked under the flippers, baskets trailing out to the sides
        top = by - 4
        ski(p, 50, top, 124, -8)
        ski(p, 78, top, 124, 8)
        for x in (50, 78):
            p.fill(p.ell(x, top + 1, 9, 5), BEAK, BEAK_SH, None, d=1.5)
        n = pg.place(p, 64, by, s)
        if pose == 3:
            p.push((1, 0, 0, 0.88, 0, 0))
        ga = p.tp(-40, -36)
        gb = p.tp(40, -36)
        pg.flipper(p, -25, -64, 50, 34)
        pg.flipper(p, 25, -64, -50, 34)
        if pose == 3:
            p.pop()
        pg.unplace(p, n)
        pole(p, ga[0] + 4, ga[1] - 2, 6, ga[1] - 30 if pose == 1 else ga[1] - 18)
        pole(p, gb[0] - 4, gb[1] - 2, 122, gb[1] - 30 if pose == 1 else gb[1] - 18)
        if pose == 1:
            snow_puff(p, 30, 124, 6)
            snow_puff(p, 98, 124, 6, -1)
    p.pop()
    return p


def make(out):
    sled_rider('pengsled', False).save(f'{out}/pengsled.svg')
    sled_rider('pengsled3', True).save(f'{out}/pengsled3.svg')
    for i in (1, 2, 3):
        ski_rider(f'pengski{i}', i).save(f'{out}/pengski{i}.svg')
