"""Pixel checks for the round trips between PinzFX and Pinzola. Pictures are
binary PPM files (pinz-shot writes them for a .ppm name, xclip hands out the
clipboard as image/ppm), so no imaging library is needed.

  pixelcheck.py copied SHOT CLIP X Y KIND
      the clipboard bitmap CLIP is the area of the screen picture SHOT whose
      top-left corner is at screen (X, Y): KIND rect or whole must match pixel
      for pixel; KIND outline must match inside the outline and be white
      outside it (its corners are outside).
  pixelcheck.py pasted BEFORE AFTER CLIP PX PY AX AY AW AH
      dropping CLIP at screen (PX, PY) changed the picture area (AX, AY, AW,
      AH) of the screen from BEFORE to AFTER exactly as a paste does: the
      bitmap centred on the drop point, its uniform background (three or four
      corners of one colour) transparent, nothing else changed.
  pixelcheck.py same BEFORE AFTER AX AY AW AH
      the area (AX, AY, AW, AH) of the screen is the same, pixel for pixel,
      in BEFORE and AFTER.
  pixelcheck.py crop SHOT AX AY AW AH OUT
      writes that area of SHOT as the PPM picture OUT.
  pixelcheck.py kept SAVED REOPENED AX AY AW AH
      the area of REOPENED shows the area of SAVED as a saved picture comes
      back: within what JPEG keeps, near-black made black, near-white white.
"""
import sys

WHITE = b"\xff\xff\xff"


class Picture:
    def __init__(self, path):
        data = open(path, "rb").read()
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            sys.exit(f"{path}: not an 8-bit binary PPM")
        self.w, self.h = int(fields[1]), int(fields[2])
        self.data = data[pos + 1:pos + 1 + self.w * self.h * 3]
        if len(self.data) != self.w * self.h * 3:
            sys.exit(f"{path}: truncated")
        self.path = path

    def px(self, x, y):
        o = (y * self.w + x) * 3
        return self.data[o:o + 3]

    def row(self, x, y, n):
        o = (y * self.w + x) * 3
        return self.data[o:o + n * 3]


def fail(msg):
    print("FAIL: " + msg, file=sys.stderr)
    sys.exit(1)


