"""ElfJack1-5 (an elf raising a heavy present on a jack) and ElfWork1-2 (an elf hammering a
toy train at the bench). Both stand on ground high enough in their pictures that the fence
drawn in front of them (its top rail at screen y 263) leaves their feet in view."""
import math
from cel import *
import elf as E

JW, JH = 64, 72
GROUND = 60          # ElfJack ground line (screen y 260)
PIVOT = (43.5, 53)   # where the pump handle meets the jack
HANDLE = 20


def handle_tip(angle):
    """Handle end for an angle in degrees above the leftward horizontal."""
    a = math.radians(angle)
    return (PIVOT[0] - HANDLE * math.cos(a), PIVOT[1] - HANDLE * math.sin(a))


def jack_and_present(p, ram=0):
    """A squat steel bottle jack on its base plate, a big present on the ram."""
    g = GROUND
    p.fill(p.rrect(37, g - 3.5, 22, 4.5, 1.5), SNOW_DEEP, SKY_MID, None, sw=1.6, d=1)
    top = 44 - ram
    p.fill(p.rrect(46.5, top - 1, 6, g - top - 8, 1), SNOW_SH, SNOW_DEEP, SNOW, sw=1.6, d=1.2)
    p.fill(p.rrect(41, g - 15, 16, 12.5, 3), GOLD, GOLD_SH, GOLD_HI, sw=1.8, d=1.6)
    p.stroke(p.curve([(41.5, g - 10.5), (56.5, g - 10.5)]), GOLD_SH, 1.2)
    # the present on the saddle
    bx0, by1 = 31, top
    p.fill(p.rrect(bx0, by1 - 21, 30, 21, 1.6), RED, RED_SH, RED_HI, d=3)
    p.fill(p.poly([(bx0 + 13, by1 - 21), (bx0 + 18, by1 - 21), (bx0 + 18, by1), (bx0 + 13, by1)]),
           GOLD, None, None, sw=1.4)
    p.fill(p.poly([(bx0, by1 - 12.5), (bx0 + 30, by1 - 12.5), (bx0 + 30, by1 - 8.5), (bx0, by1 - 8.5)]),
           GOLD, None, None, sw=1.4)
    # the bow
    cx, cy = bx0 + 15.5, by1 - 22
    p.fill(p.blob([(cx, cy), (cx - 8, cy - 6), (cx - 9, cy - 1), (cx - 3, cy + 1.5)]), GOLD, GOLD_SH, None, sw=1.5, d=1)
    p.fill(p.blob([(cx, cy), (cx + 8, cy - 6.5), (cx + 9, cy - 1), (cx + 3, cy + 1.5)]), GOLD, GOLD_SH, None, sw=1.5, d=1)
    p.fill(p.ell(cx, cy - 0.3, 2.4, 2.1), GOLD, GOLD_SH, None, sw=1.4, d=0.8)


def pump_handle(p, angle):
    tx, ty = handle_tip(angle)
    p.limb(p.curve([PIVOT, (tx, ty)]), 2.6, SNOW_SH, None, sw=1.6)
    p.limb(p.curve([toward((tx, ty), PIVOT, 1.5), toward((tx, ty), PIVOT, 6)]), 3.6, RED, None, sw=1.5)
    p.fill(p.ell(PIVOT[0], PIVOT[1], 2.2), SNOW_DEEP, None, None, sw=1.4)


def spark(p, x, y, r=3.5):
    p.fill(p.poly(star_pts(x, y, r, 0.35)), WARM_HI, None, None, sw=1.1)


def mallet(p, hand, angle):
    """A small wooden mallet held at `hand`, its head `angle` degrees from straight up
    (positive leans it toward the jack)."""
    a = math.radians(angle)
    hx, hy = hand
    ex, ey = hx + 10 * math.sin(a), hy - 10 * math.cos(a)
    p.limb(p.curve([(hx - 2 * math.sin(a), hy + 2 * math.cos(a)), (ex, ey)]), 1.8, WOOD_LT, None, sw=1.3)
    p.push(rotation(angle, ex, ey))
    p.fill(p.rrect(ex - 5, ey - 3, 10, 6, 1.6), WOOD_LT, WOOD, WOOD_HI, sw=1.5, d=1.2)
    p.pop()


def to_local(pt, origin, s):
    return ((pt[0] - origin[0]) / s, (pt[1] - origin[1]) / s)


def elf_jack(frame):
    p = Pic(JW, JH, f'ElfJack{frame}')
    s = 0.86
    origin = (19, GROUND)
    angle = {1: 40, 2: 10, 3: -24, 4: -24, 5: -24}[frame]
    tip = handle_tip(angle)
    grip_near = to_local(toward(tip, PIVOT, 2.5), origin, s)
    grip_far = to_local(toward(tip, PIVOT, 7), origin, s)
    if frame in (4, 5):
        # crouched beside the jack, tapping it with a mallet
        hand = (30, 44) if frame == 4 else (33, 51)
        pose = dict(drop=4, feet=((-6, 0), (7, 0)), face='smile', bow=6,
                    hands=((11, -14), to_local(hand, origin, s)), near_bend=1, tilt=4,
                    hat_flop=1 if frame == 4 else 2.5)
        jack_and_present(p)
        pump_handle(p, angle)
        held = {}

        def front(q):
            mallet(q, hand, 30 if frame == 4 else 95)
            if frame == 5:
                spark(q, 41, 50, 3.6)
        pose['front_prop'] = lambda q: None
        E.place(p, origin[0], origin[1], s)
        E.elf(p, E.GREEN_ELF, pose)
        E.unplace(p)
        front(p)
        return p
    # pumping: the handle goes from low (3) through level (2) to high (1)
    lift = {1: (-4, 2), 2: (2, 0), 3: (5, -2)}[frame]
    pose = dict(drop={1: 0, 2: 3, 3: 6}[frame], bow={1: -4, 2: 10, 3: 20}[frame],
                feet=((-6, 0), (7, 0)), hands=(grip_far, grip_near),
                face={1: 'grit', 2: 'grit', 3: 'smile'}[frame],
                eyes={1: 'strain', 2: 'open', 3: 'open'}[frame],
                tilt={1: -3, 2: 4, 3: 8}[frame], hat_flop={1: -3, 2: 1, 3: 2.5}[frame],
                near_bend=1, far_bend=1)
    jack_and_present(p)
    E.place(p, origin[0], origin[1], s)
    E.elf(p, E.GREEN_ELF, dict(pose, held=lambda q: None))
    E.unplace(p)
    pump_handle(p, angle)
    # hands over the handle grip
    for g in (grip_far, grip_near):
        gx, gy = origin[0] + g[0] * s, origin[1] + g[1] * s
        p.fill(p.ell(gx, gy, 2.4, 2.4), SKIN, SKIN_SH, None, sw=1.5, d=0.8)
    return p


