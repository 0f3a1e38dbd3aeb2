// Reading the translation sources (.ts) the way the catalogue tests need them.
#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

namespace pz::testing {

struct TsMessage {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete" or empty
};

inline std::vector<TsMessage> readTs(const QString& path, QString* error = nullptr) {
  std::vector<TsMessage> out;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("cannot read ") + path;
    return out;
  }
  QXmlStreamReader xml(&f);
  QString context;
  TsMessage m;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto n = xml.name();
      if (n == QLatin1String("context")) context.clear();
      else if (n == QLatin1String("name")) context = xml.readElementText();
      else if (n == QLatin1String("message")) m = TsMessage{context, {}, {}, {}};
      else if (n == QLatin1String("source")) m.source = xml.readElementText();
      else if (n == QLatin1String("translation")) {
        m.type = xml.attributes().value(QLatin1String("type")).toString();
        m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      out.push_back(m);
    }
  }
  if (xml.hasError() && error) *error = path + QStringLiteral(": ") + xml.errorString();
  return out;
}

}  // namespace pz::testing
