"""A tiny anti-aliased rasteriser: shapes are signed distance functions.

Coordinates are in target pixels, y downwards; a pixel's centre is at (i + 0.5, j + 0.5).
Every shape knows its distance (negative inside) and a bounding box, so only the pixels
near a shape are visited. Plain floats only, so the output is the same on every run.
"""

import math


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


# --- shapes ---------------------------------------------------------------------------------


class Shape:
    bbox = (0.0, 0.0, 0.0, 0.0)

    def d(self, x, y):
        raise NotImplementedError


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def d(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    # Approximate distance; good enough for soft highlights.
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def d(self, x, y):
        u, v = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        k = math.hypot(u, v)
        return (k - 1.0) * min(self.rx, self.ry)


class Capsule(Shape):
    """A segment from a to b, thickened by r, with round ends."""

    def __init__(self, ax, ay, bx, by, r):
        self.a, self.b, self.r = (ax, ay), (bx, by), r
        self.bbox = (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r)

    def d(self, x, y):
        (ax, ay), (bx, by) = self.a, self.b
        px, py, ex, ey = x - ax, y - ay, bx - ax, by - ay
        ee = ex * ex + ey * ey
        h = clamp((px * ex + py * ey) / ee) if ee else 0.0
        return math.hypot(px - ex * h, py - ey * h) - self.r


class Polygon(Shape):
    def __init__(self, points):
        self.p = [(float(x), float(y)) for x, y in points]
        xs, ys = [p[0] for p in self.p], [p[1] for p in self.p]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def d(self, x, y):
        p = self.p
        n = len(p)
        best = (x - p[0][0]) ** 2 + (y - p[0][1]) ** 2
        sign = 1.0
        j = n - 1
        for i in range(n):
            (xi, yi), (xj, yj) = p[i], p[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            h = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
            bx, by = wx - ex * h, wy - ey * h
            best = min(best, bx * bx + by * by)
            c1, c2, c3 = y >= yi, y < yj, ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
            j = i
        return sign * math.sqrt(best)


class RoundRect(Shape):
    """An axis-aligned rectangle with rounded corners (radius may be 0)."""

    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.c = ((x0 + x1) / 2, (y0 + y1) / 2)
        self.h = ((x1 - x0) / 2, (y1 - y0) / 2)
        self.radius = radius
        self.bbox = (x0, y0, x1, y1)

    def d(self, x, y):
        r = self.radius
        qx = abs(x - self.c[0]) - self.h[0] + r
        qy = abs(y - self.c[1]) - self.h[1] + r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r


class Bar(Shape):
    """A straight bar of width w from a to b with square ends."""

    def __init__(self, ax, ay, bx, by, w):
        length = math.hypot(bx - ax, by - ay)
        self.a, self.u = (ax, ay), ((bx - ax) / length, (by - ay) / length)
        self.half, self.len = w / 2, length
        pad = w / 2
        self.bbox = (min(ax, bx) - pad, min(ay, by) - pad, max(ax, bx) + pad, max(ay, by) + pad)

    def d(self, x, y):
        px, py = x - self.a[0], y - self.a[1]
        along = px * self.u[0] + py * self.u[1]
        across = -px * self.u[1] + py * self.u[0]
        qx = abs(along - self.len / 2) - self.len / 2
        qy = abs(across) - self.half
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0)


class Union(Shape):
    def __init__(self, *shapes):
        self.s = shapes
        self.bbox = (
            min(s.bbox[0] for s in shapes),
            min(s.bbox[1] for s in shapes),
            max(s.bbox[2] for s in shapes),
            max(s.bbox[3] for s in shapes),
        )

    def d(self, x, y):
        return min(s.d(x, y) for s in self.s)


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = (
            max(a.bbox[0], b.bbox[0]),
            max(a.bbox[1], b.bbox[1]),
            min(a.bbox[2], b.bbox[2]),
            min(a.bbox[3], b.bbox[3]),
        )

    def d(self, x, y):
        return max(self.a.d(x, y), self.b.d(x, y))


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b, self.bbox = a, b, a.bbox

    def d(self, x, y):
        return max(self.a.d(x, y), -self.b.d(x, y))


class Outline(Shape):
    """A band of width w centred on another shape's edge."""

    def __init__(self, shape, w):
        self.s, self.half = shape, w / 2
        b = shape.bbox
        self.bbox = (b[0] - w, b[1] - w, b[2] + w, b[3] + w)

    def d(self, x, y):
        return abs(self.s.d(x, y)) - self.half


class Grown(Shape):
    """Another shape grown outwards by r (shrunk for a negative r)."""

    def __init__(self, shape, r):
        self.s, self.r = shape, r
        b = shape.bbox
        self.bbox = (b[0] - r, b[1] - r, b[2] + r, b[3] + r)

    def d(self, x, y):
        return self.s.d(x, y) - self.r


# --- paints ---------------------------------------------------------------------------------


def linear(x0, y0, x1, y1, stops):
    """A paint blending through (t, colour) stops along the line from (x0, y0) to (x1, y1)."""
    ex, ey = x1 - x0, y1 - y0
    ee = ex * ex + ey * ey

    def paint(x, y):
        return _stop(stops, ((x - x0) * ex + (y - y0) * ey) / ee)

    return paint


def radial(cx, cy, r, stops):
    def paint(x, y):
        return _stop(stops, math.hypot(x - cx, y - cy) / r)

    return paint


def _stop(stops, t):
    t = clamp(t)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 0.0)
    return stops[-1][1]


# --- canvas ---------------------------------------------------------------------------------


class Canvas:
    """Premultiplied RGBA floats (0..255 colour, 0..1 alpha), drawn at ss x ss samples a pixel."""

    def __init__(self, width, height, ss=4):
        self.w, self.h, self.ss = width, height, ss
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * ss * height * ss)]

    def fill(self, shape, paint, opacity=1.0):
        ss = self.ss
        sw, sh = self.w * ss, self.h * ss
        x0, y0, x1, y1 = shape.bbox
        i0, j0 = max(0, int(math.floor(x0 * ss)) - 2), max(0, int(math.floor(y0 * ss)) - 2)
        i1, j1 = min(sw, int(math.ceil(x1 * ss)) + 2), min(sh, int(math.ceil(y1 * ss)) + 2)
        const = None if callable(paint) else paint
        for j in range(j0, j1):
            y = (j + 0.5) / ss
            row = j * sw
            for i in range(i0, i1):
                x = (i + 0.5) / ss
                a = clamp(0.5 - shape.d(x, y) * ss) * opacity
                if a <= 0.0:
                    continue
                c = const if const is not None else paint(x, y)
                p = self.px[row + i]
                k = 1.0 - a
                p[0] = c[0] * a + p[0] * k
                p[1] = c[1] * a + p[1] * k
                p[2] = c[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def pixels(self):
        """Box-filtered straight RGBA: a list of rows of (r, g, b, alpha 0..1)."""
        ss, sw = self.ss, self.w * self.ss
        n = ss * ss
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                acc = [0.0, 0.0, 0.0, 0.0]
                for j in range(y * ss, y * ss + ss):
                    for i in range(x * ss, x * ss + ss):
                        p = self.px[j * sw + i]
                        for k in range(4):
                            acc[k] += p[k]
                a = acc[3] / n
                if a > 0.0:
                    row.append((acc[0] / n / a, acc[1] / n / a, acc[2] / n / a, a))
                else:
                    row.append((0.0, 0.0, 0.0, 0.0))
            rows.append(row)
        return rows
