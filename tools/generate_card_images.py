#!/usr/bin/env python3
"""Draws the edges of the tab cards and the scribbled selection of the paper lists.

Writes into resources/images, all with an alpha channel:
- for the portfolio cards ("KartaPortfolio-") and the bean cards ("KartaFasolki-") six parts each:
  the bottom edge (left cap, centre, empty end corner) and the right edge (top corner, centre,
  bottom corner). The bottom centre's height and the right centre's width are the edges' sizes.
  A portfolio card shows a thin rim of sheets; a bean card is thick cardboard whose bottom edge
  hangs below the card.
- "TabelaPapierowa-Zaznaczenie-" and "TabelaPapierowa-ZaznaczenieNieaktywne-" "Lewe", "Srodek" and
  "Prawe": a marker stroke across a row, green while the list is active, grey otherwise.
Only the standard library is used, and the seed is fixed, so every run gives the same files.
"""

import random
from pathlib import Path

from generate_wood_textures import write_png

CLEAR = (0, 0, 0, 0)


def write_rgba(path, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    rows = [bytearray(v for p in row for v in p) for row in pixels]
    write_png(path, len(pixels[0]), len(pixels), rows, alpha=True)


def shade(alpha):
    return (0, 0, 0, round(255 * alpha))


def light(alpha):
    return (255, 255, 255, round(255 * alpha))


def faded(pixel, factor):
    r, g, b, a = pixel
    return (r, g, b, round(a * max(0.0, min(1.0, factor))))


class Card:
    """One kind of card: its bottom rows (top to bottom) and right columns (left to right).

    The right edge starts one point inside the card: column 0 lies on the card, column 1 on its
    outline, the rest on the desk. The bottom edge's last row inside the card is its outline."""

    def __init__(self, bottom_rows, right_columns, end_rows):
        self.bottom = bottom_rows
        self.right = right_columns
        self.end_rows = end_rows

    def images(self):
        h, w = len(self.bottom), len(self.right)
        centre_bottom = [[p] for p in self.bottom]
        left_cap = [[light(0.0) if p[3] == 0 else shade(0.3), p, p] for p in self.bottom]
        empty = [[CLEAR] * w for _ in range(h)]
        centre_right = [list(self.right)]
        top = []
        for y in range(12):
            # The card's top corner is round: the edge comes in below it.
            top.append([faded(p, (y - 3) / 7) for p in self.right])
        corner = []
        for y in range(h):
            row = []
            for x in range(w):
                if x < 2:
                    row.append(self.bottom[y])
                else:
                    # The thickness turns round the corner: lower rows reach less far out.
                    reach = w - (y - (h - self.end_rows)) - 1 if y >= h - self.end_rows else w
                    row.append(self.right[x] if x < reach else self.bottom[y] if self.bottom[y][3] and x < 3 else CLEAR)
            corner.append(row)
        return {
            "DolnaKrawedz-Lewa": left_cap,
            "DolnaKrawedz-Srodek": centre_bottom,
            "Naroznik-PrawyDolny-Pusty": empty,
            "Naroznik-PrawyGorny": top,
            "PrawaKrawedz-Srodek": centre_right,
            "Naroznik-PrawyDolny": corner,
        }


PORTFOLIO = Card(
    bottom_rows=[CLEAR, shade(0.04), shade(0.08), light(0.3), shade(0.14), shade(0.32)],
    right_columns=[light(0.2), shade(0.3), (78, 104, 58, 235), shade(0.3), shade(0.16), shade(0.06)],
    end_rows=3,
)

BEAN = Card(
    bottom_rows=[CLEAR, shade(0.35), (176, 146, 104, 255), (156, 124, 86, 255), (170, 139, 98, 255),
                 (96, 70, 44, 235), shade(0.18)],
    right_columns=[light(0.2), shade(0.35), (168, 137, 96, 255), (150, 119, 82, 255), (162, 131, 92, 255),
                   (96, 70, 44, 235), shade(0.18)],
    end_rows=4,
)


def marker(rng, colour, height=18):
    """A marker stroke: a centre column and two rough ends, each row a little different."""
    r, g, b, peak = colour
    rows = []
    for y in range(height):
        edge = min(y, height - 1 - y)
        strength = 0.0 if edge == 0 else 0.55 if edge == 1 else 0.9 + 0.1 * rng.random()
        rows.append(strength)
    centre = [[(r, g, b, round(peak * s))] for s in rows]

    def end(mirrored):
        width = 8
        image = []
        for y, s in enumerate(rows):
            start = 1 + rng.randrange(4) if s else width
            row = []
            for x in range(width):
                inside = x - start
                alpha = 0 if inside < 0 else s * min(1.0, 0.5 + 0.25 * inside)
                row.append((r, g, b, round(peak * alpha)))
            image.append(row[::-1] if mirrored else row)
        return image

    return {"Lewe": end(False), "Srodek": centre, "Prawe": end(True)}


def main():
    rng = random.Random(2417)
    images = Path(__file__).resolve().parent.parent / "resources" / "images"
    images.mkdir(parents=True, exist_ok=True)
    for prefix, card in (("KartaPortfolio-", PORTFOLIO), ("KartaFasolki-", BEAN)):
        for name, pixels in card.images().items():
            write_rgba(images / f"{prefix}{name}.png", pixels)
    for prefix, colour in (("TabelaPapierowa-Zaznaczenie-", (150, 204, 104, 200)),
                           ("TabelaPapierowa-ZaznaczenieNieaktywne-", (196, 198, 192, 190))):
        for name, pixels in marker(rng, colour).items():
            write_rgba(images / f"{prefix}{name}.png", pixels)


if __name__ == "__main__":
    main()
