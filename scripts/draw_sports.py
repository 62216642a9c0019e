#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws Phevos and Athena, the Athens 2004 pair, for Kalyxteron.

The two figures are defined once (a bell-shaped terracotta doll with a small
round head, long neck, thin arms and big feet) and posed per picture, so every
picture shares one look.  Writes:

  assets/mascots/athens2004.svg   the pair waving
  assets/diploma/centre.svg       the pair, proud, for the printed diploma
  assets/sports/<sport>.svg       the pair doing each of the 25 sports
  assets/icon/org.kalyxteron.Kalyxteron.svg   the program icon

Only the Python 3 standard library is used.  Run from anywhere:

  python3 scripts/draw_sports.py                  redraws every picture in the tree
  python3 scripts/draw_sports.py tennis icon      only these (a sport, athens2004, diploma, icon)
  python3 scripts/draw_sports.py --into FOLDER    writes FOLDER/assets/... instead (the test
                                                  tests/drawn_pictures.py compares them)
"""

import argparse
import math
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------- palette
INK = '#2a2440'          # every outline
SKIN, SKIN_SHADE = '#ffd9b3', '#f2b98c'
HAIR = '#4b2c24'
CHEEK = '#ff7f8e'
MOUTH, TONGUE = '#b8284a', '#ff8fa0'
WHITE, WHITE_SHADE = '#ffffff', '#dfe6f2'

PHEVOS = dict(name='phevos', body='#ff8a1c', shade='#e86e0c', band='#ffd23c',
              band_sh='#f2b61e', girl=False)
ATHENA = dict(name='athena', body='#2f8ff0', shade='#1d6fd1', band='#9fe6ff',
              band_sh='#6fcff2', girl=True)

OUTLINE = 2.9  # outline width in picture units (kept the same at every scale)


def number(v):
    """A number as the pictures write it: with at most one decimal."""
    r = round(v, 1)
    if r == int(r):
        return str(int(r))
    return ('%.1f' % r)


def coords(p):
    """A point as the pictures write it: "x,y"."""
    return '%s,%s' % (number(p[0]), number(p[1]))


def rotated(p, deg, c=(0, 0)):
    """The point p turned by deg degrees (clockwise on the picture) about c."""
    a = math.radians(deg)
    x, y = p[0] - c[0], p[1] - c[1]
    return (c[0] + x * math.cos(a) - y * math.sin(a),
            c[1] + x * math.sin(a) + y * math.cos(a))


def smooth_curve(points, closed=False):
    """Catmull-Rom through the points, as cubic path commands (no M)."""
    through = list(points)
    if closed:
        through = [through[-1]] + through + [through[0], through[1]]
    else:
        through = [through[0]] + through + [through[-1]]
    out = []
    for i in range(1, len(through) - 2):
        p0, p1, p2, p3 = through[i - 1], through[i], through[i + 1], through[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append('C%s %s %s' % (coords(c1), coords(c2), coords(p2)))
    return ' '.join(out)


def attributes(**kw):
    """SVG attributes from keywords: stroke_width=2 becomes stroke-width="2", None is left out."""
    s = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip('_').replace('_', '-')
        if isinstance(v, float):
            v = number(v)
        s.append('%s="%s"' % (k, v))
    return ' '.join(s)


# The SVG elements, each with its attributes as keywords.

def path(d, **kw):
    return '<path d="%s" %s/>' % (d, attributes(**kw))


def circle(cx, cy, r, **kw):
    return '<circle cx="%s" cy="%s" r="%s" %s/>' % (number(cx), number(cy), number(r), attributes(**kw))


def ellipse(cx, cy, rx, ry, **kw):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" %s/>' % (
        number(cx), number(cy), number(rx), number(ry), attributes(**kw))


def rect(x, y, w, h, rx=0, **kw):
    extra = (' rx="%s"' % number(rx)) if rx else ''
    return '<rect x="%s" y="%s" width="%s" height="%s"%s %s/>' % (
        number(x), number(y), number(w), number(h), extra, attributes(**kw))


def line(x1, y1, x2, y2, **kw):
    return '<line x1="%s" y1="%s" x2="%s" y2="%s" %s/>' % (
        number(x1), number(y1), number(x2), number(y2), attributes(**kw))


def group(content, transform=None, **kw):
    t = (' transform="%s"' % transform) if transform else ''
    a = attributes(**kw)
    return '<g%s%s>%s</g>' % (t, (' ' + a) if a else '', content)


def polygon_path(points, closed=True):
    """Path data of straight lines through the points."""
    d = 'M' + ' L'.join(coords(p) for p in points)
    return d + ('Z' if closed else '')


def outlined(d, fill, sw, **kw):
    """A shape filled and drawn round in ink."""
    return path(d, fill=fill, stroke=INK, stroke_width=sw, stroke_linejoin='round',
                stroke_linecap='round', **kw)


def limb(d, fill, inner, sw):
    """A thin limb: a dark wide stroke under a lighter narrower one."""
    return (path(d, fill='none', stroke=INK, stroke_width=inner + 2 * sw * 0.72,
                 stroke_linecap='round', stroke_linejoin='round') +
            path(d, fill='none', stroke=fill, stroke_width=inner,
                 stroke_linecap='round', stroke_linejoin='round'))


# ================================================================ the figure
#
# Local coordinates: the feet stand on y=0, the head is at about y=-88,
# x=0 is the middle of the body.  One local unit is one picture unit at s=1.

HEAD_CENTRE = (0, -88)
HEAD_RADIUS = 15
SHOULDER_X = 8.5
SHOULDER_Y = -57
HIP_JOINT = (6.5, -17)
LEAN_PIVOT = (0, -20)   # the upper body leans about this point
SIDES = ('l', 'r')
BELL_TOP, BELL_BOTTOM = -62, -16
BELL_TOP_HALF_WIDTH, BELL_HEM_HALF_WIDTH = 9.5, 27


def bell_half_width(y, wt=BELL_TOP_HALF_WIDTH, wb=BELL_HEM_HALF_WIDTH, top=BELL_TOP, bot=BELL_BOTTOM):
    t = (y - top) / (bot - top)
    t = max(0.0, min(1.0, t))
    return wt + (wb - wt) * (0.22 * t + 0.78 * t ** 2.6)


def bell_path(wt=BELL_TOP_HALF_WIDTH, wb=BELL_HEM_HALF_WIDTH, top=BELL_TOP, bot=BELL_BOTTOM, sag=3.5):
    ys = [top + (bot - top) * i / 8 for i in range(9)]
    right = [(bell_half_width(y, wt, wb, top, bot), y) for y in ys]
    left = [(-x, y) for x, y in right]
    d = 'M%s ' % coords(left[0])
    d += smooth_curve(left) + ' '
    # hem: a gentle curve, lowest in the middle
    d += 'Q%s %s ' % (coords((0, bot + 2 * sag)), coords(right[-1]))
    d += smooth_curve(list(reversed(right))) + ' '
    # round shoulders
    d += 'C%s %s %s Z' % (coords((wt, top - 4.5)), coords((-wt, top - 4.5)), coords(left[0]))
    return d


def bell_band(y0, y1, sag=3.5, top=BELL_TOP, bot=BELL_BOTTOM):
    """A stripe across the bell between heights y0 (upper) and y1 (lower)."""
    ys = [y0 + (y1 - y0) * i / 3 for i in range(4)]
    right = [(bell_half_width(y), y) for y in ys]
    left = [(-x, y) for x, y in reversed(right)]
    f0 = (y0 - top) / (bot - top)
    f1 = (y1 - top) / (bot - top)
    s0, s1 = 2 * sag * f0 ** 2, 2 * sag * f1 ** 2
    d = 'M%s ' % coords(left[-1])
    d += 'Q%s %s ' % (coords((0, y0 + 2 * s0)), coords(right[0]))
    d += smooth_curve(right) + ' '
    d += 'Q%s %s ' % (coords((0, y1 + 2 * s1)), coords(left[0]))
    d += smooth_curve(left) + ' Z'
    return d


def bell_shade(top=BELL_TOP, bot=BELL_BOTTOM, sag=3.5):
    """The shaded right flank of the bell (light comes from the upper left)."""
    ys = [top + 3 + (bot - top - 3) * i / 8 for i in range(9)]
    outer = [(bell_half_width(y) + 0.5, y) for y in ys]
    inner = [(bell_half_width(y) * 0.42 + 2.5 * (1 - (y - top) / (bot - top)), y + 1.5)
             for y in reversed(ys)]
    d = 'M%s ' % coords(outer[0]) + smooth_curve(outer) + ' '
    d += 'Q%s %s ' % (coords((bell_half_width(bot) * 0.7, bot + 2 * sag + 0.5)), coords(inner[0]))
    d += smooth_curve(inner) + ' Z'
    return d


# ---------------------------------------------------------------- limbs

def bent_limb(start, end, bend):
    """Path data of an arm or a leg from start to end, bowed sideways by bend."""
    mx, my = (start[0] + end[0]) / 2, (start[1] + end[1]) / 2
    dx, dy = end[0] - start[0], end[1] - start[1]
    ln = math.hypot(dx, dy) or 1
    cx, cy = mx - dy / ln * bend * 2, my + dx / ln * bend * 2
    return 'M%s Q%s %s' % (coords(start), coords((cx, cy)), coords(end))


def boxing_glove(hand, angle, colour, sw):
    """A boxing glove on the hand: a big round mitt with a thumb and a cuff."""
    g = (outlined('M-6,6 L-6,9.5 L6,9.5 L6,6 Z', WHITE, sw) +
         circle(0, -1, 8.5, fill=colour, stroke=INK, stroke_width=sw) +
         path('M-5.5,-5 Q-2,-8 2,-6.5', fill='none', stroke='#ffffff',
              stroke_width=2, stroke_linecap='round', opacity=0.6) +
         outlined('M-8,1 Q-11,-3 -7,-6 Q-4,-5 -4,-1', colour, sw * 0.8))
    return group(g, 'translate(%s) rotate(%s)' % (coords(hand), number(angle)))


def foot(ankle, toe, shoe, sw):
    """A big foot at the ankle, pointing to the angle toe (0 = right): bare, or in a shoe."""
    fx, fy = ankle
    centre = rotated((fx + 4.6, fy), toe, (fx, fy))
    if shoe == SKIN:
        sole = path('M-6,2.6 Q0,5.2 7,2.2', fill='none', stroke=INK, stroke_width=sw * 0.6,
                    stroke_linecap='round', opacity=0.35)
    else:
        sole = path('M-8.5,2.4 Q0,6.8 8.6,2.2', fill='none', stroke=WHITE, stroke_width=1.8,
                    stroke_linecap='round')
    upright = toe if -90 <= toe <= 90 else toe - 180
    return group(ellipse(0, 0, 9.6, 5.6, fill=shoe, stroke=INK, stroke_width=sw) + sole,
                 'translate(%s) rotate(%s)' % (coords(centre), number(upright)))


# ---------------------------------------------------------------- uniforms

def crossed_collar(colour, sw):
    """The crossed-over collar of a taekwondo jacket."""
    return (outlined('M-8,-60 L0,-44 L8,-60', 'none', sw * 0.8) +
            path('M-8.5,-60.5 L0,-44 L8.5,-60.5 L5,-61 L0,-50 L-5,-61 Z', fill=colour, stroke=INK,
                 stroke_width=sw * 0.6, stroke_linejoin='round'))


def wrapped_collar(colour, sw):
    """The lapel of a wrapped judo jacket."""
    return (path('M-9,-60 L4,-38 L9,-41 L-3,-61 Z', fill=colour, stroke=INK, stroke_width=sw * 0.6,
                 stroke_linejoin='round') +
            path('M9,-60 L1,-46', fill='none', stroke=INK, stroke_width=sw * 0.6,
                 stroke_linecap='round'))


COLLARS = {'v': crossed_collar, 'wrap': wrapped_collar}


def belt(colour, sw):
    """A belt tied in front, its two ends hanging."""
    ends = 'M-2,-33 L-6,-24 M2,-33 L7,-25'
    return (path(bell_band(-36, -32), fill=colour, stroke=INK, stroke_width=sw * 0.7,
                 stroke_linejoin='round') +
            path(ends, fill='none', stroke=INK, stroke_width=4.6, stroke_linecap='round') +
            path(ends, fill='none', stroke=colour, stroke_width=2.4, stroke_linecap='round') +
            rect(-3, -36.5, 6, 5, 1, fill=colour, stroke=INK, stroke_width=sw * 0.7))


# ---------------------------------------------------------------- headwear
# Each is drawn on the head at HEAD_CENTRE, in the wearer's colour and shade.

def cap(colour, shade, sw):
    """A baseball cap, its peak to the front."""
    cx, cy = HEAD_CENTRE
    return (outlined('M%s A16,16 0 0 1 %s Z' % (coords((cx - 16, cy - 4)), coords((cx + 16, cy - 4))),
                     colour, sw) +
            path('M%s A16,16 0 0 1 %s L%s Q%s %s Z' % (
                coords((cx + 4, cy - 19.4)), coords((cx + 16, cy - 4)), coords((cx + 9, cy - 4)),
                coords((cx + 8, cy - 14)), coords((cx + 4, cy - 19.4))), fill=shade) +
            outlined('M%s Q%s %s L%s Q%s %s Z' % (
                coords((cx + 4, cy - 5)), coords((cx + 20, cy - 8)), coords((cx + 29, cy - 3)),
                coords((cx + 27, cy - 0.5)), coords((cx + 14, cy - 2.5)), coords((cx + 4, cy - 3))),
                shade, sw) +
            circle(cx, cy - 20, 2, fill=colour, stroke=INK, stroke_width=sw * 0.7))


def cycling_helmet(colour, shade, sw):
    """A cycling helmet with white vents and its straps."""
    cx, cy = HEAD_CENTRE
    d = ('M%s Q%s %s Q%s %s L%s Q%s %s Z' % (
        coords((cx - 18, cy - 2)), coords((cx - 18, cy - 23)), coords((cx, cy - 23)),
        coords((cx + 19, cy - 23)), coords((cx + 19, cy - 2)), coords((cx + 12, cy - 3)),
        coords((cx, cy - 6)), coords((cx - 18, cy - 2))))
    out = outlined(d, colour, sw)
    for dx in (-7, 0, 7):
        out += path('M%s Q%s %s' % (coords((cx + dx * 1.1, cy - 21)), coords((cx + dx * 1.5, cy - 12)),
                                    coords((cx + dx * 1.6, cy - 5))),
                    fill='none', stroke=WHITE, stroke_width=2.4, stroke_linecap='round')
    for side in (-1, 1):
        out += path('M%s L%s' % (coords((cx + side * 14, cy - 1)), coords((cx + side * 13, cy + 8))),
                    fill='none', stroke=INK, stroke_width=1.2)
    return out


def riding_helmet(colour, shade, sw):
    """A dark riding hat with its peak."""
    cx, cy = HEAD_CENTRE
    dark = '#2b2b45'
    return (outlined('M%s A17,17 0 0 1 %s Z' % (coords((cx - 17, cy - 2)), coords((cx + 17, cy - 2))),
                     dark, sw) +
            outlined('M%s Q%s %s L%s Q%s %s Z' % (
                coords((cx + 6, cy - 3)), coords((cx + 18, cy - 6)), coords((cx + 25, cy - 1)),
                coords((cx + 23, cy + 1)), coords((cx + 14, cy - 0.5)), coords((cx + 6, cy - 1))),
                dark, sw) +
            circle(cx, cy - 19, 2, fill=dark, stroke=INK, stroke_width=sw * 0.7) +
            path('M%s A17,17 0 0 1 %s' % (coords((cx - 13, cy - 12)), coords((cx - 3, cy - 18))),
                 fill='none', stroke='#6c6c94', stroke_width=2.4, stroke_linecap='round'))


def swimming_cap(colour, shade, sw):
    """A shining swimming cap over all the hair."""
    cx, cy = HEAD_CENTRE
    return (outlined('M%s A16.5,16.5 0 0 1 %s Q%s %s Z' % (
        coords((cx - 16.5, cy + 1)), coords((cx + 16.5, cy + 1)), coords((cx, cy - 5)),
        coords((cx - 16.5, cy + 1))), colour, sw) +
        path('M%s A14,14 0 0 1 %s' % (coords((cx - 11, cy - 10)), coords((cx - 2, cy - 14.5))),
             fill='none', stroke=WHITE, stroke_width=2.4, stroke_linecap='round', opacity=0.7))


def goggles(colour, shade, sw):
    """Swimming goggles over the eyes."""
    cx, cy = HEAD_CENTRE
    out = path('M%s L%s' % (coords((cx - 15.5, cy - 2)), coords((cx + 15.5, cy - 2))),
               fill='none', stroke=INK, stroke_width=2.6)
    for side in (-1, 1):
        out += ellipse(cx + side * 5.8, cy - 1, 4.6, 4.2, fill='#8ff0ff', stroke=INK, stroke_width=sw * 0.8)
        out += circle(cx + side * 5.8 + 1.5, cy - 2.5, 1.2, fill=WHITE)
    return out


def ear_defenders(colour, shade, sw):
    """Yellow ear defenders on their headband, for shooting."""
    cx, cy = HEAD_CENTRE
    band = 'M%s A17.5,17.5 0 0 1 %s' % (coords((cx - 16, cy - 1)), coords((cx + 16, cy - 1)))
    out = path(band, fill='none', stroke=INK, stroke_width=5.6, stroke_linecap='round')
    out += path(band, fill='none', stroke='#ffd23c', stroke_width=2.6, stroke_linecap='round')
    for side in (-1, 1):
        out += ellipse(cx + side * 15.5, cy + 1, 4.4, 6.6, fill='#ffd23c', stroke=INK, stroke_width=sw)
        out += ellipse(cx + side * 16.5, cy + 1, 1.8, 3.4, fill='#f2a900')
    return out


def boxing_headguard(colour, shade, sw):
    """A padded boxing headguard that leaves the face free."""
    cx, cy = HEAD_CENTRE
    return (outlined('M%s A17,17 0 1 1 %s L%s Q%s %s Q%s %s Z' % (
        coords((cx - 16.5, cy + 5)), coords((cx + 16.5, cy + 5)), coords((cx + 13, cy + 5)),
        coords((cx + 12, cy - 9)), coords((cx, cy - 9)), coords((cx - 12, cy - 9)),
        coords((cx - 13, cy + 5))), colour, sw) +
        path('M%s Q%s %s' % (coords((cx - 10, cy - 13)), coords((cx, cy - 16)), coords((cx + 10, cy - 13))),
             fill='none', stroke=shade, stroke_width=2.4, stroke_linecap='round'))


def headband(colour, shade, sw):
    """A sweatband round the forehead."""
    cx, cy = HEAD_CENTRE
    band = 'M%s Q%s %s' % (coords((cx - 15.6, cy - 6.5)), coords((cx, cy - 11.5)),
                           coords((cx + 15.6, cy - 6.5)))
    return (path(band, fill='none', stroke=INK, stroke_width=6.4) +
            path(band, fill='none', stroke=colour, stroke_width=3.6))


def fencing_mask(colour, shade, sw):
    """A fencing mask: a white bib and a dark mesh front that the eyes shine through."""
    cx, cy = HEAD_CENTRE
    out = outlined('M%s L%s Q%s %s L%s Z' % (
        coords((cx - 12, cy + 10)), coords((cx - 15, cy + 19)), coords((cx, cy + 24)),
        coords((cx + 15, cy + 19)), coords((cx + 12, cy + 10))), WHITE, sw)
    front = ('M%s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
        coords((cx - 15, cy - 4)), coords((cx - 14, cy - 19)), coords((cx, cy - 19)),
        coords((cx + 14, cy - 19)), coords((cx + 15, cy - 4)),
        coords((cx + 14, cy + 15)), coords((cx, cy + 15)),
        coords((cx - 14, cy + 15)), coords((cx - 15, cy - 4))))
    out += path(front, fill='#4d4d66', fill_opacity=0.62)
    mesh = ''
    for gx in range(-12, 14, 4):
        mesh += 'M%s L%s ' % (coords((cx + gx, cy - 17)), coords((cx + gx, cy + 13)))
    for gy in range(-14, 14, 4):
        mesh += 'M%s L%s ' % (coords((cx - 14, cy + gy)), coords((cx + 14, cy + gy)))
    out += path(mesh, fill='none', stroke='#22223a', stroke_width=0.7, opacity=0.6)
    out += path(front, fill='none', stroke=WHITE, stroke_width=3.4)
    out += path(front, fill='none', stroke=INK, stroke_width=sw * 0.7)
    for side in (-1, 1):
        out += circle(cx + side * 5.6 + 1, cy - 1, 1.2, fill=WHITE)
    return out


def olive_wreath(colour, shade, sw):
    """The winners' olive wreath (olive_wreath_head)."""
    return olive_wreath_head(HEAD_CENTRE[0], HEAD_CENTRE[1], sw)


