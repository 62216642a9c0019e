#!/usr/bin/env python3
"""Draws Phevos and Athena, the Athens 2004 pair, for Kalyxteron.

The two figures are defined once (a bell-shaped terracotta doll with a small
round head, long neck, thin arms and big feet) and posed per picture, so every
picture shares one look.  Writes:

  assets/mascots/athens2004.svg   the pair waving
  assets/diploma/centre.svg       the pair, proud, for the printed diploma
  assets/sports/<sport>.svg       the pair doing each of the 25 sports
  assets/icon/org.kalyxteron.Kalyxteron.svg   the program icon

Only the Python 3 standard library is used.  Run from anywhere:

  python3 scripts/draw_sports.py
"""

import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------- palette
INK = '#2a2440'          # every outline
SKIN, SKIN_SH = '#ffd9b3', '#f2b98c'
HAIR, HAIR_HI = '#4b2c24', '#6e4335'
CHEEK = '#ff7f8e'
MOUTH, TONGUE = '#b8284a', '#ff8fa0'
WHITE, WHITE_SH = '#ffffff', '#dfe6f2'

PHEVOS = dict(name='phevos', body='#ff8a1c', shade='#e86e0c', band='#ffd23c',
              band_sh='#f2b61e', girl=False)
ATHENA = dict(name='athena', body='#2f8ff0', shade='#1d6fd1', band='#9fe6ff',
              band_sh='#6fcff2', girl=True)

OUTW = 2.9   # outline width in picture units (kept the same at every scale)


def n(v):
    """Number with at most one decimal."""
    r = round(v, 1)
    if r == int(r):
        return str(int(r))
    return ('%.1f' % r)


def pt(p):
    return '%s,%s' % (n(p[0]), n(p[1]))


def rot(p, deg, c=(0, 0)):
    a = math.radians(deg)
    x, y = p[0] - c[0], p[1] - c[1]
    return (c[0] + x * math.cos(a) - y * math.sin(a),
            c[1] + x * math.sin(a) + y * math.cos(a))


def smooth(points, closed=False):
    """Catmull-Rom through the points, as cubic path commands (no M)."""
    P = list(points)
    if closed:
        P = [P[-1]] + P + [P[0], P[1]]
    else:
        P = [P[0]] + P + [P[-1]]
    out = []
    for i in range(1, len(P) - 2):
        p0, p1, p2, p3 = P[i - 1], P[i], P[i + 1], P[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append('C%s %s %s' % (pt(c1), pt(c2), pt(p2)))
    return ' '.join(out)


def attrs(**kw):
    s = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip('_').replace('_', '-')
        if isinstance(v, float):
            v = n(v)
        s.append('%s="%s"' % (k, v))
    return ' '.join(s)


def P(d, **kw):
    return '<path d="%s" %s/>' % (d, attrs(**kw))


def C(cx, cy, r, **kw):
    return '<circle cx="%s" cy="%s" r="%s" %s/>' % (n(cx), n(cy), n(r), attrs(**kw))


def E(cx, cy, rx, ry, **kw):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" %s/>' % (
        n(cx), n(cy), n(rx), n(ry), attrs(**kw))


def R(x, y, w, h, rx=0, **kw):
    extra = (' rx="%s"' % n(rx)) if rx else ''
    return '<rect x="%s" y="%s" width="%s" height="%s"%s %s/>' % (
        n(x), n(y), n(w), n(h), extra, attrs(**kw))


def L(x1, y1, x2, y2, **kw):
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" %s/>' % (
        n(x1), n(y1), n(x2), n(y2), attrs(**kw))


def G(content, transform=None, **kw):
    t = (' transform="%s"' % transform) if transform else ''
    a = attrs(**kw)
    return '<g%s%s>%s</g>' % (t, (' ' + a) if a else '', content)


def poly(points, closed=True):
    d = 'M' + ' L'.join(pt(p) for p in points)
    return d + ('Z' if closed else '')


def outlined(d, fill, sw, **kw):
    return P(d, fill=fill, stroke=INK, stroke_width=sw, stroke_linejoin='round',
             stroke_linecap='round', **kw)


def tube(d, fill, inner, sw):
    """A thin limb: a dark wide stroke under a lighter narrower one."""
    return (P(d, fill='none', stroke=INK, stroke_width=inner + 2 * sw * 0.72,
              stroke_linecap='round', stroke_linejoin='round') +
            P(d, fill='none', stroke=fill, stroke_width=inner,
              stroke_linecap='round', stroke_linejoin='round'))


# ================================================================ the figure
#
# Local coordinates: the feet stand on y=0, the head is at about y=-88,
# x=0 is the middle of the body.  One local unit is one picture unit at s=1.