WW, WH = 72, 66
WGROUND = 54         # ElfWork ground line (screen y 261)


def train(p, x, y):
    """A wooden toy engine on the bench, its front at x, wheels resting on y."""
    p.fill(p.rrect(x, y - 10, 14, 7, 2), RED, RED_SH, RED_HI, sw=1.5, d=1.2)
    p.fill(p.rrect(x + 12, y - 15, 9, 12, 1.2), WOOD_LT, WOOD, WOOD_HI, sw=1.5, d=1.3)
    p.fill(p.rrect(x + 11, y - 17, 11, 3, 1), RED, RED_SH, None, sw=1.4)
    p.fill(p.rrect(x + 3, y - 15, 4, 6, 1), PBLACK, None, None, sw=1.3)
    p.fill(p.rrect(x + 2, y - 16.5, 6, 2.4, 1), GOLD, None, None, sw=1.2)
    for wx in (x + 3.5, x + 10, x + 17):
        p.fill(p.ell(wx, y - 2.5, 2.8, 2.8), GOLD, GOLD_SH, None, sw=1.4, d=0.8)
        p.dot(wx, y - 2.5, 0.8)


def bench(p):
    """A sturdy wooden work bench."""
    top = 37
    for lx in (8, 30):
        p.fill(p.rrect(lx, top + 2, 4.5, WGROUND - top - 2, 1), WOOD, WOOD_DK, None, sw=1.6, d=1)
    p.fill(p.rrect(8, 47, 27, 3, 1), WOOD, WOOD_DK, None, sw=1.4, d=0.8)
    p.fill(p.rrect(3, top, 38, 5.5, 1.5), WOOD_LT, WOOD, WOOD_HI, sw=1.8, d=1.5)
    # snow resting on the bench's far end
    p.fill(p.blob([(3, top + 0.5), (4, top - 2), (8, top - 3), (11, top - 1.5), (12, top + 0.5)]),
           SNOW, SNOW_MID, None, sw=1.5, d=1)


def hammer(p, hand, angle):
    """A hammer gripped at `hand`; angle 0 points its head straight up, positive swings it
    toward the viewer's left (the bench)."""
    a = math.radians(angle)
    hx, hy = hand
    ex, ey = hx - 11 * math.sin(a), hy - 11 * math.cos(a)
    p.limb(p.curve([(hx + 2.5 * math.sin(a), hy + 2.5 * math.cos(a)), (ex, ey)]), 2, WOOD_LT, None, sw=1.3)
    p.push(rotation(-angle, ex, ey))
    p.fill(p.blob([(ex - 5.5, ey - 2, 'c'), (ex + 3.5, ey - 2.4, 'c'), (ex + 6, ey - 4, 'c'), (ex + 5, ey, 'c'),
                   (ex + 3.5, ey + 2.2, 'c'), (ex - 5.5, ey + 2, 'c')]), SNOW_SH, SNOW_DEEP, SNOW, sw=1.5, d=1)
    p.pop()


def elf_work(frame):
    p = Pic(WW, WH, f'ElfWork{frame}')
    s = 0.8
    origin = (49, WGROUND)
    bench(p)
    train(p, 12, 37)
    # the elf faces left, toward the bench: mirrored, so local +x points to the viewer's left
    if frame == 1:
        hand = (47, 17)
        angle = -25
    else:
        hand = (37, 25)
        angle = 80
    lx = (origin[0] - hand[0]) / s
    ly = (hand[1] - origin[1]) / s
    far_hand = ((origin[0] - 35) / s, (34 - origin[1]) / s)
    pose = dict(feet=((-5, 0), (6, 0)), hands=(far_hand, (lx, ly)), near_bend=1 if frame == 1 else -1,
                far_bend=1, face='smile' if frame == 1 else 'open', bow=-3 if frame == 1 else 10,
                tilt=-5 if frame == 1 else 2, hat_flop=-2.5 if frame == 1 else 3,
                eyes='open')
    E.place(p, origin[0], origin[1], s, mirror=True)
    E.elf(p, E.RED_ELF, pose)
    E.unplace(p)
    hammer(p, hand, angle)
    if frame == 2:
        p.fill(p.poly(star_pts(27, 21, 4.2, 0.33)), WARM_HI, None, None, sw=1.1)
        p.fill(p.poly(star_pts(20, 16, 2.2, 0.35)), WARM_HI, None, None, sw=1.0)
    return p


def make(out):
    for f in range(1, 6):
        elf_jack(f).save(f'{out}/ElfJack{f}.svg')
    for f in (1, 2):
        elf_work(f).save(f'{out}/ElfWork{f}.svg')
