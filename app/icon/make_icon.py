#!/usr/bin/env python3
"""Write Morvane's application icon: a browser window with a navy title bar.

Usage: python3 make_icon.py OUT.ico

The picture is drawn three times, as the pixel maps below, one character per
pixel, top row first: 16x16 for title bars and small lists, 32x32, and 48x48
for large icons and high resolutions.  Edit a map or the colours to change the
icon; the output is byte-identical on every run.  Each image is 256-colour
and uncompressed (not PNG), which every Windows from 2000 on reads.
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

PICTURE_16 = """\
.KKKKKKKKKKKKKK.
KNNNNNNNNNNNNNNK
KNLLLLNNNggNggNK
KNNNNNNNNggNggNK
KNNNNNNNNNNNNNNK
KggggggggggggggK
KgWbbbbWWWWWWWgK
KddddddddddddddK
KWWWWWWWWWWWWWWK
KWWbbWWWbbbbbWWK
KWbGGbWWWWWWWWWK
KWbbGbWWbbbbWWWK
KWWbbWWWWWWWWWWK
KWWWWWWWWWWWWWWK
KWbbbbbbbbbWWWWK
.KKKKKKKKKKKKKK.
"""

PICTURE_32 = """\
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

PICTURE_48 = """\
................................................
..KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK..
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KNNNNNNNNNNNNNNNNNgggggggNNgggggggNNgggggggNNK.
.KNNNNNNNNNNNNNNNNNgggggggNNggdddddNNggdgggdNNK.
.KNNNNNNNNNNNNNNNNNgggggggNNggdddddNNgggdgdgNNK.
.KNNLLLLLLLLLLLNNNNgggggggNNggdgggdNNggggdggNNK.
.KNNLLLLLLLLLLLNNNNggddddgNNggdgggdNNgggdgdgNNK.
.KNNNNNNNNNNNNNNNNNggddddgNNggdddddNNggdgggdNNK.
.KNNNNNNNNNNNNNNNNNgggggggNNgggggggNNgggggggNNK.
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNK.
.KggggggggggggggggggggggggggggggggggggggggggggK.
.KggggggggggggggggggggggggggggggggggggggggggggK.
.KgggdddddddddddddddddddddddddddddddddddddggggK.
.KgggdWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWggggK.
.KgggdWWbbbbbbbbbbbbbbWWWWWWWWWWWWWWWWWWWWggggK.
.KgggdWWbbbbbbbbbbbbbbWWWWWWWWWWWWWWWWWWWWggggK.
.KgggdWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWggggK.
.KggggggggggggggggggggggggggggggggggggggggggggK.
.KggggggggggggggggggggggggggggggggggggggggggggK.
.KddddddddddddddddddddddddddddddddddddddddddddK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWWWWbbbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWWbbbbbbbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWbbbbGGGbbbbWWWWWWWbbbbbbbbbbbbbbbbbbbWWWK.
.KWWWbbGGGGGGbbbbbWWWWWWbbbbbbbbbbbbbbbbbbbWWWK.
.KWWWbbGGGGGGbbbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbGGGGGbbbGGGbWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbGbbbGGGGGbWWWWWbbbbbbbbbbbbbWWWWWWWWWK.
.KWWbbbbbGbbbGGGGGbWWWWWbbbbbbbbbbbbbWWWWWWWWWK.
.KWWbbbbbbbbbGGGGGbWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbbbbbbbGbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWbbbbbbbbbbGbbWWWWWWbbbbbbbbbbbbbbbbbbbWWWK.
.KWWWbbbbGbbbbbbbbWWWWWWbbbbbbbbbbbbbbbbbbbWWWK.
.KWWWWbbbGGGbbbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWWbbGGGbbbbWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWWWWWWbbbbbWWWWWWWWWWbbbbbbbbbbbbbbbWWWWWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWbbbbbbbbbbbbbbbWWWWWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbWWWWWWWK.
.KWWbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbWWWWWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
.KWWbbbbbbbbbbbbbbbbbbbbbbbbbWWWWWWWWWWWWWWWWWK.
.KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK.
..KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK..
................................................
"""

PICTURES = [PICTURE_16, PICTURE_32, PICTURE_48]


def build_image(rows):
    """One icon image: its header, palette, colour rows and mask, bottom row first."""
    size = len(rows)
    if any(len(r) != size for r in rows):
        raise ValueError('picture must be %d lines of %d characters' % (size, size))
    index = {ch: i for i, ch in enumerate(COLOURS)}
    palette = b''.join(struct.pack('<4B', b, g, r, 0) for r, g, b in COLOURS.values())
    palette += b'\0' * (4 * 256 - len(palette))  # unused entries: black

    # 8-bit rows of 16, 32 or 48 bytes are already a multiple of 4, so no row padding.
    xor = b''.join(bytes(index[ch] for ch in row) for row in reversed(rows))
    mask_stride = (size + 31) // 32 * 4  # mask rows are padded to 4 bytes
    mask = b''
    for row in reversed(rows):  # 1 bit per pixel, set = transparent
        bits = int(''.join('1' if ch == '.' else '0' for ch in row), 2)
        mask += (bits << (mask_stride * 8 - size)).to_bytes(mask_stride, 'big')

    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    return size, header + palette + xor + mask


def build_icon(pictures):
    images = [build_image(picture.splitlines()) for picture in pictures]
    icondir = struct.pack('<HHH', 0, 1, len(images))
    offset = len(icondir) + 16 * len(images)
    entries = data = b''
    for size, image in images:
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
        data += image
    return icondir + entries + data


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make_icon.py OUT.ico')
    with open(sys.argv[1], 'wb') as f:
        f.write(build_icon(PICTURES))


if __name__ == '__main__':
    main()
