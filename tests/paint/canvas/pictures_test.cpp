// The strip's pictures come at the sizes their places in the strip have, and
// each actually shows something.
#include "paint/canvas/pictures.h"

#include <gtest/gtest.h>

namespace pz {
namespace {

struct PictureCase {
  StripPicture which;
  int w, h;
};

class StripPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(StripPictures, HaveTheirSizeAndAreNotBlank) {
  const QImage img = stripPicture(GetParam().which);
  EXPECT_EQ(img.size(), QSize(GetParam().w, GetParam().h));
  int drawn = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) drawn += qAlpha(img.pixel(x, y)) > 128 ? 1 : 0;
  EXPECT_GT(drawn, img.width() * img.height() / 5);
}

INSTANTIATE_TEST_SUITE_P(
    All, StripPictures,
    ::testing::Values(PictureCase{StripPicture::ZoomIn, 17, 16}, PictureCase{StripPicture::ZoomOut, 17, 16},
                      PictureCase{StripPicture::NoZoom, 17, 16}, PictureCase{StripPicture::ColorBox, 50, 50},
                      PictureCase{StripPicture::Brighten, 15, 17}, PictureCase{StripPicture::Darken, 17, 19},
                      PictureCase{StripPicture::ToolChest, 50, 51}, PictureCase{StripPicture::About, 36, 36},
                      PictureCase{StripPicture::OpenSave, 55, 39}, PictureCase{StripPicture::Help, 44, 39},
                      PictureCase{StripPicture::Quit, 40, 35}, PictureCase{StripPicture::AboutPicture, 421, 239}));

// The zoom pictures tell apart what they do.
TEST(StripPictures, ZoomPicturesDiffer) {
  EXPECT_NE(stripPicture(StripPicture::ZoomIn), stripPicture(StripPicture::ZoomOut));
  EXPECT_NE(stripPicture(StripPicture::ZoomOut), stripPicture(StripPicture::NoZoom));
}

}  // namespace
}  // namespace pz
