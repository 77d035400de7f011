#!/usr/bin/python3
"""Writes res/vantry.ico: a block-art "V" in white on Vantry's dark blue, 32x32 and 16x16."""
import struct
import sys

BLUE, WHITE = (115, 61, 49, 255), (255, 255, 255, 255)  # BGRA
LETTER = ["X......X", "X......X", ".X....X.", ".X....X.", "..X..X..", "..X..X..", "...XX...", "........"]


def image(size):
    cell = size // 8
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(size):
            row += bytes(WHITE if LETTER[y // cell][x // cell] == "X" else BLUE)
        rows.append(row)
    pixels = b"".join(rows)
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main():
    images = [image(32), image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1] if len(sys.argv) > 1 else "res/vantry.ico", "wb") as f:
        f.write(out + b"".join(images))


main()
