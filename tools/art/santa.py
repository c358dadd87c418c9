"""SantaSkate1-5 and 1b-5b: Santa skating. Each picture is a whole skating pose (one is
picked at random every two seconds); the 'b' pictures are the same moves turned the other
way, the arms swapped, the scarf flying to the other side, the face a little different."""
import math
from cel import *
import skater as S

W, H = 170, 120
SCARF, SCARF_SH, SCARF_STRIPE = PINE_LT, PINE, CANDY

POSES = {
    # support ankle, free ankle (+boot angles), hands (far = viewer's left), lean, face
    1: dict(name='glide', far_ankle=(-9, -10), far_boot=0, near_ankle=(36, -27), near_boot=-22,
            far_hand=(-50, -76), near_hand=(47, -80), lean=-5, face='smile', eyes='open',
            scarf_lift=6, hat_flop=0, support='far'),
    2: dict(name='speed', far_ankle=(-36, -17), far_boot=14, near_ankle=(5, -10), near_boot=0,
            far_hand=(6, -50), near_hand=(14, -50), hands_behind=True, lean=-13, face='grin',
            eyes='open', scarf_lift=2, hat_flop=6, support='near', bob=2),
    3: dict(name='arabesque', far_ankle=(-7, -10), far_boot=0, near_ankle=(44, -48), near_boot=-40,
            far_hand=(-46, -100), near_hand=(40, -60), lean=-15, face='ho', eyes='shut',
            scarf_lift=12, hat_flop=3, support='far'),
    4: dict(name='wave', far_ankle=(-12, -10), far_boot=0, near_ankle=(13, -10), near_boot=0,
            far_hand=(-36, -114), near_hand=(6, -56), lean=0, face='ho', eyes='shut',
            scarf_lift=5, hat_flop=-2, support='both', wave=True),
    5: dict(name='spread', far_ankle=(-27, -10), far_boot=-8, near_ankle=(27, -10), near_boot=8,
            far_hand=(-42, -108), near_hand=(42, -106), lean=0, face='laugh', eyes='happy',
            scarf_lift=14, hat_flop=-4, support='both', bob=3),
}
# the turned-round variants: same moves, a different face and hat swing
B_CHANGES = {
    1: dict(face='ho', eyes='happy', hat_flop=4, scarf_lift=10),
    2: dict(face='smile', eyes='open', hat_flop=2, scarf_lift=5),
    3: dict(face='laugh', eyes='happy', hat_flop=-2, scarf_lift=8),
    4: dict(face='smile', eyes='open', hat_flop=3, scarf_lift=9),
    5: dict(face='ho', eyes='shut', hat_flop=2, scarf_lift=10),
}

SUIT, SUIT_SH, SUIT_HI = RED, RED_SH, RED_HI
GLOVE, GLOVE_SH = PBLACK, PBLACK_HI


def santa(p, pose):
    c = dict(pose)
    bob = c.get('bob', 0)
    hips_y = -34 + bob
    far_hip, near_hip = (-10, hips_y), (10, hips_y)
    far_sh, near_sh = (-20, -72 + bob), (19, -73 + bob)
    # scarf ends fly behind (to the viewer's right for a figure facing left)
    S.scarf_tail(p, (8, -75 + bob), 1, c['scarf_lift'], SCARF, SCARF_SH, SCARF_STRIPE, length=46,
                 width=10, wave=c['scarf_lift'] * 0.3)
    # far leg and far arm behind the body
    for hip, ankle, ang, bend in ((far_hip, c['far_ankle'], c['far_boot'], 1),):
        S.limb2(p, hip, ankle, ankle, 11, SUIT, SUIT_SH, bend, 13, 13)
        S.boot(p, ankle, ang, PBLACK, PBLACK_HI, S.FUR, S.FUR_SH)
    if c.get('hands_behind'):
        for sh, hand in ((far_sh, c['far_hand']), (near_sh, c['near_hand'])):
            el = S.limb2(p, sh, hand, hand, 10, SUIT, SUIT_SH, 1, 15, 14)
    else:
        el = S.limb2(p, far_sh, c['far_hand'], c['far_hand'], 10, SUIT, SUIT_SH, -1, 16, 15)
        S.cuffed_hand(p, el, c['far_hand'], 10, SUIT, SUIT_SH, S.FUR, S.FUR_SH, GLOVE, GLOVE_SH,
                      r=5.4)
        if c.get('wave'):
            wave_marks(p, c['far_hand'])
    hip, ankle = near_hip, c['near_ankle']
    S.limb2(p, hip, ankle, ankle, 11, SUIT, SUIT_SH, 1 if ankle[0] < 30 else -1, 13, 13)
    S.boot(p, ankle, c['near_boot'], PBLACK, PBLACK_HI, S.FUR, S.FUR_SH)
    body(p, bob)
    head(p, bob, c)
    if not c.get('hands_behind'):
        el = S.limb2(p, near_sh, c['near_hand'], c['near_hand'], 10, SUIT, SUIT_SH,
                     1 if c['near_hand'][1] > -70 else -1, 16, 15)
        S.cuffed_hand(p, el, c['near_hand'], 10, SUIT, SUIT_SH, S.FUR, S.FUR_SH, GLOVE, GLOVE_SH,
                      r=5.4)