# What may be worn on the head, in the order it is put on.
HEADWEAR = (('cap', cap), ('helmet', cycling_helmet), ('ridinghelmet', riding_helmet),
            ('swimcap', swimming_cap), ('goggles', goggles), ('earmuffs', ear_defenders),
            ('headgear', boxing_headguard), ('headband', headband), ('mask', fencing_mask),
            ('wreath', olive_wreath))


# ---------------------------------------------------------------- the head

class Head:
    """The head of one of the pair, with the neck it turns on: hair, face and what is worn on it."""

    def __init__(self, who, face, wear, wear_colour, sw):
        self.who = who
        self.face = face
        self.wear = wear
        self.wear_colour = wear_colour
        self.sw = sw

    def svg(self):
        cx, cy = HEAD_CENTRE
        shade = path('M%s A15,15 0 0 1 %s Q%s %s Z' % (
            coords((cx + 14.8, cy + 2.5)), coords((cx + 2.5, cy + 14.8)),
            coords((cx + 11, cy + 10)), coords((cx + 14.8, cy + 2.5))),
            fill=SKIN_SHADE, opacity=0.7)
        return (self.neck() + self.hair_back() +
                circle(cx, cy, HEAD_RADIUS, fill=SKIN, stroke=INK, stroke_width=self.sw) + shade +
                self.eyes() + self.cheeks() + self.mouth() + self.hair_front() + self.headwear())

    def neck(self):
        return (rect(-3.6, -76, 7.2, 17, 3, fill=SKIN, stroke=INK, stroke_width=self.sw) +
                rect(-1.4, -74, 2.8, 14, fill=SKIN))

    def hair_back(self):
        """Athena's bob and the bun on top of it, where nothing covers them."""
        if not self.who['girl']:
            return ''
        sw = self.sw
        cx, cy = HEAD_CENTRE
        out = ''
        if not (self.wear & {'helmet', 'swimcap', 'mask', 'ridinghelmet', 'cap', 'headgear'}):
            out += circle(cx, cy - 19.5, 7, fill=HAIR, stroke=INK, stroke_width=sw)
        if not (self.wear & {'swimcap', 'mask'}):
            out += outlined('M%s A17.5,17.5 0 1 1 %s L%s Q%s %s Z' % (
                coords((cx - 17, cy + 9)), coords((cx + 17, cy + 9)), coords((cx + 15.5, cy + 12)),
                coords((cx, cy + 16)), coords((cx - 15.5, cy + 12))), HAIR, sw)
        return out

    def hair_front(self):
        if self.wear & {'swimcap', 'mask'}:
            return ''
        return self.fringe_and_clip() if self.who['girl'] else self.hair_and_cowlick()

    def fringe_and_clip(self):
        """Athena's fringe, and a little flower clip in it unless a hat is on."""
        sw = self.sw
        cx, cy = HEAD_CENTRE
        d = ('M%s A15.6,15.6 0 0 1 %s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
            coords((cx - 15.4, cy - 1)), coords((cx + 15.4, cy - 1)),
            coords((cx + 12, cy - 8)), coords((cx + 6, cy - 9)),
            coords((cx + 2, cy - 12)), coords((cx - 3, cy - 9.5)),
            coords((cx - 8, cy - 12)), coords((cx - 11, cy - 8)),
            coords((cx - 13, cy - 5)), coords((cx - 15.4, cy - 1))))
        out = outlined(d, HAIR, sw)
        if not (self.wear & {'helmet', 'ridinghelmet', 'cap'}):
            fx, fy = cx + 10, cy - 11
            petals = ''.join(circle(fx + 2.6 * math.cos(a), fy + 2.6 * math.sin(a), 2.1,
                                    fill='#ffe14d', stroke=INK, stroke_width=sw * 0.5)
                             for a in [i * 2 * math.pi / 5 - 1.2 for i in range(5)])
            out += petals + circle(fx, fy, 1.6, fill='#ff7a59')
        return out

    def hair_and_cowlick(self):
        """Phevos's short hair, and a pointed cowlick flicking to one side unless a hat is on."""
        sw = self.sw
        cx, cy = HEAD_CENTRE
        d = ('M%s A16,16 0 0 1 %s Q%s %s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
            coords((cx - 15.6, cy - 1)), coords((cx + 15.6, cy - 1)),
            coords((cx + 13, cy - 7)), coords((cx + 9, cy - 8)),
            coords((cx + 7, cy - 12)), coords((cx + 2, cy - 9)),
            coords((cx - 1, cy - 13)), coords((cx - 5, cy - 9)),
            coords((cx - 9, cy - 12)), coords((cx - 11, cy - 7.5)),
            coords((cx - 14.5, cy - 6)), coords((cx - 15.6, cy - 1))))
        out = outlined(d, HAIR, sw)
        if not (self.wear & {'helmet', 'ridinghelmet', 'cap', 'headgear'}):
            out += outlined('M%s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
                coords((cx - 4.5, cy - 14)), coords((cx - 5, cy - 21)), coords((cx + 1, cy - 23)),
                coords((cx + 5, cy - 24)), coords((cx + 8.5, cy - 27)),
                coords((cx + 8, cy - 20)), coords((cx + 3.5, cy - 18.5)),
                coords((cx + 3, cy - 16)), coords((cx + 4, cy - 14))), HAIR, sw)
        return out

    def eyes(self):
        """Open eyes with their shine (and Athena's lashes), or happy arcs; a wink shuts the right one."""
        cx, cy = HEAD_CENTRE
        lx, ly = self.face.get('look', (0, 0))
        out = ''
        for side in (-1, 1):
            x = cx + side * 5.6 + lx
            y = cy + 0.5 + ly
            kind = self.face['eyes']
            if kind == 'wink' and side == 1:
                kind = 'happy'
            if kind == 'happy':
                out += path('M%s Q%s %s' % (coords((x - 3.2, y + 1.2)), coords((x, y - 4)),
                                            coords((x + 3.2, y + 1.2))),
                            fill='none', stroke=INK, stroke_width=2.2, stroke_linecap='round')
            else:
                out += ellipse(x, y, 3.0, 3.9, fill=INK)
                out += circle(x + 1, y - 1.5, 1.15, fill=WHITE)
                out += circle(x - 1, y + 1.6, 0.55, fill=WHITE)
                if self.who['girl']:
                    out += path('M%s L%s' % (coords((x + side * 2.4, y - 2.8)),
                                             coords((x + side * 4.4, y - 4.4))),
                                fill='none', stroke=INK, stroke_width=1.3, stroke_linecap='round')
            if self.face.get('brows'):
                out += path('M%s L%s' % (coords((x - side * 0.5 - 2.5, y - 6.6)), coords((x + 2.5, y - 6.6))),
                            fill='none', stroke=HAIR, stroke_width=1.6, stroke_linecap='round')
        return out

    def cheeks(self):
        cx, cy = HEAD_CENTRE
        lx, ly = self.face.get('look', (0, 0))
        return ''.join(ellipse(cx + side * 9.6 + lx * 0.6, cy + 6.2 + ly * 0.5, 3.1, 2.0,
                               fill=CHEEK, opacity=0.55) for side in (-1, 1))

    def mouth(self):
        """A smile, an open mouth or a grin with the tongue showing, or a round 'o'."""
        cx, cy = HEAD_CENTRE
        lx, ly = self.face.get('look', (0, 0))
        mx, my = cx + lx * 0.7, cy + 7.6 + ly * 0.6
        kind = self.face['mouth']
        if kind == 'smile':
            return path('M%s Q%s %s' % (coords((mx - 4.6, my - 0.6)), coords((mx, my + 4.2)),
                                        coords((mx + 4.6, my - 0.6))),
                        fill='none', stroke=INK, stroke_width=1.8, stroke_linecap='round')
        if kind in ('open', 'grin'):
            w = 5.2 if kind == 'open' else 6
            return (path('M%s Q%s %s Q%s %s Z' % (
                coords((mx - w, my - 1)), coords((mx, my - 0.2)), coords((mx + w, my - 1)),
                coords((mx, my + 7.5)), coords((mx - w, my - 1))),
                fill=MOUTH, stroke=INK, stroke_width=1.3, stroke_linejoin='round') +
                path('M%s Q%s %s Q%s %s Z' % (
                    coords((mx - 2.8, my + 3.6)), coords((mx, my + 1.4)), coords((mx + 2.8, my + 3.6)),
                    coords((mx, my + 5.6)), coords((mx - 2.8, my + 3.6))), fill=TONGUE))
        if kind == 'o':
            return ellipse(mx, my + 1.2, 2.2, 2.6, fill=MOUTH, stroke=INK, stroke_width=1.2)
        return ''

    def headwear(self):
        colour = self.wear_colour or self.who['body']
        return ''.join(draw(colour, self.who['shade'], self.sw)
                       for name, draw in HEADWEAR if name in self.wear)


# ---------------------------------------------------------------- the figure

class Figure:
    """One pose of one of the pair.

    who      PHEVOS or ATHENA
    x, y     where the feet stand in the picture
    s        scale (1 = about 105 units tall)
    flip     mirror left-right
    tilt     lean of the body in degrees (positive = clockwise)
    arms     {'l': {...}, 'r': {...}} each with hand=(x,y) in local units, bend (bow of the
             arm), behind (drawn behind the body), hide, nohand, glove (a boxing glove's
             colour) and glove_angle
    legs     {'l': {...}, 'r': {...}} each with foot=(x,y) ankle point, toe (angle the foot
             points to, 0 = right), bend, shoe (its colour), behind or front (of the body),
             tilted (the hip leans with the body), hide
    face     dict(mouth='smile'|'open'|'grin'|'o', eyes='open'|'happy'|'wink',
             look=(dx,dy), brows=False)
    head     extra head turn in degrees
    wear     set of what is on the head: the names in HEADWEAR
    uniform  None or dict(body=, shade=, band=, collar=, collar_c=, belt=, trousers=)
    props    list of (layer, svg) with layer one of
             back, behindbody, overbody, underhands, front
    """

    def __init__(self, who, x, y, s=1.0, flip=False, tilt=0, arms=None,
                 legs=None, face=None, head=0, wear=(), uniform=None,
                 props=None, wear_colour=None):
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
        self.sw = OUTLINE / s

    # -- between local units and the picture's
    def world(self, p, tilted=False):
        """Picture coordinates of a local point."""
        if tilted:
            p = self.leaned(p)
        return (self.x + (-1 if self.flip else 1) * p[0] * self.s, self.y + p[1] * self.s)

    def local(self, q):
        """Local coordinates of a picture point."""
        return ((q[0] - self.x) / (self.s * (-1 if self.flip else 1)), (q[1] - self.y) / self.s)

    def leaned(self, p):
        """Rotate a point of the upper body by the lean."""
        return rotated(p, self.tilt, LEAN_PIVOT)

    # -- the parts, in local units
    def props_at(self, layer):
        return ''.join(svg for at, svg in self.props if at == layer)

    def arm(self, side):
        a = self.arms[side]
        if a.get('hide'):
            return ''
        shoulder = self.leaned((-SHOULDER_X if side == 'l' else SHOULDER_X, SHOULDER_Y))
        return limb(bent_limb(shoulder, a['hand'], a.get('bend', 0)), SKIN, 4.4, self.sw)

    def hand(self, side):
        a = self.arms[side]
        if a.get('hide') or a.get('nohand'):
            return ''
        if a.get('glove'):
            return boxing_glove(a['hand'], a.get('glove_angle', 0), a['glove'], self.sw)
        hx, hy = a['hand']
        return circle(hx, hy, 4.9, fill=SKIN, stroke=INK, stroke_width=self.sw)

    def leg(self, side):
        g = self.legs[side]
        if g.get('hide'):
            return ''
        hx = -HIP_JOINT[0] if side == 'l' else HIP_JOINT[0]
        hip = self.leaned((hx, HIP_JOINT[1])) if g.get('tilted') else (hx, HIP_JOINT[1])
        trousers = (self.uniform or {}).get('trousers', SKIN)
        return (limb(bent_limb(hip, g['foot'], g.get('bend', 0)), trousers, 5.2, self.sw) +
                foot(g['foot'], g.get('toe', 0), g.get('shoe', SKIN), self.sw))

    def body(self):
        """The bell of the body, in the figure's colours or its uniform's."""
        colours = dict(self.who)
        if self.uniform:
            colours.update(self.uniform)
        out = outlined(bell_path(), colours['body'], self.sw)
        out += path(bell_shade(), fill=colours['shade'])
        if colours.get('band'):
            out += path(bell_band(-29, -22), fill=colours['band'])
        if colours.get('collar'):
            out += COLLARS[colours['collar']](colours['collar_c'], self.sw)
        if colours.get('belt'):
            out += belt(colours['belt'], self.sw)
        return out

    def upper_body(self):
        """The body and the head, leaning together; the head turned on its neck."""
        head = Head(self.who, self.face, self.wear, self.wear_colour, self.sw).svg()
        if self.headturn:
            head = group(head, 'rotate(%s 0 -72)' % number(self.headturn))
        if self.tilt:
            return group(self.body() + head, 'rotate(%s %s)' % (number(self.tilt), coords(LEAN_PIVOT)))
        return self.body() + head

    def placement(self):
        """Where the figure stands in the picture, at its scale, mirrored if flipped."""
        def scale(v):
            return ('%.3f' % v).rstrip('0').rstrip('.')
        return 'translate(%s) scale(%s,%s)' % (coords((self.x, self.y)),
                                               scale(-self.s if self.flip else self.s), scale(self.s))

    def svg(self):
        """The figure in the picture, its parts from the back to the front."""
        arms_behind = [side for side in SIDES if self.arms[side].get('behind')]
        arms_in_front = [side for side in SIDES if not self.arms[side].get('behind')]
        parts = [self.props_at('back')]
        parts += [self.arm(side) + self.hand(side) for side in arms_behind]
        parts += [self.leg(side) for side in SIDES if self.legs[side].get('behind')]
        parts += [self.leg(side) for side in SIDES
                  if not self.legs[side].get('behind') and not self.legs[side].get('front')]
        parts.append(self.props_at('behindbody'))
        parts.append(self.upper_body())
        parts += [self.leg(side) for side in SIDES if self.legs[side].get('front')]
        parts.append(self.props_at('overbody'))
        parts += [self.arm(side) for side in arms_in_front]
        parts.append(self.props_at('underhands'))
        parts += [self.hand(side) for side in arms_in_front]
        parts.append(self.props_at('front'))
        return group(''.join(parts), self.placement())


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
            leaves += group(path('M0,0 Q3.5,-3 7.5,0 Q3.5,3 0,0 Z', fill='#7cbf3c',
                                 stroke=INK, stroke_width=sw * 0.55, stroke_linejoin='round'),
                            'translate(%s) rotate(%s)' % (coords((x, y)),
                                                          number(ang + (-20 if side < 0 else 200))))
    out += path('M%s Q%s %s' % (coords((cx - 15.5, cy - 4)), coords((cx, cy - 14)),
                                coords((cx + 15.5, cy - 4))),
                fill='none', stroke='#6b4a2b', stroke_width=1.6)
    return out + leaves


def leaf(x, y, ang, size=1.0, col='#7cbf3c', sw=1.4):
    return group(path('M0,0 Q5,-4.2 11,0 Q5,4.2 0,0 Z', fill=col, stroke=INK,
                      stroke_width=sw, stroke_linejoin='round') +
                 path('M1.5,0 L8.5,0', fill='none', stroke=INK, stroke_width=sw * 0.45, opacity=0.5),
                 'translate(%s) rotate(%s) scale(%s)' % (coords((x, y)), number(ang), number(size)))


# ================================================================ documents

def svg_document(w, h, body, defs=''):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" '
            'baseProfile="tiny" viewBox="0 0 %d %d" width="%d" height="%d">' % (w, h, w, h))
    d = '<defs>%s</defs>' % defs if defs else ''
    return head + d + body + '</svg>\n'


def write(folder, rel, text):
    written = os.path.join(folder, rel)
    os.makedirs(os.path.dirname(written), exist_ok=True)
    with open(written, 'w', encoding='utf-8') as f:
        f.write(text)
    return written


# ================================================================ the pair

def pair_waving():
    defs = ('<radialGradient id="glow" cx="0.5" cy="0.45" r="0.55">'
            '<stop offset="0" stop-color="#fffbe6"/>'
            '<stop offset="0.75" stop-color="#fff1c9"/>'
            '<stop offset="1" stop-color="#ffe3a6"/></radialGradient>')
    body = circle(120, 120, 114, fill='url(#glow)')
    body += ellipse(120, 204, 68, 9, fill='#f4d391', opacity=0.8)
    ph = Figure(PHEVOS, 78, 205, 1.38, tilt=-4,
                arms={'l': dict(hand=(-30, -98), bend=5),
                      'r': dict(hand=(19, -34), bend=3)},
                face=dict(mouth='open', look=(1, 0)), head=-5)
    at = Figure(ATHENA, 162, 205, 1.38, flip=True, tilt=-4,
                arms={'l': dict(hand=(-30, -98), bend=5),
                      'r': dict(hand=(19, -34), bend=3)},
                face=dict(mouth='open', look=(1, 0)), head=-5)
    # they hold hands in the middle
    body += ph.svg() + at.svg()
    waves = ''
    for hx, hy, sd in ((36.6, 69.8, -1), (203.4, 69.8, 1)):
        for k, r in ((0, 8), (1, 13)):
            waves += 'M%s Q%s %s ' % (coords((hx + sd * r, hy - 10 - k * 3)), coords((hx + sd * (r + 5), hy)),
                                      coords((hx + sd * r, hy + 10 + k * 3)))
    body += path(waves, fill='none', stroke=INK, stroke_width=2.4, stroke_linecap='round',
                 opacity=0.55)
    body += sparkle(120, 40, 8, '#ffc53d') + sparkle(98, 60, 4, '#5cc8ff') + \
        sparkle(142, 62, 4, '#ff9d3d') + sparkle(28, 128, 5, '#5cc8ff') + \
        sparkle(212, 128, 5, '#ff9d3d')
    return svg_document(240, 240, body, defs)


