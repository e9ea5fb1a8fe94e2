#!/usr/bin/env python3
"""Writes Wizard.bmp, the wizard's 256-colour picture of 130 by 254 pixels: a sky fading into a field, with a
host tower and a PC screen joined by a line."""
import struct

WIDTH, HEIGHT = 130, 254

palette = []
for i in range(128):                       # sky: dark to light blue
    palette.append((40 + i, 60 + i, 140 + i // 2 + 50))
for i in range(64):                        # field: greens
    palette.append((20 + i, 90 + i * 2, 40 + i))
for i in range(64):                        # greys for the machines
    palette.append((i * 4, i * 4, i * 4))


def pixel(x, y):
    if 30 <= x <= 60 and 60 <= y <= 170:   # host tower
        return 192 + (20 if (y - 60) % 12 < 2 else 40)
    if 75 <= x <= 115 and 120 <= y <= 150:  # PC screen
        return 192 + (60 if 79 <= x <= 111 and 124 <= y <= 146 else 30)
    if 60 < x < 75 and 134 <= y <= 136:    # the line between them
        return 192 + 63
    if y < 180:
        return min(127, y * 128 // 180)
    return 128 + min(63, (y - 180) * 64 // (HEIGHT - 180))


row_size = (WIDTH + 3) & ~3
rows = []
for y in range(HEIGHT - 1, -1, -1):
    row = bytes(pixel(x, y) for x in range(WIDTH))
    rows.append(row + b"\0" * (row_size - WIDTH))
data = b"".join(rows)
colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(data), 2835, 2835, 256, 0)
offset = 14 + len(header) + len(colours)
with open(__file__.replace("make_picture.py", "Wizard.bmp"), "wb") as out:
    out.write(struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset))
    out.write(header + colours + data)
