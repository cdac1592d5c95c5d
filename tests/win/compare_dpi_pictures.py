#!/usr/bin/python3
"""Compares pictures of the product's windows at 96 and at 144 DPI.

  compare_dpi_pictures.py AT_96.png AT_144.png README.png [WIZARD_96 WIZARD_144]

AT_96, the main window's first start, must match the README's screenshot
within a small tolerance. AT_144 must be AT_96 grown by 1.5: the window's
size, the rounded outline, the title strip across the whole width, the orange
pictures and the four colour bands where the scale puts them (2 pixels of
tolerance), and everything else alike once text is allowed a few pixels of
play. The same goes for each wizard page kept in the two folders (client
areas): its size, the logo and the emblem, and everything else.
"""
import os
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


# The wizard pages the captions tests keep (file names) and the pictures in
# their headers: the wizard window has the logo and the emblem, the
# completion windows the emblem only.
WIZARD_PAGES = [
    ("setup-welcome", ("logo", "emblem")),
    ("setup-folder", ("logo", "emblem")),
    ("setup-progress", ("logo", "emblem")),
    ("setup-done", ("emblem",)),
    ("setup-failed", ("emblem",)),
    ("uninstall-welcome", ("logo", "emblem")),
    ("uninstall-progress", ("logo", "emblem")),
    ("uninstall-refused", ("logo", "emblem")),
    ("uninstall-done", ("emblem",)),
    ("uninstall-done-folder-kept", ("emblem",)),
    ("uninstall-incomplete", ("emblem",)),
]


def wizard_features(parts):
    """Finds the logo's blue and the emblem's orange-red within the white
    header (69 pixels high at 96 DPI; below it the progress bar shares the
    logo's blue)."""
    def find(img, scale):
        top = img[: int(69 * scale)].astype(int)
        r, g, b = top[:, :, 0], top[:, :, 1], top[:, :, 2]
        found = {
            "logo": box((b >= 0x40) & (b >= r + 0x30) & (r <= 0x40)),
            "emblem": box((r >= 0xC0) & (g >= 0x20) & (g <= 0x80) & (b <= 0x50)),
        }
        return {part: found[part] for part in parts}
    return find


def compare_grown(name, at96, at144, features, check):
    """AT_144 is AT_96 grown by 1.5: size, the features' places, the rest."""
    want = (round(at96.shape[1] * SCALE), round(at96.shape[0] * SCALE))
    got = (at144.shape[1], at144.shape[0])
    check(abs(got[0] - want[0]) <= 1 and abs(got[1] - want[1]) <= 1, f"{name}: 144 DPI {got[0]} x {got[1]}, scaled {want}")
    f96, f144 = features(at96, 1.0), features(at144, SCALE)
    for part in f96:
        b96, b144 = f96[part], f144[part]
        if b96 is None or b144 is None:
            check(False, f"{name}, {part}: found at 96 DPI {b96}, at 144 DPI {b144}")
            continue
        scaled = tuple(round(v * SCALE) for v in b96)
        off = max(abs(a - b) for a, b in zip(scaled, b144))
        check(off <= TOLERANCE, f"{name}, {part}: {tuple(map(int, b144))} at 144 DPI, scaled from 96 DPI {scaled}")
    mismatch = tolerant_mismatch(at96, at144)
    check(mismatch <= 0.02, f"{name}: 144 DPI against 96 DPI grown by 1.5: {mismatch:.2%} of pixels differ")


def main():
    at96, at144, readme = (read(p) for p in sys.argv[1:4])
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    if len(sys.argv) > 5:
        for page, parts in WIZARD_PAGES:
            pictures = [f"{folder}/{page}.bmp" for folder in sys.argv[4:6]]
            if not all(os.path.exists(p) for p in pictures):
                check(False, f"{page}: no picture in {' and '.join(pictures)}")
                continue
            compare_grown(page, read(pictures[0]), read(pictures[1]), wizard_features(parts), check)

    # The README's screenshot is what a new user sees.
    same_size = at96.shape == readme.shape
    check(same_size, f"96 DPI window {at96.shape[1]} x {at96.shape[0]}, README {readme.shape[1]} x {readme.shape[0]}")
    if same_size:
        differ = float((np.abs(at96 - readme).max(axis=2) > 48).mean())
        check(differ <= 0.005, f"96 DPI window against the README's screenshot: {differ:.2%} of pixels differ")

    h96, h144 = strip_height(at96), strip_height(at144)
    check(abs(h144 - h96 * SCALE) <= TOLERANCE, f"title strip {h96} rows at 96 DPI, {h144} at 144")
    for img, name, scale in ((at96, "96", 1.0), (at144, "144", SCALE)):
        check(strip_spans_width(img, scale), f"title strip spans the window's width at {name} DPI")
    c96, c144 = corner_cut(at96), corner_cut(at144)
    check(c96 > 0 and abs(c144 - c96 * SCALE) <= TOLERANCE, f"rounded corner cuts {c96} px at 96 DPI, {c144} at 144")
    compare_grown("main window", at96, at144, features, check)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
