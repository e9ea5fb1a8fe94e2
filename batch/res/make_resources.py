#!/usr/bin/env python3
"""Draws Zrtbatch's icons, its log-list bitmap and its two animations, and writes them beside this script.

The pictures are small pixel drawings made here from rectangles, so the program carries no third-party artwork:
  Zrtbatch.ico   program icon (a host cabinet and a PC with an arrow between them)
  HostLeft.ico   host system drawn at the left of its frame
  Pc.ico         PC
  HostRight.ico  host system drawn at the right of its frame
  LogImages.bmp  image strip of the log list, 16 pixels per image, teal (0, 128, 128) as the mask colour
  Starting.avi   dots that fill in from left to right while a transfer starts
  Running.avi    a page that travels from left to right while records move
The animations are uncompressed 8-bit AVI files, which the animation control plays without any codec.

Run: python3 make_resources.py (standard library only). The outputs are committed; the build does not run this.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Palette shared by every picture: index -> (r, g, b).
PALETTE = [
    (192, 192, 192),  # 0 dialog face (transparent background of the animations)
    (0, 0, 0),        # 1 outline
    (255, 255, 255),  # 2 white
    (128, 128, 128),  # 3 grey
    (0, 0, 128),      # 4 dark blue (screen)
    (0, 128, 0),      # 5 green (lights, dots)
    (255, 255, 0),    # 6 yellow (page)
    (0, 128, 128),    # 7 teal (mask of the bitmap)
    (160, 80, 0),     # 8 brown (page lines)
    (64, 64, 64),     # 9 dark grey
]
FACE, BLACK, WHITE, GREY, BLUE, GREEN, YELLOW, TEAL, BROWN, DARK = range(10)
TRANSPARENT = -1


class Canvas:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def rect(self, x, y, w, h, colour):
        for row in range(max(0, y), min(self.height, y + h)):
            for col in range(max(0, x), min(self.width, x + w)):
                self.pixels[row][col] = colour

    def frame(self, x, y, w, h, border, inside):
        self.rect(x, y, w, h, border)
        self.rect(x + 1, y + 1, w - 2, h - 2, inside)


def scaled(draw, size):
    """Draws on a 32x32 canvas and scales it down to `size` by sampling."""
    big = Canvas(32, 32)
    draw(big)
    if size == 32:
        return big
    small = Canvas(size, size)
    step = 32 // size
    for y in range(size):
        for x in range(size):
            small.pixels[y][x] = big.pixels[y * step + step // 2][x * step + step // 2]
    return small


def draw_host(c, left):
    x = 2 if left else 12
    c.frame(x, 1, 18, 30, BLACK, GREY)
    for i in range(4):
        c.rect(x + 3, 4 + i * 6, 12, 3, DARK)
        c.rect(x + 13, 5 + i * 6, 2, 1, GREEN)
    c.rect(x + 3, 27, 12, 2, BLACK)


def draw_pc(c):
    c.frame(3, 3, 26, 19, BLACK, GREY)
    c.rect(6, 6, 20, 13, BLUE)
    c.rect(8, 8, 8, 1, WHITE)
    c.rect(8, 11, 12, 1, WHITE)
    c.rect(13, 22, 6, 3, BLACK)
    c.frame(6, 25, 20, 5, BLACK, GREY)


def draw_program(c):
    c.frame(1, 3, 10, 26, BLACK, GREY)
    for i in range(3):
        c.rect(3, 6 + i * 6, 6, 2, DARK)
    c.frame(18, 8, 13, 11, BLACK, BLUE)
    c.rect(22, 19, 5, 3, BLACK)
    c.frame(18, 22, 13, 4, BLACK, GREY)
    c.rect(12, 14, 4, 3, YELLOW)
    c.rect(15, 12, 2, 7, YELLOW)


def icon_entry(canvas):
    """One icon image: a 32-bit BITMAPINFOHEADER image with its AND mask."""
    w, h = canvas.width, canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(canvas.pixels):
        for index in row:
            if index == TRANSPARENT:
                xor += bytes((0, 0, 0, 0))
            else:
                r, g, b = PALETTE[index]
                xor += bytes((b, g, r, 255))
    mask_row = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(canvas.pixels):
        bits = bytearray(mask_row)
        for x, index in enumerate(row):
            if index == TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def write_icon(name, draw, folder=HERE):
    images = [icon_entry(scaled(draw, size)) for size in (32, 16)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(images)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def dib_8bit(canvas, background):
    """Bottom-up 8-bit rows of a canvas, each padded to 4 bytes; transparent pixels take `background`."""
    row_size = (canvas.width + 3) // 4 * 4
    rows = bytearray()
    for row in reversed(canvas.pixels):
        line = bytes(background if index == TRANSPARENT else index for index in row)
        rows += line + bytes(row_size - len(line))
    return bytes(rows)


def palette_bytes():
    entries = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries)


def write_bitmap(name, canvas, background):
    pixels = dib_8bit(canvas, background)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + 1024
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + palette_bytes() + pixels)


def log_images():
    c = Canvas(32, 16, TEAL)
    # Image 0: a note sheet; image 1: a warning sign.
    c.frame(3, 1, 10, 14, BLACK, WHITE)
    for y in (4, 7, 10):
        c.rect(5, y, 6, 1, GREY)
    for i in range(7):
        c.rect(16 + 7 - i, 2 + i * 2, 2 * i + 1, 2, YELLOW)
    c.rect(23, 6, 2, 5, BLACK)
    c.rect(23, 12, 2, 2, BLACK)
    return c


def chunk(tag, data):
    padded = data + (b"\0" if len(data) % 2 else b"")
    return tag + struct.pack("<I", len(data)) + padded


def riff_list(tag, kind, body):
    return tag + struct.pack("<I", 4 + len(body)) + kind + body


def write_avi(name, frames, width, height, rate):
    """An uncompressed 8-bit AVI with one video stream and an index."""
    frame_size = ((width + 3) // 4 * 4) * height
    microseconds = 1000000 // rate
    avih = struct.pack("<IIIIIIIIII4I", microseconds, frame_size * rate, 0, 0x10, len(frames), 0, 1, frame_size,
                       width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"\0\0\0\0", 0, 0, 0, 0, 1, rate, 0, len(frames),
                       frame_size, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, frame_size, 0, 0, 256, 0) + palette_bytes()
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)
    movi_body = b""
    index = b""
    for frame in frames:
        data = dib_8bit(frame, FACE)
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi_body), len(data))
        movi_body += chunk(b"00db", data)
    movi = riff_list(b"LIST", b"movi", movi_body)
    body = hdrl + movi + chunk(b"idx1", index)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(riff_list(b"RIFF", b"AVI ", body))


AVI_WIDTH, AVI_HEIGHT = 96, 24


def starting_frames():
    frames = []
    for step in range(8):
        c = Canvas(AVI_WIDTH, AVI_HEIGHT, FACE)
        for dot in range(step + 1):
            c.frame(6 + dot * 11, 9, 7, 7, DARK, GREEN)
        frames.append(c)
    return frames


def running_frames():
    frames = []
    for step in range(12):
        c = Canvas(AVI_WIDTH, AVI_HEIGHT, FACE)
        c.rect(0, 12, AVI_WIDTH, 1, GREY)
        x = 2 + step * 7
        c.frame(x, 3, 14, 18, BLACK, YELLOW)
        for y in (7, 11, 15):
            c.rect(x + 3, y, 8, 1, BROWN)
        frames.append(c)
    return frames


def main():
    write_icon("Zrtbatch.ico", draw_program)
    write_icon("HostLeft.ico", lambda c: draw_host(c, True))
    write_icon("Pc.ico", draw_pc)
    write_icon("HostRight.ico", lambda c: draw_host(c, False))
    write_bitmap("LogImages.bmp", log_images(), TEAL)
    write_avi("Starting.avi", starting_frames(), AVI_WIDTH, AVI_HEIGHT, 6)
    write_avi("Running.avi", running_frames(), AVI_WIDTH, AVI_HEIGHT, 10)


if __name__ == "__main__":
    main()
