#!/usr/bin/env python3
"""Writes the SVG sources of the demo pictures into demo/art.

One house style for all of them: dark blue line drawings on white with a
light blue fill and a short caption at the bottom. scripts/make-pictures.sh
turns the SVGs into the GIFs under demo/images.

    python3 tools/demo/make_art.py
"""

import math
import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
ART = os.path.join(ROOT, "demo", "art")

INK = "#1d3d6e"
FILL = "#dce8f5"
MID = "#9db3d1"
JACKET = "#4a5d78"
COPPER = "#c8803e"
AMBER = "#e3a82b"
GREY = "#a7b0ba"
PALE = "#f1f5fa"

# ---------------------------------------------------------------------------
# drawing primitives: each returns an SVG fragment
# ---------------------------------------------------------------------------


def _a(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        out.append('%s="%s"' % (k.rstrip("_").replace("_", "-"), v))
    return " ".join(out)


def line(x1, y1, x2, y2, w=2, c=INK, dash=None, cap="round"):
    return "<line %s/>" % _a(x1=x1, y1=y1, x2=x2, y2=y2, stroke=c, stroke_width=w, stroke_dasharray=dash,
                            stroke_linecap=cap)


def rect(x, y, w, h, fill=FILL, c=INK, sw=2, rx=0, dash=None):
    return "<rect %s/>" % _a(x=x, y=y, width=w, height=h, fill=fill, stroke=c, stroke_width=sw, rx=rx or None,
                             stroke_dasharray=dash)


def circle(cx, cy, r, fill=FILL, c=INK, sw=2, dash=None):
    return "<circle %s/>" % _a(cx=cx, cy=cy, r=r, fill=fill, stroke=c, stroke_width=sw, stroke_dasharray=dash)


def ellipse(cx, cy, rx, ry, fill=FILL, c=INK, sw=2):
    return "<ellipse %s/>" % _a(cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=c, stroke_width=sw)


def path(d, fill="none", c=INK, sw=2, dash=None, join="round"):
    return "<path %s/>" % _a(d=d, fill=fill, stroke=c, stroke_width=sw, stroke_dasharray=dash,
                             stroke_linejoin=join, stroke_linecap="round")


def poly(points, fill=FILL, c=INK, sw=2):
    pts = " ".join("%g,%g" % p for p in points)
    return "<polygon %s/>" % _a(points=pts, fill=fill, stroke=c, stroke_width=sw, stroke_linejoin="round")


def polyline(points, c=INK, sw=2, fill="none"):
    pts = " ".join("%g,%g" % p for p in points)
    return "<polyline %s/>" % _a(points=pts, fill=fill, stroke=c, stroke_width=sw, stroke_linejoin="round",
                                 stroke_linecap="round")


def text(x, y, s, size=11, anchor="middle", weight="normal", fill=INK, style=None):
    return '<text %s>%s</text>' % (_a(x=x, y=y, font_family="DejaVu Sans", font_size=size, text_anchor=anchor,
                                      font_weight=weight, fill=fill, font_style=style), esc(s))


def group(transform, *parts):
    return '<g transform="%s">%s</g>' % (transform, "".join(parts))


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def cable(x1, y1, x2, y2, w=7):
    """A feeder seen from the side: dark jacket with an outline."""
    return line(x1, y1, x2, y2, w + 3, INK) + line(x1, y1, x2, y2, w, JACKET)


def cable_path(d, w=7):
    return path(d, c=INK, sw=w + 3) + path(d, c=JACKET, sw=w)


def bolt(x, y, r=3.5):
    return circle(x, y, r, "white", INK, 1.5) + line(x - r + 1.5, y, x + r - 1.5, y, 1.2)


def nut(x, y, s=5):
    pts = [(x + s * math.cos(math.radians(a)), y + s * math.sin(math.radians(a))) for a in range(0, 360, 60)]
    return poly(pts, MID, INK, 1.5)


def xsec(cx, cy, r):
    """A cable seen end-on."""
    return circle(cx, cy, r, JACKET, INK, 2) + circle(cx, cy, r * 0.72, GREY, INK, 1) + circle(cx, cy, r * 0.22,
                                                                                              COPPER, INK, 1)


def bolt_through(x, y1, y2):
    return line(x, y1, x, y2, 3, INK) + nut(x, y1, 4) + nut(x, y2, 4)


def bolt_flat(x1, x2, y):
    # a bolt lying along x, between two nuts
    return line(x1, y, x2, y, 3, INK) + nut(x1, y, 4) + nut(x2, y, 4)


def slash_circle(cx, cy, r):
    return circle(cx, cy, r, "none", GREY, 5) + line(cx - r * 0.7, cy + r * 0.7, cx + r * 0.7, cy - r * 0.7, 5, GREY)


def lightning(x, y, s=1.0):
    pts = [(0, 0), (8, 0), (3, 10), (10, 10), (-2, 28), (2, 14), (-5, 14)]
    return poly([(x + px * s, y + py * s) for px, py in pts], AMBER, INK, 1.5)


def threads(x, y1, y2, w=4):
    d = "M %g %g " % (x - w, y1)
    y = y1
    left = True
    while y < y2:
        y += 3
        d += "L %g %g " % (x + (w if left else -w), min(y, y2))
        left = not left
    return path(d, sw=1.2)


def mesh(x, y, w, h, step=7):
    """A woven sleeve drawn as a diamond lattice clipped to a rectangle."""
    out = []
    for i in range(-int(h / step), int(w / step) + 1):
        x1, y1 = x + i * step, y
        x2, y2 = x1 + h, y + h
        out.append(line(max(x1, x), y1 + max(0, x - x1), min(x2, x + w), y2 - max(0, x2 - x - w), 1, INK))
        x3, y3 = x + w - i * step, y
        x4 = x3 - h
        out.append(line(min(x3, x + w), y3 + max(0, x3 - x - w), max(x4, x), y + h - max(0, x - x4), 1, INK))
    return "".join(out)


# ---------------------------------------------------------------------------
# the page
# ---------------------------------------------------------------------------

def page(w, h, body, caption=None, size=11, frame=True):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (w, h, w, h),
             rect(0, 0, w, h, "white", "none", 0)]
    if frame:
        parts.append(rect(1.5, 1.5, w - 3, h - 3, "none", "#c9d6e6", 1, 6))
    parts.append(body)
    if caption:
        # bold DejaVu is about 0.68 em per character; shrink long captions to fit
        fit = (w - 12) / (0.68 * len(caption))
        parts.append(text(w / 2, h - 9, caption, min(size, round(fit, 1)), weight="bold"))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


PICTURES = {}


def picture(name, w=150, h=150):
    def deco(fn):
        PICTURES[name] = (fn, w, h)
        return fn
    return deco


# ---------------------------------------------------------------------------
# site locations
# ---------------------------------------------------------------------------

