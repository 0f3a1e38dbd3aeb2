// Which language the programs speak for a given environment.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/language.h"

namespace pz {
namespace {

struct EnvCase {
  const char* name;
  const char* language;
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  const char* expected;
};

class LanguageChoice : public ::testing::TestWithParam<EnvCase> {};

TEST_P(LanguageChoice, FollowsTheLocaleLikeDesktopPrograms) {
  const EnvCase& c = GetParam();
  EXPECT_EQ(chooseLanguage(QString::fromLatin1(c.language), QString::fromLatin1(c.lcAll),
                           QString::fromLatin1(c.lcMessages), QString::fromLatin1(c.lang)),
            QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, LanguageChoice,
    ::testing::Values(EnvCase{"lang_german", "", "", "", "de_DE.UTF-8", "de"},
                      EnvCase{"lang_other_region", "", "", "", "de_AT.UTF-8@euro", "de"},
                      EnvCase{"brazilian", "", "", "", "pt_BR.UTF-8", "pt_BR"},
                      EnvCase{"portugal_gets_brazilian", "", "", "", "pt_PT.UTF-8", "pt_BR"},
                      EnvCase{"dutch_belgium", "", "", "", "nl_BE", "nl"},
                      EnvCase{"lc_all_wins_over_lang", "", "fr_FR.UTF-8", "", "de_DE.UTF-8", "fr"},
                      EnvCase{"lc_messages_wins_over_lang", "", "", "it_IT.UTF-8", "de_DE.UTF-8", "it"},
                      EnvCase{"lc_all_wins_over_lc_messages", "", "es_ES.UTF-8", "it_IT.UTF-8", "", "es"},
                      EnvCase{"language_list_first", "nl:de", "", "", "fr_FR.UTF-8", "nl"},
                      EnvCase{"language_list_skips_unknown", "sv:ja:es", "", "", "de_DE.UTF-8", "es"},
                      EnvCase{"language_list_unknown_falls_to_locale", "sv", "", "", "it_IT.UTF-8", "it"},
                      EnvCase{"english_in_list_stops", "en_GB:de", "", "", "de_DE.UTF-8", ""},
                      EnvCase{"c_locale_ignores_language", "de", "", "", "C.UTF-8", ""},
                      EnvCase{"posix_locale", "", "POSIX", "", "de_DE.UTF-8", ""},
                      EnvCase{"nothing_set", "", "", "", "", ""},
                      EnvCase{"english", "", "", "", "en_US.UTF-8", ""},
                      EnvCase{"unshipped", "", "", "", "sv_SE.UTF-8", ""},
                      EnvCase{"hyphenated", "", "", "", "fr-CA", "fr"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuidePath, TakesTheLanguagesOwnGuideOnlyWhereOneExists) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString prog = dir.path();
  ASSERT_TRUE(QDir(prog).mkpath(QStringLiteral("docs/de")));
  ASSERT_TRUE(QDir(prog).mkpath(QStringLiteral("docs/fr")));  // a folder without a guide in it
  QFile de(prog + QStringLiteral("/docs/de/wmain.htm"));
  ASSERT_TRUE(de.open(QIODevice::WriteOnly));
  de.close();
  EXPECT_EQ(guidePath(prog, QStringLiteral("de")), prog + QStringLiteral("/docs/de/wmain.htm"));
  EXPECT_EQ(guidePath(prog, QStringLiteral("fr")), prog + QStringLiteral("/docs/wmain.htm"));
  EXPECT_EQ(guidePath(prog, QString()), prog + QStringLiteral("/docs/wmain.htm"));
}

}  // namespace
}  // namespace pz
