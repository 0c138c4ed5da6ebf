#!/usr/bin/env python3
"""Writes background.png: the window's 700 x 600 light-blue cloud texture.

Smooth value noise (a few octaves), its sample points bent by slow sine waves
so the clouds drift in bands, mapped onto a 57-colour palette of light blues.
A fixed random seed makes every run produce the same bytes.
"""

import math
import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches
import png_writer  # noqa: E402

WIDTH, HEIGHT = 700, 600
COLOURS = 57
DARK = (0xC8, 0xE6, 0xFA)   # the deepest blue of the palette
LIGHT = (0xF0, 0xFA, 0xFF)  # the palest, almost white
SEED = 1957
# (cell size in px, weight) of each noise octave: large soft shapes first.
OCTAVES = ((150, 1.0), (75, 0.5), (36, 0.25), (18, 0.12))
WARP = 40  # the sine bends move a sample point by less than this many px


def smooth(t: float) -> float:
    """Quintic fade: no visible creases at the lattice lines."""
    return t * t * t * (t * (t * 6 - 15) + 10)


class ValueNoise:
    """Random values on a square lattice, smoothly interpolated between."""

    def __init__(self, rng: random.Random, cell: int):
        self.cell = cell
        self.cols = (WIDTH + 2 * WARP) // cell + 2
        self.rows = (HEIGHT + 2 * WARP) // cell + 2
        self.grid = [[rng.random() for _ in range(self.cols)] for _ in range(self.rows)]

    def at(self, x: float, y: float) -> float:
        gx, gy = (x + WARP) / self.cell, (y + WARP) / self.cell
        ix, iy = int(gx), int(gy)
        fx, fy = smooth(gx - ix), smooth(gy - iy)
        top, bottom = self.grid[iy], self.grid[iy + 1]
        upper = top[ix] + (top[ix + 1] - top[ix]) * fx
        lower = bottom[ix] + (bottom[ix + 1] - bottom[ix]) * fx
        return upper + (lower - upper) * fy


def field() -> list:
    """Raw texture values, one row of floats per pixel row."""
    rng = random.Random(SEED)
    octaves = [(ValueNoise(rng, cell), weight) for cell, weight in OCTAVES]
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            # Bend the sample point so the shapes read as slow waves.
            wx = x + 22 * math.sin(y / 53.0) + 9 * math.sin((x + y) / 31.0)
            wy = y + 18 * math.sin(x / 71.0)
            v = sum(noise.at(wx, wy) * w for noise, w in octaves)
            row.append(v + 0.18 * math.sin(x / 97.0 + y / 61.0))
        rows.append(row)
    return rows


def palette() -> list:
    """COLOURS distinct light blues from DARK to LIGHT.

    Plain rounding of a straight blend repeats colours, because the channels
    span only 40, 20 and 5 levels. Instead walk from DARK to LIGHT one unit in
    one channel at a time, each channel keeping pace with its share of the
    walk, and pick COLOURS evenly spaced stops along it.
    """
    spans = [l - d for d, l in zip(DARK, LIGHT)]
    total = sum(spans)
    walk, current, done = [DARK], list(DARK), [0, 0, 0]
    for step in range(1, total + 1):
        # The channel furthest behind its proportional position moves next.
        lag = [step * s / total - n for s, n in zip(spans, done)]
        c = max(range(3), key=lambda i: (lag[i], -i))
        current[c] += 1
        done[c] += 1
        walk.append(tuple(current))
    return [walk[round(i * total / (COLOURS - 1))] for i in range(COLOURS)]


def quantise(rows: list) -> list:
    """Maps the field's full range onto palette indexes 0 .. COLOURS - 1."""
    lo = min(min(r) for r in rows)
    hi = max(max(r) for r in rows)
    scale = (COLOURS - 1) / (hi - lo)
    return [bytes(round((v - lo) * scale) for v in r) for r in rows]


def main() -> None:
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "background.png")
    data = png_writer.encode(WIDTH, HEIGHT, png_writer.COLOUR_PALETTE,
                             quantise(field()), palette())
    png_writer.write(out, data)


if __name__ == "__main__":
    main()
