// The scanner behind the unmarked-text check: it must see unmarked texts and
// leave marked ones and names alone, or the check proves nothing.
#include <gtest/gtest.h>

#include "tests/translations/source_scan.h"

namespace pz::testing {
namespace {

struct ScanCase {
  const char* name;
  const char* code;
  int found;  // unmarked texts the scanner must report
};

class SourceScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SourceScanCases, ReportsExactlyTheUnmarkedTexts) {
  const auto found = unmarkedUserTexts(QString::fromUtf8(GetParam().code));
  QStringList texts;
  for (const auto& l : found) texts << l.text;
  EXPECT_EQ(int(found.size()), GetParam().found) << texts.join(QStringLiteral(" | ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SourceScanCases,
    ::testing::Values(
        ScanCase{"label_text", R"(l->setText(QStringLiteral("Tool Chest"));)", 1},
        ScanCase{"one_capitalised_word", R"(new QCheckBox(QStringLiteral("Italic"), p);)", 1},
        ScanCase{"upper_case_word", R"(TabSet1->addTab("TOOLS");)", 1},
        ScanCase{"padded_title", R"(new QGroupBox(QStringLiteral(" Size "), p);)", 1},
        ScanCase{"constant_message", "const char* const kMsg = \"The picture could not be read.\";", 1},
        ScanCase{"tr", R"(l->setText(tr("Tool Chest"));)", 0},
        ScanCase{"translate_with_arg", R"(x = QCoreApplication::translate("pz::Files", "Frame %1 of %2").arg(1);)", 0},
        ScanCase{"noop_split_over_lines", "const char* k = QT_TRANSLATE_NOOP(\"c\",\n  \"first half \"\n  \"second half\");", 0},
        ScanCase{"nested_call_inside_tr", R"(f(tr("Water %"), g(1, 2));)", 0},
        ScanCase{"object_name", R"(w->setObjectName(QStringLiteral("Image1"));)", 0},
        ScanCase{"style_sheet", "w->setStyleSheet(QStringLiteral(\"color: navy; \"\n \"font-weight: bold;\"));", 0},
        ScanCase{"font_name", R"(QFont f(QStringLiteral("MS Sans Serif"));)", 0},
        ScanCase{"comment", "// \"Do you really have to leave now?\"\n/* \"Tool Chest\" */ int x;", 0},
        ScanCase{"file_name_and_path", R"(open(dir + QStringLiteral("/docs/wmain.htm")); load("a1.pzl");)", 0},
        ScanCase{"char_literal_quote", R"(char q = '"'; s.setText(QStringLiteral("Two words"));)", 1},
        ScanCase{"include", "#include \"paint/canvas/mainpinz.h\"\n#include <QLabel>", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SourceScan, GivesTheLineOfEachText) {
  const auto found = unmarkedUserTexts(QStringLiteral("int a;\n\nf(\"Quit now\");\n"));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].line, 3);
  EXPECT_EQ(found[0].text, QStringLiteral("Quit now"));
}

}  // namespace
}  // namespace pz::testing
