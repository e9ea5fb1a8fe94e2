#!/usr/bin/env python3
"""Writes Up.ico and Down.ico, the arrows of the description-file editor's Up and Down buttons (16 by 16 pixels,
32-bit colour with an AND mask)."""
import os
import struct

SIZE = 16


def arrow(up):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            ty = y if up else SIZE - 1 - y
            inside = (ty >= 2 and ty < 8 and abs(x - 7.5) <= ty - 1.5) or (ty >= 8 and ty < 14 and 5 <= x <= 10)
            row.append(inside)
        rows.append(row)
    return rows


def ico(rows):
    pixels = b""
    for row in reversed(rows):               # bottom-up
        for inside in row:
            pixels += struct.pack("<BBBB", 0, 0, 0, 255) if inside else struct.pack("<BBBB", 0, 0, 0, 0)
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, inside in enumerate(row):
            if not inside:
                bits |= 1 << (15 - x)
        mask += struct.pack(">H", bits) + b"\0\0"   # rows padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22) + image


folder = os.path.dirname(os.path.abspath(__file__))
for name, up in (("Up.ico", True), ("Down.ico", False)):
    with open(os.path.join(folder, name), "wb") as out:
        out.write(ico(arrow(up)))
