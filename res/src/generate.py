#!/usr/bin/env python3
"""Writes the SVG source of every Quillon picture into this folder as <id>.svg.

All pictures share one flat look: dark slate outlines, a blue accent, red for the
chosen frame of a picture button and for warnings. Picture buttons are strips of
four equal frames side by side: normal, mouse over, pressed, chosen.
Run render.sh (one folder up) to turn the SVGs into res/png/<id>.png.
"""
import json
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- palette ----
INK = "#2b3a4a"      # outlines, text
INK2 = "#5b6b7b"     # secondary lines and text
LINE = "#9aa8b6"     # light rules and borders
PAPER = "#f7f9fb"    # frame background
FILL = "#dde6ef"     # light body fill
UNIT = "#34465a"     # the Orvex case
BLUE = "#2f7fd8"
BLUE_D = "#1f5fa8"
BLUE_L = "#d6e8fb"
RED = "#d83a3a"
RED_TEXT = "#b42626"  # red for text: 4.5:1 and more on the page's light face
RED_D = "#a82424"
GREEN = "#2fb36a"
AMBER = "#e89a1c"
WHITE = "#ffffff"
SANS = "DejaVu Sans"
NARROW = "DejaVu Sans Condensed"
CJK = "WenQuanYi Micro Hei"  # after DejaVu in a translated picture's font list (fonts-wqy-microhei)

# ------------------------------------------------------------- languages ----
# English is the source: every text is written below as drawn in English. Each other
# language has one table, texts_<lang>.json, mapping every English text that holds a
# letter to its own (names such as ORVEX, CH1 or S-Bus map to themselves).
LANGUAGES = ("zh_CN",)
_lang = {"code": None, "table": {}, "missing": set(), "used": set(), "changed": False}


def load_table(code):
    with open(os.path.join(HERE, "texts_%s.json" % code), encoding="utf-8") as f:
        return json.load(f)


def use_language(code):
    """code None is English; the texts looked up from now on are collected for the check."""
    _lang.update(code=code, table=load_table(code) if code else {}, missing=set(), used=set())


def tr(s):
    if _lang["code"] is None or not any(c.isascii() and c.isalpha() for c in s):
        return s
    _lang["used"].add(s)
    if s not in _lang["table"]:
        _lang["missing"].add(s)
        return s
    _lang["changed"] |= _lang["table"][s] != s
    return _lang["table"][s]

# --------------------------------------------------------- text metrics ----
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_FILES = {
    (SANS, "normal"): "DejaVuSans.ttf",
    (SANS, "bold"): "DejaVuSans-Bold.ttf",
    (NARROW, "normal"): "DejaVuSansCondensed.ttf",
    (NARROW, "bold"): "DejaVuSansCondensed-Bold.ttf",
}


class Metrics:
    """Advance widths read straight from a TrueType file (cmap format 4 + hmtx)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        tables = {}
        count = struct.unpack(">H", data[4:6])[0]
        for i in range(count):
            tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            tables[tag.decode("latin-1")] = (offset, length)
        self.upem = struct.unpack(">H", data[tables["head"][0] + 18:tables["head"][0] + 20])[0]
        hhea = tables["hhea"][0]
        metrics_count = struct.unpack(">H", data[hhea + 34:hhea + 36])[0]
        hmtx = tables["hmtx"][0]
        self.advance = [struct.unpack(">H", data[hmtx + 4 * i:hmtx + 4 * i + 2])[0]
                        for i in range(metrics_count)]
        self.cmap = self._read_cmap(data, tables["cmap"][0])

    @staticmethod
    def _read_cmap(data, base):
        count = struct.unpack(">H", data[base + 2:base + 4])[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack(">HHI", data[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + offset
            if platform == 3 and encoding == 1 and struct.unpack(">H", data[sub:sub + 2])[0] == 4:
                segs = struct.unpack(">H", data[sub + 6:sub + 8])[0] // 2
                ends = struct.unpack(">%dH" % segs, data[sub + 14:sub + 14 + 2 * segs])
                p = sub + 16 + 2 * segs
                starts = struct.unpack(">%dH" % segs, data[p:p + 2 * segs])
                deltas = struct.unpack(">%dh" % segs, data[p + 2 * segs:p + 4 * segs])
                range_base = p + 4 * segs
                ranges = struct.unpack(">%dH" % segs, data[range_base:range_base + 2 * segs])
                table = {}
                for s in range(segs):
                    for code in range(starts[s], ends[s] + 1):
                        if code == 0xFFFF:
                            continue
                        if ranges[s] == 0:
                            glyph = (code + deltas[s]) & 0xFFFF
                        else:
                            at = range_base + 2 * s + ranges[s] + 2 * (code - starts[s])
                            glyph = struct.unpack(">H", data[at:at + 2])[0]
                            if glyph:
                                glyph = (glyph + deltas[s]) & 0xFFFF
                        table[code] = glyph
                return table
        return {}

    def width(self, text, size):
        units = 0
        for ch in text:
            if wide(ch) and ord(ch) not in self.cmap:  # drawn from the CJK font, one em wide
                units += self.upem
                continue
            glyph = self.cmap.get(ord(ch), 0)
            units += self.advance[min(glyph, len(self.advance) - 1)]
        return units * size / self.upem


def wide(ch):
    """A CJK ideograph, kana or full-width sign: one em in the CJK font."""
    return ord(ch) >= 0x2E80


_metrics = {}


def text_width(text, size, weight="normal", family=SANS):
    text = tr(text)
    key = (family, weight)
    if key not in _metrics:
        path = os.path.join(FONT_DIR, FONT_FILES[key])
        _metrics[key] = Metrics(path) if os.path.exists(path) else None
    m = _metrics[key]
    if m is None:  # no font file here: a safe over-estimate
        narrow = sum(1 for ch in text if not wide(ch))
        return narrow * size * (0.62 if weight == "bold" else 0.58) + (len(text) - narrow) * size
    return m.width(text, size)


def fit_size(text, max_width, size, weight="normal", family=SANS, smallest=7.0):
    """Largest font size not above size at which text fits max_width."""
    while size > smallest and text_width(text, size, weight, family) > max_width:
        size -= 0.25
    return size


# ------------------------------------------------------------ svg basics ----
def esc(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        out.append('%s="%s"' % (k.rstrip("_").replace("_", "-"), esc(str(v))))
    return " ".join(out)


def num(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def svg(w, h, body, defs=""):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (w, h, w, h))
    d = ("<defs>%s</defs>\n" % defs) if defs else ""
    return head + d + body + "\n</svg>\n"


def text(x, y, s, size=12, anchor="start", weight="normal", fill=INK, family=SANS, **kw):
    if _lang["code"]:
        family += ", " + CJK
    return '<text %s>%s</text>' % (attrs(x=num(x), y=num(y), font_family=family, font_size=num(size),
                                         font_weight=weight, text_anchor=anchor, fill=fill, **kw), esc(tr(s)))


def fitted_text(x, y, s, max_width, size=12, anchor="start", weight="normal", fill=INK, family=SANS):
    return text(x, y, s, fit_size(s, max_width, size, weight, family), anchor, weight, fill, family)


def rect(x, y, w, h, rx=0, fill="none", stroke=None, sw=1, **kw):
    return '<rect %s/>' % attrs(x=num(x), y=num(y), width=num(w), height=num(h), rx=num(rx) if rx else None,
                                fill=fill, stroke=stroke, stroke_width=num(sw) if stroke else None, **kw)


def circle(cx, cy, r, fill="none", stroke=None, sw=1, **kw):
    return '<circle %s/>' % attrs(cx=num(cx), cy=num(cy), r=num(r), fill=fill, stroke=stroke,
                                  stroke_width=num(sw) if stroke else None, **kw)


def ellipse(cx, cy, rx, ry, fill="none", stroke=None, sw=1, **kw):
    return '<ellipse %s/>' % attrs(cx=num(cx), cy=num(cy), rx=num(rx), ry=num(ry), fill=fill, stroke=stroke,
                                   stroke_width=num(sw) if stroke else None, **kw)


def line(x1, y1, x2, y2, stroke=INK, sw=1, cap="round", **kw):
    return '<line %s/>' % attrs(x1=num(x1), y1=num(y1), x2=num(x2), y2=num(y2), stroke=stroke,
                                stroke_width=num(sw), stroke_linecap=cap, **kw)


def path(d, fill="none", stroke=None, sw=1, join="round", cap="round", **kw):
    return '<path %s/>' % attrs(d=d, fill=fill, stroke=stroke, stroke_width=num(sw) if stroke else None,
                                stroke_linejoin=join if stroke else None,
                                stroke_linecap=cap if stroke else None, **kw)


def poly(points, fill="none", stroke=None, sw=1, closed=True, **kw):
    d = "M " + " L ".join("%s,%s" % (num(x), num(y)) for x, y in points) + (" Z" if closed else "")
    return path(d, fill, stroke, sw, **kw)


def group(body, tx=0, ty=0, scale=1, rotate=0, cx=0, cy=0, **kw):
    t = []
    if tx or ty:
        t.append("translate(%s,%s)" % (num(tx), num(ty)))
    if rotate:
        t.append("rotate(%s,%s,%s)" % (num(rotate), num(cx), num(cy)))
    if scale != 1:
        t.append("scale(%s)" % num(scale))
    return '<g %s>%s</g>' % (attrs(transform=" ".join(t) if t else None, **kw), body)


def viewport(x, y, w, h, body):
    """A clipped sub-area (nested svg), so a frame never paints into its neighbour."""
    return '<svg %s>%s</svg>' % (attrs(x=num(x), y=num(y), width=num(w), height=num(h),
                                       overflow="hidden"), body)


# --------------------------------------------------------------- arrows ----
def arrow_head(x, y, angle, size, fill):
    """Filled triangular head with its tip at (x, y) pointing along angle (degrees, 0 = right)."""
    a = math.radians(angle)
    back = (x - size * math.cos(a), y - size * math.sin(a))
    nx, ny = -math.sin(a) * size * 0.55, math.cos(a) * size * 0.55
    return poly([(x, y), (back[0] + nx, back[1] + ny), (back[0] - nx, back[1] - ny)], fill=fill)


def arrow(x1, y1, x2, y2, color=INK, sw=2, head=8, both=False):
    a = math.degrees(math.atan2(y2 - y1, x2 - x1))
    shorten = head * 0.7
    ax = x2 - shorten * math.cos(math.radians(a))
    ay = y2 - shorten * math.sin(math.radians(a))
    bx, by = x1, y1
    out = arrow_head(x2, y2, a, head, color)
    if both:
        bx = x1 + shorten * math.cos(math.radians(a))
        by = y1 + shorten * math.sin(math.radians(a))
        out += arrow_head(x1, y1, a + 180, head, color)
    return line(bx, by, ax, ay, color, sw) + out


def arc_points(cx, cy, rx, ry, a0, a1, steps=24):
    """Points on an ellipse; angles in degrees, 0 = right, growing clockwise (screen y down)."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def arc_arrow(cx, cy, rx, ry, a0, a1, color=INK, sw=2, head=8, both=False):
    pts = arc_points(cx, cy, rx, ry, a0, a1)
    (xa, ya), (xb, yb) = pts[-2], pts[-1]
    ang = math.degrees(math.atan2(yb - ya, xb - xa))
    trimmed = pts[:-1] + [(xb - head * 0.6 * math.cos(math.radians(ang)),
                           yb - head * 0.6 * math.sin(math.radians(ang)))]
    out = ""
    if both:
        (xc, yc), (xd, yd) = pts[1], pts[0]
        ang0 = math.degrees(math.atan2(yd - yc, xd - xc))
        trimmed[0] = (xd - head * 0.6 * math.cos(math.radians(ang0)),
                      yd - head * 0.6 * math.sin(math.radians(ang0)))
        out += arrow_head(xd, yd, ang0, head, color)
    return poly(trimmed, stroke=color, sw=sw, closed=False) + out + arrow_head(xb, yb, ang, head, color)


