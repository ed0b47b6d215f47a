#!/usr/bin/env python3
"""Draws the pictures of the sample question bank into sample/pic/.

Standard library only: the BMP and PNG files are written with struct and zlib.
Run from anywhere: python3 sample/sample-pictures.py [OUTPUT_DIR]

Every picture stays within the picture area of the exam window: at most 700 x 300
pixels for a question with its choices in one row, 700 x 260 for stacked choices.
"""

import math
import os
import struct
import sys
import zlib

# One 16-colour palette for every picture, so each one can be written as a 4-bit BMP.
PALETTE = [
    (255, 255, 255),  # 0 white
    (0, 0, 0),        # 1 black
    (0, 40, 120),     # 2 dark blue
    (190, 220, 245),  # 3 sea
    (220, 20, 20),    # 4 red
    (0, 160, 60),     # 5 green
    (250, 210, 0),    # 6 yellow
    (120, 120, 120),  # 7 grey
    (215, 215, 215),  # 8 light grey
    (15, 25, 55),     # 9 night sky
    (205, 180, 120),  # 10 land
    (250, 250, 210),  # 11 lamp white
    (0, 110, 40),     # 12 dark green
    (40, 40, 40),     # 13 hull
    (110, 160, 215),  # 14 deep sea
    (150, 0, 0),      # 15 dark red
]
WHITE, BLACK, BLUE, SEA, RED, GREEN, YELLOW, GREY = range(8)
LIGHTGREY, NIGHT, LAND, LAMP, DARKGREEN, HULL, DEEP, DARKRED = range(8, 16)

# A 5 x 7 pixel font for the few letters the diagrams use.
FONT = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'B': ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'D': ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'N': ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'W': ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    '0': ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    '1': ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    '6': ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    '8': ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    '4': ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
}


class Canvas:
    """A picture of palette indices with a few drawing operations."""

    def __init__(self, width, height, background=WHITE):
        self.width = width
        self.height = height
        self.pixels = [bytearray([background]) * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        x0, y0, x1, y1 = round(x0), round(y0), round(x1), round(y1)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y][x] = colour

    def disc(self, cx, cy, r, colour):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, colour)

    def ellipse_ring(self, cx, cy, rx, ry, width, colour):
        """Outline of an ellipse, width pixels thick."""
        steps = int(2 * math.pi * max(rx, ry)) * 2
        for i in range(steps):
            a = 2 * math.pi * i / steps
            self.disc(cx + rx * math.cos(a), cy + ry * math.sin(a), width / 2, colour)

    def polygon(self, points, colour):
        """Fills a polygon by the even-odd rule, sampling pixel centres."""
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            yc = y + 0.5
            xs = []
            for i, (x0, y0) in enumerate(points):
                x1, y1 = points[(i + 1) % len(points)]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(max(0, math.ceil(a - 0.5)), min(self.width, math.floor(b - 0.5) + 1)):
                    self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, width=1):
        n = max(1, int(max(abs(x1 - x0), abs(y1 - y0))))
        for i in range(n + 1):
            x = x0 + (x1 - x0) * i / n
            y = y0 + (y1 - y0) * i / n
            if width <= 1:
                self.put(round(x), round(y), colour)
            else:
                self.disc(x, y, width / 2, colour)

    def dashed(self, x0, y0, x1, y1, colour, width=1, dash=8):
        length = math.hypot(x1 - x0, y1 - y0)
        n = int(length // dash)
        for i in range(0, n, 2):
            a, b = i / n, min(1, (i + 1) / n)
            self.line(x0 + (x1 - x0) * a, y0 + (y1 - y0) * a,
                      x0 + (x1 - x0) * b, y0 + (y1 - y0) * b, colour, width)

    def arrow(self, x0, y0, x1, y1, colour, width=3, head=12):
        """A line from (x0, y0) with an arrow head at (x1, y1)."""
        a = math.atan2(y1 - y0, x1 - x0)
        bx, by = x1 - head * math.cos(a), y1 - head * math.sin(a)
        self.line(x0, y0, bx, by, colour, width)
        px, py = -math.sin(a) * head * 0.55, math.cos(a) * head * 0.55
        self.polygon([(x1, y1), (bx + px, by + py), (bx - px, by - py)], colour)

    def text(self, x, y, s, colour, scale=2):
        x, y = round(x), round(y)
        for ch in s:
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '1':
                        self.rect(x + gx * scale, y + gy * scale,
                                  x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 6 * scale

    def boat(self, cx, cy, heading, colour, length=44, beam=18):
        """A boat seen from above, bow pointing to heading (degrees, 0 = up, clockwise)."""
        outline = [(0, -length / 2), (beam / 2, -length / 6), (beam / 2, length / 2),
                   (-beam / 2, length / 2), (-beam / 2, -length / 6)]
        a = math.radians(heading)
        pts = [(cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a))
               for x, y in outline]
        self.polygon(pts, colour)


def bmp_bytes(canvas, bits):
    """A Windows BMP, bottom-up, uncompressed: 4-bit (16 colours) or 24-bit."""
    w, h = canvas.width, canvas.height
    rows = []
    for row in reversed(canvas.pixels):
        if bits == 4:
            packed = bytearray()
            for x in range(0, w, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < w else 0
                packed.append((hi << 4) | lo)
        else:
            packed = bytearray()
            for c in row:
                r, g, b = PALETTE[c]
                packed += bytes((b, g, r))
        packed += b'\0' * (-len(packed) % 4)
        rows.append(bytes(packed))
    image = b''.join(rows)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE) if bits == 4 else b''
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, len(image), 3780, 3780,
                       16 if bits == 4 else 0, 0)
    return header + info + palette + image


