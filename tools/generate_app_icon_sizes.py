#!/usr/bin/env python3
"""Scales the program's icon (resources/images/Tarrowind.png) to the sizes a desktop's icon theme asks for.

Writes resources/desktop/icons/Tarrowind-<n>.png for n = 16, 24, 32, 48, 64, 128, 256 and 512, all with an
alpha channel; the install puts them into the hicolor theme under the desktop entry's name. Each pixel is the
mean of 4 x 4 bilinear samples of the source in premultiplied alpha, so a shrunk edge keeps its colour and an
enlarged one stays smooth; the source's own size is a copy of it. Only the standard library is used, so every run gives the same files.
"""

import struct
import zlib
from pathlib import Path

from generate_card_images import write_rgba

SIZES = (16, 24, 32, 48, 64, 128, 256, 512)
SAMPLES = 4


def read_rgba(path):
    """Rows of premultiplied (r, g, b, a) floats of an 8-bit RGBA, non-interlaced PNG."""
    data = path.read_bytes()
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise SystemExit(f"{path}: only 8-bit RGBA without interlacing is read")
    raw, stride, previous, rows = zlib.decompress(idat), width * 4, bytearray(width * 4), []
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up, up_left = previous[i], previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else up_left)) & 0xFF
        previous = line
        rows.append([(line[i] * line[i + 3] / 255, line[i + 1] * line[i + 3] / 255,
                      line[i + 2] * line[i + 3] / 255, line[i + 3]) for i in range(0, stride, 4)])
    return rows


def bilinear(rows, x, y):
    """The source at (x, y) in pixel units, pixel centres at .5, clamped at the edges."""
    h, w = len(rows), len(rows[0])
    x, y = min(max(x - 0.5, 0.0), w - 1.0), min(max(y - 0.5, 0.0), h - 1.0)
    x0, y0 = min(int(x), w - 2), min(int(y), h - 2)
    fx, fy = x - x0, y - y0
    a, b, c, d = rows[y0][x0], rows[y0][x0 + 1], rows[y0 + 1][x0], rows[y0 + 1][x0 + 1]
    return [(a[k] * (1 - fx) + b[k] * fx) * (1 - fy) + (c[k] * (1 - fx) + d[k] * fx) * fy for k in range(4)]


def scaled(rows, size):
    scale = len(rows) / size
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    result = []
    for ty in range(size):
        row = []
        for tx in range(size):
            total = [0.0] * 4
            for oy in offsets:
                for ox in offsets:
                    for k, v in enumerate(bilinear(rows, (tx + ox) * scale, (ty + oy) * scale)):
                        total[k] += v
            r, g, b, a = (v / SAMPLES ** 2 for v in total)
            row.append((0, 0, 0, 0) if a < 0.5 else
                       tuple(min(255, round(v * 255 / a)) for v in (r, g, b)) + (round(a),))
        result.append(row)
    return result


def main():
    root = Path(__file__).resolve().parent.parent
    icon = root / "resources" / "images" / "Tarrowind.png"
    source = read_rgba(icon)
    out = root / "resources" / "desktop" / "icons"
    out.mkdir(parents=True, exist_ok=True)
    for size in SIZES:
        target = out / f"Tarrowind-{size}.png"
        if size == len(source):
            target.write_bytes(icon.read_bytes())
        else:
            write_rgba(target, scaled(source, size))


if __name__ == "__main__":
    main()
