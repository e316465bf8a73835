#!/usr/bin/env python3
"""Draws Quorvex's bitmaps and icons into this folder.

    python3 draw_pictures.py [--preview DIR]

Every picture is drawn from simple shapes (rounded rectangles, circles, arcs,
capsules, polygons) with 4 x 4 samples per pixel, composited over white. The
program hands the bitmaps to controls with white RGB(255, 255, 255) as the
transparent colour, so a pixel that is mostly uncovered is written as pure
white and a covered pixel is never pure white. The icons keep their alpha.

--preview writes each picture as a PNG as well (four times enlarged, on the
main window's background colour), for looking at them.

Only Python's standard library is used, so the pictures can be drawn again on
any machine; the output is deterministic.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 4
WHITE = (255, 255, 255)
BACKGROUND = (225, 236, 249)  # the main window's client colour, for previews

# --------------------------------------------------------------------------
# Shapes: predicates over continuous coordinates (pixel centres at i + 0.5).


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def angle_of(cx, cy, x, y):
    """Degrees clockwise from east (y grows downwards), 0..360."""
    return math.degrees(math.atan2(y - cy, x - cx)) % 360.0


def arc(cx, cy, r0, r1, a0, a1):
    """Part of a ring from angle a0 clockwise to a1."""
    span = (a1 - a0) % 360.0

    def inside(x, y):
        d = (x - cx) ** 2 + (y - cy) ** 2
        if not (r0 * r0 <= d <= r1 * r1):
            return False
        return (angle_of(cx, cy, x, y) - a0) % 360.0 <= span

    return inside


def polar(cx, cy, r, a):
    return (cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))


def poly(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            xa, ya = points[i]
            xb, yb = points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                result = not result
        return result

    return inside


def capsule(x0, y0, x1, y1, half):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half * half

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(h(x, y) for h in holes)


def grown(shape, d):
    """The shape widened by about d pixels: its outline when painted first."""
    steps = [(math.cos(math.radians(a)), math.sin(math.radians(a))) for a in range(0, 360, 30)]

    def inside(x, y):
        if shape(x, y):
            return True
        return any(shape(x + d * ux, y + d * uy) for ux, uy in steps)

    return inside


def scaled(shape, s):
    return lambda x, y: shape(x / s, y / s)


def circular_arrow(cx, cy, r0, r1, a0, a1, head=1.0):
    """A ring arc from a0 clockwise to a1 ending in an arrowhead at a1."""
    mid = (r0 + r1) / 2.0
    width = (r1 - r0) * head
    body = arc(cx, cy, r0, r1, a0, a1)
    tip_angle = a1 + math.degrees((r1 - r0) * 1.5 * head / mid)
    tip = polar(cx, cy, mid, tip_angle)
    inner = polar(cx, cy, mid - width * 1.15, a1)
    outer = polar(cx, cy, mid + width * 1.15, a1)
    return union(body, poly([inner, outer, tip]))


# --------------------------------------------------------------------------
# Colours


def vgrad(y0, y1, c0, c1):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(3))

    return colour


def dgrad(x0, y0, x1, y1, c0, c1):
    """Gradient along the direction from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def colour(x, y):
        t = min(1.0, max(0.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(3))

    return colour


# --------------------------------------------------------------------------
# The canvas: premultiplied RGBA, 0..1.


class Picture:
    def __init__(self, width, height, bits=32):
        self.width, self.height, self.bits = width, height, bits
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(width)] for _ in range(height)]

    def paint(self, shape, colour, opacity=1.0, scale=1.0):
        if scale != 1.0:
            shape = scaled(shape, scale)
            if callable(colour):
                plain = colour
                colour = lambda x, y: plain(x / scale, y / scale)
        n = SAMPLES
        offsets = [((a + 0.5) / n, (b + 0.5) / n) for a in range(n) for b in range(n)]
        for j in range(self.height):
            row = self.px[j]
            for i in range(self.width):
                hits = sum(1 for ox, oy in offsets if shape(i + ox, j + oy))
                if not hits:
                    continue
                a = opacity * hits / float(n * n)
                c = colour(i + 0.5, j + 0.5) if callable(colour) else colour
                r, g, b, alpha = row[i]
                row[i] = (
                    c[0] / 255.0 * a + r * (1 - a),
                    c[1] / 255.0 * a + g * (1 - a),
                    c[2] / 255.0 * a + b * (1 - a),
                    a + alpha * (1 - a),
                )

    def outlined(self, shape, fill, line, width=1.0, scale=1.0):
        self.paint(grown(shape, width), line, scale=scale)
        self.paint(shape, fill, scale=scale)

    def rgba(self):
        """Straight (not premultiplied) 8-bit RGBA rows."""
        rows = []
        for row in self.px:
            out = []
            for r, g, b, a in row:
                if a <= 0.0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append(tuple(int(round(min(1.0, v / a) * 255)) for v in (r, g, b)) + (int(round(a * 255)),))
            rows.append(out)
        return rows

    def on_white(self):
        """RGB rows over white: transparent where mostly uncovered, never pure white where covered."""
        rows = []
        for row in self.px:
            out = []
            for r, g, b, a in row:
                if a < 0.35:
                    out.append(WHITE)
                    continue
                c = tuple(int(round((v + (1 - a)) * 255)) for v in (r, g, b))
                out.append((254, 254, 254) if c == WHITE else c)
            rows.append(out)
        return rows


