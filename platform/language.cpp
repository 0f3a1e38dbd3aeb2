#include "platform/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pz {

namespace {

QString g_current;
QTranslator* g_ours = nullptr;
QTranslator* g_qt = nullptr;

// "de_AT.UTF-8@euro" -> "de_AT"
QString stripLocale(QString s) {
  const qsizetype at = s.indexOf(QLatin1Char('@'));
  if (at >= 0) s.truncate(at);
  const qsizetype dot = s.indexOf(QLatin1Char('.'));
  if (dot >= 0) s.truncate(dot);
  return s.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

// The shipped language for one locale name, "en" for English, "" for none.
QString match(const QString& name) {
  const QString s = stripLocale(name);
  if (s.isEmpty()) return {};
  const QString lang = s.section(QLatin1Char('_'), 0, 0).toLower();
  const QString region = s.section(QLatin1Char('_'), 1, 1).toUpper();
  if (lang == QLatin1String("en")) return QStringLiteral("en");
  // Brazilian Portuguese is the Portuguese we have; it serves every region.
  if (lang == QLatin1String("pt")) return QStringLiteral("pt_BR");
  for (const QString& code : shippedLanguages())
    if (code == lang || code == lang + QLatin1Char('_') + region) return code;
  return {};
}

}  // namespace

const QStringList& shippedLanguages() {
  static const QStringList all = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                  QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pt_BR")};
  return all;
}

QString chooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages, const QString& lang) {
  QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
  locale = stripLocale(locale);
  if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {};
  QStringList wanted = language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  wanted << locale;
  for (const QString& w : wanted) {
    const QString code = match(w);
    if (code == QLatin1String("en")) return {};
    if (!code.isEmpty()) return code;
  }
  return {};
}

QString languageFromEnvironment() {
  return chooseLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                        qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QString translationsFolder(const QString& programDir) { return programDir + QStringLiteral("/translations"); }

bool installLanguage(const QString& code, const QString& folder) {
  for (QTranslator** t : {&g_ours, &g_qt}) {
    if (*t) {
      QCoreApplication::removeTranslator(*t);
      delete *t;
      *t = nullptr;
    }
  }
  g_current.clear();
  QLocale::setDefault(code.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(code));
  if (code.isEmpty()) return true;
  auto ours = new QTranslator(QCoreApplication::instance());
  if (!ours->load(QStringLiteral("pinzola_") + code, folder)) {
    delete ours;
    return false;
  }
  QCoreApplication::installTranslator(ours);
  g_ours = ours;
  auto qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
    g_qt = qt;
  } else {
    delete qt;
  }
  g_current = code;
  return true;
}

QString currentLanguage() { return g_current; }

QString guidePath(const QString& programDir, const QString& lang) {
  const QString docs = programDir + QStringLiteral("/docs/");
  if (!lang.isEmpty()) {
    const QString own = docs + lang + QStringLiteral("/wmain.htm");
    if (QFileInfo(own).isFile()) return own;
  }
  return docs + QStringLiteral("wmain.htm");
}

QString contentName(const QString& base) {
  return QCoreApplication::translate("Content", base.toUtf8().constData());
}

}  // namespace pz
