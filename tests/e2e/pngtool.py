"""Tiny PNG helper for the end-to-end scripts (no imaging library needed).

  pngtool.py make FILE W H BG FG    a W x H picture of colour BG with a block
                                     of FG in its middle half (colours RRGGBB)
  pngtool.py pixel FILE X Y         prints the pixel at (X, Y) as RRGGBB
"""
import struct
import sys
import zlib


def write_png(path, w, h, rows):
    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, w = 8, b"", 0
    while pos < len(data):
        n, = struct.unpack_from(">I", data, pos)
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            w, h, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and ctype in (2, 6) and interlace == 0, "unsupported PNG"
            bpp = 3 if ctype == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + n
    raw = zlib.decompress(idat)
    stride = w * bpp
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return w, h, bpp, rows


def main():
    cmd = sys.argv[1]
    if cmd == "make":
        path, w, h = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
        bg, fg = bytes.fromhex(sys.argv[5]), bytes.fromhex(sys.argv[6])
        rows = []
        for y in range(h):
            inside_y = h // 4 <= y < h - h // 4
            rows.append(b"".join(fg if inside_y and w // 4 <= x < w - w // 4 else bg for x in range(w)))
        write_png(path, w, h, rows)
    elif cmd == "pixel":
        w, h, bpp, rows = read_png(sys.argv[2])
        x, y = int(sys.argv[3]), int(sys.argv[4])
        print(bytes(rows[y][x * bpp:x * bpp + 3]).hex())
    else:
        sys.exit("unknown command " + cmd)


if __name__ == "__main__":
    main()
