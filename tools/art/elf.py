"""The workshop elf, in a canonical frame about 62 units tall (feet at (0, 0), hat tip near
y -62), facing three-quarter to the viewer's right; mirror it to face left."""
import math
from cel import *


def place(p, x, y, s, mirror=False, lean=0.0):
    m = (s, 0, 0, s, x, y)
    if mirror:
        m = mat_mul(m, (-1, 0, 0, 1, 0, 0))
    p.push(m)
    p.push(rotation(lean, 0, 0))


def unplace(p):
    p.pop()
    p.pop()


class Look:
    def __init__(self, tunic=PINE_LT, tunic_sh=PINE, trim=RED, hat=RED, hat_sh=RED_SH,
                 hair=WOOD_LT, stocking=RED):
        self.tunic, self.tunic_sh, self.trim = tunic, tunic_sh, trim
        self.hat, self.hat_sh, self.hair, self.stocking = hat, hat_sh, hair, stocking


GREEN_ELF = Look()
RED_ELF = Look(tunic=RED, tunic_sh=RED_SH, trim=PINE_LT, hat=PINE_LT, hat_sh=PINE, hair=GOLD_SH,
               stocking=PINE_LT)


def leg(p, hip, foot, look, bend=1):
    knee = ik(hip, foot, 7.7, 7.7, bend)
    sh = p.curve([hip, knee, foot])
    p.limb(sh, 4.6, CANDY, SNOW_MID, sw=1.8)
    # stockings striped by a dashed overlay
    p.raw(f'<path d="{sh.d}" fill="none" stroke="{look.stocking}" stroke-width="4.6" '
          f'stroke-dasharray="2.2 2.2" stroke-linecap="butt" stroke-linejoin="round"/>')
    return knee


def shoe(p, x, y, look):
    p.fill(p.blob([(x - 3.5, y + 0.5, 'c'), (x - 3.8, y - 3), (x + 1, y - 4.2), (x + 6, y - 2.5),
                   (x + 9.5, y - 5.5), (x + 10.5, y - 3.2), (x + 8, y + 0.5, 'c')]),
           look.tunic, look.tunic_sh, None, sw=1.6, d=1.2)


def arm(p, shoulder, hand, look, bend=-1, mitten=True):
    el = ik(shoulder, hand, 7.5, 7.5, bend)
    p.limb(p.curve([shoulder, el, hand]), 4.4, look.tunic, look.tunic_sh, sw=1.8)
    p.fill(p.ell(hand[0], hand[1], 2.7, 2.7), SKIN, SKIN_SH, None, sw=1.6, d=0.9)


def head(p, look, face='smile', tilt=0.0, eyes='open', hat_flop=0.0):
    hx, hy = 1.5, -39
    p.push(rotation(tilt, 0, -32))
    # pointed ears, the far one tucked behind the head
    p.fill(p.blob([(-6, -42), (-13.5, -46, 'c'), (-7, -37)]), SKIN, SKIN_SH, None, sw=1.6, d=1)
    p.fill(p.ell(hx, hy, 8.6, 8.2), SKIN, SKIN_SH, '#fde3cf', d=1.8)
    p.fill(p.blob([(8, -42), (14.5, -47, 'c'), (9.5, -37)]), SKIN, SKIN_SH, None, sw=1.6, d=1)
    # a fringe of hair under the hat
    p.fill(p.blob([(-7, -44), (7, -46), (10, -43), (6, -42.5), (3, -44), (0, -42), (-3, -43.5), (-7, -40)]),
           look.hair, WOOD, None, sw=1.4, d=1)
    ex1, ex2, ey = -0.6, 6.4, -39.5
    if eyes == 'open':
        p.eye(ex1, ey, 1.75)
        p.eye(ex2, ey - 0.2, 1.6)
    elif eyes == 'shut':
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 1.6, ey - 0.3), (ex, ey + 0.8), (ex + 1.6, ey - 0.3)]), OUT, 1.2)
    elif eyes == 'strain':
        p.stroke(p.curve([(ex1 - 1.7, ey - 1), (ex1 + 1.2, ey), (ex1 - 1.7, ey + 1)]), OUT, 1.2)
        p.stroke(p.curve([(ex2 + 1.7, ey - 1), (ex2 - 1.2, ey), (ex2 + 1.7, ey + 1)]), OUT, 1.2)
    p.fill(p.ell(ex1 - 2.3, ey + 3.4, 1.9, 1.1), CHEEK, None, outline=False, opacity=0.85)
    p.fill(p.ell(ex2 + 2.2, ey + 3.2, 1.7, 1.0), CHEEK, None, outline=False, opacity=0.85)
    p.fill(p.ell(3.6, ey + 3.0, 1.5, 1.2), '#e8907a', None, outline=False)
    if face == 'smile':
        p.stroke(p.curve([(0.8, ey + 5.4), (3.4, ey + 6.9), (6, ey + 5.4)]), OUT, 1.2)
    elif face == 'open':
        p.fill(p.blob([(1.2, ey + 5.2), (5.8, ey + 5), (3.6, ey + 8)]), RED_DK, None, sw=1.2)
    elif face == 'grit':
        p.fill(p.rrect(1, ey + 5, 5, 2.2, 1), CANDY, None, sw=1.1)
    # pointed hat, its tip flopping back with a bell
    f = hat_flop
    cone = p.blob([(-9.5, -44.5, 'c'), (-6, -54), (-9 - f, -61 + f * 0.3), (-15 - f * 1.5, -62 + f),
                   (-11 - f, -59 + f * 0.4), (-3, -58), (5, -52), (11.5, -44.5, 'c')])
    p.fill(cone, look.hat, look.hat_sh, None, d=1.8)
    p.fill(p.rrect(-10.5, -47.5, 23, 5, 2.5), CANDY, SNOW_MID, None, sw=1.6, d=1.2)
    bx, by = -15.5 - f * 1.5, -62 + f
    p.fill(p.ell(bx, by, 2.6, 2.6), GOLD, GOLD_SH, GOLD_HI, sw=1.4, d=0.8)
    p.pop()


