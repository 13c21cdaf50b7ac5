#!/usr/bin/env python3
"""Draws the About window's background, tarrowind-o-programie.png in resources/images: pale
writing paper with faint blue rules, seamless in both directions so the window can tile it.
It borrows the PNG writer and the paper surface of generate_wood_textures.py; the seed is fixed,
so every run gives the same file.
"""

import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from generate_wood_textures import SURFACE, clamp, surface, write_png  # noqa: E402

RULE_SPACING = 16
RULE_COLOUR = (150, 178, 214)


def ruled_paper(rng):
    rows = surface(rng, (246, 242, 230), 0.025)
    for y in range(0, SURFACE, RULE_SPACING):
        row = rows[y]
        for x in range(SURFACE):
            # A thin rule, a little lighter where the paper's fibre shows through.
            r, g, b = row[3 * x:3 * x + 3]
            mix = 0.35
            row[3 * x:3 * x + 3] = bytes(clamp(c * (1 - mix) + t * mix) for c, t in zip((r, g, b), RULE_COLOUR))
    return rows


def main():
    rng = random.Random(2207)
    images = Path(__file__).resolve().parent.parent / "resources" / "images"
    write_png(images / "tarrowind-o-programie.png", SURFACE, SURFACE, ruled_paper(rng))


if __name__ == "__main__":
    main()
