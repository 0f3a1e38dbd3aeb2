// Every text and picture of the control strip, the tool chest and the about
// window shows whole with the fonts this machine has (a requested face may
// fall back to a wider one), and on screens Qt scales (the same test runs
// again with QT_SCALE_FACTOR set). Texts are measured with the fonts their
// controls really use, and a control's rectangle counts only where no later
// sibling or edge of an ancestor hides it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTimer>

#include "paint/canvas/about.h"
#include "paint/canvas/toolform.h"
#include "paint/tools/tool_table.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

// The part of `r` (in w's coordinates) that shows on screen.
QRegion unhidden(const QWidget* w, QRect r) {
  QRegion reg(r.translated(w->mapTo(w->window(), QPoint(0, 0))));
  for (const QWidget* cur = w; !cur->isWindow(); cur = cur->parentWidget()) {
    const QWidget* parent = cur->parentWidget();
    const QPoint origin = parent->mapTo(parent->window(), QPoint(0, 0));
    reg &= QRegion(parent->rect().translated(origin));
    const QObjectList& kids = parent->children();
    for (qsizetype i = kids.indexOf(const_cast<QWidget*>(cur)) + 1; i < kids.size(); ++i) {
      auto* above = qobject_cast<QWidget*>(kids[i]);
      if (!above || above->isWindow() || !above->isVisible()) continue;
      reg -= QRegion(above->geometry().translated(origin));
    }
  }
  return reg.translated(-w->mapTo(w->window(), QPoint(0, 0)));
}

std::string describe(const QWidget* w, const QString& text) {
  return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
             .toStdString() +
         " \"" + text.toStdString() + "\"";
}

// Where the text lies in the control and whether it fits there.
struct TextPlace {
  QRect needed;     // the text's rectangle as drawn
  QRect available;  // where the control can draw it
};

TextPlace placeOf(const QWidget* w, QString* text) {
  if (auto* l = qobject_cast<const QLabel*>(w)) {
    *text = l->text();
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect area = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    return {l->fontMetrics().boundingRect(area, flags, *text), area};
  }
  if (auto* s = qobject_cast<const QSpinBox*>(w)) {
    const QLineEdit* edit = s->findChild<QLineEdit*>();
    *text = edit->text();
    // A line edit keeps two pixels clear on each side of its text.
    const QRect area = edit->contentsRect().adjusted(2, 0, -2, 0);
    QRect needed = edit->fontMetrics().boundingRect(*text);
    needed.moveTopLeft(area.topLeft());
    needed.setHeight(std::min(needed.height(), edit->fontMetrics().height()));
    return {needed.translated(edit->pos()), area.translated(edit->pos())};
  }
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
    *text = b->text();
    const QSize want = b->sizeHint();
    return {QRect(QPoint(0, 0), QSize(std::min(want.width(), 10000), b->fontMetrics().height())), b->rect()};
  }
  return {};
}

// The size a tab asks for, text and style's padding included. The hint is
// protected; a pointer to the member, made public here, calls it on the real
// tab bar without pretending the bar is of another type.
struct TabSizes : QTabBar {
  using QTabBar::tabSizeHint;
};
QSize tabSizeHint(const QTabBar* tabs, int i) { return (tabs->*(&TabSizes::tabSizeHint))(i); }

// Checks every visible text control under `top`, and the tabs of tab bars.
void expectTextsWhole(QWidget* top) {
  for (QWidget* w : top->findChildren<QWidget*>()) {
    if (!w->isVisible() || qobject_cast<QLineEdit*>(w)) continue;
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const QRect r = tabs->tabRect(i);
        SCOPED_TRACE(describe(w, tabs->tabText(i)));
        EXPECT_GE(r.width(), tabSizeHint(tabs, i).width());
        EXPECT_TRUE(tabs->rect().contains(r));
        EXPECT_TRUE((QRegion(r) - unhidden(tabs, r)).isEmpty());
      }
      continue;
    }
    QString text;
    const TextPlace p = placeOf(w, &text);
    if (text.isEmpty() || !p.needed.isValid()) continue;
    SCOPED_TRACE(describe(w, text));
    EXPECT_TRUE(p.available.contains(p.needed))
        << "needs " << p.needed.width() << "x" << p.needed.height() << " at " << p.needed.x() << ","
        << p.needed.y() << ", has " << p.available.width() << "x" << p.available.height();
    EXPECT_TRUE((QRegion(p.needed) - unhidden(w, p.needed)).isEmpty()) << "hidden under another control";
  }
}

class StripTextTest : public MainWindowTest {
 protected:
  void SetUp() override { open(900, 500); }
  void choose(int tool) {
    win->st.currentTool = tool;
    win->st.optionsStrip = toolInfo(tool) ? toolInfo(tool)->optionsStrip : 0;
    win->drawOptionsStrip();
    settle();
  }
  // The options art drawn at `band` shows whole: no visible control of the
  // strip lies over it.
  void expectArtWhole(QRect band) {
    SCOPED_TRACE("options art at " + std::to_string(band.x()) + "," + std::to_string(band.y()));
    EXPECT_TRUE(win->Panel5->rect().contains(band));
    for (QWidget* w : win->Panel5->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->isVisible()) EXPECT_FALSE(w->geometry().intersects(band)) << describe(w, QString());
  }
};

TEST_F(StripTextTest, ToolsPageWithEachOptionsStrip) {
  win->mapdispMouseMove(1101, 801);  // the widest coordinates a large screen gives
  ASSERT_EQ(win->Label1->text(), QStringLiteral("1101 801"));

  choose(ToolWaterPen);
  win->st.brushSize = 14;
  win->waterspin->setValue(100);
  win->drawOptionsStrip();
  settle();
  expectTextsWhole(win.get());
  expectArtWhole({130, 0, 85, 75});

  choose(ToolTextureBrush);
  expectTextsWhole(win.get());
  expectArtWhole({130, 0, 85, 75});

  choose(ToolBlackEraser);
  expectTextsWhole(win.get());
  expectArtWhole({88, 10, 325, 54});

  choose(ToolRazor);
  expectTextsWhole(win.get());
  expectArtWhole({88, 10, 320, 50});
}

TEST_F(StripTextTest, SystemPage) {
  win->TabSet1->setCurrentIndex(1);
  settle();
  ASSERT_EQ(win->st.systemTab, 1);
  expectTextsWhole(win.get());
  for (QWidget* w : {static_cast<QWidget*>(win->Image3), static_cast<QWidget*>(win->Image4),
                     static_cast<QWidget*>(win->Image7), static_cast<QWidget*>(win->Image8)}) {
    SCOPED_TRACE(describe(w, QString()));
    EXPECT_TRUE((QRegion(w->rect()) - unhidden(w, w->rect())).isEmpty());
  }
}

TEST_F(StripTextTest, ToolChestAndAboutWindow) {
  for (int tool : {int(ToolWaterPen), int(ToolTextureBrush)}) {
    win->st.currentTool = tool;
    Ttoolform chest(win->st, win.get());
    chest.show();
    settle();
    chest.hintline->setText(QStringLiteral("Le's go with the chosen tool..."));
    expectTextsWhole(&chest);
    chest.close();
  }
  Taboutfrm about(win.get());
  about.show();
  settle();
  expectTextsWhole(&about);
  about.close();
}

}  // namespace
}  // namespace pz::testing