def lattice(xl_bot, xr_bot, xl_top, xr_top, ytop, ybot, bays):
    out = [line(xl_bot, ybot, xl_top, ytop, 2.5), line(xr_bot, ybot, xr_top, ytop, 2.5)]
    ys = [ybot - (ybot - ytop) * i / bays for i in range(bays + 1)]
    for i in range(bays + 1):
        t = i / bays
        xl = xl_bot + (xl_top - xl_bot) * t
        xr = xr_bot + (xr_top - xr_bot) * t
        out.append(line(xl, ys[i], xr, ys[i], 1.5))
        if i < bays:
            t2 = (i + 1) / bays
            xl2 = xl_bot + (xl_top - xl_bot) * t2
            xr2 = xr_bot + (xr_top - xr_bot) * t2
            out.append(line(xl, ys[i], xr2, ys[i + 1], 1))
            out.append(line(xr, ys[i], xl2, ys[i + 1], 1))
    return "".join(out)


def panel(x, y, w=6, h=20):
    return rect(x, y, w, h, "white", INK, 1.5, 1.5)


def ground_line(y, x1=10, x2=140):
    return line(x1, y, x2, y, 2, "#6e7f94")


@picture("tower.gif")
def tower():
    b = ground_line(124)
    b += lattice(52, 98, 68, 82, 22, 124, 7)
    b += line(60, 22, 90, 22, 2) + panel(56, 10) + panel(72, 8) + panel(88, 10)
    b += rect(104, 106, 30, 18, FILL, INK, 2) + line(104, 106, 119, 98, 2) + line(119, 98, 134, 106, 2)
    b += line(84, 112, 104, 112, 3, JACKET)
    return page(150, 150, b, "Tower")


@picture("monopole.gif")
def monopole():
    b = ground_line(124)
    b += poly([(70, 124), (80, 124), (77, 26), (73, 26)])
    b += line(58, 26, 92, 26, 2.5) + line(58, 26, 75, 34, 1.5) + line(92, 26, 75, 34, 1.5)
    b += panel(55, 8) + panel(72, 6) + panel(89, 8)
    b += rect(100, 106, 32, 18, FILL, INK, 2) + line(100, 106, 116, 98, 2) + line(116, 98, 132, 106, 2)
    b += line(80, 118, 100, 118, 3, JACKET)
    return page(150, 150, b, "Monopole")


def building(x, y, w, h, rows=3, cols=3):
    out = [rect(x, y, w, h, FILL, INK, 2)]
    for r in range(rows):
        for c in range(cols):
            out.append(rect(x + 8 + c * (w - 16) / cols, y + 8 + r * (h - 12) / rows, (w - 16) / cols - 6,
                            (h - 12) / rows - 7, "white", INK, 1))
    return "".join(out)


@picture("rooftop.gif")
def rooftop():
    b = ground_line(124) + building(30, 62, 90, 62)
    b += line(75, 62, 75, 26, 2.5) + line(66, 40, 84, 40, 1.5)
    b += panel(62, 24) + panel(82, 24) + rect(96, 52, 16, 10, FILL, INK, 1.5)
    b += line(104, 52, 104, 46, 1.5) + line(75, 58, 96, 58, 3, JACKET)
    return page(150, 150, b, "Roof Top")


@picture("parapet.gif")
def parapet():
    b = ground_line(124) + building(30, 50, 90, 74)
    b += rect(26, 42, 98, 8, MID, INK, 2)
    b += panel(30, 28, 6, 24) + panel(72, 28, 6, 24) + panel(114, 28, 6, 24)
    b += line(36, 38, 40, 38, 2) + line(78, 38, 82, 38, 2)
    return page(150, 150, b, "Parapet")


@picture("custom.gif")
def custom():
    b = ground_line(124)
    b += ellipse(75, 52, 34, 8, FILL) + rect(41, 30, 68, 22, FILL, INK, 2) + ellipse(75, 30, 34, 8, PALE)
    b += line(50, 58, 44, 124, 2.5) + line(100, 58, 106, 124, 2.5) + line(66, 60, 64, 124, 2)
    b += line(84, 60, 86, 124, 2) + line(47, 90, 103, 90, 1.2) + line(46, 105, 104, 105, 1.2)
    b += panel(38, 14, 5, 18) + panel(72, 8, 5, 18) + panel(106, 14, 5, 18)
    return page(150, 150, b, "Custom Structure")


# ---------------------------------------------------------------------------
# structure pictures of the accessory pages
# ---------------------------------------------------------------------------

def hanger_mark(x, y):
    return rect(x - 10, y - 3, 20, 6, AMBER, INK, 1.2, 1)


@picture("VertTwrParts.gif")
def vert_twr():
    b = line(40, 10, 40, 124, 5, INK) + line(40, 10, 40, 124, 2, MID)
    for y in range(20, 124, 26):
        b += line(40, y, 120, y + 22, 1.2) + line(40, y + 22, 120, y, 1.2)
    for x in (62, 74, 86):
        b += cable(x, 8, x, 124, 5)
    for y in (28, 60, 92):
        b += hanger_mark(74, y) + line(40, y, 62, y, 2)
    b += path("M 100 30 L 112 30 L 112 44 L 100 44", c=INK, sw=1.5) + text(108, 58, "3 ft", 9)
    return page(150, 150, b, "Tower, vertical run")


def ice_bridge(x1, x2, y):
    out = [rect(x1, y - 6, x2 - x1, 6, FILL, INK, 1.5)]
    for x in range(int(x1) + 6, int(x2), 24):
        out.append(line(x, y, x, 124, 2))
    return "".join(out)


@picture("HorizTwrParts.gif")
def horiz_twr():
    b = ground_line(124) + lattice(12, 42, 20, 34, 10, 124, 5)
    b += rect(100, 74, 40, 50, FILL, INK, 2) + rect(102, 84, 10, 10, "white", INK, 1.5)
    b += ice_bridge(38, 102, 80)
    b += cable_path("M 30 20 L 34 72 Q 36 86 48 86 L 102 86", 4)
    b += cable_path("M 26 20 L 30 76 Q 32 92 46 92 L 102 92", 4)
    return page(150, 150, b, "Tower to shelter")


@picture("HorizMpParts.gif")
def horiz_mp():
    b = ground_line(124) + poly([(18, 124), (34, 124), (31, 10), (21, 10)])
    b += rect(23, 96, 6, 12, "white", INK, 1.5)
    b += rect(100, 74, 40, 50, FILL, INK, 2) + rect(102, 84, 10, 10, "white", INK, 1.5)
    b += ice_bridge(36, 102, 80)
    b += cable_path("M 28 100 Q 40 100 44 88 L 102 88", 4)
    b += cable_path("M 28 104 Q 44 104 48 94 L 102 94", 4)
    return page(150, 150, b, "Monopole to shelter")


@picture("rtParts.gif")
def rt_parts():
    b = poly([(8, 112), (142, 112), (142, 124), (8, 124)], PALE)
    for x in (34, 74, 114):
        b += rect(x - 12, 100, 24, 12, GREY, INK, 1.5, 2)
    b += rect(18, 94, 112, 6, FILL, INK, 1.5)
    b += line(24, 94, 24, 20, 3) + panel(16, 20) + panel(28, 20)
    b += cable_path("M 30 40 L 30 84 Q 30 90 40 90 L 130 90", 4)
    b += cable_path("M 36 40 L 36 80 Q 36 86 44 86 L 130 86", 4)
    return page(150, 150, b, "Roof top run")


