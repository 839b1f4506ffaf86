#!/usr/bin/env python3
"""Draws the splash picture of Tessara (bitmap resource 133).

692 x 413 pixels, 24 bits per pixel, written as a Windows BMP. The program
draws the product name (y 60-130), the version lines (from y 180) and the
status text (y 290-310) over it, in green and blue, so those bands stay
light and plain. The picture: a band of mosaic tiles at the top and the
bottom, and between the text and the lower band a field of animals (dots)
of which a few, the sample, are marked in the product's green.

Deterministic: the same file on every run (own xorshift generator, no
library randomness). Usage: draw-splash.py OUTPUT.bmp
"""
import struct
import sys

WIDTH, HEIGHT = 692, 413
GREEN = (109, 140, 44)
TILE_COLOURS = [(109, 140, 44), (143, 170, 78), (183, 200, 120), (204, 170, 92),
                (176, 118, 70), (222, 206, 160), (92, 120, 110), (160, 184, 168)]


class Generator:
    """A 32-bit xorshift generator: identical sequences everywhere."""

    def __init__(self, seed):
        self.state = seed

    def next(self, bound):
        state = self.state
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        self.state = state
        return state % bound


def blend(colour, background, weight):
    return tuple(round(c * weight + b * (1 - weight)) for c, b in zip(colour, background))


def background(y):
    top, bottom = (251, 249, 242), (234, 241, 222)
    return blend(bottom, top, y / (HEIGHT - 1))


def draw():
    pixels = [[background(y) for _ in range(WIDTH)] for y in range(HEIGHT)]
    generator = Generator(20240611)

    def tile_band(top, bottom, size, fade_down):
        for row_top in range(top, bottom, size):
            for column_left in range(-generator.next(size), WIDTH, size):
                colour = TILE_COLOURS[generator.next(len(TILE_COLOURS))]
                depth = (row_top - top) / max(1, bottom - top)
                weight = 1 - 0.6 * depth if fade_down else 0.4 + 0.6 * depth
                for y in range(row_top + 1, min(row_top + size - 1, bottom)):
                    for x in range(max(column_left + 1, 0), min(column_left + size - 1, WIDTH)):
                        pixels[y][x] = blend(colour, pixels[y][x], weight)

    tile_band(0, 44, 22, fade_down=True)
    tile_band(385, HEIGHT, 14, fade_down=False)

    # A rule between the product name and the version lines.
    for x in range(80, WIDTH - 80):
        edge = min(x - 80, WIDTH - 80 - x)
        weight = min(1.0, edge / 60)
        for y in (154, 155):
            pixels[y][x] = blend(GREEN, pixels[y][x], 0.7 * weight)

    # The population and its sample: dots on a loose grid.
    for centre_y in range(330, 376, 15):
        for centre_x in range(14 + (centre_y // 15 % 2) * 7, WIDTH - 8, 14):
            sampled = generator.next(100) < 9
            colour = GREEN if sampled else (196, 190, 172)
            radius = 4.6 if sampled else 3.6
            for y in range(int(centre_y - radius) - 1, int(centre_y + radius) + 2):
                for x in range(int(centre_x - radius) - 1, int(centre_x + radius) + 2):
                    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
                        distance = ((x - centre_x) ** 2 + (y - centre_y) ** 2) ** 0.5
                        coverage = max(0.0, min(1.0, radius + 0.5 - distance))
                        if coverage > 0:
                            pixels[y][x] = blend(colour, pixels[y][x], coverage)

    # A thin frame.
    for x in range(WIDTH):
        pixels[0][x] = pixels[HEIGHT - 1][x] = GREEN
    for y in range(HEIGHT):
        pixels[y][0] = pixels[y][WIDTH - 1] = GREEN
    return pixels


def write_bmp(path, pixels):
    row_bytes = (WIDTH * 3 + 3) // 4 * 4
    image_size = row_bytes * HEIGHT
    header = struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info)
        for y in range(HEIGHT - 1, -1, -1):  # bottom-up rows, blue first
            row = bytearray()
            for red, green, blue in pixels[y]:
                row += bytes((blue, green, red))
            row += bytes(row_bytes - len(row))
            out.write(row)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: draw-splash.py OUTPUT.bmp")
    write_bmp(sys.argv[1], draw())
