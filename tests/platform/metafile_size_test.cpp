// The size a metafile reports: placeable WMF bounding boxes at the screen's
// dpi, EMF frames at their physical size, plain WMF by their window.
#include <QFile>
#include <gtest/gtest.h>

#include "platform/metafile.h"
#include "tests/platform/metafile_testing.h"

namespace pz {
namespace {

using testing::metafileData;

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct SizeRow {
  const char* file;
  int w, h;
};

// Sizes at 96 dpi: the bounding box over its units per inch for WMF, the
// frame over 2540 for EMF (so files made for a 1200-dpi device come out at
// their printed size, not 12.5 times larger).
const SizeRow kCorpus[] = {
    {"ink_01_text_font_samples_revdoug_01.wmf", 816, 1056},
    {"ink_03_text_otto_01.wmf", 794, 1122},
    {"ink_07_text_shield_matt_todd_02.wmf", 376, 379},
    {"ink_10_grad_runner_simple_with_wake_.wmf", 1000, 733},
    {"ink_17_bitmap_schermo_macintosh_archit.wmf", 117, 136},
    {"ink_24_clip_magnifying_glass_01.wmf", 707, 703},
    {"ink_35_bitmap_photo_mix.wmf", 400, 300},
    {"lo_05_text_doublesight_dual_monito_.wmf", 187, 127},
    {"lo_12_grad_kvirc.wmf", 56, 56},
    {"lo_14_grad_pato.wmf", 403, 403},
    {"lo_16_grad_message.wmf", 403, 403},
    {"lo_18_bitmap_casco_con_microfono_arch.wmf", 109, 126},
    {"lo_20_bitmap_signorina_architetto_fra.wmf", 75, 130},
    {"lo_23_many_profilo_della_citta.wmf", 406, 46},
    {"lo_26_simple_star_89pt14step.wmf", 93, 93},
    {"lo_28_simple_music_cross.wmf", 56, 56},
    {"lo_31_text_grey_wheel_cedric_bosdon.wmf", 27, 27},
    {"lo_34_bitmap_debian_logo_alpha.wmf", 718, 1047},
    {"fig2dev_3dhouse.emf", 896, 644},
    {"fig2dev_flowchart.emf", 903, 748},
    {"gnuplot_lines.emf", 638, 478},
    {"ink_02_text_digital_camera_aj_ashton.emf", 408, 208},
    {"ink_04_text_andorre_flag_patricia_fi.emf", 386, 234},
    {"ink_09_grad_plastik_icon_v07.emf", 268, 268},
    {"ink_11_grad_lens_lente_francesco_ro_.emf", 503, 503},
    {"ink_24_clip_magnifying_glass_01.emf", 707, 703},
    {"ink_32_text_gnome_mime_image_x_xcf.emf", 174, 174},
    {"lo_01_text_font_samples_revdoug_01.emf", 741, 981},
    {"lo_07_text_shield_matt_todd_02.emf", 346, 350},
    {"lo_12_grad_kvirc.emf", 56, 56},
    {"lo_16_grad_message.emf", 403, 403},
    // 2872 / 2540 x 96 = 108.55: rounded to nearest.
    {"lo_18_bitmap_casco_con_microfono_arch.emf", 109, 126},
    {"lo_26_simple_star_89pt14step.emf", 93, 93},
    {"lo_31_text_grey_wheel_cedric_bosdon.emf", 27, 27},
    {"lo_34_bitmap_debian_logo_alpha.emf", 718, 1047},
};

class CorpusSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(CorpusSize, MatchesThePhysicalSizeAt96Dpi) {
  const SizeRow& row = GetParam();
  QString err;
  auto m = Metafile::load(metafileData(QStringLiteral("files/") + row.file), &err, 96);
  ASSERT_TRUE(m) << err.toStdString();
  // The frames are whole 0.01 mm; a pixel either way is rounding.
  EXPECT_NEAR(m->width(), row.w, 1) << row.file;
  EXPECT_NEAR(m->height(), row.h, 1) << row.file;
}

INSTANTIATE_TEST_SUITE_P(Files, CorpusSize, ::testing::ValuesIn(kCorpus));

TEST(MetafileSize, AbsurdFramesAreScaledToASaneSize) {
  // LibreOffice wrote a 3.9 m frame that its drawing fills: kept in
  // proportion, at most the sane side.
  auto chip = Metafile::load(metafileData("files/lo_22_many_microchip_v_2_havok_redh.emf"), nullptr, 96);
  ASSERT_TRUE(chip);
  EXPECT_EQ(chip->width(), kSaneMetafileSide);
  EXPECT_NEAR(double(chip->height()) / chip->width(), 13227.0 / 14763.0, 0.01);
  // pstoedit wrote a 3.7 m frame beside its drawing: the drawing's own extent
  // is used, so the picture is not blank.
  auto ps = Metafile::load(metafileData("files/pstoedit_experiment.emf"), nullptr, 96);
  ASSERT_TRUE(ps);
  EXPECT_LE(ps->width(), kSaneMetafileSide);
  EXPECT_LE(ps->height(), kSaneMetafileSide);
  const Surface s = renderMetafile(*ps, ps->width() / 2, ps->height() / 2);
  int inked = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) inked += s.pixel(x, y) != kWhite;
  EXPECT_GT(inked, 1000);
}

struct DpiRow {
  int inch, right, bottom;
  double dpi;
  int w, h;
};

class PlaceableSize : public ::testing::TestWithParam<DpiRow> {};

TEST_P(PlaceableSize, ConvertsTheBoundingBoxToScreenPixels) {
  const DpiRow& r = GetParam();
  testing::WmfBuilder wmf;
  wmf.rec(0x020C, {r.bottom, r.right});
  auto m = Metafile::fromBytes(wmf.placeable(0, 0, r.right, r.bottom, r.inch), Metafile::Source::File, nullptr, r.dpi);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->kind(), Metafile::Kind::Wmf);
  EXPECT_EQ(m->width(), r.w);
  EXPECT_EQ(m->height(), r.h);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlaceableSize,
                         ::testing::Values(DpiRow{1440, 2880, 1440, 96, 192, 96},  // 2 x 1 inches
                                           DpiRow{1440, 2880, 1440, 120, 240, 120},
                                           DpiRow{2540, 2540, 5080, 96, 96, 192},
                                           DpiRow{1200, 1200, 600, 96, 96, 48}));

