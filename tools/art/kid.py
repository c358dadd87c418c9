"""A village child in a winter coat, canonical frame: feet at (0, 0), about 52 units tall,
facing three-quarter to the viewer's right (mirror to face left)."""
import math
from cel import *


class Look:
    def __init__(self, coat, coat_sh, coat_hi, hat, hat_sh, scarf, scarf_sh, pom=CANDY,
                 hair=WOOD, boots=WOOD_DK):
        self.coat, self.coat_sh, self.coat_hi = coat, coat_sh, coat_hi
        self.hat, self.hat_sh, self.scarf, self.scarf_sh = hat, hat_sh, scarf, scarf_sh
        self.pom, self.hair, self.boots = pom, hair, boots


RED_KID = Look(RED, RED_SH, RED_HI, PINE_LT, PINE, PINE_LT, PINE, CANDY, WOOD)
BLUE_KID = Look(ICE_DK, DUSK_VIOLET, ICE_MID, RED, RED_SH, GOLD, GOLD_SH, CANDY, GOLD_SH)


def place(p, x, y, s=1.0, mirror=False, lean=0.0):
    m = (s, 0, 0, s, x, y)
    if mirror:
        m = mat_mul(m, (-1, 0, 0, 1, 0, 0))
    p.push(m)
    p.push(rotation(lean, 0, 0))


def unplace(p):
    p.pop()
    p.pop()


def rot_pt(pt, deg, c):
    r = rotation(deg, c[0], c[1])
    return (r[0] * pt[0] + r[2] * pt[1] + r[4], r[1] * pt[0] + r[3] * pt[1] + r[5])


def leg(p, hip, foot, look, bend=1):
    knee = ik(hip, foot, 7.6, 7.6, bend)
    p.limb(p.curve([hip, knee, foot]), 5.6, PBLACK, None, sw=1.8)
    return knee


def boot(p, x, y, look, angle=0):
    p.push(rotation(angle, x, y))
    p.fill(p.blob([(x - 3.8, y + 0.6, 'c'), (x - 4, y - 4), (x + 1.5, y - 4.6), (x + 4, y - 2.5),
                   (x + 7.5, y - 2), (x + 7.6, y + 0.6, 'c')]), look.boots, WOOD_DK, None, sw=1.7, d=1.1)
    p.pop()


def arm(p, shoulder, hand, look, bend=-1, ball=False):
    el = ik(shoulder, hand, 7.6, 7.6, bend)
    p.limb(p.curve([shoulder, el, hand]), 5.0, look.coat, look.coat_sh, sw=1.8)
    p.fill(p.ell(hand[0], hand[1], 3.0, 2.8), look.scarf, look.scarf_sh, None, sw=1.6, d=1)
    if ball:
        snowball_local(p, hand[0] + 0.5, hand[1] - 3.5)


def snowball_local(p, x, y, r=3.4):
    p.fill(p.ell(x, y, r, r), SNOW, SNOW_SH, None, sw=1.5, d=1.2)


def face(p, hx, hy, expr, eyes, snowy=False):
    ex1, ex2, ey = hx - 2.6, hx + 4.2, hy + 0.5
    if eyes == 'open':
        p.eye(ex1, ey, 1.8)
        p.eye(ex2, ey - 0.2, 1.65)
    elif eyes == 'wide':
        for ex, r in ((ex1, 2.4), (ex2, 2.2)):
            p.fill(p.ell(ex, ey, r, r * 1.1), CANDY, None, sw=1.1)
            p.dot(ex + 0.3, ey + 0.2, r * 0.55)
    elif eyes == 'shut':  # laughing: happy arcs
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 1.9, ey + 0.6), (ex, ey - 1.3), (ex + 1.9, ey + 0.6)]), OUT, 1.3)
    elif eyes == 'squeeze':  # hit: pressed shut
        p.stroke(p.curve([(ex1 - 2, ey - 1.2), (ex1 + 1.4, ey), (ex1 - 2, ey + 1.2)]), OUT, 1.3)
        p.stroke(p.curve([(ex2 + 2, ey - 1.2), (ex2 - 1.4, ey), (ex2 + 2, ey + 1.2)]), OUT, 1.3)
    elif eyes == 'narrow':  # aiming
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 1.8, ey), (ex + 1.8, ey - 0.3)]), OUT, 1.6)
    p.fill(p.ell(ex1 - 2.3, ey + 3.6, 2.1, 1.2), CHEEK, None, outline=False, opacity=0.9)
    p.fill(p.ell(ex2 + 2.2, ey + 3.4, 1.9, 1.1), CHEEK, None, outline=False, opacity=0.9)
    p.fill(p.ell(hx + 1.4, ey + 2.6, 1.4, 1.1), '#e8907a', None, outline=False)
    my = ey + 5.4
    if expr == 'smile':
        p.stroke(p.curve([(hx - 1.2, my), (hx + 1.2, my + 1.3), (hx + 3.6, my)]), OUT, 1.2)
    elif expr == 'grin':
        p.fill(p.blob([(hx - 2, my - 0.5, 'c'), (hx + 4.6, my - 0.7, 'c'), (hx + 1.4, my + 3)]), RED_DK, None, sw=1.2)
    elif expr == 'laugh':
        p.fill(p.blob([(hx - 2.4, my - 0.8, 'c'), (hx + 5, my - 1, 'c'), (hx + 3.6, my + 3.4), (hx - 0.6, my + 3.4)]),
               RED_DK, None, sw=1.2)
        p.fill(p.ell(hx + 1.3, my + 2.3, 1.6, 0.9), CHEEK, None, outline=False)
    elif expr == 'oh':
        p.fill(p.ell(hx + 1.2, my + 0.8, 1.5, 1.9), RED_DK, None, sw=1.1)
    elif expr == 'tongue':
        p.stroke(p.curve([(hx - 1.5, my), (hx + 1.2, my + 0.6), (hx + 4, my)]), OUT, 1.2)
        p.fill(p.blob([(hx - 0.2, my + 0.3), (hx + 2.6, my + 0.3), (hx + 2, my + 3.4), (hx + 0.4, my + 3.4)]),
               '#e8707a', None, sw=1.1)
    elif expr == 'pout':
        p.stroke(p.curve([(hx - 1, my + 1), (hx + 1.2, my - 0.2), (hx + 3.4, my + 1)]), OUT, 1.2)
    if snowy:  # a face full of snow
        p.fill(p.blob([(hx - 8, hy - 2), (hx - 3, hy - 6), (hx + 4, hy - 5), (hx + 9, hy - 1), (hx + 7, hy + 4),
                       (hx + 2, hy + 3), (hx - 3, hy + 5), (hx - 8, hy + 3)]), SNOW, SNOW_MID, None, sw=1.4, d=1.2)
        for (x, y) in ((hx - 1, hy - 1), (hx + 4, hy)):
            p.stroke(p.curve([(x - 1.6, y + 0.4), (x, y - 0.9), (x + 1.6, y + 0.4)]), OUT, 1.2)