# --------------------------------------------------- picture-button strips ----
STATES = [
    dict(bg=PAPER, border=LINE, fg=INK, fill=FILL, accent=BLUE, text=INK, sub=INK2, shift=0),
    dict(bg="#e6f0fc", border=BLUE, fg=INK, fill="#cfe0f3", accent=BLUE, text=BLUE_D, sub=BLUE_D, shift=0),
    dict(bg="#c6dbf4", border=BLUE_D, fg=INK, fill="#b3cbe8", accent=BLUE_D, text=BLUE_D, sub=BLUE_D, shift=1),
    dict(bg=RED, border=RED_D, fg=WHITE, fill="#e57373", accent=WHITE, text=WHITE, sub="#ffe3e3", shift=0),
]


def frame_face(w, h, st, rx=6):
    face = rect(0.5, 0.5, w - 1, h - 1, rx, fill=st["bg"], stroke=st["border"], sw=1)
    if st["shift"]:  # pressed: a little inner shadow along the top and left
        face += path("M %s,%s L 1.5,%s Q 1.5,1.5 %s,1.5 L %s,1.5" % (1.5, h - rx, rx, rx, w - rx),
                     stroke="#8fb0d8", sw=1.5)
    return face


def strip(frame_w, h, draw, rx=6):
    """Four frames of frame_w x h; draw(w, h, state) paints one frame's content."""
    body = []
    for i, st in enumerate(STATES):
        inner = frame_face(frame_w, h, st, rx) + group(draw(frame_w, h, st), st["shift"], st["shift"])
        body.append(viewport(i * frame_w, 0, frame_w, h, inner))
    return svg(4 * frame_w, h, "\n".join(body))


# ------------------------------------------------------- shared drawings ----
def heli_side(fg=INK, fill=FILL, accent=BLUE, blades=True, swash_tilt=0, unit_at=None, unit_fill=None):
    """Helicopter seen from the left side, nose to the left, in a 200 x 100 box.
    swash_tilt tilts the swashplate (degrees, positive = clockwise on screen: rear down, tilted back)."""
    o = []
    if blades:
        o.append(line(8, 14, 152, 14, fg, 3))
    o.append(rect(72, 10, 16, 7, 2, fill=fg))                        # rotor head
    o.append(line(80, 17, 80, 37, fg, 3))                             # main shaft
    o.append(group(rect(70, 26, 20, 4, 1.5, fill=accent, stroke=fg, sw=1), rotate=swash_tilt, cx=80, cy=28))
    o.append(poly([(116, 47), (188, 52), (188, 57), (118, 63)], fill=fill, stroke=fg, sw=1.6))  # boom
    o.append(poly([(180, 54), (190, 34), (196, 36), (190, 57)], fill=fill, stroke=fg, sw=1.6))  # fin
    o.append(path("M 22,62 C 22,44 40,36 62,36 L 100,36 C 110,36 116,42 118,50 L 120,64 "
                  "C 120,74 112,78 100,78 L 40,78 C 28,78 22,72 22,62 Z", fill=fill, stroke=fg, sw=1.8))
    o.append(path("M 29,58 C 31,47 41,42 53,42 L 58,42 L 58,58 Z", fill=fg, opacity="0.28"))  # canopy
    o.append(circle(190, 53, 11, stroke=fg, sw=1.2, stroke_dasharray="3 2"))                # tail rotor
    o.append(circle(190, 53, 2.2, fill=fg))
    o.append(path("M 24,87 Q 26,92 34,92 L 114,92", stroke=fg, sw=2.4))                     # skids
    o.append(line(46, 78, 42, 92, fg, 2))
    o.append(line(96, 78, 100, 92, fg, 2))
    if unit_at:
        ux, uy, uw, uh = unit_at
        o.append(rect(ux, uy, uw, uh, 1.5, fill=unit_fill or accent, stroke=fg, sw=1))
    return "".join(o)


def heli_front(fg=INK, fill=FILL, accent=BLUE, rear=False, swash_tilt=0):
    """Helicopter seen from the front (or from behind with rear=True) in a 200 x 110 box.
    swash_tilt tilts the swashplate (degrees, positive = clockwise on screen)."""
    o = []
    o.append(line(6, 14, 194, 14, fg, 3))
    o.append(rect(90, 10, 20, 7, 2, fill=fg))
    o.append(line(100, 17, 100, 38, fg, 3))
    o.append(group(rect(86, 27, 28, 4, 1.5, fill=accent, stroke=fg, sw=1), rotate=swash_tilt, cx=100, cy=29))
    if rear:
        o.append(poly([(97, 40), (103, 40), (104, 30), (96, 30)], fill=fill, stroke=fg, sw=1.2))
    o.append(path("M 72,62 C 72,46 84,38 100,38 C 116,38 128,46 128,62 C 128,78 118,86 100,86 "
                  "C 82,86 72,78 72,62 Z", fill=fill, stroke=fg, sw=1.8))
    if rear:
        o.append(circle(100, 60, 9, fill=fill, stroke=fg, sw=1.4))                        # boom end
        o.append(line(100, 51, 100, 30, fg, 2.4))                                          # fin
        o.append(line(116, 44, 116, 76, fg, 2))                                            # tail rotor, edge on
        o.append(line(109, 60, 116, 60, fg, 1.6))
    else:
        o.append(path("M 80,58 C 80,48 88,43 100,43 C 112,43 120,48 120,58 Z", fill=fg, opacity="0.28"))
    o.append(line(84, 84, 70, 100, fg, 2))
    o.append(line(116, 84, 130, 100, fg, 2))
    o.append(line(62, 100, 138, 100, fg, 2))
    o.append(ellipse(66, 100, 5, 3.5, fill=fg))
    o.append(ellipse(134, 100, 5, 3.5, fill=fg))
    return "".join(o)


def heli_top(fg=INK, fill=FILL, accent=BLUE):
    """Helicopter seen from above, nose up, in a 120 x 200 box."""
    o = []
    o.append(circle(60, 56, 52, stroke=fg, sw=1, stroke_dasharray="4 3", opacity="0.7"))
    o.append(poly([(56, 80), (64, 80), (62, 176), (58, 176)], fill=fill, stroke=fg, sw=1.5))
    o.append(poly([(56, 168), (44, 180), (44, 184), (58, 176)], fill=fill, stroke=fg, sw=1.3))
    o.append(line(66, 166, 66, 190, fg, 2.6))                                              # tail rotor
    o.append(path("M 60,20 C 74,20 80,34 80,52 L 80,72 C 80,84 72,90 60,90 C 48,90 40,84 40,72 "
                  "L 40,52 C 40,34 46,20 60,20 Z", fill=fill, stroke=fg, sw=1.8))
    o.append(path("M 60,24 C 70,24 74,34 74,44 L 46,44 C 46,34 50,24 60,24 Z", fill=fg, opacity="0.28"))
    o.append(line(14, 56, 106, 56, fg, 3))
    o.append(circle(60, 56, 5, fill=fg))
    return "".join(o)


def orvex_case(x, y, w, h, name="ORVEX", lamps=True, label_size=None):
    """The Orvex unit seen from above: dark case, blue stripe, name and three status lamps."""
    o = [rect(x, y, w, h, min(w, h) * 0.12, fill=UNIT, stroke=INK, sw=1.5),
         rect(x + 3, y + 3, w - 6, h * 0.18, min(w, h) * 0.07, fill=BLUE)]
    size = label_size or max(7.0, min(h * 0.2, w * 0.16))
    o.append(text(x + w / 2, y + h * 0.52, name, size, "middle", "bold", WHITE))
    if lamps:
        r = max(1.6, min(w, h) * 0.05)
        for i in range(3):
            o.append(circle(x + w / 2 + (i - 1) * r * 3.4, y + h * 0.76, r, fill=GREEN, stroke=INK, sw=0.6))
    return "".join(o)


def pin_header(x, y, pins=3, vertical=True, pitch=4.0):
    o = []
    for i in range(pins):
        px, py = (x, y + i * pitch) if vertical else (x + i * pitch, y)
        o.append(rect(px - 1.5, py - 1.5, 3, 3, 0.5, fill="#c8a640", stroke=INK, sw=0.5))
    return "".join(o)


def cable(points, color, sw=5):
    """A servo lead: dark jacket with a coloured core, round corners."""
    d = "M " + " L ".join("%s,%s" % (num(x), num(y)) for x, y in points)
    return (path(d, stroke=INK, sw=sw) + path(d, stroke=color, sw=sw - 2.6))


