// Every text of both programs' fixed layouts fits its control in every
// language: the real windows are built with the language's catalogue
// installed and each label, button, check box, group title and tab is
// measured with the font it is drawn in.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "fx/metafilepage.h"
#include "fx/pamain.h"
#include "fx/rotator.h"
#include "fx/textpage.h"
#include "fx/videopage.h"
#include "paint/canvas/about.h"
#include "paint/canvas/artcache.h"
#include "paint/canvas/mainpinz.h"
#include "paint/canvas/toolform.h"
#include "paint/files/artform.h"
#include "paint/files/openpic.h"
#include "paint/files/palpinz.h"
#include "paint/files/saveuser.h"
#include "paint/tools/tool_ids.h"
#include "paint/tools/tool_table.h"
#include "platform/language.h"
#include "platform/prompt.h"

namespace pz {
namespace {

QString where(const QWidget* w) {
  QStringList path;
  for (const QWidget* p = w; p; p = p->parentWidget())
    path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
  return path.join(QLatin1Char('/'));
}

int textWidth(const QFontMetrics& fm, const QString& text) {
  int w = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
  return w;
}

// The room a label's text has, and the room it needs.
void checkLabel(const QLabel* l, QStringList* bad, int room = -1) {
  const QString text = l->text();
  if (text.trimmed().isEmpty() || Qt::mightBeRichText(text)) return;
  if (l->wordWrap()) {  // wrapped text must fit the label's height
    // The last line may lose the bottom of its descenders, as in English.
    const int need = l->heightForWidth(l->width());
    if (need > l->height() + l->fontMetrics().descent())
      *bad << QStringLiteral("%1 \"%2\": needs %3 px high, has %4").arg(where(l), text).arg(need).arg(l->height());
    return;
  }
  int avail = room >= 0 ? room : l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
  const int need = textWidth(l->fontMetrics(), text);
  if (need > avail)
    *bad << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(where(l), text).arg(need).arg(avail);
}

void checkButton(const QAbstractButton* b, QStringList* bad) {
  const QString text = b->text();
  if (text.trimmed().isEmpty()) return;
  int need = 0;
  if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b)) {
    need = b->sizeHint().width();
  } else if (qobject_cast<const QPushButton*>(b)) {
    // The label is drawn inside the button's contents rectangle.
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.rect = b->rect();
    opt.text = text;
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
    need = textWidth(b->fontMetrics(), QString(text).remove(QLatin1Char('&'))) + b->width() - room;
    if (!b->icon().isNull()) need += b->iconSize().width() + 4;
  } else {
    return;  // tool buttons show pictures
  }
  if (need > b->width())
    *bad << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(where(b), text).arg(need).arg(b->width());
}

void checkGroupBox(const QGroupBox* g, QStringList* bad) {
  if (g->title().trimmed().isEmpty()) return;
  const int need = g->fontMetrics().horizontalAdvance(g->title()) + 16;
  if (need > g->width())
    *bad << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(where(g), g->title()).arg(need).arg(g->width());
}

void checkTabs(QTabBar* t, int room, QStringList* bad) {
  int right = 0;
  for (int i = 0; i < t->count(); ++i) {
    if (!t->isTabVisible(i)) continue;
    right = std::max(right, t->tabRect(i).right() + 1);
    const int need = t->fontMetrics().horizontalAdvance(t->tabText(i));
    if (need > t->tabRect(i).width())
      *bad << QStringLiteral("%1 tab \"%2\": needs %3 px, has %4").arg(where(t), t->tabText(i)).arg(need).arg(t->tabRect(i).width());
  }
  if (t->x() + right > room)
    *bad << QStringLiteral("%1: tabs end at %2 px, room ends at %3").arg(where(t)).arg(t->x() + right).arg(room);
}