HEAD_C = (0, -88)
HEAD_R = 15
SHOULDER = 8.5
SHOULDER_Y = -57
HIP = (6.5, -17)
BELL_TOP, BELL_BOT = -62, -16
BELL_WT, BELL_WB = 9.5, 27


def bell_w(y, wt=BELL_WT, wb=BELL_WB, top=BELL_TOP, bot=BELL_BOT):
    t = (y - top) / (bot - top)
    t = max(0.0, min(1.0, t))
    return wt + (wb - wt) * (0.22 * t + 0.78 * t ** 2.6)


def bell_path(wt=BELL_WT, wb=BELL_WB, top=BELL_TOP, bot=BELL_BOT, sag=3.5):
    ys = [top + (bot - top) * i / 8 for i in range(9)]
    right = [(bell_w(y, wt, wb, top, bot), y) for y in ys]
    left = [(-x, y) for x, y in right]
    d = 'M%s ' % pt(left[0])
    d += smooth(left) + ' '
    # hem: a gentle curve, lowest in the middle
    d += 'Q%s %s ' % (pt((0, bot + 2 * sag)), pt(right[-1]))
    d += smooth(list(reversed(right))) + ' '
    # round shoulders
    d += 'C%s %s %s Z' % (pt((wt, top - 4.5)), pt((-wt, top - 4.5)), pt(left[0]))
    return d


def bell_band(y0, y1, sag=3.5, top=BELL_TOP, bot=BELL_BOT):
    """A stripe across the bell between heights y0 (upper) and y1 (lower)."""
    ys = [y0 + (y1 - y0) * i / 3 for i in range(4)]
    right = [(bell_w(y), y) for y in ys]
    left = [(-x, y) for x, y in reversed(right)]
    f0 = (y0 - top) / (bot - top)
    f1 = (y1 - top) / (bot - top)
    s0, s1 = 2 * sag * f0 ** 2, 2 * sag * f1 ** 2
    d = 'M%s ' % pt(left[-1])
    d += 'Q%s %s ' % (pt((0, y0 + 2 * s0)), pt(right[0]))
    d += smooth(right) + ' '
    d += 'Q%s %s ' % (pt((0, y1 + 2 * s1)), pt(left[0]))
    d += smooth(left) + ' Z'
    return d


def bell_shade(top=BELL_TOP, bot=BELL_BOT, sag=3.5):
    """The shaded right flank of the bell (light comes from the upper left)."""
    ys = [top + 3 + (bot - top - 3) * i / 8 for i in range(9)]
    outer = [(bell_w(y) + 0.5, y) for y in ys]
    inner = [(bell_w(y) * 0.42 + 2.5 * (1 - (y - top) / (bot - top)), y + 1.5)
             for y in reversed(ys)]
    d = 'M%s ' % pt(outer[0]) + smooth(outer) + ' '
    d += 'Q%s %s ' % (pt((bell_w(bot) * 0.7, bot + 2 * sag + 0.5)), pt(inner[0]))
    d += smooth(inner) + ' Z'
    return d


