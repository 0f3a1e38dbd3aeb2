// The pitfalls of real files, each in a picture of a few records.
#include <gtest/gtest.h>

#include <optional>

#include "platform/metafile.h"
#include "platform/metafile_dib.h"
#include "tests/platform/metafile_testing.h"

namespace pz {
namespace {

using testing::EmfBuilder;
using testing::WmfBuilder;
using testing::Words;

Surface playWmf(const WmfBuilder& w, int size = 100) {
  auto m = Metafile::fromBytes(w.placeable(0, 0, 100, 100, 96), Metafile::Source::File);
  EXPECT_TRUE(m);
  return m ? renderMetafile(*m, size, size) : Surface();
}

Surface playEmf(const EmfBuilder& e, int w = 100, int h = 100) {
  auto m = Metafile::fromBytes(e.bytes(), Metafile::Source::File);
  EXPECT_TRUE(m);
  return m ? renderMetafile(*m, w, h) : Surface();
}

// WMF: a solid brush (red) and a null pen selected in slots 0 and 1.
void redBrushNoPen(WmfBuilder& w) {
  w.rec(0x02FC, {0, 0x00FF, 0x0000, 0});  // brush 0x000000FF
  w.rec(0x012D, {0});
  w.rec(0x02FA, {5, 0, 0, 0, 0});  // PS_NULL
  w.rec(0x012D, {1});
}

TEST(MetafileRecords, WindowExtentBeforeAnisotropicModeIsKept) {
  WmfBuilder w;
  w.rec(0x020C, {10, 10});  // window 10 x 10
  w.rec(0x0103, {8});       // MM_ANISOTROPIC afterwards
  redBrushNoPen(w);
  w.rec(0x041B, {10, 10, 5, 5});  // the lower right quarter of the window
  const Surface s = playWmf(w);
  EXPECT_EQ(s.pixel(75, 75), rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(25, 25), kWhite);
}

TEST(MetafileRecords, ObjectsThatDrawNothingStillTakeASlot) {
  WmfBuilder w;
  w.rec(0x020C, {100, 100});
  w.rec(0x00F7, {0x300, 0});                 // CREATEPALETTE: slot 0
  w.rec(0x02FC, {0, 0xFF00, 0x0000, 0});     // green brush: slot 1
  w.rec(0x012D, {1});
  w.rec(0x02FA, {5, 0, 0, 0, 0});            // null pen: slot 2
  w.rec(0x012D, {2});
  w.rec(0x041B, {100, 100, 0, 0});
  const Surface s = playWmf(w);
  EXPECT_EQ(s.pixel(50, 50), rgb(0, 255, 0));
}

TEST(MetafileRecords, RestoreDcBringsBackValuesOfDeletedObjects) {
  WmfBuilder w;
  w.rec(0x020C, {100, 100});
  redBrushNoPen(w);
  w.rec(0x001E, {});                        // SAVEDC with the red brush
  w.rec(0x02FC, {0, 0x0000, 0x00FF, 0});    // blue brush takes slot 2
  w.rec(0x012D, {2});
  w.rec(0x01F0, {0});                       // the red brush is deleted
  w.rec(0x041B, {50, 100, 0, 0});           // top half blue
  w.rec(0x0127, {0xFFFF});                  // RESTOREDC -1: red again
  w.rec(0x041B, {100, 100, 50, 0});         // bottom half red
  const Surface s = playWmf(w);
  EXPECT_EQ(s.pixel(50, 25), rgb(0, 0, 255));
  EXPECT_EQ(s.pixel(50, 75), rgb(255, 0, 0));
}

TEST(MetafileRecords, ClipRectanglesAreInLogicalUnits) {
  WmfBuilder w;
  w.rec(0x020C, {10, 10});
  redBrushNoPen(w);
  w.rec(0x0416, {5, 5, 0, 0});   // INTERSECTCLIPRECT: the upper left quarter
  w.rec(0x041B, {10, 10, 0, 0});
  const Surface s = playWmf(w);
  EXPECT_EQ(s.pixel(20, 20), rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(75, 75), kWhite);
  EXPECT_EQ(s.pixel(75, 20), kWhite);
}

QByteArray dib24(int w, int h, bool topDown, std::vector<Color> rowsTopFirst) {
  Words d;
  d.u32(40).u32(quint32(w)).u32(quint32(topDown ? -h : h)).u16(1).u16(24).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
  const int stride = (w * 3 + 3) / 4 * 4;
  for (int fileRow = 0; fileRow < h; ++fileRow) {
    const int y = topDown ? fileRow : h - 1 - fileRow;
    QByteArray row(stride, '\0');
    for (int x = 0; x < w; ++x) {
      const Color c = rowsTopFirst[std::size_t(y * w + x)];
      row[3 * x] = char(blueOf(c));
      row[3 * x + 1] = char(greenOf(c));
      row[3 * x + 2] = char(redOf(c));
    }
    d.bytes(row);
  }
  return d.b;
}

TEST(MetafileRecords, MaskThenImageGivesTransparency) {
  // LibreOffice's way: SRCPAINT a mask (white where the picture is opaque),
  // then SRCAND the image (white where transparent).
  const Color K = kBlack, W = kWhite, B = rgb(0, 0, 255);
  WmfBuilder w;
  w.rec(0x020C, {2, 2});
  w.rec(0x02FC, {0, 0x00FF, 0x0000, 0});  // red background everywhere
  w.rec(0x012D, {0});
  w.rec(0x02FA, {5, 0, 0, 0, 0});
  w.rec(0x012D, {1});
  w.rec(0x041B, {2, 2, 0, 0});
  auto stretch = [&](quint32 rop, const QByteArray& dib) {
    w.raw(0x0F43, Words().u32(rop).u16(0).u16(2).u16(2).u16(0).u16(0).u16(2).u16(2).u16(0).u16(0).bytes(dib).b);
  };
  stretch(0x00EE0086, dib24(2, 2, false, {W, K, K, K}));  // only the top left is opaque
  stretch(0x008800C6, dib24(2, 2, false, {B, W, W, W}));
  const Surface s = playWmf(w);
  // The pair is laid over smoothly: colours near the cell centres are close.
  auto near = [](Color a, Color b) {
    return std::abs(redOf(a) - redOf(b)) < 16 && std::abs(greenOf(a) - greenOf(b)) < 16 &&
           std::abs(blueOf(a) - blueOf(b)) < 16;
  };
  EXPECT_TRUE(near(s.pixel(25, 25), B)) << std::hex << s.pixel(25, 25);
  EXPECT_TRUE(near(s.pixel(75, 25), rgb(255, 0, 0))) << std::hex << s.pixel(75, 25);
  EXPECT_TRUE(near(s.pixel(75, 75), rgb(255, 0, 0))) << std::hex << s.pixel(75, 75);
}

TEST(MetafileRecords, AMaskWithoutItsImageIsARasterOperation) {
  const Color K = kBlack, W = kWhite;
  WmfBuilder w;
  w.rec(0x020C, {2, 2});
  w.rec(0x02FC, {0, 0x00FF, 0x0000, 0});
  w.rec(0x012D, {0});
  w.rec(0x02FA, {5, 0, 0, 0, 0});
  w.rec(0x012D, {1});
  w.rec(0x041B, {2, 2, 0, 0});
  w.raw(0x0F43, Words().u32(0x00EE0086).u16(0).u16(2).u16(2).u16(0).u16(0).u16(2).u16(2).u16(0).u16(0)
                    .bytes(dib24(2, 2, false, {W, K, K, K})).b);
  w.rec(0x041B, {2, 2, 1, 1});  // something else drawn in between: no pair
  const Surface s = playWmf(w);
  EXPECT_EQ(s.pixel(10, 10), kWhite);           // red | white
  EXPECT_EQ(s.pixel(30, 80), rgb(255, 0, 0));   // red | black
}

TEST(MetafileRecords, DibsBottomUpUnlessTheHeightIsNegative) {
  const Color R = rgb(255, 0, 0), G = rgb(0, 255, 0);
  for (bool topDown : {false, true}) {
    const QByteArray d = dib24(1, 2, topDown, {R, G});
    const QImage img = mf::decodePackedDib({reinterpret_cast<const uchar*>(d.constData()), d.size()});
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xFF0000u) << topDown;
    EXPECT_EQ(img.pixel(0, 1) & 0xFFFFFF, 0x00FF00u) << topDown;
  }
  // A 12-byte core header with a 1-bit palette of three-byte entries.
  Words core;
  core.u32(12).u16(8).u16(1).u16(1).u16(1);
  core.bytes(QByteArray::fromHex("000000" "ffffff"));
  core.bytes(QByteArray::fromHex("0f000000"));  // 00001111: black then white
  const QImage mono = mf::decodePackedDib({reinterpret_cast<const uchar*>(core.b.constData()), core.b.size()});
  ASSERT_FALSE(mono.isNull());
  EXPECT_EQ(mono.pixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(mono.pixel(7, 0) & 0xFFFFFF, 0xFFFFFFu);
}

// EMF: a red solid brush in slot 1 and the stock null pen.
void emfRedBrush(EmfBuilder& e) {
  e.rec(39, {1, 0, 0x0000FF, 0});
  e.rec(37, {1});
  e.rec(37, {qint32(0x80000008)});  // NULL_PEN
}

TEST(MetafileRecords, MetricModesFlipY) {
  EmfBuilder e(100, 100);  // 96 dpi reference device: 1 mm = 3.78 px
  e.rec(17, {2});  // MM_LOMETRIC: 0.1 mm, y up
  e.rec(12, {0, 100});  // viewport origin at the bottom left
  emfRedBrush(e);
  e.rec(43, {0, 100, 100, 0});  // 10 x 10 mm above the origin
  const Surface s = playEmf(e);
  EXPECT_EQ(s.pixel(15, 85), rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(15, 40), kWhite);
}

TEST(MetafileRecords, LeftMultiplyAppliesTheNewTransformFirst) {
  EmfBuilder e(100, 100);
  Words scale, shift;
  scale.f32(2).f32(0).f32(0).f32(2).f32(0).f32(0).u32(4);    // set: scale 2
  shift.f32(1).f32(0).f32(0).f32(1).f32(10).f32(0).u32(2);   // left multiply: move 10 first
  e.raw(36, scale.b);
  e.raw(36, shift.b);
  emfRedBrush(e);
  e.rec(43, {0, 0, 10, 10});  // lands at (20..40) x (0..20)
  const Surface s = playEmf(e);
  EXPECT_EQ(s.pixel(30, 10), rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(15, 10), kWhite);
  EXPECT_EQ(s.pixel(45, 10), kWhite);
}

TEST(MetafileRecords, DualFilesSkipThePlainFallbackOfEmfPlusDrawing) {
  EmfBuilder e(100, 100);
  auto plus = [&](const QByteArray& recs) {
    e.raw(70, Words().u32(quint32(recs.size() + 4)).u32(0x2B464D45).bytes(recs).b);
  };
  plus(Words().u16(0x4001).u16(1).u32(28).u32(16).u32(0xDBC01002).u32(1).u32(96).u32(96).b);
  emfRedBrush(e);
  // FillPolygon with a green ARGB colour and four 16-bit points.
  plus(Words().u16(0x400C).u16(0xC000).u32(12 + 8 + 16).u32(8 + 16).u32(0xFF00FF00).u32(4)
           .u16(0).u16(0).u16(50).u16(0).u16(50).u16(100).u16(0).u16(100).b);
  e.rec(43, {0, 0, 100, 100});  // fallback for the polygon: must not show
  plus(Words().u16(0x4004).u16(0).u32(12).u32(0).b);  // GetDC: plain records draw again
  e.rec(43, {60, 0, 100, 100});
  const Surface s = playEmf(e);
  EXPECT_EQ(s.pixel(25, 50), rgb(0, 255, 0));
  EXPECT_EQ(s.pixel(55, 50), kWhite);
  EXPECT_EQ(s.pixel(80, 50), rgb(255, 0, 0));
}

TEST(MetafileRecords, ExtSelectClipRgnIsInDeviceUnits) {
  EmfBuilder e(100, 100);
  Words rgn;
  rgn.u32(48).u32(5);                                 // cbRgnData, RGN_COPY
  rgn.u32(32).u32(1).u32(1).u32(16).u32(0).u32(0).u32(50).u32(50);  // header
  rgn.u32(0).u32(0).u32(50).u32(50);                  // one rectangle
  e.rec(9, {10, 10});   // window 10 x 10 logical ...
  e.rec(11, {100, 100}); // ... onto 100 x 100 device pixels
  e.rec(17, {8});
  e.raw(75, rgn.b);
  emfRedBrush(e);
  e.rec(43, {0, 0, 10, 10});
  const Surface s = playEmf(e);
  EXPECT_EQ(s.pixel(25, 25), rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(75, 75), kWhite);
}

// Text: the inked box of a string drawn with a given alignment at (50, 50).
Rect inkedBox(const Surface& s) {
  Rect r{s.width(), s.height(), 0, 0};
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.pixel(x, y) != kWhite) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1);
        r.bottom = std::max(r.bottom, y + 1);
      }
  return r;
}

