#!/usr/bin/env python3
"""Builds Tintlet's icon, cursor and bitmap files from the text pixel art in images/, and
PNG copies of the application icon's images for Linux desktops.

Usage: mkimages.py OUTPUT_DIR

Each picture file holds one character per pixel (see LEGEND); lines starting with ';'
are comments. The pipette pictures are drawn once and reused: the picker cursor is the
32 x 32 pipette itself, and the application icon lays the pipette over a pool.
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.join(HERE, 'images')

# The standard 16-colour palette, by index.
PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# The 16 standard colours, then a 6 x 6 x 6 colour cube and a 24-step grey ramp.
PALETTE256 = (PALETTE16
              + [(r, g, b) for r in range(0, 256, 51) for g in range(0, 256, 51)
                 for b in range(0, 256, 51)]
              + [(8 + 10 * i,) * 3 for i in range(24)])
PALETTE2 = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]

# None is a transparent pixel.
LEGEND = {
    '.': None,
    'K': (0x00, 0x00, 0x00),  # black
    'W': (0xFF, 0xFF, 0xFF),  # white
    'G': (0x80, 0x80, 0x80),  # dark grey
    'L': (0xC0, 0xC0, 0xC0),  # light grey
    'B': (0x00, 0x00, 0xFF),  # pure blue
}


def load(name):
    """Reads a picture: a list of rows, each a list of colours or None."""
    rows = []
    with open(os.path.join(IMAGES, name), encoding='ascii') as f:
        for line in f:
            line = line.rstrip('\r\n')
            if not line or line.startswith(';'):
                continue
            try:
                rows.append([LEGEND[c] for c in line])
            except KeyError as e:
                sys.exit('%s: unknown pixel character %s' % (name, e))
    if any(len(r) != len(rows[0]) for r in rows):
        sys.exit('%s: rows of different lengths' % name)
    return rows


def overlay(base, top):
    """The opaque pixels of `top` drawn over `base`."""
    return [[t if t is not None else b for b, t in zip(brow, trow)]
            for brow, trow in zip(base, top)]


def blank(width, height):
    return [[None] * width for _ in range(height)]


def pack_rows(rows, bpp):
    """Packs rows of palette indices bottom-up, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        for i in row:
            bits = (bits << bpp) | i
        nbits = len(row) * bpp
        stride = (nbits + 31) // 32 * 4
        bits <<= stride * 8 - nbits
        out += bits.to_bytes(stride, 'big')
    return bytes(out)


def indices(pixels, palette):
    # Transparent pixels get index 0, so that with their set mask bit they leave
    # the screen as it is instead of inverting it.
    try:
        return [[0 if p is None else palette.index(p) for p in row] for row in pixels]
    except ValueError as e:
        sys.exit('colour not in palette: %s' % e)


def palette_bytes(palette):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)


def icon_image(pixels, palette):
    """One icon or cursor image: header, palette, colour bits, then the 1-bit mask."""
    width, height = len(pixels[0]), len(pixels)
    bpp = {2: 1, 16: 4, 256: 8}[len(palette)]
    xor = pack_rows(indices(pixels, palette), bpp)
    mask = pack_rows([[1 if p is None else 0 for p in row] for row in pixels], 1)
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + palette_bytes(palette) + xor + mask


def write_group(path, kind, images):
    """Writes an .ico (kind 1) or .cur (kind 2) file.

    images: (pixels, palette, hotspot) triples; the hotspot is None for icons.
    """
    blobs = [icon_image(px, pal) for px, pal, _ in images]
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack('<HHH', 0, kind, len(images)))
    for (px, pal, hotspot), blob in zip(images, blobs):
        colours = len(pal) if len(pal) < 256 else 0
        if kind == 1:
            a, b = 1, {2: 1, 16: 4, 256: 8}[len(pal)]
        else:
            a, b = hotspot
        out += struct.pack('<BBBBHHII', len(px[0]) % 256, len(px) % 256, colours, 0,
                           a, b, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    write(path, out)


def write_bitmap(path, pixels):
    """Writes a 4-bit bitmap with the full standard 16-colour palette."""
    width, height = len(pixels[0]), len(pixels)
    bits = pack_rows(indices(pixels, PALETTE16), 4)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(bits), 0, 0, 0, 0)
    body = info + palette_bytes(PALETTE16) + bits
    header = struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, 14 + len(info) + 64)
    write(path, header + body)


def write_png(path, pixels):
    """Writes an 8-bit RGBA PNG; transparent pixels are transparent black, as in the icon."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data)))
    width, height = len(pixels[0]), len(pixels)
    raw = b''.join(b'\0' + b''.join(bytes((0, 0, 0, 0)) if p is None else bytes(p) + b'\xff'
                                     for p in row) for row in pixels)
    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    write(path, b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
          + chunk(b'IEND', b''))


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    pipette32 = load('pipette32.txt')
    pipette16 = load('pipette16.txt')
    app32 = overlay(load('pool32.txt'), pipette32)
    app16 = overlay(load('pool16.txt'), pipette16)

    write_group(os.path.join(out, 'mainframe.ico'), 1, [
        (app32, PALETTE16, None), (app16, PALETTE16, None),
        (app32, PALETTE256, None), (app16, PALETTE256, None)])
    # The desktop menu's icons are the same images, so a Linux desktop shows what Windows does.
    write_png(os.path.join(out, 'mainframe-32.png'), app32)
    write_png(os.path.join(out, 'mainframe-16.png'), app16)
    write_group(os.path.join(out, 'picker.ico'), 1, [
        (pipette32, PALETTE16, None), (pipette16, PALETTE16, None)])
    write_group(os.path.join(out, 'picker_empty.ico'), 1, [(blank(32, 32), PALETTE16, None)])
    # Hotspots: the top of the pointing fingertip, and the pipette's tip.
    write_group(os.path.join(out, 'link.cur'), 2, [(load('hand.txt'), PALETTE2, (6, 0))])
    write_group(os.path.join(out, 'picker.cur'), 2, [(pipette32, PALETTE16, (3, 28))])
    write_bitmap(os.path.join(out, 'copy.bmp'), load('copy.txt'))


if __name__ == '__main__':
    main()
