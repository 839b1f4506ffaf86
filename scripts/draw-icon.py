#!/usr/bin/env python3
"""Draws the icon of Tessara (icon resource 107).

A rounded green square holding a mosaic of three by three tiles, the centre
one in ochre: a population of units of which one is drawn into the sample.
Written as a Windows .ico with 16, 32 and 48 pixel images in 32-bit colour
with alpha (and the 1-bit mask older loaders expect). Deterministic.
Usage: draw-icon.py OUTPUT.ico
"""
import struct
import sys

GREEN = (109, 140, 44, 255)
DARK = (70, 94, 26, 255)
TILE = (236, 242, 222, 255)
SAMPLE = (214, 160, 60, 255)
CLEAR = (0, 0, 0, 0)


def inside_rounded(x, y, size, radius):
    """Coverage of pixel (x, y) by a rounded square of the given size."""
    cx = min(max(x + 0.5, radius), size - radius)
    cy = min(max(y + 0.5, radius), size - radius)
    distance = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
    return max(0.0, min(1.0, radius - distance + 0.5))


def draw(size):
    radius = size * 0.2
    margin = max(1, size // 8)
    gap = max(1, size // 16)
    tile = (size - 2 * margin - 2 * gap) / 3
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            coverage = inside_rounded(x, y, size, radius)
            if coverage == 0:
                row.append(CLEAR)
                continue
            colour = GREEN
            border = min(x, y, size - 1 - x, size - 1 - y)
            if border == 0 and coverage == 1:
                colour = DARK
            column = int((x - margin) // (tile + gap)) if x >= margin else -1
            line = int((y - margin) // (tile + gap)) if y >= margin else -1
            if 0 <= column < 3 and 0 <= line < 3:
                within_x = (x - margin) - column * (tile + gap) < tile
                within_y = (y - margin) - line * (tile + gap) < tile
                if within_x and within_y:
                    colour = SAMPLE if (column, line) == (1, 1) else TILE
            row.append(colour[:3] + (round(colour[3] * coverage),))
        pixels.append(row)
    return pixels


def icon_image(size):
    pixels = draw(size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(size - 1, -1, -1):
        for red, green, blue, alpha in pixels[y]:
            colour += bytes((blue, green, red, alpha))
    mask_row = (size + 31) // 32 * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(size):
            if pixels[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + bytes(colour) + bytes(mask)


def write_ico(path, sizes):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: draw-icon.py OUTPUT.ico")
    write_ico(sys.argv[1], [16, 32, 48])