@picture("prParts.gif")
def pr_parts():
    b = rect(40, 20, 70, 104, FILL, INK, 2)
    for y in range(28, 124, 12):
        off = 0 if (y // 12) % 2 else 10
        for x in range(40 + off, 110, 20):
            b += line(x, y, x, y + 12, 0.8, MID)
        b += line(40, y, 110, y, 0.8, MID)
    b += rect(36, 14, 78, 8, MID, INK, 2) + panel(46, 0 + 2, 6, 14)
    for x in (56, 66, 76):
        b += cable(x, 22, x, 124, 4)
    for y in (40, 72, 104):
        b += rect(48, y - 3, 38, 6, AMBER, INK, 1.2, 1)
    return page(150, 150, b, "Parapet wall run")


@picture("vcsParts.gif")
def vcs_parts():
    b = rect(38, 8, 16, 116, FILL, INK, 2) + line(42, 8, 42, 124, 1, "white")
    for x in (72, 84):
        b += cable(x, 8, x, 124, 5)
    for y in (30, 66, 102):
        b += path("M 54 %g L 66 %g" % (y, y)) + rect(64, y - 4, 28, 8, AMBER, INK, 1.2, 2)
        b += path("M 36 %g Q 46 %g 56 %g" % (y - 5, y + 5, y - 5), sw=1.5)
    return page(150, 150, b, "Custom, vertical run")


@picture("hcsParts.gif")
def hcs_parts():
    b = rect(10, 56, 130, 12, FILL, INK, 2) + line(10, 60, 140, 60, 1, "white")
    for x in (30, 120):
        b += line(x, 68, x, 124, 3)
    for y in (80, 92):
        b += cable(10, y, 140, y, 5)
    for x in (45, 80, 115):
        b += rect(x - 4, 68, 8, 30, AMBER, INK, 1.2, 2)
    return page(150, 150, b, "Custom, horizontal run")


# ---------------------------------------------------------------------------
# placeholders
# ---------------------------------------------------------------------------

def placeholder(what, ghost):
    b = rect(20, 14, 110, 104, PALE, GREY, 1.5, 8, "5,4")
    b += '<g opacity="0.45">%s</g>' % ghost + slash_circle(75, 64, 34)
    return page(150, 150, b, what)


GHOSTS = {
    "na.gif": ("Not applicable", rect(45, 70, 60, 8, GREY, GREY, 1) + circle(75, 54, 14, "none", GREY, 4)),
    "na1.gif": ("No entry part", rect(50, 40, 50, 50, "none", GREY, 3, 3) + circle(63, 53, 6, "none", GREY, 2)
                + circle(87, 53, 6, "none", GREY, 2) + circle(63, 77, 6, "none", GREY, 2)
                + circle(87, 77, 6, "none", GREY, 2)),
    "na2.gif": ("No arrestor", lightning(66, 46, 1.0).replace(AMBER, GREY).replace(INK, GREY)),
    "na3.gif": ("No surge protector", rect(55, 52, 40, 22, GREY, GREY, 1, 3) + rect(45, 58, 10, 10, GREY, GREY, 1)
                + rect(95, 58, 10, 10, GREY, GREY, 1) + rect(69, 74, 12, 14, GREY, GREY, 1)),
    "na4.gif": ("No connector", rect(48, 56, 20, 16, GREY, GREY, 1) + rect(68, 50, 22, 28, GREY, GREY, 1)
                + line(90, 64, 104, 64, 3, GREY)),
    "na5.gif": ("No kit chosen", circle(75, 64, 18, "none", GREY, 8)),
    "na6.gif": ("No GPS item", path("M 57 70 Q 57 46 75 46 Q 93 46 93 70 Z", fill=GREY, c=GREY)
                + line(75, 70, 75, 90, 4, GREY)),
}
for _name, (_cap, _ghost) in GHOSTS.items():
    picture(_name)(lambda _cap=_cap, _ghost=_ghost: placeholder(_cap, _ghost))


# ---------------------------------------------------------------------------
# antennas
# ---------------------------------------------------------------------------

@picture("sector.gif")
def sector():
    b = line(60, 8, 60, 124, 4) + rect(74, 14, 24, 96, FILL, INK, 2, 4)
    for y in (22, 46, 70, 94):
        b += line(80, y, 92, y + 8, 1.5) + line(92, y, 80, y + 8, 1.5)
    b += line(60, 26, 74, 26, 3) + line(60, 96, 74, 96, 3) + bolt(60, 26) + bolt(60, 96)
    b += cable_path("M 86 110 Q 86 122 100 124", 3)
    return page(150, 150, b, "Sector")


@picture("omni.gif")
def omni():
    b = line(75, 70, 75, 124, 4) + rect(70, 10, 10, 64, FILL, INK, 2, 5)
    for r in (16, 26, 36):
        b += path("M %g 42 A %g %g 0 0 1 %g 42" % (75 - r - 6, r, r * 0.5, 75 - r - 6), dash="3,3", sw=1.2)
        b += ellipse(75, 42, r + 6, r * 0.35, "none", MID, 1.2)
    b += rect(64, 76, 22, 8, MID, INK, 1.5)
    return page(150, 150, b, "Omni")


@picture("other.gif")
def other():
    b = line(40, 58, 130, 58, 3) + line(58, 58, 58, 124, 4)
    for x, h in ((70, 20), (86, 16), (100, 14), (112, 12), (122, 10)):
        b += line(x, 58 - h, x, 58 + h, 2.5)
    b += line(46, 30, 46, 86, 3) + ellipse(30, 26, 6, 6, FILL)
    b += text(30, 30, "?", 10, weight="bold")
    return page(150, 150, b, "Other / N/A")


@picture("micro.gif")
def micro():
    b = line(75, 60, 75, 124, 4) + line(44, 66, 106, 66, 3)
    for x in (40, 86):
        b += rect(x, 14, 24, 48, FILL, INK, 2, 3)
        b += line(x + 6, 26, x + 18, 38, 2) + line(x + 18, 26, x + 6, 38, 2)
        b += line(x + 6, 42, x + 18, 54, 2) + line(x + 18, 42, x + 6, 54, 2)
    return page(150, 150, b, "Dual-Pol Microsite")


# ---------------------------------------------------------------------------
# hangers and attachments
# ---------------------------------------------------------------------------

def plainhold(galv):
    b = rect(28, 74, 94, 10, MID if not galv else GREY, INK, 2, 2)
    b += path("M 45 74 L 45 52 A 30 30 0 0 1 105 52 L 105 74", fill="none", sw=6, c=INK)
    b += path("M 45 74 L 45 52 A 30 30 0 0 1 105 52 L 105 74", fill="none", sw=3, c=GREY if galv else FILL)
    b += xsec(75, 54, 24) + bolt(36, 79) + bolt(114, 79)
    b += rect(60, 84, 30, 24, FILL, INK, 2) + bolt(75, 96)
    if galv:
        for x in range(34, 120, 8):
            b += circle(x, 79, 0.8, INK, INK, 0.5)
    return b


@picture("plainhold1.gif")
def plainhold1():
    return page(150, 150, plainhold(False), "Plainhold Hanger")


@picture("plainhold2.gif")
def plainhold2():
    return page(150, 150, plainhold(True), "Plainhold, Galvanized")


@picture("latchor1.gif")
def latchor1():
    b = rect(22, 96, 106, 12, MID, INK, 2, 2) + circle(75, 102, 4, "white", INK, 1.5)
    b += path("M 75 96 L 75 88 Q 46 86 48 56 Q 52 28 75 28 Q 98 28 102 56 Q 104 86 75 88", sw=3)
    b += xsec(75, 58, 22)
    b += path("M 64 96 L 62 104 M 86 96 L 88 104", sw=2)
    return page(150, 150, b, "Latchor Snap-In Hanger")


@picture("klemmit4.gif")
def klemmit4():
    b = rect(30, 30, 90, 26, FILL, INK, 2, 3) + rect(30, 60, 90, 26, FILL, INK, 2, 3)
    b += circle(75, 58, 20, "#6b7a8f", INK, 2) + xsec(75, 58, 15)
    b += bolt_through(40, 24, 92) + bolt_through(110, 24, 92)
    b += rect(22, 92, 106, 10, MID, INK, 2, 2)
    return page(150, 150, b, "Klemmit Cushion Clamp")


@picture("vornclamp.gif")
def vornclamp():
    b = ""
    x = 12
    for n in (1, 2, 3):
        w = 13 * n + 8
        b += rect(x, 48, w, 34, FILL, INK, 2, 3) + line(x, 65, x + w, 65, 1.5)
        for k in range(n):
            b += xsec(x + 10.5 + 13 * k, 65, 5.5)
        b += text(x + w / 2, 98, "%d run%s" % (n, "s" if n > 1 else ""), 9)
        x += w + 8
    return page(150, 150, b, "Vornclamp Block Clamps")


@picture("stackor1.gif")
def stackor1():
    b = line(75, 14, 75, 118, 4) + threads(75, 14, 118, 3)
    for y in (26, 50, 74, 98):
        b += path("M 75 %g Q 48 %g 50 %g Q 52 %g 75 %g" % (y - 8, y - 10, y, y + 10, y + 8), sw=2.5)
        b += path("M 75 %g Q 102 %g 100 %g Q 98 %g 75 %g" % (y - 8, y - 10, y, y + 10, y + 8), sw=2.5)
        b += xsec(58, y, 7) + xsec(92, y, 7)
    return page(150, 150, b, "Stackor Stacking Kit")


@picture("ground.gif")
def ground_pic():
    return page(150, 150, grounding_kit("strap"), "Grounding Kit")


@picture("hoist.gif")
def hoist_pic():
    return page(150, 150, hoisting_grip("standard"), "Hoisting Grip")


# ---------------------------------------------------------------------------
# mount types
# ---------------------------------------------------------------------------

@picture("mt_angle.gif")
def mt_angle():
    b = poly([(50, 16), (62, 10), (62, 110), (50, 116)], FILL) + poly([(50, 116), (62, 110), (112, 116),
                                                                        (100, 122)], MID)
    b += poly([(50, 16), (50, 116), (100, 122), (100, 112), (60, 106), (60, 14)], PALE)
    for y in (30, 60, 90):
        b += circle(55, y, 2.5, "white", INK, 1.2)
    return page(150, 150, b, "Angle Member")


@picture("mt_round.gif")
def mt_round():
    b = rect(58, 18, 34, 96, FILL, INK, 2) + ellipse(75, 18, 17, 6, PALE) + line(66, 22, 66, 112, 2, "white")
    b += path("M 58 114 A 17 6 0 0 0 92 114", sw=2)
    return page(150, 150, b, "Round Member")


@picture("mt_ladder.gif")
def mt_ladder():
    b = rect(40, 10, 10, 112, FILL, INK, 2) + rect(100, 10, 10, 112, FILL, INK, 2)
    for y in range(22, 120, 16):
        b += rect(50, y, 50, 5, MID, INK, 1.5)
    return page(150, 150, b, "Cable Ladder")


@picture("mt_wall.gif")
def mt_wall():
    b = rect(24, 14, 102, 106, "#e9d6c4", INK, 2)
    for r, y in enumerate(range(14, 120, 13)):
        b += line(24, y, 126, y, 1, "#8a6a52")
        for x in range(24 + (0 if r % 2 else 13), 126, 26):
            b += line(x, y, x, min(y + 13, 120), 1, "#8a6a52")
    return page(150, 150, b, "Wall")


@picture("mt_sleeper.gif")
def mt_sleeper():
    b = poly([(8, 108), (142, 96), (142, 124), (8, 124)], PALE)
    for x in (36, 78, 120):
        y = 108 - (x - 8) * 12 / 134
        b += poly([(x - 14, y), (x + 14, y - 2.5), (x + 14, y - 16), (x - 14, y - 13.5)], GREY)
    b += line(20, 80, 136, 70, 4, INK)
    return page(150, 150, b, "Roof Sleeper")


@picture("mt_icebridge.gif")
def mt_icebridge():
    b = ground_line(124) + rect(14, 36, 122, 10, MID, INK, 2) + line(14, 36, 136, 36, 1)
    for x in range(20, 140, 10):
        b += line(x, 36, x, 46, 1)
    for x in (26, 124):
        b += rect(x - 4, 46, 8, 78, FILL, INK, 2)
    b += rect(14, 60, 122, 6, FILL, INK, 1.5)
    return page(150, 150, b, "Ice Bridge")


@picture("mt_strut.gif")
def mt_strut():
    b = poly([(30, 40), (120, 40), (120, 84), (108, 84), (108, 52), (42, 52), (42, 84), (30, 84)], FILL)
    b += path("M 30 84 L 38 84 L 38 78 M 120 84 L 112 84 L 112 78", sw=2)
    for x in (54, 75, 96):
        b += rect(x - 6, 43, 12, 6, "white", INK, 1.2, 3)
    b += text(75, 108, "slotted channel", 9, fill=MID)
    return page(150, 150, b, "Strut Channel")


# ---------------------------------------------------------------------------
# mounting hardware
# ---------------------------------------------------------------------------

def angle_section(x, y, s=1.0):
    return poly([(x, y), (x + 40 * s, y), (x + 40 * s, y + 6 * s), (x + 6 * s, y + 6 * s), (x + 6 * s, y + 40 * s),
                 (x, y + 40 * s)], MID)


@picture("hw_angleadapter.gif")
def hw_angleadapter():
    b = angle_section(20, 24, 1.4) + rect(40, 20, 88, 14, FILL, INK, 2, 2)
    for x in (70, 92, 114):
        b += circle(x, 27, 4, "white", INK, 1.5)
    b += bolt_through(32, 14, 40) + text(92, 58, "3 holes, 3 runs", 9)
    return page(150, 150, b, "Angle Adapter")


@picture("hw_angleclip.gif")
def hw_angleclip():
    b = angle_section(20, 30, 1.6)
    b += path("M 40 24 L 96 24 L 96 50 L 84 50", sw=3) + path("M 40 40 L 84 40", sw=3)
    b += bolt_through(60, 18, 46) + rect(84, 36, 16, 18, FILL, INK, 2)
    return page(150, 150, b, "Angle Clip Kit")


@picture("hw_stackorangle.gif")
def hw_stackorangle():
    b = angle_section(16, 20, 1.3) + rect(32, 24, 72, 12, FILL, INK, 2, 2)
    b += line(96, 30, 96, 118, 4) + threads(96, 36, 118, 3) + nut(96, 36) + bolt_through(24, 16, 40)
    return page(150, 150, b, "Stackor Angle Bracket")


def round_adapter(old):
    b = circle(44, 64, 22, FILL, INK, 2) + line(36, 48, 36, 80, 1.5, "white")
    if old:
        b += rect(66, 36, 56, 56, GREY, INK, 2) + circle(94, 64, 6, "white", INK, 1.5)
    else:
        b += path("M 66 40 L 110 40 Q 122 40 122 52 L 122 76 Q 122 88 110 88 L 66 88 Z", fill=MID)
        for y in (52, 64, 76):
            b += circle(100, y, 4, "white", INK, 1.5)
    b += path("M 66 46 Q 18 30 22 64 Q 18 98 66 82", sw=3)
    b += rect(62, 42, 8, 8, AMBER, INK, 1) + rect(62, 78, 8, 8, AMBER, INK, 1)
    return b


@picture("hw_roundadapter.gif")
def hw_roundadapter():
    return page(150, 150, round_adapter(False), "Round Member Adapter")


@picture("hw_roundadapter_old.gif")
def hw_roundadapter_old():
    return page(150, 150, round_adapter(True), "Round Adapter, Old Style")


@picture("hw_hoseclamp.gif")
def hw_hoseclamp():
    b = circle(75, 62, 36, "none", INK, 6) + circle(75, 62, 36, "none", FILL, 3)
    for a in range(0, 360, 20):
        x, y = 75 + 36 * math.cos(math.radians(a)), 62 + 36 * math.sin(math.radians(a))
        b += circle(x, y, 0.9, INK, INK, 0.3)
    b += rect(98, 20, 22, 14, MID, INK, 2, 2) + line(104, 22, 104, 32, 1) + line(110, 22, 110, 32, 1)
    b += line(115, 22, 115, 32, 1)
    return page(150, 150, b, "Hose Clamp Strap Kit")


@picture("hw_threadedrod.gif")
def hw_threadedrod():
    b = line(75, 10, 75, 118, 5) + threads(75, 10, 118, 4)
    for y in (30, 96):
        b += nut(75, y, 8) + rect(63, y + 8, 24, 3, GREY, INK, 1)
    return page(150, 150, b, "Threaded Rod Kit")


@picture("hw_stackorladder.gif")
def hw_stackorladder():
    b = rect(20, 50, 110, 10, MID, INK, 2) + path("M 46 40 L 46 70 L 104 70 L 104 40", sw=3)
    b += path("M 46 40 Q 46 32 54 32", sw=3) + path("M 104 40 Q 104 32 96 32", sw=3)
    b += line(75, 70, 75, 120, 4) + threads(75, 74, 120, 3) + nut(75, 74)
    return page(150, 150, b, "Stackor Ladder Bracket")


@picture("hw_wallstandoff.gif")
def hw_wallstandoff():
    b = rect(14, 10, 18, 112, "#e9d6c4", INK, 2)
    b += path("M 32 28 L 32 100 M 32 64 L 108 64", sw=4) + rect(32, 28, 8, 72, FILL, INK, 2)
    b += bolt(36, 36) + bolt(36, 92) + rect(100, 52, 14, 24, MID, INK, 2) + xsec(122, 64, 10)
    return page(150, 150, b, "Wall Standoff Bracket")


@picture("hw_sleeperblock.gif")
def hw_sleeperblock():
    b = poly([(20, 100), (110, 100), (130, 86), (40, 86)], PALE)
    b += poly([(30, 96), (100, 96), (100, 70), (30, 70)], GREY) + poly([(100, 96), (118, 84), (118, 58),
                                                                      (100, 70)], "#8d97a3")
    b += poly([(30, 70), (100, 70), (118, 58), (48, 58)], "#c3cad2")
    b += poly([(44, 60), (104, 60), (112, 54), (52, 54)], MID) + line(40, 60, 108, 52, 1)
    return page(150, 150, b, "Sleeper Block Support")


@picture("hw_iceclamp.gif")
def hw_iceclamp():
    b = rect(14, 40, 122, 12, MID, INK, 2)
    b += path("M 50 52 L 50 80 L 100 80 L 100 52", sw=3)
    for x in (62, 88):
        b += xsec(x, 70, 9)
    b += bolt_through(56, 34, 88) + bolt_through(94, 34, 88)
    return page(150, 150, b, "Ice Bridge Clamp Kit")


@picture("hw_strutclamp.gif")
def hw_strutclamp():
    b = poly([(20, 86), (130, 86), (130, 108), (122, 108), (122, 94), (28, 94), (28, 108), (20, 108)], FILL)
    b += path("M 48 86 L 48 60 Q 48 44 64 44 L 86 44 Q 102 44 102 60 L 102 86", sw=3)
    b += xsec(75, 66, 16) + nut(48, 90, 4) + nut(102, 90, 4)
    return page(150, 150, b, "Strut Channel Clamp Kit")


# ---------------------------------------------------------------------------
# hoisting grips
# ---------------------------------------------------------------------------

def hoisting_grip(kind):
    b = cable(75, 70, 75, 126, 12)
    if kind == "laceup":
        b += rect(62, 40, 26, 70, "none", INK, 1.5) + mesh(62, 40, 26, 70)
        b += line(88, 40, 88, 110, 3, AMBER)
        for y in range(44, 110, 8):
            b += line(86, y, 92, y + 4, 1.2)
    else:
        b += path("M 66 40 L 62 110 L 88 110 L 84 40 Z", fill="none", sw=1.5) + mesh(62, 40, 26, 70)
    if kind == "prelaced":
        b += rect(60, 40, 30, 70, "#d8dde3", INK, 1.2) + mesh(60, 40, 30, 70, 5)
    b += path("M 66 40 Q 64 14 75 12 Q 86 14 84 40", sw=4)
    return b


@picture("hg_standard.gif")
def hg_standard():
    return page(150, 150, hoisting_grip("standard"), "Standard Grip")


@picture("hg_laceup.gif")
def hg_laceup():
    return page(150, 150, hoisting_grip("laceup"), "Lace-Up Grip")


@picture("hg_prelaced.gif")
def hg_prelaced():
    return page(150, 150, hoisting_grip("prelaced"), "Pre-Laced Grip")


# ---------------------------------------------------------------------------
# cable entry
# ---------------------------------------------------------------------------

def entry_plate(cols, rows, fill=FILL, label=None):
    w, h = 100, 100 if rows > 2 else 96
    x, y = 25, 14
    b = rect(x, y, w, h, fill, INK, 2, 4)
    for cx, cy in ((x + 6, y + 6), (x + w - 6, y + 6), (x + 6, y + h - 6), (x + w - 6, y + h - 6)):
        b += circle(cx, cy, 2.5, "white", INK, 1.2)
    pitch_x, pitch_y = (w - 20) / cols, (h - 20) / rows
    r = min(pitch_x, pitch_y) * 0.38
    for i in range(cols):
        for j in range(rows):
            b += circle(x + 10 + pitch_x * (i + 0.5), y + 10 + pitch_y * (j + 0.5), r, "white", INK, 1.8)
    return b


@picture("ep_4port.gif")
def ep_4port():
    return page(150, 150, entry_plate(2, 2), "Entry Plate, 4 Ports")


@picture("ep_9port.gif")
def ep_9port():
    return page(150, 150, entry_plate(3, 3), "Entry Plate, 9 Ports")


@picture("ep_12port.gif")
def ep_12port():
    return page(150, 150, entry_plate(4, 3), "Entry Plate, 12 Ports")


@picture("ep_4port_alu.gif")
def ep_4port_alu():
    b = entry_plate(2, 2, "#e4e7ea")
    hatch = "".join(line(25 + k, 14, 25 + k - 100, 114, 0.6, GREY) for k in range(0, 210, 9))
    b = ('<clipPath id="plate"><rect x="25" y="14" width="100" height="96"/></clipPath>'
         + b[:b.index("<circle")] + '<g clip-path="url(#plate)">%s</g>' % hatch + b[b.index("<circle"):])
    return page(150, 150, b, "Plate, 4 Ports, Aluminum")


@picture("ep_sleeve.gif")
def ep_sleeve():
    b = rect(56, 10, 38, 114, "#e9d6c4", INK, 2)
    b += rect(30, 48, 90, 32, FILL, INK, 2) + ellipse(30, 64, 8, 16, PALE) + ellipse(120, 64, 8, 16, FILL)
    b += cable(4, 64, 146, 64, 6)
    return page(150, 150, b, "Wall Sleeve Kit")


@picture("ep_hood.gif")
def ep_hood():
    b = rect(30, 40, 90, 80, PALE, INK, 2, 3)
    b += poly([(22, 40), (128, 40), (118, 18), (32, 18)], FILL)
    b += poly([(22, 40), (32, 18), (32, 60), (22, 80)], MID) + poly([(128, 40), (118, 18), (118, 60), (128, 80)],
                                                                    MID)
    for x in (56, 94):
        for y in (62, 96):
            b += circle(x, y, 9, "white", INK, 1.5)
    return page(150, 150, b, "Weather Hood")


@picture("boothd.gif")
def boothd():
    b = ellipse(46, 64, 30, 34, "#596b84", INK, 2)
    for cx, cy in ((36, 52), (56, 52), (46, 76)):
        b += circle(cx, cy, 8, "white", INK, 1.5)
    b += poly([(88, 40), (124, 46), (124, 82), (88, 88)], "#596b84")
    for y in (44, 84):
        b += line(88, y, 124, y - (2 if y < 60 else -2) * 1, 1, MID)
    b += ellipse(88, 64, 8, 24, "#7d8ea6") + line(96, 64, 140, 64, 1, "white")
    return page(150, 150, b, "Cable Entry Boot")


@picture("port2.gif")
def port2():
    b = rect(20, 12, 110, 74, FILL, INK, 2, 4)
    for i in range(4):
        for j in range(3):
            b += circle(38 + i * 25, 30 + j * 20, 7, "white", INK, 1.5)
    b += rect(24, 96, 102, 10, COPPER, INK, 2, 2)
    for x in range(34, 126, 14):
        b += circle(x, 101, 2, "white", INK, 1)
    b += lightning(126, 88, 0.9)
    return page(150, 150, b, "Entry/Ground Arrestor")


# ---------------------------------------------------------------------------
# grounding and weatherproofing kits
# ---------------------------------------------------------------------------

def grounding_kit(kind):
    b = cable(20, 12, 20, 126, 10)
    if kind == "compression":
        b += rect(8, 42, 24, 30, MID, INK, 2, 3) + line(8, 50, 32, 50, 1) + line(8, 64, 32, 64, 1)
    elif kind == "universal":
        for y in (44, 50, 56, 62, 68):
            b += line(10, y, 30, y + 2, 2, AMBER)
        b += rect(28, 50, 10, 14, MID, INK, 1.5)
    else:
        b += rect(10, 46, 20, 24, COPPER, INK, 2, 2)
    b += path("M 32 58 Q 70 58 78 80 Q 86 104 108 104", c=INK, sw=5) + path(
        "M 32 58 Q 70 58 78 80 Q 86 104 108 104", c="#3f8f4e", sw=3)
    b += rect(106, 96, 30, 16, COPPER, INK, 2, 3)
    if kind != "universal":
        b += circle(116, 104, 3, "white", INK, 1.2) + circle(128, 104, 3, "white", INK, 1.2)
    else:
        b += circle(122, 104, 3, "white", INK, 1.2)
    return b


@picture("gk_standard.gif")
def gk_standard():
    return page(150, 150, grounding_kit("strap"), "Standard Grounding Kit")


@picture("gk_compression.gif")
def gk_compression():
    return page(150, 150, grounding_kit("compression"), "Compression Kit")


@picture("gk_universal.gif")
def gk_universal():
    return page(150, 150, grounding_kit("universal"), "Universal Kit")


@picture("wp_tape.gif")
def wp_tape():
    b = circle(50, 60, 30, "#3a3f46", INK, 2) + circle(50, 60, 13, "white", INK, 2)
    b += path("M 50 90 L 120 90", c="#3a3f46", sw=8)
    b += rect(86, 24, 46, 36, "#2c2c2c", INK, 2, 3) + line(90, 30, 128, 30, 1, GREY)
    b += text(109, 48, "mastic", 9, fill="white")
    return page(150, 150, b, "Tape and Mastic Kit")


@picture("wp_coldshrink.gif")
def wp_coldshrink():
    b = cable(4, 64, 146, 64, 10) + rect(36, 48, 78, 32, "#3a3f46", INK, 2, 6)
    for x in range(50, 112, 8):
        b += line(x, 48, x - 6, 80, 1.5, AMBER)
    b += path("M 114 58 Q 132 56 130 38", sw=2, c=AMBER)
    return page(150, 150, b, "Cold Shrink Kit")


@picture("wp_boot.gif")
def wp_boot():
    b = cable(4, 64, 60, 64, 10) + cable(96, 64, 146, 64, 6)
    b += path("M 40 48 L 90 40 L 110 56 L 110 72 L 90 88 L 40 80 Z", fill="#3a3f46")
    b += line(52, 48, 52, 80, 1, GREY) + line(64, 46, 64, 82, 1, GREY)
    return page(150, 150, b, "Connector Boot Kit")


# ---------------------------------------------------------------------------
# connectors
# ---------------------------------------------------------------------------

def connector(series, male):
    size = {"N": 0.85, "7-16": 1.1, "4.3-10": 0.95}[series]
    b = cable(4, 62, 40, 62, 10)
    b += rect(38, 62 - 12 * size, 30, 24 * size, MID, INK, 2, 2)
    hx = 68
    if male:
        # hex coupling nut, pin standing out of it
        b += poly([(hx, 62 - 16 * size), (hx + 6, 62 - 22 * size), (hx + 30, 62 - 22 * size),
                   (hx + 36, 62 - 16 * size), (hx + 36, 62 + 16 * size), (hx + 30, 62 + 22 * size),
                   (hx + 6, 62 + 22 * size), (hx, 62 + 16 * size)], FILL)
        b += line(hx + 6, 62 - 22 * size, hx + 6, 62 + 22 * size, 1) + line(hx + 30, 62 - 22 * size, hx + 30,
                                                                           62 + 22 * size, 1)
        b += line(hx + 36, 62, hx + 60, 62, 4, COPPER)
    else:
        # plain threaded body, socket opening at the end
        b += rect(hx, 62 - 16 * size, 44, 32 * size, FILL, INK, 2)
        for k in range(4, 44, 5):
            b += line(hx + k, 62 - 16 * size, hx + k + 3, 62 + 16 * size, 0.8, MID)
        b += rect(hx + 36, 62 - 6 * size, 10, 12 * size, "white", INK, 1.5)
        b += line(hx + 30, 62, hx + 40, 62, 3, COPPER)
    b += text(86, 108, series, 12, weight="bold", fill=MID)
    return b


for _series, _file, _label in (("N", "n", "N"), ("7-16", "din", "7-16 DIN"), ("4.3-10", "4310", "4.3-10")):
    for _male in (True, False):
        picture("con_%s_%s.gif" % (_file, "male" if _male else "female"))(
            lambda _series=_series, _male=_male, _label=_label: page(
                150, 150, connector(_series, _male), "%s %s" % (_label, "Male" if _male else "Female")))


# ---------------------------------------------------------------------------
# surge protectors
# ---------------------------------------------------------------------------

def ports(x1, x2, y, series):
    s = {"N": 8, "7-16": 11, "4.3-10": 9}[series]
    return (rect(x1 - 16, y - s, 16, 2 * s, FILL, INK, 2) + rect(x2, y - s, 16, 2 * s, FILL, INK, 2)
            + line(x1 - 16, y, x1 - 4, y, 2, COPPER) + line(x2 + 4, y, x2 + 16, y, 2, COPPER))


def gas_tube(series):
    b = rect(40, 40, 70, 44, MID, INK, 2, 4) + ports(40, 110, 62, series)
    b += rect(64, 84, 22, 24, FILL, INK, 2) + rect(58, 108, 34, 6, COPPER, INK, 1.5) + lightning(67, 46, 0.8)
    b += text(75, 36, series, 10, weight="bold")
    return b


def quarter_wave(series):
    b = rect(40, 44, 70, 36, MID, INK, 2, 4) + ports(40, 110, 62, series)
    b += rect(66, 80, 18, 32, FILL, INK, 2) + rect(60, 112, 30, 6, COPPER, INK, 1.5)
    b += path("M 75 62 L 75 104", c=COPPER, sw=2, dash="4,2") + text(75, 38, series, 10, weight="bold")
    return b


for _series, _file in (("N", "n"), ("7-16", "din"), ("4.3-10", "4310")):
    picture("srg_gas_%s.gif" % _file)(
        lambda _series=_series: page(150, 150, gas_tube(_series), "Gas Tube Protector"))
    picture("srg_qw_%s.gif" % _file)(
        lambda _series=_series: page(150, 150, quarter_wave(_series), "Quarter-Wave Protector"))


@picture("srg_bulkhead.gif")
def srg_bulkhead():
    b = rect(66, 12, 10, 110, GREY, INK, 2)
    b += rect(30, 44, 36, 36, MID, INK, 2, 4) + rect(76, 50, 26, 24, FILL, INK, 2) + nut(86, 62, 14)
    b += rect(102, 54, 22, 16, FILL, INK, 2) + line(106, 62, 124, 62, 2, COPPER) + lightning(40, 48, 0.8)
    return page(150, 150, b, "Bulkhead Protector")


@picture("srg_dcpass.gif")
def srg_dcpass():
    b = gas_tube("N").replace(">N<", ">N, DC<")
    b += text(120, 104, "DC", 12, weight="bold", fill=AMBER)
    return page(150, 150, b, "DC Pass Protector")


@picture("gps.gif")
def gps_pic():
    b = line(75, 64, 75, 124, 4) + rect(64, 92, 22, 8, MID, INK, 1.5)
    b += path("M 50 64 Q 50 34 75 34 Q 100 34 100 64 Z", fill="white") + rect(48, 64, 54, 8, FILL, INK, 2)
    for r in (12, 20):
        b += path("M %g 24 A %g %g 0 0 1 %g 24" % (118 - r, r, r, 118 + r), sw=1.5, dash="3,3")
    b += rect(112, 6, 12, 8, AMBER, INK, 1.2) + line(104, 10, 132, 10, 1.5)
    return page(150, 150, b, "GPS Antenna")


# ---------------------------------------------------------------------------
# transmission lines, 200 x 120
# ---------------------------------------------------------------------------

CABLES = [
    ("kf14", "FOAM", 0.25, "1/4 in. Foam Coax"),
    ("kf38", "FOAM", 0.375, "3/8 in. Foam Coax"),
    ("kf12", "FOAM", 0.5, "1/2 in. Foam Coax"),
    ("kf78", "FOAM", 0.875, "7/8 in. Foam Coax"),
    ("kf114", "FOAM", 1.25, "1-1/4 in. Foam Coax"),
    ("kf158", "FOAM", 1.625, "1-5/8 in. Foam Coax"),
    ("ka78", "AIR", 0.875, "7/8 in. Air Coax"),
    ("ka158", "AIR", 1.625, "1-5/8 in. Air Coax"),
    ("ka300", "AIR", 3.0, "3 in. Air Coax"),
    ("ke17", "EW", 1.7, "E-17 Elliptical Waveguide"),
    ("ke59", "EW", 1.2, "E-59 Elliptical Waveguide"),
    ("ke64", "EW", 1.1, "E-64 Elliptical Waveguide"),
    ("ke107", "EW", 0.8, "E-107 Elliptical Waveguide"),
]


def corrugated_circle(cx, cy, r, n, amp):
    pts = []
    for i in range(n * 8):
        a = 2 * math.pi * i / (n * 8)
        rr = r + amp * math.sin(a * n)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def coax_pic(kind, size, caption):
    r = 12 + 26 * math.sqrt(size / 3.0)
    cx, cy = 48, 52
    b = circle(cx, cy, r, "#2f3844", INK, 2)
    b += poly(corrugated_circle(cx, cy, r * 0.86, 18, 1.5), "#d99a5b", INK, 1)
    if kind == "FOAM":
        b += circle(cx, cy, r * 0.74, "#f4f1e6", INK, 1)
        for k in range(0, 360, 40):
            b += circle(cx + r * 0.45 * math.cos(math.radians(k)), cy + r * 0.45 * math.sin(math.radians(k)),
                        1.2, "#d8d2bd", "#d8d2bd", 0.5)
    else:
        b += circle(cx, cy, r * 0.74, "#eef4fb", INK, 1)
        b += path("M %g %g L %g %g" % (cx - r * 0.7, cy, cx + r * 0.7, cy), c=GREY, sw=2)
        b += path("M %g %g L %g %g" % (cx, cy - r * 0.7, cx, cy + r * 0.7), c=GREY, sw=2)
    b += circle(cx, cy, max(3, r * 0.2), COPPER, INK, 1)
    # cut-away side view
    y0, x0, x1 = 52, 100, 190
    hr = min(r, 30)
    b += rect(x0, y0 - hr, 40, 2 * hr, "#2f3844", INK, 2)
    b += rect(x0 + 40, y0 - hr * 0.86, 20, 1.72 * hr, "#d99a5b", INK, 1.5)
    for x in range(int(x0 + 42), int(x0 + 60), 4):
        b += line(x, y0 - hr * 0.86, x, y0 + hr * 0.86, 0.8, "#9c6330")
    b += rect(x0 + 60, y0 - hr * 0.74, 16, 1.48 * hr, "#f4f1e6" if kind == "FOAM" else "#eef4fb", INK, 1)
    if kind == "AIR":
        for x in (x0 + 64, x0 + 71):
            b += line(x, y0 - hr * 0.7, x + 4, y0 + hr * 0.7, 1.5, GREY)
    b += rect(x0 + 76, y0 - max(2.5, hr * 0.2), x1 - x0 - 76, 2 * max(2.5, hr * 0.2), COPPER, INK, 1)
    return page(200, 120, b, caption, 12)


def ew_pic(size, caption):
    rx, ry = 22 + 12 * size, 14 + 7 * size
    cx, cy = 52, 52
    b = ellipse(cx, cy, rx + 6, ry + 6, "#2f3844", INK, 2)
    pts = []
    for i in range(160):
        a = 2 * math.pi * i / 160
        k = 1 + 0.05 * math.sin(a * 20)
        pts.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a)))
    b += poly(pts, "#d99a5b", INK, 1) + ellipse(cx, cy, rx - 3, ry - 3, "white", INK, 1)
    y0, x0 = 52, 108
    b += rect(x0, y0 - ry - 6, 36, 2 * ry + 12, "#2f3844", INK, 2)
    b += rect(x0 + 36, y0 - ry, 44, 2 * ry, "#d99a5b", INK, 1.5)
    for x in range(x0 + 38, x0 + 80, 5):
        b += line(x, y0 - ry, x, y0 + ry, 1, "#9c6330")
    return page(200, 120, b, caption, 12)


