#!/usr/bin/env python3
"""Draws the program's textures: the wooden desk and the surfaces of the tabs.

Writes into resources/images:
- DrewnianyStol.png, the desk, seamless in both directions, and DrewnianyStol-gora.png, the
  desk's far edge, seamless left to right;
- ZieloneTloKartyPortfolio.png, the green surface of a portfolio tab's card, and
  KartonProjektu.png, the cardboard under a bean's details, both seamless in both directions.
Only the standard library is used, and the seed is fixed, so every run gives the same files.
"""

import math
import random
import struct
import zlib
from pathlib import Path

SIZE = 256
PLANK = 64
EDGE_HEIGHT = 22


def write_png(path, width, height, rows, alpha=False):
    """rows: a list of bytearrays of RGB triples, or of RGBA quadruples with `alpha`."""
    raw = b"".join(b"\x00" + bytes(row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    path.write_bytes(png)


class PeriodicNoise:
    """Value noise on a grid that wraps around, so the texture tiles without a seam."""

    def __init__(self, rng, cells_x, cells_y):
        self.cx, self.cy = cells_x, cells_y
        self.grid = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]

    def at(self, u, v):
        # u, v in [0, 1): one period of the texture.
        x, y = u * self.cx, v * self.cy
        x0, y0 = int(math.floor(x)), int(math.floor(y))
        fx, fy = x - x0, y - y0
        sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        g = self.grid
        a = g[y0 % self.cy][x0 % self.cx]
        b = g[y0 % self.cy][(x0 + 1) % self.cx]
        c = g[(y0 + 1) % self.cy][x0 % self.cx]
        d = g[(y0 + 1) % self.cy][(x0 + 1) % self.cx]
        return (a * (1 - sx) + b * sx) * (1 - sy) + (c * (1 - sx) + d * sx) * sy


def clamp(value):
    return max(0, min(255, int(round(value))))


def wood_pixel(base, shade, grain):
    r, g, b = base
    k = shade * (0.82 + 0.18 * grain)
    return clamp(r * k), clamp(g * k), clamp(b * k)


def desk(rng):
    coarse = PeriodicNoise(rng, 4, 16)
    fine = PeriodicNoise(rng, 32, 64)
    planks = SIZE // PLANK
    tones = [0.92 + 0.16 * rng.random() for _ in range(planks)]
    rings = [3 + rng.randrange(3) for _ in range(planks)]
    offsets = [rng.random() for _ in range(planks)]
    base = (156, 102, 60)
    rows = []
    for y in range(SIZE):
        plank = y // PLANK
        local = (y % PLANK) / PLANK
        row = bytearray()
        for x in range(SIZE):
            u, v = x / SIZE, y / SIZE
            warp = 0.35 * coarse.at(u, v)
            phase = rings[plank] * (local + warp) + offsets[plank]
            grain = 0.5 + 0.5 * math.sin(2 * math.pi * phase)
            grain = grain ** 3 * 0.7 + 0.3 * fine.at(u, v)
            shade = tones[plank]
            seam = y % PLANK
            if seam == 0:
                shade *= 0.55
            elif seam == 1:
                shade *= 0.8
            elif seam == PLANK - 1:
                shade *= 1.08
            row.extend(wood_pixel(base, shade, 1.0 - grain))
        rows.append(row)
    return rows


def edge(rng):
    fine = PeriodicNoise(rng, 32, 2)
    base = (118, 74, 42)
    rows = []
    for y in range(EDGE_HEIGHT):
        t = y / (EDGE_HEIGHT - 1)
        row = bytearray()
        for x in range(SIZE):
            grain = fine.at(x / SIZE, t * 0.5)
            # Darker towards the window's top, a bevel highlight along the lower rim.
            shade = 0.62 + 0.38 * t
            if y >= EDGE_HEIGHT - 3:
                shade = 1.18 if y == EDGE_HEIGHT - 2 else 0.7
            row.extend(wood_pixel(base, shade, grain))
        rows.append(row)
    return rows


SURFACE = 128


def surface(rng, base, fibres):
    """A flat colour with a soft mottle and short fibres along x, seamless in both directions."""
    mottle = PeriodicNoise(rng, 8, 8)
    grain = PeriodicNoise(rng, 64, 64)
    streaks = PeriodicNoise(rng, 4, 128)
    rows = []
    for y in range(SURFACE):
        row = bytearray()
        for x in range(SURFACE):
            u, v = x / SURFACE, y / SURFACE
            shade = 0.94 + 0.08 * mottle.at(u, v) + 0.05 * (grain.at(u, v) - 0.5)
            shade += fibres * (streaks.at(u, v) - 0.5)
            r, g, b = base
            row.extend((clamp(r * shade), clamp(g * shade), clamp(b * shade)))
        rows.append(row)
    return rows


def main():
    rng = random.Random(1907)
    images = Path(__file__).resolve().parent.parent / "resources" / "images"
    images.mkdir(parents=True, exist_ok=True)
    write_png(images / "DrewnianyStol.png", SIZE, SIZE, desk(rng))
    write_png(images / "DrewnianyStol-gora.png", SIZE, EDGE_HEIGHT, edge(rng))
    write_png(images / "ZieloneTloKartyPortfolio.png", SURFACE, SURFACE, surface(rng, (120, 158, 86), 0.04))
    write_png(images / "KartonProjektu.png", SURFACE, SURFACE, surface(rng, (204, 178, 136), 0.10))


if __name__ == "__main__":
    main()
