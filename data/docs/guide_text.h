// The words of the user guide and the pictures each section shows.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "paint/canvas/pictures.h"

namespace pz::guide {

struct Tool {
  int id;
  QString name;
  QString text;
};
const std::vector<Tool>& tools();

struct StripItem {
  StripPicture picture;
  QString file;
};
const std::vector<StripItem>& stripItems();

// The whole page in the installed language `lang` ("" for English);
// `drawings` are the file names of bmps/.
QString page(const QStringList& drawings, const QString& lang = QString());

}  // namespace pz::guide
