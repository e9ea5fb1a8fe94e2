#!/usr/bin/env python3
"""Draws Zrtdesk's bitmaps and writes them beside this script.

  Toolbar.bmp    toolbar images, 16 x 15 pixels each: New, Open, Save, Run, context help
  TreeImages.bmp property-tree images, 18 x 16 pixels each, 16 images (one per item kind's image index)
  NewKinds.bmp   images of the New page, 32 x 32 pixels each: host to PC, PC to host, profile list
  MoveUp.ico     the profile-list entry's Up button (an arrow pointing up)
  MoveDown.ico   its Down button
Teal (0, 128, 128) is the mask colour of every strip. The other icons and the animations are Zrtbatch's (batch/res),
whose script also writes the two arrow icons here.

Run: python3 make_resources.py (standard library only). The outputs are committed; the build does not run this.
"""
import os
import runpy
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
PALETTE = [(0, 128, 128), (0, 0, 0), (255, 255, 255), (128, 128, 128), (0, 0, 128), (0, 128, 0),
           (255, 255, 0), (160, 80, 0), (192, 192, 192), (200, 0, 0)]
TEAL, BLACK, WHITE, GREY, BLUE, GREEN, YELLOW, BROWN, SILVER, RED = range(10)


class Strip:
    def __init__(self, width, height, count):
        self.w, self.h, self.count = width, height, count
        self.pixels = [[TEAL] * (width * count) for _ in range(height)]

    def rect(self, image, x, y, w, h, colour):
        for row in range(max(0, y), min(self.h, y + h)):
            for col in range(max(0, x), min(self.w, x + w)):
                self.pixels[row][image * self.w + col] = colour

    def box(self, image, x, y, w, h, fill):
        self.rect(image, x, y, w, h, BLACK)
        self.rect(image, x + 1, y + 1, w - 2, h - 2, fill)

    def write(self, name):
        width = self.w * self.count
        stride = (width + 3) & ~3
        rows = b"".join(bytes(self.pixels[r]) + bytes(stride - width) for r in reversed(range(self.h)))
        palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE) + bytes(4 * (256 - len(PALETTE)))
        header = struct.pack("<IiiHHIIiiII", 40, width, self.h, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
        offset = 14 + len(header) + len(palette)
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset) + header + palette + rows)


def page(s, i, x, y, w, h):
    s.box(i, x, y, w, h, WHITE)
    for line in range(y + 3, y + h - 2, 2):
        s.rect(i, x + 2, line, w - 4, 1, GREY)


def host(s, i, x, y, w, h):
    s.box(i, x, y, w, h, SILVER)
    s.rect(i, x + 2, y + 2, w - 4, 2, BLUE)
    s.rect(i, x + 2, y + h - 4, 2, 2, GREEN)


def pc(s, i, x, y, w, h):
    s.box(i, x, y, w, h - 3, BLUE)
    s.rect(i, x + w // 2 - 2, y + h - 3, 4, 3, BLACK)


def arrow(s, i, x, y, w, colour=RED):
    s.rect(i, x, y, w, 2, colour)
    s.rect(i, x + w - 3, y - 2, 2, 6, colour)


def toolbar():
    s = Strip(16, 15, 5)
    page(s, 0, 3, 1, 10, 13)
    s.box(1, 1, 5, 14, 9, YELLOW)
    s.rect(1, 2, 3, 6, 2, BROWN)
    s.box(2, 1, 1, 14, 13, BLUE)
    s.rect(2, 4, 2, 8, 5, WHITE)
    s.rect(2, 4, 9, 8, 4, GREY)
    for x in range(3, 12):
        s.rect(3, x, 3 + abs(7 - x) // 2, 1, 9 - abs(7 - x), GREEN)
    s.rect(4, 2, 2, 2, 10, BLACK)
    s.box(4, 7, 3, 7, 7, YELLOW)
    s.rect(4, 10, 11, 2, 2, BLACK)
    s.write("Toolbar.bmp")


def tree():
    colours = [BLUE, GREEN, YELLOW, SILVER, BROWN, WHITE, GREY, RED, GREEN, BLUE, SILVER, YELLOW, GREEN, BROWN,
               RED, WHITE]
    s = Strip(18, 16, 16)
    for i, colour in enumerate(colours):
        s.box(i, 2, 2, 14, 12, colour)
        s.rect(i, 4, 5, 10, 1, BLACK)
        s.rect(i, 4, 9, 6 + i % 5, 1, BLACK)
    s.write("TreeImages.bmp")


def new_kinds():
    s = Strip(32, 32, 3)
    host(s, 0, 2, 6, 10, 22)
    pc(s, 0, 19, 10, 12, 14)
    arrow(s, 0, 11, 17, 9)
    pc(s, 1, 1, 10, 12, 14)
    host(s, 1, 20, 6, 10, 22)
    arrow(s, 1, 12, 17, 9)
    for k in range(3):
        page(s, 2, 4 + 5 * k, 3 + 5 * k, 16, 20)
    s.write("NewKinds.bmp")


def arrow_icons():
    batch = runpy.run_path(os.path.join(HERE, "..", "..", "batch", "res", "make_resources.py"))
    black = batch["BLACK"]

    def up(c):
        for row in range(12):
            c.rect(15 - row, 6 + row, 2 + 2 * row, 1, black)
        c.rect(11, 18, 10, 9, black)

    def down(c):
        for row in range(12):
            c.rect(15 - row, 25 - row, 2 + 2 * row, 1, black)
        c.rect(11, 5, 10, 9, black)

    batch["write_icon"]("MoveUp.ico", up, HERE)
    batch["write_icon"]("MoveDown.ico", down, HERE)


toolbar()
tree()
new_kinds()
arrow_icons()
