#!/usr/bin/env python3
"""Writes data/Icons/Default.ico: a single-image 16-colour 32 x 32 icon (a small data-entry
form: a blue window with a yellow title bar and three white fields), the shape that the
application builder can patch into a runtime."""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, SILVER, GRAY, YELLOW, BLUE, WHITE = 4, 7, 8, 11, 12, 15


def pixel(x, y):
    """Colour index of pixel (x, y), y = 0 at the top; None for transparent."""
    if x < 2 or x > 29 or y < 3 or y > 28:
        return None
    if x == 2 or x == 29 or y == 3 or y == 28:
        return NAVY
    if y <= 8:
        return YELLOW if x < 24 else (WHITE if 25 <= x <= 27 and 5 <= y <= 7 else BLUE)
    for top in (11, 17, 23):
        if top <= y <= top + 3 and 6 <= x <= 25:
            if y == top or x == 6:
                return GRAY
            return WHITE
    return SILVER


def icon_bytes():
    size = 32
    colour = bytearray()
    mask = bytearray()
    for row in range(size - 1, -1, -1):  # bottom-up
        bits = 0
        line_mask = bytearray()
        line = bytearray()
        for x in range(0, size, 2):
            a, b = pixel(x, row), pixel(x + 1, row)
            line.append(((a or 0) << 4) | (b or 0))
        for x in range(size):
            bits = (bits << 1) | (1 if pixel(x, row) is None else 0)
            if x % 8 == 7:
                line_mask.append(bits)
                bits = 0
        colour += line
        mask += line_mask
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(colour) + len(mask),
                         0, 0, 16, 0)
    image = header + palette + bytes(colour) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 22)
    data = directory + image
    assert len(data) == 766 and data[126:126 + 640] == bytes(colour) + bytes(mask)
    return data


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else "data/Icons/Default.ico"
    with open(target, "wb") as out:
        out.write(icon_bytes())