// The shipped pictures' names a list shows. Only translated names are ours
// to shorten; the English ones are the files' own names.
void checkItems(const QComboBox* c, QStringList* bad) {
  if (currentLanguage().isEmpty()) return;
  QStyleOptionComboBox opt;
  opt.initFrom(c);
  opt.rect = c->rect();
  const int room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
  for (int i = 0; i < c->count(); ++i) {
    const int need = c->fontMetrics().horizontalAdvance(c->itemText(i));
    if (need > room)
      *bad << QStringLiteral("%1 item \"%2\": needs %3 px, has %4").arg(where(c), c->itemText(i)).arg(need).arg(room);
  }
}

void checkItems(const QListWidget* l, QStringList* bad) {
  if (currentLanguage().isEmpty()) return;
  const int room = l->width() - 2 * l->frameWidth() - l->verticalScrollBar()->sizeHint().width() - 4;
  for (int i = 0; i < l->count(); ++i) {
    const int need = l->fontMetrics().horizontalAdvance(l->item(i)->text());
    if (need > room)
      *bad << QStringLiteral("%1 item \"%2\": needs %3 px, has %4").arg(where(l), l->item(i)->text()).arg(need).arg(room);
  }
}

// Every text control of a window, as it stands.
void checkWindow(QWidget* w, QStringList* bad) {
  for (const QLabel* l : w->findChildren<QLabel*>()) checkLabel(l, bad);
  for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) checkButton(b, bad);
  for (const QGroupBox* g : w->findChildren<QGroupBox*>()) checkGroupBox(g, bad);
}

QString tr(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

class Fit : public ::testing::TestWithParam<QString> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(installLanguage(GetParam(), QStringLiteral(PINZ_PROGRAM_DIR "/translations")));
  }
  void TearDown() override { installLanguage(QString(), QString()); }
  void report(const QStringList& bad) {
    EXPECT_TRUE(bad.isEmpty()) << "in " << GetParam().toStdString() << ":\n" << bad.join(QLatin1Char('\n')).toStdString();
  }
  ScriptedPrompter prompts_;
};

TEST_P(Fit, MainWindow) {
  QString error;
  auto art = ArtCache::load(QStringLiteral(PINZ_PROGRAM_DIR), &error);
  ASSERT_TRUE(art) << error.toStdString();
  Tmainpinz w(*art);
  w.st.aboutPending = 0;  // no about window over the measuring
  w.resize(1024, 768);
  w.show();
  QCoreApplication::processEvents();
  QStringList bad;
  checkWindow(&w, &bad);
  // Labels that size themselves to their text have the room up to their
  // neighbours: the tool chest's name ends before the options strip.
  checkLabel(w.Label3, &bad, 86 - w.Label3->x());
  checkLabel(w.Label2, &bad);
  for (const char* water : {"Water %", "Water %:"}) {
    w.spinlabel->setText(tr("pz::Tmainpinz", water));
    checkLabel(w.spinlabel, &bad, 340 - w.spinlabel->x());
  }
  checkTabs(w.TabSet1, w.TabSet1->parentWidget()->width(), &bad);
  report(bad);
}

TEST_P(Fit, ToolChestWithEveryHint) {
  PaintState st;
  st.programDir = QStringLiteral(PINZ_PROGRAM_DIR);
  Ttoolform w(st);
  QStringList bad;
  checkWindow(&w, &bad);
  int count = 0;
  const ToolInfo* tools = toolTable(&count);
  for (int i = 0; i < count; ++i) {
    if (!*tools[i].hint) continue;
    w.hintline->setText(tr("pz::Tools", tools[i].hint));
    checkLabel(w.hintline, &bad);
  }
  w.hintline->setText(tr("pz::Ttoolform", "Le's go with the chosen tool..."));
  checkLabel(w.hintline, &bad);
  report(bad);
}