Surface wmfText(int align, int height, int escapement = 0, int bkMode = 1) {
  WmfBuilder w;
  w.rec(0x020C, {200, 200});
  w.rec(0x0102, {bkMode});
  if (bkMode == 2) w.rec(0x0201, {0x00FF, 0});  // red background
  Words font;
  font.u16(height).u16(0).u16(escapement).u16(0).u16(400).u32(0).u32(0);
  font.bytes(QByteArray("Liberation Sans").leftJustified(32, '\0'));
  w.raw(0x02FB, font.b);
  w.rec(0x012D, {0});
  w.rec(0x012E, {align});
  w.rec(0x0521, {4, 'H' | 'H' << 8, 'H' | 'H' << 8, 100, 100});  // TEXTOUT "HHHH" at (100, 100)
  auto m = Metafile::fromBytes(w.placeable(0, 0, 200, 200, 96), Metafile::Source::File);
  return renderMetafile(*m, 200, 200);
}

TEST(MetafileRecords, TextAlignmentPlacesTheReferencePoint) {
  const Rect leftTop = inkedBox(wmfText(0, -20));
  EXPECT_NEAR(leftTop.left, 100, 3);
  EXPECT_GE(leftTop.top, 100);
  EXPECT_LE(leftTop.top, 106);
  const Rect rightBottom = inkedBox(wmfText(2 | 8, -20));
  EXPECT_NEAR(rightBottom.right, 100, 3);
  EXPECT_LE(rightBottom.bottom, 100);
  const Rect centreBase = inkedBox(wmfText(6 | 24, -20));
  EXPECT_NEAR((centreBase.left + centreBase.right) / 2, 100, 3);
  EXPECT_NEAR(centreBase.bottom, 100, 2);  // capitals sit on the baseline
}

