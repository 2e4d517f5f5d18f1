#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the 17 pictures of the main window's image list as 16x16 PNG files,
each also at twice and three times the size (NAME@2x.png, NAME@3x.png) for
screens scaled by 1.5, 2 or 3, and the emblem (picture 10) as the program's
icon for the desktop's icon theme: icons/emblem-N.png for N = 16 (the list's
own picture), 32, 48, 64, 128 and 256, and icons/emblem.svg.

The larger pictures are drawn, not enlarged: every shape is placed on the
same 16-unit grid, straight edges fall on whole pixels and round or slanted
ones are sampled finely, so that they are as sharp as the 16x16 ones.

Run from this folder: python3 make_images.py. Standard library only.
"""
import struct
import zlib

W = H = 16
CLEAR = (0, 0, 0, 0)


def rgb(hex_text, alpha=255):
    v = int(hex_text, 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255, alpha)


BLACK = rgb("000000")
WHITE = rgb("ffffff")
GREY = rgb("808080")
LIGHT = rgb("c8c8c8")
DARK = rgb("404040")
RED = rgb("e01818")
DARKRED = rgb("901010")
YELLOW = rgb("f8d030")
DARKYELLOW = rgb("b08810")
GREEN = rgb("20b020")
DARKGREEN = rgb("107010")
BLUE = rgb("2050d0")
BROWN = rgb("8a5a2a")
HASH_BRIGHT = rgb("30a0ff")
HASH_DARK = rgb("203070")


SAMPLES = 4  # per side of a pixel, for the edges of larger pictures


def over(top, bottom, cover):
    """`top` with `cover` (0 to 1) of its alpha over `bottom`."""
    a = top[3] / 255.0 * cover
    b = bottom[3] / 255.0
    out = a + b * (1 - a)
    if out <= 0:
        return CLEAR
    rgb_ = tuple(int(round((top[i] * a + bottom[i] * b * (1 - a)) / out)) for i in range(3))
    return rgb_ + (int(round(out * 255)),)


class Picture:
    """A picture on the 16-unit grid, `scale` pixels per unit."""

    def __init__(self, scale=1):
        self.s = scale
        self.px = [[CLEAR] * (W * scale) for _ in range(H * scale)]

    def dot(self, x, y, c):
        if 0 <= x < W and 0 <= y < H:
            for yy in range(y * self.s, (y + 1) * self.s):
                for xx in range(x * self.s, (x + 1) * self.s):
                    self.px[yy][xx] = c

    def coverage(self, inside):
        """Paints each pixel by the share of its samples that `inside(gx, gy)`,
        given in grid units, puts in a colour (the colour, or None)."""
        n = W * self.s
        for y in range(n):
            for x in range(n):
                counts = {}
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        c = inside((x + (sx + 0.5) / SAMPLES) / self.s,
                                   (y + (sy + 0.5) / SAMPLES) / self.s)
                        if c is not None:
                            counts[c] = counts.get(c, 0) + 1
                for c, k in counts.items():
                    self.px[y][x] = over(c, self.px[y][x], k / float(SAMPLES * SAMPLES))

    def triangle(self, points, c):
        (ax, ay), (bx, by), (cx, cy) = points

        def side(px, py, x0, y0, x1, y1):
            return (x1 - x0) * (py - y0) - (y1 - y0) * (px - x0)

        def inside(gx, gy):
            d1 = side(gx, gy, ax, ay, bx, by)
            d2 = side(gx, gy, bx, by, cx, cy)
            d3 = side(gx, gy, cx, cy, ax, ay)
            neg = d1 < 0 or d2 < 0 or d3 < 0
            pos = d1 > 0 or d2 > 0 or d3 > 0
            return None if (neg and pos) else c

        self.coverage(inside)

    def rect(self, x0, y0, x1, y1, fill=None, edge=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                border = x in (x0, x1) or y in (y0, y1)
                if border and edge is not None:
                    self.dot(x, y, edge)
                elif fill is not None:
                    self.dot(x, y, fill)

    def hline(self, x0, x1, y, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(y0, y1 + 1):
            self.dot(x, y, c)

    def disc(self, cx, cy, r, fill, edge):
        if self.s > 1:
            def inside(gx, gy):
                d = (gx - cx) ** 2 + (gy - cy) ** 2
                return fill if d <= (r - 1) ** 2 else edge if d <= r * r else None
            self.coverage(inside)
            return
        for y in range(H):
            for x in range(W):
                d = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                if d <= (r - 1) ** 2:
                    self.dot(x, y, fill)
                elif d <= r * r:
                    self.dot(x, y, edge)

    def hash_sign(self, x, y, c):
        # a 6x6 "#"
        self.vline(x + 1, y, y + 5, c)
        self.vline(x + 4, y, y + 5, c)
        self.hline(x, x + 5, y + 1, c)
        self.hline(x, x + 5, y + 4, c)

    def arrow_down(self, x, y, length, c):
        # shaft 2 px wide, head 6 px wide
        for yy in range(y, y + length):
            self.dot(x, yy, c)
            self.dot(x + 1, yy, c)
        if self.s > 1:
            top = y + length
            self.triangle([(x - 2, top), (x + 4, top), (x + 1, top + 3)], c)
            return
        for i in range(3):
            self.hline(x - 2 + i, x + 3 - i, y + length + i, c)

    def png(self):
        return png_bytes(self.px)


def png_bytes(px):
    raw = b""
    for row in px:
        raw += b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", len(px[0]), len(px), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def sheet(scale=1):
    p = Picture(scale)
    p.rect(2, 0, 12, 15, WHITE, GREY)
    p.hline(10, 12, 0, CLEAR)
    p.dot(10, 0, GREY); p.dot(11, 1, GREY); p.dot(12, 2, GREY)
    p.hash_sign(4, 6, HASH_BRIGHT)
    return p


def folder(scale=1):
    p = Picture(scale)
    p.rect(0, 2, 6, 4, YELLOW, DARKYELLOW)
    p.rect(0, 4, 15, 14, YELLOW, DARKYELLOW)
    p.hash_sign(5, 6, HASH_DARK)
    return p


def floppy(scale=1):
    p = Picture(scale)
    p.rect(1, 5, 15, 15, BLUE, DARK)
    p.rect(4, 5, 11, 9, WHITE, LIGHT)
    p.rect(5, 12, 11, 15, LIGHT, DARK)
    p.hash_sign(0, 0, HASH_BRIGHT)
    p.arrow_down(12, 0, 3, RED)
    return p


def clipboard(hash_colour, scale=1):
    p = Picture(scale)
    p.rect(2, 4, 13, 15, BROWN, DARK)
    p.rect(4, 6, 11, 14, WHITE, WHITE)
    p.rect(6, 3, 9, 5, LIGHT, DARK)
    p.hash_sign(0, 0, hash_colour)
    p.arrow_down(12, 0, 3, RED)
    return p


def basket(hash_colour, scale=1):
    p = Picture(scale)
    p.rect(3, 7, 12, 15, LIGHT, DARK)
    for x in (5, 7, 9, 11):
        p.vline(x, 9, 14, GREY)
    p.hline(2, 13, 7, DARK)
    p.hash_sign(0, 0, hash_colour)
    p.arrow_down(9, 0, 3, RED)
    return p


DIGITS = {
    "1": ["010", "110", "010", "010", "111"],
    "2": ["110", "001", "010", "100", "111"],
    "3": ["110", "001", "010", "001", "110"],
}


def sort(scale=1):
    p = Picture(scale)
    for i, d in enumerate("123"):
        for yy, line in enumerate(DIGITS[d]):
            for xx, bit in enumerate(line):
                if bit == "1":
                    p.dot(1 + xx, i * 5 + yy + 1 - (1 if i else 0), BLACK)
    p.arrow_down(9, 1, 9, BLUE)
    return p


def stop(scale=1):
    p = Picture(scale)
    p.disc(8, 8, 8, RED, DARKRED)
    p.rect(3, 7, 12, 8, WHITE, WHITE)
    return p


def door(scale=1):
    p = Picture(scale)
    p.rect(3, 0, 12, 15, BROWN, DARK)
    p.rect(5, 2, 10, 6, rgb("a06a3a"), DARK)
    p.rect(5, 9, 10, 13, rgb("a06a3a"), DARK)
    p.dot(11, 8, YELLOW)
    return p


def vehicle(scale=1):
    p = Picture(scale)
    p.rect(0, 10, 15, 14, DARK, BLACK)
    for x in (2, 5, 8, 11, 14):
        p.dot(x, 12, GREY)
    p.rect(2, 5, 13, 9, YELLOW, DARKYELLOW)
    p.rect(4, 2, 9, 5, YELLOW, DARKYELLOW)
    p.rect(5, 3, 7, 4, rgb("80c0ff"), rgb("80c0ff"))
    p.hline(10, 15, 3, DARKYELLOW)
    return p


def lamp(fill, edge, scale=1):
    p = Picture(scale)
    p.disc(8, 8, 6, fill, edge)
    p.dot(6, 6, WHITE)
    p.dot(7, 5, WHITE)
    return p


def pause(scale=1):
    p = Picture(scale)
    p.rect(3, 2, 6, 13, RED, DARKRED)
    p.rect(9, 2, 12, 13, RED, DARKRED)
    return p


def play(scale=1):
    p = Picture(scale)
    if scale > 1:
        p.triangle([(4, 2), (4, 14), (14, 8)], GREEN)
        p.vline(4, 2, 13, DARKGREEN)
        return p
    for x in range(4, 14):
        half = (x - 4) * 6 // 10
        p.vline(x, 8 - (6 - half), 7 + (6 - half), GREEN)
    p.vline(4, 2, 13, DARKGREEN)
    return p


# The emblem in outline, on the 16-unit grid of the 16x16 picture, for the
# larger icons: (kind, geometry, fill, edge), painted in order. A rounded
# rectangle is (x0, y0, x1, y1, corner radius), a disc (cx, cy, r). The edge
# is drawn inside the shape.
EMBLEM_EDGE = 0.75
EMBLEM_SHAPES = [
    ("rect", (0.0, 10.0, 16.0, 15.0, 2.5), DARK, BLACK),           # the track
    *[("disc", (2.6 + 2.7 * i, 12.5, 1.05), GREY, None) for i in range(5)],  # road wheels
    ("rect", (10.0, 2.9, 16.0, 4.1, 0.5), DARKYELLOW, None),       # the gun
    ("rect", (2.0, 5.0, 14.0, 10.5, 1.0), YELLOW, DARKYELLOW),     # the hull
    ("rect", (4.0, 2.0, 10.0, 6.0, 1.0), YELLOW, DARKYELLOW),      # the turret
    ("rect", (4.75, 2.75, 7.75, 5.0, 0.4), rgb("80c0ff"), None),   # its window
]
# The outline fills the grid's width and rows 2 to 15: shrink it a little
# and centre it, so that no edge touches the icon's border.
EMBLEM_SCALE = 15.0 / 16.0
EMBLEM_SHIFT = (0.0, -0.5)


def inside(kind, g, x, y, inset):
    if kind == "disc":
        cx, cy, r = g
        return (x - cx) ** 2 + (y - cy) ** 2 <= (r - inset) ** 2
    x0, y0, x1, y1, r = g
    x0, y0, x1, y1, r = x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(r - inset, 0.0)
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    dx = max(x0 + r - x, 0.0, x - (x1 - r))
    dy = max(y0 + r - y, 0.0, y - (y1 - r))
    return dx * dx + dy * dy <= r * r


def emblem_colour(x, y):
    """The colour at (x, y) of the 16-unit grid: the last shape that covers it."""
    colour = CLEAR
    for kind, g, fill, edge in EMBLEM_SHAPES:
        if inside(kind, g, x, y, 0.0):
            colour = fill if edge is None or inside(kind, g, x, y, EMBLEM_EDGE) else edge
    return colour


def emblem_icon(size, samples=4):
    """The emblem at `size` pixels, each pixel the mean of samples x samples points."""
    unit = size / 16.0
    px = []
    for row in range(size):
        line = []
        for col in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    gx = ((col + (sx + 0.5) / samples) / unit - 8.0) / EMBLEM_SCALE + 8.0
                    gy = ((row + (sy + 0.5) / samples) / unit - 8.0) / EMBLEM_SCALE + 8.0
                    c = emblem_colour(gx - EMBLEM_SHIFT[0], gy - EMBLEM_SHIFT[1])
                    for i in range(3):
                        acc[i] += c[i] * c[3]
                    acc[3] += c[3]
            a = acc[3]
            n = samples * samples
            line.append((0, 0, 0, 0) if a == 0 else
                        tuple(int(round(acc[i] / a)) for i in range(3)) + (int(round(a / n)),))
        px.append(line)
    return px


def emblem_svg():
    def hexc(c):
        return "#%02x%02x%02x" % c[:3]

    def shape(kind, g, inset, colour):
        if kind == "disc":
            cx, cy, r = g
            return '<circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r - inset, hexc(colour))
        x0, y0, x1, y1, r = g
        return '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>' % (
            x0 + inset, y0 + inset, x1 - x0 - 2 * inset, y1 - y0 - 2 * inset,
            max(r - inset, 0.0), hexc(colour))

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 16 16">',
             '  <g transform="translate(8 8) scale(%g) translate(%g %g)">' % (
                 EMBLEM_SCALE, EMBLEM_SHIFT[0] - 8.0, EMBLEM_SHIFT[1] - 8.0)]
    for kind, g, fill, edge in EMBLEM_SHAPES:
        if edge is None:
            lines.append("    " + shape(kind, g, 0.0, fill))
        else:
            lines.append("    " + shape(kind, g, 0.0, edge))
            lines.append("    " + shape(kind, g, EMBLEM_EDGE, fill))
    lines += ["  </g>", "</svg>", ""]
    return "\n".join(lines)


ICON_SIZES = (32, 48, 64, 128, 256)

class EmblemPicture:
    """The emblem drawn from its outline, for the larger sizes."""

    def __init__(self, scale):
        self.px = emblem_icon(16 * scale)

    def png(self):
        return png_bytes(self.px)


# Each picture as a function of the scale.
PICTURES = [
    ("00_add_files", sheet),
    ("01_add_directory", folder),
    ("02_save_links", floppy),
    ("03_copy_all", lambda s: clipboard(HASH_BRIGHT, s)),
    ("04_copy_selected", lambda s: clipboard(HASH_DARK, s)),
    ("05_remove_all", lambda s: basket(HASH_BRIGHT, s)),
    ("06_remove_selected", lambda s: basket(HASH_DARK, s)),
    ("07_sort", sort),
    ("08_stop", stop),
    ("09_exit", door),
    ("10_emblem", lambda s: vehicle() if s == 1 else EmblemPicture(s)),
    ("11_lamp_grey", lambda s: lamp(rgb("a0a0a0"), GREY, s)),
    ("12_lamp_green", lambda s: lamp(rgb("30d030"), DARKGREEN, s)),
    ("13_lamp_yellow", lambda s: lamp(YELLOW, DARKYELLOW, s)),
    ("14_lamp_red", lambda s: lamp(RED, DARKRED, s)),
    ("15_pause", pause),
    ("16_resume", play),
]
SCALES = ((1, ""), (2, "@2x"), (3, "@3x"))

if __name__ == "__main__":
    for name, draw in PICTURES:
        for scale, suffix in SCALES:
            with open("images/%s%s.png" % (name, suffix), "wb") as f:
                f.write(draw(scale).png())
    # At 16 pixels the icon is the list's picture, drawn for that size.
    with open("icons/emblem-16.png", "wb") as f:
        f.write(vehicle().png())
    for size in ICON_SIZES:
        with open("icons/emblem-%d.png" % size, "wb") as f:
            f.write(png_bytes(emblem_icon(size)))
    with open("icons/emblem.svg", "w") as f:
        f.write(emblem_svg())
    with open("images.qrc", "w") as f:
        f.write("<RCC>\n  <qresource prefix=\"/images\">\n")
        for name, _ in PICTURES:
            for _, suffix in SCALES:
                f.write("    <file alias=\"%s%s.png\">images/%s%s.png</file>\n" % (
                    name[:2], suffix, name, suffix))
        f.write("  </qresource>\n</RCC>\n")