def plug(x, y, w=9, h=7):
    return rect(x - w / 2, y - h / 2, w, h, 1, fill="#1d2733", stroke=INK, sw=0.6)


def servo_top(x, y, w=40, h=26, fg=INK, fill="#5e738a", label=None, size=10):
    """A small servo seen from above: case, ears, round output and a horn."""
    o = [rect(x - 5, y + h * 0.3, w + 10, h * 0.4, 1.5, fill=fill, stroke=fg, sw=1),
         rect(x, y, w, h, 3, fill=fill, stroke=fg, sw=1.2),
         circle(x + w * 0.28, y + h / 2, h * 0.28, fill=WHITE, stroke=fg, sw=1),
         poly([(x + w * 0.28 - 2, y + h / 2), (x + w * 0.28 + 2, y + h / 2), (x + w * 0.28 + 1, y - 6),
               (x + w * 0.28 - 1, y - 6)], fill=WHITE, stroke=fg, sw=1)]
    if label:
        o.append(text(x + w / 2, y + h + size + 3, label, size, "middle", "bold", fg))
    return "".join(o)


def airfoil(cx, cy, chord, angle, fill=FILL, stroke=INK, sw=1.5):
    """Blade section with its leading edge at the left, pitched nose-up by angle degrees."""
    c = chord
    d = ("M %s,%s C %s,%s %s,%s %s,%s C %s,%s %s,%s %s,%s Z" %
         (num(-c / 2), 0, num(-c / 2), num(-c * 0.12), num(-c * 0.25), num(-c * 0.14), num(c / 2), 0,
          num(-c * 0.2), num(c * 0.06), num(-c / 2), num(c * 0.05), num(-c / 2), 0))
    return group(path(d, fill=fill, stroke=stroke, sw=sw), tx=cx, ty=cy, rotate=angle)


FILES = {}


def picture(pid):
    def register(fn):
        FILES[pid] = fn
        return fn
    return register