TEST(MetafileRecords, FontHeightsAndEscapement) {
  // Negative: character height; positive: cell height, so smaller capitals.
  const Rect chars = inkedBox(wmfText(0, -40)), cell = inkedBox(wmfText(0, 40));
  EXPECT_GT(chars.height(), cell.height());
  EXPECT_NEAR(chars.height(), 40 * 0.72, 4);  // cap height of Liberation Sans
  // 90 degrees counter-clockwise: the text runs upwards from the point.
  const Rect up = inkedBox(wmfText(0, -20, 900));
  EXPECT_GT(up.height(), up.width());
  EXPECT_LE(up.bottom, 102);
  EXPECT_GE(up.left, 98);
}

TEST(MetafileRecords, OpaqueBackgroundFillsBehindText) {
  const Surface s = wmfText(0, -20, 0, 2);
  const Rect box = inkedBox(s);
  int red = 0;
  for (int x = box.left; x < box.right; ++x) red += s.pixel(x, box.top) == rgb(255, 0, 0);
  EXPECT_GT(red, box.width() / 2);
}

// A monochrome pattern brush whose bitmap carries cyan and teal in its colour
// table, as a plotting program writes one: its 0 bits take the text colour and
// its 1 bits the background colour. Two of the eight pattern rows are 0 bits.
TEST(MetafileRecords, MonochromeBrushTakesTextAndBackgroundColours) {
  const struct {
    const char* name;
    std::optional<Color> text, back;  // COLORREFs set before the fill; none: the defaults
    Color zero, one;
  } rows[] = {{"defaults", std::nullopt, std::nullopt, kBlack, kWhite},
              {"red on blue", rgb(255, 0, 0), rgb(0, 0, 255), rgb(255, 0, 0), rgb(0, 0, 255)},
              {"white on black", kWhite, kBlack, kWhite, kBlack}};
  for (const auto& r : rows) {
    EmfBuilder e(64, 64);
    Words brush;
    brush.u32(1).u32(0).u32(32).u32(48).u32(80).u32(32);                 // slot, usage, offsets and sizes
    brush.u32(40).u32(8).u32(8).u16(1).u16(1).u32(0).u32(32).u32(0).u32(0).u32(2).u32(0);
    brush.bytes(QByteArray::fromHex("ffff0000" "80800000"));           // cyan, teal
    for (int y = 0; y < 8; ++y) brush.bytes(QByteArray::fromHex(y % 4 == 1 ? "00000000" : "ff000000"));
    e.raw(93, brush.b);
    if (r.text) e.rec(24, {qint32(*r.text)});
    if (r.back) e.rec(25, {qint32(*r.back)});
    e.rec(37, {1});
    e.rec(37, {qint32(0x80000008)});  // NULL_PEN
    e.rec(43, {0, 0, 65, 65});
    const Surface s = playEmf(e, 64, 64);
    int zero = 0, one = 0, other = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const Color c = s.pixel(x, y);
        zero += c == r.zero;
        one += c == r.one;
        other += c != r.zero && c != r.one;
      }
    EXPECT_EQ(other, 0) << r.name;
    EXPECT_EQ(zero, 64 * 64 / 4) << r.name;
    EXPECT_EQ(one, 64 * 64 * 3 / 4) << r.name;
  }
}