for _key, _kind, _size, _cap in CABLES:
    picture("cbl_%s.gif" % _key, 200, 120)(
        (lambda _kind=_kind, _size=_size, _cap=_cap: coax_pic(_kind, _size, _cap)) if _kind != "EW"
        else (lambda _size=_size, _cap=_cap: ew_pic(_size, _cap)))


# ---------------------------------------------------------------------------
# splash, logo, about, services
# ---------------------------------------------------------------------------

def tower_scene(x, y, s):
    out = lattice(x - 18 * s, x + 18 * s, x - 5 * s, x + 5 * s, y - 120 * s, y, 6)
    out += line(x - 12 * s, y - 120 * s, x + 12 * s, y - 120 * s, 2)
    out += panel(x - 16 * s, y - 134 * s, 5 * s, 16 * s) + panel(x - 2 * s, y - 136 * s, 5 * s, 16 * s)
    out += panel(x + 12 * s, y - 134 * s, 5 * s, 16 * s)
    return out


@picture("splash.gif", 407, 243)
def splash():
    b = rect(0, 0, 407, 243, PALE, "none", 0) + rect(0, 196, 407, 47, INK, "none", 0)
    b += tower_scene(322, 196, 1.2)
    b += rect(348, 164, 48, 32, FILL, INK, 2) + line(348, 164, 372, 152, 2) + line(372, 152, 396, 164, 2)
    b += cable_path("M 327 60 L 334 180 Q 336 188 348 188", 4)
    b += text(34, 92, "Tavrolin", 52, anchor="start", weight="bold")
    b += text(38, 122, "Feeder run planning for antenna sites", 12, anchor="start", fill=JACKET)
    b += line(38, 136, 250, 136, 2, AMBER)
    b += text(38, 226, "Brimcor", 20, anchor="start", weight="bold", fill="white")
    b += text(392, 226, "Loading catalogue ...", 11, anchor="end", fill=FILL)
    return page(407, 243, b, None, frame=False)


