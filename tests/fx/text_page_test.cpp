// The text page and the rotation window, driven through their handlers.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "fx/facelist.h"
#include "fx/modal.h"
#include "fx/pamain.h"
#include "fx/rotator.h"
#include "fx/swatch.h"
#include "fx/textpage.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"

namespace fx {
namespace {

class TextPageTest : public ::testing::Test {
 protected:
  TextPageTest() : w({"T"}) {
    w.resize(1000, 700);
    w.show();
    w.FormActivate();
    QCoreApplication::processEvents();
    page = w.TabSheet2;
    page->usertext->setText(QStringLiteral("Pinzola"));
    page->flistbox->setCurrentText(QStringLiteral("DejaVu Sans"));
  }
  ~TextPageTest() override { modalHook = nullptr; }
  pz::Surface& canvas() { return page->textpanel->surface(); }
  void chooseEffect(int tool) { page->effectsimageMouseDown(int((tool - 1) * 220 / 6.0 + 5)); }
  void dragOnCanvas(Point a, Point b) {
    page->textpanelMouseDown(a.x, a.y);
    page->textpanelMouseMove((a.x + b.x) / 2, (a.y + b.y) / 2);
    page->textpanelMouseMove(b.x, b.y);
    page->textpanelMouseUp(b.x, b.y);
  }
  int count(pz::Color c) {
    int n = 0;
    for (int y = 0; y < canvas().height(); ++y)
      for (int x = 0; x < canvas().width(); ++x) n += canvas().pixel(x, y) == c;
    return n;
  }
  bool onlyColours(std::initializer_list<pz::Color> allowed) {
    for (int y = 0; y < canvas().height(); ++y)
      for (int x = 0; x < canvas().width(); ++x)
        if (std::find(allowed.begin(), allowed.end(), canvas().pixel(x, y)) == allowed.end()) return false;
    return true;
  }
  pz::ScriptedPrompter prompts;
  Tpamain w;
  TextPage* page = nullptr;
};

TEST_F(TextPageTest, CanvasFillsTheViewArea) {
  EXPECT_GT(page->textpanel->width(), 600);
  EXPECT_EQ(canvas().width(), page->textpanel->width());
  EXPECT_EQ(page->Panel6->width(), 225);
  EXPECT_FALSE(page->Panel2->isVisible());
  EXPECT_FALSE(page->textselect->arrow->isVisible());
}

struct EffectCase {
  int tool;
  bool panel2, depthControls, sizelist, sides;
  Qt::CursorShape cursor;
};
class EffectChoice : public TextPageTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(EffectChoice, ShowsTheEffectsControls) {
  const EffectCase c = GetParam();
  page->textselect->chooseMode(SelectWhole);
  ASSERT_TRUE(page->textselect->copyEnabled());
  chooseEffect(c.tool);
  EXPECT_EQ(w.st.text.textTool, c.tool);
  EXPECT_TRUE(page->textarrow->isVisible());
  EXPECT_FALSE(page->textselect->arrow->isVisible());
  EXPECT_EQ(page->textarrow->x(), int(220.0f / 6.0f * float(c.tool - 1)) + 3);
  EXPECT_EQ(page->Panel2->isVisible(), c.panel2);
  EXPECT_EQ(page->sizelist->isVisible(), c.sizelist);
  if (c.panel2) {
    EXPECT_EQ(page->SpinButton1->isVisible(), c.depthControls);
    EXPECT_EQ(page->pixlabel->isVisible(), c.depthControls);
    EXPECT_EQ(page->radios[DirL]->isVisible(), c.sides);
    EXPECT_EQ(page->radios[DirR]->isVisible(), c.sides);
    EXPECT_TRUE(page->radios[DirLL]->isVisible());
  }
  if (c.tool == EffectTrail) EXPECT_TRUE(page->radios[DirUC]->isChecked());
  EXPECT_EQ(page->textpanel->cursor().shape(), c.cursor);
  EXPECT_TRUE(page->textselect->copyEnabled());  // left as it was
  EXPECT_EQ(w.st.sel.selectMode, SelectWhole);
}

INSTANTIATE_TEST_SUITE_P(Six, EffectChoice,
                         ::testing::Values(EffectCase{EffectPlain, false, false, false, false, Qt::CrossCursor},
                                           EffectCase{EffectDropShadow, true, true, false, true, Qt::CrossCursor},
                                           EffectCase{EffectTrail, true, false, false, false, Qt::CrossCursor},
                                           EffectCase{EffectRotated, false, false, true, false, Qt::IBeamCursor},
                                           EffectCase{EffectBlockShadow, true, true, false, true, Qt::CrossCursor},
                                           EffectCase{EffectVertical, false, false, true, false, Qt::IBeamCursor}));

TEST_F(TextPageTest, DepthRunsFromOneToFifty) {
  EXPECT_EQ(page->pixlabel->text(), QStringLiteral("1 Pixel"));
  page->SpinButton1DownClick();
  EXPECT_EQ(w.st.text.shadowDepth, 1);
  EXPECT_EQ(page->pixlabel->text(), QStringLiteral("1 Pixels"));
  for (int i = 0; i < 60; ++i) page->SpinButton1UpClick();
  EXPECT_EQ(w.st.text.shadowDepth, 50);
  EXPECT_EQ(page->pixlabel->text(), QStringLiteral("50 Pixels"));
  page->SpinButton1DownClick();
  EXPECT_EQ(page->pixlabel->text(), QStringLiteral("49 Pixels"));
}

class RecordingPrompter : public pz::ScriptedPrompter {
 public:
  std::optional<pz::Color> chooseColor(pz::Color initial) override {
    initials.push_back(initial);
    return ScriptedPrompter::chooseColor(initial);
  }
  std::vector<pz::Color> initials;
};

TEST_F(TextPageTest, SwatchesShareOneColourDialog) {
  RecordingPrompter rec;
  rec.colors = {pz::Color(0x0000FF), std::nullopt, pz::Color(0x00FF00)};
  page->foreshapeMouseDown();
  EXPECT_EQ(w.st.text.foreColor, 0x0000FFu);
  EXPECT_EQ(page->foreshape->color(), 0x0000FFu);
  page->backshapeMouseDown();  // cancelled
  EXPECT_EQ(w.st.text.backColor, 0x88C826u);
  page->backshapeMouseDown();
  EXPECT_EQ(w.st.text.backColor, 0x00FF00u);
  ASSERT_EQ(rec.initials.size(), 3u);
  EXPECT_EQ(rec.initials[1], 0x0000FFu);  // the back swatch opens at the colour chosen for the front one
  EXPECT_EQ(rec.initials[2], 0x0000FFu);
}

TEST_F(TextPageTest, DragEffectDrawsAndRemovesItsBand) {
  for (int tool : {EffectPlain, EffectDropShadow, EffectTrail, EffectBlockShadow}) {
    page->textclrbuttClick();
    chooseEffect(tool);
    dragOnCanvas({50, 60}, {400, 160});
    EXPECT_GT(count(w.st.text.foreColor), 300) << tool;
    if (tool != EffectPlain) EXPECT_GT(count(w.st.text.backColor), 50) << tool;
    EXPECT_TRUE(onlyColours({pz::kWhite, w.st.text.foreColor, w.st.text.backColor})) << tool;
    EXPECT_FALSE(w.st.sel.pointerDown);
  }
}

TEST_F(TextPageTest, EmptyTextDrawsNothing) {
  page->usertext->clear();
  chooseEffect(EffectDropShadow);
  dragOnCanvas({50, 60}, {400, 160});
  EXPECT_TRUE(onlyColours({pz::kWhite}));
  chooseEffect(EffectVertical);
  page->textpanelMouseDown(100, 100);
  EXPECT_TRUE(onlyColours({pz::kWhite}));
}

TEST_F(TextPageTest, ClearThenUndoBringsBackTheCanvasBeforeTheLastPress) {
  chooseEffect(EffectPlain);
  dragOnCanvas({20, 20}, {300, 80});
  const pz::Surface first = canvas();
  dragOnCanvas({20, 200}, {300, 260});  // the snapshot is taken at this press
  page->textclrbuttClick();
  EXPECT_TRUE(onlyColours({pz::kWhite}));
  page->textundobuttClick();
  EXPECT_TRUE(canvas() == first);
}

TEST_F(TextPageTest, SnapshotSmallerThanTheCanvasLeavesWhite) {
  chooseEffect(EffectPlain);
  w.st.text.undoSnapshot = pz::Surface(10, 10, 0x000080);
  page->restoreSnapshot();
  EXPECT_EQ(canvas().pixel(5, 5), 0x000080u);
  EXPECT_EQ(canvas().pixel(50, 50), pz::kWhite);
  EXPECT_EQ(canvas().pixel(canvas().width() - 1, canvas().height() - 1), pz::kWhite);
}

// The outline crosses the lettering; the copy and the canvas afterwards show
// the lettering as it was, not a white frame.
TEST_F(TextPageTest, RectangleCopyGivesBackThePixelsUnderTheOutline) {
  chooseEffect(EffectBlockShadow);
  dragOnCanvas({30, 30}, {500, 120});
  page->textselect->rectButton->click();
  EXPECT_EQ(w.st.text.textTool, SelectRect);
  EXPECT_TRUE(page->textselect->arrow->isVisible());
  EXPECT_FALSE(page->textarrow->isVisible());
  const pz::Surface before = canvas();
  int letteringUnderOutline = 0;
  for (int x = 20; x <= 520; ++x) letteringUnderOutline += before.pixel(x, 60) != pz::kWhite;
  ASSERT_GT(letteringUnderOutline, 10);  // the outline's row at y = 60 crosses the lettering
  dragOnCanvas({20, 150}, {520, 60});
  EXPECT_EQ(canvas().pixel(20, 150), pz::kBlack);
  EXPECT_EQ(canvas().pixel(300, 60), pz::kBlack);
  const auto bmp = page->textselect->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 500);
  EXPECT_EQ(bmp->height(), 90);
  EXPECT_TRUE(canvas() == before);
  EXPECT_TRUE(*bmp == before.copy({20, 60, 520, 150}, pz::kWhite));
}

TEST_F(TextPageTest, EffectAfterARectangleKeepsTheMarkedArea) {
  page->textselect->rectButton->click();
  dragOnCanvas({10, 10}, {110, 60});
  ASSERT_TRUE(page->textselect->copyEnabled());
  chooseEffect(EffectPlain);
  dragOnCanvas({300, 300}, {500, 400});
  EXPECT_TRUE(page->textselect->copyEnabled());
  const auto bmp = page->textselect->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 100);
  EXPECT_EQ(bmp->height(), 50);
  // The lettering far away was not touched by removing the outline.
  EXPECT_TRUE(onlyColours({pz::kWhite, w.st.text.foreColor}));
}