def wave_marks(p, hand):
    x, y = hand
    for k in (0, 1):
        r = 9 + k * 4
        p.stroke(p.curve([(x - r * 0.9, y - r * 0.2), (x - r * 0.6, y - r * 0.8), (x - r * 0.1, y - r)]),
                 SNOW, 1.8, opacity=0.9)


def body(p, bob):
    y = bob
    coat = p.blob([(-24, -70 + y), (-13, -80 + y), (12, -81 + y), (24, -72 + y), (28, -56 + y),
                   (27, -40 + y), (25, -31 + y, 'c'), (-26, -31 + y, 'c'), (-28, -42 + y), (-28, -58 + y)])
    p.fill(coat, SUIT, SUIT_SH, SUIT_HI, d=5, hi_box=(-15, -66 + y, 5.5, 3))
    # fur down the front, slightly to the side he faces
    p.fill(p.rrect(-9.5, -77 + y, 6.5, 44, 3), S.FUR, S.FUR_SH, None, sw=1.8, d=1.4)
    # belt and buckle
    belt = p.blob([(-28.5, -54 + y, 'c'), (-8, -51 + y), (28.5, -55 + y, 'c'), (28.4, -48 + y, 'c'),
                   (-8, -44 + y), (-28.6, -47 + y, 'c')])
    p.fill(belt, PBLACK, None, PBLACK_HI, d=1, hi_box=(-18, -51 + y, 5, 1.2))
    p.fill(p.rrect(-12.5, -53 + y, 10.5, 9, 1.8), GOLD, GOLD_SH, GOLD_HI, sw=1.8, d=1.4)
    p.fill(p.rrect(-9.6, -50.5 + y, 4.6, 4, 0.8), PBLACK, None, None, sw=1.2)
    # fur hem
    p.fill(p.blob([(-28, -35 + y, 'c'), (-8, -33.5 + y), (26.5, -35.5 + y, 'c'), (26.5, -28.5 + y, 'c'),
                   (-8, -26 + y), (-28.5, -28 + y, 'c')]), S.FUR, S.FUR_SH, None, d=2)
    # the scarf wound at the neck
    p.fill(p.blob([(-16, -80 + y), (0, -76 + y), (15, -80 + y), (16, -73 + y), (0, -69 + y), (-17, -73 + y)]),
           SCARF, SCARF_SH, None, d=1.8)
    for sx in (-9, 8):
        p.limb(p.curve([(sx, -78 + y), (sx + 0.6, -71 + y)]), 2.6, SCARF_STRIPE, None, sw=0)