TEST_P(Fit, FileAndColourWindows) {
  PaintState st;
  st.programDir = QStringLiteral(PINZ_PROGRAM_DIR);
  QStringList bad;
  {
    Tpalpinz w(st);
    checkWindow(&w, &bad);
    checkItems(w.palnames, &bad);
  }
  for (int mode : {1, 2}) {
    st.openMode = mode;
    Topenpic w(st);
    checkWindow(&w, &bad);
    checkItems(w.bmpnames, &bad);
  }
  {
    Tsaveuser w(st);
    checkWindow(&w, &bad);
  }
  {
    Tartform w(st.programDir);
    w.FormActivate();
    checkWindow(&w, &bad);
    checkItems(w.filelist, &bad);
    w.Label1->setText(tr("pz::Tartform", "%1 %").arg(200));
    checkLabel(w.Label1, &bad);
  }
  {
    Taboutfrm w;
    checkWindow(&w, &bad);
  }
  report(bad);
}

TEST_P(Fit, EffectsProgramPages) {
  fx::Tpamain w({QStringLiteral("T")});
  w.resize(800, 600);
  QStringList bad;
  checkWindow(&w, &bad);
  checkTabs(w.PageControl1->tabBar(), w.width(), &bad);
  // Texts the pages write while working, at their longest.
  fx::VideoPage* v = w.TabSheet1;
  v->aviframenumlabel->setText(tr("fx::VideoPage", "Frame %1 of %2").arg(99999).arg(99999));
  checkLabel(v->aviframenumlabel, &bad);
  v->avidimensionlabel->setText(tr("fx::VideoPage", "Width: %1  Height: %2").arg(9999).arg(9999));
  checkLabel(v->avidimensionlabel, &bad);
  v->avispeedlabel->setText(tr("fx::VideoPage", "%1 mS").arg(1000));
  checkLabel(v->avispeedlabel, &bad);
  fx::TextPage* t = w.TabSheet2;
  t->pixlabel->setText(tr("fx::TextPage", "%1 Pixels").arg(50));
  checkLabel(t->pixlabel, &bad);
  fx::MetafilePage* m = w.TabSheet3;
  m->wmfdimensionlabel->setText(fx::metafileSizeLabel(99999, 99999));
  checkLabel(m->wmfdimensionlabel, &bad);
  for (int a : {-180, 360}) {
    w.rotator->Label1->setText(tr("fx::Trotator", "%1 Degrees").arg(a));
    checkLabel(w.rotator->Label1, &bad);
  }
  checkWindow(w.rotator, &bad);
  report(bad);
}

// Words drawn into the programs' own pictures, in the fonts they are drawn
// in, against the room the picture leaves them.
TEST_P(Fit, WordsDrawnIntoPictures) {
  struct Drawn {
    const char* context;
    const char* text;
    const char* family;
    int pixels;
    int room;
  } const drawn[] = {
      {"pz::Files", "OK", "DejaVu Sans", 19, 62},  // the open and save windows' buttons
      {"pz::Files", "Cancel", "DejaVu Sans", 15, 62},
      {"pz::Tartform", "OK", "Arial", 17, 48},  // the clip art window's buttons
      {"pz::Tartform", "Cancel", "Arial", 13, 48},
      {"pz::Files", "Click a name to see it", "DejaVu Sans", 13, 215},
  };
  QStringList bad;
  for (const Drawn& d : drawn) {
    QFont f(QString::fromLatin1(d.family));
    f.setPixelSize(d.pixels);
    f.setBold(true);
    const QString text = tr(d.context, d.text);
    const int need = QFontMetrics(f).horizontalAdvance(text);
    if (need > d.room) bad << QStringLiteral("picture word \"%1\": needs %2 px, has %3").arg(text).arg(need).arg(d.room);
  }
  report(bad);
}

const QStringList& allLanguages() {
  static const QStringList all = QStringList{QString()} + shippedLanguages();
  return all;
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit, ::testing::ValuesIn(allLanguages().begin(), allLanguages().end()),
                         [](const auto& info) { return info.param.isEmpty() ? std::string("en") : info.param.toStdString(); });

}  // namespace
}  // namespace pz
