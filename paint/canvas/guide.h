// Pinzola's own window for the user guide, for desktops where nothing else
// can open it: the same page with its pictures, its links inside the page
// working.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace pz {

class Tguide : public QDialog {
  Q_OBJECT
 public:
  // `page` is the guide's file; its pictures are found beside it.
  explicit Tguide(const QString& page, QWidget* parent = nullptr);
  QTextBrowser* browser = nullptr;
};

}  // namespace pz
