#!/usr/bin/env python3
"""Regenerates the program's icons (res/*.ico), the shipped skins
(gfx/<skin>/*.BMP, at 100 % and, as X-UP-150.BMP and the like, at the larger
scales the program looks for) and the README's picture of them
(docs/skins.png). Run from the repository root.

Standard library only: the files are small enough to write by hand.
"""
import os
import struct
import zlib

# Pixel size of each bar button on Windows: 13x9 (H) and 12x9 (A, T) dialog
# units of "MS Sans Serif" 8 pt, whose base units are 6x13. The button paints
# its bitmap 1:1 at the control's top-left corner, so where a wider substitute
# font makes the controls larger (Wine), a thin unpainted strip shows between
# the buttons instead of their edges being cut. H overlaps A by one dialog unit.
BUTTON_SIZES = {"H": (20, 15), "A": (18, 15), "T": (18, 15)}
# The scales beside 100 % that a face has a picture for, as the program names
# them; each picture is drawn on a grid of 96-DPI pixels enlarged by its scale.
SCALES = [125, 150, 200]
# A is painted after H and covers H's last columns, so H's letter is centred
# on the columns that stay visible.
OVERLAP = {"H": 2, "A": 0, "T": 0}

GFX_DIR = "gfx"
RES_DIR = "res"
SKINS_PICTURE = os.path.join("docs", "skins.png")

# Bold caption letters for the skin: two-pixel stems, 7 rows high.
BIG_FONT = {
    "H": ["##...##",
          "##...##",
          "##...##",
          "#######",
          "##...##",
          "##...##",
          "##...##"],
    "A": ["..###..",
          ".##.##.",
          "##...##",
          "##...##",
          "#######",
          "##...##",
          "##...##"],
    "T": ["######",
          "######",
          "..##..",
          "..##..",
          "..##..",
          "..##..",
          "..##.."],
}

# Thin letters for the flat skin: one-pixel stems, 5x7.
THIN_FONT = {
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "A": ["..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
}

# 3x5 letters for the tiny buttons on the 32x32 icon.
SMALL_FONT = {
    "H": ["#.#", "#.#", "###", "#.#", "#.#"],
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
}

# Classic button colours.
WHITE = (255, 255, 255)
LIGHT = (223, 223, 223)
FACE = (192, 192, 192)
FACE_DOWN = (180, 180, 180)
SHADOW = (128, 128, 128)
BLACK = (0, 0, 0)
# High contrast.
HC_YELLOW = (255, 255, 0)
# Flat: a light caption's colours, and an accent for the pressed face.
FLAT_FACE = (243, 243, 243)
FLAT_LINE = (204, 204, 204)
FLAT_TEXT = (32, 32, 32)
FLAT_ACCENT = (0, 120, 215)
FLAT_ACCENT_LINE = (0, 90, 158)

# The standard 16-colour palette, in Windows order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
K, NAVY, SILVER, GREY, YELLOW, WHITE16 = 0, 4, 7, 8, 11, 15


def scaled(n, scale):
    return int(n * scale / 100 + 0.5)


class Canvas:
    """A grid of pixel values; None marks a transparent pixel. Drawn on in 96-DPI
    pixels, which a scale above 100 enlarges."""

    def __init__(self, width, height, fill=None, scale=100):
        self.scale = scale
        self.width, self.height = scaled(width, scale), scaled(height, scale)
        self.rows = [[fill] * self.width for _ in range(self.height)]

    def rect(self, x0, y0, x1, y1, value):
        """Fills the inclusive rectangle, clipped to the canvas."""
        s = self.scale
        x0, y0, x1, y1 = scaled(x0, s), scaled(y0, s), scaled(x1 + 1, s) - 1, scaled(y1 + 1, s) - 1
        for y in range(max(y0, 0), min(y1, self.height - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.width - 1) + 1):
                self.rows[y][x] = value

    def glyph(self, x0, y0, pattern, value):
        for dy, line in enumerate(pattern):
            for dx, ch in enumerate(line):
                if ch == "#":
                    self.rect(x0 + dx, y0 + dy, x0 + dx, y0 + dy, value)

    def bevel(self, x0, y0, x1, y1, top_left, bottom_right):
        """One-pixel frame: light on two sides, dark on the other two."""
        self.rect(x0, y0, x1, y0, top_left)
        self.rect(x0, y0, x0, y1, top_left)
        self.rect(x0, y1, x1, y1, bottom_right)
        self.rect(x1, y0, x1, y1, bottom_right)


def write_bmp24(path, canvas):
    row_size = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas.rows):  # DIBs are stored bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\0" * (row_size - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height,
                         1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels),
                              0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


