"""The program's pictures, each drawn from simple shapes.

Every function returns straight RGBA rows (see raster.Canvas.pixels).
"""

import math

from .raster import (
    Bar,
    Canvas,
    Capsule,
    Circle,
    Ellipse,
    Intersect,
    Outline,
    Polygon,
    RoundRect,
    Union,
    linear,
    radial,
)

INK = (28, 30, 42)
HAND_BLUE = (22, 28, 70)
SECOND_RED = (214, 24, 24)


def _toward(cx, cy, degrees, r):
    """The point r away from the centre, clockwise from twelve o'clock."""
    a = math.radians(degrees)
    return cx + math.sin(a) * r, cy - math.cos(a) * r


# --- window icon: a clock face seen up close ------------------------------------------------


def _bezel(c, cx, cy, rim, face_r, shade):
    c.fill(Circle(cx, cy, rim), (96, 14, 18))
    c.fill(
        Circle(cx, cy, rim - 1.0),
        linear(cx - rim, cy - rim, cx + rim, cy + rim,
               [(0.0, (255, 128, 110)), (0.45, (222, 44, 38)), (1.0, (128, 12, 16))]),
    )
    c.fill(Circle(cx, cy, face_r + shade), (110, 18, 22))
    c.fill(
        Circle(cx, cy, face_r),
        radial(cx - face_r / 4, cy - face_r / 3, face_r * 1.4,
               [(0.0, (255, 255, 252)), (0.55, (247, 243, 230)), (1.0, (205, 198, 180))]),
    )


def clock_face():
    """32 x 32: red bezel, twelve hour marks, hands at ten past ten, a second hand."""
    c = Canvas(32, 32)
    cx = cy = 16.0
    _bezel(c, cx, cy, 15.5, 12.2, 0.8)
    for hour in range(12):
        quarter = hour % 3 == 0
        inner, width = (8.4, 2.0) if quarter else (9.6, 1.15)
        x0, y0 = _toward(cx, cy, hour * 30, inner)
        x1, y1 = _toward(cx, cy, hour * 30, 11.3)
        c.fill(Bar(x0, y0, x1, y1, width), INK)
    # Ten past ten: the classic pose, hands clear of the twelve.
    hx, hy = _toward(cx, cy, 10 * 30 + 5, 6.6)
    mx, my = _toward(cx, cy, 60, 10.0)
    c.fill(Capsule(cx, cy, hx, hy, 1.25), HAND_BLUE)
    c.fill(Capsule(cx, cy, mx, my, 0.85), HAND_BLUE)
    tx, ty = _toward(cx, cy, 30, 2.8)
    sx, sy = _toward(cx, cy, 210, 10.2)
    c.fill(Capsule(tx, ty, sx, sy, 0.5), SECOND_RED)
    c.fill(Circle(cx, cy, 1.7), SECOND_RED)
    c.fill(Circle(cx, cy, 0.7), (255, 220, 200))
    # Glass glint, top left.
    glint = Intersect(Outline(Circle(cx, cy, 10.2), 1.2),
                      Polygon([(0, 0), (cx - 1, 0), (cx - 5, cy - 3), (0, cy - 1)]))
    c.fill(glint, (255, 255, 255), 0.7)
    return c.pixels()


def small_clock_face():
    """16 x 16: the same clock with pixel-aligned hands (at this size slanted ones blur)."""
    c = Canvas(16, 16)
    cx = cy = 8.0
    _bezel(c, cx, cy, 7.9, 5.9, 0.6)
    for hour in (3, 6, 9):
        x0, y0 = _toward(cx, cy, hour * 30, 4.4)
        x1, y1 = _toward(cx, cy, hour * 30, 5.6)
        c.fill(Bar(x0, y0, x1, y1, 2.0), INK)
    # Three o'clock: minute hand up, hour hand right, both two pixels wide.
    c.fill(RoundRect(7, 3, 9, 9), HAND_BLUE)
    c.fill(RoundRect(7, 7, 12, 9), HAND_BLUE)
    c.fill(RoundRect(7.5, 7.5, 8.5, 8.5), SECOND_RED)
    return c.pixels()


# --- the maker's mark -------------------------------------------------------------------------

SKY, NAVY = (64, 124, 222), (16, 40, 120)
SUN = (255, 186, 36)


def _mark(c, ox, oy, s):
    """The TAVU mark in a 32-unit square at (ox, oy), scaled by s."""

    def p(x, y):
        return ox + x * s, oy + y * s

    tile = RoundRect(*p(1, 1), *p(31, 31), 7 * s)
    c.fill(tile, (10, 24, 78))
    inner = RoundRect(*p(2, 2), *p(30, 30), 6 * s)
    c.fill(inner, NAVY)
    # Dawn: a lighter sky above the T's bar, with the sun rising behind it.
    c.fill(Intersect(inner, RoundRect(*p(0, 0), *p(32, 13))), SKY)
    c.fill(Intersect(Circle(*p(16, 13), 6.4 * s), RoundRect(*p(0, 0), *p(32, 13))), SUN)
    # The bar of the T, and a V that doubles as its stem.
    c.fill(RoundRect(*p(5.5, 12.5), *p(26.5, 16.5), 0.6 * s), (255, 255, 255))
    c.fill(Polygon([p(9, 16.5), p(12.7, 16.5), p(16, 23.2), p(19.3, 16.5), p(23, 16.5),
                    p(17.5, 27.5), p(14.5, 27.5)]), (255, 255, 255))


