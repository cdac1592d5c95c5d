#!/usr/bin/env python3
"""Draws the application icon and writes it as a .ico file.

    python3 tools/artwork/make_icon.py OUT.ico

The mark: two sine tones of slightly different pitch, one white and one
orange-red, crossing over a dark rounded square shaded like the window's
title strip. Images of 48, 32, 20 and 16 pixels, 32-bit with alpha, stored
as uncompressed DIBs. Standard library only, so any build can run it.
"""
import math
import struct
import sys

SIZES = (48, 32, 20, 16)
SAMPLES = 6  # per pixel and direction; averaging them smooths every edge

TILE_TOP = (0x70, 0x70, 0x70)     # grey, as the title strip
TILE_BOTTOM = (0x0C, 0x0C, 0x0C)  # nearly black
WHITE = (0xFF, 0xFF, 0xFF)
ORANGE_RED = (0xFF, 0x5A, 0x28)   # the close and minimize pictures


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def inside_rounded_square(x, y, lo, hi, radius):
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


class Wave:
    """y = centre + amplitude * sin(2 pi cycles t + phase) for t in 0..1 over [x0, x1]."""

    def __init__(self, size, cycles, phase, amplitude, colour, half_width):
        self.x0, self.x1 = size * 0.16, size * 0.84
        self.centre = size * 0.5
        self.k = 2 * math.pi * cycles / (self.x1 - self.x0)
        self.phase = phase
        self.amplitude = amplitude
        self.colour = colour
        self.half_width = half_width

    def covers(self, x, y):
        if x < self.x0 or x > self.x1:
            return False
        angle = self.k * (x - self.x0) + self.phase
        dy = y - (self.centre - self.amplitude * math.sin(angle))
        slope = self.amplitude * self.k * math.cos(angle)
        # Distance to the curve, from the vertical distance and the slope.
        return abs(dy) / math.sqrt(1 + slope * slope) <= self.half_width


def render(size):
    """Rows of (r, g, b, a) tuples, top row first."""
    margin = size / 24
    lo, hi = margin, size - margin
    radius = size * 0.2
    stroke = max(size / 16, 1.2) / 2
    amplitude = size * 0.17
    # An orange-red tone and a slightly lower white one on top, in step at the
    # left and drifting apart across the tile.
    waves = [
        Wave(size, 1.5, 0.0, amplitude, ORANGE_RED, stroke),
        Wave(size, 1.0, 0.0, amplitude, WHITE, stroke),
    ]
    n = SAMPLES * SAMPLES
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                y = py + (sy + 0.5) / SAMPLES
                tile = mix(TILE_TOP, TILE_BOTTOM, (y - lo) / (hi - lo))
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    if not inside_rounded_square(x, y, lo, hi, radius):
                        continue
                    colour = tile
                    for wave in waves:  # the later wave lies on top
                        if wave.covers(x, y):
                            colour = wave.colour
                    r += colour[0]
                    g += colour[1]
                    b += colour[2]
                    a += 1
            if a:
                # Colour averaged over the covered samples; alpha is the coverage.
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(size, rows):
    """An icon image: BITMAPINFOHEADER, BGRA bottom-up, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(pixels) + bytes(mask)


def icon(sizes):
    images = [dib(size, render(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icon.py OUT.ico\n")
        return 2
    data = icon(SIZES)
    with open(argv[1], "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