TEST(MetafileSize, EmfFramesUseTheScreenDpi) {
  testing::EmfBuilder emf(200, 100);
  auto at96 = Metafile::fromBytes(emf.bytes(), Metafile::Source::File, nullptr, 96);
  auto at144 = Metafile::fromBytes(emf.bytes(), Metafile::Source::File, nullptr, 144);
  ASSERT_TRUE(at96 && at144);
  EXPECT_EQ(at96->kind(), Metafile::Kind::Emf);
  EXPECT_EQ(at96->width(), 200);
  EXPECT_EQ(at96->height(), 100);
  EXPECT_EQ(at144->width(), 300);
  EXPECT_EQ(at144->height(), 150);
}

TEST(MetafileSize, PlainWmfFromTheClipboardIsSizedByItsWindow) {
  // LibreOffice's clipboard WMF: no placeable header, window in screen pixels.
  const QByteArray clip = readAll(metafileData("clipboard/lo_clip_wmf.wmf"));
  ASSERT_FALSE(clip.isEmpty());
  QString err;
  EXPECT_FALSE(Metafile::fromBytes(clip, Metafile::Source::File, &err));
  EXPECT_FALSE(err.isEmpty());
  auto m = Metafile::fromBytes(clip, Metafile::Source::Clipboard, &err, 96);
  ASSERT_TRUE(m) << err.toStdString();
  EXPECT_EQ(m->width(), 0x014F);
  EXPECT_EQ(m->height(), 0x0107);
  auto emf = Metafile::fromBytes(readAll(metafileData("clipboard/lo_clip_emf.emf")), Metafile::Source::Clipboard);
  ASSERT_TRUE(emf);
  EXPECT_EQ(emf->kind(), Metafile::Kind::Emf);
}

}  // namespace
}  // namespace pz