def head(p, bob, c):
    y = bob
    hx, hy = -3, -91 + y
    # ears, head
    p.fill(p.ell(hx + 12.5, hy + 1, 3.2, 4), SKIN, SKIN_SH, None, sw=1.8, d=1)
    p.fill(p.ell(hx, hy, 13, 12.5), SKIN, SKIN_SH, '#fde3cf', d=2.5)
    # beard
    beard = p.blob([(hx - 14.5, hy - 2), (hx - 16, hy + 7), (hx - 12, hy + 17), (hx - 6, hy + 23),
                    (hx + 1, hy + 26), (hx + 6, hy + 21), (hx + 11, hy + 15), (hx + 14, hy + 6),
                    (hx + 13, hy - 1), (hx + 8, hy + 4), (hx - 2, hy + 5.5), (hx - 10, hy + 4)])
    p.fill(beard, S.FUR, S.FUR_SH, None, d=3)
    for (ax, ay, bx_, by_) in ((hx - 8, hy + 12, hx - 5, hy + 18), (hx + 4, hy + 13, hx + 3, hy + 20),
                               (hx - 1, hy + 17, hx + 0.5, hy + 23)):
        p.stroke(p.curve([(ax, ay), (bx_, by_)]), S.FUR_SH, 1.4)
    # face
    ex1, ex2, ey = hx - 6.5, hx + 3.8, hy - 3
    eyes = c['eyes']
    if eyes == 'open':
        p.eye(ex1, ey, 2.1)
        p.eye(ex2, ey - 0.3, 1.95)
    else:
        for ex in (ex1, ex2):
            if eyes == 'happy':
                p.stroke(p.curve([(ex - 2.4, ey + 0.8), (ex, ey - 1.5), (ex + 2.4, ey + 0.8)]), OUT, 1.6)
            else:  # 'shut': a contented curve
                p.stroke(p.curve([(ex - 2.4, ey - 0.6), (ex, ey + 1.2), (ex + 2.4, ey - 0.6)]), OUT, 1.6)
    # bushy brows
    for ex, s in ((ex1, -1), (ex2, 1)):
        p.fill(p.blob([(ex - 3.6, ey - 3.2), (ex, ey - 5.6), (ex + 3.6, ey - 3.8), (ex, ey - 3.6)]),
               S.FUR, S.FUR_SH, None, sw=1.4, d=0.8)
    p.fill(p.ell(ex1 - 2.5, ey + 4.5, 3, 1.9), CHEEK, None, outline=False, opacity=0.95)
    p.fill(p.ell(ex2 + 3.2, ey + 4.2, 2.8, 1.8), CHEEK, None, outline=False, opacity=0.95)
    # mouth under the moustache
    mx, my = hx - 1.5, hy + 9.5
    face = c['face']
    if face in ('ho', 'laugh'):
        rr = 3.2 if face == 'ho' else 4.2
        p.fill(p.ell(mx, my + 1, rr * 0.9, rr), RED_DK, None, sw=1.6)
        p.fill(p.ell(mx, my + 2.4, rr * 0.55, rr * 0.4), CHEEK, None, outline=False)
    elif face == 'grin':
        p.fill(p.blob([(mx - 4, my - 0.5, 'c'), (mx + 4, my - 0.5, 'c'), (mx, my + 3.5)]), RED_DK, None, sw=1.5)
    else:
        p.stroke(p.curve([(mx - 3.5, my + 0.2), (mx, my + 2), (mx + 3.5, my + 0.2)]), OUT, 1.5)
    # moustache and nose
    for s in (-1, 1):
        p.fill(p.blob([(mx, my - 3.5), (mx + s * 5, my - 5), (mx + s * 9.5, my - 2.8), (mx + s * 11, my + 0.8),
                       (mx + s * 6.5, my - 0.2), (mx + s * 2, my - 0.6)]), S.FUR, S.FUR_SH, None, sw=1.6, d=1)
    p.fill(p.ell(mx, my - 5, 3.4, 3), '#eb8f80', '#d8736b', '#f8c0b0', sw=1.6, d=1)
    # hat: fur brim, red body flopping behind, pompom
    f = c.get('hat_flop', 0)
    body_pts = [(hx - 13, hy - 10, 'c'), (hx - 9, hy - 21), (hx + 1, hy - 26), (hx + 11, hy - 24),
                (hx + 21 + f, hy - 18 + f * 0.6), (hx + 27 + f * 1.2, hy - 9 + f * 0.9),
                (hx + 24 + f, hy - 8 + f * 0.5), (hx + 17, hy - 13), (hx + 14, hy - 9, 'c')]
    p.fill(p.blob(body_pts), SUIT, SUIT_SH, SUIT_HI, d=2.6)
    p.fill(p.blob([(hx - 15.5, hy - 6), (hx - 14, hy - 12.5), (hx, hy - 15), (hx + 13, hy - 13), (hx + 15.5, hy - 8),
                   (hx + 13, hy - 5), (hx, hy - 7.5), (hx - 13, hy - 3.5)]), S.FUR, S.FUR_SH, None, d=2)
    px, py = hx + 28 + f * 1.3, hy - 6 + f
    p.fill(p.ell(px, py, 5.2, 5), S.FUR, S.FUR_SH, None, d=1.6)


def picture(n, turned):
    name = f'SantaSkate{n}{"b" if turned else ""}'
    p = Pic(W, H, name)
    pose = dict(POSES[n])
    if turned:
        pose.update(B_CHANGES[n])
    # support foot under the middle; the lean pivots on it
    cx = 85 + (pose.get('shift', 0))
    m = (0.87, 0, 0, 0.87, cx, 114.5)
    if turned:
        m = mat_mul(m, (-1, 0, 0, 1, 0, 0))
    p.push(m)
    sup = pose['far_ankle'] if pose['support'] == 'far' else (
        pose['near_ankle'] if pose['support'] == 'near' else (0, 0))
    S.ice_shadow(p, sup[0] * 0.6, 30 if pose['support'] == 'both' else 24)
    p.push(rotation(pose['lean'], sup[0], 0))
    santa(p, pose)
    p.pop()
    p.pop()
    return p


def make(out):
    for n in range(1, 6):
        for turned in (False, True):
            pic = picture(n, turned)
            pic.save(f'{out}/{pic.title}.svg')
