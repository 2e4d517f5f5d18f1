#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the dialogs' pictures: the about box's 32x32 icon and 64x64 picture
and the 16x16 glyph of the preferences' Play Sound button, each also at twice
and three times the size (NAME@2x.png, NAME@3x.png) for scaled screens.
Plain Python, no image library: each picture is a function from a point (in
the 1x picture's pixels) to RGBA; the larger ones sample it finely."""
import math
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


SAMPLES = 4  # per side of a pixel of the larger pictures


def sampled(pixel, x, y, scale):
    """The mean of SAMPLES x SAMPLES points of pixel (x, y) at `scale`."""
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            c = pixel((x + (sx + 0.5) / SAMPLES) / scale, (y + (sy + 0.5) / SAMPLES) / scale)
            for i in range(3):
                acc[i] += c[i] * c[3]
            acc[3] += c[3]
    if acc[3] == 0:
        return (0, 0, 0, 0)
    return tuple(int(round(acc[i] / acc[3])) for i in range(3)) + (
        int(round(acc[3] / (SAMPLES * SAMPLES))),)


def write_png(path, size, pixel, scale=1):
    rows = bytearray()
    for y in range(size * scale):
        rows.append(0)
        for x in range(size * scale):
            if scale == 1:
                rows.extend(bytes(pixel(x + 0.5, y + 0.5)))
            else:
                rows.extend(bytes(sampled(pixel, x, y, scale)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size * scale, size * scale, 8, 6, 0, 0, 0))
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


for scale, suffix in ((1, ""), (2, "@2x"), (3, "@3x")):
    write_png(HERE / ("about_icon%s.png" % suffix), 32, coin(32), scale)
    write_png(HERE / ("about_picture%s.png" % suffix), 64, coin(64), scale)
    write_png(HERE / ("play_sound%s.png" % suffix), 16, speaker, scale)
