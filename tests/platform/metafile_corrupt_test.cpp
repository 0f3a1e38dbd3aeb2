// Damaged and hostile files: a clear refusal or a drawing, never a crash or a
// hang. Best run in a PINZ_SANITIZE build.
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

#include "platform/metafile.h"
#include "tests/platform/metafile_testing.h"

namespace pz {
namespace {

using testing::metafileData;

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Refusal {
  const char* file;
  const char* reason;  // part of the message
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, WithAMessageNamingTheFile) {
  QString err;
  EXPECT_FALSE(Metafile::load(metafileData(QStringLiteral("corrupt/") + GetParam().file), &err));
  EXPECT_TRUE(err.contains(QLatin1String(GetParam().file))) << err.toStdString();
  EXPECT_TRUE(err.contains(QLatin1String(GetParam().reason))) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, Refused,
                         ::testing::Values(Refusal{"hdr_badchecksum.wmf", "checksum"},
                                           Refusal{"hdr_nonplaceable.wmf", "placeable"},
                                           Refusal{"hdr_inch0.wmf", "units per inch"},
                                           Refusal{"hdr_bbox_zero.wmf", "no size"},
                                           Refusal{"ink_17_bit_trunc07.wmf", "truncated"},
                                           Refusal{"lo_01_text_trunc07.emf", "truncated"}));

TEST(MetafileCorrupt, EveryDamagedFileIsRefusedOrDrawn) {
  const QStringList files = QDir(metafileData("corrupt")).entryList(QDir::Files);
  ASSERT_GE(files.size(), 10);
  for (const QString& f : files) {
    QString err;
    auto m = Metafile::load(metafileData("corrupt/" + f), &err);
    if (!m) {
      EXPECT_FALSE(err.isEmpty()) << f.toStdString();
      continue;
    }
    const Surface s = renderMetafile(*m, std::min(m->width(), 800), std::min(m->height(), 800));
    EXPECT_FALSE(s.isNull()) << f.toStdString();
  }
}

TEST(MetafileCorrupt, WrongExtensionsAndMissingFilesAreRefused) {
  QString err;
  EXPECT_FALSE(Metafile::load(metafileData("README.md"), &err));
  EXPECT_TRUE(err.contains("README.md"));
  EXPECT_FALSE(Metafile::load(metafileData("files/no_such_file.WMF"), &err));
  EXPECT_TRUE(err.contains("no_such_file.WMF"));
  EXPECT_FALSE(Metafile::fromBytes(QByteArray("BM not a metafile at all"), Metafile::Source::Clipboard, &err));
  EXPECT_FALSE(Metafile::fromBytes(QByteArray(), Metafile::Source::Clipboard, &err));
}

// Random damage to good files of each kind: flipped bytes, runs of garbage,
// cuts. Each mutant must be refused or drawn, quickly.
TEST(MetafileCorrupt, MutatedFilesNeverCrashOrHang) {
  const char* seeds[] = {"files/lo_18_bitmap_casco_con_microfono_arch.wmf", "files/lo_16_grad_message.emf",
                         "files/ink_02_text_digital_camera_aj_ashton.emf", "files/fig2dev_flowchart.emf",
                         "files/ink_17_bitmap_schermo_macintosh_archit.wmf", "clipboard/lo_clip_wmf.wmf"};
  std::mt19937 rng(20261208);
  int drawn = 0;
  for (const char* seed : seeds) {
    const QByteArray good = readAll(metafileData(seed));
    ASSERT_FALSE(good.isEmpty()) << seed;
    for (int i = 0; i < 40; ++i) {
      QByteArray bad = good;
      const int kind = i % 3;
      if (kind == 0) {
        for (int k = 0; k < 8; ++k) bad[int(rng() % bad.size())] = char(rng());
      } else if (kind == 1) {
        const int at = int(rng() % bad.size());
        for (int k = at; k < std::min<int>(bad.size(), at + 64); ++k) bad[k] = char(rng());
      } else {
        // Garbage inside the records, past the headers, with sizes left as they are.
        const int at = 120 + int(rng() % (bad.size() - 120));
        bad[at] = char(0xFF);
        if (at + 1 < bad.size()) bad[at + 1] = char(0x7F);
      }
      QElapsedTimer t;
      t.start();
      auto m = Metafile::fromBytes(bad, Metafile::Source::Clipboard);
      if (!m) continue;
      const Surface s = renderMetafile(*m, std::min(m->width(), 600), std::min(m->height(), 600));
      EXPECT_FALSE(s.isNull());
      EXPECT_LT(t.elapsed(), 5000) << seed << " mutant " << i;
      ++drawn;
    }
  }
  EXPECT_GT(drawn, 20);  // damage inside records is skipped, not fatal
}

TEST(MetafileCorrupt, HostileCountsAndSizesInsideRecordsAreSkipped) {
  // A polygon claiming 30000 points in a short record, a DIB claiming to be
  // 16000 x 16000, a text of 2^31 characters: skipped, the rest drawn.
  testing::WmfBuilder w;
  w.rec(0x020C, {100, 100});
  w.rec(0x02FC, {0, 0x0000, 0x00, 0});  // black brush
  w.rec(0x012D, {0});
  w.rec(0x0324, {30000, 0, 0, 10, 10});
  w.rec(0x0A32, {10, 10, 0x7FFF, 0, 'A', 'B'});
  QByteArray dib;
  testing::Words d;
  d.u32(40).u32(16000).u32(16000).u16(1).u16(24).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
  w.raw(0x0F43, testing::Words().u32(0x00CC0020).u16(0).u16(10).u16(10).u16(0).u16(0).u16(50).u16(50).u16(0).u16(0).bytes(d.b).b);
  w.rec(0x041B, {100, 100, 50, 50});  // RECTANGLE bottom, right, top, left
  auto m = Metafile::fromBytes(w.placeable(0, 0, 100, 100, 96), Metafile::Source::File);
  ASSERT_TRUE(m);
  const Surface s = renderMetafile(*m, 100, 100);
  EXPECT_EQ(s.pixel(75, 75), kBlack);
  EXPECT_EQ(s.pixel(25, 25), kWhite);
}

}  // namespace
}  // namespace pz
