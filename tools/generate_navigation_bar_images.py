#!/usr/bin/env python3
"""Draws the navigation bar's images into resources/images.

- "PasekNawigacji-Zaznaczenie-" and "PasekNawigacji-ZaznaczenieNieaktywne-" "Lewe", "Srodek",
  "Prawe": a rounded green bar across the selected row (grey in a window that is not the main one).
- The template icons of "All Beans" and "Archived Beans" (black shapes on clear; the bar tints
  them), their "Klikniete" variants, and the Downloads icon.
- "OtworzWNowymOknieTemplate" and "OtworzWNowymOknieZaznaczone": a small window with an arrow.
Only the standard library is used; every run gives the same files.
"""

from pathlib import Path

from generate_card_images import write_rgba

CLEAR = (0, 0, 0, 0)


def selection(colour, height=30, cap=6):
    r, g, b, a = colour

    def shade(y):
        # A little lighter at the top, darker at the bottom.
        f = 1.08 - 0.16 * y / (height - 1)
        return (min(255, round(r * f)), min(255, round(g * f)), min(255, round(b * f)), a)

    def inside(x, y, w):
        # A rounded end: corners of radius `cap`.
        cx = cap - 0.5
        for cy in (cap - 0.5, height - cap - 0.5):
            if (y < cap and cy == cap - 0.5) or (y >= height - cap and cy != cap - 0.5):
                return (x - cx) ** 2 + (y - cy) ** 2 <= cap * cap
        return True

    left = [[shade(y) if inside(x, y, cap) else CLEAR for x in range(cap)] for y in range(height)]
    centre = [[shade(y)] for y in range(height)]
    right = [row[::-1] for row in left]
    return {"Lewe": left, "Srodek": centre, "Prawe": right}


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def fill(image, x0, y0, x1, y1, alpha=255):
    for y in range(y0, y1):
        for x in range(x0, x1):
            image[y][x] = (0, 0, 0, alpha)


def beans_icon(filled):
    image = canvas(22)
    for cx, cy in ((7, 8), (15, 8), (11, 15)):
        for y in range(22):
            for x in range(22):
                d = ((x - cx) / 4.2) ** 2 + ((y - cy) / 3.2) ** 2
                if d <= 1.0 and (filled or d >= 0.45):
                    image[y][x] = (0, 0, 0, 255)
    return image


def archive_icon(filled):
    image = canvas(22)
    fill(image, 2, 4, 20, 8)
    fill(image, 3, 8, 19, 19)
    if filled:
        # The bar tints only the shape: the seam under the lid and the handle must stay clear, or
        # the selected icon is a plain block.
        fill(image, 3, 8, 19, 9, 0)
        fill(image, 8, 11, 14, 13, 0)
    else:
        fill(image, 5, 10, 17, 17, 0)
        fill(image, 8, 11, 14, 13)
    return image


def downloads_icon():
    image = canvas(22)
    fill(image, 10, 3, 12, 13)
    for i in range(5):
        fill(image, 6 + i, 9 + i, 16 - i, 10 + i)
    fill(image, 3, 17, 19, 19)
    return image


def new_window_button(colour):
    image = canvas(14)
    r, g, b = colour
    for y in range(14):
        for x in range(14):
            edge = x in (1, 12) or y in (2, 12)
            inside = 1 <= x <= 12 and 2 <= y <= 12
            title = 3 <= y <= 4 and 1 <= x <= 12
            if inside and (edge or title):
                image[y][x] = (r, g, b, 255)
    for i in range(4):
        image[10 - i][5 + i] = (r, g, b, 255)
    for x in range(6, 10):
        image[6][x] = (r, g, b, 255)
    for y in range(6, 10):
        image[y][9] = (r, g, b, 255)
    return image


def main():
    images = Path(__file__).resolve().parent.parent / "resources" / "images"
    for prefix, colour in (("PasekNawigacji-Zaznaczenie-", (92, 146, 52, 255)),
                           ("PasekNawigacji-ZaznaczenieNieaktywne-", (150, 152, 146, 255))):
        for name, pixels in selection(colour).items():
            write_rgba(images / f"{prefix}{name}.png", pixels)
    write_rgba(images / "PasekNawigacji-WszystkieFasolki-22px-Template.png", beans_icon(False))
    write_rgba(images / "PasekNawigacji-WszystkieFasolki-22px-Klikniete-Template.png", beans_icon(True))
    write_rgba(images / "PasekNawigacji-Archiwum-22px-Template.png", archive_icon(False))
    write_rgba(images / "PasekNawigacji-Archiwum-22px-Klikniete-Template.png", archive_icon(True))
    write_rgba(images / "PasekNawigacji-PobraneRzeczy-22px-Template.png", downloads_icon())
    write_rgba(images / "OtworzWNowymOknieTemplate.png", new_window_button((80, 80, 80)))
    write_rgba(images / "OtworzWNowymOknieZaznaczone.png", new_window_button((255, 255, 255)))


if __name__ == "__main__":
    main()