def png_bytes(canvas):
    """A PNG with the 16-colour palette, 4 bits per pixel."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))

    raw = bytearray()
    for row in canvas.pixels:
        raw.append(0)  # filter: none
        for x in range(0, canvas.width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < canvas.width else 0
            raw.append((hi << 4) | lo)
    ihdr = struct.pack('>IIBBBBB', canvas.width, canvas.height, 4, 3, 0, 0, 0)
    plte = b''.join(bytes(c) for c in PALETTE)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'PLTE', plte)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


# ---- the pictures -------------------------------------------------------------------------

def crossing():
    """Two power-driven vessels crossing: A heading north, B coming from A's starboard side."""
    c = Canvas(360, 240, SEA)
    c.arrow(30, 60, 30, 20, BLACK, 2, 9)
    c.text(25, 66, 'N', BLACK, 2)
    c.boat(160, 190, 0, HULL)
    c.arrow(160, 160, 160, 80, BLUE, 3, 14)
    c.text(176, 184, 'A', BLACK, 3)
    c.boat(300, 70, 270, RED)
    c.arrow(272, 70, 200, 70, RED, 3, 14)
    c.text(292, 88, 'B', BLACK, 3)
    c.dashed(160, 80, 160, 30, GREY, 1, 6)
    c.dashed(200, 70, 110, 70, GREY, 1, 6)
    return c


def channel():
    """A narrow channel between two shores, with positions A to D across it."""
    c = Canvas(420, 240, LAND)
    c.polygon([(110, 0), (310, 0), (320, 240), (100, 240)], SEA)
    c.line(110, 0, 100, 240, HULL, 2)
    c.line(310, 0, 320, 240, HULL, 2)
    c.boat(210, 205, 0, HULL, 36, 14)
    c.arrow(210, 180, 210, 130, BLUE, 3, 12)
    for x, letter in ((128, 'A'), (182, 'B'), (238, 'C'), (290, 'D')):
        c.disc(x, 90, 6, RED)
        c.text(x - 5, 60, letter, BLACK, 2)
    c.dashed(210, 10, 210, 110, GREY, 1, 6)
    return c


def north_cardinal():
    """A north cardinal mark: black over yellow, two cones pointing up."""
    c = Canvas(180, 240, WHITE)
    c.rect(0, 200, 180, 240, SEA)
    # topmark: two cones, both pointing up
    c.polygon([(90, 14), (106, 42), (74, 42)], BLACK)
    c.polygon([(90, 48), (106, 76), (74, 76)], BLACK)
    c.line(90, 76, 90, 90, BLACK, 3)
    # pillar: black upper half, yellow lower half
    c.polygon([(76, 90), (104, 90), (112, 150), (68, 150)], BLACK)
    c.polygon([(68, 150), (112, 150), (122, 205), (58, 205)], YELLOW)
    c.line(68, 150, 58, 205, HULL, 1)
    c.line(112, 150, 122, 205, HULL, 1)
    c.rect(48, 200, 132, 212, HULL)
    return c


def port_mark():
    """A port-hand lateral mark: a green buoy with one green cylinder as topmark."""
    c = Canvas(200, 220, WHITE)
    c.rect(0, 180, 200, 220, SEA)
    c.rect(86, 16, 114, 50, GREEN)
    c.line(100, 50, 100, 70, HULL, 3)
    c.polygon([(84, 70), (116, 70), (126, 185), (74, 185)], GREEN)
    c.rect(62, 180, 138, 192, HULL)
    return c