def faded(rows):
    """The disabled twin: mostly grey, lighter, transparent pixels unchanged."""
    out = []
    for row in rows:
        new = []
        for c in row:
            if c == WHITE:
                new.append(c)
                continue
            grey = 0.30 * c[0] + 0.59 * c[1] + 0.11 * c[2]
            mixed = [0.25 * v + 0.75 * grey for v in c]
            light = tuple(min(250, int(round(v + (255 - v) * 0.5))) for v in mixed)
            new.append(light)
        out.append(new)
    return out


# --------------------------------------------------------------------------
# File formats


def bmp_bytes(rows, bits):
    height, width = len(rows), len(rows[0])
    stride = (width * (bits // 8) + 3) & ~3
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r)) + (b"\x00" if bits == 32 else b"")
        line += b"\x00" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def ico_bytes(images):
    """images: list of RGBA rows, one per size."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for rows in images:
        height, width = len(rows), len(rows[0])
        xor = bytearray()
        mask = bytearray()
        mask_stride = ((width + 31) // 32) * 4
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for i, (r, g, b, a) in enumerate(row):
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[i // 8] |= 0x80 >> (i % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = header + xor + mask
        entries.append(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def png_bytes(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px[:3]) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def preview(rows, zoom=4):
    out = []
    for row in rows:
        line = []
        for c in row:
            line += [BACKGROUND if c == WHITE else c] * zoom
        out += [line] * zoom
    return out


# --------------------------------------------------------------------------
# The pictures


def green_folder():
    p = Picture(32, 32)
    line = (38, 100, 30)
    p.outlined(union(rrect(2, 5, 13, 10, 1.5), rrect(2, 7, 30, 27, 2)), vgrad(5, 27, (96, 170, 70), (56, 130, 44)), line)
    front = poly([(5, 12.5), (31, 12.5), (27.5, 28), (1.5, 28)])
    p.outlined(front, vgrad(12, 28, (160, 225, 110), (72, 168, 52)), line)
    p.paint(capsule(6.5, 14.2, 28.5, 14.2, 0.6), (215, 245, 190), opacity=0.8)
    return p


def blue_circular_arrow():
    # The picture sits in the lower-left 32 x 32 of a 48 x 48 bitmap.
    p = Picture(48, 48)
    shape = circular_arrow(16, 32, 6.5, 10.5, 335, 265, head=1.25)
    p.outlined(shape, dgrad(6, 20, 26, 44, (120, 185, 250), (20, 80, 195)), (16, 55, 140))
    return p


def magenta_cross():
    p = Picture(48, 48)
    shape = union(capsule(7.5, 23.5, 24.5, 40.5, 3.6), capsule(24.5, 23.5, 7.5, 40.5, 3.6))
    p.outlined(shape, vgrad(20, 44, (245, 110, 220), (185, 20, 150)), (120, 0, 95))
    p.paint(capsule(9, 24.5, 12, 27.5, 0.9), (255, 210, 245), opacity=0.7)
    return p


def red_rounded_square():
    p = Picture(32, 32)
    p.outlined(rrect(5, 5, 27, 27, 5), vgrad(5, 27, (250, 115, 100), (195, 25, 25)), (135, 10, 10))
    p.paint(rrect(8, 7, 24, 14, 3), (255, 255, 255), opacity=0.35)
    return p


def yellow_gear():
    p = Picture(32, 32)
    cx = cy = 16

    def gear(x, y):
        d = math.hypot(x - cx, y - cy)
        if d > 14.5:
            return False
        if d <= 11.0:
            return True
        a = (angle_of(cx, cy, x, y) + 22.5) % 45.0
        return abs(a - 22.5) <= 9.0

    shape = minus(gear, circle(cx, cy, 4.6))
    p.outlined(shape, dgrad(4, 4, 28, 28, (255, 232, 90), (225, 150, 5)), (140, 92, 0))
    p.paint(ring(cx, cy, 4.6, 7.0), (200, 135, 0), opacity=0.55)
    return p


def row_bar(top, bottom, line):
    p = Picture(16, 16)
    p.outlined(rrect(2, 5.5, 14, 10.5, 2), vgrad(5, 11, top, bottom), line, width=0.8)
    p.paint(capsule(4, 6.9, 12, 6.9, 0.5), (255, 255, 255), opacity=0.45)
    return p


def blue_play():
    p = Picture(16, 16)
    p.outlined(circle(8, 8, 6.8), vgrad(1, 15, (110, 175, 250), (25, 85, 200)), (18, 55, 140), width=0.8)
    p.paint(poly([(6.2, 4.6), (6.2, 11.4), (11.6, 8)]), (254, 254, 254))
    return p


GLYPHS = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "V": ["#.#", "#.#", "#.#", "#.#", ".#."],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
}


def text(p, word, x, y, colour):
    for k, letter in enumerate(word):
        for j, line in enumerate(GLYPHS[letter]):
            for i, mark in enumerate(line):
                if mark == "#":
                    px = x + 4 * k + i
                    p.paint(rect(px, y + j, px + 1, y + j + 1), colour)


def film_avi():
    p = Picture(16, 16)
    p.paint(rrect(0.5, 1.5, 15.5, 14.5, 1), (58, 58, 70))
    for k in range(5):
        x = 1.5 + 3 * k
        p.paint(rect(x, 2.5, x + 1.6, 4), (225, 225, 230))
        p.paint(rect(x, 12, x + 1.6, 13.5), (225, 225, 230))
    p.paint(rect(1.5, 5, 14.5, 11), (238, 242, 250))
    text(p, "AVI", 3, 5.5, (200, 30, 30))
    return p


def green_robot():
    p = Picture(16, 16)
    green = vgrad(1, 15, (150, 215, 80), (90, 170, 40))
    p.paint(capsule(5.5, 3.2, 4.3, 1.0, 0.45), (100, 175, 50))
    p.paint(capsule(10.5, 3.2, 11.7, 1.0, 0.45), (100, 175, 50))
    p.paint(rrect(3.5, 2.5, 12.5, 7.5, 2.5), green)
    p.paint(rect(5.5, 4.5, 6.7, 5.7), (254, 254, 254))
    p.paint(rect(9.3, 4.5, 10.5, 5.7), (254, 254, 254))
    p.paint(rrect(3.5, 8, 12.5, 13, 1.3), green)
    p.paint(rrect(1.2, 8, 3, 12, 0.9), green)
    p.paint(rrect(13, 8, 14.8, 12, 0.9), green)
    p.paint(rrect(5, 12.5, 7, 15.2, 0.9), green)
    p.paint(rrect(9, 12.5, 11, 15.2, 0.9), green)
    return p


def smartphone():
    p = Picture(16, 16, bits=24)
    p.outlined(rrect(3.5, 0.8, 12.5, 15.2, 1.6), vgrad(0, 16, (75, 75, 90), (30, 30, 38)), (15, 15, 20), width=0.6)
    p.paint(rect(5, 2.2, 11, 7), vgrad(2, 7, (150, 205, 250), (50, 120, 210)))
    for j in range(3):
        for i in range(3):
            x, y = 5.2 + 2.1 * i, 8.6 + 2.1 * j
            p.paint(rect(x, y, x + 1.5, y + 1.3), (200, 200, 210))
    return p


def disc():
    p = Picture(16, 16)

    def shine(x, y):
        a = math.radians(angle_of(8, 8, x, y) * 2)
        return (200 + 40 * math.cos(a), 205 + 35 * math.cos(a + 2.1), 220 + 30 * math.cos(a + 4.2))

    body = minus(circle(8, 8, 7.2), circle(8, 8, 1.6))
    p.paint(grown(body, 0.7), (120, 125, 140))
    p.paint(body, shine)
    p.paint(ring(8, 8, 1.6, 3.0), (170, 175, 185))
    return p


def flash_document():
    p = Picture(16, 16, bits=24)
    page = poly([(2.5, 0.5), (10.5, 0.5), (13.5, 3.5), (13.5, 15.5), (2.5, 15.5)])
    p.outlined(page, vgrad(0, 16, (235, 70, 55), (165, 18, 18)), (120, 10, 10), width=0.6)
    p.paint(poly([(10.5, 0.5), (10.5, 3.5), (13.5, 3.5)]), (250, 175, 165))
    white = (254, 254, 254)
    p.paint(capsule(7, 7.2, 7, 13.2, 0.85), white)
    p.paint(arc(9.1, 7.2, 1.25, 2.9, 180, 305), white)
    p.paint(capsule(5, 9.2, 9.8, 9.2, 0.7), white)
    return p


def touch_phone():
    p = Picture(16, 16, bits=24)
    p.paint(rrect(3.5, 0.5, 12.5, 15.5, 2), vgrad(0, 16, (60, 60, 68), (20, 20, 24)))
    p.paint(rect(4.8, 2.3, 11.2, 12.6), vgrad(2, 13, (130, 195, 250), (35, 105, 205)))
    p.paint(circle(8, 14.1, 0.9), (150, 150, 158))
    return p


def music_player():
    p = Picture(16, 16)
    p.outlined(rrect(3.5, 0.5, 12.5, 15.5, 1.8), vgrad(0, 16, (248, 248, 250), (200, 200, 208)), (115, 115, 128), width=0.6)
    p.paint(rect(5, 2, 11, 6.8), vgrad(2, 7, (140, 200, 250), (45, 115, 205)))
    p.paint(minus(circle(8, 11.3, 2.9), circle(8, 11.3, 1.1)), (150, 150, 162))
    return p


def keypad_phone():
    p = Picture(16, 16)
    p.paint(capsule(10.8, 0.8, 10.8, 3.2, 0.6), (50, 55, 70))
    p.outlined(rrect(4, 2.5, 12, 15.5, 1.5), vgrad(2, 16, (95, 120, 160), (45, 60, 95)), (25, 30, 50), width=0.6)
    p.paint(rect(5.4, 4, 10.6, 7.6), (175, 225, 170))
    for j in range(3):
        for i in range(3):
            x, y = 5.3 + 1.9 * i, 9 + 2 * j
            p.paint(rect(x, y, x + 1.3, y + 1.2), (225, 228, 238))
    return p


def game_console():
    p = Picture(16, 16, bits=24)
    p.outlined(rrect(0.5, 4, 15.5, 12, 3.5), vgrad(4, 12, (80, 80, 92), (35, 35, 42)), (15, 15, 20), width=0.6)
    p.paint(rect(4.5, 5.5, 11.5, 10.5), vgrad(5, 11, (140, 190, 245), (50, 110, 200)))
    p.paint(union(rect(1.6, 7.5, 4.0, 8.5), rect(2.3, 6.8, 3.3, 9.2)), (200, 200, 210))
    p.paint(circle(13.0, 7.2, 0.75), (230, 70, 70))
    p.paint(circle(13.8, 8.8, 0.75), (90, 200, 90))
    return p


def green_x():
    p = Picture(16, 16, bits=24)
    shape = union(capsule(3.2, 3.2, 12.8, 12.8, 2.2), capsule(12.8, 3.2, 3.2, 12.8, 2.2))
    p.outlined(shape, vgrad(1, 15, (150, 225, 90), (55, 155, 30)), (25, 105, 20), width=0.8)
    return p


def portable_player():
    p = Picture(16, 16, bits=24)
    p.paint(rrect(3.5, 0.5, 12.5, 15.5, 2), vgrad(0, 16, (90, 70, 60), (35, 28, 26)))
    p.paint(rect(4.8, 2, 11.2, 9), vgrad(2, 9, (250, 175, 80), (215, 95, 30)))
    p.paint(rrect(6, 10.5, 10, 14.5, 1.5), (125, 112, 105))
    return p


def about_arrows():
    # Two arrows chasing each other round one circle; the picture static shows
    # about 30 x 32 pixels of it, so the circle keeps to the left.
    p = Picture(35, 33)
    cx, cy = 15, 16.5
    p.outlined(circular_arrow(cx, cy, 8, 13, 195, 325), vgrad(2, 18, (255, 230, 80), (230, 160, 0)), (150, 100, 0))
    p.outlined(circular_arrow(cx, cy, 8, 13, 15, 145), vgrad(15, 31, (200, 200, 205), (120, 120, 130)), (70, 70, 78))
    return p


def app_icon(size):
    # Designed on a 32-unit grid, scaled to each size.
    p = Picture(size, size)
    s = size / 32.0
    p.outlined(rrect(1.5, 1.5, 30.5, 30.5, 6), vgrad(0, 32, (95, 160, 240), (25, 75, 180)), (15, 45, 120),
               width=0.8, scale=s)
    p.paint(circular_arrow(16, 16, 8.5, 12.5, 195, 325), (255, 215, 50), scale=s)
    p.paint(circular_arrow(16, 16, 8.5, 12.5, 15, 145), (225, 230, 240), scale=s)
    p.paint(poly([(13, 11), (13, 21), (21.5, 16)]), (120, 215, 90), scale=s)
    return p


def folder_icon(size):
    p = Picture(size, size)
    s = size / 16.0
    line = (150, 105, 10)
    p.outlined(union(rrect(1, 2.5, 7, 5, 0.8), rrect(1, 3.5, 15, 13.5, 1)), vgrad(2, 14, (250, 205, 90), (220, 160, 40)),
               line, width=0.6, scale=s)
    p.outlined(poly([(3, 6.5), (15.5, 6.5), (13.5, 14), (0.8, 14)]), vgrad(6, 14, (255, 232, 140), (240, 185, 60)), line,
               width=0.6, scale=s)
    return p


# id -> (file name, drawing, faded twin of)
BITMAPS = [
    (134, "add_files.bmp", green_folder),
    (136, "convert.bmp", blue_circular_arrow),
    (135, "convert_disabled.bmp", ("faded", 136)),
    (138, "remove.bmp", magenta_cross),
    (149, "remove_disabled.bmp", ("faded", 138)),
    (144, "stop.bmp", red_rounded_square),
    (150, "stop_disabled.bmp", ("faded", 144)),
    (143, "settings.bmp", yellow_gear),
    (165, "row_waiting.bmp", lambda: row_bar((245, 105, 95), (195, 30, 30), (140, 15, 15))),
    (163, "row_converting.bmp", blue_play),
    (164, "row_converted.bmp", lambda: row_bar((135, 215, 95), (50, 150, 40), (25, 100, 20))),
    (162, "target_avi.bmp", film_avi),
    (156, "target_android.bmp", green_robot),
    (160, "target_blackberry.bmp", smartphone),
    (161, "target_dvd.bmp", disc),
    (175, "target_flv.bmp", flash_document),
    (159, "target_iphone.bmp", touch_phone),
    (157, "target_ipod.bmp", music_player),
    (173, "target_mobile_phone.bmp", keypad_phone),
    (158, "target_psp.bmp", game_console),
    (174, "target_xbox360.bmp", green_x),
    (176, "target_zune.bmp", portable_player),
    (166, "about.bmp", about_arrows),
]

ICONS = [
    (128, "quorvex.ico", [app_icon(n) for n in (16, 24, 32, 48)]),
    (132, "folder.ico", [folder_icon(n) for n in (16, 32)]),
]


def main(argv):
    preview_dir = None
    if len(argv) >= 2 and argv[0] == "--preview":
        preview_dir = argv[1]
        os.makedirs(preview_dir, exist_ok=True)
    drawn = {}
    for ident, name, how in BITMAPS:
        if isinstance(how, tuple):
            picture = drawn[how[1]][0]
            rows = faded(drawn[how[1]][1])
        else:
            picture = how()
            rows = picture.on_white()
        drawn[ident] = (picture, rows)
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(bmp_bytes(rows, picture.bits))
        if preview_dir:
            with open(os.path.join(preview_dir, "%d_%s.png" % (ident, name[:-4])), "wb") as f:
                f.write(png_bytes(preview(rows)))
    for ident, name, pictures in ICONS:
        images = [p.rgba() for p in pictures]
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(ico_bytes(images))
        if preview_dir:
            for p in pictures:
                rows = [[tuple(int(round(c[k] * c[3] / 255.0 + BACKGROUND[k] * (1 - c[3] / 255.0))) for k in range(3))
                         for c in row] for row in p.rgba()]
                with open(os.path.join(preview_dir, "%d_%s_%d.png" % (ident, name[:-4], p.width)), "wb") as f:
                    f.write(png_bytes(preview(rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
