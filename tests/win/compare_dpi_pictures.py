#!/usr/bin/python3
"""Compares pictures of the main window's first start.

  compare_dpi_pictures.py AT_96.png AT_144.png README.png

AT_96 must match the README's screenshot within a small tolerance. AT_144
must be AT_96 grown by 1.5: the window's size, the rounded outline, the title
strip across the whole width, the orange pictures and the four colour bands
where the scale puts them (2 pixels of tolerance), and everything else alike
once text is allowed a few pixels of play.
"""
import subprocess
import sys

import numpy as np

SCALE = 1.5
TOLERANCE = 2  # pixels, for positions at 144 DPI


def read(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    parts = ppm.split(maxsplit=4)
    width, height = int(parts[1]), int(parts[2])
    return np.frombuffer(parts[4][: width * height * 3], dtype=np.uint8).reshape(height, width, 3).astype(int)


def near(img, rgb, slack=10):
    return (np.abs(img - np.array(rgb)).max(axis=2) <= slack)


def box(mask):
    ys, xs = np.nonzero(mask)
    if len(xs) == 0:
        return None
    return xs.min(), ys.min(), xs.max() + 1, ys.max() + 1


def strip_height(img):
    """Rows of the dark title strip down a column near the left edge."""
    column = img[:, img.shape[1] // 20]
    rows = 0
    while rows < len(column) and column[rows].max() < 0x80:
        rows += 1
    return rows


def corner_cut(img):
    """How far the rounded outline cuts into the top row from the left."""
    top = img[0]
    grey = np.array([0x70, 0x70, 0x70])
    cut = 0
    while cut < len(top) // 2 and np.abs(top[cut] - grey).max() > 12:
        cut += 1
    return cut


def strip_spans_width(img, scale):
    """The strip's dark shade runs from edge to edge, left of the pictures."""
    row = img[int(22 * scale)]
    span = row[int(8 * scale): int(620 * scale)]
    return bool((span.max(axis=1) < 0x60).all())


# Colours as the screen shows them (R, G, B), with a name for messages.
BANDS = {
    "Delta band": (0xFF, 0xE0, 0xC0),
    "Theta band": (0xFF, 0xC0, 0x80),
    "Alpha band": (0xFF, 0x80, 0x00),
    "Beta band": (0xC0, 0x40, 0x00),
}


def features(img, scale):
    found = {name: box(near(img, rgb, 6)) for name, rgb in BANDS.items()}
    top = img[: int(40 * scale)]
    orange = (top[:, :, 0] >= 0xC0) & (top[:, :, 1] >= 0x20) & (top[:, :, 1] <= 0x80) & (top[:, :, 2] <= 0x50)
    found["close and minimize pictures"] = box(orange)
    return found


def tolerant_mismatch(small, big):
    """Share of the big picture's pixels with no close colour in the small
    picture within 2 of its own pixels around the scaled position."""
    h, w = big.shape[:2]
    ys = np.minimum((np.arange(h) / SCALE).astype(int), small.shape[0] - 1)
    xs = np.minimum((np.arange(w) / SCALE).astype(int), small.shape[1] - 1)
    best = np.full((h, w), 255)
    for dy in range(-2, 3):
        for dx in range(-2, 3):
            yy = np.clip(ys + dy, 0, small.shape[0] - 1)
            xx = np.clip(xs + dx, 0, small.shape[1] - 1)
            shifted = small[yy][:, xx]
            best = np.minimum(best, np.abs(shifted - big).max(axis=2))
    return float((best > 48).mean())


def main():
    at96, at144, readme = (read(p) for p in sys.argv[1:4])
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    # The README's screenshot is what a new user sees.
    same_size = at96.shape == readme.shape
    check(same_size, f"96 DPI window {at96.shape[1]} x {at96.shape[0]}, README {readme.shape[1]} x {readme.shape[0]}")
    if same_size:
        differ = float((np.abs(at96 - readme).max(axis=2) > 48).mean())
        check(differ <= 0.005, f"96 DPI window against the README's screenshot: {differ:.2%} of pixels differ")

    want = (round(at96.shape[1] * SCALE), round(at96.shape[0] * SCALE))
    got = (at144.shape[1], at144.shape[0])
    check(abs(got[0] - want[0]) <= 1 and abs(got[1] - want[1]) <= 1, f"144 DPI window {got[0]} x {got[1]}, scaled {want}")

    h96, h144 = strip_height(at96), strip_height(at144)
    check(abs(h144 - h96 * SCALE) <= TOLERANCE, f"title strip {h96} rows at 96 DPI, {h144} at 144")
    for img, name, scale in ((at96, "96", 1.0), (at144, "144", SCALE)):
        check(strip_spans_width(img, scale), f"title strip spans the window's width at {name} DPI")
    c96, c144 = corner_cut(at96), corner_cut(at144)
    check(c96 > 0 and abs(c144 - c96 * SCALE) <= TOLERANCE, f"rounded corner cuts {c96} px at 96 DPI, {c144} at 144")

    f96, f144 = features(at96, 1.0), features(at144, SCALE)
    for name in f96:
        b96, b144 = f96[name], f144[name]
        if b96 is None or b144 is None:
            check(False, f"{name}: found at 96 DPI {b96}, at 144 DPI {b144}")
            continue
        scaled = tuple(round(v * SCALE) for v in b96)
        off = max(abs(a - b) for a, b in zip(scaled, b144))
        check(off <= TOLERANCE, f"{name}: {tuple(map(int, b144))} at 144 DPI, scaled from 96 DPI {scaled}")

    mismatch = tolerant_mismatch(at96, at144)
    check(mismatch <= 0.02, f"144 DPI window against the 96 DPI one grown by 1.5: {mismatch:.2%} of pixels differ")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