def copied(shot, clip, x0, y0, kind):
    print(f"clipboard holds {clip.w} x {clip.h}")
    if x0 < 0 or y0 < 0 or x0 + clip.w > shot.w or y0 + clip.h > shot.h:
        fail(f"the copied area at ({x0}, {y0}) runs off the screen")
    if kind in ("rect", "whole"):
        for y in range(clip.h):
            if clip.row(0, y, clip.w) != shot.row(x0, y0 + y, clip.w):
                xs = [x for x in range(clip.w) if clip.px(x, y) != shot.px(x0 + x, y0 + y)]
                fail(f"clipboard row {y} differs from the view at x {xs[:5]}"
                     f" ({clip.px(xs[0], y).hex()} against {shot.px(x0 + xs[0], y0 + y).hex()})")
        return
    inside = outside = 0
    for y in range(clip.h):
        for x in range(clip.w):
            c, s = clip.px(x, y), shot.px(x0 + x, y0 + y)
            if c == s:
                inside += s != WHITE
            elif c == WHITE:
                outside += 1
            else:
                fail(f"clipboard ({x}, {y}) is {c.hex()}, neither white nor the view's {s.hex()}")
    for cx, cy in [(0, 0), (clip.w - 1, 0), (0, clip.h - 1), (clip.w - 1, clip.h - 1)]:
        if clip.px(cx, cy) != WHITE and shot.px(x0 + cx, y0 + cy) != WHITE:
            fail(f"corner ({cx}, {cy}) lies outside the outline but is not white")
    mid = (clip.w // 2, clip.h // 2)
    if clip.px(*mid) != shot.px(x0 + mid[0], y0 + mid[1]):
        fail("the middle of the outline was not copied")
    print(f"outline: {inside} coloured pixels copied, {outside} whitened outside")
    if inside < 200:
        fail("hardly anything of the view inside the outline was copied")
    if outside < 100:
        fail("nothing outside the outline was whitened")


def pasted(before, after, clip, px, py, ax, ay, aw, ah):
    w, h = clip.w, clip.h
    left, top = px - (2 * w) // 4, py - h // 2
    key = clip.px(0, 0)
    same = sum(clip.px(*c) == key for c in [(0, h - 1), (w - 1, 0), (w - 1, h - 1)])
    transparent = same >= 2
    print(f"paste {w} x {h} at screen ({left}, {top}), "
          f"{'background ' + key.hex() + ' transparent' if transparent else 'opaque'}")
    expect = bytearray(before.data)
    placed = changed = 0
    for y in range(max(top, ay), min(top + h, ay + ah)):
        for x in range(max(left, ax), min(left + w, ax + aw)):
            c = clip.px(x - left, y - top)
            if transparent and c == key:
                continue
            o = (y * before.w + x) * 3
            placed += 1
            changed += expect[o:o + 3] != c
            expect[o:o + 3] = c
    print(f"{placed} pixels of the bitmap fall on the picture, {changed} of them change it")
    if placed < 300 or changed < 100:
        fail("the paste would hardly show on the picture; the test's drop point is wrong")
    bad = []
    for y in range(ay, ay + ah):
        o = (y * before.w + ax) * 3
        if after.data[o:o + aw * 3] != expect[o:o + aw * 3]:
            for x in range(ax, ax + aw):
                p = (y * before.w + x) * 3
                if after.data[p:p + 3] != expect[p:p + 3]:
                    bad.append((x, y, after.data[p:p + 3].hex(), bytes(expect[p:p + 3]).hex()))
                    break
    if bad:
        x, y, got, want = bad[0]
        fail(f"{len(bad)} picture rows differ from the expected paste; first at screen ({x}, {y}): "
             f"{got}, expected {want}")
    print("the picture shows exactly the pasted bitmap")


def kept(saved, reopened, ax, ay, aw, ah):
    def cleaned(p):
        if max(p) < 30:
            return (0, 0, 0)
        if min(p) > 245:
            return (255, 255, 255)
        return tuple(p)

    worst, total, far, n = 0, 0, 0, aw * ah
    for y in range(ay, ay + ah):
        a, b = saved.row(ax, y, aw), reopened.row(ax, y, aw)
        if a == b:
            continue
        for i in range(0, aw * 3, 3):
            d = max(abs(u - v) for u, v in zip(cleaned(a[i:i + 3]), b[i:i + 3]))
            total += d
            worst = max(worst, d)
            far += d > 40
    print(f"reopened picture: mean difference {total / n / 3:.2f}, worst {worst}, {far} pixels off by more than 40")
    if total / n > 3 or far > n // 500:
        fail("the reopened picture is not the saved one")


def same(before, after, ax, ay, aw, ah):
    for y in range(ay, ay + ah):
        if before.row(ax, y, aw) != after.row(ax, y, aw):
            xs = [x for x in range(ax, ax + aw) if before.px(x, y) != after.px(x, y)]
            fail(f"screen row {y} changed at {len(xs)} pixels, first at x {xs[0]}: "
                 f"{before.px(xs[0], y).hex()} became {after.px(xs[0], y).hex()}")
    print(f"the area {aw} x {ah} at ({ax}, {ay}) is unchanged")


def crop(shot, ax, ay, aw, ah, out):
    rows = b"".join(shot.row(ax, y, aw) for y in range(ay, ay + ah))
    open(out, "wb").write(b"P6\n%d %d\n255\n" % (aw, ah) + rows)


def main():
    cmd, args = sys.argv[1], sys.argv[2:]
    if cmd == "copied":
        copied(Picture(args[0]), Picture(args[1]), int(args[2]), int(args[3]), args[4])
    elif cmd == "pasted":
        pasted(Picture(args[0]), Picture(args[1]), Picture(args[2]), *map(int, args[3:9]))
    elif cmd == "same":
        same(Picture(args[0]), Picture(args[1]), *map(int, args[2:6]))
    elif cmd == "crop":
        crop(Picture(args[0]), *map(int, args[1:5]), args[5])
    elif cmd == "kept":
        kept(Picture(args[0]), Picture(args[1]), *map(int, args[2:6]))
    else:
        sys.exit("unknown command " + cmd)


if __name__ == "__main__":
    main()
