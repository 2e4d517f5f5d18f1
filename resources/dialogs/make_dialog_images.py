#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the dialogs' pictures: the about box's 32x32 icon and 64x64 picture
and the 16x16 glyph of the preferences' Play Sound button. Plain Python, no
image library: each picture is a function from pixel to RGBA."""
import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


def write_png(path, size, pixel):
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            rows.extend(bytes(pixel(x + 0.5, y + 0.5)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    path.write_bytes(png)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def coin(scale):
    """A minted coin with a chain link stamped on it."""
    c = scale / 2

    def pixel(x, y):
        dx, dy = (x - c) / c, (y - c) / c
        r = math.hypot(dx, dy)
        if r > 0.97:
            return (0, 0, 0, 0)
        gold = mix((255, 214, 90, 255), (196, 140, 20, 255), (dx + dy + 2) / 4)
        if r > 0.86:
            return mix(gold, (120, 80, 10, 255), 0.45)
        # two interlocked rounded links, tilted
        u = (dx + dy) / math.sqrt(2)
        v = (dy - dx) / math.sqrt(2)
        for off in (-0.22, 0.22):
            lu = abs(u - off) - 0.2
            ring = math.hypot(max(lu, 0), v)
            if abs(ring - 0.16) < 0.055 or (lu <= 0 and abs(abs(v) - 0.16) < 0.055):
                return (70, 90, 150, 255)
        return gold

    return pixel


def speaker(x, y):
    """A small loudspeaker with two sound arcs."""
    if 2 <= x <= 5 and 6 <= y <= 10:
        return (40, 40, 40, 255)
    if 5 <= x <= 9 and abs(y - 8) <= (x - 5) + 2 and y > 1:
        return (40, 40, 40, 255)
    r = math.hypot(x - 8, y - 8)
    if x > 10 and (abs(r - 4.5) < 0.6 or abs(r - 7) < 0.6) and abs(y - 8) < (x - 8):
        return (30, 90, 200, 255)
    return (0, 0, 0, 0)


write_png(HERE / "about_icon.png", 32, coin(32))
write_png(HERE / "about_picture.png", 64, coin(64))
write_png(HERE / "play_sound.png", 16, speaker)
