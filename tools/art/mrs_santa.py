"""MrsSantaSkate1-4 and 1b-4b: Mrs Santa skating, four whole poses and their turned-round
variants (arms swapped, scarf and skirt swinging the other way, a different face)."""
import math
from cel import *
import skater as S

W, H = 160, 115
DRESS, DRESS_SH, DRESS_HI = RED, RED_SH, RED_HI
SCARF, SCARF_SH, SCARF_STRIPE = GOLD, GOLD_SH, RED
MITT, MITT_SH = PINE_LT, PINE
HAIR, HAIR_SH = SNOW, SNOW_SH
TIGHTS = PBLACK

POSES = {
    1: dict(name='glide', far_ankle=(-7, -10), far_boot=0, near_ankle=(33, -24), near_boot=-20,
            far_hand=(-46, -70), near_hand=(44, -76), lean=-6, face='smile', eyes='open',
            scarf_lift=6, skirt=6, support='far'),
    2: dict(name='twirl', far_ankle=(-6, -10), far_boot=0, near_ankle=(6, -13), near_boot=-35,
            far_hand=(-4, -104), near_hand=(4, -105), far_elbow=(-25, -88), near_elbow=(24, -89),
            lean=0, face='open', eyes='shut', scarf_lift=16, skirt=14, flare=9, support='far'),
    3: dict(name='muff', far_ankle=(-6, -10), far_boot=0, near_ankle=(22, -18), near_boot=-12,
            far_hand=(-4, -48), near_hand=(6, -48), lean=-4, face='smile', eyes='shut',
            scarf_lift=4, skirt=4, support='far', muff=True),
    4: dict(name='arabesque', far_ankle=(-6, -10), far_boot=0, near_ankle=(42, -44), near_boot=-38,
            far_hand=(-44, -94), near_hand=(38, -60), lean=-15, face='open', eyes='open',
            scarf_lift=11, skirt=9, support='far'),
}
B_CHANGES = {
    1: dict(face='open', eyes='shut', scarf_lift=10),
    2: dict(face='smile', eyes='open', scarf_lift=12),
    3: dict(face='open', eyes='open', scarf_lift=7),
    4: dict(face='smile', eyes='shut', scarf_lift=8),
}


def skirt(p, sway, flare=0):
    """Flared skirt from the waist; sway pushes the hem to the viewer's right."""
    f = flare
    hem = [(-24 - f + sway * 0.3, -27), (-14 - f * 0.5 + sway * 0.6, -24), (-2 + sway * 0.8, -26),
           (10 + f * 0.5 + sway, -23.5), (22 + f + sway * 1.1, -27)]
    pts = [(-11, -58), (11, -58), (18 + f * 0.6 + sway * 0.4, -42), hem[-1]] + list(reversed(hem[:-1])) + \
          [(-18 - f * 0.6 + sway * 0.1, -42)]
    p.fill(p.blob(pts), DRESS, DRESS_SH, DRESS_HI, d=4, hi_box=(-9, -48, 3.5, 5))
    # pleats
    for t in (-0.5, 0.1, 0.6):
        top = (t * 16, -54)
        bot = (t * 40 + sway * 0.7, -28)
        p.stroke(p.curve([top, bot]), DRESS_SH, 1.4)
    p.limb(p.curve(hem), 5.5, S.FUR, S.FUR_SH)


def bodice(p):
    p.fill(p.blob([(-11, -69), (-4, -73), (5, -73), (12, -69), (13, -60), (11.5, -55, 'c'), (-11.5, -55, 'c'),
                   (-13, -61)]), DRESS, DRESS_SH, DRESS_HI, d=2.4)
    # white apron-front and fur collar
    p.fill(p.blob([(-5.5, -66), (4.5, -66), (6, -58), (-6.5, -58)]), CANDY, SNOW_MID, None, sw=1.6, d=1)
    p.fill(p.rrect(-13.5, -59.5, 27, 5, 2.5), PINE_LT, PINE, None, sw=1.6, d=1.2)
    p.fill(p.ell(-0.5, -57, 2.6, 2.6), GOLD, GOLD_SH, None, sw=1.4, d=0.8)


def scarf_wrap(p):
    p.fill(p.blob([(-12, -73), (0, -70), (12, -73.5), (12.5, -67.5), (0, -64), (-12.5, -67.5)]),
           SCARF, SCARF_SH, None, d=1.6)
    for sx in (-7, 6):
        p.limb(p.curve([(sx, -72), (sx + 0.5, -66)]), 2.4, SCARF_STRIPE, None, sw=0)


