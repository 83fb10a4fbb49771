#!/usr/bin/env python3
"""Writes 8-bit RGB pixels (stdin, row by row from the top) as a 16-bit 5-6-5 bitmap stored
from its top row down, with its pixels at a 4-byte boundary: the program shows such a
picture straight from its resources. An ordered dither keeps gradients from banding.
Usage: convert picture.png -depth 8 rgb:- | bitmap565.py WIDTH HEIGHT OUT.bmp"""
import struct
import sys

width, height, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
rgb = sys.stdin.buffer.read()
if len(rgb) != width * height * 3:
    sys.exit("bitmap565.py: expected %d bytes of pixels, got %d" % (width * height * 3, len(rgb)))
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
stride = (width * 2 + 3) // 4 * 4
pixels = bytearray()
for y in range(height):
    row = bytearray()
    for x in range(width):
        r, g, b = rgb[(y * width + x) * 3:(y * width + x) * 3 + 3]
        threshold = (BAYER[y % 4][x % 4] + 0.5) / 16
        r5 = min(31, int(r * 31 / 255 + threshold))
        g6 = min(63, int(g * 63 / 255 + threshold))
        b5 = min(31, int(b * 31 / 255 + threshold))
        row += struct.pack("<H", r5 << 11 | g6 << 5 | b5)
    pixels += row + bytes(stride - len(row))
offset = 14 + 40 + 12 + 2  # headers, colour masks, two bytes to the boundary
header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
info = struct.pack("<IiiHHIIiiII", 40, width, -height, 1, 16, 3, len(pixels), 2835, 2835, 0, 0)
masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
with open(out, "wb") as f:
    f.write(header + info + masks + bytes(2) + pixels)
