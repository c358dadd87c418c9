"""PengSkate1-2: the penguin skating leftward across the pond, a glide on each foot."""
from cel import *
import penguin as pg


def skater(name, pose):
    p = Pic(70, 72, name)
    s = 0.5
    bx, by = 38, 67
    if pose == 1:
        lean, f_far, f_near, lift, scarf_lift = -10, 70, -22, (30, -16, -25), 4
        glide = (-7, 0)
    else:
        lean, f_far, f_near, lift, scarf_lift = -14, 40, -50, (34, -10, -15), 12
        glide = (6, 0)
    p.fill(p.ell(bx - 2, by + 1.5, 17, 2), ICE_DK, None, None, outline=False, opacity=0.35)
    n = pg.place(p, bx, by, s, lean)
    # the lifted foot trails behind, partly hidden by the body
    pg.foot(p, lift[0], lift[1], lift[2], skate=True)
    pg.flipper(p, -24, -64, f_far, front=False)
    pg.scarf_tail(p, 1.0, lift=scarf_lift)
    pg.body(p, eyes='open', beak='closed')
    pg.scarf_wrap(p)
    pg.flipper(p, 22, -62, f_near, front=True)
    pg.bobble_hat(p, PINE_LT, PINE, CANDY, tilt=-6, pom_dx=6)
    pg.unplace(p, n)
    # the gliding foot stays flat on the ice whatever the lean
    n = pg.place(p, bx, by, s)
    pg.foot(p, glide[0] - 4, glide[1], 0, skate=True)
    pg.unplace(p, n)
    return p


def make(out):
    for i in (1, 2):
        skater(f'PengSkate{i}', i).save(f'{out}/PengSkate{i}.svg')