// Only 1-bit bitmaps are read as bits; a header claiming more than the record
// holds is refused rather than read past.
TEST(MetafileRecords, MonochromeBitsOnlyFromWholeOneBitHeaders) {
  Words one, four, longHeader;
  one.u32(40).u32(8).u32(1).u16(1).u16(1).u32(0).u32(4).u32(0).u32(0).u32(2).u32(0);
  four.u32(40).u32(8).u32(1).u16(1).u16(4).u32(0).u32(4).u32(0).u32(0).u32(0).u32(0);
  longHeader.u32(1000).u32(8).u32(1).u16(1).u16(1).u32(0).u32(4).u32(0).u32(0).u32(2).u32(0);
  const QByteArray bits = QByteArray::fromHex("0f000000");
  const mf::Bytes b{reinterpret_cast<const uchar*>(bits.constData()), bits.size()};
  auto view = [](const Words& w) { return mf::Bytes{reinterpret_cast<const uchar*>(w.b.constData()), w.b.size()}; };
  const QImage img = mf::decodeMonoDibBits(view(one), b);
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(img.pixel(7, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_TRUE(mf::decodeMonoDibBits(view(four), b).isNull());
  EXPECT_TRUE(mf::decodeMonoDibBits(view(longHeader), b).isNull());
}

}  // namespace
}  // namespace pz
