#!/usr/bin/env python3
"""Writes the program icon: a small generic window (frame, title bar, client).

Produces icon<size>.png for the icon theme's sizes, numoria.ico (16 and 32 px
PNG entries) and numoria.svg, the scalable icon. Each size is drawn on its own
pixel grid, so edges stay sharp; the SVG is the 48 px geometry as vectors.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
import png_writer  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SVG_SIZE = 48
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


def sixteenths(size: int, k: float) -> int:
    """k sixteenths of the size, rounded half up; exact for multiples of 16."""
    return int(k * size + 8) // 16


def geometry(size: int) -> dict:
    """The window's parts at one size; in 16ths of the size: x 1..15, y 2..14.

    Rectangles are (left, top, right, bottom), right/bottom exclusive.
    """
    unit = size // 16
    left, top = sixteenths(size, 1), sixteenths(size, 2)
    right, bottom = size - left, size - top
    bar = sixteenths(size, 3)  # title bar height inside the frame
    box = bar - 2 * max(1, unit // 2)  # close box at the right end of the title bar
    bx, by = right - 1 - sixteenths(size, 1) - box, top + 1 + (bar - box) // 2
    lines = []
    if size >= 32:  # from 32 px on, a few lines of text hint at the content
        indent = left + 1 + sixteenths(size, 2)
        full = right - 1 - sixteenths(size, 2) - indent
        for n, share in enumerate((0.8, 0.55, 0.7)):
            y = top + 1 + bar + sixteenths(size, 2 + 2 * n)
            lines.append((indent, y, indent + round(full * share),
                          y + max(1, sixteenths(size, 1) - 1)))
    return {
        "shadow": (left + 1, top + 1, right + 1, bottom + 1),
        "frame": (left, top, right, bottom),
        "caption": (left + 1, top + 1, right - 1, top + 1 + bar),
        "client": (left + 1, top + 1 + bar, right - 1, bottom - 1),
        "box": (bx, by, bx + box, by + box),
        "lines": lines,
    }


def draw(size: int) -> Canvas:
    """The window at one size as pixels."""
    g = geometry(size)
    c = Canvas(size)
    c.fill(*g["shadow"], SHADOW)
    c.fill(*g["frame"], FRAME)
    left, top, right, bottom = g["caption"]
    for x in range(left, right):
        c.fill(x, top, x + 1, bottom, caption_colour(x, left, right))
    c.fill(*g["client"], CLIENT)
    bx, by, bx_end, _ = g["box"]
    box = bx_end - bx
    c.fill(*g["box"], BUTTON)
    if box >= 5:  # smaller boxes have no room for a legible cross
        for i in range(1, box - 1):
            c.fill(bx + i, by + i, bx + i + 1, by + i + 1, GLYPH)
            c.fill(bx + box - 1 - i, by + i, bx + box - i, by + i + 1, GLYPH)
    for line in g["lines"]:
        c.fill(*line, LINE)
    return c


def svg() -> str:
    """The scalable icon: the same parts at SVG_SIZE units."""
    g = geometry(SVG_SIZE)

    def rect(r, attributes: str) -> str:
        return (f'<rect x="{r[0]}" y="{r[1]}" width="{r[2] - r[0]}" height="{r[3] - r[1]}" '
                f'{attributes}/>')

    def hex_colour(colour) -> str:
        return "#" + "".join(f"{v:02x}" for v in colour[:3])

    left, _, right, _ = g["caption"]
    bx, by, bx_end, by_end = g["box"]
    a, b, c, d = bx + 1.5, by + 1.5, bx_end - 1.5, by_end - 1.5
    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f"<!-- Numoria's icon: a small generic window, the same design as icon{SVG_SIZE}.png. -->",
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SVG_SIZE}" height="{SVG_SIZE}" '
        f'viewBox="0 0 {SVG_SIZE} {SVG_SIZE}">',
        "  <defs>",
        f'    <linearGradient id="caption" x1="{left}" y1="0" x2="{right}" y2="0" '
        'gradientUnits="userSpaceOnUse">',
        f'      <stop offset="0" stop-color="{hex_colour(CAPTION_LEFT)}"/>',
        f'      <stop offset="1" stop-color="{hex_colour(CAPTION_RIGHT)}"/>',
        "    </linearGradient>",
        "  </defs>",
        "  " + rect(g["shadow"], f'fill="#000000" fill-opacity="{SHADOW[3] / 256:g}"'),
        "  " + rect(g["frame"], f'fill="{hex_colour(FRAME)}"'),
        "  " + rect(g["caption"], 'fill="url(#caption)"'),
        "  " + rect(g["client"], f'fill="{hex_colour(CLIENT)}"'),
        "  " + rect(g["box"], f'fill="{hex_colour(BUTTON)}"'),
        f'  <path d="M{a:g} {b:g} L{c:g} {d:g} M{c:g} {b:g} L{a:g} {d:g}" '
        f'stroke="{hex_colour(GLYPH)}" stroke-width="1.2"',
        '        stroke-linecap="square"/>',
        f'  <g fill="{hex_colour(LINE)}">',
        *("    " + rect(line, "").replace(" />", "/>") for line in g["lines"]),
        "  </g>",
        "</svg>",
    ]
    return "\n".join(out) + "\n"


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
    with open(os.path.join(here, "numoria.svg"), "w", encoding="utf-8") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
