#!/usr/bin/env python3
"""Draws the main frame's toolbar images and the splash picture as 24-bit BMP files.

Shapes are drawn here; the few CJK glyphs are rasterised by ImageMagick's `convert` with the
Japanese and Chinese fonts of the build machine. Run it again after changing an icon:

    tools/framebitmaps/make_frame_bitmaps.py resources/

writes resources/Toolbar.bmp (20 x 20 images side by side, magenta is transparent) and
resources/Splash.bmp.
"""
import math
import os
import struct
import subprocess
import sys

SIZE = 20
MASK = (255, 0, 255)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
DARK = (64, 64, 64)
LIGHT = (224, 224, 224)
PAPER = (252, 252, 248)
BLUE = (32, 86, 196)
NAVY = (20, 40, 120)
SKY = (120, 170, 235)
RED = (200, 40, 40)
GREEN = (30, 140, 60)
YELLOW = (250, 212, 60)
AMBER = (220, 160, 30)
BROWN = (140, 80, 30)

GOTHIC = "IPAGothic"
SIMPLIFIED = "AR-PL-UMing-CN"
TRADITIONAL = "AR-PL-UMing-TW"


class Canvas:
    def __init__(self, width, height, fill=MASK):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def blend(self, x, y, colour, alpha):
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        base = self.px[y][x]
        if base == MASK:
            # Over transparency only solid coverage counts, so edges stay clean on any face colour.
            if alpha >= 0.5:
                self.px[y][x] = colour
            return
        self.px[y][x] = tuple(round(b + (c - b) * min(alpha, 1.0)) for b, c in zip(base, colour))

    def rect(self, x0, y0, x1, y1, fill=None, outline=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge and outline:
                    self.set(x, y, outline)
                elif fill:
                    self.set(x, y, fill)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for dx in range(width):
                for dy in range(width):
                    self.set(round(x) + dx - width // 2, round(y) + dy - width // 2, colour)

    def disc(self, cx, cy, r, fill, outline=None):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r - 1 and fill:
                    self.set(x, y, fill)
                elif d <= r and outline:
                    self.set(x, y, outline)
                elif d <= r and fill:
                    self.set(x, y, fill)

    def ring(self, cx, cy, r, colour, width=1.5):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if abs(d - r) <= width / 2:
                    self.set(x, y, colour)

    def polygon(self, points, fill):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(round(a)), int(round(b))):
                    self.set(x, y, fill)

    def paste(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                if other.px[y][x] != MASK:
                    self.set(ox + x, oy + y, other.px[y][x])


def glyph(canvas, text, font, size, colour, x, y, width, height):
    """Draws the text centred in the box, anti-aliased, from ImageMagick's rendering."""
    raw = subprocess.run(
        ["convert", "-background", "black", "-fill", "white", "-font", font, "-pointsize", str(size),
         "label:" + text, "-trim", "+repage", "-depth", "8", "-format", "%w %h\n", "-write", "info:-",
         "gray:-"], check=True, capture_output=True).stdout
    header, data = raw.split(b"\n", 1)
    w, h = map(int, header.split())
    ox = x + (width - w) // 2
    oy = y + (height - h) // 2
    for gy in range(h):
        for gx in range(w):
            canvas.blend(ox + gx, oy + gy, colour, data[gy * w + gx] / 255.0)


def page(c, x0=3, y0=1, x1=15, y1=18, fold=4):
    c.polygon([(x0, y0), (x1 - fold + 1, y0), (x1 + 1, y0 + fold), (x1 + 1, y1 + 1), (x0, y1 + 1)], PAPER)
    c.line(x0, y0, x1 - fold, y0, DARK)
    c.line(x0, y0, x0, y1, DARK)
    c.line(x0, y1, x1, y1, DARK)
    c.line(x1, y0 + fold, x1, y1, DARK)
    c.line(x1 - fold, y0, x1, y0 + fold, DARK)
    c.line(x1 - fold, y0, x1 - fold, y0 + fold, GREY)
    c.line(x1 - fold, y0 + fold, x1, y0 + fold, GREY)


def text_lines(c, x0, x1, ys, colour=GREY):
    for y in ys:
        c.line(x0, y, x1, y, colour)


def icon_new(c):
    page(c)
    c.disc(15, 15, 4, YELLOW, AMBER)
    c.line(15, 12, 15, 18, WHITE)
    c.line(12, 15, 18, 15, WHITE)


def icon_open(c):
    c.polygon([(1, 5), (7, 5), (9, 7), (16, 7), (16, 17), (1, 17)], AMBER)
    c.rect(1, 5, 16, 17, outline=BROWN)
    c.polygon([(4, 10), (19, 10), (16, 17), (1, 17)], YELLOW)
    c.line(4, 10, 19, 10, BROWN)
    c.line(19, 10, 16, 17, BROWN)
    c.line(1, 17, 16, 17, BROWN)


def icon_save(c):
    c.rect(2, 2, 17, 17, fill=BLUE, outline=NAVY)
    c.rect(5, 2, 14, 8, fill=WHITE, outline=NAVY)
    text_lines(c, 7, 12, [4, 6])
    c.rect(6, 11, 13, 17, fill=LIGHT, outline=NAVY)
    c.rect(7, 12, 9, 16, fill=DARK)


def icon_cut(c):
    c.line(6, 2, 13, 12, DARK, 2)
    c.line(13, 2, 6, 12, DARK, 2)
    c.ring(5.5, 15.5, 2.6, RED, 1.6)
    c.ring(14.5, 15.5, 2.6, RED, 1.6)


def icon_copy(c):
    page(c, 1, 1, 11, 14, 3)
    text_lines(c, 3, 8, [5, 7, 9, 11])
    page(c, 7, 5, 17, 18, 3)
    text_lines(c, 9, 15, [10, 12, 14, 16], BLUE)


def icon_paste(c):
    c.rect(2, 3, 14, 18, fill=BROWN, outline=(90, 50, 20))
    c.rect(5, 1, 11, 4, fill=GREY, outline=DARK)
    page(c, 8, 7, 18, 18, 3)
    text_lines(c, 10, 16, [11, 13, 15], BLUE)


def icon_print(c):
    c.rect(5, 1, 14, 8, fill=PAPER, outline=DARK)
    c.rect(1, 7, 18, 14, fill=LIGHT, outline=DARK)
    c.set(15, 9, GREEN)
    c.set(16, 9, GREEN)
    c.rect(4, 12, 15, 18, fill=PAPER, outline=DARK)
    text_lines(c, 6, 13, [14, 16])


def icon_preview(c):
    page(c, 2, 1, 14, 18)
    text_lines(c, 4, 10, [5, 7, 9])
    c.ring(11.5, 11.5, 3.6, NAVY, 1.6)
    c.disc(11.5, 11.5, 2.6, SKY)
    c.line(14, 14, 18, 18, DARK, 2)


def icon_undo(c):
    for i in range(40):
        a = math.pi * (1.0 - i / 39 * 1.25)
        c.set(round(10 + 6 * math.cos(a)), round(11 - 6 * math.sin(a)), BLUE)
        c.set(round(10 + 5 * math.cos(a)), round(11 - 5 * math.sin(a)), BLUE)
    c.polygon([(1, 9), (8, 9), (4.5, 14)], BLUE)


def icon_find(c):
    c.ring(8, 8, 5.2, NAVY, 2)
    c.disc(8, 8, 4.0, SKY)
    c.set(6, 6, WHITE)
    c.set(6, 7, WHITE)
    c.set(7, 6, WHITE)
    c.line(12, 12, 18, 18, BROWN, 3)


def icon_replace(c):
    c.ring(7, 7, 4.6, NAVY, 1.8)
    c.disc(7, 7, 3.4, SKY)
    c.line(10, 10, 13, 13, BROWN, 2)
    c.line(10, 17, 17, 17, RED, 2)
    c.polygon([(15, 13), (19, 17), (15, 21)], RED)


def icon_translate_selected(c):
    c.rect(1, 3, 18, 16, fill=YELLOW, outline=AMBER)
    glyph(c, "訳", GOTHIC, 16, NAVY, 1, 2, 18, 16)
    c.line(2, 18, 17, 18, BLUE)


def icon_translate_all(c):
    c.rect(1, 1, 18, 18, fill=BLUE, outline=NAVY)
    glyph(c, "全", GOTHIC, 16, WHITE, 1, 1, 18, 18)


def icon_stop(c):
    c.polygon([(6, 1), (13, 1), (18, 6), (18, 13), (13, 18), (6, 18), (1, 13), (1, 6)], RED)
    c.rect(5, 8, 14, 11, fill=WHITE)


def script_tile(c, text, font, fill, edge):
    c.rect(1, 1, 18, 18, fill=fill, outline=edge)
    glyph(c, text, font, 17, WHITE, 1, 1, 18, 18)


def icon_simplified(c):
    script_tile(c, "简", SIMPLIFIED, RED, (140, 20, 20))


def icon_traditional(c):
    script_tile(c, "繁", TRADITIONAL, BLUE, NAVY)


def icon_kanji(c):
    glyph(c, "漢", GOTHIC, 15, GREEN, 0, 0, 20, 15)
    c.line(3, 17, 16, 17, DARK)
    c.polygon([(13, 14), (17, 17), (13, 20)], DARK)
    c.polygon([(6, 14), (2, 17), (6, 20)], DARK)


def icon_clipboard_translate(c):
    c.rect(2, 3, 15, 18, fill=BROWN, outline=(90, 50, 20))
    c.rect(5, 1, 12, 4, fill=GREY, outline=DARK)
    c.rect(4, 6, 13, 16, fill=PAPER)
    glyph(c, "訳", GOTHIC, 10, NAVY, 4, 6, 10, 11)
    c.polygon([(14, 9), (19, 13), (14, 17)], GREEN)


def book(c, cover):
    c.rect(3, 1, 16, 17, fill=cover, outline=DARK)
    c.rect(4, 16, 16, 18, fill=PAPER, outline=DARK)
    c.line(6, 1, 6, 15, DARK)


def icon_dictionary_edit(c):
    book(c, BROWN)
    glyph(c, "辞", GOTHIC, 9, WHITE, 7, 2, 9, 10)
    c.line(11, 17, 18, 10, YELLOW, 2)
    c.set(10, 18, DARK)


def icon_dictionary_assign(c):
    book(c, GREEN)
    glyph(c, "辞", GOTHIC, 9, WHITE, 7, 2, 9, 10)
    c.line(10, 13, 12, 16, RED, 2)
    c.line(12, 16, 18, 9, RED, 2)


def icon_word_choice(c):
    c.rect(1, 2, 18, 17, fill=WHITE, outline=DARK)
    c.rect(2, 7, 17, 11, fill=BLUE)
    text_lines(c, 4, 14, [4, 14])
    text_lines(c, 4, 14, [9], WHITE)


def icon_settings(c):
    for i in range(8):
        a = i * math.pi / 4
        x, y = 10 + 7 * math.cos(a), 10 + 7 * math.sin(a)
        c.disc(x, y, 2.2, GREY)
    c.disc(10, 10, 6, GREY)
    c.disc(10, 10, 2.5, LIGHT)
    c.ring(10, 10, 6, DARK, 1)


def icon_help(c):
    c.disc(10, 10, 9, BLUE, NAVY)
    glyph(c, "?", GOTHIC, 16, WHITE, 1, 1, 18, 18)


def icon_about(c):
    c.disc(10, 10, 9, BLUE, NAVY)
    glyph(c, "i", GOTHIC, 16, WHITE, 1, 1, 18, 18)


def icon_non_translation(c):
    for x in (1, 4):
        c.line(x, 3, x, 16, DARK, 2)
        c.line(x, 3, x + 2, 3, DARK, 2)
        c.line(x, 16, x + 2, 16, DARK, 2)
    for x in (18, 15):
        c.line(x, 3, x, 16, DARK, 2)
        c.line(x - 2, 3, x, 3, DARK, 2)
        c.line(x - 2, 16, x, 16, DARK, 2)
    c.line(8, 10, 12, 10, RED, 2)


# Image index order is fixed: the frame's button table and command 32844 (13 simplified,
# 19 traditional) refer to these numbers.
ICONS = [
    icon_new,                  # 0  file new
    icon_open,                 # 1  file open
    icon_save,                 # 2  file save
    icon_cut,                  # 3  cut
    icon_copy,                 # 4  copy
    icon_paste,                # 5  paste
    icon_print,                # 6  print
    icon_preview,              # 7  print preview
    icon_undo,                 # 8  undo
    icon_find,                 # 9  find
    icon_translate_selected,   # 10 translate the chosen sentences
    icon_translate_all,        # 11 translate all sentences
    icon_stop,                 # 12 stop translating
    icon_simplified,           # 13 simplified/traditional conversion, simplified mode
    icon_kanji,                # 14 kanji conversion
    icon_clipboard_translate,  # 15 clipboard translation
    icon_dictionary_edit,      # 16 dictionary editing
    icon_settings,             # 17 settings
    icon_help,                 # 18 help contents
    icon_traditional,          # 19 simplified/traditional conversion, traditional mode
    icon_replace,              # 20 replace
    icon_dictionary_assign,    # 21 dictionary assignment
    icon_word_choice,          # 22 translation word choice
    icon_about,                # 23 about
    icon_non_translation,      # 24 non-translation span
]


def splash():
    w, h = 400, 240
    c = Canvas(w, h, WHITE)
    for y in range(h):
        t = y / (h - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip((24, 54, 130), (70, 130, 210)))
        for x in range(w):
            c.px[y][x] = colour
    # Two overlapping panes, the editor's source and translation.
    c.rect(40, 50, 180, 170, fill=PAPER, outline=NAVY)
    c.rect(220, 70, 360, 190, fill=PAPER, outline=NAVY)
    glyph(c, "日", GOTHIC, 72, NAVY, 40, 50, 141, 121)
    glyph(c, "中", SIMPLIFIED, 72, RED, 220, 70, 141, 121)
    c.polygon([(188, 110), (206, 110), (206, 100), (216, 120), (206, 140), (206, 130), (188, 130)], YELLOW)
    glyph(c, "Twintext", GOTHIC, 26, WHITE, 0, 196, w, 30)
    glyph(c, "日中・中日対訳エディタ", GOTHIC, 14, LIGHT, 0, 14, w, 24)
    return c


def write_bmp(path, canvas):
    row = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(canvas.height)):
        line = bytearray()
        for r, g, b in canvas.px[y]:
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    strip = Canvas(SIZE * len(ICONS), SIZE)
    for i, draw in enumerate(ICONS):
        tile = Canvas(SIZE, SIZE)
        draw(tile)
        strip.paste(tile, i * SIZE, 0)
    write_bmp(os.path.join(out, "Toolbar.bmp"), strip)
    write_bmp(os.path.join(out, "Splash.bmp"), splash())


if __name__ == "__main__":
    main()