TEST_F(TextPageTest, FreehandCopyRepaintsFromTheSnapshot) {
  chooseEffect(EffectPlain);
  dragOnCanvas({20, 20}, {300, 80});
  page->textselect->irregButton->click();
  page->textpanelMouseDown(10, 10);
  for (Point p : {Point{320, 10}, Point{320, 100}, Point{10, 100}, Point{10, 20}}) page->textpanelMouseMove(p.x, p.y);
  page->textpanelMouseUp(10, 20);
  EXPECT_GT(count(pz::kBlack), 100);
  const auto bmp = page->textselect->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(count(pz::kBlack), 0);
  EXPECT_EQ(bmp->width(), 310);
  EXPECT_EQ(bmp->height(), 90);
}

TEST_F(TextPageTest, VerticalTextIsCentredOnTheClick) {
  chooseEffect(EffectVertical);
  page->sizelist->setCurrentText(QStringLiteral("24"));
  page->usertext->setText(QStringLiteral("HI"));
  page->textpanelMouseDown(200, 200);
  EXPECT_FALSE(w.st.sel.pointerDown);
  int minY = 10000, maxY = -1, minX = 10000, maxX = -1;
  for (int y = 0; y < canvas().height(); ++y)
    for (int x = 0; x < canvas().width(); ++x)
      if (canvas().pixel(x, y) == w.st.text.foreColor) {
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        minX = std::min(minX, x), maxX = std::max(maxX, x);
      }
  EXPECT_LT(minY, 200);
  EXPECT_GT(maxY, 200);
  EXPECT_NEAR((minX + maxX) / 2, 200, 3);
  EXPECT_GT(maxY - minY, 2 * (maxX - minX));
}

