#!/usr/bin/env python3
"""Draws the application icon and writes it as res/Quillow.ico.

Two images, 32x32 and 16x16, 4 bits per pixel on the standard 16-colour palette, each with
an AND mask for transparency: a yellow note sheet turned on its corner, ruled with black
diagonal lines, with a red scribble beside its upper corner.

Usage: make_icon.py [output path]   (default: res/Quillow.ico beside this script's folder)
"""

import math
import os
import struct
import sys

# The standard 16-colour VGA palette as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_GRAY, RED, YELLOW = 0, 8, 9, 11
CLEAR = None


class Image:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def curve(self, points, colour):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, colour)


def draw_sheet(image, cx, cy, r, rule_spacing, rule_margin):
    """A diamond of half-diagonal r centred on (cx, cy): outline, fill, shadow and rules."""
    for y in range(image.size):
        for x in range(image.size):
            dx, dy = x - cx, y - cy
            d = abs(dx) + abs(dy)
            if d < r:
                image.put(x, y, YELLOW)
            elif d == r:
                image.put(x, y, BLACK)
            elif d == r + 1 and dx >= 0 and dy >= 0:
                image.put(x, y, DARK_GRAY)
    # The rules run parallel to the upper-right edge (x - y constant) and stop short of the
    # other two edges, as ruled lines stop short of a sheet's margins.
    top_edge = cx - (cy - r)
    c = top_edge - rule_spacing
    while c > top_edge - 2 * r + rule_spacing // 2:
        for y in range(image.size):
            x = y + c
            dx, dy = x - cx, y - cy
            if abs(dx) + abs(dy) <= r - rule_margin:
                image.put(x, y, BLACK)
        c -= rule_spacing


def wave(x, y, length, period, height, slope):
    """Pixels of a hand-written wavy stroke rising to the right."""
    points = []
    for i in range(10 * length + 1):
        px = x + i / 10
        py = y - height * math.sin(2 * math.pi * i / 10 / period) - slope * i / 10
        point = (round(px), round(py))
        if not points or points[-1] != point:
            points.append(point)
    return points


def draw_large():
    image = Image(32)
    draw_sheet(image, cx=13, cy=18, r=13, rule_spacing=4, rule_margin=3)
    image.curve(wave(x=17, y=7, length=13, period=4.5, height=2.2, slope=0.3), RED)
    return image


def draw_small():
    image = Image(16)
    draw_sheet(image, cx=7, cy=8, r=7, rule_spacing=3, rule_margin=3)
    # Too small for a wave: a zigzag placed by hand, clear of the sheet's corner.
    image.curve([(11, 3), (12, 1), (13, 3), (14, 1), (15, 0)], RED)
    return image


def rows_bottom_up(image):
    return reversed(image.pixels)


def pad_to_dword(data):
    return data + b"\0" * (-len(data) % 4)


def encode(image):
    """BITMAPINFOHEADER, palette, XOR bits and AND mask of one icon image."""
    size = image.size
    xor = b""
    for row in rows_bottom_up(image):
        indices = [0 if p is CLEAR else p for p in row]
        xor += pad_to_dword(bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2)))
    mask = b""
    for row in rows_bottom_up(image):
        bits = bytearray(size // 8 if size % 8 == 0 else size // 8 + 1)
        for x, p in enumerate(row):
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += pad_to_dword(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + mask


def write_icon(path, images):
    encoded = [encode(image) for image in images]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, bits in zip(images, encoded):
        data += struct.pack("<BBBBHHII", image.size, image.size, 16, 0, 1, 4, len(bits), offset)
        offset += len(bits)
    data += b"".join(encoded)
    with open(path, "wb") as f:
        f.write(data)


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "Quillow.ico")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    write_icon(path, [draw_large(), draw_small()])


if __name__ == "__main__":
    main()
