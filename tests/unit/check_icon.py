#!/usr/bin/env python3
"""Runs the icon generator into a file and reads the file back on its own:
the four sizes, each a 32-bit image with alpha whose corners are clear, whose
middle is solid and which shows both the white and the orange-red tone."""
import struct
import subprocess
import sys


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def read_image(data, size, offset, length):
    if offset + length > len(data):
        fail(f"{size}px image runs past the end of the file")
    (header_size, width, height, planes, bits, compression) = struct.unpack_from("<IiiHHI", data, offset)
    if (header_size, width, height, planes, bits, compression) != (40, size, 2 * size, 1, 32, 0):
        fail(f"{size}px image header {header_size, width, height, planes, bits, compression}")
    mask_stride = ((size + 31) // 32) * 4
    if length != 40 + size * size * 4 + mask_stride * size:
        fail(f"{size}px image is {length} bytes")
    pixels = data[offset + 40: offset + 40 + size * size * 4]
    # Rows are stored bottom-up; pixel(x, y) counts y from the top.
    def pixel(x, y):
        i = ((size - 1 - y) * size + x) * 4
        b, g, r, a = pixels[i:i + 4]
        return r, g, b, a
    return pixel


def main(generator, out):
    subprocess.run([sys.executable, generator, out], check=True)
    data = open(out, "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1):
        fail("not an icon file")
    sizes = []
    for n in range(count):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
        if w != h or colours != 0 or planes != 1 or bits != 32:
            fail(f"entry {n}: {w}x{h}, {colours} colours, {planes} planes, {bits} bits")
        sizes.append(w)
        pixel = read_image(data, w, offset, length)
        corners = [pixel(0, 0), pixel(w - 1, 0), pixel(0, w - 1), pixel(w - 1, w - 1)]
        if any(a != 0 for *_, a in corners):
            fail(f"{w}px: corners are not clear: {corners}")
        every = [pixel(x, y) for y in range(w) for x in range(w)]
        if pixel(w // 2, w - 3)[3] != 255 or pixel(2, w // 2)[3] != 255:
            fail(f"{w}px: the tile is not solid")
        if not any(r > 0xE0 and g > 0xE0 and b > 0xE0 and a == 255 for r, g, b, a in every):
            fail(f"{w}px: no white tone")
        if not any(r > 0xE0 and 0x30 < g < 0x80 and b < 0x50 and a == 255 for r, g, b, a in every):
            fail(f"{w}px: no orange-red tone")
    if sorted(sizes) != [16, 20, 32, 48]:
        fail(f"sizes {sizes}")
    print("icon read back with", ", ".join(f"{s}px" for s in sizes))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