@picture("logo.gif", 120, 50)
def logo():
    b = lattice(14, 30, 20, 24, 8, 42, 3) + line(22, 8, 22, 4, 2) + lightning(30, 8, 0.5).replace(AMBER, AMBER)
    b += text(38, 31, "Brimcor", 17, anchor="start", weight="bold")
    b += line(38, 37, 114, 37, 2, AMBER)
    return page(120, 50, b, None, frame=False)


@picture("about.gif", 240, 110)
def about():
    b = rect(0, 0, 240, 110, PALE, "none", 0) + tower_scene(200, 102, 0.62)
    b += line(0, 102, 240, 102, 2, INK) + text(16, 60, "Tavrolin", 30, anchor="start", weight="bold")
    b += text(18, 80, "by Brimcor", 12, anchor="start", fill=JACKET)
    return page(240, 110, b, None, frame=False)


@picture("syncrest.gif", 100, 100)
def syncrest():
    b = ellipse(50, 26, 26, 9, FILL) + rect(24, 26, 52, 44, FILL, "none", 0) + line(24, 26, 24, 70, 2)
    b += line(76, 26, 76, 70, 2) + path("M 24 70 A 26 9 0 0 0 76 70", fill=FILL) + ellipse(50, 26, 26, 9, PALE)
    b += path("M 24 48 A 26 9 0 0 0 76 48", sw=1.5) + text(50, 56, "$", 16, weight="bold", fill=AMBER)
    b += path("M 84 20 A 38 38 0 0 1 86 70", sw=2.5) + poly([(80, 66), (92, 68), (86, 78)], INK, INK, 1)
    return page(100, 100, b, "Prices", 10)


@picture("news.gif", 100, 100)
def news():
    b = rect(16, 12, 68, 66, "white", INK, 2, 2) + rect(22, 18, 56, 12, FILL, INK, 1.5)
    for y in range(38, 74, 7):
        b += line(24, y, 48, y, 1.5, GREY) + line(54, y, 76, y, 1.5, GREY)
    return page(100, 100, b, "News", 10)


# ---------------------------------------------------------------------------

def main():
    os.makedirs(ART, exist_ok=True)
    keep = set()
    for name, (fn, w, h) in sorted(PICTURES.items()):
        svg = fn()
        base = os.path.splitext(name)[0] + ".svg"
        keep.add(base)
        with open(os.path.join(ART, base), "w", encoding="ascii", newline="\n") as fh:
            fh.write(svg)
    for old in os.listdir(ART):
        if old.endswith(".svg") and old not in keep:
            os.remove(os.path.join(ART, old))
    print("wrote %d SVG files to %s" % (len(PICTURES), ART))


if __name__ == "__main__":
    sys.exit(main())