def head(p, c):
    hx, hy = -2, -83
    # the bun behind, with a sprig of holly
    p.fill(p.ell(hx + 1.5, hy - 12, 6.5, 5.2), HAIR, HAIR_SH, None, d=1.8)
    p.stroke(p.curve([(hx - 2, hy - 12.5), (hx + 1.5, hy - 15), (hx + 5, hy - 12)]), HAIR_SH, 1.2)
    for ang in (-35, 25):
        p.push(rotation(ang, hx + 6, hy - 17))
        p.fill(p.blob([(hx + 6, hy - 17, 'c'), (hx + 9, hy - 21), (hx + 13, hy - 21.5, 'c'), (hx + 11, hy - 18),
                       (hx + 13, hy - 15.5, 'c'), (hx + 9, hy - 15)]), PINE_LT, PINE, None, sw=1.4, d=0.8)
        p.pop()
    for bx, by in ((hx + 5, hy - 18.5), (hx + 7.8, hy - 17), (hx + 5.6, hy - 15.6)):
        p.fill(p.ell(bx, by, 1.7, 1.7), RED, RED_SH, None, sw=1.2, d=0.5)
    p.fill(p.ell(hx, hy, 11.5, 11), SKIN, SKIN_SH, '#fde3cf', d=2.2)
    # white hair swept up, curls over the ears
    p.fill(p.blob([(hx - 12, hy + 2), (hx - 12.5, hy - 6), (hx - 6, hy - 12), (hx + 4, hy - 12.5), (hx + 11, hy - 8),
                   (hx + 12.5, hy + 1), (hx + 9.5, hy - 1), (hx + 7, hy - 6.5), (hx, hy - 7.5), (hx - 6, hy - 6),
                   (hx - 9, hy - 1)]), HAIR, HAIR_SH, None, d=1.8)
    ex1, ex2, ey = hx - 5.5, hx + 3.6, hy - 0.5
    eyes = c['eyes']
    if eyes == 'open':
        p.eye(ex1, ey, 1.8)
        p.eye(ex2, ey - 0.2, 1.7)
    else:
        for ex in (ex1, ex2):
            p.stroke(p.curve([(ex - 2.2, ey - 0.4), (ex, ey + 1.1), (ex + 2.2, ey - 0.4)]), OUT, 1.4)
    # gold spectacles
    for ex in (ex1, ex2):
        p.stroke(p.ell(ex, ey, 3.5, 3.1), GOLD_SH, 1.3)
    p.stroke(p.curve([(ex1 + 3.4, ey - 0.6), (ex2 - 3.4, ey - 0.8)]), GOLD_SH, 1.2)
    p.fill(p.ell(ex1 - 2.5, ey + 5, 2.7, 1.7), CHEEK, None, outline=False, opacity=0.95)
    p.fill(p.ell(ex2 + 2.8, ey + 4.8, 2.5, 1.6), CHEEK, None, outline=False, opacity=0.95)
    p.fill(p.ell(hx - 1, ey + 3.4, 1.8, 1.5), '#e8907a', None, outline=False)
    mx, my = hx - 1, hy + 7
    if c['face'] == 'open':
        p.fill(p.blob([(mx - 3, my - 0.6, 'c'), (mx + 3, my - 0.8, 'c'), (mx + 1.8, my + 2.4), (mx - 1.6, my + 2.4)]),
               RED_DK, None, sw=1.3)
    else:
        p.stroke(p.curve([(mx - 3, my), (mx, my + 1.6), (mx + 3, my)]), OUT, 1.4)


def figure(p, c):
    sway = c['skirt']
    far_hip, near_hip = (-6, -34), (6, -34)
    far_sh, near_sh = (-12, -67), (12, -67.5)
    S.scarf_tail(p, (7, -69), 1, c['scarf_lift'], SCARF, SCARF_SH, SCARF_STRIPE, length=40, width=8,
                 wave=c['scarf_lift'] * 0.3)
    # legs under the skirt
    S.limb2(p, far_hip, c['far_ankle'], c['far_ankle'], 6.5, TIGHTS, None, 1, 14, 13)
    S.boot(p, c['far_ankle'], c['far_boot'], CANDY, SNOW_MID, None, None, scale=0.9)
    if not c.get('muff'):
        el = S.limb2(p, far_sh, c['far_hand'], c['far_hand'], 7.5, DRESS, DRESS_SH, -1, 16, 15,
                     c.get('far_elbow'))
        S.cuffed_hand(p, el, c['far_hand'], 7.5, DRESS, DRESS_SH, S.FUR, S.FUR_SH, MITT, MITT_SH, r=4.2)
    na = c['near_ankle']
    S.limb2(p, near_hip, na, na, 6.5, TIGHTS, None, 1 if na[0] < 25 else -1, 14, 13)
    S.boot(p, na, c['near_boot'], CANDY, SNOW_MID, None, None, scale=0.9)
    skirt(p, sway, c.get('flare', 0))
    bodice(p)
    scarf_wrap(p)
    head(p, c)
    if c.get('muff'):
        for sh, hand in ((far_sh, c['far_hand']), (near_sh, c['near_hand'])):
            S.limb2(p, sh, hand, hand, 7.5, DRESS, DRESS_SH, 1, 13, 13)
        p.fill(p.rrect(-11, -53, 20, 11, 5.5), S.FUR, S.FUR_SH, None, d=2)
        for x in (-5, 1):
            p.stroke(p.curve([(x, -52), (x + 0.5, -43)]), S.FUR_SH, 1.2)
    else:
        el = S.limb2(p, near_sh, c['near_hand'], c['near_hand'], 7.5, DRESS, DRESS_SH,
                     1 if c['near_hand'][1] > -70 else -1, 16, 15, c.get('near_elbow'))
        S.cuffed_hand(p, el, c['near_hand'], 7.5, DRESS, DRESS_SH, S.FUR, S.FUR_SH, MITT, MITT_SH, r=4.2)


def picture(n, turned):
    name = f'MrsSantaSkate{n}{"b" if turned else ""}'
    p = Pic(W, H, name)
    pose = dict(POSES[n])
    if turned:
        pose.update(B_CHANGES[n])
    m = (0.95, 0, 0, 0.95, 80, 110)
    if turned:
        m = mat_mul(m, (-1, 0, 0, 1, 0, 0))
    p.push(m)
    sup = pose['far_ankle']
    S.ice_shadow(p, sup[0] * 0.5 + 3, 24)
    p.push(rotation(pose['lean'], sup[0], 0))
    figure(p, pose)
    p.pop()
    p.pop()
    return p


def make(out):
    for n in range(1, 5):
        for turned in (False, True):
            pic = picture(n, turned)
            pic.save(f'{out}/{pic.title}.svg')
