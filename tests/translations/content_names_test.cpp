// The shipped pictures show under their names in the child's language while
// the files keep theirs; a picture the user saved shows under the name the
// user gave it, even when that is also a shipped picture's name.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "paint/files/artform.h"
#include "paint/files/openpic.h"
#include "paint/files/palpinz.h"
#include "platform/language.h"
#include "platform/prompt.h"

namespace pz {
namespace {

const QString kProg = QStringLiteral(PINZ_PROGRAM_DIR);

class ContentNames : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(installLanguage(QStringLiteral("de"), kProg + QStringLiteral("/translations")));
    ASSERT_TRUE(dir_.isValid());
    st_.programDir = dir_.path();
    for (const char* sub : {"bmps", "user", "palettes", "clipart"}) QDir(dir_.path()).mkpath(QLatin1String(sub));
    copy(QStringLiteral("bmps/cat.bmp"));
    copy(QStringLiteral("palettes/pinzola's favorite colors.bmp"), QStringLiteral("palettes/pinzola's favorite colors.BMP"));
    copy(QStringLiteral("palettes/rainbow.bmp"));
    copy(QStringLiteral("clipart/cat.bmp"));
    // A saved picture the child called "cat", like the drawing.
    copy(QStringLiteral("bmps/cat.bmp"), QStringLiteral("user/cat.jpg"));
  }
  void TearDown() override { installLanguage(QString(), QString()); }
  void copy(const QString& from, QString to = QString()) {
    if (to.isEmpty()) to = from;
    ASSERT_TRUE(QFile::copy(kProg + QLatin1Char('/') + from, dir_.path() + QLatin1Char('/') + to)) << from.toStdString();
  }
  QTemporaryDir dir_;
  PaintState st_;
  ScriptedPrompter prompts_;
};

TEST_F(ContentNames, DrawingsShowTranslatedAndOpenTheirFile) {
  st_.openMode = 1;
  Topenpic w(st_);
  ASSERT_EQ(w.bmpnames->count(), 1);
  EXPECT_EQ(w.bmpnames->item(0)->text(), QStringLiteral("Katze"));
  w.bmpnames->setCurrentRow(0);
  w.bmpnamesClick();
  w.Image2Click();
  EXPECT_EQ(st_.chosenPicture, dir_.path() + QStringLiteral("/bmps/cat.bmp"));
}

TEST_F(ContentNames, SavedPicturesKeepTheChildsName) {
  st_.openMode = 2;
  Topenpic w(st_);
  ASSERT_EQ(w.bmpnames->count(), 1);
  EXPECT_EQ(w.bmpnames->item(0)->text(), QStringLiteral("cat"));
}

TEST_F(ContentNames, PaletteChoiceIsRememberedByItsFile) {
  st_.paletteName = QStringLiteral("rainbow");
  {
    Tpalpinz w(st_);
    EXPECT_EQ(w.palnames->currentText(), QStringLiteral("Regenbogen"));
    const int fav = w.palnames->findText(QStringLiteral("Lieblingsfarben"));
    ASSERT_GE(fav, 0);
    w.palnames->setCurrentIndex(fav);
    w.palnamesClick();
    EXPECT_TRUE(prompts_.shown.isEmpty()) << prompts_.shown.value(0).toStdString();
  }
  EXPECT_EQ(st_.paletteName, QStringLiteral("pinzola's favorite colors"));
  Tpalpinz again(st_);
  EXPECT_EQ(again.palnames->currentText(), QStringLiteral("Lieblingsfarben"));
}

TEST_F(ContentNames, ClipArtShowsTranslatedAndLoadsItsFile) {
  Tartform w(dir_.path());
  w.FormActivate();
  ASSERT_EQ(w.filelist->count(), 1);
  EXPECT_EQ(w.filelist->item(0)->text(), QStringLiteral("Katze"));
  EXPECT_TRUE(prompts_.shown.isEmpty()) << prompts_.shown.value(0).toStdString();
  ASSERT_FALSE(w.cimg->pixmap().isNull());
  EXPECT_GT(w.cimg->pixmap().width(), 1);
}

}  // namespace
}  // namespace pz