def head(p, look, expr, eyes, tilt=0.0, hat_tilt=0.0, snowy=False, hat_off=False):
    hx, hy = 1.5, -38
    p.push(rotation(tilt, 0, -30))
    p.fill(p.ell(hx, hy, 9.6, 9.2), SKIN, SKIN_SH, '#fde3cf', d=2)
    # hair peeking out at the back
    p.fill(p.blob([(-8, -42), (-9.5, -36), (-7, -33), (-5, -37), (-3, -43)]), look.hair, WOOD_DK, None, sw=1.4, d=1)
    face(p, hx, hy, expr, eyes, snowy)
    if not hat_off:
        p.push(rotation(hat_tilt, hx, hy - 6))
        p.fill(p.blob([(hx - 10.5, hy - 3, 'c'), (hx - 9, hy - 11), (hx, hy - 15.5), (hx + 9, hy - 11.5),
                       (hx + 10.5, hy - 3, 'c')]), look.hat, look.hat_sh, None, d=2)
        p.fill(p.rrect(hx - 11.5, hy - 6, 23, 5, 2.5), CANDY, SNOW_MID, None, sw=1.6, d=1.2)
        p.fill(p.ell(hx - 1, hy - 17.5, 3.8, 3.6), look.pom, SNOW_MID, None, sw=1.5, d=1.1)
        p.pop()
    p.pop()


def torso(p, look, scarf_flow=1.0):
    p.fill(p.blob([(-6, -30), (7, -30), (10.5, -20), (11.5, -11.5, 'c'), (-10.5, -11.5, 'c'), (-9.5, -20)]),
           look.coat, look.coat_sh, look.coat_hi, d=2.4)
    p.stroke(p.curve([(3, -28), (3.4, -12.5)]), look.coat_sh, 1.3)
    for by in (-24, -18):
        p.dot(5, by, 0.9, look.coat_sh)
    # scarf and its loose end
    f = scarf_flow
    p.fill(p.blob([(-8 * f, -29), (-14 * f, -25), (-15 * f, -20), (-11 * f, -21), (-4 * f, -26)]), look.scarf,
           look.scarf_sh, None, sw=1.5, d=1)
    p.fill(p.rrect(-7.5, -32.5, 16, 5, 2.5), look.scarf, look.scarf_sh, None, sw=1.6, d=1.2)


def kid(p, look, pose):
    """pose keys: drop, bow, feet, hands (far, near), far_ball, near_ball, face, eyes, tilt,
    hat_tilt, snowy, sit (legs out in front, seated on the snow)."""
    drop = pose.get('drop', 0)
    bow = pose.get('bow', 0)
    # crouching pushes the hips back as the knees come forward
    hx = pose.get('hipx', -0.6 * drop if not pose.get('sit') else 0)
    pivot = (hx, -13 + drop)
    sh_far = rot_pt((7 + hx, -27.5 + drop), bow, pivot)
    sh_near = rot_pt((-5.5 + hx, -27.5 + drop), bow, pivot)
    far_hand, near_hand = pose.get('hands', ((11, -16), (-9, -16)))
    fa, fn = pose.get('feet', ((5, 0), (-4, 0)))
    hipy = -13 + drop
    if pose.get('sit'):
        # seated: legs stretched toward the viewer's right, boots up
        leg(p, (3, hipy), (14, -5.5), look, -1)
        boot(p, 15, -3.5, look, -55)
    else:
        leg(p, (3 + hx, hipy), (fa[0], fa[1] - 1.5), look, 1)
        boot(p, fa[0], fa[1], look)
    arm(p, sh_far, far_hand, look, pose.get('far_bend', 1), pose.get('far_ball', False))
    if pose.get('sit'):
        leg(p, (-2.5, hipy), (10, -4.5), look, -1)
        boot(p, 11, -2.5, look, -45)
    else:
        leg(p, (-2.5 + hx, hipy), (fn[0], fn[1] - 1.5), look, 1)
        boot(p, fn[0], fn[1], look)
    p.push((1, 0, 0, 1, hx, drop))
    p.push(rotation(bow, 0, -13))
    torso(p, look, pose.get('scarf', 1.0))
    head(p, look, pose.get('face', 'smile'), pose.get('eyes', 'open'), pose.get('tilt', 0),
         pose.get('hat_tilt', 0), pose.get('snowy', False), pose.get('hat_off', False))
    p.pop()
    p.pop()
    arm(p, sh_near, near_hand, look, pose.get('near_bend', -1), pose.get('near_ball', False))
