#!/usr/bin/env python3
"""Draws the icons of the portfolio tab's views (the navigation bar's own images are
generate_navigation_bar_images.py's).

Writes into resources/images, all with an alpha channel:
- the tab icons "WszystkieFasolki", "Archiwum" and "PobraneRzeczy" (32 x 32, in colour) and
  "BibliotekaMatRefTemplate" (32 x 32, a template: black with alpha);
Shapes are signed distance functions, sampled 4 x 4 times per pixel for smooth edges. Only the standard
library is used, so every run gives the same files.
"""

import math
from pathlib import Path

from generate_card_images import write_rgba

SAMPLES = 4

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
BEAN_LIGHT = (196, 136, 78)
BEAN_MID = (170, 110, 58)
BEAN_DARK = (138, 84, 44)
BEAN_EDGE = (96, 58, 30)
CARDBOARD = (190, 150, 102)
CARDBOARD_DARK = (150, 112, 70)
CARDBOARD_EDGE = (102, 72, 40)
GREEN = (92, 150, 62)
GREEN_EDGE = (50, 94, 36)


# Shapes: functions of a point giving the signed distance to the outline, negative inside.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def sdf(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        # Close enough to a true distance for the fairly round shapes drawn here.
        return (math.hypot(u / rx, v / ry) - 1.0) * min(rx, ry)
    return sdf


def box(x0, y0, x1, y1, r=0.0):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sdf


def segment(ax, ay, bx, by, width):
    def sdf(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return sdf


def polygon(points):
    def sdf(x, y):
        inside, nearest = False, float("inf")
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
            nearest = min(nearest, segment(ax, ay, bx, by, 0.0)(x, y))
        return -nearest if inside else nearest
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def grown(shape, by):
    return lambda x, y: shape(x, y) - by


def bean(cx, cy, size, angle):
    """A kidney bean: an oval with a shallow notch in its inner side."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    body = ellipse(cx, cy, size, size * 0.7, angle)
    nx, ny = cx + s * size * 0.85, cy - c * size * 0.85
    return minus(body, circle(nx, ny, size * 0.45))


# Painting: layers of (shape, colour, opacity) over a transparent square.

def render(size, layers):
    pixels = []
    step = 1.0 / SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for shape, colour, opacity in layers:
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if shape(px + (sx + 0.5) * step, py + (sy + 0.5) * step) <= 0:
                            hits += 1
                cover = opacity * hits / (SAMPLES * SAMPLES)
                if cover == 0:
                    continue
                # Source over, with premultiplied sums.
                r = colour[0] * cover + r * (1 - cover)
                g = colour[1] * cover + g * (1 - cover)
                b = colour[2] * cover + b * (1 - cover)
                a = cover + a * (1 - cover)
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a)))
        pixels.append(row)
    return pixels


def template(size, shape, colour=BLACK):
    return render(size, [(shape, colour, 1.0)])


def shiny_bean(shape_args, fill):
    cx, cy, size, angle = shape_args
    shape = bean(cx, cy, size, angle)
    return [
        (grown(shape, 0.9), BEAN_EDGE, 1.0),
        (shape, fill, 1.0),
        (ellipse(cx - size * 0.3, cy - size * 0.22, size * 0.32, size * 0.13, angle - 20), WHITE, 0.35),
    ]


# The icons.

ALL_BEANS = [(10.0, 11.0, 7.0, -25), (22.5, 11.5, 6.5, 35), (16.0, 22.5, 8.0, 0)]


def all_beans():
    layers = []
    for args, fill in zip(ALL_BEANS, (BEAN_DARK, BEAN_LIGHT, BEAN_MID)):
        layers += shiny_bean(args, fill)
    return render(32, layers)


def archive_box(lid, body, slot):
    return [
        (grown(body, 1.0), CARDBOARD_EDGE, 1.0),
        (body, CARDBOARD_DARK, 1.0),
        (grown(lid, 1.0), CARDBOARD_EDGE, 1.0),
        (lid, CARDBOARD, 1.0),
        (slot, CARDBOARD_EDGE, 1.0),
    ]


def archive():
    lid = box(3.5, 6.5, 28.5, 12.0, 1.5)
    body = box(5.5, 11.0, 26.5, 27.5, 1.5)
    slot = box(12.0, 16.0, 20.0, 19.5, 1.75)
    layers = archive_box(lid, body, slot)
    layers.append((box(6.5, 12.0, 25.5, 13.0), (0, 0, 0), 0.18))
    return render(32, layers)


def tray(top, bottom, left, right):
    return polygon([(left, top), (left + 3, top), (left + 6, top + 4), (right - 6, top + 4), (right - 3, top),
                    (right, top), (right, bottom), (left, bottom)])


def down_arrow(cx, top, bottom, shaft, head):
    neck = bottom - head
    return polygon([(cx - shaft / 2, top), (cx + shaft / 2, top), (cx + shaft / 2, neck), (cx + head, neck),
                    (cx, bottom), (cx - head, neck), (cx - shaft / 2, neck)])


def downloads():
    base = tray(19.0, 28.5, 3.5, 28.5)
    arrow = down_arrow(16.0, 3.0, 21.5, 6.0, 7.5)
    return render(32, [
        (grown(base, 1.0), CARDBOARD_EDGE, 1.0),
        (base, CARDBOARD, 1.0),
        (grown(arrow, 1.0), GREEN_EDGE, 1.0),
        (arrow, GREEN, 1.0),
    ])


def reference_library():
    books = []
    for x0, x1, top in ((4.0, 9.0, 7.0), (10.0, 14.0, 4.0), (15.0, 20.5, 8.0)):
        spine = box(x0, top, x1, 26.0, 0.75)
        bands = union(box(x0, top + 3.0, x1, top + 4.2), box(x0, 21.5, x1, 22.7))
        books.append(minus(spine, bands))
    leaning = polygon([(21.5, 26.0), (26.0, 26.0), (30.0, 10.0), (25.5, 9.0)])
    shelf = box(2.0, 27.0, 30.0, 29.0, 0.5)
    return template(32, union(*books, leaning, shelf))


def main():
    images = Path(__file__).resolve().parent.parent / "resources" / "images"
    images.mkdir(parents=True, exist_ok=True)
    drawn = {
        "WszystkieFasolki": all_beans(),
        "Archiwum": archive(),
        "PobraneRzeczy": downloads(),
        "BibliotekaMatRefTemplate": reference_library(),
    }
    for name, pixels in drawn.items():
        write_rgba(images / f"{name}.png", pixels)


if __name__ == "__main__":
    main()
