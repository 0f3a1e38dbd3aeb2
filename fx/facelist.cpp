#include "fx/facelist.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <algorithm>

namespace fx {

namespace {
constexpr int kRowHeight = 14;

class FaceDelegate : public QStyledItemDelegate {
 public:
  FaceDelegate(QComboBox* box) : QStyledItemDelegate(box), box_(box) {}
  void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& idx) const override {
    drawFaceRow(*p, opt.rect, idx.data().toString(), box_->font().pixelSize() > 0 ? box_->font().pixelSize() : 11,
                opt.state & QStyle::State_Selected, opt.palette);
  }
  QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& idx) const override {
    return {QStyledItemDelegate::sizeHint(opt, idx).width(), kRowHeight};
  }

 private:
  QComboBox* box_;
};
}  // namespace

void drawFaceRow(QPainter& p, const QRect& row, const QString& face, int pixelSize, bool selected,
                 const QPalette& pal) {
  p.save();
  p.fillRect(row, selected ? pal.highlight() : pal.base());
  QFont f(face);
  f.setPixelSize(pixelSize);
  p.setFont(f);
  p.setPen(selected ? pal.highlightedText().color() : pal.text().color());
  p.setClipRect(row);
  p.drawText(row.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, face);
  p.restore();
}

FaceList::FaceList(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new FaceDelegate(this));
  setMaxVisibleItems(16);
  view()->setTextElideMode(Qt::ElideNone);
}

QString familyWithoutFoundry(const QString& family) {
  static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
  return QString(family).remove(foundry);
}

QStringList faceNames(const QStringList& families, const std::function<QString(const QString&)>& drawnIn) {
  QStringList names;
  QSet<QString> seen;
  for (const QString& family : families) {
    const QString name = familyWithoutFoundry(family);
    if (name.isEmpty() || seen.contains(name.toCaseFolded())) continue;
    if (drawnIn && QString::compare(drawnIn(name), name, Qt::CaseInsensitive) != 0) continue;
    seen.insert(name.toCaseFolded());
    names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  return names;
}

QString matchedFamily(const QString& face) { return familyWithoutFoundry(QFontInfo(QFont(face)).family()); }

void FaceList::fillWithInstalledFaces() {
  clear();
  addItems(faceNames(QFontDatabase::families(), matchedFamily));
  if (count() > 0) setCurrentIndex(0);
}

void FaceList::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  opt.currentText.clear();
  p.drawComplexControl(QStyle::CC_ComboBox, opt);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
  drawFaceRow(p, field, currentText(), font().pixelSize() > 0 ? font().pixelSize() : 11, false, palette());
}

}  // namespace fx
