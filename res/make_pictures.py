#!/usr/bin/env python3
"""Draws the welcome picture as a 16-colour PNG file (142 x 151); the icon comes from
icons/ovalis.svg (icons/make_icons). Run from this folder: python3 make_pictures.py"""

import math
import struct
import zlib

PALETTE = [
    (236, 241, 246),  # 0 panel
    (22, 36, 71),     # 1 frame, letters
    (52, 86, 150),    # 2 mast
    (0, 128, 128),    # 3 wave
    (120, 200, 200),  # 4 wave light
    (240, 140, 30),   # 5 signal
    (200, 90, 20),    # 6 signal dark
    (255, 255, 255),  # 7 white
    (170, 180, 195),  # 8 grey
    (90, 100, 120),   # 9 dark grey
    (220, 40, 40),    # 10 beacon
    (200, 215, 232),  # 11 panel shade
    (255, 210, 120),  # 12 signal light
    (30, 60, 110),    # 13 navy
    (60, 160, 90),    # 14 green
    (0, 0, 0),        # 15 black
]

GLYPHS = {
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "W": ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
}


class Picture:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def box(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.box(x, y, x + width - 1, y + width - 1, colour)

    def arc(self, cx, cy, radius, start, end, colour, width=2):
        """An arc of a circle, angles in degrees, 0 to the right, counter-clockwise."""
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x - cx, y - cy)
                a = math.degrees(math.atan2(cy - y, x - cx)) % 360
                if radius - width / 2 <= d <= radius + width / 2 and start <= a <= end:
                    self.dot(x, y, colour)

    def text(self, x, y, letters, scale, colour, shadow):
        for letter in letters:
            for row, bits in enumerate(GLYPHS[letter]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        px, py = x + col * scale, y + row * scale
                        self.box(px + 2, py + 2, px + scale + 1, py + scale + 1, shadow)
                        self.box(px, py, px + scale - 1, py + scale - 1, colour)
            x += 6 * scale

    def save(self, path):
        rows = b""
        for row in self.pixels:
            packed = bytes((row[i] << 4) | (row[i + 1] if i + 1 < len(row) else 0)
                           for i in range(0, len(row), 2))
            rows += b"\0" + packed

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 4, 3, 0, 0, 0)
        palette = b"".join(bytes(c) for c in PALETTE)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette)
                    + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def mast(p, cx, top, bottom, half_base, colour):
    """A lattice radio mast with a beacon on top and waves on both sides."""
    p.line(cx, top, cx - half_base, bottom, colour, 2)
    p.line(cx, top, cx + half_base, bottom, colour, 2)
    for i in range(1, 6):
        y = top + (bottom - top) * i // 6
        w = half_base * i // 6
        p.line(cx - w, y, cx + w, y, colour)
        if i > 1:
            yp = top + (bottom - top) * (i - 1) // 6
            wp = half_base * (i - 1) // 6
            p.line(cx - wp, yp, cx + w, y, colour)
            p.line(cx + wp, yp, cx - w, y, colour)
    p.box(cx - 2, top - 4, cx + 2, top, 10)


def waveform(p, x0, x1, cy, amplitude, colour, light):
    """A burst of tone: bars following a sine under a rising and falling envelope."""
    for x in range(x0, x1 + 1, 2):
        t = (x - x0) / (x1 - x0)
        envelope = math.sin(math.pi * t) ** 0.7
        h = int(abs(math.sin(t * 9 * math.pi)) * amplitude * envelope) + 1
        p.box(x, cy - h, x, cy + h, colour)
        p.dot(x + 1, cy, light)


def welcome():
    p = Picture(142, 151, 0)
    p.box(0, 0, 141, 150, 1)
    p.box(3, 3, 138, 147, 0)
    p.box(6, 6, 135, 78, 11)
    mast(p, 71, 36, 74, 15, 2)
    for radius, colour in ((11, 5), (19, 6), (27, 12)):
        p.arc(71, 37, radius, 20, 70, colour)
        p.arc(71, 37, radius, 110, 160, colour)
    p.line(6, 78, 135, 78, 9)
    waveform(p, 12, 129, 96, 12, 3, 4)
    p.text(28, 108, "BWF", 5, 1, 8)
    return p


if __name__ == "__main__":
    welcome().save("welcome.png")
