"""Small SVG writer for the character pictures: outlined, cel-shaded parts.

Every part is built from points in picture pixels. An affine transform stack lets a pose
rotate a limb or mirror a whole figure while the shading stays fixed in picture space, so
the light always comes from the upper left, whichever way the figure turns.
"""
import math

OUT = '#2a1d2e'  # the plum outline, never pure black

# The shared palette, named as it is used on figures.
SKIN, SKIN_SH = '#f6c9a8', '#e4a782'
CHEEK = '#f0a08e'
RED, RED_SH, RED_DK = '#d8363d', '#a3212e', '#6e1624'
RED_HI = '#e85a5c'
GOLD, GOLD_SH, GOLD_HI = '#f0c04e', '#d99a36', '#fff1b8'
CANDY = '#fff6ee'
SNOW, SNOW_MID, SNOW_SH, SNOW_DEEP = '#f6f8ff', '#dde6f5', '#a9b8d6', '#7d8db3'
ICE, ICE_MID, ICE_DK, ICE_LINE = '#b9d4ea', '#8fb3d6', '#6b8fbf', '#eaf4ff'
PINE_DK, PINE, PINE_LT, PINE_HI = '#173d33', '#23573f', '#3b7a55', '#5e9c6b'
WOOD_DK, WOOD, WOOD_LT = '#4a2f24', '#6d4632', '#91633f'
WOOD_HI = '#b08258'
WARM_HI, WARM, WARM_DK = '#fff1b8', '#ffd46b', '#ffaa3b'
PBLACK, PBLACK_HI = '#1f2333', '#3a3f5e'
BEAK, BEAK_SH = '#f2a03d', '#d4782e'
DUSK_VIOLET, DUSK_PINK = '#4d4780', '#a0708f'
SKY_MID = '#2b2f5c'


def fmt(v):
    s = f'{v:.2f}'.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def mat_mul(a, b):
    # (a, b, c, d, e, f) as in SVG matrix(); result applies b first, then a.
    return (a[0] * b[0] + a[2] * b[1], a[1] * b[0] + a[3] * b[1],
            a[0] * b[2] + a[2] * b[3], a[1] * b[2] + a[3] * b[3],
            a[0] * b[4] + a[2] * b[5] + a[4], a[1] * b[4] + a[3] * b[5] + a[5])


IDENT = (1, 0, 0, 1, 0, 0)


def rotation(deg, px, py):
    r = math.radians(deg)
    c, s = math.cos(r), math.sin(r)
    return mat_mul((1, 0, 0, 1, px, py), mat_mul((c, s, -s, c, 0, 0), (1, 0, 0, 1, -px, -py)))


class Shape:
    """A path in picture pixels plus its control points (for the bounding box)."""

    def __init__(self, d, pts, closed=True):
        self.d, self.pts, self.closed = d, pts, closed

    def bbox(self):
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        return min(xs), min(ys), max(xs), max(ys)

    def __add__(self, other):
        return Shape(self.d + ' ' + other.d, self.pts + other.pts, self.closed and other.closed)


def _cr_path(pts, closed, tension=1.0):
    """Catmull-Rom through the points as cubic Beziers; a point (x, y, 'c') is a sharp corner."""
    n = len(pts)
    P = [(p[0], p[1]) for p in pts]
    corner = [len(p) > 2 and p[2] == 'c' for p in pts]
    ctrl = [P[0]]
    d = f'M{fmt(P[0][0])},{fmt(P[0][1])}'
    segs = n if closed else n - 1
    for i in range(segs):
        p0 = P[(i - 1) % n] if (closed or i > 0) else P[i]
        p1, p2 = P[i], P[(i + 1) % n]
        p3 = P[(i + 2) % n] if (closed or i + 2 < n) else P[(i + 1) % n]
        k = tension / 6.0
        c1 = p1 if corner[i] else (p1[0] + (p2[0] - p0[0]) * k, p1[1] + (p2[1] - p0[1]) * k)
        j = (i + 1) % n
        c2 = p2 if corner[j] else (p2[0] - (p3[0] - p1[0]) * k, p2[1] - (p3[1] - p1[1]) * k)
        d += (f' C{fmt(c1[0])},{fmt(c1[1])} {fmt(c2[0])},{fmt(c2[1])} '
              f'{fmt(p2[0])},{fmt(p2[1])}')
        ctrl += [c1, c2, p2]
    if closed:
        d += 'Z'
    return d, ctrl


