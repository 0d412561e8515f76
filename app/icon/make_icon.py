#!/usr/bin/env python3
"""Write Morvane's application icon: a browser window with a navy title bar.

Usage: python3 make_icon.py OUT.ico

The picture is the pixel map below, one character per pixel, top row first.
Edit the map or the colours to change the icon; the output is byte-identical
on every run.  The file holds a single 32x32, 256-colour image.
"""
import struct
import sys

# Character -> RGB.  '.' is transparent and must stay first (palette index 0).
COLOURS = {
    '.': (0, 0, 0),        # transparent (masked out)
    'K': (32, 32, 48),     # window frame
    'N': (0, 0, 128),      # title bar navy
    'L': (224, 224, 240),  # title text
    'g': (192, 192, 192),  # toolbar / button face
    'd': (96, 96, 96),     # shadows, button glyphs
    'W': (255, 255, 255),  # page
    'b': (16, 80, 200),    # globe sea, link text
    'G': (40, 160, 64),    # globe land
}

PICTURE = """\
................................
..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KNNNNNNNNNNgggggNgggggNgggggNK.
.KNNNNNNNNNNgggggNgdddgNgdgdgNK.
.KNLLLLLLLNNgggggNgdgdgNggdggNK.
.KNNNNNNNNNNgdddgNgdddgNgdgdgNK.
.KNNNNNNNNNNgggggNgggggNgggggNK.
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KggggggggggggggggggggggggggggK.
.KggddddddddddddddddddddddddggK.
.KggdWbbbbbbbbbWWWWWWWWWWWWWggK.
.KggdWWWWWWWWWWWWWWWWWWWWWWWggK.
.KggggggggggggggggggggggggggggK.
.KddddddddddddddddddddddddddddK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWWbbbbWWWWWWWWWWWWWWWWWWWK.
.KWWWbbbGGbbbWWWWWbbbbbbbbbbWWK.
.KWWWbGGGGbbbWWWWWWWWWWWWWWWWWK.
.KWWbbGGGbbGGbWWWWbbbbbbbbWWWWK.
.KWWbbbGbbGGGbWWWWWWWWWWWWWWWWK.
.KWWbbbbbbGGGbWWWWbbbbbbbbbbWWK.
.KWWbbbbbbbGbbWWWWWWWWWWWWWWWWK.
.KWWWbbGbbbbbWWWWWbbbbbbbWWWWWK.
.KWWWbbGGbbbbWWWWWWWWWWWWWWWWWK.
.KWWWWWbbbbWWWWWWWWWWWWWWWWWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbbbbbbbbbbbbbbbbbbbWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbbbbbbbbbbbbWWWWWWWWWWK.
..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..
................................
"""

SIZE = 32
MASK_STRIDE = (SIZE + 31) // 32 * 4  # mask rows are padded to 4 bytes


def build_icon(rows):
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        raise ValueError('picture must be %d lines of %d characters' % (SIZE, SIZE))
    index = {ch: i for i, ch in enumerate(COLOURS)}
    palette = b''.join(struct.pack('<4B', b, g, r, 0) for r, g, b in COLOURS.values())
    palette += b'\0' * (4 * 256 - len(palette))  # unused entries: black

    # 8-bit rows are SIZE bytes, already a multiple of 4, so no row padding.
    xor = b''.join(bytes(index[ch] for ch in row) for row in reversed(rows))
    mask = b''
    for row in reversed(rows):  # 1 bit per pixel, set = transparent
        bits = int(''.join('1' if ch == '.' else '0' for ch in row), 2)
        mask += bits.to_bytes(MASK_STRIDE, 'big')

    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    image = header + palette + xor + mask
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make_icon.py OUT.ico')
    with open(sys.argv[1], 'wb') as f:
        f.write(build_icon(PICTURE.splitlines()))


if __name__ == '__main__':
    main()
