#!/usr/bin/env python3
"""Regenerates the program's icons (res/*.ico) and the default skin
(gfx/Windows Standard/*.BMP). Run from the repository root.

Standard library only: the files are small enough to write by hand.
"""
import os
import struct

# Pixel size of each bar button on Windows: 13x9 (H) and 12x9 (A, T) dialog
# units of "MS Sans Serif" 8 pt, whose base units are 6x13. The button paints
# its bitmap 1:1 at the control's top-left corner, so where a wider substitute
# font makes the controls larger (Wine), a thin unpainted strip shows between
# the buttons instead of their edges being cut. H overlaps A by one dialog unit.
BUTTON_SIZES = {"H": (20, 15), "A": (18, 15), "T": (18, 15)}
# A is painted after H and covers H's last columns, so H's letter is centred
# on the columns that stay visible.
OVERLAP = {"H": 2, "A": 0, "T": 0}

SKIN_DIR = os.path.join("gfx", "Windows Standard")
RES_DIR = "res"

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

# The standard 16-colour palette, in Windows order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
K, NAVY, SILVER, GREY, YELLOW, WHITE16 = 0, 4, 7, 8, 11, 15


class Canvas:
    """A grid of pixel values; None marks a transparent pixel."""

    def __init__(self, width, height, fill=None):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, value):
        """Fills the inclusive rectangle, clipped to the canvas."""
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


def skin_button(letter, down):
    w, h = BUTTON_SIZES[letter]
    c = Canvas(w, h, FACE_DOWN if down else FACE)
    if down:
        c.bevel(0, 0, w - 1, h - 1, BLACK, WHITE)
        c.bevel(1, 1, w - 2, h - 2, SHADOW, LIGHT)
    else:
        c.bevel(0, 0, w - 1, h - 1, WHITE, BLACK)
        c.bevel(1, 1, w - 2, h - 2, LIGHT, SHADOW)
    pattern = BIG_FONT[letter]
    x = (w - OVERLAP[letter] - len(pattern[0])) // 2 + down
    y = (h - len(pattern)) // 2 + down
    c.glyph(x, y, pattern, BLACK)
    return c


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
    os.makedirs(SKIN_DIR, exist_ok=True)
    for letter in "HAT":
        for down, face in ((False, "UP"), (True, "DOWN")):
            path = os.path.join(SKIN_DIR, "%s-%s.BMP" % (letter, face))
            write_bmp24(path, skin_button(letter, down))
    small = program_icon_16()
    write_ico(os.path.join(RES_DIR, "Panewarden.ico"), [program_icon_32(), small])
    write_ico(os.path.join(RES_DIR, "Tray.ico"), [small])
    write_ico(os.path.join(RES_DIR, "HiddenWindow.ico"), [hidden_window_icon()])


if __name__ == "__main__":
    main()
