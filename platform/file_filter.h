// Name filters of the open dialogs. The user reads the patterns as written
// ("AVI Movies (*.avi)"), while files match them whatever the case of their
// letters: pictures and videos from other systems often carry names such as
// "HOLIDAY.AVI" on a case-sensitive file system.
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;

namespace pz {

// "Label (*.a *.b)": one dialog filter built from its label and patterns.
QString nameFilter(const QString& label, const QStringList& patterns);
// Several filters for one dialog, one choice each (";;" between them).
QString nameFilters(const QStringList& filters);

// True when `fileName` (without folder) matches a pattern of one of the
// filters in `filters`, without regard to case.
bool nameFilterMatches(const QString& filters, const QString& fileName);

// Gives an open dialog the filters so that it lists matching files in any
// case. Qt's own dialog is used: a desktop's native dialog may match its
// patterns case-sensitively.
void prepareOpenDialog(QFileDialog& dialog, const QString& filters);

}  // namespace pz
