// Renderings of real files against LibreOffice's own, at LibreOffice's size.
#include <QImage>
#include <gtest/gtest.h>

#include "platform/metafile.h"
#include "tests/platform/metafile_testing.h"

namespace pz {
namespace {

using testing::metafileData;

class Golden : public ::testing::TestWithParam<const char*> {};

TEST_P(Golden, AtMostFivePercentOfInkedPixelsDiffer) {
  const QString name = QString::fromLatin1(GetParam());
  QString err;
  auto m = Metafile::load(metafileData("files/" + name), &err, 96);
  ASSERT_TRUE(m) << err.toStdString();
  const QImage ref(metafileData("ref/" + name + ".png"));
  ASSERT_FALSE(ref.isNull());
  const Surface mine = renderMetafile(*m, ref.width(), ref.height());
  long inked = 0;
  const double diff = testing::inkedDifference(mine.toRgb32(), ref, &inked);
  EXPECT_GT(inked, 500) << "nothing drawn";
  EXPECT_LE(diff, 0.05) << name.toStdString();
}

// Text, gradients drawn as bands, bitmaps (with mask-and-image transparency),
// files of thousands of records, world transforms and EMF+ dual files.
INSTANTIATE_TEST_SUITE_P(
    Files, Golden,
    ::testing::Values("ink_01_text_font_samples_revdoug_01.wmf", "ink_03_text_otto_01.wmf",
                      "ink_07_text_shield_matt_todd_02.wmf", "ink_10_grad_runner_simple_with_wake_.wmf",
                      "ink_17_bitmap_schermo_macintosh_archit.wmf", "ink_35_bitmap_photo_mix.wmf",
                      "lo_05_text_doublesight_dual_monito_.wmf", "lo_16_grad_message.wmf",
                      "lo_18_bitmap_casco_con_microfono_arch.wmf", "lo_23_many_profilo_della_citta.wmf",
                      "lo_34_bitmap_debian_logo_alpha.wmf",
                      "fig2dev_3dhouse.emf", "gnuplot_lines.emf", "ink_02_text_digital_camera_aj_ashton.emf",
                      "ink_11_grad_lens_lente_francesco_ro_.emf", "lo_07_text_shield_matt_todd_02.emf",
                      "lo_16_grad_message.emf", "lo_18_bitmap_casco_con_microfono_arch.emf",
                      "lo_22_many_microchip_v_2_havok_redh.emf"),
    [](const ::testing::TestParamInfo<const char*>& info) {
      std::string s = info.param;
      for (char& c : s)
        if (!isalnum(uchar(c))) c = '_';
      return s;
    });

}  // namespace
}  // namespace pz