class Fig:
    """One pose of one of the pair.

    who      PHEVOS or ATHENA
    x, y     where the feet stand in the picture
    s        scale (1 = about 105 units tall)
    flip     mirror left-right
    tilt     lean of the body in degrees (positive = clockwise)
    arms     {'l': {...}, 'r': {...}} each with hand=(x,y) in local units,
             bend (bow of the arm), behind (drawn behind the body), grip
    legs     {'l': {...}, 'r': {...}} each with foot=(x,y) ankle point,
             toe (angle the foot points to, 0 = right), hide
    face     dict(mouth='smile'|'open'|'grin'|'o', eyes='open'|'happy'|'wink',
             look=(dx,dy), brows=False)
    head     extra head turn in degrees
    wear     set of extras: cap, helmet, swimcap, goggles, earmuffs, mask,
             headband, wreath, ridinghelmet
    uniform  None or dict(body=, shade=, band=, band_sh=, collar=, belt=)
    props    list of (layer, svg) with layer one of
             back, behindbody, overbody, underhands, front
    """

    def __init__(self, who, x, y, s=1.0, flip=False, tilt=0, arms=None,
                 legs=None, face=None, head=0, wear=(), uniform=None,
                 props=None, wear_colour=None, no_body=False):
        self.who = who
        self.x, self.y, self.s, self.flip = x, y, s, flip
        self.tilt = tilt
        self.arms = {'l': dict(hand=(-20, -33), bend=-4),
                     'r': dict(hand=(20, -33), bend=4)}
        if arms:
            for k, v in arms.items():
                self.arms[k] = v
        self.legs = {'l': dict(foot=(-9, -6), toe=195),
                     'r': dict(foot=(9, -6), toe=-15)}
        if legs:
            for k, v in legs.items():
                self.legs[k] = v
        self.face = dict(mouth='smile', eyes='open', look=(0, 0), brows=False)
        if face:
            self.face.update(face)
        self.headturn = head
        self.wear = set(wear)
        self.uniform = uniform
        self.props = props or []
        self.wear_colour = wear_colour
        self.no_body = no_body
        self.sw = OUTW / s

    # -- helpers in local units
    def t(self, p):
        """Rotate a point of the upper body by the lean."""
        return rot(p, self.tilt, HIP_C)

    def layer(self, name):
        return ''.join(svg for l, svg in self.props if l == name)

    def arm(self, side):
        a = self.arms[side]
        if a.get('hide'):
            return ''
        sx = -SHOULDER if side == 'l' else SHOULDER
        sh = self.t((sx, SHOULDER_Y))
        hx, hy = a['hand']
        mx, my = (sh[0] + hx) / 2, (sh[1] + hy) / 2
        dx, dy = hx - sh[0], hy - sh[1]
        ln = math.hypot(dx, dy) or 1
        b = a.get('bend', 0)
        cx, cy = mx - dy / ln * b * 2, my + dx / ln * b * 2
        d = 'M%s Q%s %s' % (pt(sh), pt((cx, cy)), pt((hx, hy)))
        return tube(d, a.get('colour', SKIN), 4.4, self.sw)

    def hand(self, side):
        a = self.arms[side]
        if a.get('hide') or a.get('nohand'):
            return ''
        hx, hy = a['hand']
        col = a.get('glove', SKIN)
        r = a.get('r', 4.9)
        if a.get('glove'):
            # a boxing glove: big round mitt with a thumb and a cuff
            ang = a.get('gang', 0)
            g = (outlined('M-6,6 L-6,9.5 L6,9.5 L6,6 Z', WHITE, self.sw) +
                 C(0, -1, 8.5, fill=col, stroke=INK, stroke_width=self.sw) +
                 P('M-5.5,-5 Q-2,-8 2,-6.5', fill='none', stroke='#ffffff',
                   stroke_width=2, stroke_linecap='round', opacity=0.6) +
                 outlined('M-8,1 Q-11,-3 -7,-6 Q-4,-5 -4,-1', col, self.sw * 0.8))
            return G(g, 'translate(%s) rotate(%s)' % (pt((hx, hy)), n(ang)))
        return C(hx, hy, r, fill=col, stroke=INK, stroke_width=self.sw)

    def leg(self, side):
        g = self.legs[side]
        if g.get('hide'):
            return ''
        hx = -HIP[0] if side == 'l' else HIP[0]
        hip = self.t((hx, HIP[1])) if g.get('tilted') else (hx, HIP[1])
        fx, fy = g['foot']
        b = g.get('bend', 0)
        mx, my = (hip[0] + fx) / 2, (hip[1] + fy) / 2
        dx, dy = fx - hip[0], fy - hip[1]
        ln = math.hypot(dx, dy) or 1
        cx, cy = mx - dy / ln * b * 2, my + dx / ln * b * 2
        col = g.get('colour', SKIN)
        d = 'M%s Q%s %s' % (pt(hip), pt((cx, cy)), pt((fx, fy)))
        out = tube(d, col, 5.2, self.sw)
        toe = g.get('toe', 0)
        fc = rot((fx + 4.6, fy), toe, (fx, fy))
        shoe = g.get('shoe', SKIN)
        out += G(E(0, 0, 9.6, 5.6, fill=shoe, stroke=INK, stroke_width=self.sw) +
                 (P('M-6,2.6 Q0,5.2 7,2.2', fill='none', stroke=INK,
                    stroke_width=self.sw * 0.6, stroke_linecap='round', opacity=0.35)
                  if shoe == SKIN else
                  P('M-8.5,2.4 Q0,6.8 8.6,2.2', fill='none', stroke=WHITE,
                    stroke_width=1.8, stroke_linecap='round')),
                 'translate(%s) rotate(%s)' % (pt(fc), n(toe if -90 <= toe <= 90
                                                          else toe - 180)))
        return out

    def body(self):
        if self.no_body:
            return ''
        u = dict(self.who)
        if self.uniform:
            u.update(self.uniform)
        sw = self.sw
        out = outlined(bell_path(), u['body'], sw)
        out += P(bell_shade(), fill=u['shade'])
        if u.get('band'):
            out += P(bell_band(-29, -22), fill=u['band'])
        if u.get('collar') == 'v':
            # a crossed-over jacket (judo, taekwondo)
            c = u['collar_c']
            out += outlined('M-8,-60 L0,-44 L8,-60', 'none', sw * 0.8)
            out += P('M-8.5,-60.5 L0,-44 L8.5,-60.5 L5,-61 L0,-50 L-5,-61 Z',
                     fill=c, stroke=INK, stroke_width=sw * 0.6,
                     stroke_linejoin='round')
        if u.get('collar') == 'wrap':
            c = u['collar_c']
            out += P('M-9,-60 L4,-38 L9,-41 L-3,-61 Z', fill=c, stroke=INK,
                     stroke_width=sw * 0.6, stroke_linejoin='round')
            out += P('M9,-60 L1,-46', fill='none', stroke=INK,
                     stroke_width=sw * 0.6, stroke_linecap='round')
        if u.get('belt'):
            b = u['belt']
            out += P(bell_band(-36, -32), fill=b, stroke=INK, stroke_width=sw * 0.7,
                     stroke_linejoin='round')
            out += P('M-2,-33 L-6,-24 M2,-33 L7,-25', fill='none', stroke=INK,
                     stroke_width=4.6, stroke_linecap='round')
            out += P('M-2,-33 L-6,-24 M2,-33 L7,-25', fill='none', stroke=b,
                     stroke_width=2.4, stroke_linecap='round')
            out += R(-3, -36.5, 6, 5, 1, fill=b, stroke=INK, stroke_width=sw * 0.7)
        if u.get('emblem'):
            out += u['emblem']
        # the doll's neck, on top of the shoulders
        return out

    def neck(self):
        return (R(-3.6, -76, 7.2, 17, 3, fill=SKIN, stroke=INK, stroke_width=self.sw) +
                R(-1.4, -74, 2.8, 14, fill=SKIN))

    def hair_back(self):
        sw = self.sw
        cx, cy = HEAD_C
        if self.who['girl']:
            # a bob with a bun on top
            out = ''
            if not (self.wear & {'helmet', 'swimcap', 'mask', 'ridinghelmet'}):
                out += C(cx, cy - 19.5, 7, fill=HAIR, stroke=INK, stroke_width=sw)
            if not (self.wear & {'swimcap', 'mask'}):
                out += outlined('M%s A17.5,17.5 0 1 1 %s L%s Q%s %s Z' % (
                    pt((cx - 17, cy + 9)), pt((cx + 17, cy + 9)), pt((cx + 15.5, cy + 12)),
                    pt((cx, cy + 16)), pt((cx - 15.5, cy + 12))), HAIR, sw)
            return out
        return ''

    def hair_front(self):
        sw = self.sw
        cx, cy = HEAD_C
        if self.wear & {'swimcap', 'mask'}:
            return ''
        if self.who['girl']:
            d = ('M%s A15.6,15.6 0 0 1 %s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
                pt((cx - 15.4, cy - 1)), pt((cx + 15.4, cy - 1)),
                pt((cx + 12, cy - 8)), pt((cx + 6, cy - 9)),
                pt((cx + 2, cy - 12)), pt((cx - 3, cy - 9.5)),
                pt((cx - 8, cy - 12)), pt((cx - 11, cy - 8)),
                pt((cx - 13, cy - 5)), pt((cx - 15.4, cy - 1))))
            out = outlined(d, HAIR, sw)
            if not (self.wear & {'helmet', 'ridinghelmet', 'cap'}):
                # a little flower clip
                fx, fy = cx + 10, cy - 11
                petals = ''.join(C(fx + 2.6 * math.cos(a), fy + 2.6 * math.sin(a), 2.1,
                                   fill='#ffe14d', stroke=INK, stroke_width=sw * 0.5)
                                 for a in [i * 2 * math.pi / 5 - 1.2 for i in range(5)])
                out += petals + C(fx, fy, 1.6, fill='#ff7a59')
            return out
        d = ('M%s A16,16 0 0 1 %s Q%s %s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
            pt((cx - 15.6, cy - 1)), pt((cx + 15.6, cy - 1)),
            pt((cx + 13, cy - 7)), pt((cx + 9, cy - 8)),
            pt((cx + 7, cy - 12)), pt((cx + 2, cy - 9)),
            pt((cx - 1, cy - 13)), pt((cx - 5, cy - 9)),
            pt((cx - 9, cy - 12)), pt((cx - 11, cy - 7.5)),
            pt((cx - 14.5, cy - 6)), pt((cx - 15.6, cy - 1))))
        out = outlined(d, HAIR, sw)
        if not (self.wear & {'helmet', 'ridinghelmet', 'cap', 'headgear'}):
            out += outlined('M%s Q%s %s Q%s %s' % (
                pt((cx - 2, cy - 15)), pt((cx - 1, cy - 22)), pt((cx + 5, cy - 22)),
                pt((cx + 1, cy - 19)), pt((cx + 1.5, cy - 15))), HAIR, sw)
        return out

    def face_svg(self):
        f = self.face
        sw = self.sw
        cx, cy = HEAD_C
        lx, ly = f.get('look', (0, 0))
        out = ''
        ex = 5.6
        for side in (-1, 1):
            x = cx + side * ex + lx
            y = cy + 0.5 + ly
            kind = f['eyes']
            if kind == 'wink' and side == 1:
                kind = 'happy'
            if kind == 'happy':
                out += P('M%s Q%s %s' % (pt((x - 3.2, y + 1.2)), pt((x, y - 4)),
                                         pt((x + 3.2, y + 1.2))),
                         fill='none', stroke=INK, stroke_width=2.2,
                         stroke_linecap='round')
            else:
                out += E(x, y, 3.0, 3.9, fill=INK)
                out += C(x + 1, y - 1.5, 1.15, fill=WHITE)
                out += C(x - 1, y + 1.6, 0.55, fill=WHITE)
                if self.who['girl']:
                    out += P('M%s L%s' % (pt((x + side * 2.4, y - 2.8)),
                                          pt((x + side * 4.4, y - 4.4))),
                             fill='none', stroke=INK, stroke_width=1.3,
                             stroke_linecap='round')
            if f.get('brows'):
                out += P('M%s L%s' % (pt((x - side * 0.5 - 2.5, y - 6.6 + side * -0.6 * 0)),
                                      pt((x + 2.5, y - 6.6))),
                         fill='none', stroke=HAIR, stroke_width=1.6,
                         stroke_linecap='round')
        # cheeks
        for side in (-1, 1):
            out += E(cx + side * 9.6 + lx * 0.6, cy + 6.2 + ly * 0.5, 3.1, 2.0,
                     fill=CHEEK, opacity=0.55)
        mx, my = cx + lx * 0.7, cy + 7.6 + ly * 0.6
        m = f['mouth']
        if m == 'smile':
            out += P('M%s Q%s %s' % (pt((mx - 4.6, my - 0.6)), pt((mx, my + 4.2)),
                                     pt((mx + 4.6, my - 0.6))),
                     fill='none', stroke=INK, stroke_width=1.8, stroke_linecap='round')
        elif m in ('open', 'grin'):
            w = 5.2 if m == 'open' else 6
            out += P('M%s Q%s %s Q%s %s Z' % (
                pt((mx - w, my - 1)), pt((mx, my - 0.2)), pt((mx + w, my - 1)),
                pt((mx, my + 7.5)), pt((mx - w, my - 1))),
                fill=MOUTH, stroke=INK, stroke_width=1.3, stroke_linejoin='round')
            out += P('M%s Q%s %s Q%s %s Z' % (
                pt((mx - 2.8, my + 3.6)), pt((mx, my + 1.4)), pt((mx + 2.8, my + 3.6)),
                pt((mx, my + 5.6)), pt((mx - 2.8, my + 3.6))), fill=TONGUE)
        elif m == 'o':
            out += E(mx, my + 1.2, 2.2, 2.6, fill=MOUTH, stroke=INK, stroke_width=1.2)
        return out

    def headwear(self):
        sw = self.sw
        cx, cy = HEAD_C
        col = self.wear_colour or self.who['body']
        sh = self.who['shade']
        out = ''
        if 'cap' in self.wear:
            out += outlined('M%s A16,16 0 0 1 %s Z' % (pt((cx - 16, cy - 4)),
                                                       pt((cx + 16, cy - 4))), col, sw)
            out += P('M%s A16,16 0 0 1 %s L%s Q%s %s Z' % (
                pt((cx + 4, cy - 19.4)), pt((cx + 16, cy - 4)), pt((cx + 9, cy - 4)),
                pt((cx + 8, cy - 14)), pt((cx + 4, cy - 19.4))), fill=sh)
            out += outlined('M%s Q%s %s L%s Q%s %s Z' % (
                pt((cx + 4, cy - 5)), pt((cx + 20, cy - 8)), pt((cx + 29, cy - 3)),
                pt((cx + 27, cy - 0.5)), pt((cx + 14, cy - 2.5)), pt((cx + 4, cy - 3))),
                sh, sw)
            out += C(cx, cy - 20, 2, fill=col, stroke=INK, stroke_width=sw * 0.7)
        if 'helmet' in self.wear:
            d = ('M%s Q%s %s Q%s %s L%s Q%s %s Z' % (
                pt((cx - 18, cy - 2)), pt((cx - 18, cy - 23)), pt((cx, cy - 23)),
                pt((cx + 19, cy - 23)), pt((cx + 19, cy - 2)), pt((cx + 12, cy - 3)),
                pt((cx, cy - 6)), pt((cx - 18, cy - 2))))
            out += outlined(d, col, sw)
            for dx in (-7, 0, 7):
                out += P('M%s Q%s %s' % (pt((cx + dx * 1.1, cy - 21)),
                                         pt((cx + dx * 1.5, cy - 12)),
                                         pt((cx + dx * 1.6, cy - 5))),
                         fill='none', stroke=WHITE, stroke_width=2.4,
                         stroke_linecap='round')
            out += P('M%s L%s' % (pt((cx - 14, cy - 1)), pt((cx - 13, cy + 8))),
                     fill='none', stroke=INK, stroke_width=1.2)
            out += P('M%s L%s' % (pt((cx + 14, cy - 1)), pt((cx + 13, cy + 8))),
                     fill='none', stroke=INK, stroke_width=1.2)
        if 'ridinghelmet' in self.wear:
            out += outlined('M%s A17,17 0 0 1 %s Z' % (pt((cx - 17, cy - 2)),
                                                       pt((cx + 17, cy - 2))), '#2b2b45', sw)
            out += outlined('M%s Q%s %s L%s Q%s %s Z' % (
                pt((cx + 6, cy - 3)), pt((cx + 18, cy - 6)), pt((cx + 25, cy - 1)),
                pt((cx + 23, cy + 1)), pt((cx + 14, cy - 0.5)), pt((cx + 6, cy - 1))),
                '#2b2b45', sw)
            out += C(cx, cy - 19, 2, fill='#2b2b45', stroke=INK, stroke_width=sw * 0.7)
            out += P('M%s A17,17 0 0 1 %s' % (pt((cx - 13, cy - 12)), pt((cx - 3, cy - 18))),
                     fill='none', stroke='#6c6c94', stroke_width=2.4, stroke_linecap='round')
        if 'swimcap' in self.wear:
            out += outlined('M%s A16.5,16.5 0 0 1 %s Q%s %s Z' % (
                pt((cx - 16.5, cy + 1)), pt((cx + 16.5, cy + 1)), pt((cx, cy - 5)),
                pt((cx - 16.5, cy + 1))), col, sw)
            out += P('M%s A14,14 0 0 1 %s' % (pt((cx - 11, cy - 10)), pt((cx - 2, cy - 14.5))),
                     fill='none', stroke=WHITE, stroke_width=2.4, stroke_linecap='round',
                     opacity=0.7)
        if 'goggles' in self.wear:
            out += P('M%s L%s' % (pt((cx - 15.5, cy - 2)), pt((cx + 15.5, cy - 2))),
                     fill='none', stroke=INK, stroke_width=2.6)
            for side in (-1, 1):
                out += E(cx + side * 5.8, cy - 1, 4.6, 4.2, fill='#8ff0ff',
                         stroke=INK, stroke_width=sw * 0.8)
                out += C(cx + side * 5.8 + 1.5, cy - 2.5, 1.2, fill=WHITE)
        if 'earmuffs' in self.wear:
            out += P('M%s A17.5,17.5 0 0 1 %s' % (pt((cx - 16, cy - 1)), pt((cx + 16, cy - 1))),
                     fill='none', stroke=INK, stroke_width=5.6, stroke_linecap='round')
            out += P('M%s A17.5,17.5 0 0 1 %s' % (pt((cx - 16, cy - 1)), pt((cx + 16, cy - 1))),
                     fill='none', stroke='#ffd23c', stroke_width=2.6, stroke_linecap='round')
            for side in (-1, 1):
                out += E(cx + side * 15.5, cy + 1, 4.4, 6.6, fill='#ffd23c',
                         stroke=INK, stroke_width=sw)
                out += E(cx + side * 16.5, cy + 1, 1.8, 3.4, fill='#f2a900')
        if 'headgear' in self.wear:
            # padded boxing headguard, leaves the face free
            out += outlined('M%s A17,17 0 0 1 %s L%s Q%s %s Q%s %s Z' % (
                pt((cx - 16.5, cy + 5)), pt((cx + 16.5, cy + 5)), pt((cx + 13, cy + 5)),
                pt((cx + 12, cy - 9)), pt((cx, cy - 9)), pt((cx - 12, cy - 9)),
                pt((cx - 13, cy + 5))), col, sw)
            out += P('M%s Q%s %s' % (pt((cx - 10, cy - 13)), pt((cx, cy - 16)),
                                     pt((cx + 10, cy - 13))),
                     fill='none', stroke=sh, stroke_width=2.4, stroke_linecap='round')
        if 'headband' in self.wear:
            out += P('M%s Q%s %s' % (pt((cx - 15.6, cy - 6.5)), pt((cx, cy - 11.5)),
                                     pt((cx + 15.6, cy - 6.5))),
                     fill='none', stroke=INK, stroke_width=6.4)
            out += P('M%s Q%s %s' % (pt((cx - 15.6, cy - 6.5)), pt((cx, cy - 11.5)),
                                     pt((cx + 15.6, cy - 6.5))),
                     fill='none', stroke=col, stroke_width=3.6)
        if 'mask' in self.wear:
            # fencing mask: white bib and a dark mesh front the eyes shine through
            out += outlined('M%s L%s Q%s %s L%s Z' % (
                pt((cx - 12, cy + 10)), pt((cx - 15, cy + 19)), pt((cx, cy + 24)),
                pt((cx + 15, cy + 19)), pt((cx + 12, cy + 10))), WHITE, sw)
            d = ('M%s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
                pt((cx - 15, cy - 4)), pt((cx - 14, cy - 19)), pt((cx, cy - 19)),
                pt((cx + 14, cy - 19)), pt((cx + 15, cy - 4)),
                pt((cx + 14, cy + 15)), pt((cx, cy + 15)),
                pt((cx - 14, cy + 15)), pt((cx - 15, cy - 4))))
            out += P(d, fill='#4d4d66', fill_opacity=0.62)
            grid = ''
            for gx in range(-12, 14, 4):
                grid += 'M%s L%s ' % (pt((cx + gx, cy - 17)), pt((cx + gx, cy + 13)))
            for gy in range(-14, 14, 4):
                grid += 'M%s L%s ' % (pt((cx - 14, cy + gy)), pt((cx + 14, cy + gy)))
            out += P(grid, fill='none', stroke='#22223a', stroke_width=0.7, opacity=0.6)
            out += P(d, fill='none', stroke=WHITE, stroke_width=3.4)
            out += P(d, fill='none', stroke=INK, stroke_width=sw * 0.7)
            # the eyes, brighter, seen through the mesh
            for side in (-1, 1):
                out += C(cx + side * 5.6 + 1, cy - 1, 1.2, fill=WHITE)
        if 'wreath' in self.wear:
            out += olive_wreath_head(cx, cy, sw)
        return out

    def svg(self):
        sw = self.sw
        head_pivot = self.t((0, -70))
        parts = [self.layer('back')]
        for side in ('l', 'r'):
            if self.arms[side].get('behind'):
                parts.append(self.arm(side) + self.hand(side))
        for side in ('l', 'r'):
            if self.legs[side].get('behind'):
                parts.append(self.leg(side))
        for side in ('l', 'r'):
            if not self.legs[side].get('behind') and not self.legs[side].get('front'):
                parts.append(self.leg(side))
        parts.append(self.layer('behindbody'))
        upper = self.body()
        head = (self.neck() + self.hair_back() +
                C(HEAD_C[0], HEAD_C[1], HEAD_R, fill=SKIN, stroke=INK, stroke_width=sw) +
                P('M%s A15,15 0 0 1 %s Q%s %s Z' % (
                    pt((HEAD_C[0] + 14.8, HEAD_C[1] + 2.5)), pt((HEAD_C[0] + 2.5, HEAD_C[1] + 14.8)),
                    pt((HEAD_C[0] + 11, HEAD_C[1] + 10)), pt((HEAD_C[0] + 14.8, HEAD_C[1] + 2.5))),
                  fill=SKIN_SH, opacity=0.7) +
                self.face_svg() + self.hair_front() + self.headwear())
        if self.headturn:
            head = G(head, 'rotate(%s %s)' % (n(self.headturn), '0 -72'))
        if self.tilt:
            upper = G(upper + head, 'rotate(%s %s)' % (n(self.tilt), pt(HIP_C)))
        else:
            upper = upper + head
        parts.append(upper)
        for side in ('l', 'r'):
            if self.legs[side].get('front'):
                parts.append(self.leg(side))
        parts.append(self.layer('overbody'))
        for side in ('l', 'r'):
            if not self.arms[side].get('behind'):
                parts.append(self.arm(side))
        parts.append(self.layer('underhands'))
        for side in ('l', 'r'):
            if not self.arms[side].get('behind'):
                parts.append(self.hand(side))
        parts.append(self.layer('front'))
        tr = 'translate(%s) scale(%s,%s)' % (pt((self.x, self.y)),
                                             n(-self.s if self.flip else self.s) if True else '',
                                             n(self.s))
        tr = 'translate(%s) scale(%s,%s)' % (pt((self.x, self.y)),
                                             ('%.3f' % (-self.s if self.flip else self.s)).rstrip('0').rstrip('.'),
                                             ('%.3f' % self.s).rstrip('0').rstrip('.'))
        return G(''.join(parts), tr)