def torso(p, look, belt=True):
    p.fill(p.blob([(-6, -32), (6.5, -32), (9, -22), (12, -13, 'c'), (8, -11.5), (4, -13.5),
                   (0, -11.5), (-4, -13.5), (-8, -11.5), (-11.5, -13, 'c'), (-8.5, -22)]),
           look.tunic, look.tunic_sh, None, d=2.2)
    if belt:
        p.fill(p.blob([(-9, -21, 'c'), (9.4, -21, 'c'), (9.8, -18, 'c'), (-9.6, -18, 'c')]),
               PBLACK, None, None, sw=1.4)
        p.fill(p.rrect(1, -21.6, 4.2, 4.2, 0.8), GOLD, None, None, sw=1.2)
    # pointed collar
    p.fill(p.blob([(-6.5, -33, 'c'), (7, -33, 'c'), (8, -29, 'c'), (4.5, -30.5, 'c'), (1.5, -27.5, 'c'),
                   (-1.5, -30.5, 'c'), (-5, -28, 'c'), (-7.5, -30.5, 'c')]), look.trim, None, None, sw=1.4)


def elf(p, look, pose):
    """pose: dict with feet (two points), hip drop, hands (far, near), face, eyes, tilt,
    and an optional 'prop' callback drawn between the far arm and the body, and 'front_prop'
    drawn over the near hand."""
    drop = pose.get('drop', 0)
    hipy = -16 + drop
    fa, fn = pose.get('feet', ((-4.5, -1), (5.5, 0)))
    far_hand, near_hand = pose.get('hands', ((-9, -18), (10, -18)))
    sh_far, sh_near = (-5.5, -29.5 + drop), (6.5, -29.5 + drop)
    bow = pose.get('bow', 0)
    if bow:
        r = rotation(bow, 0, -14 + drop)
        sh_far = (r[0] * sh_far[0] + r[2] * sh_far[1] + r[4], r[1] * sh_far[0] + r[3] * sh_far[1] + r[5])
        sh_near = (r[0] * sh_near[0] + r[2] * sh_near[1] + r[4], r[1] * sh_near[0] + r[3] * sh_near[1] + r[5])
    p.push((1, 0, 0, 1, 0, 0))
    # far leg and arm first, then body, head, near limbs
    leg(p, (-3.5, hipy), (fa[0], fa[1] - 1.5), look, 1)
    shoe(p, fa[0], fa[1], look)
    arm(p, sh_far, far_hand, look, pose.get('far_bend', -1))
    if pose.get('prop'):
        pose['prop'](p)
    leg(p, (3.5, hipy), (fn[0], fn[1] - 1.5), look, 1)
    shoe(p, fn[0], fn[1], look)
    p.push((1, 0, 0, 1, 0, drop))
    p.push(rotation(pose.get('bow', 0), 0, -14))
    torso(p, look)
    head(p, look, pose.get('face', 'smile'), pose.get('tilt', 0), pose.get('eyes', 'open'),
         pose.get('hat_flop', 0))
    p.pop()
    p.pop()
    if pose.get('held'):
        pose['held'](p)
    arm(p, sh_near, near_hand, look, pose.get('near_bend', -1))
    if pose.get('front_prop'):
        pose['front_prop'](p)
    p.pop()