TEST_F(TextPageTest, ArrowKeysInTheTextBoxOnlyMoveTheCaret) {
  page->usertext->setFocus();
  page->usertext->setCursorPosition(3);
  QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(page->usertext, &left);
  EXPECT_EQ(page->usertext->cursorPosition(), 2);
  EXPECT_FALSE(w.FormKeyDown(Qt::Key_Right));
}

TEST(FaceNames, EachFamilyOnceByItsOwnName) {
  // What the font database reports where fonts of one family come from
  // several foundries, and fontconfig's generic names.
  const QStringList families{QStringLiteral("Nimbus Sans [urw]"), QStringLiteral("C059 [UKWN]"),
                             QStringLiteral("Nimbus Sans [URW ]"), QStringLiteral("C059 [urw]"),
                             QStringLiteral("DejaVu Sans"),        QStringLiteral("Sans Serif"),
                             QStringLiteral("Nimbus Sans [UKWN]"), QStringLiteral("Nimbus Sans Narrow [urw]"),
                             QStringLiteral("aegean"),             QStringLiteral("Monospace")};
  const auto drawnIn = [](const QString& name) {
    if (name == QStringLiteral("Sans Serif")) return QStringLiteral("DejaVu Sans");
    if (name == QStringLiteral("Monospace")) return QStringLiteral("DejaVu Sans Mono");
    return name;
  };
  const QStringList want{QStringLiteral("aegean"), QStringLiteral("C059"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans Narrow")};
  EXPECT_EQ(faceNames(families, drawnIn), want);
  const struct {
    const char *in, *out;
  } rows[] = {{"C059 [UKWN]", "C059"}, {"Nimbus Sans [URW ]", "Nimbus Sans"}, {"DejaVu Sans", "DejaVu Sans"},
              {"Odd [Name] Sans", "Odd [Name] Sans"}};
  for (const auto& r : rows) EXPECT_EQ(familyWithoutFoundry(QString::fromUtf8(r.in)), QString::fromUtf8(r.out));
}

// The installed families: once each, no foundry, each name drawn in its own face.
TEST_F(TextPageTest, FaceListShowsEachInstalledFamilyOnce) {
  FaceList* list = page->flistbox;
  QSet<QString> seen;
  for (int i = 0; i < list->count(); ++i) {
    const QString name = list->itemText(i);
    EXPECT_FALSE(name.contains(QLatin1Char('['))) << name.toStdString();
    EXPECT_FALSE(seen.contains(name.toCaseFolded())) << name.toStdString();
    seen.insert(name.toCaseFolded());
    EXPECT_EQ(matchedFamily(name), name);
  }
  EXPECT_TRUE(seen.contains(QStringLiteral("dejavu sans")));
  EXPECT_TRUE(seen.contains(QStringLiteral("liberation sans")));
}

TEST_F(TextPageTest, FaceListIsSortedAndDrawnByTheProgram) {
  FaceList* list = page->flistbox;
  ASSERT_GT(list->count(), 0);
  for (int i = 1; i < list->count(); ++i)
    ASSERT_LE(QString::compare(list->itemText(i - 1), list->itemText(i), Qt::CaseInsensitive), 0);
  QStyleOptionViewItem opt;
  EXPECT_EQ(list->itemDelegate()->sizeHint(opt, list->model()->index(0, 0)).height(), 14);
  // Each row shows its name in that very face.
  QImage row(160, 14, QImage::Format_RGB32);
  QPainter p(&row);
  drawFaceRow(p, row.rect(), QStringLiteral("DejaVu Sans"), 11, false, list->palette());
  p.end();
  QImage other(160, 14, QImage::Format_RGB32);
  QPainter q(&other);
  drawFaceRow(q, other.rect(), QStringLiteral("DejaVu Sans"), 11, true, list->palette());
  q.end();
  EXPECT_NE(row, other);  // the highlight fills a selected row
}

// --- the rotation window ---

TEST_F(TextPageTest, RotatorShowsFortyFiveThenTheAngleOnTheThirdTick) {
  Trotator* r = w.rotator;
  EXPECT_EQ(r->windowTitle(), QStringLiteral("Set Text Rotation Angle"));
  EXPECT_EQ(r->size(), QSize(272, 112));
  EXPECT_EQ(r->Label1->text(), QStringLiteral("45 Degrees"));
  r->Timer1Timer();
  r->Timer1Timer();
  EXPECT_EQ(r->Label1->text(), QStringLiteral("45 Degrees"));
  r->Timer1Timer();
  EXPECT_EQ(r->Label1->text(), QStringLiteral("0 Degrees"));
  EXPECT_FALSE(r->Timer1->isActive());
  // "Example" lies horizontally over the cross-hair.
  const pz::Surface& s = r->Panel1->surface();
  EXPECT_EQ(s.pixel(57, 50), pz::kBlack);
  int inkAbove = 0;
  for (int y = 30; y < 50; ++y)
    for (int x = 20; x < 105; ++x) inkAbove += s.pixel(x, y) == pz::kBlack && !(x == 62);
  EXPECT_GT(inkAbove, 30);
  // A later showing needs one tick.
  w.st.rotationAngle = 30;
  r->Timer1Timer();
  EXPECT_EQ(r->ScrollBar1->value(), 30);
  EXPECT_EQ(r->Label1->text(), QStringLiteral("30 Degrees"));
}

TEST_F(TextPageTest, RotatorScrollsThenOkAndTheAngleIsKept) {
  chooseEffect(EffectRotated);
  page->sizelist->setCurrentText(QStringLiteral("36"));
  int shown = 0;
  modalHook = [&](QDialog* d) {
    auto* r = static_cast<Trotator*>(d);
    ++shown;
    EXPECT_TRUE(r->Timer1->isActive());
    for (int i = 0; i < 3; ++i) r->Timer1Timer();
    if (shown == 1) {
      EXPECT_EQ(r->ScrollBar1->value(), 0);
      r->ScrollBar1->setValue(90);
      EXPECT_EQ(r->Label1->text(), QStringLiteral("90 Degrees"));
      r->BitBtn1->click();
    } else {
      EXPECT_EQ(r->ScrollBar1->value(), 90);  // opens where it was left
      r->ScrollBar1->setValue(180);
      r->reject();  // the system menu's close
    }
  };
  page->textpanelMouseDown(300, 300);
  EXPECT_EQ(w.st.rotationAngle, 90);
  EXPECT_FALSE(w.st.sel.pointerDown);
  pz::Rect ink{10000, 10000, -1, -1};
  auto measure = [&] {
    ink = {10000, 10000, -1, -1};
    for (int y = 0; y < canvas().height(); ++y)
      for (int x = 0; x < canvas().width(); ++x)
        if (canvas().pixel(x, y) == w.st.text.foreColor) {
          ink.left = std::min(ink.left, x), ink.top = std::min(ink.top, y);
          ink.right = std::max(ink.right, x + 1), ink.bottom = std::max(ink.bottom, y + 1);
        }
  };
  measure();
  EXPECT_GT(ink.height(), ink.width());  // runs upwards
  EXPECT_LE(ink.right, 301);
  page->textclrbuttClick();
  page->textpanelMouseDown(300, 300);
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(w.st.rotationAngle, 180);
  measure();
  EXPECT_GT(ink.width(), ink.height());
  EXPECT_GE(ink.top, 298);  // upside down below the click
}

}  // namespace
}  // namespace fx