def masthead_and_sidelights():
    """A power-driven vessel seen at night from dead ahead: white above, green left, red right."""
    c = Canvas(200, 120, NIGHT)
    c.rect(0, 98, 200, 120, BLUE)
    c.disc(100, 24, 7, LAMP)
    c.disc(70, 76, 7, GREEN)
    c.disc(130, 76, 7, RED)
    return c


def low_pressure():
    """A low with isobars packed tight on one side; points A to D to compare the wind."""
    c = Canvas(300, 260, WHITE)
    cx, cy = 190, 130
    for r in (30, 60, 90, 120):
        # each ring shifts left as it grows: tight on the right, wide apart on the left
        c.ellipse_ring(cx - 0.5 * (r - 30), cy, r, r * 0.8, 2, BLUE)
    c.text(cx - 4, cy - 7, 'L', RED, 2)
    c.line(242, 130, 268, 152, GREY, 1)
    points = (('A', 80, 70, 8, -14), ('B', 100, 200, 8, -14), ('C', 242, 130, 28, 16),
              ('D', 160, 46, 8, -14))
    for letter, x, y, dx, dy in points:
        c.disc(x, y, 4, BLACK)
        c.text(x + dx, y + dy, letter, BLACK, 2)
    return c


def compass():
    """A compass card with the lubber's arrow showing the heading."""
    c = Canvas(220, 220, WHITE)
    cx, cy, r = 110, 112, 84
    c.ellipse_ring(cx, cy, r, r, 3, HULL)
    for deg in range(0, 360, 30):
        a = math.radians(deg)
        inner = r - (14 if deg % 90 == 0 else 8)
        c.line(cx + inner * math.sin(a), cy - inner * math.cos(a),
               cx + r * math.sin(a), cy - r * math.cos(a), HULL, 2)
    c.text(cx - 5, cy - r - 20, 'N', BLACK, 2)
    c.text(cx + r + 6, cy - 7, 'E', BLACK, 2)
    c.text(cx - 5, cy + r + 6, 'S', BLACK, 2)
    c.text(cx - r - 18, cy - 7, 'W', BLACK, 2)
    a = math.radians(135)
    c.arrow(cx, cy, cx + (r - 10) * math.sin(a), cy - (r - 10) * math.cos(a), RED, 4, 16)
    c.disc(cx, cy, 5, HULL)
    return c


def tide_curve():
    """Tide height over one day: two high and two low waters, points A to D on the curve."""
    c = Canvas(420, 200, WHITE)
    left, right, top, bottom = 30, 400, 20, 170
    c.line(left, top, left, bottom, HULL, 2)
    c.line(left, bottom, right, bottom, HULL, 2)
    for hour in range(0, 25, 6):
        x = left + (right - left) * hour / 24
        c.line(x, bottom, x, bottom + 6, HULL, 2)
    c.text(left - 4, bottom + 10, '0', BLACK, 2)
    c.text(left + (right - left) / 2 - 10, bottom + 10, '12', BLACK, 2)
    c.text(right - 22, bottom + 10, '24', BLACK, 2)
    mid, amp = (top + bottom) / 2 + 5, 55

    def level(hour):
        return mid - amp * math.cos(2 * math.pi * (hour - 3) / 12.42)

    prev = None
    for i in range(0, 241):
        hour = i / 10
        p = (left + (right - left) * hour / 24, level(hour))
        if prev:
            c.line(prev[0], prev[1], p[0], p[1], BLUE, 3)
        prev = p
    # A at high water, B falling, C at low water, D rising
    for letter, hour in (('A', 3.0), ('B', 6.1), ('C', 9.21), ('D', 12.3)):
        x, y = left + (right - left) * hour / 24, level(hour)
        c.disc(x, y, 5, RED)
        c.text(x - 5, y - 26, letter, BLACK, 2)
    return c


PICTURES = [
    ('crossing.png', crossing, 'png'),
    ('channel.png', channel, 'png'),
    ('north.bmp', north_cardinal, 'bmp4'),
    ('portmark.bmp', port_mark, 'bmp4'),
    ('compass.bmp', compass, 'bmp4'),
    ('lights.bmp', masthead_and_sidelights, 'bmp24'),
    ('lowpressure.png', low_pressure, 'png'),
    ('tide.png', tide_curve, 'png'),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'pic')
    os.makedirs(out, exist_ok=True)
    for name, draw, kind in PICTURES:
        canvas = draw()
        if kind == 'png':
            data = png_bytes(canvas)
        else:
            data = bmp_bytes(canvas, 4 if kind == 'bmp4' else 24)
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)
        print(f'{name}: {canvas.width}x{canvas.height}, {kind}, {len(data)} bytes')


if __name__ == '__main__':
    main()