def logo_icon(size=32):
    c = Canvas(size, size)
    _mark(c, 0, 0, size / 32.0)
    return c.pixels()


def _v_shape(x, y, w, h, stroke, flip=False):
    a, b = stroke * 1.15, stroke * 0.62
    depth = (w / 2 - a) * h / (w / 2 - b)
    pts = [(x, 0), (x + a, 0), (x + w / 2, depth), (x + w - a, 0), (x + w, 0),
           (x + w / 2 + b, h), (x + w / 2 - b, h)]
    return Polygon([(px, y + (h - py if flip else py)) for px, py in pts])


def _word(x, y, h, stroke, gap):
    """The letters T A V U as geometric strokes; returns (shapes, right edge)."""
    shapes = []
    w = h * 0.78
    shapes.append(Union(RoundRect(x, y, x + w, y + stroke),
                        RoundRect(x + w / 2 - stroke / 2, y, x + w / 2 + stroke / 2, y + h)))
    x += w + gap * 0.6
    w = h * 0.86
    shapes.append(_v_shape(x, y, w, h, stroke, flip=True))
    shapes.append(RoundRect(x + w * 0.28, y + h * 0.60, x + w * 0.72, y + h * 0.60 + stroke * 0.9))
    x += w + gap * 0.4
    shapes.append(_v_shape(x, y, w, h, stroke))
    x += w + gap
    w = h * 0.74
    r = w / 2 - stroke / 2
    cyb = y + h - w / 2
    shapes.append(Union(RoundRect(x, y, x + stroke, cyb),
                        RoundRect(x + w - stroke, y, x + w, cyb),
                        Intersect(Outline(Circle(x + w / 2, cyb, r), stroke),
                                  RoundRect(x - 1, cyb, x + w + 1, y + h + 1))))
    return shapes, x + w


def about_picture(size=150):
    c = Canvas(size, size, ss=3)
    c.fill(RoundRect(0, 0, size, size),
           linear(0, 0, 0, size, [(0.0, (214, 230, 250)), (1.0, (252, 253, 255))]))
    s, ox, oy = 3.0, size / 2 - 48, 8
    for k in range(6):
        grow = 1.0 + k * 1.2
        c.fill(RoundRect(ox + 1 * s - grow + 2, oy + 1 * s - grow + 4,
                         ox + 31 * s + grow + 2, oy + 31 * s + grow + 4, 7 * s + grow),
               (20, 40, 90), 0.05)
    _mark(c, ox, oy, s)
    # Glassy sheen on the upper half of the tile.
    c.fill(Intersect(RoundRect(ox + 2 * s, oy + 2 * s, ox + 30 * s, oy + 30 * s, 6 * s),
                     Ellipse(ox + 16 * s, oy - 6 * s, 26 * s, 17 * s)),
           (255, 255, 255), 0.13)
    letters, right = _word(0, 0, 18, 4.0, 5.0)
    shift = (size - right) / 2
    letters, _ = _word(shift, 117, 18, 4.0, 5.0)
    for shape in letters:
        c.fill(shape, (14, 36, 112))
    return c.pixels()


# --- the status lamps -------------------------------------------------------------------------


def lamp(lit):
    c = Canvas(16, 16)
    cx, cy = 8.0, 8.0
    if lit:
        rim, stops = (96, 0, 0), [(0.0, (255, 190, 170)), (0.35, (246, 46, 34)),
                                   (1.0, (140, 4, 4))]
    else:
        rim, stops = (78, 78, 82), [(0.0, (250, 250, 250)), (0.4, (190, 190, 194)),
                                    (1.0, (112, 112, 118))]
    c.fill(Circle(cx, cy, 6.9), rim)
    c.fill(Circle(cx, cy, 5.9), radial(6.3, 6.0, 8.2, stops))
    c.fill(Ellipse(6.2, 5.6, 1.9, 1.4), (255, 255, 255), 0.9)
    return c.pixels()


# --- the pointing hand ------------------------------------------------------------------------

# X black, o white, anything else transparent. The tip of the index finger is the hotspot.
HAND = [
    "      XX          ",
    "     XooX         ",
    "     XooX         ",
    "     XooX         ",
    "     XooX         ",
    "     XooXXX       ",
    "     XooXooXXX    ",
    "     XooXooXooXX  ",
    "     XooXooXooXoX ",
    " XX  XooXooXooXooX",
    "XooX XooXooXooXooX",
    "XoooXXoooooooooooX",
    " XoooXoooooooooooX",
    "  XooXoooooooooooX",
    "   XoooooooooooooX",
    "    XooooooooooooX",
    "    XoooooooooooX ",
    "     XooooooooooX ",
    "      XoooooooooX ",
    "      XoooooooooX ",
    "      XXXXXXXXXXX ",
]
HAND_ORIGIN = (2, 1)  # where the art's top-left lands in the 32 x 32 cursor


def hand_cursor():
    """Rows of 'black' / 'white' / None and the hotspot."""
    ox, oy = HAND_ORIGIN
    rows = [[None] * 32 for _ in range(32)]
    for j, line in enumerate(HAND):
        for i, ch in enumerate(line):
            if ch in "Xo":
                rows[oy + j][ox + i] = (0, 0, 0) if ch == "X" else (255, 255, 255)
    tip = HAND[0].index("X")
    return rows, (ox + tip, oy)
