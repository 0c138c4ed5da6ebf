#!/usr/bin/env python3
"""Writes the program icon: a small generic window (frame, title bar, client).

Produces icon16.png, icon32.png, icon48.png and numoria.ico (16 and 32 px PNG
entries). Each size is drawn on its own pixel grid, so edges stay sharp; the
geometry follows numoria.svg, which shows the same design at 48 units.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
import png_writer  # noqa: E402

SIZES = (16, 32, 48)
ICO_SIZES = (16, 32)

CLEAR = (0, 0, 0, 0)
SHADOW = (0, 0, 0, 64)
FRAME = (0x1F, 0x3A, 0x60, 255)
CAPTION_LEFT = (0x1E, 0x50, 0xB4)
CAPTION_RIGHT = (0x6A, 0xA8, 0xF0)
CLIENT = (0xFF, 0xFF, 0xFF, 255)
BUTTON = (0xE8, 0xEC, 0xF2, 255)
GLYPH = (0x1F, 0x3A, 0x60, 255)
LINE = (0xB4, 0xCC, 0xEA, 255)


class Canvas:
    """An RGBA pixel grid with filled rectangles (right/bottom exclusive)."""

    def __init__(self, size: int):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def fill(self, left: int, top: int, right: int, bottom: int, colour) -> None:
        for y in range(top, bottom):
            for x in range(left, right):
                self.px[y][x] = colour

    def rows(self) -> list:
        return [b"".join(bytes(p) for p in row) for row in self.px]


def caption_colour(x: int, left: int, right: int) -> tuple:
    """Horizontal blend of the title bar, dark at the left."""
    t = (x - left) / max(1, right - left - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(CAPTION_LEFT, CAPTION_RIGHT)) + (255,)


def draw(size: int) -> Canvas:
    """The window at one size; in 16ths of the size: x 1..15, y 2..14."""
    unit = size // 16
    c = Canvas(size)
    left, top, right, bottom = unit, 2 * unit, size - unit, size - 2 * unit
    bar = 3 * unit  # title bar height inside the frame

    c.fill(left + 1, top + 1, right + 1, bottom + 1, SHADOW)
    c.fill(left, top, right, bottom, FRAME)
    for x in range(left + 1, right - 1):
        c.fill(x, top + 1, x + 1, top + 1 + bar, caption_colour(x, left + 1, right - 1))
    c.fill(left + 1, top + 1 + bar, right - 1, bottom - 1, CLIENT)

    # Close box at the right end of the title bar.
    box = bar - 2 * max(1, unit // 2)
    bx, by = right - 1 - unit - box, top + 1 + (bar - box) // 2
    c.fill(bx, by, bx + box, by + box, BUTTON)
    if box >= 5:  # smaller boxes have no room for a legible cross
        for i in range(1, box - 1):
            c.fill(bx + i, by + i, bx + i + 1, by + i + 1, GLYPH)
            c.fill(bx + box - 1 - i, by + i, bx + box - i, by + i + 1, GLYPH)

    # From 32 px on, a few lines of text hint at the window's content.
    if size >= 32:
        indent = left + 1 + 2 * unit
        full = right - 1 - 2 * unit - indent
        for n, share in enumerate((0.8, 0.55, 0.7)):
            y = top + 1 + bar + 2 * unit + n * 2 * unit
            c.fill(indent, y, indent + round(full * share), y + max(1, unit - 1), LINE)
    return c


def ico(pngs: dict) -> bytes:
    """An ICO file whose entries are whole PNG images (Vista and later)."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries, images = [], []
    for size, data in sorted(pngs.items()):
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                                   len(data), offset))
        images.append(data)
        offset += len(data)
    return header + b"".join(entries) + b"".join(images)


def main() -> None:
    here = os.path.dirname(os.path.abspath(__file__))
    pngs = {}
    for size in SIZES:
        pngs[size] = png_writer.encode(size, size, png_writer.COLOUR_RGBA, draw(size).rows())
        png_writer.write(os.path.join(here, f"icon{size}.png"), pngs[size])
    png_writer.write(os.path.join(here, "numoria.ico"),
                     ico({s: pngs[s] for s in ICO_SIZES}))


if __name__ == "__main__":
    main()