HIP_C = (0, -20)


def olive_wreath_head(cx, cy, sw):
    """A kotinos, the olive wreath of the Athens winners, on the head."""
    out = ''
    leaves = ''
    for side in (-1, 1):
        for i in range(5):
            a = math.radians(200 + i * 16) if side < 0 else math.radians(340 - i * 16)
            r = 15.5
            x, y = cx + r * math.cos(a), cy - 4 + r * math.sin(a) * 0.55
            ang = math.degrees(a) + (90 if side < 0 else -90)
            leaves += G(P('M0,0 Q3.5,-3 7.5,0 Q3.5,3 0,0 Z', fill='#7cbf3c',
                          stroke=INK, stroke_width=sw * 0.55, stroke_linejoin='round'),
                        'translate(%s) rotate(%s)' % (pt((x, y)), n(ang + (-20 if side < 0 else 200))))
    out += P('M%s Q%s %s' % (pt((cx - 15.5, cy - 4)), pt((cx, cy - 14)), pt((cx + 15.5, cy - 4))),
             fill='none', stroke='#6b4a2b', stroke_width=1.6)
    return out + leaves


def leaf(x, y, ang, size=1.0, col='#7cbf3c', sw=1.4):
    return G(P('M0,0 Q5,-4.2 11,0 Q5,4.2 0,0 Z', fill=col, stroke=INK,
               stroke_width=sw, stroke_linejoin='round') +
             P('M1.5,0 L8.5,0', fill='none', stroke=INK, stroke_width=sw * 0.45, opacity=0.5),
             'translate(%s) rotate(%s) scale(%s)' % (pt((x, y)), n(ang), n(size)))