def sparkle(x, y, r, col, sw=1.6):
    d = ('M%s Q%s %s Q%s %s Q%s %s Q%s %s Z' % (
        coords((x, y - r)), coords((x + r * 0.18, y - r * 0.18)), coords((x + r, y)),
        coords((x + r * 0.18, y + r * 0.18)), coords((x, y + r)),
        coords((x - r * 0.18, y + r * 0.18)), coords((x - r, y)),
        coords((x - r * 0.18, y - r * 0.18)), coords((x, y - r))))
    return path(d, fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round')


# ================================================================ scene kit

CARD_LEFT, CARD_TOP, CARD_RIGHT, CARD_BOTTOM, CARD_RADIUS = 1.5, 1.5, 238.5, 198.5, 20
CARD_LOWER_EDGE = ' L238.5,178.5 A20,20 0 0 1 218.5,198.5 L21.5,198.5 A20,20 0 0 1 1.5,178.5 Z'


def card(fill):
    return rect(CARD_LEFT, CARD_TOP, CARD_RIGHT - CARD_LEFT, CARD_BOTTOM - CARD_TOP, CARD_RADIUS, fill=fill)


def card_left_right(y):
    """Left and right edge of the card at height y."""
    d = max(0.0, max(CARD_TOP + CARD_RADIUS - y, y - (CARD_BOTTOM - CARD_RADIUS)))
    inset = CARD_RADIUS - math.sqrt(max(0.0, CARD_RADIUS * CARD_RADIUS - d * d)) if d else 0.0
    return CARD_LEFT + inset, CARD_RIGHT - inset


def card_top_bottom(x):
    """Top and bottom edge of the card at x."""
    d = max(0.0, max(CARD_LEFT + CARD_RADIUS - x, x - (CARD_RIGHT - CARD_RADIUS)))
    inset = CARD_RADIUS - math.sqrt(max(0.0, CARD_RADIUS * CARD_RADIUS - d * d)) if d else 0.0
    return CARD_TOP + inset, CARD_BOTTOM - inset


def card_edge():
    return rect(CARD_LEFT, CARD_TOP, CARD_RIGHT - CARD_LEFT, CARD_BOTTOM - CARD_TOP, CARD_RADIUS, fill='none',
                stroke=INK,
                stroke_width=2.6)


def band_below(top, fill, **kw):
    """The card below a top edge (a height, or a path from x=1.5 to x=238.5)."""
    if isinstance(top, (int, float)):
        top = 'M1.5,%s L238.5,%s' % (number(top), number(top))
    return path(top + CARD_LOWER_EDGE, fill=fill, **kw)


def band_above(bottom, fill, **kw):
    """The card above a height."""
    return path('M1.5,%s L1.5,21.5 A20,20 0 0 1 21.5,1.5 L218.5,1.5 A20,20 0 0 1 '
                '238.5,21.5 L238.5,%s Z' % (number(bottom), number(bottom)), fill=fill, **kw)


def wavy_line(y, amp, count, phase=0.0, x0=1.5, x1=238.5):
    """A wavy line from x0 to x1 (path starting with M)."""
    w = (x1 - x0) / count
    d = 'M%s' % coords((x0, y))
    for i in range(count):
        a = x0 + i * w
        s = amp if (i + int(phase)) % 2 == 0 else -amp
        d += ' Q%s %s' % (coords((a + w / 2, y - s)), coords((a + w, y)))
    return d


def linear_gradient(gid, c0, c1, x2=0, y2=1, mid=None):
    stops = '<stop offset="0" stop-color="%s"/>' % c0
    if mid:
        stops += '<stop offset="0.5" stop-color="%s"/>' % mid
    stops += '<stop offset="1" stop-color="%s"/>' % c1
    return ('<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">%s</linearGradient>'
            % (gid, x2, y2, stops))


def radial_gradient(gid, c0, c1, cx=0.5, cy=0.5, r=0.5):
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</radialGradient>' % (gid, cx, cy, r, c0, c1))


def shadow(x, y, rx, ry=None, o=0.16):
    return ellipse(x, y, rx, ry if ry else rx * 0.2, fill=INK, opacity=o)


def motion_lines(x, y, length=18, count=3, gap=7, ang=0, col=INK, w=2.4, o=0.55):
    """Short motion lines; ang is the direction they trail to."""
    d = ''
    for i in range(count):
        off = (i - (count - 1) / 2) * gap
        ln = length * (1 - 0.22 * abs(i - (count - 1) / 2))
        a = math.radians(ang)
        px, py = -math.sin(a) * off, math.cos(a) * off
        d += 'M%s L%s ' % (coords((x + px, y + py)),
                           coords((x + px + ln * math.cos(a), y + py + ln * math.sin(a))))
    return path(d, fill='none', stroke=col, stroke_width=w, stroke_linecap='round', opacity=o)


def arc_trail(points, col=INK, w=2.2, o=0.45, dash=True):
    d = 'M%s ' % coords(points[0]) + smooth_curve(points)
    kw = {}
    if dash:
        kw['stroke_dasharray'] = '5,5'
    return path(d, fill='none', stroke=col, stroke_width=w, stroke_linecap='round',
                opacity=o, **kw)


def circle_path(x, y, r):
    """A circle as a path, always drawn the same way round: several in one path fill their union."""
    return 'M%s A%s,%s 0 1 0 %s A%s,%s 0 1 0 %s Z' % (
        coords((x - r, y)), number(r), number(r), coords((x + r, y)), number(r), number(r),
        coords((x - r, y)))


def puff(x, y, r, col=WHITE, o=1.0, sw=1.8):
    """A little splash or dust cloud of three bubbles, one shape: a translucent group would be
    drawn, and printed, as a bitmap by Qt Svg 6.7 and later, a translucent path as a vector."""
    d = (circle_path(x - r * 0.8, y + r * 0.2, r * 0.7) + circle_path(x + r * 0.8, y + r * 0.25, r * 0.65) +
         circle_path(x, y - r * 0.2, r))
    return path(d, fill=col, opacity=o if o < 1 else None)


def sport_document(body, defs=''):
    return svg_document(240, 200, body + card_edge(), defs)


# ---------------------------------------------------------------- balls

def ball_baseball(x, y, r, fill=WHITE, seam='#e23b3b', sw=2.2):
    out = circle(x, y, r, fill=fill, stroke=INK, stroke_width=sw)
    for side in (-1, 1):
        d = 'M%s Q%s %s' % (coords((x + side * r * 0.48, y - r * 0.86)),
                             coords((x + side * r * 0.12, y)),
                             coords((x + side * r * 0.48, y + r * 0.86)))
        out += path(d, fill='none', stroke=seam, stroke_width=max(1.2, r * 0.13),
                    stroke_linecap='round')
        ticks = ''
        for t in (-0.55, -0.2, 0.15, 0.5):
            yy = y + t * r * 1.4
            xx = x + side * (r * 0.48 - (1 - (t / 0.7) ** 2) * r * 0.3)
            ticks += 'M%s L%s ' % (coords((xx - r * 0.14, yy - r * 0.08)),
                                   coords((xx + r * 0.14, yy + r * 0.08)))
        out += path(ticks, fill='none', stroke=seam, stroke_width=max(0.9, r * 0.09),
                    stroke_linecap='round')
    out += path('M%s A%s,%s 0 0 1 %s' % (coords((x - r * 0.6, y - r * 0.35)), number(r * 0.7),
                                         number(r * 0.7), coords((x - r * 0.2, y - r * 0.68))),
                fill='none', stroke=WHITE, stroke_width=max(1.2, r * 0.16),
                stroke_linecap='round', opacity=0.8)
    return out


def ball_tennis(x, y, r, sw=2.2):
    return (circle(x, y, r, fill='#dcf23a', stroke=INK, stroke_width=sw) +
            path('M%s Q%s %s' % (coords((x - r * 0.75, y - r * 0.6)), coords((x + r * 0.2, y)),
                                 coords((x - r * 0.75, y + r * 0.6))),
                 fill='none', stroke=WHITE, stroke_width=r * 0.2, stroke_linecap='round') +
            path('M%s Q%s %s' % (coords((x + r * 0.75, y - r * 0.6)), coords((x - r * 0.2, y)),
                                 coords((x + r * 0.75, y + r * 0.6))),
                 fill='none', stroke=WHITE, stroke_width=r * 0.2, stroke_linecap='round'))


def ball_basketball(x, y, r, sw=2.4):
    lw = max(1.2, r * 0.11)
    return (circle(x, y, r, fill='#f27a2a', stroke=INK, stroke_width=sw) +
            path('M%s L%s M%s L%s M%s Q%s %s M%s Q%s %s' % (
                coords((x - r, y)), coords((x + r, y)), coords((x, y - r)), coords((x, y + r)),
                coords((x - r * 0.7, y - r * 0.72)), coords((x - r * 0.2, y)),
                coords((x - r * 0.7, y + r * 0.72)),
                coords((x + r * 0.7, y - r * 0.72)), coords((x + r * 0.2, y)),
                coords((x + r * 0.7, y + r * 0.72))),
                 fill='none', stroke=INK, stroke_width=lw, stroke_linecap='round') +
            path('M%s A%s,%s 0 0 1 %s' % (coords((x - r * 0.72, y - r * 0.2)), number(r * 0.75),
                                          number(r * 0.75), coords((x - r * 0.3, y - r * 0.66))),
                 fill='none', stroke=WHITE, stroke_width=lw * 1.3, stroke_linecap='round',
                 opacity=0.55))


def ball_football(x, y, r, sw=2.4):
    out = circle(x, y, r, fill=WHITE, stroke=INK, stroke_width=sw)
    pent = [(x + r * 0.36 * math.cos(math.radians(-90 + 72 * i)),
             y + r * 0.36 * math.sin(math.radians(-90 + 72 * i))) for i in range(5)]
    out += path(polygon_path(pent), fill=INK, stroke=INK, stroke_width=1, stroke_linejoin='round')
    lines = ''
    for i in range(5):
        a = math.radians(-90 + 72 * i)
        p0 = pent[i]
        p1 = (x + r * 0.7 * math.cos(a), y + r * 0.7 * math.sin(a))
        lines += 'M%s L%s ' % (coords(p0), coords(p1))
        # dark patches on the rim between the seams
        b = math.radians(-90 + 72 * i + 36)
        c = (x + r * 0.93 * math.cos(b), y + r * 0.93 * math.sin(b))
        q = [(c[0] + r * 0.28 * math.cos(b + math.radians(k)),
              c[1] + r * 0.28 * math.sin(b + math.radians(k))) for k in (90, 150, 210, 270)]
        out += path(polygon_path([q[0], q[1], q[2], q[3]]), fill=INK, stroke=INK, stroke_width=0.8,
                    stroke_linejoin='round')
    out += path(lines, fill='none', stroke=INK, stroke_width=max(1, r * 0.08))
    # keep the patches inside the ball outline
    out += circle(x, y, r + sw * 0.2, fill='none', stroke=INK, stroke_width=sw)
    return out


def ball_volleyball(x, y, r, sw=2.4):
    out = circle(x, y, r, fill='#ffd43b', stroke=INK, stroke_width=sw)
    out += path('M%s Q%s %s Q%s %s Z' % (coords((x - r * 0.95, y - r * 0.3)), coords((x, y - r * 0.2)),
                                         coords((x + r * 0.6, y - r * 0.8)),
                                         coords((x - r * 0.4, y - r * 1.2)),
                                         coords((x - r * 0.95, y - r * 0.3))), fill='#2d6fe0')
    out += path('M%s Q%s %s Q%s %s Z' % (coords((x - r * 0.6, y + r * 0.8)),
                                         coords((x + r * 0.1, y + r * 0.2)),
                                         coords((x + r * 0.98, y + r * 0.15)),
                                         coords((x + r * 0.6, y + r * 0.9)),
                                         coords((x - r * 0.6, y + r * 0.8))), fill='#2d6fe0')
    out += path('M%s Q%s %s M%s Q%s %s M%s Q%s %s' % (
        coords((x - r * 0.95, y - r * 0.3)), coords((x, y - r * 0.2)), coords((x + r * 0.6, y - r * 0.8)),
        coords((x - r * 0.6, y + r * 0.8)), coords((x + r * 0.1, y + r * 0.2)),
        coords((x + r * 0.98, y + r * 0.15)),
        coords((x - r * 0.75, y + r * 0.1)), coords((x - r * 0.2, y + r * 0.1)),
        coords((x + r * 0.75, y - r * 0.45))),
        fill='none', stroke=INK, stroke_width=max(1, r * 0.09), stroke_linecap='round')
    out += circle(x, y, r, fill='none', stroke=INK, stroke_width=sw)
    return out


def ball_handball(x, y, r, sw=2.2):
    out = circle(x, y, r, fill=WHITE, stroke=INK, stroke_width=sw)
    out += path('M%s Q%s %s Q%s %s Z' % (coords((x - r * 0.2, y - r * 0.98)),
                                         coords((x - r * 0.1, y - r * 0.1)),
                                         coords((x + r * 0.95, y + r * 0.3)),
                                         coords((x + r * 0.9, y - r * 0.7)),
                                         coords((x - r * 0.2, y - r * 0.98))), fill='#ff4d6d')
    out += path('M%s Q%s %s Q%s %s Z' % (coords((x - r * 0.95, y + r * 0.1)),
                                         coords((x - r * 0.3, y + r * 0.3)),
                                         coords((x + r * 0.2, y + r * 0.97)),
                                         coords((x - r * 0.8, y + r * 0.7)),
                                         coords((x - r * 0.95, y + r * 0.1))), fill='#2d6fe0')
    out += circle(x, y, r, fill='none', stroke=INK, stroke_width=sw)
    return out


def shuttlecock(x, y, ang, size=1.0, sw=2.0):
    """A shuttlecock, cork at (x,y), skirt trailing towards ang+180."""
    g = (path('M0,-5 L24,-13 L24,13 L0,5 Z', fill=WHITE, stroke=INK, stroke_width=sw,
              stroke_linejoin='round') +
         path('M3,-2.5 L24,-7 M3,0 L24,0 M3,2.5 L24,7', fill='none', stroke='#9aa6c0',
              stroke_width=1.2) +
         path('M21,-12 Q22,0 21,12', fill='none', stroke='#9aa6c0', stroke_width=1.2) +
         path('M1,-6 A6,6 0 0 0 1,6 Z', fill='#ffffff', stroke=INK, stroke_width=sw,
              stroke_linejoin='round') +
         path('M0.5,-6 L2.5,-6 L2.5,6 L0.5,6 Z', fill='#ff5a5a', stroke=INK, stroke_width=1))
    return group(g, 'translate(%s) rotate(%s) scale(%s)' % (coords((x, y)), number(ang + 180), number(size)))


# ---------------------------------------------------------------- equipment
# Each is drawn around its grip at (0,0), pointing up (-y), then placed with
# place(svg, x, y, angle); angle 0 = pointing up, positive = clockwise.

def place(svg, x, y, ang=0, s=1.0):
    t = 'translate(%s)' % coords((x, y))
    if ang:
        t += ' rotate(%s)' % number(ang)
    if s != 1:
        t += ' scale(%s)' % number(s)
    return group(svg, t)


def racket_tennis(frame, sw):
    strings = ''
    for i in range(-3, 4):
        x = i * 3.2
        h = 13.2 * math.sqrt(max(0, 1 - (x / 10.5) ** 2))
        strings += 'M%s L%s ' % (coords((x, -30 - h)), coords((x, -30 + h)))
    for i in range(-3, 4):
        y = i * 3.6
        w = 10.2 * math.sqrt(max(0, 1 - (y / 13.6) ** 2))
        strings += 'M%s L%s ' % (coords((-w, -30 + y)), coords((w, -30 + y)))
    return (rect(-2.6, -14, 5.2, 17, 2, fill='#3a3a5a', stroke=INK, stroke_width=sw) +
            path('M-2,-14 L-6,-19 M2,-14 L6,-19', fill='none', stroke=INK, stroke_width=sw + 2.4,
                 stroke_linecap='round') +
            path('M-2,-14 L-6,-19 M2,-14 L6,-19', fill='none', stroke=frame, stroke_width=2.4,
                 stroke_linecap='round') +
            ellipse(0, -30, 11.5, 14.5, fill=WHITE, fill_opacity=0.55) +
            path(strings, fill='none', stroke='#8a8aa8', stroke_width=0.8) +
            ellipse(0, -30, 11.5, 14.5, fill='none', stroke=INK, stroke_width=sw + 3.4) +
            ellipse(0, -30, 11.5, 14.5, fill='none', stroke=frame, stroke_width=3.4))


def racket_badminton(frame, sw):
    strings = ''
    for i in range(-2, 3):
        x = i * 2.8
        h = 10.5 * math.sqrt(max(0, 1 - (x / 7.8) ** 2))
        strings += 'M%s L%s ' % (coords((x, -40 - h)), coords((x, -40 + h)))
    for i in range(-2, 3):
        y = i * 3.4
        w = 7.6 * math.sqrt(max(0, 1 - (y / 10.6) ** 2))
        strings += 'M%s L%s ' % (coords((-w, -40 + y)), coords((w, -40 + y)))
    return (rect(-2.3, -10, 4.6, 13, 2, fill='#f5f5ff', stroke=INK, stroke_width=sw) +
            line(0, -10, 0, -29, stroke=INK, stroke_width=sw + 1.8, stroke_linecap='round') +
            line(0, -10, 0, -29, stroke='#c8d0e0', stroke_width=1.8, stroke_linecap='round') +
            ellipse(0, -40, 8.5, 11.2, fill=WHITE, fill_opacity=0.55) +
            path(strings, fill='none', stroke='#8a8aa8', stroke_width=0.7) +
            ellipse(0, -40, 8.5, 11.2, fill='none', stroke=INK, stroke_width=sw + 2.4) +
            ellipse(0, -40, 8.5, 11.2, fill='none', stroke=frame, stroke_width=2.4))


def table_tennis_bat(rubber, sw):
    return (rect(-2.8, -11, 5.6, 14, 2.2, fill='#d9a066', stroke=INK, stroke_width=sw) +
            circle(0, -20, 11, fill=rubber, stroke=INK, stroke_width=sw) +
            path('M-6,-26 A8,8 0 0 1 1,-29', fill='none', stroke=WHITE, stroke_width=2,
                 stroke_linecap='round', opacity=0.6))


def baseball_bat(sw, length=62, col='#e8b878', grip='#8a5a3a'):
    L_ = length
    d = ('M-2.2,4 L-2.6,%s Q-5.6,%s -5.4,%s Q-5,%s 0,%s Q5,%s 5.4,%s Q5.6,%s 2.6,%s L2.2,4 Z'
         % (number(-L_ * 0.45), number(-L_ * 0.62), number(-L_ * 0.8), number(-L_ - 1), number(-L_ - 1),
            number(-L_ - 1), number(-L_ * 0.8), number(-L_ * 0.62), number(-L_ * 0.45)))
    return (ellipse(0, 5, 4.2, 2.2, fill=grip, stroke=INK, stroke_width=sw * 0.8) +
            path(d, fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round') +
            rect(-2.4, -12, 4.8, 15, 1, fill=grip) +
            path('M2.8,%s Q3.4,%s 2,%s' % (number(-L_ * 0.5), number(-L_ * 0.75), number(-L_ * 0.95)),
                 fill='none', stroke=WHITE, stroke_width=1.6, stroke_linecap='round', opacity=0.55))


def fielders_glove(sw, col='#b86a34', dark='#8a4a22'):
    """A fielder's glove, wrist at (0,0), fingers up."""
    d = ('M-9,2 Q-12,-6 -11,-14 Q-10,-20 -6,-19 Q-5,-25 -1,-24 Q2,-26 4,-22 '
         'Q8,-23 9,-18 Q11,-12 8,-4 L13,-8 Q16,-6 13,-1 Q8,6 0,6 Q-7,6 -9,2 Z')
    return (path(d, fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round') +
            path('M-6,-18 L-6,-6 M-1,-23 L-1,-6 M4,-21 L4,-6', fill='none', stroke=dark,
                 stroke_width=1.3, stroke_linecap='round') +
            path('M-9,1 Q0,4 9,0', fill='none', stroke=dark, stroke_width=2.2,
                 stroke_linecap='round'))


def bow(col, sw, draw=22):
    """A bow held at (0,0) upright, string pulled back by `draw` to the left."""
    d = 'M-4,-40 Q20,-20 0,0 Q20,20 -4,40'
    return (path('M-4,-40 L%s L-4,40' % coords((-draw, 0)), fill='none', stroke='#555570',
                 stroke_width=1.1) +
            path(d, fill='none', stroke=INK, stroke_width=4 + 2 * sw * 0.7, stroke_linecap='round',
                 stroke_linejoin='round') +
            path(d, fill='none', stroke=col, stroke_width=4, stroke_linecap='round',
                 stroke_linejoin='round') +
            rect(-1.5, -6, 6, 12, 2, fill='#5a3a2a', stroke=INK, stroke_width=sw * 0.7))


def arrow(x0, y0, x1, y1, sw, col='#e0a050', fl='#ff5a5a'):
    ang = math.degrees(math.atan2(y1 - y0, x1 - x0))
    ln = math.hypot(x1 - x0, y1 - y0)
    g = (line(0, 0, ln - 4, 0, stroke=INK, stroke_width=2.2 + sw * 0.9, stroke_linecap='round') +
         line(0, 0, ln - 4, 0, stroke=col, stroke_width=2.2, stroke_linecap='round') +
         path('M%s L%s L%s Z' % (coords((ln + 3, 0)), coords((ln - 5, -3.6)), coords((ln - 5, 3.6))),
              fill='#b8c2d8', stroke=INK, stroke_width=sw * 0.7, stroke_linejoin='round') +
         path('M0,0 L-6,-5 L3,-5 L9,0 L3,5 L-6,5 Z', fill=fl, stroke=INK,
              stroke_width=sw * 0.7, stroke_linejoin='round'))
    return group(g, 'translate(%s) rotate(%s)' % (coords((x0, y0)), number(ang)))


def hockey_stick(col, sw, length=58):
    d = 'M0,4 L0,%s Q0,%s 9,%s Q14,%s 12,%s' % (number(length - 10), number(length - 2), number(length - 1),
                                               number(length - 2), number(length - 8))
    return (path(d, fill='none', stroke=INK, stroke_width=5 + sw * 1.4, stroke_linecap='round',
                 stroke_linejoin='round') +
            path(d, fill='none', stroke=col, stroke_width=5, stroke_linecap='round',
                 stroke_linejoin='round') +
            line(0, 2, 0, 14, stroke='#3a3a5a', stroke_width=5, stroke_linecap='round'))


def foil(sw, length=70):
    return (line(0, 6, 0, -length, stroke=INK, stroke_width=2 + sw * 0.9, stroke_linecap='round') +
            line(0, 6, 0, -length, stroke='#eef3fb', stroke_width=2, stroke_linecap='round') +
            circle(0, -length, 2.4, fill='#3a3a5a') +
            rect(-2.4, 0, 4.8, 9, 2, fill='#3a3a5a', stroke=INK, stroke_width=sw * 0.7) +
            path('M-8,-2 Q0,-10 8,-2 Z', fill='#c9d3e6', stroke=INK, stroke_width=sw * 0.8,
                 stroke_linejoin='round'))


def oar(col, sw, length=90):
    return (line(0, 0, 0, length, stroke=INK, stroke_width=3 + sw * 1.2, stroke_linecap='round') +
            line(0, 0, 0, length, stroke='#f1e3c8', stroke_width=3, stroke_linecap='round') +
            path('M-1,%s Q-7,%s -5,%s Q0,%s 5,%s Q7,%s 1,%s Z' % (
                number(length - 4), number(length + 6), number(length + 20), number(length + 24),
                number(length + 20),
                number(length + 6), number(length - 4)),
                 fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round'))


def barbell(sw, half=50):
    out = line(-half, 0, half, 0, stroke=INK, stroke_width=3.4 + sw * 1.2, stroke_linecap='round')
    out += line(-half, 0, half, 0, stroke='#c9d3e6', stroke_width=3.4, stroke_linecap='round')
    for side in (-1, 1):
        for dx, h, w, col in ((half - 20, 46, 9, '#e8313a'), (half - 11, 38, 8, '#2f6fe0'),
                              (half - 3.5, 24, 5, '#ffd23c')):
            out += rect(side * dx - w / 2, -h / 2, w, h, 3, fill=col, stroke=INK, stroke_width=sw)
        out += rect(side * (half - 26) - 2.5, -6, 5, 12, 1.5, fill='#c9d3e6', stroke=INK,
                    stroke_width=sw * 0.8)
    return out


def kick_pad(col, sw):
    return (rect(-2.5, -2, 5, 16, 2, fill='#3a3a5a', stroke=INK, stroke_width=sw) +
            ellipse(0, -12, 11, 15, fill=col, stroke=INK, stroke_width=sw) +
            ellipse(0, -12, 6, 9, fill='none', stroke=WHITE, stroke_width=2, opacity=0.8))


def rifle(sw):
    """Air rifle, butt at (0,0), barrel along +x."""
    return (path('M-6,-5 Q-8,4 -4,9 L6,8 Q14,2 22,2 L48,1 L48,-4 L20,-5 Q8,-8 -6,-5 Z',
                 fill='#b5743e', stroke=INK, stroke_width=sw, stroke_linejoin='round') +
            rect(40, -6.5, 52, 5, 2, fill='#3a3a5a', stroke=INK, stroke_width=sw) +
            rect(24, -11, 20, 5, 2, fill='#3a3a5a', stroke=INK, stroke_width=sw) +
            rect(88, -9, 4, 4, 1, fill='#3a3a5a') +
            path('M16,2 Q18,8 14,10', fill='none', stroke=INK, stroke_width=1.6,
                 stroke_linecap='round'))


def pistol(sw):
    """Air pistol, grip at (0,0), barrel along +x."""
    return (path('M-4,-8 L26,-8 L26,-1 L6,-1 L5,10 L-4,10 Z', fill='#3a3a5a', stroke=INK,
                 stroke_width=sw, stroke_linejoin='round') +
            rect(-3, -1, 8, 11, 2, fill='#b5743e', stroke=INK, stroke_width=sw * 0.8))


def ribbon_stick(sw, col='#ff5fa2'):
    d = ('M0,-22 Q-16,-46 4,-52 Q24,-56 16,-36 Q6,-18 -12,-30 Q-30,-44 -20,-64 '
         'Q-12,-78 6,-80 Q20,-81 26,-90')
    return (line(0, 2, 0, -22, stroke=INK, stroke_width=2 + sw, stroke_linecap='round') +
            line(0, 2, 0, -22, stroke=WHITE, stroke_width=2, stroke_linecap='round') +
            path(d, fill='none', stroke=INK, stroke_width=4 + sw * 1.2, stroke_linecap='round',
                 stroke_linejoin='round') +
            path(d, fill='none', stroke=col, stroke_width=4, stroke_linecap='round',
                 stroke_linejoin='round'))


def goalie_glove(x, y, sw, col='#7ed957', ang=0):
    g = (path('M-6,4 L-6,-4 Q-7,-12 -3,-12 Q-1,-15 2,-12 Q6,-13 6,-8 L7,-2 Q10,-4 11,-1 '
              'Q9,4 5,6 Z', fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round') +
         rect(-6.5, 3, 12, 5, 2, fill=WHITE, stroke=INK, stroke_width=sw * 0.8))
    return group(g, 'translate(%s) rotate(%s)' % (coords((x, y)), number(ang)))


# ================================================================ sports

def sky_gradient(gid='sky', top='#9fdcff', bottom='#e9f8ff'):
    return linear_gradient(gid, top, bottom)


def scene_baseball():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += path('M1.5,100 Q60,84 120,96 Q180,86 238.5,98 L238.5,110 L1.5,110 Z', fill='#b8e6a0')
    b += rect(1.5, 104, 237, 24, fill='#3f9a5b')       # far fence
    b += rect(1.5, 101, 237, 6, fill='#ffd23c')
    b += band_below(128, '#8fd46a')                    # outfield grass
    for i in range(6):
        x = 1.5 + i * 40
        b += path('M%s L%s L%s L%s Z' % (coords((x + 18, 128)), coords((x + 38, 128)), coords((x + 34, 160)),
                                         coords((x + 12, 160))), fill='#a3de7e')
    b += band_below('M1.5,160 Q120,138 238.5,160', '#e3a868')  # infield dirt
    b += path('M42,183 L62,183 L66,189 L52,194 L38,189 Z', fill=WHITE, stroke=INK,
              stroke_width=2, stroke_linejoin='round')  # home plate
    b += path('M178,168 Q200,160 222,168 Q200,174 178,168 Z', fill='#d9955a')  # mound
    b += rect(190, 164, 18, 4, 1.5, fill=WHITE, stroke=INK, stroke_width=1.5)
    # Phevos swings
    s = 1.0
    sw = OUTLINE / s
    ph = Figure(PHEVOS, 70, 182, s, tilt=8, wear={'cap'},
                arms={'l': dict(hand=(18, -50), bend=6), 'r': dict(hand=(25, -54), bend=-3)},
                legs={'l': dict(foot=(-15, -6), toe=190), 'r': dict(foot=(17, -6), toe=-5)},
                face=dict(mouth='open', look=(2.2, 0), brows=True),
                props=[('underhands', place(baseball_bat(sw), 20, -52, 84))])
    b += shadow(70, 186, 34)
    b += shadow(198, 172, 26)
    # Athena has just pitched
    s2 = 0.92
    sw2 = OUTLINE / s2
    at = Figure(ATHENA, 198, 170, s2, flip=True, tilt=10, wear={'cap'},
                arms={'r': dict(hand=(34, -60), bend=-4), 'l': dict(hand=(-20, -44), bend=3)},
                legs={'r': dict(foot=(14, -6), toe=-10), 'l': dict(foot=(-14, -8), toe=200)},
                face=dict(mouth='open', look=(2, 0)),
                props=[('front', place(fielders_glove(sw2), -21, -41, -20))])
    b += at.svg() + ph.svg()
    b += motion_lines(152, 112, 16, 3, 6, 0)
    b += ball_baseball(146, 111, 7.5)
    b += sparkle(132, 100, 5, '#ffd23c', 1.4) + sparkle(136, 124, 4, '#ffd23c', 1.2)
    return sport_document(b, defs)


def scene_tennis():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += rect(1.5, 62, 237, 54, fill='#2f8a58')        # windbreak
    b += rect(1.5, 58, 237, 6, fill='#236b44')
    for x in (40, 120, 200):
        b += circle(x, 26, 12, fill='#ffffff', opacity=0.7) + circle(x + 14, 30, 9, fill='#ffffff',
                                                                     opacity=0.7)
    b += band_below(116, '#3a9ad9')                    # court
    b += band_below('M1.5,128 L238.5,128', '#4cabe6')
    b += path('M1.5,186 L238.5,186', stroke=WHITE, stroke_width=3, fill='none')
    b += path('M1.5,132 L238.5,132', stroke=WHITE, stroke_width=2, fill='none')
    # the net, seen from the side and a little above
    net = ''
    fx, fb, ft = 110, 188, 150
    bx, bb, bt = 132, 128, 104
    for i in range(1, 8):
        t = i / 8
        net += 'M%s L%s ' % (coords((fx + (bx - fx) * t, fb + (bb - fb) * t)),
                             coords((fx + (bx - fx) * t, ft + (bt - ft) * t)))
    for i in range(1, 6):
        t = i / 6
        net += 'M%s L%s ' % (coords((fx, fb + (ft - fb) * t)), coords((bx, bb + (bt - bb) * t)))
    b += path(polygon_path([(fx, fb), (bx, bb), (bx, bt), (fx, ft)]), fill='#ffffff', fill_opacity=0.25)
    b += path(net, fill='none', stroke='#2a2440', stroke_width=1, opacity=0.55)
    b += line(fx, ft, bx, bt, stroke=INK, stroke_width=7, stroke_linecap='round')
    b += line(fx, ft, bx, bt, stroke=WHITE, stroke_width=4, stroke_linecap='round')
    b += line(bx, bb + 2, bx, bt - 2, stroke=INK, stroke_width=4.6, stroke_linecap='round')
    b += line(bx, bb + 2, bx, bt - 2, stroke='#dfe6f2', stroke_width=2, stroke_linecap='round')
    front_post = (line(fx, fb + 2, fx, ft - 2, stroke=INK, stroke_width=4.6, stroke_linecap='round') +
                  line(fx, fb + 2, fx, ft - 2, stroke='#dfe6f2', stroke_width=2,
                       stroke_linecap='round'))
    s = 1.0
    sw = OUTLINE / s
    b += shadow(60, 186, 30)
    ph = Figure(PHEVOS, 60, 182, s, tilt=6, wear={'headband'},
                arms={'r': dict(hand=(30, -74), bend=-5), 'l': dict(hand=(-22, -44), bend=4)},
                legs={'l': dict(foot=(-13, -6), toe=195), 'r': dict(foot=(15, -7), toe=-5)},
                face=dict(mouth='open', look=(2.2, -1)),
                props=[('underhands', place(racket_tennis('#ff5a3c', sw), 30, -74, 50))])
    s2 = 0.82
    sw2 = OUTLINE / s2
    b += shadow(190, 158, 24)
    at = Figure(ATHENA, 190, 155, s2, flip=True, tilt=4, wear={'headband'}, wear_colour=WHITE,
                arms={'r': dict(hand=(30, -60), bend=-4), 'l': dict(hand=(-22, -48), bend=4)},
                legs={'l': dict(foot=(-14, -6), toe=195), 'r': dict(foot=(14, -6), toe=-15)},
                face=dict(mouth='smile', look=(2, -1.5)),
                props=[('underhands', place(racket_tennis('#7a4dff', sw2), 30, -60, 48))])
    b += at.svg() + ph.svg() + front_post
    b += arc_trail([(92, 92), (108, 70), (124, 64)])
    b += ball_tennis(134, 64, 7.5)
    return sport_document(b, defs)


def crowd(y0, y1, seed=3, o=None):
    """The crowd in the stand, each dot at the opacity `o`: the dots do not overlap, so they look as
    a translucent group of them would, but print as vectors (Qt Svg 6.7 and later draw a
    translucent group as a bitmap)."""
    cols = ['#ff8a1c', '#2f8ff0', '#ffd23c', '#ff5fa2', '#7ed957', '#ffffff']
    out = ''
    k = seed
    rows = int((y1 - y0) / 11)
    for r in range(rows):
        y = y0 + 6 + r * 11
        off = 7 if r % 2 else 0
        for i in range(17):
            k = (k * 7 + 3) % 11
            x = 8 + off + i * 14
            if x > 234:
                continue
            out += circle(x, y, 4.2, fill=cols[k % len(cols)], opacity=o)
    return out


def scene_athletics():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += rect(1.5, 26, 237, 6, fill='#5a5f8a')         # stand roof
    b += rect(1.5, 32, 237, 62, fill='#7b80ab')        # the stand
    b += crowd(32, 92, o=0.85)
    b += rect(1.5, 90, 237, 6, fill='#3f9a5b')
    b += band_below(96, '#e85a44')                     # the track
    for y in (118, 146, 178):
        b += line(1.5, y, 238.5, y, stroke=WHITE, stroke_width=2.4)
    # chequered finish line
    chk = ''
    for i in range(12):
        y0 = 96 + i * 8.55
        x0 = 192 + (y0 - 96) * 0.14
        for j in range(2):
            if (i + j) % 2 == 0:
                chk += polygon_path([(x0 + j * 6, y0), (x0 + j * 6 + 6, y0),
                                     (x0 + j * 6 + 7.2, y0 + 8.55), (x0 + j * 6 + 1.2, y0 + 8.55)]) + ' '
    b += path('M192,96 L204,96 L218.4,198.5 L206.4,198.5 Z', fill=WHITE)
    b += path(chk, fill=INK)
    # Athena, in the back lane
    s2 = 0.8
    b += shadow(84, 140, 22)
    at = Figure(ATHENA, 84, 134, s2, tilt=12,
                arms={'r': dict(hand=(30, -58), bend=-6), 'l': dict(hand=(-24, -40), bend=-6)},
                legs={'r': dict(foot=(28, -20), toe=-5, bend=-4),
                      'l': dict(foot=(-24, -10), toe=40, bend=4)},
                face=dict(mouth='open', look=(2.4, 0)))
    b += at.svg() + motion_lines(36, 96, 18, 3, 8, 180)
    # Phevos breaks the finishing tape
    s = 0.98
    b += shadow(170, 186, 28)
    tape_back = 'M184,128 Q172,114 158,112 Q146,110 140,100 Q136,92 128,90'
    tape_front = 'M184,128 Q166,136 148,140 Q128,146 116,156 Q106,164 94,158'
    ribbon = lambda d: (path(d, fill='none', stroke=INK, stroke_width=6, stroke_linecap='round',
                             stroke_linejoin='round') +
                        path(d, fill='none', stroke='#ffe14d', stroke_width=3.4,
                             stroke_linecap='round', stroke_linejoin='round'))
    b += ribbon(tape_back)
    ph = Figure(PHEVOS, 170, 180, s, tilt=6,
                arms={'r': dict(hand=(26, -102), bend=-4), 'l': dict(hand=(-24, -102), bend=4)},
                legs={'r': dict(foot=(28, -24), toe=-5, bend=-4),
                      'l': dict(foot=(-24, -8), toe=40, bend=4)},
                face=dict(mouth='open', eyes='happy', look=(2, -1)))
    b += ph.svg() + ribbon(tape_front)
    b += motion_lines(112, 176, 22, 3, 9, 180)
    b += sparkle(126, 62, 6, '#ffd23c') + sparkle(214, 60, 6, '#ffd23c') + \
        sparkle(222, 104, 4, '#ffffff')
    return sport_document(b, defs)


def target_face(x, y, r, sw=2.4):
    out = ''
    for k, col in enumerate(('#ffffff', '#2a2440', '#2f9cf0', '#f0423a', '#ffd23c')):
        rr = r * (1 - k * 0.19)
        out += circle(x, y, rr, fill=col, stroke=INK if k == 0 else '#2a2440',
                      stroke_width=sw if k == 0 else 1)
    out += circle(x, y, r * 0.08, fill='none', stroke=INK, stroke_width=0.8)
    return out


def stuck_arrow(x, y, ang, sw, fl):
    """An arrow in the target: only its shaft and feathers stick out."""
    g = (line(0, 0, 20, 0, stroke=INK, stroke_width=2.2 + sw * 0.9, stroke_linecap='round') +
         line(0, 0, 20, 0, stroke='#e0a050', stroke_width=2.2, stroke_linecap='round') +
         path('M12,0 L18,-6 L26,-6 L22,0 L26,6 L18,6 Z', fill=fl, stroke=INK,
              stroke_width=sw * 0.7, stroke_linejoin='round'))
    return group(g, 'translate(%s) rotate(%s)' % (coords((x, y)), number(ang)))


def scene_archery():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += path('M1.5,120 Q60,96 130,116 Q190,100 238.5,112 L238.5,140 L1.5,140 Z', fill='#9bd67a')
    b += band_below(132, '#7cc35a')
    for x in (20, 70, 120):
        b += path('M%s Q%s %s' % (coords((x, 160 + x % 17)), coords((x + 6, 152 + x % 17)),
                                  coords((x + 10, 160 + x % 17))), fill='none', stroke='#5fa845',
                  stroke_width=2, stroke_linecap='round')
    # target on its stand
    tx, ty, tr = 186, 98, 44
    b += path('M168,120 L150,186 M204,120 L222,186 M186,120 L196,176', fill='none', stroke=INK,
              stroke_width=7.5, stroke_linecap='round')
    b += path('M168,120 L150,186 M204,120 L222,186 M186,120 L196,176', fill='none',
              stroke='#c98a4b', stroke_width=4, stroke_linecap='round')
    b += circle(tx, ty, tr + 4, fill='#e8d7a8', stroke=INK, stroke_width=2.6)
    b += target_face(tx, ty, tr)
    b += stuck_arrow(183, 101, 200, 2.4, '#ff8a1c')
    b += stuck_arrow(192, 93, 215, 2.4, '#2f8ff0')
    b += shadow(186, 188, 40, 5)
    # Athena draws her bow
    s = 1.0
    sw = OUTLINE / s
    b += shadow(92, 186, 28)
    at = Figure(ATHENA, 92, 182, s, tilt=-2,
                arms={'r': dict(hand=(42, -66), bend=-2), 'l': dict(hand=(8, -70), bend=-10)},
                legs={'l': dict(foot=(-12, -6), toe=195), 'r': dict(foot=(13, -6), toe=-10)},
                face=dict(mouth='smile', eyes='wink', look=(3, 0), brows=True),
                props=[('overbody', place(bow('#2f6fe0', sw, 34), 42, -66)),
                       ('overbody', arrow(8, -69, 68, -67, sw))])
    # Phevos cheers with his bow
    s2 = 0.78
    sw2 = OUTLINE / s2
    b += shadow(34, 172, 20)
    ph = Figure(PHEVOS, 34, 168, s2,
                arms={'r': dict(hand=(24, -100), bend=-5), 'l': dict(hand=(-26, -58), bend=-4)},
                face=dict(mouth='open', look=(2, -1)),
                props=[('underhands', place(bow('#ff8a1c', sw2, 0), -26, -58, 180))])
    b += ph.svg() + at.svg()
    return sport_document(b, defs)


def scene_weightlifting():
    defs = linear_gradient('wall', '#ffe9c9', '#fff6e6')
    b = card('url(#wall)')
    for x in (30, 90, 150, 210):
        b += circle(x, 20, 10, fill='#fff9d6', opacity=0.9)
    b += band_below(150, '#6a5a8a')
    b += path('M16,156 L224,156 L233,186 L7,186 Z', fill='#e0a868', stroke=INK,
              stroke_width=2.4, stroke_linejoin='round')
    for x in (60, 120, 180):
        b += line(x, 156, x + (x - 120) * 0.12, 186, stroke='#c98d52', stroke_width=1.6)
    out = ''
    for who, x, flip in ((PHEVOS, 64, False), (ATHENA, 176, True)):
        s = 0.9
        sw = OUTLINE / s
        f = Figure(who, x, 176, s, flip=flip,
                   arms={'l': dict(hand=(-24, -110), bend=3), 'r': dict(hand=(24, -110), bend=-3)},
                   legs={'l': dict(foot=(-16, -6), toe=195), 'r': dict(foot=(16, -6), toe=-15)},
                   face=dict(mouth='grin', look=(0, -1), brows=True),
                   props=[('underhands', place(barbell(sw, 54), 0, -110))])
        out += shadow(x, 180, 30) + f.svg()
        out += path('M%s q-3,5 0,7 q3,-2 0,-7 Z' % coords((x + (20 if not flip else -20), 82)),
                    fill='#6fd0ff', stroke=INK, stroke_width=1.2)
    b += out
    b += sparkle(120, 40, 8, '#ffd23c') + sparkle(112, 70, 4, '#ff8a1c') + \
        sparkle(130, 96, 5, '#2f8ff0')
    return sport_document(b, defs)


def scene_basketball():
    defs = linear_gradient('wall', '#ffe3c4', '#fff3e3')
    b = card('url(#wall)')
    b += rect(1.5, 112, 237, 10, fill='#ffb36b')
    b += band_below(122, '#e6a865')
    for i in range(1, 8):
        x = 1.5 + i * 30
        b += line(x, 122, x - 10 + i * 2, 198.5, stroke='#d49050', stroke_width=1.5)
    b += path('M150,198.5 Q170,150 238.5,146', fill='none', stroke=WHITE, stroke_width=3)
    # hoop
    b += rect(226, 14, 8, 110, 2, fill='#8a8fb8', stroke=INK, stroke_width=2.2)
    b += rect(176, 18, 58, 44, 5, fill=WHITE, stroke=INK, stroke_width=2.6)
    b += rect(191, 30, 28, 22, 2, fill='none', stroke='#f0423a', stroke_width=3)
    b += rect(200, 60, 10, 12, 1, fill='#8a8fb8', stroke=INK, stroke_width=1.6)
    netd = ('M178,72 L184,98 L208,98 L214,72 M184,72 L190,98 M190,72 L196,98 M196,72 L202,98 '
            'M202,72 L208,98 M208,72 L198,98 M202,72 L192,98 M196,72 L186,98 '
            'M181,85 L211,85')
    b += path(netd, fill='none', stroke=INK, stroke_width=3.6, stroke_linejoin='round')
    b += path(netd, fill='none', stroke=WHITE, stroke_width=1.8, stroke_linejoin='round')
    b += ellipse(196, 72, 19, 4.5, fill='none', stroke=INK, stroke_width=6)
    b += ellipse(196, 72, 19, 4.5, fill='none', stroke='#ff6a1c', stroke_width=3)
    # Athena dribbles
    s2 = 0.9
    b += shadow(56, 184, 26)
    at = Figure(ATHENA, 56, 180, s2, tilt=6,
                arms={'r': dict(hand=(26, -34), bend=-3), 'l': dict(hand=(-24, -60), bend=-4)},
                legs={'l': dict(foot=(-14, -6), toe=195), 'r': dict(foot=(15, -7), toe=-10)},
                face=dict(mouth='smile', look=(2.5, 0)))
    b += at.svg()
    b += ball_basketball(88, 170, 10.5) + motion_lines(88, 150, 8, 2, 8, -90, w=2)
    # Phevos jumps to shoot
    s = 0.95
    b += shadow(140, 186, 22)
    ph = Figure(PHEVOS, 136, 160, s, tilt=-6,
                arms={'r': dict(hand=(34, -108), bend=-3), 'l': dict(hand=(24, -116), bend=2, behind=True)},
                legs={'l': dict(foot=(-11, -2), toe=225), 'r': dict(foot=(10, -9), toe=-40, bend=3)},
                face=dict(mouth='open', look=(2, -2.5)))
    b += ph.svg()
    b += arc_trail([(172, 52), (180, 42), (186, 44)])
    b += ball_basketball(195, 53, 11)
    return sport_document(b, defs)




def scene_boxing():
    defs = linear_gradient('wall', '#ffd3e3', '#fff1f6')
    b = card('url(#wall)')
    for x in (50, 120, 190):
        b += path('M%s L%s L%s Z' % (coords((x, 1.5)), coords((x - 30, 140)), coords((x + 30, 140))),
                  fill='#ffffff', opacity=0.35)
    b += band_below(140, '#86c8f2')                    # canvas
    b += path('M1.5,140 L238.5,140', stroke='#5aa6dc', stroke_width=2)
    b += band_below(180, '#2f5fa8')                    # apron
    b += path('M1.5,180 L238.5,180', stroke=INK, stroke_width=2.4)
    # corner posts and ropes
    for x, col in ((16, '#e8313a'), (224, '#2f6fe0')):
        b += rect(x - 6, 62, 12, 84, 4, fill=col, stroke=INK, stroke_width=2.4)
        b += rect(x - 3, 66, 3, 76, 1.5, fill=WHITE, opacity=0.4)
    for y, col in ((76, '#e8313a'), (98, '#ffffff'), (120, '#2f6fe0')):
        d = 'M16,%s Q120,%s 224,%s' % (number(y), number(y + 8), number(y))
        b += path(d, fill='none', stroke=INK, stroke_width=6.4, stroke_linecap='round')
        b += path(d, fill='none', stroke=col, stroke_width=3.6, stroke_linecap='round')
    RED = '#e8313a'
    for who, x, flip in ((PHEVOS, 76, False), (ATHENA, 164, True)):
        s = 0.95
        f = Figure(who, x, 176, s, flip=flip, tilt=6, wear={'headgear'},
                   arms={'r': dict(hand=(37, -70), bend=-4, glove=RED, glove_angle=80),
                         'l': dict(hand=(-14, -64), bend=4, glove=RED, glove_angle=-20)},
                   legs={'l': dict(foot=(-15, -6), toe=195), 'r': dict(foot=(15, -6), toe=-10)},
                   face=dict(mouth='grin', look=(2.2, 0), brows=True))
        b += shadow(x, 180, 30) + f.svg()
    b += sparkle(120, 92, 7, '#ffd23c') + sparkle(112, 48, 4, '#ffffff') + \
        sparkle(130, 52, 3, '#ffffff')
    return sport_document(b, defs)


def scene_football():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += rect(1.5, 86, 237, 30, fill='#7b80ab')
    b += crowd(86, 114, 5, o=0.7)
    b += band_below(116, '#5cbf5a')
    for i in range(3):
        x0 = 31.5 + i * 70
        b += path('M%s L%s L%s L%s Z' % (coords((x0, 116)), coords((x0 + 36, 116)),
                                         coords((x0 + 40, 198.5)), coords((x0 + 2, 198.5))), fill='#6dcc68')
    b += path('M1.5,176 L238.5,170', stroke=WHITE, stroke_width=2.6)
    # goal
    gx0, gx1, gy0, gy1 = 138, 230, 58, 172
    net = ''
    for x in range(gx0 + 8, gx1, 8):
        net += 'M%d,%d L%d,%d ' % (x, gy0, x + 6, gy1 - 8)
    for y in range(gy0 + 8, gy1, 8):
        net += 'M%d,%d L%d,%d ' % (gx0, y, gx1, y - 2)
    b += path(polygon_path([(gx0, gy0), (gx1, gy0), (gx1 + 4, gy1 - 10), (gx0 + 6, gy1 - 10)]),
              fill='#ffffff', fill_opacity=0.3)
    b += path(net, fill='none', stroke='#5a6a8a', stroke_width=1, opacity=0.7)
    frame = 'M%d,%d L%d,%d L%d,%d L%d,%d' % (gx0, gy1, gx0, gy0, gx1, gy0, gx1, gy1)
    b += path(frame, fill='none', stroke=INK, stroke_width=8, stroke_linejoin='round')
    b += path(frame, fill='none', stroke=WHITE, stroke_width=4.4, stroke_linejoin='round')
    # Athena dives in goal
    s2 = 0.86
    sw2 = OUTLINE / s2
    b += shadow(196, 172, 26)
    at = Figure(ATHENA, 196, 160, s2, tilt=-12,
                arms={'l': dict(hand=(-50, -80), bend=3, nohand=True),
                      'r': dict(hand=(-40, -104), bend=-3, nohand=True, behind=True)},
                legs={'l': dict(foot=(-8, -4), toe=200), 'r': dict(foot=(18, 2), toe=-20, bend=-3)},
                face=dict(mouth='open', look=(-2.4, -2)),
                props=[('front', goalie_glove(-50, -80, sw2, ang=-70) +
                        goalie_glove(-40, -104, sw2, ang=-50))])
    b += at.svg()
    # Phevos kicks
    s = 0.98
    b += shadow(60, 186, 28)
    ph = Figure(PHEVOS, 60, 182, s, tilt=-8,
                arms={'l': dict(hand=(-30, -66), bend=5), 'r': dict(hand=(26, -46), bend=-3)},
                legs={'l': dict(foot=(-6, -6), toe=190),
                      'r': dict(foot=(30, -22), toe=-25, shoe='#34344f', bend=-3)},
                face=dict(mouth='open', look=(2.4, -0.5), brows=True))
    ph.legs['l']['shoe'] = '#34344f'
    b += ph.svg()
    b += motion_lines(114, 128, 18, 3, 7, 160)
    b += ball_football(134, 108, 11)
    return sport_document(b, defs)


def scene_gymnastics():
    defs = linear_gradient('wall', '#e7e0ff', '#f7f3ff')
    b = card('url(#wall)')
    b += rect(1.5, 150, 237, 6, fill='#c9bff0')
    b += band_below(156, '#4fa8ec')                    # mat
    b += path('M16,170 L224,170 L231,190 L9,190 Z', fill='#6fbcf4')
    # rings
    s = 0.9
    ph = Figure(PHEVOS, 70, 150, s,
                arms={'l': dict(hand=(-40, -58), bend=0), 'r': dict(hand=(40, -58), bend=0)},
                legs={'l': dict(foot=(-4, 2), toe=250), 'r': dict(foot=(4, 2), toe=-70)},
                face=dict(mouth='open', look=(0, -0.5), brows=True))
    for side in (-1, 1):
        hx, hy = ph.world((side * 40, -58))
        b += line(hx, 1.5, hx, hy - 6, stroke=INK, stroke_width=5)
        b += line(hx, 1.5, hx, hy - 6, stroke='#f2e2b0', stroke_width=2.6)
        b += circle(hx, hy, 7.5, fill='none', stroke=INK, stroke_width=6)
        b += circle(hx, hy, 7.5, fill='none', stroke='#f5d79a', stroke_width=3)
    b += shadow(70, 180, 22)
    b += ph.svg()
    # balance beam
    b += path('M148,134 L140,174 L156,174 L156,134 Z M214,134 L214,174 L230,174 L222,134 Z',
              fill='#8a8fb8', stroke=INK, stroke_width=2.2, stroke_linejoin='round')
    b += rect(128, 124, 108, 10, 4, fill='#f5d7a0', stroke=INK, stroke_width=2.4)
    b += shadow(185, 176, 40, 4)
    s2 = 0.8
    sw2 = OUTLINE / s2
    at = Figure(ATHENA, 182, 125, s2, tilt=6,
                arms={'r': dict(hand=(34, -98), bend=-4), 'l': dict(hand=(-36, -74), bend=4)},
                legs={'r': dict(foot=(4, -5), toe=-10), 'l': dict(foot=(-38, -36), toe=165)},
                face=dict(mouth='open', eyes='happy'),
                props=[('underhands', place(ribbon_stick(sw2 / 0.8), -36, -74, -48, 0.8))])
    b += at.svg()
    b += sparkle(118, 112, 6, '#ffd23c') + sparkle(226, 40, 5, '#ff5fa2')
    return sport_document(b, defs)


def scene_handball():
    defs = linear_gradient('wall', '#fff0cf', '#fffaf0')
    b = card('url(#wall)')
    b += rect(1.5, 96, 237, 22, fill='#5a4f8f')
    for x in range(12, 238, 40):
        b += rect(x, 100, 26, 14, 3, fill='#ffd23c' if (x // 40) % 2 else '#ff8a5c')
    b += rect(1.5, 117, 237, 3, fill='#9fc6f2')
    b += band_below(120, '#3f86d9')                    # court
    b += path('M100,198.5 Q118,132 238.5,128 L238.5,178.5 A20,20 0 0 1 218.5,198.5 Z',
              fill='#ffa94d')                            # goal area
    b += path('M100,198.5 Q118,132 238.5,128', fill='none', stroke=WHITE, stroke_width=3)
    b += path('M60,198.5 Q80,116 238.5,114', fill='none', stroke=WHITE, stroke_width=2.4,
              stroke_dasharray='7,6')
    # goal with striped posts
    gx0, gx1, gy0, gy1 = 150, 232, 58, 160
    net = ''
    for x in range(gx0 + 7, gx1, 7):
        net += 'M%d,%d L%d,%d ' % (x, gy0, x + 4, gy1 - 8)
    for y in range(gy0 + 7, gy1, 7):
        net += 'M%d,%d L%d,%d ' % (gx0, y, gx1, y - 2)
    b += path(polygon_path([(gx0, gy0), (gx1, gy0), (gx1 + 3, gy1 - 10), (gx0 + 4, gy1 - 10)]),
              fill='#ffffff', fill_opacity=0.3)
    b += path(net, fill='none', stroke='#5a6a8a', stroke_width=1, opacity=0.7)
    frame = 'M%d,%d L%d,%d L%d,%d L%d,%d' % (gx0, gy1, gx0, gy0, gx1, gy0, gx1, gy1)
    b += path(frame, fill='none', stroke=INK, stroke_width=8.4, stroke_linejoin='round')
    b += path(frame, fill='none', stroke=WHITE, stroke_width=4.8, stroke_linejoin='round')
    b += path(frame, fill='none', stroke='#e8313a', stroke_width=4.8, stroke_dasharray='10,10')
    # Phevos keeps goal
    s = 0.84
    b += shadow(191, 164, 26)
    ph = Figure(PHEVOS, 191, 158, s,
                arms={'l': dict(hand=(-32, -92), bend=-4), 'r': dict(hand=(32, -92), bend=4)},
                legs={'l': dict(foot=(-18, -6), toe=195), 'r': dict(foot=(18, -6), toe=-15)},
                face=dict(mouth='open', look=(-2.4, -0.5)))
    b += ph.svg()
    # Athena jumps and throws
    s2 = 0.95
    b += shadow(62, 188, 22)
    at = Figure(ATHENA, 62, 166, s2, tilt=-10,
                arms={'r': dict(hand=(14, -118), bend=6), 'l': dict(hand=(30, -70), bend=-4)},
                legs={'l': dict(foot=(-12, -2), toe=210), 'r': dict(foot=(14, -16), toe=-30, bend=-3)},
                face=dict(mouth='open', look=(2.4, -1), brows=True),
                props=[('underhands', '')])
    b += at.svg()
    bx, by = at.world((18, -125))
    b += ball_handball(bx, by, 9)
    b += motion_lines(bx - 12, by + 4, 12, 2, 7, 200)
    return sport_document(b, defs)


def horse(sw):
    """A chestnut horse in mid-jump, facing right, body centre at (0,0)."""
    coat, sh, mane, hoof = '#c9783f', '#a55a2a', '#5b3421', '#3b2a2a'

    def leg(d, col, hx, hy):
        return (path(d, fill='none', stroke=INK, stroke_width=7.5 + sw * 1.4,
                     stroke_linecap='round', stroke_linejoin='round') +
                path(d, fill='none', stroke=col, stroke_width=7.5, stroke_linecap='round',
                     stroke_linejoin='round') +
                circle(hx, hy, 4.6, fill=hoof, stroke=INK, stroke_width=sw * 0.8))
    out = ''
    out += leg('M-24,6 L-42,14 L-60,14', sh, -61, 14)
    out += leg('M22,8 L38,14 L30,24', sh, 29, 26)
    out += outlined('M-34,-8 C-50,-18 -62,-12 -70,4 C-62,0 -56,2 -50,8 '
                    'C-54,-2 -46,-5 -34,-1 Z', mane, sw)
    out += outlined('M16,-14 C22,-30 30,-44 40,-52 L56,-40 C46,-30 40,-16 36,2 Z', coat, sw)
    out += outlined('M-37,-3 C-37,-20 -18,-21 0,-18 C18,-21 37,-17 39,-2 '
                    'C41,12 26,18 6,16 C-16,18 -37,13 -37,-3 Z', coat, sw)
    out += path('M-30,10 C-14,16 14,16 30,10 C20,17 -18,19 -30,10 Z', fill=sh)
    out += leg('M-26,8 L-44,22 L-64,24', coat, -66, 24)
    out += leg('M28,8 L44,20 L34,30', coat, 33, 32)
    # mane along the neck
    out += outlined('M48,-56 Q40,-60 38,-50 Q31,-50 31,-42 Q25,-42 25,-34 Q19,-34 19,-26 '
                    'Q13,-26 14,-16 L22,-18 L42,-46 Z', mane, sw)
    # saddle cloth and saddle
    out += outlined('M-16,-19 L12,-20 L14,-2 Q0,2 -16,-1 Z', '#2f8ff0', sw)
    out += path('M-13,-16 L9,-17 L10.5,-4.5 Q0,-1.5 -13,-4 Z', fill='none', stroke=WHITE,
                stroke_width=1.6)
    out += outlined('M-12,-20 Q-2,-14 10,-22 Q12,-14 4,-11 Q-6,-10 -12,-20 Z', '#6b3a1f', sw)
    # head
    head = outlined('M-10,-9 C-2,-14 16,-11 23,-4 C27,2 23,10 12,10 C2,11 -8,9 -11,3 Z',
                    coat, sw)
    head += ellipse(16, 3, 8, 6.5, fill='#e8b48a')
    head += path('M-4,-11 Q8,-10 16,-3 L13,0 Q6,-6 -4,-7 Z', fill=WHITE)
    head += circle(19, 2, 1.3, fill=INK)
    head += path('M9,7 Q14,9 19,8', fill='none', stroke=INK, stroke_width=1.4, stroke_linecap='round')
    head += ellipse(-1, -2, 2.6, 3.1, fill=INK) + circle(0, -3, 1, fill=WHITE)
    head += path('M-4,-6.5 Q-1,-8 2,-6.5', fill='none', stroke=INK, stroke_width=1.2,
                 stroke_linecap='round')
    head = group(head, 'translate(53,-46) rotate(34)')
    ear = outlined('M-3,-8 L-4,-20 L4,-11 Z', coat, sw)
    out += group(ear, 'translate(53,-46) rotate(20)')
    out += head
    out += group(outlined('M-9,-8 Q-14,-16 -6,-14 Q-2,-18 0,-10 Z', mane, sw * 0.8),
                 'translate(53,-46) rotate(34)')
    return out


def rosette(x, y, r, col, sw=2.0):
    out = path('M%s L%s L%s L%s Z M%s L%s L%s L%s Z' % (
        coords((x - 3, y)), coords((x - 9, y + r * 2.2)), coords((x - 4, y + r * 1.9)),
        coords((x + 1, y + r * 2.3)),
        coords((x + 2, y)), coords((x + 3, y + r * 2.3)), coords((x + 7, y + r * 1.9)),
        coords((x + 11, y + r * 2.1))),
        fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round')
    pts = []
    for i in range(24):
        a = i * math.pi / 12
        rr = r if i % 2 == 0 else r * 0.82
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    out += path(polygon_path(pts), fill=col, stroke=INK, stroke_width=sw, stroke_linejoin='round')
    out += circle(x, y, r * 0.5, fill='#ffd23c', stroke=INK, stroke_width=sw * 0.8)
    return out


def scene_equestrian():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += path('M1.5,110 Q70,92 140,108 Q190,96 238.5,104 L238.5,140 L1.5,140 Z', fill='#b8e6a0')
    b += band_below(132, '#8fd46a')
    # far arena fence
    for y in (118, 128):
        b += line(1.5, y, 238.5, y, stroke=WHITE, stroke_width=3)
    for x in range(12, 238, 32):
        b += rect(x - 2, 112, 4, 22, fill=WHITE)
    # the jump
    rails = [((98, 146), (166, 138)), ((98, 162), (166, 153))]
    jump_back = ''
    jump_back += rect(163, 116, 7, 62, 2, fill=WHITE, stroke=INK, stroke_width=2.2)
    jump_back += path('M160,116 L173,116 L166.5,106 Z', fill='#2f8ff0', stroke=INK, stroke_width=2,
                      stroke_linejoin='round')
    b += shadow(132, 182, 50, 6)
    b += jump_back
    for (p0, p1) in rails:
        b += line(p0[0], p0[1], p1[0], p1[1], stroke=INK, stroke_width=7.5, stroke_linecap='round')
        b += line(p0[0], p0[1], p1[0], p1[1], stroke=WHITE, stroke_width=4.4, stroke_linecap='round')
        b += line(p0[0], p0[1], p1[0], p1[1], stroke='#e8313a', stroke_width=4.4,
                  stroke_dasharray='8,8')
    # horse and rider
    hs, hx, hy, hr = 0.92, 132, 98, -14
    sw = OUTLINE / hs
    b += group(horse(sw), 'translate(%s) rotate(%s) scale(%s)' % (coords((hx, hy)), number(hr), number(hs)))

    def horse_point(p):
        q = rotated((p[0] * hs, p[1] * hs), hr)
        return (hx + q[0], hy + q[1])
    seat = horse_point((-2, -18))
    s2 = 0.74
    at = Figure(ATHENA, seat[0], seat[1] + 12.5 * s2, s2, tilt=14, wear={'ridinghelmet'},
                arms={'r': dict(hand=(30, -44), bend=-5), 'l': dict(hand=(24, -40), bend=-4)},
                legs={'l': dict(hide=True),
                      'r': dict(foot=(14, 6), toe=-10, shoe='#34344f', front=True, bend=-4)},
                face=dict(mouth='open', look=(2.4, -0.5)))
    mouth = horse_point((53 + 20, -46 + 16))
    hand = at.world((30, -44))
    b += line(hand[0], hand[1], mouth[0], mouth[1], stroke='#5b3421', stroke_width=1.8)
    b += at.svg()
    # near standard of the jump
    b += rect(95, 122, 7, 62, 2, fill=WHITE, stroke=INK, stroke_width=2.2)
    b += path('M92,122 L105,122 L98.5,112 Z', fill='#ff8a1c', stroke=INK, stroke_width=2,
              stroke_linejoin='round')
    # Phevos cheers with a rosette
    s = 0.72
    sw3 = OUTLINE / s
    b += shadow(38, 190, 20)
    ph = Figure(PHEVOS, 38, 186, s,
                arms={'r': dict(hand=(26, -98), bend=-5), 'l': dict(hand=(-24, -56), bend=-4)},
                face=dict(mouth='open', look=(2, -2)),
                props=[('front', rosette(28, -110, 9, '#2f8ff0', sw3 * 0.8))])
    b += ph.svg()
    return sport_document(b, defs)


def scene_sailing():
    defs = linear_gradient('sky', '#8fd5ff', '#e6f7ff') + linear_gradient('sea', '#46b4ee', '#2b8fd8')
    b = card('url(#sky)')
    b += circle(42, 40, 16, fill='#ffe14d', stroke=INK, stroke_width=2.2)
    for i in range(8):
        a = i * math.pi / 4
        b += line(42 + 21 * math.cos(a), 40 + 21 * math.sin(a), 42 + 27 * math.cos(a),
                  40 + 27 * math.sin(a), stroke='#ffc53d', stroke_width=3, stroke_linecap='round')
    b += path('M176,38 q5,-6 10,0 q5,-6 10,0', fill='none', stroke=INK, stroke_width=2,
              stroke_linecap='round')
    b += path('M206,58 q4,-5 8,0 q4,-5 8,0', fill='none', stroke=INK, stroke_width=2,
              stroke_linecap='round')
    b += band_below(wavy_line(128, 3, 12), 'url(#sea)')
    # sails
    mast_x = 122
    b += rect(mast_x - 2.5, 14, 5, 130, 2, fill='#b5743e', stroke=INK, stroke_width=2)
    main = 'M126,18 Q170,70 200,128 L126,128 Z'
    b += outlined(main, WHITE, 2.6)
    b += path('M126,66 Q150,70 168,76 L178,94 Q150,88 126,86 Z', fill='#ff8a1c')
    b += path('M126,98 Q154,100 184,104 L190,114 Q158,112 126,112 Z', fill='#2f8ff0')
    b += outlined(main, 'none', 2.6)
    jib = 'M118,24 Q88,80 56,124 L118,124 Z'
    b += outlined(jib, '#fff8e6', 2.6)
    b += path('M118,24 L126,14 L138,18 L126,22 Z', fill='#ff8a1c', stroke=INK, stroke_width=1.6,
              stroke_linejoin='round')
    # the crew, behind the side of the boat
    s = 0.8
    ph = Figure(PHEVOS, 78, 160, s,
                arms={'r': dict(hand=(26, -84), bend=-6), 'l': dict(hand=(-24, -56), bend=-4)},
                face=dict(mouth='open', look=(1.5, -1)))
    at = Figure(ATHENA, 170, 158, s, flip=True,
                arms={'r': dict(hand=(30, -100), bend=-6), 'l': dict(hand=(-26, -50), bend=4)},
                face=dict(mouth='open', look=(1.5, -1)))
    b += ph.svg() + at.svg()
    sheet = ph.world((26, -84))
    b += path('M%s Q%s %s' % (coords(sheet), coords((100, 100)), coords((118, 60))), fill='none',
              stroke='#8a6a4a', stroke_width=1.6)
    hull = 'M34,132 L214,132 Q208,150 190,160 L58,160 Q40,150 34,132 Z'
    b += outlined(hull, WHITE, 2.8)
    b += path('M38,142 L210,142 Q206,148 200,152 L46,152 Q40,148 38,142 Z', fill='#2f8ff0')
    b += rect(30, 128, 188, 6, 3, fill='#ff8a1c', stroke=INK, stroke_width=2.4)
    # waves in front
    b += band_below(wavy_line(160, 4, 10, 1), '#2b8fd8')
    b += path(wavy_line(160, 4, 10, 1), fill='none', stroke=WHITE, stroke_width=2.4, opacity=0.8)
    b += band_below(wavy_line(180, 4, 8), '#237fc8')
    b += puff(30, 152, 6) + puff(218, 154, 5)
    return sport_document(b, defs)


def scene_fencing():
    defs = linear_gradient('wall', '#e3ecff', '#f6f9ff')
    b = card('url(#wall)')
    b += rect(1.5, 60, 237, 10, fill='#c9d6f2')
    # the scoring lamps
    b += rect(92, 14, 56, 26, 6, fill='#3a3a5a', stroke=INK, stroke_width=2.4)
    b += circle(106, 27, 7, fill='#ff4d4d', stroke=INK, stroke_width=1.6)
    b += circle(134, 27, 7, fill='#5ee06a', stroke=INK, stroke_width=1.6)
    b += circle(104, 25, 2, fill=WHITE, opacity=0.8) + circle(132, 25, 2, fill=WHITE, opacity=0.8)
    b += band_below(140, '#9aa7c7')
    b += path('M1.5,160 L238.5,160 L238.5,184 L1.5,184 Z', fill='#d7deea')  # the piste
    b += path('M1.5,160 L238.5,160 M1.5,184 L238.5,184', stroke=INK, stroke_width=2)
    b += line(120, 160, 120, 184, stroke=WHITE, stroke_width=2.4)
    for x in (60, 180):
        b += line(x, 160, x, 184, stroke=WHITE, stroke_width=1.6)
    s = 0.95
    sw = OUTLINE / s
    figs = []
    for who, x, flip in ((PHEVOS, 66, False), (ATHENA, 174, True)):
        f = Figure(who, x, 178, s, flip=flip, tilt=12, wear={'mask'},
                   arms={'r': dict(hand=(36, -56), bend=-3), 'l': dict(hand=(-26, -92), bend=-8)},
                   legs={'r': dict(foot=(30, -6), toe=-5, bend=-3),
                         'l': dict(foot=(-22, -6), toe=195, bend=3)},
                   face=dict(mouth='open', look=(2, 0)),
                   props=[('underhands', place(foil(sw, 46), 36, -56, 64))])
        figs.append(f)
        b += shadow(x, 182, 32)
    b += figs[0].svg() + figs[1].svg()
    b += sparkle(120, 80, 6, '#ffd23c')
    return sport_document(b, defs)






def scene_rowing():
    defs = sky_gradient() + linear_gradient('lake', '#5cc2f2', '#2f95dc')
    b = card('url(#sky)')
    b += path('M1.5,92 Q40,66 90,88 Q140,64 190,86 Q214,78 238.5,84 L238.5,112 L1.5,112 Z',
              fill='#8fd46a')
    for x, y, r in ((30, 86, 9), (46, 90, 7), (170, 84, 10), (188, 88, 7)):
        b += rect(x - 1.5, y, 3, 12, fill='#8a5a3a') + circle(x, y, r, fill='#4fae5a')
    b += band_below(108, 'url(#lake)')
    for x, y in ((30, 122), (200, 118), (120, 126), (60, 190), (180, 192)):
        b += path('M%s q4,-3 8,0 q4,3 8,0' % coords((x, y)), fill='none', stroke=WHITE,
                  stroke_width=2, stroke_linecap='round', opacity=0.7)
    s = 0.8
    figs = []
    for who, x in ((ATHENA, 74), (PHEVOS, 150)):
        f = Figure(who, x, 162, s, tilt=-8,
                   arms={'r': dict(hand=(26, -52), bend=-5), 'l': dict(hand=(20, -46), bend=-8)},
                   face=dict(mouth='open', look=(2, 0)))
        figs.append(f)
        b += f.svg()
    hull = 'M8,146 L232,146 Q222,158 200,160 L40,160 Q16,158 8,146 Z'
    b += outlined(hull, '#fff3c4', 2.6)
    b += path('M14,150 L226,150 Q220,155 206,156 L34,156 Q20,155 14,150 Z', fill='#ff8a1c')
    b += motion_lines(30, 134, 14, 3, 7, 180, w=2.2)
    # the oars dip into the water on our side
    for f, col in zip(figs, ('#2f8ff0', '#ff8a1c')):
        hx, hy = f.world((26, -52))
        bx, by = hx + 34, 184
        ang = math.degrees(math.atan2(bx - hx, -(by - hy))) + 180
        ln = math.hypot(bx - hx, by - hy)
        b += place(oar(col, 2.4, ln - 16), hx, hy, ang)
        b += puff(bx + 2, by - 2, 6, WHITE, 0.95)
        f.arms['l']['hide'] = True
        b += circle(hx, hy, 4.9 * s, fill=SKIN, stroke=INK, stroke_width=2.6)
    b += band_below(wavy_line(178, 2.5, 14), '#2f95dc', opacity=0.6)
    return sport_document(b, defs)


def court_net(fx, fb, ft, bx, bb, bt, hang=None, cols=8, rows=5, tape=WHITE):
    """A net seen from the side: front post at fx, back post at bx."""
    out = ''
    top0, top1 = ft, bt
    bot0, bot1 = (fb, bb) if hang is None else (ft + hang[0], bt + hang[1])
    net = ''
    for i in range(1, cols):
        t = i / cols
        net += 'M%s L%s ' % (coords((fx + (bx - fx) * t, bot0 + (bot1 - bot0) * t)),
                             coords((fx + (bx - fx) * t, top0 + (top1 - top0) * t)))
    for i in range(1, rows):
        t = i / rows
        net += 'M%s L%s ' % (coords((fx, bot0 + (top0 - bot0) * t)), coords((bx, bot1 + (top1 - bot1) * t)))
    out += path(polygon_path([(fx, bot0), (bx, bot1), (bx, top1), (fx, top0)]), fill='#ffffff',
                fill_opacity=0.3)
    out += path(net, fill='none', stroke=INK, stroke_width=1, opacity=0.55)
    if hang is not None:
        out += line(fx, bot0, bx, bot1, stroke=INK, stroke_width=2, opacity=0.8)
    out += line(fx, top0, bx, top1, stroke=INK, stroke_width=7, stroke_linecap='round')
    out += line(fx, top0, bx, top1, stroke=tape, stroke_width=4, stroke_linecap='round')
    back_post = (line(bx, bb + 2, bx, bt - 2, stroke=INK, stroke_width=5, stroke_linecap='round') +
                 line(bx, bb + 2, bx, bt - 2, stroke='#dfe6f2', stroke_width=2.2,
                      stroke_linecap='round'))
    front_post = (line(fx, fb + 2, fx, ft - 2, stroke=INK, stroke_width=5, stroke_linecap='round') +
                  line(fx, fb + 2, fx, ft - 2, stroke='#dfe6f2', stroke_width=2.2,
                       stroke_linecap='round'))
    return back_post + out, front_post


def scene_badminton():
    defs = linear_gradient('wall', '#dff7ea', '#f4fff8')
    b = card('url(#wall)')
    for x in (40, 120, 200):
        b += rect(x - 24, 14, 48, 8, 4, fill='#ffffff', stroke='#b9e3c9', stroke_width=2)
    b += rect(1.5, 118, 237, 8, fill='#9fd8b4')
    b += band_below(126, '#3fae6a')
    b += path('M1.5,140 L238.5,140 M1.5,188 L238.5,188', stroke=WHITE, stroke_width=2.4)
    back, front = court_net(112, 196, 76, 134, 134, 60, hang=(34, 30))
    b += back
    s = 0.92
    sw = OUTLINE / s
    b += shadow(58, 186, 24)
    ph = Figure(PHEVOS, 58, 162, s, tilt=-8,
                arms={'r': dict(hand=(30, -108), bend=-5), 'l': dict(hand=(-28, -70), bend=4)},
                legs={'l': dict(foot=(-12, -2), toe=215), 'r': dict(foot=(12, -12), toe=-30, bend=-3)},
                face=dict(mouth='open', look=(2.4, -2), brows=True),
                props=[('underhands', place(racket_badminton('#ff5a3c', sw), 30, -108, 35))])
    s2 = 0.84
    sw2 = OUTLINE / s2
    b += shadow(188, 184, 22)
    at = Figure(ATHENA, 188, 180, s2, flip=True,
                arms={'r': dict(hand=(32, -82), bend=-5), 'l': dict(hand=(-26, -56), bend=4)},
                legs={'l': dict(foot=(-14, -6), toe=195), 'r': dict(foot=(14, -6), toe=-15)},
                face=dict(mouth='smile', look=(2.4, -2)),
                props=[('underhands', place(racket_badminton('#7a4dff', sw2), 32, -82, 25))])
    b += ph.svg() + at.svg() + front
    b += arc_trail([(112, 26), (130, 26), (144, 38)])
    b += shuttlecock(158, 52, 38, 1.15, 2.0)
    return sport_document(b, defs)


def scene_wrestling():
    defs = linear_gradient('wall', '#ffe9d6', '#fff7ef')
    b = card('url(#wall)')
    b += band_below(110, '#3d7fd6')
    b += ellipse(120, 160, 112, 36, fill='#ff9b45', stroke=INK, stroke_width=2.2)
    b += ellipse(120, 160, 92, 28, fill='#ffd23c')
    b += ellipse(120, 160, 92, 28, fill='none', stroke=INK, stroke_width=1.2, opacity=0.3)
    s = 0.95
    ph = Figure(PHEVOS, 80, 176, s, tilt=22,
                legs={'l': dict(foot=(-26, -6), toe=200), 'r': dict(foot=(8, -6), toe=-10)},
                face=dict(mouth='grin', look=(2.4, -0.5), brows=True))
    at = Figure(ATHENA, 160, 176, s, flip=True, tilt=22,
                legs={'l': dict(foot=(-26, -6), toe=200), 'r': dict(foot=(8, -6), toe=-10)},
                face=dict(mouth='grin', look=(2.4, -0.5), brows=True))
    # a collar tie: one hand on the other's shoulder, one on the other's arm
    for me, other in ((ph, at), (at, ph)):
        sh = other.world((SHOULDER_X + 1, SHOULDER_Y + 3), tilted=True)
        me.arms['r'] = dict(hand=me.local(sh), bend=-6)
    for me, other in ((ph, at), (at, ph)):
        sh = other.world((SHOULDER_X, SHOULDER_Y), tilted=True)
        hd = other.world(other.arms['r']['hand'])
        elbow = ((sh[0] + hd[0]) / 2, (sh[1] + hd[1]) / 2 + 9)
        me.arms['l'] = dict(hand=me.local(elbow), bend=7)
    b += shadow(120, 178, 72, 7)
    b += puff(44, 172, 6, '#fff3d6', 0.9) + puff(196, 172, 6, '#fff3d6', 0.9)
    b += ph.svg() + at.svg()
    b += path('M108,58 L104,48 M120,54 L120,43 M132,58 L136,48', fill='none', stroke=INK,
              stroke_width=2.4, stroke_linecap='round', opacity=0.5)
    b += sparkle(64, 50, 6, '#ffd23c') + sparkle(178, 46, 5, '#ffd23c')
    return sport_document(b, defs)


def scene_tabletennis():
    defs = linear_gradient('wall', '#e1efff', '#f4f9ff')
    b = card('url(#wall)')
    for x in (40, 120, 200):
        b += rect(x - 24, 14, 48, 8, 4, fill='#ffffff', stroke='#c6daf2', stroke_width=2)
    b += rect(1.5, 112, 237, 10, fill='#b9d2f2')
    b += band_below(122, '#d4604f')
    # table
    top = [(54, 142), (186, 142), (174, 118), (66, 118)]
    b += path('M62,148 L58,186 M178,148 L182,186 M80,126 L78,160 M160,126 L162,160', fill='none',
              stroke=INK, stroke_width=5, stroke_linecap='round')
    b += path('M62,148 L58,186 M178,148 L182,186 M80,126 L78,160 M160,126 L162,160', fill='none',
              stroke='#7a7f9a', stroke_width=2.4, stroke_linecap='round')
    b += path(polygon_path([(54, 142), (186, 142), (186, 149), (54, 149)]), fill='#1f7a45', stroke=INK,
              stroke_width=2.4, stroke_linejoin='round')
    b += path(polygon_path(top), fill='#2fa35f', stroke=INK, stroke_width=2.4, stroke_linejoin='round')
    b += path(polygon_path([(57.5, 140.5), (182.5, 140.5), (172, 119.5), (68, 119.5)]), fill='none',
              stroke=WHITE, stroke_width=1.8)
    b += line(61, 130, 179, 130, stroke=WHITE, stroke_width=1.3)
    b += path(polygon_path([(117, 142), (123, 118), (123, 106), (117, 130)]), fill='#2a2440',
              fill_opacity=0.35,
              stroke=INK, stroke_width=1.6, stroke_linejoin='round')
    b += line(117, 130, 123, 106, stroke=WHITE, stroke_width=2.6, stroke_linecap='round')
    s = 0.86
    sw = OUTLINE / s
    ph = Figure(PHEVOS, 30, 186, s, tilt=6,
                arms={'r': dict(hand=(34, -72), bend=-5), 'l': dict(hand=(-22, -50), bend=4)},
                legs={'l': dict(foot=(-12, -6), toe=195), 'r': dict(foot=(13, -6), toe=-10)},
                face=dict(mouth='open', look=(2.4, -1)),
                props=[('underhands', place(table_tennis_bat('#e8313a', sw), 34, -72, 60))])
    at = Figure(ATHENA, 210, 186, s, flip=True, tilt=6,
                arms={'r': dict(hand=(34, -66), bend=-5), 'l': dict(hand=(-22, -50), bend=4)},
                legs={'l': dict(foot=(-12, -6), toe=195), 'r': dict(foot=(13, -6), toe=-10)},
                face=dict(mouth='smile', look=(2.4, -1)),
                props=[('underhands', place(table_tennis_bat('#e8313a', sw), 34, -66, 40))])
    b += ph.svg() + at.svg()
    b += arc_trail([(86, 96), (106, 74), (126, 70)])
    b += circle(136, 72, 4.6, fill=WHITE, stroke=INK, stroke_width=2)
    b += shadow(150, 124, 6, 1.6, 0.25)
    return sport_document(b, defs)


def racing_bike(col, sw):
    """A racing bike, wheel hubs at (-30,0) and (30,0)."""
    out = ''
    for x in (-30, 30):
        out += circle(x, 0, 18, fill='#ffffff', fill_opacity=0.35, stroke=INK, stroke_width=7.5)
        out += circle(x, 0, 18, fill='none', stroke='#4a4a66', stroke_width=4)
        out += circle(x, 0, 14.6, fill='none', stroke='#c9d3e6', stroke_width=1.4)
        sp = ''
        for k in range(6):
            a = k * math.pi / 6
            sp += 'M%s L%s ' % (coords((x + 14.5 * math.cos(a), 14.5 * math.sin(a))),
                                coords((x - 14.5 * math.cos(a), -14.5 * math.sin(a))))
        out += path(sp, fill='none', stroke='#9aa6c0', stroke_width=0.9)
        out += circle(x, 0, 2.6, fill='#c9d3e6', stroke=INK, stroke_width=1.2)
    frame = 'M-30,0 L-1,2 L-9,-24 Z M-1,2 L22,-22 L-9,-24 M30,0 L21,-28'
    out += path(frame, fill='none', stroke=INK, stroke_width=4.8 + sw * 1.3, stroke_linejoin='round',
                stroke_linecap='round')
    out += path(frame, fill='none', stroke=col, stroke_width=4.8, stroke_linejoin='round',
                stroke_linecap='round')
    out += path('M20,-28 L27,-29 Q33,-29 32,-23 Q31,-19 27,-20', fill='none', stroke=INK,
                stroke_width=3.4 + sw, stroke_linecap='round', stroke_linejoin='round')
    out += path('M20,-28 L27,-29 Q33,-29 32,-23 Q31,-19 27,-20', fill='none', stroke='#3a3a5a',
                stroke_width=3.4, stroke_linecap='round', stroke_linejoin='round')
    out += path('M-16,-27 Q-9,-30 -3,-27', fill='none', stroke=INK, stroke_width=4 + sw,
                stroke_linecap='round')
    out += path('M-16,-27 Q-9,-30 -3,-27', fill='none', stroke='#3a3a5a', stroke_width=4,
                stroke_linecap='round')
    out += circle(-1, 2, 5, fill='#c9d3e6', stroke=INK, stroke_width=sw * 0.8)
    return out


def scene_cycling():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += path('M1.5,84 Q50,56 110,80 Q170,54 238.5,78 L238.5,110 L1.5,110 Z', fill='#a6dc84')
    for x, y, r in ((40, 82, 10), (58, 86, 7), (190, 76, 11), (210, 82, 8)):
        b += rect(x - 1.5, y, 3, 14, fill='#8a5a3a') + circle(x, y, r, fill='#4fae5a')
    b += band_below(104, '#8fd46a')
    b += band_below('M1.5,112 L238.5,112', '#9ea3b5')
    b += path('M1.5,112 L238.5,112', stroke='#7a7f95', stroke_width=3)
    b += line(1.5, 150, 238.5, 150, stroke=WHITE, stroke_width=3, stroke_dasharray='16,12')
    out = ''
    for who, bx, by, s, col in ((ATHENA, 76, 126, 0.8, '#2f8ff0'),
                                (PHEVOS, 158, 168, 1.0, '#ff8a1c')):
        sw = OUTLINE / s
        bs = s
        seat = (bx - 9 * bs, by - 27 * bs)
        bar = (bx + 29 * bs, by - 25 * bs)
        f = Figure(who, seat[0] + 2 * s, seat[1] + 11 * s, s, tilt=22, wear={'helmet'},
                   face=dict(mouth='open', look=(2.4, -0.5)))
        ped_a = (bx - 1 * bs + 7 * bs, by + 2 * bs + 8 * bs)
        ped_b = (bx - 1 * bs - 6 * bs, by + 2 * bs - 7 * bs)
        f.arms = {'r': dict(hand=f.local(bar), bend=-4),
                  'l': dict(hand=f.local((bar[0] - 4 * s, bar[1] + 2 * s)), bend=-2,
                            behind=True)}
        f.legs = {'r': dict(foot=f.local(ped_a), toe=0, bend=-5, shoe='#34344f', front=True),
                  'l': dict(foot=f.local(ped_b), toe=0, bend=-6, shoe='#34344f')}
        out += shadow(bx, by + 19 * bs, 48 * bs, 4 * bs)
        out += group(racing_bike(col, sw), 'translate(%s) scale(%s)' % (coords((bx, by)), number(bs)))
        out += f.svg()
        out += motion_lines(bx - 56 * bs, by - 20 * bs, 18 * bs, 3, 8 * bs, 180)
    b += out
    return sport_document(b, defs)


def scene_shooting():
    defs = linear_gradient('wall', '#dcebef', '#f2f8fa')
    b = card('url(#wall)')
    for x in (70, 150):
        b += rect(x - 3, 1.5, 6, 150, fill='#b8cbd2')
    b += rect(1.5, 150, 237, 8, fill='#7f93a0')
    b += band_below(158, '#aab8c2')
    b += line(1.5, 172, 238.5, 172, stroke='#93a3ae', stroke_width=2)
    # the target card on its holder
    b += rect(207, 108, 6, 46, fill='#7a7f9a', stroke=INK, stroke_width=2)
    b += rect(184, 36, 50, 74, 4, fill=WHITE, stroke=INK, stroke_width=2.6)
    tx, ty = 209, 72
    b += circle(tx, ty, 21.5, fill='none', stroke=INK, stroke_width=1.3)
    b += circle(tx, ty, 17, fill='none', stroke=INK, stroke_width=1.3)
    b += circle(tx, ty, 12.5, fill=INK)
    b += circle(tx, ty, 8, fill='none', stroke=WHITE, stroke_width=1.1)
    b += circle(tx, ty, 4, fill='none', stroke=WHITE, stroke_width=1.1)
    b += circle(tx - 1.5, ty + 2, 2.2, fill='#ff8a1c', stroke=WHITE, stroke_width=1)
    b += circle(tx + 2.5, ty - 1.5, 2.2, fill='#5cc8ff', stroke=WHITE, stroke_width=1)
    # Phevos aims his air rifle from the back lane
    s = 0.76
    sw = OUTLINE / s
    ph = Figure(PHEVOS, 122, 150, s, wear={'earmuffs'},
                arms={'l': dict(hand=(16, -64), bend=6), 'r': dict(hand=(40, -68), bend=-4)},
                legs={'l': dict(foot=(-13, -6), toe=195), 'r': dict(foot=(13, -6), toe=-15)},
                face=dict(mouth='smile', eyes='wink', look=(3, 0), brows=True),
                props=[('overbody', place(rifle(sw / 0.74), 4, -66, 0, 0.74))])
    b += shadow(122, 153, 22)
    b += ph.svg()
    # Athena with her air pistol in the front lane
    s2 = 0.92
    sw2 = OUTLINE / s2
    at = Figure(ATHENA, 40, 188, s2, wear={'earmuffs'},
                arms={'r': dict(hand=(44, -70), bend=-2), 'l': dict(hand=(-18, -40), bend=4)},
                legs={'l': dict(foot=(-13, -6), toe=195), 'r': dict(foot=(13, -6), toe=-15)},
                face=dict(mouth='smile', look=(3, 0), brows=True),
                props=[('underhands', place(pistol(sw2), 44, -70, 0))])
    b += shadow(40, 192, 26)
    b += at.svg()
    b += path('M172,96 L182,92 M172,104 L182,104', fill='none', stroke=INK, stroke_width=2,
              stroke_linecap='round', opacity=0.45)
    return sport_document(b, defs)


def scene_softball():
    defs = linear_gradient('sky', '#ffe7a8', '#fff8e0')
    b = card('url(#sky)')
    for x, y in ((44, 36), (150, 26), (206, 50)):
        b += circle(x, y, 11, fill=WHITE, opacity=0.8) + circle(x + 13, y + 3, 8, fill=WHITE, opacity=0.8) + \
            circle(x - 12, y + 4, 7, fill=WHITE, opacity=0.8)
    b += rect(1.5, 84, 237, 40, fill='#2f7d56')       # outfield fence
    fence = ''
    for x in range(6, 238, 10):
        fence += 'M%d,84 L%d,124 ' % (x, x + 8)
        fence += 'M%d,84 L%d,124 ' % (x + 8, x)
    b += path(fence, fill='none', stroke='#5aa67c', stroke_width=1)
    b += rect(1.5, 80, 237, 6, fill='#ffd23c')
    b += band_below(124, '#e8955a')                    # clay infield
    b += ellipse(72, 174, 50, 12, fill='#f0a86e', stroke=WHITE, stroke_width=2.6)  # circle
    b += rect(62, 170, 20, 4, 1.5, fill=WHITE, stroke=INK, stroke_width=1.4)
    b += path('M196,186 L212,186 L216,191 L204,195 L192,191 Z', fill=WHITE, stroke=INK,
              stroke_width=1.8, stroke_linejoin='round')
    # Athena pitches underarm
    s = 0.95
    sw = OUTLINE / s
    at = Figure(ATHENA, 72, 174, s, tilt=8, wear={'cap'},
                arms={'r': dict(hand=(30, -32), bend=-8), 'l': dict(hand=(-22, -62), bend=-4)},
                legs={'l': dict(foot=(-16, -7), toe=200), 'r': dict(foot=(18, -6), toe=-5)},
                face=dict(mouth='open', look=(2.4, 0), brows=True),
                props=[('front', place(fielders_glove(sw), -22, -60, -30)),
                       ('back', path('M-4,-110 A46,46 0 0 1 34,-28', fill='none', stroke=INK,
                                     stroke_width=2.4, stroke_dasharray='5,5', opacity=0.45,
                                     stroke_linecap='round'))])
    b += shadow(72, 178, 28)
    b += at.svg()
    # Phevos waits with the bat
    s2 = 0.9
    sw2 = OUTLINE / s2
    ph = Figure(PHEVOS, 196, 182, s2, flip=True, tilt=-4, wear={'cap'},
                arms={'r': dict(hand=(14, -52), bend=-6), 'l': dict(hand=(10, -46), bend=-8)},
                legs={'l': dict(foot=(-14, -6), toe=195), 'r': dict(foot=(15, -6), toe=-10)},
                face=dict(mouth='open', look=(2.4, 0)),
                props=[('underhands', place(baseball_bat(sw2, 58, '#c9d3e6', '#3a3a5a'), 13, -50, 24))])
    b += shadow(196, 186, 26)
    b += ph.svg()
    b += motion_lines(112, 150, 16, 3, 7, 200)
    b += ball_baseball(136, 136, 11, fill='#ffe93b', seam='#e8313a', sw=2.4)
    return sport_document(b, defs)


def martial_arts_uniform(col, collar):
    return dict(body=WHITE, shade=WHITE_SHADE, band=None, collar=collar,
                collar_c=INK if collar == 'v' else WHITE, belt=col, trousers=WHITE)


def scene_taekwondo():
    defs = linear_gradient('wall', '#ffd9b8', '#ffeedd')
    b = card('url(#wall)')
    b += band_below(118, '#e8554a')
    b += path('M30,128 L210,128 L218.5,198.5 L21.5,198.5 Z', fill='#3d7fd6')
    s2 = 0.9
    sw2 = OUTLINE / s2
    at = Figure(ATHENA, 178, 178, s2, flip=True, tilt=-6, uniform=martial_arts_uniform('#2f8ff0', 'v'),
                arms={'r': dict(hand=(32, -64), bend=-4), 'l': dict(hand=(-22, -46), bend=4)},
                legs={'l': dict(foot=(-14, -6), toe=195), 'r': dict(foot=(14, -6), toe=-15)},
                face=dict(mouth='open', look=(2.4, 0)),
                props=[('underhands', place(kick_pad('#e8313a', sw2), 32, -64, 70))])
    b += shadow(178, 182, 26)
    b += at.svg()
    pad = at.world((32 + 12 * math.sin(math.radians(70)) + 8,
                    -64 - 12 * math.cos(math.radians(70))))
    s = 0.95
    ph = Figure(PHEVOS, 88, 180, s, tilt=-26, uniform=martial_arts_uniform('#ff8a1c', 'v'),
                arms={'r': dict(hand=(10, -82), bend=-6), 'l': dict(hand=(-40, -66), bend=4)},
                legs={'l': dict(foot=(-6, -6), toe=190), 'r': dict(toe=-45, bend=-2)},
                face=dict(mouth='open', look=(2.4, 0), brows=True))
    ph.legs['r']['foot'] = ph.local((pad[0] - 10, pad[1] + 3))
    b += shadow(84, 184, 26)
    b += ph.svg()
    b += sparkle(pad[0] + 2, pad[1] - 26, 8, '#ffd23c')
    b += path('M%s l-8,-8 M%s l-10,0 M%s l-8,8' % (coords((pad[0] - 18, pad[1] - 14)),
                                               coords((pad[0] - 22, pad[1] + 2)),
                                               coords((pad[0] - 18, pad[1] + 16))),
              fill='none', stroke=INK, stroke_width=2.4, stroke_linecap='round', opacity=0.5)
    return sport_document(b, defs)


def scene_judo():
    defs = linear_gradient('wall', '#b9c8ff', '#dfe6ff')
    b = card('url(#wall)')
    b += band_below(120, '#f2c84b')
    b += path('M34,132 L206,132 L218.5,198.5 L21.5,198.5 Z', fill='#7cc47a')
    seams = ''
    for x in (60, 90, 120, 150, 180):
        seams += 'M%s L%s ' % (coords((x, 132)), coords((x + (x - 120) * 0.22, 198.5)))
    for y in (150, 174):
        seams += 'M%s L%s ' % (coords((34 - (y - 132) * 0.188, y)), coords((206 + (y - 132) * 0.188, y)))
    b += path(seams, fill='none', stroke='#5fa85d', stroke_width=1.4)
    # Athena throws: she bends forward and pulls
    s = 0.92
    at = Figure(ATHENA, 158, 180, s, flip=True, tilt=22, uniform=martial_arts_uniform('#2f8ff0', 'wrap'),
                arms={'r': dict(hand=(54, -76), bend=-4), 'l': dict(hand=(46, -62), bend=-6)},
                legs={'l': dict(foot=(-20, -6), toe=195), 'r': dict(foot=(16, -6), toe=-15)},
                face=dict(mouth='open', look=(2, 0), brows=True))
    pull = at.world((54, -76))
    # Phevos flies over, heading for the mat
    ps, pc, pr = 0.84, (78, 92), -146
    ph = Figure(PHEVOS, 0, 0, ps, uniform=martial_arts_uniform('#ff8a1c', 'wrap'),
                legs={'l': dict(foot=(-20, -12), toe=200), 'r': dict(foot=(16, -4), toe=-30)},
                face=dict(mouth='open', look=(0, 0)))

    def phevos_point(q):
        d = rotated((q[0] - pc[0], q[1] - pc[1]), -pr)
        return (d[0] / ps, d[1] / ps - 50)
    ph.arms = {'l': dict(hand=phevos_point(pull), bend=4), 'r': dict(hand=(34, -80), bend=-6)}
    b += shadow(132, 184, 52, 6)
    b += at.svg()
    b += group(ph.svg(),
               'translate(%s) rotate(%s) translate(0,%s)' % (coords(pc), number(pr), number(50 * ps)))
    b += path('M190,48 Q150,14 104,40', fill='none', stroke=INK, stroke_width=2.6,
              stroke_linecap='round', opacity=0.45, stroke_dasharray='6,6')
    b += path('M98,34 L104,40 L96,44', fill='none', stroke=INK, stroke_width=2.6,
              stroke_linecap='round', stroke_linejoin='round', opacity=0.45)
    b += sparkle(40, 150, 6, '#ffd23c') + sparkle(206, 96, 5, '#ffd23c')
    return sport_document(b, defs)


def scene_volleyball():
    defs = sky_gradient() + linear_gradient('sea', '#3fb4ee', '#62c9f5')
    b = card('url(#sky)')
    b += circle(206, 34, 14, fill='#ffe14d', stroke=INK, stroke_width=2.2)
    b += rect(1.5, 102, 237, 20, fill='url(#sea)')
    b += path(wavy_line(110, 1.5, 16), fill='none', stroke=WHITE, stroke_width=1.6, opacity=0.7)
    b += band_below(wavy_line(122, 2, 8), '#f7dc9a')
    b += path('M22,150 L218,150 L232,192 L8,192 Z', fill='none', stroke='#e6574a',
              stroke_width=3, stroke_linejoin='round')
    for x, y in ((30, 170), (200, 138), (150, 186), (60, 136)):
        b += path('M%s q3,-3 6,0' % coords((x, y)), fill='none', stroke='#d9b56a', stroke_width=1.6,
                  stroke_linecap='round')
    back, front = court_net(110, 196, 56, 134, 130, 40, hang=(38, 34), tape=WHITE)
    b += back
    s = 0.9
    at = Figure(ATHENA, 70, 150, s, tilt=-6,
                arms={'r': dict(hand=(30, -112), bend=-6), 'l': dict(hand=(-30, -78), bend=4)},
                legs={'l': dict(foot=(-14, -2), toe=215), 'r': dict(foot=(12, -14), toe=-30, bend=-3)},
                face=dict(mouth='open', look=(2.4, -2.4), brows=True))
    b += shadow(70, 186, 22)
    b += at.svg()
    s2 = 0.86
    ph = Figure(PHEVOS, 176, 156, s2, flip=True,
                arms={'l': dict(hand=(-24, -112), bend=4), 'r': dict(hand=(26, -112), bend=-3)},
                legs={'l': dict(foot=(-8, -2), toe=230), 'r': dict(foot=(8, -2), toe=-50)},
                face=dict(mouth='open', look=(2.4, -2.4)))
    b += shadow(176, 186, 22)
    b += ph.svg() + front
    bx, by = at.world((38, -124))
    b += ball_volleyball(bx + 8, by - 2, 11.5)
    b += motion_lines(bx - 4, by - 14, 12, 3, 6, 225)
    b += sparkle(bx + 6, by + 22, 5, '#ffd23c')
    return sport_document(b, defs)


def scene_fieldhockey():
    defs = sky_gradient()
    b = card('url(#sky)')
    b += rect(1.5, 84, 237, 28, fill='#7b80ab')
    b += crowd(84, 110, 9, o=0.7)
    b += band_below(112, '#4fb35a')
    for i in range(3):
        x0 = 30 + i * 70
        b += path('M%s L%s L%s L%s Z' % (coords((x0, 112)), coords((x0 + 34, 112)), coords((x0 + 40, 198.5)),
                                         coords((x0 + 2, 198.5))), fill='#5cc066')
    b += path('M238.5,130 Q170,136 160,198.5', fill='none', stroke=WHITE, stroke_width=2.6)
    b += line(1.5, 126, 238.5, 122, stroke=WHITE, stroke_width=2)
    s = 0.95
    sw = OUTLINE / s
    ph = Figure(PHEVOS, 70, 178, s, tilt=16,
                arms={'r': dict(hand=(23, -44), bend=-4), 'l': dict(hand=(14, -62), bend=-6)},
                legs={'l': dict(foot=(-16, -6), toe=200), 'r': dict(foot=(16, -6), toe=-5)},
                face=dict(mouth='open', look=(2.4, 1), brows=True),
                props=[('underhands', place(hockey_stick('#ffd23c', sw, 66), 14, -62, -27))])
    b += shadow(74, 182, 30)
    b += ph.svg()
    s2 = 0.88
    sw2 = OUTLINE / s2
    at = Figure(ATHENA, 180, 176, s2, flip=True, tilt=14,
                arms={'r': dict(hand=(23, -44), bend=-4), 'l': dict(hand=(14, -62), bend=-6)},
                legs={'l': dict(foot=(-16, -6), toe=200), 'r': dict(foot=(16, -6), toe=-5)},
                face=dict(mouth='open', look=(2.4, 1)),
                props=[('underhands', place(hockey_stick('#ff5fa2', sw2, 66), 14, -62, -27))])
    b += shadow(176, 180, 28)
    b += at.svg()
    b += motion_lines(118, 178, 14, 2, 6, 180)
    b += circle(130, 178, 5, fill=WHITE, stroke=INK, stroke_width=2.2)
    return sport_document(b, defs)


def lane_rope(y, r, c1, c2, count):
    x0, x1 = card_left_right(y + r + 1)
    out = line(x0, y, x1, y, stroke=INK, stroke_width=1.6)
    step = 237 / count
    for i in range(count):
        x = 1.5 + step * (i + 0.5)
        if x - step * 0.45 < x0 or x + step * 0.45 > x1:
            continue
        out += ellipse(x, y, step * 0.45, r, fill=c1 if i % 3 else c2, stroke=INK,
                       stroke_width=1.2 + r * 0.12)
    return out


def scene_aquatics():
    defs = linear_gradient('pool', '#5fd0f7', '#2f9ae4')
    b = card('#dff4ff')
    tiles = ''
    for x in range(12, 238, 14):
        tiles += 'M%s L%s ' % (coords((x, card_top_bottom(x)[0] + 0.8)), coords((x, 62)))
    for y in range(14, 62, 14):
        x0, x1 = card_left_right(y)
        tiles += 'M%s L%s ' % (coords((x0 + 0.8, y)), coords((x1 - 0.8, y)))
    b += path(tiles, fill='none', stroke='#bfe6fa', stroke_width=1.4)
    flags = ''
    for i in range(8):
        x = 10 + i * 28
        cols = ('#ff8a1c', '#2f8ff0', '#ffd23c')
        flags += path('M%s L%s L%s Z' % (coords((x, 22)), coords((x + 20, 22)), coords((x + 10, 36))),
                      fill=cols[i % 3], stroke=INK, stroke_width=1.4, stroke_linejoin='round')
    b += path('M1.5,22 Q120,26 238.5,22', fill='none', stroke=INK, stroke_width=1.6)
    b += flags
    b += rect(1.5, 58, 237, 8, fill='#ffffff', stroke='#9fcde6', stroke_width=1.5)
    b += band_below(66, 'url(#pool)')
    b += lane_rope(78, 3.2, '#ffffff', '#e8313a', 22)
    lanes = ((ATHENA, 150, 122, 0.66, 100, '#2f8ff0'),
             (PHEVOS, 84, 186, 0.92, 158, '#ff8a1c'))
    for who, x, y, s, wl, cap in lanes:
        f = Figure(who, x, y, s, tilt=74, head=-58, wear={'swimcap', 'goggles'}, wear_colour=cap,
                   arms={'l': dict(hand=(88, -78), bend=-14), 'r': dict(hand=(6, -12), bend=4)},
                   legs={'l': dict(foot=(-34, -30), toe=180, tilted=True),
                         'r': dict(foot=(-36, -16), toe=160, tilted=True)},
                   face=dict(mouth='open', look=(1.5, 0)))
        b += f.svg()
        # the water closes over the body and legs
        low = wl + 40 * s
        if low < 178:
            b += path(wavy_line(wl, 2.6, 10) + ' L238.5,%s L1.5,%s Z' % (number(low), number(low)),
                      fill='#2f9ae4', opacity=0.72)
        else:
            b += band_below(wavy_line(wl, 2.6, 10), '#2f9ae4', opacity=0.72)
        b += path(wavy_line(wl, 2.6, 10), fill='none', stroke=WHITE, stroke_width=2, opacity=0.8)
        hx, hy = f.world((88, -78))
        fx, fy = f.world((-36, -22), tilted=True)
        b += puff(fx - 4 * s, wl - 2, 10 * s) + puff(fx - 26 * s, wl + 1, 7 * s)
        b += puff(hx + 10 * s, wl - 1, 6 * s)
        b += puff(f.world((70, -30), tilted=True)[0], wl - 1, 5 * s)
        if who is ATHENA:
            b += lane_rope(wl + 30, 4.2, '#ffffff', '#2f6fe0', 18)
    b += lane_rope(190, 5.2, '#ffffff', '#ffd23c', 14)
    return sport_document(b, defs)


def olive_branch(x0, y0, x1, y1, bend, leaves=7, sw=1.6, side=1):
    """A curved olive twig with leaves and a few olives."""
    cx = (x0 + x1) / 2 - (y1 - y0) * bend
    cy = (y0 + y1) / 2 + (x1 - x0) * bend
    out = path('M%s Q%s %s' % (coords((x0, y0)), coords((cx, cy)), coords((x1, y1))), fill='none',
               stroke=INK, stroke_width=4.4, stroke_linecap='round')
    out += path('M%s Q%s %s' % (coords((x0, y0)), coords((cx, cy)), coords((x1, y1))), fill='none',
                stroke='#8a5a3a', stroke_width=2, stroke_linecap='round')
    for i in range(leaves):
        t = 0.12 + 0.84 * i / (leaves - 1)
        px = (1 - t) ** 2 * x0 + 2 * (1 - t) * t * cx + t * t * x1
        py = (1 - t) ** 2 * y0 + 2 * (1 - t) * t * cy + t * t * y1
        dx = 2 * (1 - t) * (cx - x0) + 2 * t * (x1 - cx)
        dy = 2 * (1 - t) * (cy - y0) + 2 * t * (y1 - cy)
        ang = math.degrees(math.atan2(dy, dx))
        for k in (-1, 1):
            out += leaf(px, py, ang + k * 50, 1.0, '#7cbf3c' if (i + k) % 2 else '#95d14f', sw)
        if i % 3 == 1:
            out += ellipse(px + 4 * side, py + 5, 2.6, 3.2, fill='#5a6b2a', stroke=INK,
                           stroke_width=sw * 0.7)
    return out


def medal(x, y, sw, col='#ffd23c'):
    return (path('M%s L%s L%s L%s Z' % (coords((x - 7, y - 22)), coords((x - 2, y - 1)),
                                        coords((x + 2, y - 1)),
                                        coords((x + 7, y - 22))), fill='#e8313a', stroke=INK,
                 stroke_width=sw * 0.6, stroke_linejoin='round') +
            circle(x, y + 4, 6.5, fill=col, stroke=INK, stroke_width=sw * 0.8) +
            circle(x, y + 4, 3.6, fill='none', stroke='#f2a900', stroke_width=1.4))


def diploma_centre():
    defs = ('<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="#fff1bf"/>'
            '<stop offset="0.7" stop-color="#fff1bf" stop-opacity="0.8"/>'
            '<stop offset="1" stop-color="#fff1bf" stop-opacity="0"/></radialGradient>')
    b = circle(79.5, 108, 80, fill='url(#halo)')
    # rays of glory
    rays = ''
    for i in range(12):
        a = math.radians(-90 + (i - 5.5) * 15)
        if abs(math.cos(a)) > 0.95:
            continue
        rays += polygon_path([(79.5 + 34 * math.cos(a - 0.05), 92 + 34 * math.sin(a - 0.05)),
                              (79.5 + 74 * math.cos(a - 0.09), 92 + 74 * math.sin(a - 0.09)),
                              (79.5 + 74 * math.cos(a + 0.09), 92 + 74 * math.sin(a + 0.09)),
                              (79.5 + 34 * math.cos(a + 0.05), 92 + 34 * math.sin(a + 0.05))]) + ' '
    b += path(rays, fill='#ffe08a', opacity=0.55)
    # the wreath of olive around them
    b += olive_branch(28, 166, 17, 94, 0.12, 6, 1.3, -1)
    b += olive_branch(131, 166, 142, 94, -0.12, 6, 1.3, 1)
    b += ellipse(79.5, 169, 54, 6, fill=INK, opacity=0.13)
    s = 1.0
    sw = OUTLINE / s
    ph = Figure(PHEVOS, 51, 165, s, tilt=-3, wear={'wreath'},
                arms={'r': dict(hand=(28, -38), bend=-4), 'l': dict(hand=(-30, -100), bend=5)},
                legs={'l': dict(foot=(-9, -6), toe=195), 'r': dict(foot=(9, -6), toe=-15)},
                face=dict(mouth='open', eyes='happy'),
                props=[('overbody', medal(0, -48, sw))])
    at = Figure(ATHENA, 108, 165, s, flip=True, tilt=-3, wear={'wreath'},
                arms={'r': dict(hand=(28, -38), bend=-4), 'l': dict(hand=(-30, -100), bend=5)},
                legs={'l': dict(foot=(-9, -6), toe=195), 'r': dict(foot=(9, -6), toe=-15)},
                face=dict(mouth='open', look=(0.5, 0)),
                props=[('overbody', medal(0, -48, sw))])
    b += ph.svg() + at.svg()
    # a garland of olive at their feet
    b += olive_branch(79.5, 184, 16, 174, -0.12, 7, 1.3, -1)
    b += olive_branch(79.5, 184, 143, 174, 0.12, 7, 1.3, 1)
    b += circle(79.5, 183, 4.5, fill='#e8313a', stroke=INK, stroke_width=1.5)
    b += sparkle(18, 40, 6, '#ffc53d') + sparkle(141, 36, 6, '#ffc53d') + \
        sparkle(79.5, 20, 8, '#ffd23c') + sparkle(40, 18, 3.5, '#5cc8ff') + \
        sparkle(120, 16, 3.5, '#ff8a1c')
    return svg_document(159, 197, b, defs)


def icon():
    defs = linear_gradient('bg', '#fff8e3', '#ffe9b0')
    b = rect(6, 6, 244, 244, 56, fill='url(#bg)', stroke=INK, stroke_width=8)
    tiles = ((20, 20, '#ff8a1c', '#d96600', 'plus'), (132, 20, '#2f8ff0', '#1a66c4', 'minus'),
             (20, 132, '#3cc36b', '#1f9a4c', 'times'), (132, 132, '#ff5a7a', '#d93558', 'divide'))
    ow = 5          # outline of the signs
    for x, y, col, dark, sign in tiles:
        cx, cy = x + 52, y + 52
        b += rect(x, y, 104, 104, 28, fill=col, stroke=INK, stroke_width=6)
        t, h = 13.5, 38    # half thickness, half length
        if sign in ('plus', 'times'):
            if sign == 'times':
                h = 40
            d = ('M%s L%s L%s L%s L%s L%s L%s L%s L%s L%s L%s L%s Z' % tuple(
                coords(p) for p in ((-t, -h), (t, -h), (t, -t), (h, -t), (h, t), (t, t),
                                    (t, h), (-t, h), (-t, t), (-h, t), (-h, -t), (-t, -t))))
            rot45 = ' rotate(45)' if sign == 'times' else ''
            b += group(path(d, fill=dark, stroke=dark, stroke_width=ow, stroke_linejoin='round'),
                       'translate(%s)%s' % (coords((cx, cy + 6)), rot45))
            b += group(path(d, fill=WHITE, stroke=INK, stroke_width=ow, stroke_linejoin='round'),
                       'translate(%s)%s' % (coords((cx, cy)), rot45))
        elif sign == 'minus':
            b += rect(cx - h, cy - t + 6, 2 * h, 2 * t, 6, fill=dark)
            b += rect(cx - h, cy - t, 2 * h, 2 * t, 6, fill=WHITE, stroke=INK, stroke_width=ow)
        else:
            for dy in (6, 0):
                f = dark if dy else WHITE
                st = dict(stroke=INK, stroke_width=ow) if not dy else {}
                b += rect(cx - h, cy - 9 + dy, 2 * h, 18, 6, fill=f, **st)
                b += circle(cx, cy - 30 + dy, 11, fill=f, **st)
                b += circle(cx, cy + 30 + dy, 11, fill=f, **st)
    return svg_document(256, 256, b, defs)


SPORTS = [name[len('scene_'):] for name in list(globals()) if name.startswith('scene_')]


def main(argv):
    options = argparse.ArgumentParser(description='Draws the pictures of Phevos and Athena.')
    options.add_argument('--into', default=ROOT, metavar='FOLDER',
                         help='the folder that holds assets/ (the tree by default)')
    options.add_argument('only', nargs='*', metavar='NAME', help='the pictures to draw (all by default)')
    arguments = options.parse_args(argv[1:])
    only = set(arguments.only)
    jobs = {
        'athens2004': ('assets/mascots/athens2004.svg', pair_waving),
        'diploma': ('assets/diploma/centre.svg', diploma_centre),
        'icon': ('assets/icon/org.kalyxteron.Kalyxteron.svg', icon),
    }
    for name in SPORTS:
        jobs[name] = ('assets/sports/%s.svg' % name, globals()['scene_' + name])
    for key, (rel, draw) in jobs.items():
        if only and key not in only:
            continue
        written = write(arguments.into, rel, draw())
        print('%6d  %s' % (os.path.getsize(written), rel))


if __name__ == '__main__':
    main(sys.argv)
