#include "platform/file_filter.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace pz {

QString nameFilter(const QString& label, const QStringList& patterns) {
  return label + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString nameFilters(const QStringList& filters) { return filters.join(QStringLiteral(";;")); }

namespace {
// The patterns inside the parentheses of one filter, or the whole text when it
// has none (Qt accepts a bare "*.avi" too).
QStringList patternsOf(const QString& filter) {
  static const QRegularExpression inParens(QStringLiteral("\\(([^()]*)\\)\\s*$"));
  const QRegularExpressionMatch m = inParens.match(filter);
  const QString list = m.hasMatch() ? m.captured(1) : filter;
  return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
}  // namespace

bool nameFilterMatches(const QString& filters, const QString& fileName) {
  for (const QString& filter : filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
    for (const QString& pattern : patternsOf(filter)) {
      const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                  QRegularExpression::CaseInsensitiveOption);
      if (re.match(fileName).hasMatch()) return true;
    }
  }
  return false;
}

void prepareOpenDialog(QFileDialog& dialog, const QString& filters) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(filters);
  // Qt's dialog matches without regard to case unless told otherwise; say so
  // here so that no default elsewhere can turn it case-sensitive.
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
}

}  // namespace pz