class Pic:
    def __init__(self, w, h, title=''):
        self.w, self.h, self.title = w, h, title
        self.defs, self.body = [], []
        self.n = 0
        self.T = [IDENT]
        self.sw = 2.0  # outline width for this picture's parts
        self.out_scale = 1  # pixels per drawing unit in the built picture

    # --- transforms -----------------------------------------------------------------
    def push(self, m):
        self.T.append(mat_mul(self.T[-1], m))

    def pop(self):
        self.T.pop()

    def tp(self, x, y):
        a = self.T[-1]
        return (a[0] * x + a[2] * y + a[4], a[1] * x + a[3] * y + a[5])

    def tpts(self, pts):
        out = []
        for p in pts:
            q = self.tp(p[0], p[1])
            out.append((q[0], q[1], p[2]) if len(p) > 2 else q)
        return out

    def scale_factor(self):
        a = self.T[-1]
        return math.sqrt(abs(a[0] * a[3] - a[1] * a[2]))

    # --- shapes (points go through the current transform) ---------------------------
    def blob(self, pts, tension=1.0):
        d, c = _cr_path(self.tpts(pts), True, tension)
        return Shape(d, c, True)

    def curve(self, pts, tension=1.0):
        d, c = _cr_path(self.tpts(pts), False, tension)
        return Shape(d, c, False)

    def poly(self, pts, closed=True):
        q = self.tpts(pts)
        d = 'M' + ' L'.join(f'{fmt(x)},{fmt(y)}' for x, y, *_ in q) + ('Z' if closed else '')
        return Shape(d, [(p[0], p[1]) for p in q], closed)

    def ell(self, cx, cy, rx, ry=None, rot=0):
        ry = rx if ry is None else ry
        k = 0.5523
        self.push(rotation(rot, cx, cy))
        raw = [(cx + rx, cy), (cx + rx, cy + k * ry), (cx + k * rx, cy + ry), (cx, cy + ry),
               (cx - k * rx, cy + ry), (cx - rx, cy + k * ry), (cx - rx, cy),
               (cx - rx, cy - k * ry), (cx - k * rx, cy - ry), (cx, cy - ry),
               (cx + k * rx, cy - ry), (cx + rx, cy - k * ry), (cx + rx, cy)]
        q = self.tpts(raw)
        self.pop()
        d = f'M{fmt(q[0][0])},{fmt(q[0][1])}'
        for i in range(1, 13, 3):
            d += ' C' + ' '.join(f'{fmt(x)},{fmt(y)}' for x, y in q[i:i + 3])
        return Shape(d + 'Z', q, True)

    def rrect(self, x, y, w, h, r):
        r = min(r, w / 2, h / 2)
        pts = [(x + r, y, 'c'), (x + w - r, y, 'c'), (x + w, y + r, 'c'), (x + w, y + h - r, 'c'),
               (x + w - r, y + h, 'c'), (x + r, y + h, 'c'), (x, y + h - r, 'c'), (x, y + r, 'c')]
        q = self.tpts(pts)
        k = 0.45
        d = f'M{fmt(q[0][0])},{fmt(q[0][1])} L{fmt(q[1][0])},{fmt(q[1][1])}'
        corners = [(x + w, y), (x + w, y + h), (x, y + h), (x, y)]
        qc = self.tpts(corners)
        for i in range(4):
            a, b, c = q[2 * i + 1], qc[i], q[(2 * i + 2) % 8]
            c1 = (a[0] + (b[0] - a[0]) * (1 - k), a[1] + (b[1] - a[1]) * (1 - k))
            c2 = (c[0] + (b[0] - c[0]) * (1 - k), c[1] + (b[1] - c[1]) * (1 - k))
            d += f' C{fmt(c1[0])},{fmt(c1[1])} {fmt(c2[0])},{fmt(c2[1])} {fmt(c[0])},{fmt(c[1])}'
            if i < 3:
                n = q[2 * i + 3]
                d += f' L{fmt(n[0])},{fmt(n[1])}'
        return Shape(d + 'Z', [(p[0], p[1]) for p in q], True)

    # --- painting -------------------------------------------------------------------
    def uid(self, p='m'):
        self.n += 1
        return f'{p}{self.n}'

    def raw(self, s):
        self.body.append(s)

    def fill(self, shape, fill, shade=None, hi=None, d=None, sw=None, hi_box=None, outline=True,
             opacity=None):
        """A closed part: flat fill, a shadow crescent bottom-right, a highlight top-left."""
        sw = self.sw if sw is None else sw
        x0, y0, x1, y1 = shape.bbox()
        w, h = x1 - x0, y1 - y0
        op = f' opacity="{fmt(opacity)}"' if opacity is not None else ''
        if shade or hi:
            mid = self.uid()
            self.defs.append(f'<mask id="{mid}" maskUnits="userSpaceOnUse" x="0" y="0" '
                             f'width="{self.w}" height="{self.h}"><path d="{shape.d}" '
                             f'fill="#fff"/></mask>')
            if d is None:
                d = max(1.2, min(6.0, 0.13 * min(w, h)))
            g = [f'<g mask="url(#{mid})"{op}>']
            if shade:
                g.append(f'<path d="{shape.d}" fill="{shade}"/>')
                g.append(f'<path d="{shape.d}" fill="{fill}" '
                         f'transform="translate({fmt(-d)},{fmt(-d)})"/>')
            else:
                g.append(f'<path d="{shape.d}" fill="{fill}"/>')
            if hi:
                if hi_box is not None:
                    hx, hy, hrx, hry = hi_box
                else:
                    hx, hy = x0 + 0.3 * w, y0 + 0.26 * h
                    hrx, hry = max(0.9, 0.15 * w), max(0.7, 0.09 * h)
                g.append(f'<ellipse cx="{fmt(hx)}" cy="{fmt(hy)}" rx="{fmt(hrx)}" ry="{fmt(hry)}" '
                         f'fill="{hi}" transform="rotate(-35 {fmt(hx)} {fmt(hy)})"/>')
            g.append('</g>')
            self.body.append(''.join(g))
        else:
            self.body.append(f'<path d="{shape.d}" fill="{fill}"{op}/>')
        if outline and sw > 0:
            self.body.append(f'<path d="{shape.d}" fill="none" stroke="{OUT}" '
                             f'stroke-width="{fmt(sw)}" stroke-linejoin="round"{op}/>')

    def limb(self, shape, width, fill, shade=None, sw=None, d=None, cap='round'):
        """An open stroke with an outline: arms, legs, sticks, scarves ends."""
        sw = self.sw if sw is None else sw
        self.body.append(f'<path d="{shape.d}" fill="none" stroke="{OUT}" '
                         f'stroke-width="{fmt(width + 2 * sw)}" stroke-linecap="{cap}" '
                         f'stroke-linejoin="round"/>')
        if shade:
            mid = self.uid()
            self.defs.append(f'<mask id="{mid}" maskUnits="userSpaceOnUse" x="0" y="0" '
                             f'width="{self.w}" height="{self.h}"><path d="{shape.d}" fill="none" '
                             f'stroke="#fff" stroke-width="{fmt(width)}" stroke-linecap="{cap}" '
                             f'stroke-linejoin="round"/></mask>')
            if d is None:
                d = max(1.0, min(4.0, 0.28 * width))
            self.body.append(f'<g mask="url(#{mid})"><path d="{shape.d}" fill="none" '
                             f'stroke="{shade}" stroke-width="{fmt(width + 2 * d)}" '
                             f'stroke-linecap="{cap}" stroke-linejoin="round"/>'
                             f'<path d="{shape.d}" fill="none" stroke="{fill}" '
                             f'stroke-width="{fmt(width)}" stroke-linecap="{cap}" '
                             f'stroke-linejoin="round" transform="translate({fmt(-d)},{fmt(-d)})"/></g>')
        else:
            self.body.append(f'<path d="{shape.d}" fill="none" stroke="{fill}" '
                             f'stroke-width="{fmt(width)}" stroke-linecap="{cap}" '
                             f'stroke-linejoin="round"/>')

    def stroke(self, shape, color=OUT, width=2.0, cap='round', opacity=None, fill='none'):
        """A plain line (mouths, brows, fishing line, motion marks)."""
        op = f' opacity="{fmt(opacity)}"' if opacity is not None else ''
        self.body.append(f'<path d="{shape.d}" fill="{fill}" stroke="{color}" '
                         f'stroke-width="{fmt(width)}" stroke-linecap="{cap}" '
                         f'stroke-linejoin="round"{op}/>')

    def dot(self, x, y, r, color=OUT, opacity=None):
        cx, cy = self.tp(x, y)
        r *= self.scale_factor()
        op = f' opacity="{fmt(opacity)}"' if opacity is not None else ''
        self.body.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="{color}"{op}/>')

    def eye(self, x, y, r, glint=True):
        """A round dark eye with a small glint toward the light."""
        self.dot(x, y, r)
        if glint and r >= 1.1:
            gx, gy = self.tp(x, y)
            s = self.scale_factor()
            self.body.append(f'<circle cx="{fmt(gx - 0.35 * r * s)}" cy="{fmt(gy - 0.4 * r * s)}" '
                             f'r="{fmt(max(0.45, 0.38 * r * s))}" fill="#fff6ee"/>')

    def svg(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w * self.out_scale}" '
                f'height="{self.h * self.out_scale}" viewBox="0 0 {self.w} {self.h}">\n')
        if self.title:
            head += f'<title>{self.title}</title>\n'
        defs = '<defs>\n' + '\n'.join(self.defs) + '\n</defs>\n' if self.defs else ''
        return head + defs + '\n'.join(self.body) + '\n</svg>\n'

    def save(self, path):
        with open(path, 'w') as f:
            f.write(self.svg())


def ik(s, t, a, b, bend=1):
    """Elbow (or knee) of a two-segment limb from s toward t with segment lengths a and b;
    bend picks the side the joint pokes out to (+1: left of the s->t direction)."""
    dx, dy = t[0] - s[0], t[1] - s[1]
    d = math.hypot(dx, dy)
    d = max(1e-6, min(d, a + b - 1e-3))
    x = (a * a - b * b + d * d) / (2 * d)
    h = math.sqrt(max(0.0, a * a - x * x))
    ux, uy = dx / d, dy / d
    return (s[0] + ux * x + bend * uy * h, s[1] + uy * x - bend * ux * h)


def toward(s, t, length):
    dx, dy = t[0] - s[0], t[1] - s[1]
    d = math.hypot(dx, dy) or 1
    return (s[0] + dx / d * length, s[1] + dy / d * length)


def star_pts(x, y, r, inner=0.38, n=4, rot=0):
    pts = []
    for k in range(2 * n):
        a = math.radians(rot - 90 + k * 180 / n)
        rr = r if k % 2 == 0 else r * inner
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a), 'c'))
    return pts
