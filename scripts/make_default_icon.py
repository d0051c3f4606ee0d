#!/usr/bin/env python3
"""Writes the built-in tray icon: one 71 x 71 image, 32 bits a pixel, every
pixel an opaque light grey (F5 F5 F5), the AND mask all clear.

    make_default_icon.py OUTPUT          write the icon
    make_default_icon.py --check FILE    exit 1 unless FILE holds these bytes
"""
import struct
import sys

SIDE = 71
BITS = 32
GREY = 0xF5
PIXELS_PER_METRE = 4724  # 120 dots per inch

def icon_bytes():
    pixel = bytes([GREY, GREY, GREY, 0xFF])  # blue, green, red, alpha
    colour = pixel * (SIDE * SIDE)
    mask_row = ((SIDE + 31) // 32) * 4  # 1 bit a pixel, rows padded to 32 bits
    mask = bytes(mask_row * SIDE)
    header = struct.pack('<IiiHHIIiiII', 40, SIDE, 2 * SIDE, 1, BITS, 0, len(colour),
                         PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    image = header + colour + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    offset = len(directory) + 16
    entry = struct.pack('<BBBBHHII', SIDE, SIDE, 0, 0, 1, BITS, len(image), offset)
    return directory + entry + image

def main(argv):
    data = icon_bytes()
    if len(argv) == 3 and argv[1] == '--check':
        with open(argv[2], 'rb') as f:
            same = f.read() == data
        if not same:
            print(f'{argv[2]} differs from the generated icon', file=sys.stderr)
        return 0 if same else 1
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], 'wb') as f:
        f.write(data)
    return 0

if __name__ == '__main__':
    sys.exit(main(sys.argv))