def icon_image(canvas):
    """One 4-bit icon image: header, palette, XOR bitmap, AND mask."""
    w, h = canvas.width, canvas.height
    xor_row = ((w * 4 + 31) // 32) * 4
    and_row = ((w + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(canvas.rows):
        indices = [0 if v is None else v for v in row]
        line = bytes((indices[x] << 4) | indices[x + 1] for x in range(0, w, 2))
        xor += line + b"\0" * (xor_row - len(line))
        bits = 0
        for v in row:
            bits = (bits << 1) | (v is None)
        line = bits.to_bytes((w + 7) // 8, "big")
        mask += line + b"\0" * (and_row - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 16, 0,
                           1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def centre_glyph(c, letter, pattern, shift, value):
    """Centres the letter on the columns of the button that stay visible."""
    w, h = BUTTON_SIZES[letter]
    x = (w - OVERLAP[letter] - len(pattern[0])) // 2 + shift
    y = (h - len(pattern)) // 2 + shift
    c.glyph(x, y, pattern, value)


def classic_face(letter, down, scale=100):
    w, h = BUTTON_SIZES[letter]
    c = Canvas(w, h, FACE_DOWN if down else FACE, scale)
    if down:
        c.bevel(0, 0, w - 1, h - 1, BLACK, WHITE)
        c.bevel(1, 1, w - 2, h - 2, SHADOW, LIGHT)
    else:
        c.bevel(0, 0, w - 1, h - 1, WHITE, BLACK)
        c.bevel(1, 1, w - 2, h - 2, LIGHT, SHADOW)
    centre_glyph(c, letter, BIG_FONT[letter], down, BLACK)
    return c


def high_contrast_face(letter, down, scale=100):
    """White on black; a pressed face turns yellow, frame and letter."""
    w, h = BUTTON_SIZES[letter]
    ink = HC_YELLOW if down else WHITE
    c = Canvas(w, h, BLACK, scale)
    c.bevel(0, 0, w - 1, h - 1, ink, ink)
    centre_glyph(c, letter, BIG_FONT[letter], down, ink)
    return c


def flat_face(letter, down, scale=100):
    """No bevels, for today's flat captions: a hairline edge, the accent when pressed."""
    w, h = BUTTON_SIZES[letter]
    c = Canvas(w, h, FLAT_ACCENT if down else FLAT_FACE, scale)
    edge = FLAT_ACCENT_LINE if down else FLAT_LINE
    c.rect(0, h - 1, w - 1, h - 1, edge)
    c.rect(w - 1, 0, w - 1, h - 1, edge)
    centre_glyph(c, letter, THIN_FONT[letter], 0, WHITE if down else FLAT_TEXT)
    return c


SKINS = [("Windows Standard", classic_face), ("High Contrast", high_contrast_face),
         ("Flat", flat_face)]


def bar_picture(face, down):
    """The bar as Windows lays it out: A covers H's last columns, T follows A."""
    widths = [BUTTON_SIZES[letter][0] - OVERLAP[letter] for letter in "HAT"]
    bar = Canvas(sum(widths) + OVERLAP["A"] + OVERLAP["T"], BUTTON_SIZES["H"][1])
    x = 0
    for letter, width in zip("HAT", widths):
        button = face(letter, down)
        for y, row in enumerate(button.rows):
            bar.rows[y][x:x + button.width] = row
        x += width
    return bar


def skins_picture(scale=4, gap=6, back=(58, 110, 165)):
    """The shipped skins side by side, up faces above down faces, enlarged."""
    bars = [(bar_picture(face, False), bar_picture(face, True)) for _, face in SKINS]
    w = max(up.width for up, _ in bars)
    h = bars[0][0].height
    c = Canvas(gap + len(bars) * (w + gap), 3 * gap + 2 * h, back)
    for i, pair in enumerate(bars):
        for j, bar in enumerate(pair):
            x0, y0 = gap + i * (w + gap), gap + j * (h + gap)
            for y, row in enumerate(bar.rows):
                for x, value in enumerate(row):
                    c.rows[y0 + y][x0 + x] = value
    big = Canvas(c.width * scale, c.height * scale)
    big.rows = [[v for v in row for _ in range(scale)] for row in c.rows for _ in range(scale)]
    return big


def write_png(path, canvas):
    raw = b"".join(b"\0" + b"".join(bytes(v) for v in row) for row in canvas.rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def program_icon_32():
    """A window whose caption carries the H, A, T bar."""
    c = Canvas(32, 32)
    c.rect(0, 2, 31, 30, K)
    c.rect(1, 3, 30, 11, NAVY)
    c.rect(2, 6, 6, 7, WHITE16)  # title text
    for i, letter in enumerate("HAT"):
        x = 9 + 7 * i
        c.rect(x, 4, x + 6, 10, SILVER)
        c.bevel(x, 4, x + 6, 10, WHITE16, GREY)
        c.glyph(x + 2, 5, SMALL_FONT[letter], K)
    c.rect(1, 12, 30, 29, WHITE16)
    for y, x1 in ((15, 24), (18, 27), (21, 20), (24, 25)):
        c.rect(4, y, x1, y, SILVER)
    return c


def program_icon_16():
    c = Canvas(16, 16)
    c.rect(0, 1, 15, 14, K)
    c.rect(1, 2, 14, 7, NAVY)
    for i in range(3):
        x = 3 + 4 * i
        c.rect(x, 3, x + 3, 6, SILVER)
        c.bevel(x, 3, x + 3, 6, WHITE16, GREY)
    c.rect(1, 8, 14, 13, WHITE16)
    c.rect(3, 10, 11, 10, SILVER)
    return c


def hidden_window_icon():
    """Yellow H between two short white bars, on a dark tile."""
    c = Canvas(16, 16, K)
    for x, y in ((0, 0), (15, 0), (0, 15), (15, 15)):
        c.rect(x, y, x, y, None)
    c.rect(5, 1, 10, 2, WHITE16)
    c.rect(3, 4, 4, 11, YELLOW)
    c.rect(11, 4, 12, 11, YELLOW)
    c.rect(5, 7, 10, 8, YELLOW)
    c.rect(5, 13, 10, 14, WHITE16)
    return c


def main():
    for name, face in SKINS:
        folder = os.path.join(GFX_DIR, name)
        os.makedirs(folder, exist_ok=True)
        for letter in "HAT":
            for down, state in ((False, "UP"), (True, "DOWN")):
                path = os.path.join(folder, "%s-%s.BMP" % (letter, state))
                write_bmp24(path, face(letter, down))
                for scale in SCALES:
                    path = os.path.join(folder, "%s-%s-%d.BMP" % (letter, state, scale))
                    write_bmp24(path, face(letter, down, scale))
    write_png(SKINS_PICTURE, skins_picture())
    small = program_icon_16()
    write_ico(os.path.join(RES_DIR, "Panewarden.ico"), [program_icon_32(), small])
    write_ico(os.path.join(RES_DIR, "Tray.ico"), [small])
    write_ico(os.path.join(RES_DIR, "HiddenWindow.ico"), [hidden_window_icon()])


if __name__ == "__main__":
    main()