# ============================================================ main window ====
@picture(170)
def main_picture():
    """The Orvex unit under a helicopter outline; drawn at the lower right of the main window."""
    w, h = 220, 250
    o = [group(heli_side(fg=BLUE_D, fill=BLUE_L, accent=BLUE), tx=6, ty=8, scale=1.04)]
    # the unit in a light perspective: top face, front face, connector pins
    o.append(path("M 30,150 L 170,150 L 196,128 L 56,128 Z", fill="#4a5f76", stroke=INK, sw=1.5))
    o.append(path("M 170,150 L 196,128 L 196,192 L 170,214 Z", fill="#233140", stroke=INK, sw=1.5))
    o.append(rect(30, 150, 140, 64, 4, fill=UNIT, stroke=INK, sw=1.5))
    o.append(rect(34, 154, 132, 11, 3, fill=BLUE))
    o.append(text(100, 187, "ORVEX", 19, "middle", "bold", WHITE))
    o.append(text(100, 201, "flybarless 3-axis", 8.5, "middle", "normal", "#c9d6e3"))
    for i in range(3):  # the three lamps on the top face
        cx = 82 + i * 26
        o.append(ellipse(cx + 8, 139, 6, 3.4, fill=GREEN, stroke=INK, sw=0.8))
        o.append(ellipse(cx + 7, 138, 2, 1, fill="#bff0d2"))
    for i in range(6):  # pin header on the side face
        o.append(rect(176 + (i % 3) * 6, 150 + (i // 3) * 12 + (i % 3) * -5, 3.5, 5, 0.5, fill="#c8a640"))
    o.append(text(100, 238, "Quillon 2.0", 12, "middle", "bold", INK2))
    return svg(w, h, "\n".join(o))


def lamp(on):
    defs = ('<radialGradient id="g" cx="40%%" cy="35%%" r="65%%">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>'
            % (("#c8f7d9", "#1f9a55") if on else ("#f1f3f5", "#8d99a6")))
    o = []
    if on:
        o.append(circle(13, 13, 12.5, fill=GREEN, opacity="0.25"))
    o.append(circle(13, 13, 10.5, fill="url(#g)", stroke=INK, sw=1.5))
    o.append(ellipse(10, 9, 3.5, 2.2, fill=WHITE, opacity="0.75" if on else "0.6"))
    return svg(26, 26, "\n".join(o), defs)


@picture(241)
def lamp_off():
    return lamp(False)


@picture(242)
def lamp_on():
    return lamp(True)


def preset_strip(name, level):
    def draw(w, h, st):
        o = []
        for i in range(5):  # level bars: how demanding the preset is
            bh = 5 + i * 3
            filled = i < level
            o.append(rect(10 + i * 5, h - 10 - bh, 3.5, bh, 0.8,
                          fill=st["accent"] if filled else "none",
                          stroke=st["accent"] if filled else st["sub"], sw=0.8,
                          opacity=None if filled else "0.55"))
        o.append(fitted_text(w / 2 + 16, h / 2 + 5, name, w - 50, 14, "middle", "bold", st["text"]))
        return "".join(o)
    return strip(150, 40, draw, rx=7)


@picture(244)
def preset_beginner():
    return preset_strip("Beginner", 1)


@picture(243)
def preset_f3c():
    return preset_strip("F-3C", 2)


@picture(245)
def preset_soft3d():
    return preset_strip("Soft 3D", 3)


@picture(246)
def preset_hardcore():
    return preset_strip("3D Hardcore", 4)


@picture(247)
def preset_extreme():
    return preset_strip("3D Extreme", 5)


@picture(157)
def program_icon():
    defs = ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#3d8fe6"/><stop offset="1" stop-color="#1f5fa8"/></linearGradient>')
    o = [rect(2, 2, 60, 60, 13, fill="url(#bg)", stroke="#174a86", sw=1.5)]
    o.append(circle(32, 30, 22, stroke=WHITE, sw=1.2, opacity="0.45", stroke_dasharray="3 3"))
    for a in (0, 120, 240):  # three rotor blades
        o.append(group(path("M 32,30 L 30,11 Q 32,7 34,11 Z", fill=WHITE), rotate=a + 15, cx=32, cy=30))
    o.append(circle(32, 30, 5, fill=UNIT, stroke=WHITE, sw=1.5))
    for i in range(3):  # the three lamps
        o.append(circle(22 + i * 10, 53, 3, fill=GREEN, stroke=WHITE, sw=1))
    return svg(64, 64, "\n".join(o), defs)


@picture(255)
def tooltip_icon():
    o = [circle(16, 16, 14.5, fill=BLUE, stroke=BLUE_D, sw=1.5),
         circle(16, 9.5, 2.4, fill=WHITE),
         rect(13.8, 13.5, 4.4, 11.5, 1.2, fill=WHITE),
         rect(12, 23.5, 8, 2, 0.8, fill=WHITE)]
    return svg(32, 32, "\n".join(o))


@picture(262)
def help_marker():
    """Help marker painted beside the AUX-function and condition choices of the Advance Menu."""
    o = [circle(12, 12, 10.8, fill=BLUE, stroke=BLUE_D, sw=1.4),
         text(12, 17.2, "?", 15, "middle", "bold", WHITE)]
    return svg(24, 24, "\n".join(o))


# ============================================================ signal bars ====
@picture(183)
def bar_vertical():
    w, h = 20, 120
    o = [rect(0.5, 0.5, w - 1, h - 1, 2, fill="#eef2f6", stroke=INK2, sw=1)]
    for i in range(1, 8):  # scale ticks every eighth
        y = h * i / 8
        if i != 4:
            o.append(line(2, y, 5, y, LINE, 1, "butt"))
            o.append(line(w - 5, y, w - 2, y, LINE, 1, "butt"))
    o.append(rect(0, h / 2 - 1, w, 2, fill=INK))
    return svg(w, h, "\n".join(o))


@picture(184)
def bar_horizontal():
    w, h = 120, 16
    o = [rect(0.5, 0.5, w - 1, h - 1, 2, fill="#eef2f6", stroke=INK2, sw=1)]
    for i in range(1, 8):
        x = w * i / 8
        if i != 4:
            o.append(line(x, 2, x, 4.5, LINE, 1, "butt"))
            o.append(line(x, h - 4.5, x, h - 2, LINE, 1, "butt"))
    o.append(rect(w / 2 - 1, 0, 2, h, fill=INK))
    return svg(w, h, "\n".join(o))


# ============================================================ arrow icons ====
def chevrons(direction, count):
    """16 x 16 chevron icon; direction is the angle the chevrons point to (0 = right, 90 = down)."""
    o = []
    offsets = [0] if count == 1 else [-2.6, 2.6]
    for off in offsets:
        pts = [(-2.6 + off, -5), (2.4 + off, 0), (-2.6 + off, 5)]
        o.append(poly(pts, stroke=INK, sw=2.2, closed=False))
    return svg(16, 16, group("".join(o), tx=8, ty=8, rotate=direction))


@picture(205)
def chevron_down():
    return chevrons(90, 1)


@picture(206)
def chevron_up():
    return chevrons(-90, 1)


@picture(207)
def chevron_double_down():
    return chevrons(90, 2)


@picture(212)
def chevron_double_up():
    return chevrons(-90, 2)


@picture(208)
def chevron_left():
    return chevrons(180, 1)


@picture(209)
def chevron_double_left():
    return chevrons(180, 2)


@picture(210)
def chevron_right():
    return chevrons(0, 1)


@picture(211)
def chevron_double_right():
    return chevrons(0, 2)



# ====================================================== transmitter page ====
def setup_table(title, columns, rows, w, h=250):
    """A transmitter set-up table: title band, column heads, one row per setting."""
    title_h, head_h = 30, 22
    row_h = (h - 2 - title_h - head_h) / len(rows)
    o = [rect(1, 1, w - 2, h - 2, 8, fill=WHITE, stroke=INK, sw=1.5)]
    o.append(path("M 1,%s L 1,9 Q 1,1 9,1 L %s,1 Q %s,1 %s,9 L %s,%s Z"
                  % (title_h, w - 9, w - 1, w - 1, w - 1, title_h), fill=BLUE, stroke=INK, sw=1.5))
    o.append(text(12, 20.5, title, 14, "start", "bold", WHITE))
    o.append(fitted_text(w - 10, 20, "conservative example", w / 2, 10.5, "end", "normal", "#e6f0fc"))
    y = title_h
    o.append(rect(1.75, y, w - 3.5, head_h, fill="#e3eaf2"))
    x = 1
    for name, cw in columns:
        o.append(text(x + 7, y + 15, name, 10.5, "start", "bold", INK))
        x += cw
    y += head_h
    for r, cells in enumerate(rows):
        if r % 2:
            o.append(rect(1.75, y, w - 3.5, row_h, fill="#f3f6f9"))
        o.append(line(1.75, y, w - 1.75, y, "#c9d3dd", 1, "butt"))
        x = 1
        for c, (value, (_, cw)) in enumerate(zip(cells, columns)):
            o.append(fitted_text(x + 7, y + row_h / 2 + 4, value, cw - 16, 10.5, "start",
                                 "bold" if c == 2 else "normal", BLUE_D if c == 2 else INK))
            x += cw
        y += row_h
    x = 1
    for _, cw in columns[:-1]:  # column rules
        x += cw
        o.append(line(x, title_h, x, h - 1.75, "#c9d3dd", 1, "butt"))
    o.append(rect(1, 1, w - 2, h - 2, 8, stroke=INK, sw=1.5))
    return svg(w, h, "\n".join(o))


@picture(179)
def table_dx7():
    rows = [("Model type", "SYSTEM > MODEL TYPE", "HELI"),
            ("Swash type", "SYSTEM > SWASH TYPE", "1 servo normal"),
            ("Sub-trims", "ADJUST > SUB TRIM", "0 on all channels"),
            ("End points", "ADJUST > TRAVEL ADJ", "100% / 100%"),
            ("Dual rates", "ADJUST > D/R & EXPO", "AIL, ELE 80%"),
            ("Exponential", "ADJUST > D/R & EXPO", "soft, 20%"),
            ("Gyro sensitivity", "ADJUST > GYRO SENS", "AVCS, 36%"),
            ("Pitch curve", "ADJUST > PITCH CURVE", "straight line")]
    return setup_table("DX7", [("Parameter", 104), ("Path", 166), ("Value", 112)], rows, 384)


@picture(180)
def table_8fg():
    rows = [("Model type", "Linkage > Model type", "Helicopter, H-1"),
            ("Swash type", "Linkage > Model type > Swash", "H-1 (no mixing)"),
            ("Sub-trims", "Linkage > Sub-trim", "0 on all channels"),
            ("End points", "Linkage > End point", "100% / 100%"),
            ("Dual rates", "Model > Dual rate", "AIL, ELE 80%"),
            ("Exponential", "Model > Dual rate / Exp", "soft, 20%"),
            ("Gyro sensitivity", "Model > Gyro", "AVCS, 36%"),
            ("Pitch curve", "Model > Pitch curve", "straight line")]
    return setup_table("8FG", [("Parameter", 104), ("Path", 196), ("Value", 130)], rows, 432)


# ========================================================= receiver page ====
LEAD = {"AIL": "#2f7fd8", "ELE": "#2fb36a", "THR": "#e89a1c", "RUD": "#8e5bd0", "GYRO": "#17a2b8",
        "PIT": "#d8572a", "OUT": "#c9d6e3", "DATA": "#9aa8b6", "BUS": "#f2c84b"}


def box(x, y, w, h, title, fill=WHITE, size=12, title_fill=INK):
    return (rect(x, y, w, h, 7, fill=fill, stroke=INK, sw=1.6)
            + text(x + w / 2, y + size + 6, title, size, "middle", "bold", title_fill))


def port_labels_left(x, ys, names, size=9):
    o = []
    for y, n in zip(ys, names):
        o.append(pin_header(x, y - 4, 3, True, 4))
        o.append(text(x + 6, y + 3, n, size, "start", "bold", WHITE))
    return "".join(o)


def port_labels_right(x, ys, names, size=9):
    o = []
    for y, n in zip(ys, names):
        o.append(pin_header(x, y - 4, 3, True, 4))
        o.append(text(x - 6, y + 3, n, size, "end", "bold", WHITE))
    return "".join(o)


@picture(182)
def wiring_conventional():
    """Orvex with a conventional receiver, speed controller, servos and the USB data cable."""
    w, h = 800, 427
    o = []
    # receiver
    rx_rows = [("1", "AIL"), ("2", "ELE"), ("3", "THR"), ("4", "RUD"), ("5", "GYRO"), ("6", "PIT")]
    o.append(box(20, 40, 150, 210, "Receiver"))
    ys = [82 + 26 * i for i in range(6)]
    for (n, name), y in zip(rx_rows, ys):
        o.append(text(34, y + 4, n, 11, "start", "bold", INK2))
        o.append(text(52, y + 4, name, 11, "start", "bold", INK))
        o.append(pin_header(166, y - 4, 3, True, 4))
    # the unit
    ux, uy, uw, uh = 330, 60, 190, 200
    o.append(rect(ux, uy, uw, uh, 12, fill=UNIT, stroke=INK, sw=1.8))
    o.append(rect(ux + 4, uy + 4, uw - 8, 22, 8, fill=BLUE))
    o.append(text(ux + uw / 2, uy + 21, "ORVEX", 15, "middle", "bold", WHITE))
    for i in range(3):
        o.append(circle(ux + uw / 2 + (i - 1) * 16, uy + uh - 16, 4.5, fill=GREEN, stroke=INK, sw=0.8))
    in_names = ["AIL", "ELE", "RUD", "GYRO", "PIT"]
    in_ys = [uy + 50 + 26 * i for i in range(5)]
    o.append(port_labels_left(ux + 4, in_ys, in_names))
    out_names = ["CH1", "CH2", "CH3", "TAIL"]
    out_ys = [uy + 56 + 30 * i for i in range(4)]
    o.append(port_labels_right(ux + uw - 4, out_ys, out_names))
    data_x = ux + uw - 36
    o.append(rect(data_x - 14, uy - 4, 28, 9, 2, fill="#1d2733", stroke=INK, sw=1))
    o.append(text(data_x, uy + 40, "DATA", 9, "middle", "bold", "#c9d6e3"))
    # receiver leads to the unit inputs
    route = {"AIL": 0, "ELE": 1, "RUD": 3, "GYRO": 4, "PIT": 5}
    # the throttle lead goes under the others, so it is drawn first
    o.append(cable([(172, ys[2]), (196, ys[2]), (196, 292), (214, 292)], LEAD["THR"]))
    o.append(plug(175, ys[2]))
    for i, name in enumerate(in_names):
        ry = ys[route[name]]
        ty = in_ys[i]
        mx = 300 - 18 * i
        o.append(cable([(172, ry), (mx, ry), (mx, ty), (ux - 2, ty)], LEAD[name]))
        o.append(plug(ux - 5, ty))
        o.append(plug(175, ry))
    # speed controller and motor on the throttle lead
    o.append(box(214, 272, 120, 42, "Speed controller", fill="#fff4e0", size=11))
    o.append(text(274, 306, "(ESC)", 9.5, "middle", "normal", INK2))
    o.append(line(334, 286, 372, 286, INK, 3))
    o.append(line(334, 298, 372, 298, INK, 3))
    o.append(circle(392, 292, 20, fill=FILL, stroke=INK, sw=1.6))
    o.append(text(392, 296, "Motor", 9.5, "middle", "bold", INK))
    # outputs to the servos
    servo_labels = ["CH1 servo", "CH2 servo", "CH3 servo", "Tail servo"]
    for i, y in enumerate(out_ys):
        sx = 640
        sy = 52 + 66 * i
        o.append(cable([(ux + uw + 2, y), (570 + 8 * i, y), (570 + 8 * i, sy + 13), (sx - 8, sy + 13)], LEAD["OUT"]))
        o.append(plug(ux + uw + 5, y))
        o.append(servo_top(sx, sy, 42, 26, label=None))
        o.append(text(sx + 54, sy + 17, servo_labels[i], 11, "start", "bold", INK))
    # USB data cable to the PC
    o.append(cable([(data_x, uy - 4), (data_x, 24), (548, 24)], LEAD["DATA"], 6))
    o.append(rect(548, 10, 78, 28, 5, fill=WHITE, stroke=INK, sw=1.4))
    o.append(text(587, 29, "USB adapter", 9.5, "middle", "bold", INK))
    o.append(cable([(626, 24), (662, 24)], LEAD["DATA"], 6))
    o.append(rect(662, 6, 54, 36, 4, fill=FILL, stroke=INK, sw=1.4))
    o.append(rect(668, 11, 42, 22, 2, fill=BLUE_L, stroke=INK2, sw=1))
    o.append(text(689, 27, "PC", 11, "middle", "bold", INK))
    o.append(text(data_x - 10, 46, "USB data cable", 10, "end", "bold", INK2))
    # legend
    o.append(text(20, 352, "Leads: plug each receiver channel into the Orvex input of the same name; "
                  "the throttle goes straight to the speed controller.", 11, "start", "normal", INK2))
    o.append(text(20, 370, "Outputs CH1, CH2, CH3 drive the swashplate servos, TAIL the tail servo. "
                  "The DATA port takes the USB data cable.", 11, "start", "normal", INK2))
    return svg(w, h, "\n".join(o))


def orvex_s(x, y, w=150, h=132, out=True):
    """The Orvex-S with its three receiver ports (AIL, PIT/ELE/AUX, RUD) at the left."""
    o = [rect(x, y, w, h, 11, fill=UNIT, stroke=INK, sw=1.8),
         rect(x + 4, y + 4, w - 8, 20, 7, fill=BLUE),
         text(x + w / 2, y + 19, "ORVEX-S", 13, "middle", "bold", WHITE)]
    ys = [y + 46, y + 74, y + 102]
    o.append(port_labels_left(x + 4, ys, ["AIL", "PIT/ELE/AUX", "RUD"], 8.5))
    if out:
        o.append(port_labels_right(x + w - 4, [y + 46, y + 66, y + 86, y + 106], ["CH1", "CH2", "CH3", "TAIL"], 8))
    for i in range(3):
        o.append(circle(x + 24 + i * 11, y + h - 10, 3.2, fill=GREEN, stroke=INK, sw=0.6))
    return "".join(o), ys


@picture(261)
def wiring_sbus():
    """Orvex-S with an S-Bus receiver through the S-Bus adapter cable (short end at the receiver)."""
    w, h = 619, 300
    o = []
    unit, ys = orvex_s(430, 40)
    o.append(unit)
    o.append(box(40, 120, 150, 110, "S-Bus receiver"))
    o.append(rect(58, 160, 114, 26, 4, fill=FILL, stroke=INK2, sw=1))
    o.append(text(115, 177, "S.BUS port", 10, "middle", "bold", INK))
    o.append(text(115, 214, "(other ports unused)", 9, "middle", "normal", INK2))
    o.append(pin_header(186, 170, 3, True, 4))
    # adapter cable: short end at the receiver, long end at the RUD port
    o.append(cable([(192, 174), (230, 174)], LEAD["BUS"]))
    o.append(plug(195, 174))
    o.append(rect(230, 166, 26, 16, 3, fill="#1d2733", stroke=INK, sw=1))
    o.append(cable([(256, 174), (340, 174), (340, ys[2]), (426, ys[2])], LEAD["BUS"]))
    o.append(plug(425, ys[2]))
    o.append(text(211, 160, "short end", 10, "middle", "bold", INK))
    o.append(text(383, ys[2] - 9, "long end", 10, "middle", "bold", INK))
    o.append(text(298, 252, "S-Bus adapter cable", 12, "middle", "bold", BLUE_D))
    o.append(arrow(298, 240, 298, 184, BLUE_D, 1.5, 7))
    return svg(w, h, "\n".join(o))


def satellite(x, y, w=64, h=44):
    return (rect(x, y, w, h, 6, fill="#e9edf2", stroke=INK, sw=1.4)
            + rect(x + 6, y + 6, w - 12, 10, 2, fill=INK2)
            + text(x + w / 2, y + 33, "Satellite", 9, "middle", "bold", INK))


def dsm_figure(x0, title, binding):
    o = [text(x0 + 130, 16, title, 12.5, "middle", "bold", BLUE_D)]
    unit, ys = orvex_s(x0 + 120, 30, 140, 132, out=False)
    o.append(unit)
    o.append(satellite(x0 + 16, 150))
    o.append(cable([(x0 + 48, 150), (x0 + 48, ys[2]), (x0 + 116, ys[2])], LEAD["BUS"], 4.5))
    o.append(plug(x0 + 115, ys[2]))
    o.append(text(x0 + 14, 214, "DSM2/DSMJ adapter cable", 9.5, "start", "normal", INK))
    o.append(text(x0 + 14, 227, "to the RUD port", 9.5, "start", "normal", INK))
    if binding:  # the dual male connector cable bridges AIL and PIT/ELE/AUX
        o.append(cable([(x0 + 116, ys[0]), (x0 + 86, ys[0]), (x0 + 86, ys[1]), (x0 + 116, ys[1])], "#e24b4b", 4.5))
        o.append(plug(x0 + 115, ys[0]))
        o.append(plug(x0 + 115, ys[1]))
        # Three short lines, clear of the page text that runs over this corner.
        for k, word in enumerate(("dual male", "connector", "cable")):
            o.append(text(x0 + 82, ys[0] - 4 + 11 * k, word, 8.5, "end", "bold", RED_D))
    else:
        o.append(text(x0 + 112, ys[0] + 3, "AIL and PIT/ELE/AUX", 9, "end", "normal", INK2))
        o.append(text(x0 + 112, ys[0] + 14, "ports left free", 9, "end", "normal", INK2))
    return "".join(o)


@picture(260)
def wiring_dsm():
    """Orvex-S with a satellite receiver: binding connection (left) and flying connection (right)."""
    w, h = 552, 300
    o = [dsm_figure(14, "Binding", True),
         line(276, 6, 276, 236, LINE, 1, stroke_dasharray="4 4"),
         dsm_figure(282, "Flying", False)]
    return svg(w, h, "\n".join(o))


# ========================================================== monitor page ====
@picture(186)
def transmitter():
    """A transmitter (mode 2) with both sticks marked."""
    w, h = 161, 179
    o = [line(128, 44, 140, 4, INK, 3.5), circle(140, 4, 2.5, fill=INK),
         rect(6, 40, 149, 114, 16, fill=FILL, stroke=INK, sw=2),
         rect(14, 46, 10, 6, 2, fill=INK2), rect(137, 46, 10, 6, 2, fill=INK2)]
    for cx, up, side in ((46, "THR/PIT", "RUD"), (115, "ELE", "AIL")):
        o.append(circle(cx, 96, 25, fill=WHITE, stroke=INK, sw=1.6))
        o.append(arrow(cx, 84, cx, 74, BLUE, 2.2, 6, both=False))
        o.append(arrow(cx, 108, cx, 118, BLUE, 2.2, 6))
        o.append(arrow(cx - 12, 96, cx - 22, 96, RED, 2.2, 6))
        o.append(arrow(cx + 12, 96, cx + 22, 96, RED, 2.2, 6))
        o.append(circle(cx, 96, 6, fill=INK))
        o.append(circle(cx - 1.5, 94.5, 2, fill=WHITE, opacity="0.6"))
        o.append(fitted_text(cx, 66, up, 60, 9.5, "middle", "bold", BLUE_D))
        o.append(text(cx, 134, side, 9.5, "middle", "bold", RED_D))
    o.append(text(80.5, 148, "Mode 2", 9, "middle", "normal", INK2))
    o.append(text(46, 172, "left stick", 9.5, "middle", "bold", INK))
    o.append(text(115, 172, "right stick", 9.5, "middle", "bold", INK))
    return svg(w, h, "\n".join(o))



# ====================================================== installation page ====
# Direction 1: flat, label up, connectors toward the tail.
# Direction 2: flat, label up, connectors toward the nose.
# Direction 3: upright on the side of the frame, label facing sideways, connectors toward the tail.
MOUNTS = {1: "flat-rear", 2: "flat-front", 3: "upright"}


def mount_frame(direction):
    kind = MOUNTS[direction]

    def draw(w, h, st):
        unit_fill = st["accent"]
        if kind == "upright":
            spot = (118, 36, 15, 12)
        else:
            spot = (118, 41, 17, 5)
        o = [group(heli_side(st["fg"], st["fill"], st["accent"], unit_at=spot, unit_fill=unit_fill),
                   tx=6, ty=12, scale=0.92)]
        # enlarged side view of the unit as mounted
        ix, iy, iw, ih = 120, 80, 72, 48
        sx, sy = 6 + 0.92 * (spot[0] + spot[2] / 2), 12 + 0.92 * (spot[1] + spot[3])
        o.append(line(sx, sy + 1, ix + iw / 2, iy, st["sub"], 1, stroke_dasharray="2 2"))
        o.append(rect(ix, iy, iw, ih, 5, fill=WHITE, stroke=st["border"] if st["bg"] != RED else WHITE, sw=1,
                      opacity="0.95"))
        o.append(arrow(ix + 26, iy + 9, ix + 6, iy + 9, INK2, 1.4, 5))
        o.append(text(ix + 29, iy + 12.5, "nose", 9, "start", "bold", INK2))
        if kind == "upright":
            o.append(rect(ix + 16, iy + 16, 36, 28, 3, fill=UNIT, stroke=INK, sw=1))
            o.append(rect(ix + 18, iy + 18, 32, 5, 1.5, fill=BLUE))
            o.append(text(ix + 34, iy + 33, "ORVEX", 7, "middle", "bold", WHITE))
            for i in range(3):
                o.append(circle(ix + 28 + i * 6, iy + 39, 1.4, fill=GREEN))
            for i in range(3):
                o.append(rect(ix + 52, iy + 20 + i * 8, 4, 3, 0.5, fill="#c8a640", stroke=INK, sw=0.4))
        else:
            o.append(rect(ix + 12, iy + 26, 48, 12, 2, fill=UNIT, stroke=INK, sw=1))
            o.append(rect(ix + 12, iy + 24, 48, 3, 1, fill=BLUE, stroke=INK, sw=0.6))
            px = ix + 60 if kind == "flat-rear" else ix + 8
            for i in range(3):
                o.append(rect(px, iy + 28 + i * 3.2, 4, 2.2, 0.4, fill="#c8a640", stroke=INK, sw=0.3))
            o.append(line(ix + 8, iy + 42, ix + 64, iy + 42, INK2, 1))
            o.append(text(ix + 36, iy + 21.5, "label up", 8, "middle", "normal", INK2))
        return "".join(o)
    return strip(198, 133, draw)


@picture(187)
def mount_1():
    return mount_frame(1)


@picture(188)
def mount_2():
    return mount_frame(2)


@picture(189)
def mount_3():
    return mount_frame(3)


# ====================================================== servo type page ====
SERVO_TYPES = {
    231: "All the tail and swashplate servos are 1520us analog",
    232: "Tail servo is 1520us digital, swashplate servos are 1520us analog",
    233: "Tail servo is 1520us digital, swashplate servos are 1520us digital",
    234: "Tail servo is 760us digital, swashplate servos are 1520us analog",
    235: "Tail servo is 760us digital, swashplate servos are 1520us digital",
    236: "Tail servo is 960us digital, swashplate servos are 1520us digital",
}


def servo_type_strip(label):
    def draw(w, h, st):
        return fitted_text(w / 2, h / 2 + 4.5, label, w - 16, 12.5, "middle", "bold" if st["bg"] == RED else "normal",
                           st["text"])
    return strip(454, 35, draw, rx=5)


for _pid, _label in SERVO_TYPES.items():
    FILES[_pid] = (lambda label: (lambda: servo_type_strip(label)))(_label)


@picture(239)
def servo_type_notes():
    """Two red bands below the servo type buttons."""
    w, h = 869, 67
    notes = ["Caution: a digital or narrow-pulse (760us / 960us) setting can burn servos that are not made for it.",
             "If unsure, choose the first item (1520us analog) and check the servo makers' data before changing it."]
    o = []
    for i, note in enumerate(notes):
        y = i * 36
        o.append(rect(0.5, y + 0.5, w - 1, 30, 5, fill=RED, stroke=RED_D, sw=1))
        o.append(poly([(16, y + 7), (25, y + 23), (7, y + 23)], fill=WHITE))
        o.append(text(16, y + 21.5, "!", 11, "middle", "bold", RED))
        o.append(fitted_text(34, y + 20, note, w - 44, 13, "start", "bold", WHITE))
    return svg(w, h, "\n".join(o))


# =================================================== swashplate pictures ====
CCPM_ANGLE = {"120": 120, "135": 135, "140": 140, "90": 90}


def servo_headings(kind):
    """Compass headings (degrees clockwise from the nose) of CH1, CH2, CH3 as seen from above."""
    if kind == "mix":
        return 90, -90, 180
    a = 180 - CCPM_ANGLE[kind]
    return a, -a, 180


def swash_top(s, kind, fg, fill, accent, txt, sub, nose=True):
    """Top view of a swashplate in an s x s box, nose up, the servos labelled CH1..CH3."""
    cx, cy = s / 2, s * 0.47
    R, R2, R3 = s * 0.19, s * 0.33, s * 0.43
    size = s * 0.082
    o = []

    def at(r, heading):
        a = math.radians(heading)
        return cx + r * math.sin(a), cy - r * math.cos(a)

    if nose:
        o.append(poly([(cx, s * 0.02), (cx - s * 0.045, s * 0.085), (cx + s * 0.045, s * 0.085)], fill=sub))
    if kind == "mix":  # the servos work a mixer under the swashplate
        o.append(rect(cx - R * 1.3, cy - R * 1.3, R * 2.6, R * 2.6, 4, fill="none", stroke=sub, sw=1.2,
                      stroke_dasharray="3 2"))
    o.append(circle(cx, cy, R, fill=fill, stroke=fg, sw=2))
    headings = servo_headings(kind)
    functions = ["AIL", "ELE", "PIT"]
    for i, heading in enumerate(headings):
        name = "CH%d" % (i + 1)
        lx, ly = at(R * (1.3 if kind == "mix" else 1), heading)
        sx, sy = at(R2, heading)
        o.append(line(lx, ly, sx, sy, fg, 1.8))
        o.append(circle(lx, ly, s * 0.025, fill=fg))
        sw_, sh_ = s * 0.13, s * 0.08
        o.append(group(rect(sx - sw_ / 2, sy - sh_ / 2, sw_, sh_, 2, fill=accent, stroke=fg, sw=1.2),
                       rotate=heading, cx=sx, cy=sy))
        side = abs(math.sin(math.radians(heading))) > 0.95
        if abs(heading) < 170:  # name above the servo, clear of the servo and inside the picture
            tx, ty = sx, sy - s * 0.1
        else:
            tx, ty = at(R3, heading)
            ty += size * 0.35
        half = text_width(name, size, "bold") / 2
        tx = min(max(tx, s * 0.03 + half), s - s * 0.03 - half)
        o.append(text(tx, ty, name, size, "middle", "bold", txt))
        if kind == "mix":
            if side:
                o.append(text(sx, sy + s * 0.14, functions[i], size * 0.85, "middle", "bold", sub))
            else:
                o.append(text(sx + s * 0.1, sy + size * 0.3, functions[i], size * 0.85, "start", "bold", sub))
    if kind == "mix":
        o.append(text(cx, cy + size * 0.38, "MIX", size, "middle", "bold", txt))
    else:
        o.append(circle(cx, cy, R * 0.24, fill=accent, stroke=fg, sw=1.2))
        a1 = headings[0]
        pts = []
        for i in range(25):  # the angle between CH1 and CH3, outside the ring on the right
            hd = math.radians(a1 + (180 - a1) * i / 24)
            pts.append((cx + R * 1.45 * math.sin(hd), cy - R * 1.45 * math.cos(hd)))
        o.append(poly(pts, stroke=sub, sw=1, closed=False, stroke_dasharray="2 1.5"))
        mid = math.radians((a1 + 180) / 2)
        ax, ay = cx + R * 2.05 * math.sin(mid), cy - R * 2.05 * math.cos(mid)
        o.append(text(ax, ay + size * 0.35, "%d°" % CCPM_ANGLE[kind], size * 0.95, "middle", "bold", txt))
    return "".join(o)


SWASH_STRIPS = {191: "mix", 192: "120", 193: "135", 194: "140", 195: "90"}
SWASH_PICTURES = {198: "mix", 200: "120", 201: "135", 202: "140", 199: "90"}


def swash_strip(kind):
    def draw(w, h, st):
        return swash_top(w, kind, st["fg"], st["fill"], st["accent"], st["text"], st["sub"])
    return strip(133, 133, draw)


def swash_picture(kind):
    """Swashplate seen from above with a "Front" caption over it; 136 x 148."""
    caption = poly([(68, 2), (62, 11), (74, 11)], fill=INK2) + text(78, 11, "Front", 10.5, "start", "bold", INK2)
    return svg(136, 148, caption + group(swash_top(136, kind, INK, FILL, BLUE, INK, INK2, nose=False), ty=10))


for _pid, _kind in SWASH_STRIPS.items():
    FILES[_pid] = (lambda kind: (lambda: swash_strip(kind)))(_kind)
for _pid, _kind in SWASH_PICTURES.items():
    FILES[_pid] = (lambda kind: (lambda: swash_picture(kind)))(_kind)


@picture(196)
def forward_arrow():
    """The helicopter's forward direction."""
    o = [poly([(36, 2), (70, 46), (48, 46), (48, 112), (24, 112), (24, 46), (2, 46)], fill=RED, stroke=RED_D, sw=2)]
    return svg(72, 114, "\n".join(o))


def quad_x(cx, cy, s, fg, fill, accent, plus=False):
    """Quadrotor seen from above, arms of length s, nose up."""
    o = []
    headings = (0, 90, 180, 270) if plus else (45, 135, 225, 315)
    for hd in headings:
        a = math.radians(hd)
        x, y = cx + s * math.sin(a), cy - s * math.cos(a)
        o.append(line(cx, cy, x, y, fg, s * 0.1))
    for hd in headings:
        a = math.radians(hd)
        x, y = cx + s * math.sin(a), cy - s * math.cos(a)
        o.append(circle(x, y, s * 0.48, fill=fill, stroke=fg, sw=1.2, opacity="0.9"))
        o.append(circle(x, y, s * 0.12, fill=fg))
    o.append(rect(cx - s * 0.28, cy - s * 0.28, s * 0.56, s * 0.56, s * 0.08, fill=accent, stroke=fg, sw=1.2))
    o.append(poly([(cx, cy - s * 0.2), (cx - s * 0.1, cy), (cx + s * 0.1, cy)], fill=fg))
    return "".join(o)


def airplane(cx, cy, s, fg, fill, accent):
    """Conventional airplane seen from above in a box about 2s wide, nose up."""
    o = [path("M %s,%s L %s,%s L %s,%s L %s,%s Z" % (cx - s, cy - s * 0.15, cx + s, cy - s * 0.15,
                                                   cx + s, cy + s * 0.12, cx - s, cy + s * 0.12),
              fill=fill, stroke=fg, sw=1.4),
         path("M %s,%s L %s,%s L %s,%s L %s,%s Z" % (cx - s * 0.42, cy + s * 0.72, cx + s * 0.42, cy + s * 0.72,
                                                   cx + s * 0.42, cy + s * 0.88, cx - s * 0.42, cy + s * 0.88),
              fill=fill, stroke=fg, sw=1.3),
         path("M %s,%s C %s,%s %s,%s %s,%s L %s,%s L %s,%s C %s,%s %s,%s %s,%s Z" %
              (cx, cy - s * 0.85, cx + s * 0.12, cy - s * 0.85, cx + s * 0.12, cy - s * 0.6, cx + s * 0.11, cy - s * 0.3,
               cx + s * 0.05, cy + s * 0.95, cx - s * 0.05, cy + s * 0.95, cx - s * 0.12, cy - s * 0.6,
               cx - s * 0.12, cy - s * 0.85, cx, cy - s * 0.85), fill=fill, stroke=fg, sw=1.4),
         line(cx - s * 0.3, cy - s * 0.92, cx + s * 0.3, cy - s * 0.92, fg, 2),
         rect(cx - s * 0.05, cy - s * 0.5, s * 0.1, s * 0.2, 1, fill=accent)]
    return "".join(o)


@picture(263)
def quad_and_airplane_strip():
    def draw(w, h, st):
        return (quad_x(52, 66, 28, st["fg"], st["fill"], st["accent"])
                + airplane(146, 66, 44, st["fg"], st["fill"], st["accent"]))
    return strip(198, 133, draw)


# ====================================================== servo reverse page ====
@picture(203)
def servo_side():
    """A servo seen from the side, output shaft up, with a horn."""
    w, h = 84, 96
    o = [rect(14, 30, 56, 60, 5, fill="#5e738a", stroke=INK, sw=1.6),
         rect(4, 40, 76, 8, 2, fill="#5e738a", stroke=INK, sw=1.4),
         circle(10, 44, 2, fill=WHITE), circle(74, 44, 2, fill=WHITE),
         rect(20, 56, 44, 20, 2, fill="#48596c"),
         text(42, 70, "SERVO", 9, "middle", "bold", "#dfe7ef"),
         rect(22, 22, 14, 8, 2, fill=INK2, stroke=INK, sw=1),
         rect(26, 14, 6, 8, 1, fill="#c9d6e3", stroke=INK, sw=1),
         path("M 8,10 L 74,12 Q 78,14 74,16 L 8,18 Q 4,14 8,10 Z", fill=WHITE, stroke=INK, sw=1.4),
         circle(29, 14, 2.4, fill=INK2),
         circle(66, 14, 1.6, fill=INK), circle(14, 14, 1.6, fill=INK),
         path("M 40,90 C 40,94 44,95 50,95", stroke=INK, sw=2)]
    return svg(w, h, "\n".join(o))



# ================================================== swashplate travel page ====
def swash_callout(x, y, w, h, caption, tilt_words):
    """Enlarged swashplate on its shaft, shown level and at both ends of its travel."""
    cx, cy = x + w / 2, y + h * 0.56
    o = [rect(x, y, w, h, 8, fill=WHITE, stroke=LINE, sw=1.2),
         text(cx, y + 17, caption, 10.5, "middle", "bold", INK2),
         text(cx, y + 36, tilt_words, 10.5, "middle", "bold", RED_D),
         line(cx, cy - 34, cx, y + h - 10, INK, 4)]
    half = w * 0.34
    for tilt in (-12, 12):
        o.append(group(rect(cx - half, cy - 4, 2 * half, 8, 3, fill="none", stroke=BLUE, sw=1.2,
                            stroke_dasharray="4 3"), rotate=tilt, cx=cx, cy=cy))
    o.append(rect(cx - half, cy - 4, 2 * half, 8, 3, fill=BLUE, stroke=INK, sw=1.4))
    for sx in (cx - half + 8, cx + half - 8):  # links down to the servos
        o.append(line(sx, cy + 4, sx, y + h - 30, INK2, 2))
        o.append(circle(sx, cy + 4, 2.6, fill=INK))
        o.append(rect(sx - 10, y + h - 30, 20, 14, 2, fill="#5e738a", stroke=INK, sw=1))
    o.append(arc_arrow(cx, cy - 4, half + 6, 40, 205, 335, RED, 2, 8, both=True))
    return "".join(o)


@picture(250)
def travel_aileron():
    """Helicopter from the front with the swashplate tilting left and right (aileron travel)."""
    o = [group(heli_front(swash_tilt=0), tx=4, ty=52, scale=0.72),
         swash_callout(156, 10, 140, 172, "seen from the front", "left / right"),
         text(76, 150, "Aileron stick to both", 10.5, "middle", "normal", INK2),
         text(76, 164, "ends: no binding", 10.5, "middle", "normal", INK2)]
    return svg(300, 190, "\n".join(o))


@picture(214)
def travel_elevator():
    """Helicopter from the side with the swashplate tilting forward and back (elevator travel)."""
    o = [group(heli_side(), tx=2, ty=60, scale=0.74),
         swash_callout(156, 10, 140, 172, "seen from the side", "forward / back"),
         text(76, 150, "Elevator stick to both", 10.5, "middle", "normal", INK2),
         text(76, 164, "ends: no binding", 10.5, "middle", "normal", INK2)]
    return svg(300, 190, "\n".join(o))


# =================================================== collective pitch page ====
def pitch_gauge(cy, angle, caption, w=300):
    """A blade section at the given pitch against a level line, the angle marked."""
    cx = w / 2
    o = [text(cx, cy - 46, caption, 11.5, "middle", "bold", INK),
         line(30, cy, w - 30, cy, INK2, 1, stroke_dasharray="5 4"),
         airfoil(cx, cy, 170, angle, fill=BLUE_L, stroke=INK, sw=1.8)]
    a = math.radians(angle)
    # chord line continued beyond the trailing edge
    x1, y1 = cx - 110 * math.cos(a), cy - 110 * math.sin(a)
    x2, y2 = cx + 120 * math.cos(a), cy + 120 * math.sin(a)
    o.append(line(x1, y1, x2, y2, BLUE_D, 1.2, stroke_dasharray="2 3"))
    # arc from the level line to the chord line, at the leading-edge side
    r = 96
    o.append(arc_arrow(cx, cy, r, r, 180, 180 + angle, RED, 1.8, 7))
    label_y = cy - 8 if angle > 0 else cy + 18
    o.append(text(cx - r - 4, label_y, ("%+d°" % angle).replace("-", "\u2212"), 14, "end", "bold", RED_D))
    return "".join(o)


@picture(218)
def collective_pitch():
    """Rotor head with the blades pitched, marked 11 degrees; 300 x 385."""
    w, h = 300, 385
    o = []
    # rotor head from the side
    o.append(line(150, 46, 150, 168, INK, 6))
    o.append(rect(134, 34, 32, 22, 4, fill=INK2, stroke=INK, sw=1.5))
    for side in (-1, 1):
        gx = 150 + side * 16
        o.append(rect(min(gx, gx + side * 58), 38, 58, 14, 3, fill=FILL, stroke=INK, sw=1.5))  # blade grip
        o.append(group(path("M 0,-4 L %d,-3 L %d,3 L 0,4 Z" % (side * 70, side * 70),
                            fill=BLUE_L, stroke=INK, sw=1.4), tx=150 + side * 74, ty=45, rotate=side * -4))
        o.append(line(gx + side * 26, 52, gx + side * 26, 120, INK2, 2.2))                       # pitch link
        o.append(circle(gx + side * 26, 120, 3, fill=INK))
        o.append(circle(gx + side * 26, 54, 3, fill=INK))
    o.append(rect(112, 118, 76, 10, 3, fill=BLUE, stroke=INK, sw=1.5))                           # swashplate
    o.append(arrow(214, 150, 214, 112, RED, 2, 8, both=True))
    o.append(text(224, 136, "collective", 10.5, "start", "bold", RED_D))
    o.append(text(150, 20, "Main rotor head", 11, "middle", "bold", INK2))
    o.append(pitch_gauge(232, 11, "Collective stick full up", w))
    o.append(pitch_gauge(338, -11, "Collective stick full down", w))
    return svg(w, h, "\n".join(o))


# ========================================================= tail setup page ====
@picture(224)
def tail_rotor():
    """Tail rotor from above with the pitch slider and the pitch-change arrows."""
    w, h = 400, 220
    o = []
    o.append(rect(0, 30, 232, 14, 3, fill=FILL, stroke=INK, sw=1.6))                    # boom
    o.append(text(110, 41, "tail boom", 9, "middle", "normal", INK2))
    o.append(rect(222, 20, 42, 34, 6, fill=INK2, stroke=INK, sw=1.6))                   # gearbox
    o.append(line(243, 54, 243, 126, INK, 5))                                           # tail shaft
    o.append(line(10, 66, 196, 66, INK2, 2.4))                                          # pushrod
    o.append(path("M 196,66 L 220,66 L 232,88", stroke=INK, sw=2.4))                   # bellcrank
    o.append(circle(220, 66, 3.5, fill=INK))
    o.append(rect(229, 86, 28, 12, 3, fill=BLUE, stroke=INK, sw=1.4))                   # pitch slider
    o.append(line(232, 92, 200, 120, INK2, 1.8))
    o.append(line(254, 92, 286, 120, INK2, 1.8))
    o.append(rect(225, 118, 36, 16, 4, fill=INK2, stroke=INK, sw=1.4))                  # hub
    for side in (-1, 1):
        o.append(path("M %d,120 L %d,122 L %d,130 L %d,132 Z" % (243 + side * 18, 243 + side * 92,
                                                                 243 + side * 92, 243 + side * 18),
                      fill=BLUE_L, stroke=INK, sw=1.4))
        o.append(arc_arrow(243 + side * 66, 126, 9, 15, 200, 340, RED, 1.8, 6, both=True))
    o.append(arrow(292, 78, 292, 108, RED, 2, 7, both=True))
    o.append(text(300, 88, "pitch slider", 10.5, "start", "bold", RED_D))
    o.append(text(300, 101, "moves in and out", 10, "start", "normal", INK2))
    o.append(arrow(100, 78, 150, 78, RED, 2, 7, both=True))
    o.append(text(10, 94, "pushrod from the tail servo", 10.5, "start", "bold", INK))
    o.append(text(309, 160, "blade pitch changes", 10.5, "middle", "bold", RED_D))
    # the blade section at about 8 degrees
    o.append(rect(8, 146, 160, 70, 7, fill=WHITE, stroke=LINE, sw=1.2))
    o.append(line(16, 180, 128, 180, INK2, 1, stroke_dasharray="4 3"))
    o.append(airfoil(64, 180, 90, 8, fill=BLUE_L, stroke=INK, sw=1.5))
    o.append(arc_arrow(64, 180, 54, 54, 0, 8, RED, 1.6, 6))
    o.append(text(122, 196, "≈ 8°", 13, "start", "bold", RED_D))
    o.append(text(88, 210, "tail blade at about 8°", 9.5, "middle", "normal", INK2))
    return svg(w, h, "\n".join(o))


@picture(225)
def servo_horn():
    """Servo seen from above; the horn at a right angle to the linkage."""
    w, h = 200, 64
    o = [rect(4, 30, 84, 30, 4, fill="#5e738a", stroke=INK, sw=1.4),
         rect(0, 38, 92, 14, 2, fill="#5e738a", stroke=INK, sw=1.2),
         circle(30, 45, 7, fill=WHITE, stroke=INK, sw=1.2),
         path("M 26,45 L 27,10 Q 30,5 33,10 L 34,45 Z", fill=WHITE, stroke=INK, sw=1.3),
         line(30, 10, 194, 10, INK2, 2.6),
         circle(30, 10, 3.2, fill=INK),
         path("M 30,20 L 40,20 L 40,10", stroke=RED, sw=1.5),
         text(46, 27, "90°", 12, "start", "bold", RED_D),
         text(112, 28, "linkage to the tail", 10, "start", "normal", INK2),
         text(112, 40, "pitch slider", 10, "start", "normal", INK2)]
    return svg(w, h, "\n".join(o))


# ===================================================== gyro direction page ====
def caption_lines(x, y, lines, size=11, gap=15):
    o = []
    for i, (words, colour, weight) in enumerate(lines):
        o.append(text(x, y + i * gap, words, size, "start", weight, colour))
    return "".join(o)


def moved(point, rotate=0, about=(0, 0), scale=1, tx=0, ty=0):
    """Where a drawing point lands after group(..., rotate about a point) inside group(tx, ty, scale)."""
    x, y = point
    a = math.radians(rotate)
    dx, dy = x - about[0], y - about[1]
    x, y = about[0] + dx * math.cos(a) - dy * math.sin(a), about[1] + dx * math.sin(a) + dy * math.cos(a)
    return tx + x * scale, ty + y * scale


@picture(220)
def gyro_roll():
    """Helicopter seen from behind, rolled right; the swashplate answers by tilting left."""
    w, h = 360, 150
    place = dict(rotate=14, about=(100, 60), scale=0.88, tx=14, ty=22)
    body = heli_front(rear=True, swash_tilt=-24, accent=BLUE)
    sx, sy = moved((100, 29), **place)
    cx, cy = moved((100, 62), **place)
    o = [line(6, 134, 200, 134, LINE, 1.5, stroke_dasharray="5 4"),
         group(group(body, rotate=place["rotate"], cx=100, cy=60), tx=place["tx"], ty=place["ty"], scale=place["scale"]),
         arc_arrow(cx, cy, 92, 66, 318, 352, RED, 2.6, 10),
         arc_arrow(sx, sy, 40, 22, 230, 150, BLUE, 2.4, 9)]
    o.append(caption_lines(212, 34, [("Seen from behind:", INK2, "bold"),
                                     ("tilt the helicopter", RED_D, "bold"),
                                     ("to the right,", RED_D, "bold"),
                                     ("the swashplate must", BLUE_D, "bold"),
                                     ("tilt to the left.", BLUE_D, "bold")]))
    return svg(w, h, "\n".join(o))


@picture(222)
def gyro_pitch():
    """Helicopter seen from the left side, nose pushed down; the swashplate answers by tilting back."""
    w, h = 470, 200
    place = dict(rotate=-12, about=(100, 55), scale=1.25, tx=14, ty=48)
    body = heli_side(swash_tilt=24)
    sx, sy = moved((80, 28), **place)
    nx, ny = moved((20, 62), **place)
    o = [line(10, 180, 290, 180, LINE, 1.5, stroke_dasharray="5 4"),
         group(group(body, rotate=place["rotate"], cx=100, cy=55), tx=place["tx"], ty=place["ty"],
               scale=place["scale"]),
         arrow(nx - 6, ny - 34, nx - 6, ny + 6, RED, 2.6, 10),
         arc_arrow(sx, sy, 36, 22, 320, 400, BLUE, 2.4, 9)]
    o.append(caption_lines(300, 60, [("Seen from the left side:", INK2, "bold"),
                                     ("push the nose down,", RED_D, "bold"),
                                     ("the swashplate must", BLUE_D, "bold"),
                                     ("tilt back (nose up).", BLUE_D, "bold")], 11.5, 17))
    return svg(w, h, "\n".join(o))


@picture(221)
def gyro_yaw():
    """Helicopter seen from above; the tail is swung right and the tail rotor pushes it back."""
    w, h = 270, 150
    o = [group(heli_top(), tx=14, ty=4, scale=0.7),
         arc_arrow(56, 43, 80, 80, 96, 70, RED, 2.4, 9),
         arrow(58, 138, 20, 138, BLUE, 2.4, 9)]
    o.append(caption_lines(112, 34, [("Seen from above:", INK2, "bold"),
                                     ("swing the tail to", RED_D, "bold"),
                                     ("the right, the tail", RED_D, "bold"),
                                     ("rotor must push it", BLUE_D, "bold"),
                                     ("back to the left.", BLUE_D, "bold")]))
    return svg(w, h, "\n".join(o))


# ============================================== pirouette optimization page ====
@picture(229)
def pirouette_check():
    """Side view, then front view after a quarter turn: the swashplate keeps its compass tilt."""
    w, h = 360, 400

    def tilt_mark(y):
        return arrow(320, y, 282, y, RED, 2.4, 9) + text(301, y + 16, "tilt", 10.5, "middle", "bold", RED_D)

    o = [text(10, 16, "1. The swashplate tilts: it is a compass.", 11.5, "start", "bold", INK)]
    o.append(group(heli_side(swash_tilt=-16), tx=30, ty=34, scale=1.1))
    o.append(arc_arrow(118, 65, 42, 9, 200, 520, BLUE, 2, 8))
    o.append(tilt_mark(64))
    o.append(text(10, 168, "2. Turn the helicopter 90° around its main shaft.", 11.5, "start", "bold", BLUE_D))
    o.append(arrow(180, 176, 180, 204, BLUE, 3, 10))
    o.append(group(heli_front(swash_tilt=-16), tx=50, ty=210, scale=1.1))
    o.append(tilt_mark(240))
    o.append(text(10, 352, "3. Tilt keeps its compass direction: sign is right.", 11.5, "start", "bold", INK))
    o.append(text(10, 370, "Tilt turns to the opposite side: reverse", 11.5, "start", "bold", RED_D))
    o.append(text(10, 386, "\u201cOptimization direction\u201d.", 11.5, "start", "bold", RED_D))
    return svg(w, h, "\n".join(o))


@picture(240)
def pirouette_warning():
    """Red and black warning text under the pirouette check."""
    w, h = 860, 40
    first = "Warning: "
    rest = "if the check is not completed within 40 seconds, the swashplate returns to level."
    size = 12.5
    x2 = 4 + text_width(first, size, "bold")
    o = [text(4, 15, first, size, "start", "bold", RED_TEXT),
         text(x2, 15, rest, size, "start", "bold", RED_TEXT),
         fitted_text(4, 34, "Then click \u201cQuit check\u201d and \u201cCheck optimization direction\u201d "
                     "to enter the check again.", w - 8, size, "start", "normal", "#111111")]
    return svg(w, h, "\n".join(o))


# ================================================== quadrotor and airplane ====
def labelled_quad(plus):
    w, h = 200, 160
    cx, cy, s = 100, 82, 46
    o = [quad_x(cx, cy, s, INK, FILL, BLUE, plus=plus)]
    headings = (0, 90, 180, 270) if plus else (45, 135, 225, 315)
    for i, hd in enumerate(headings):
        a = math.radians(hd)
        x, y = cx + s * math.sin(a), cy - s * math.cos(a)
        o.append(circle(x, y, 11, fill=WHITE, stroke=INK, sw=1))
        o.append(text(x, y + 3.6, "CH%d" % (i + 1), 9, "middle", "bold", BLUE_D))
    o.append(text(8, 14, "Front", 10, "start", "bold", INK2))
    o.append(arrow(22, 40, 22, 20, INK2, 1.8, 7))
    return svg(w, h, "\n".join(o))


@picture(259)
def airframe_quad_plus():
    return labelled_quad(True)


@picture(258)
def airframe_quad_x():
    return labelled_quad(False)


def surface_label(x, y, name, anchor="middle"):
    return text(x, y, name, 9.5, anchor, "bold", BLUE_D)


@picture(256)
def airframe_conventional():
    """Conventional airplane from above: ailerons CH1, elevator CH2, throttle CH3, rudder CH4."""
    w, h = 200, 160
    cx, cy, s = 96, 80, 70
    o = [airplane(cx, cy, s, INK, FILL, BLUE)]
    for side in (-1, 1):  # ailerons
        x0 = cx + side * s * 0.55
        o.append(rect(min(x0, x0 + side * s * 0.4), cy + s * 0.04, s * 0.4, s * 0.08, 1, fill=BLUE, stroke=INK, sw=0.8))
        o.append(surface_label(cx + side * s * 0.75, cy + s * 0.32, "CH1"))
    o.append(rect(cx - s * 0.42, cy + s * 0.8, s * 0.84, s * 0.08, 1, fill=BLUE, stroke=INK, sw=0.8))
    o.append(line(cx, cy + s * 0.62, cx, cy + s * 0.95, RED, 2.4))
    o.append(surface_label(cx - s * 0.56, cy + s * 0.88, "CH2", "end"))
    o.append(surface_label(cx + 6, cy + s * 1.03, "CH4", "start"))
    o.append(surface_label(cx + s * 0.36, cy - s * 0.84, "CH3", "start"))
    o.append(text(cx + s * 0.36, cy - s * 0.84 + 11, "throttle", 8, "start", "normal", INK2))
    return svg(w, h, "\n".join(o))


@picture(257)
def airframe_delta():
    """Delta wing from above: elevons CH1 and CH2, throttle CH3, rudder CH4. Narrow, to end inside its group."""
    w, h = 116, 160
    cx = 58
    o = [poly([(cx, 16), (110, 128), (6, 128)], fill=FILL, stroke=INK, sw=1.6),
         rect(cx - 5, 22, 10, 104, 4, fill=FILL, stroke=INK, sw=1.4),
         rect(12, 128, 36, 7, 1, fill=BLUE, stroke=INK, sw=0.8),
         rect(68, 128, 36, 7, 1, fill=BLUE, stroke=INK, sw=0.8),
         line(cx, 96, cx, 134, RED, 2.4),
         line(cx - 12, 10, cx + 12, 10, INK, 2),
         surface_label(30, 150, "CH1"), surface_label(86, 150, "CH2"),
         surface_label(cx + 9, 88, "CH4", "start"),
         surface_label(cx + 15, 14, "CH3", "start")]
    return svg(w, h, "\n".join(o))


# ================================================================ writing ====
def write(folder, pid, source):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "%d.svg" % pid), "w", encoding="utf-8") as f:
        f.write(source)


def translate(code, check_only):
    """Writes <code>/<id>.svg for each picture whose texts change; False when the table is not in step."""
    use_language(code)
    folder = os.path.join(HERE, code)
    written = set()
    for pid, fn in sorted(FILES.items()):
        _lang["changed"] = False
        source = fn()
        if _lang["changed"]:
            written.add("%d.svg" % pid)
            if not check_only:
                write(folder, pid, source)
    if not check_only and os.path.isdir(folder):
        for name in set(os.listdir(folder)) - written:  # a picture that lost its text
            os.remove(os.path.join(folder, name))
    unused = set(_lang["table"]) - _lang["used"]
    for s in sorted(_lang["missing"]):
        print("generate.py: %s has no entry for %s" % (code, json.dumps(s, ensure_ascii=False)), file=sys.stderr)
    for s in sorted(unused):
        print("generate.py: %s has an entry no picture draws: %s" % (code, json.dumps(s, ensure_ascii=False)),
              file=sys.stderr)
    print("generate.py: %s: %d texts, %d pictures" % (code, len(_lang["used"]), len(written)))
    return not _lang["missing"] and not unused


def main():
    """--check writes nothing and fails when a language's table is not in step with the pictures."""
    check_only = "--check" in sys.argv[1:]
    if not check_only:
        use_language(None)
        for pid, fn in sorted(FILES.items()):
            write(HERE, pid, fn())
    in_step = all([translate(code, check_only) for code in LANGUAGES])
    sys.exit(0 if in_step else 1)


if __name__ == "__main__":
    main()