# ================================================================ documents

def svg_doc(w, h, body, defs=''):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
            'baseProfile="tiny" viewBox="0 0 %d %d" width="%d" height="%d">' % (w, h, w, h))
    d = '<defs>%s</defs>' % defs if defs else ''
    return head + d + body + '</svg>\n'


def write(rel, text):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)
    return path


# ================================================================ the pair

def wave_pair():
    defs = ('<radialGradient id="glow" cx="0.5" cy="0.45" r="0.55">'
            '<stop offset="0" stop-color="#fffbe6"/>'
            '<stop offset="0.75" stop-color="#fff1c9"/>'
            '<stop offset="1" stop-color="#ffe3a6"/></radialGradient>')
    body = C(120, 120, 112, fill='url(#glow)', stroke='#ffd98a', stroke_width=3)
    body += E(120, 204, 92, 11, fill='#f4d391', opacity=0.8)
    ph = Fig(PHEVOS, 78, 205, 1.38, tilt=-4,
             arms={'l': dict(hand=(-30, -98), bend=5),
                   'r': dict(hand=(19, -34), bend=3)},
             face=dict(mouth='open', look=(1, 0)), head=-5)
    at = Fig(ATHENA, 162, 205, 1.38, flip=True, tilt=-4,
             arms={'l': dict(hand=(-30, -98), bend=5),
                   'r': dict(hand=(19, -34), bend=3)},
             face=dict(mouth='open', look=(1, 0)), head=-5)
    # they hold hands in the middle
    body += ph.svg() + at.svg()
    body += sparkle(28, 70, 7, '#ffc53d') + sparkle(212, 62, 8, '#5cc8ff') + \
        sparkle(200, 150, 5, '#ff9d3d') + sparkle(40, 150, 5, '#5cc8ff')
    return svg_doc(240, 240, body, defs)


def sparkle(x, y, r, col, sw=1.6):
    d = ('M%s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
        pt((x, y - r)), pt((x + r * 0.18, y - r * 0.18)), pt((x + r, y)),
        pt((x + r * 0.18, y + r * 0.18)), pt((x, y + r)),
        pt((x - r * 0.18, y + r * 0.18)), pt((x - r, y)),
        pt((x - r * 0.18, y - r * 0.18)), pt((x, y - r))))
    return P(d, fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round')


#@SCENES@

def main(argv):
    only = set(argv[1:])
    jobs = {
        'athens2004': ('assets/mascots/athens2004.svg', wave_pair),
    }
    for key, (rel, fn) in jobs.items():
        if only and key not in only:
            continue
        p = write(rel, fn())
        print('%6d  %s' % (os.path.getsize(p), rel))


if __name__ == '__main__':
    main(sys.argv)
