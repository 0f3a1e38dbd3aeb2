#!/usr/bin/env python3
"""Writes small BMP files of every variant the reader knows into bmp/: the
starting points of the BMP fuzzer. Run again to rebuild them."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bmp")


def bmp(name, w, h, bpp, pixels, palette=b"", compression=0, masks=b"", v5=False):
    header_size = 124 if v5 else 40
    size_img = len(pixels)
    off = 14 + header_size + len(masks) + len(palette)
    info = struct.pack("<IiiHHIIiiII", header_size, w, h, 1, bpp, compression, size_img, 2835, 2835,
                       len(palette) // 4, 0)
    if v5:
        info += masks.ljust(16, b"\0") + b"BGRs" + b"\0" * 36 + b"\0" * 12 + b"\0" * 16
        masks = b""
    data = b"BM" + struct.pack("<IHHI", off + size_img, 0, 0, off) + info + masks + palette + pixels
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def rows(h, row_bytes, fn):
    out = b""
    for y in range(h):
        r = fn(y)
        out += r + b"\0" * ((4 - len(r) % 4) % 4)
    return out


os.makedirs(HERE, exist_ok=True)
pal2 = bytes([0, 0, 0, 0, 255, 255, 255, 0])
pal16 = b"".join(bytes([i * 16, 255 - i * 16, (i * 37) & 255, 0]) for i in range(16))
pal256 = b"".join(bytes([i, (i * 3) & 255, 255 - i, 0]) for i in range(256))
bmp("mono_5x3.bmp", 5, 3, 1, rows(3, 1, lambda y: bytes([0b10101000 >> y])), pal2)
bmp("pal4_7x4.bmp", 7, 4, 4, rows(4, 4, lambda y: bytes([0x01, 0x23, 0x45, 0x60 + y])), pal16)
bmp("pal8_6x5_topdown.bmp", 6, -5, 8, rows(5, 6, lambda y: bytes(range(y, y + 6))), pal256)
bmp("rgb24_4x3.bmp", 4, 3, 24, rows(3, 12, lambda y: bytes((x * 60 + y * 20) & 255 for x in range(12))))
bmp("rgb32_3x3.bmp", 3, 3, 32, rows(3, 12, lambda y: bytes((x * 21 + y) & 255 for x in range(12))))
bmp("rgb555_5x2.bmp", 5, 2, 16, rows(2, 10, lambda y: struct.pack("<5H", *[(x << 10) | (y << 5) | 31 for x in range(5)])))
bmp("rgb565_bitfields_4x2.bmp", 4, 2, 16, rows(2, 8, lambda y: struct.pack("<4H", *[0xF800 >> x for x in range(4)])),
    compression=3, masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F))
bmp("argb32_bitfields_v5_2x2.bmp", 2, 2, 32, struct.pack("<4I", 0xFF0000FF, 0x8000FF00, 0x00FF0000, 0xFFFFFFFF),
    compression=3, masks=struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000), v5=True)
# RLE8: a run, an absolute run, a delta, end of line, end of bitmap.
rle8 = bytes([3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 2, 1, 0, 2, 9, 0, 0, 0, 2, 0, 1])
bmp("rle8_6x3.bmp", 6, 3, 8, rle8, pal256, compression=1)
rle4 = bytes([4, 0x12, 0, 4, 0x34, 0x56, 0, 0, 5, 0xAB, 0, 1])
bmp("rle4_6x2.bmp", 6, 2, 4, rle4, pal16, compression=2)
