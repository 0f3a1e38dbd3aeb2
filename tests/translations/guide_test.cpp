// The user guide exists in every shipped language, written in that language
// with the pictures of its own windows, and the guide button finds it.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/language.h"

namespace pz {
namespace {

class Guide : public ::testing::TestWithParam<QString> {
 protected:
  void TearDown() override { installLanguage(QString(), QString()); }
};

TEST_P(Guide, IsWrittenInTheLanguageWithItsOwnPictures) {
  const QString prog = QStringLiteral(PINZ_PROGRAM_DIR);
  const QString lang = GetParam();
  const QString path = guidePath(prog, lang);
  ASSERT_EQ(path, prog + QStringLiteral("/docs/%1/wmain.htm").arg(lang));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(f.readAll());
  ASSERT_TRUE(installLanguage(lang, translationsFolder(prog)));
  const QString title = QCoreApplication::translate("Guide", "Pinzola User Guide");
  EXPECT_NE(title, QStringLiteral("Pinzola User Guide"));
  EXPECT_TRUE(html.contains(QStringLiteral("<title>%1</title>").arg(title))) << lang.toStdString();
  EXPECT_FALSE(html.contains(QStringLiteral("<h2 id=\"tools\">The tools</h2>"))) << lang.toStdString();
  // The windows in the pictures differ from the English ones.
  for (const char* shot : {"open.png", "colors.png", "screen.png"}) {
    const QImage own(prog + QStringLiteral("/docs/%1/pictures/").arg(lang) + QLatin1String(shot));
    const QImage english(prog + QStringLiteral("/docs/pictures/") + QLatin1String(shot));
    ASSERT_FALSE(own.isNull()) << shot;
    ASSERT_FALSE(english.isNull()) << shot;
    EXPECT_NE(own, english) << lang.toStdString() << " " << shot;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, Guide, ::testing::ValuesIn(shippedLanguages().begin(), shippedLanguages().end()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace pz
