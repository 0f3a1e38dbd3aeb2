// Finds string literals in C++ source that read like words for the user but
// are not marked for translation. Literals inside tr(), translate() and the
// QT_TRANSLATE_NOOP family are marked; literals that name things (object
// names, style sheets, fonts, files, key sequences) are not texts at all.
#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <vector>

namespace pz::testing {

struct Literal {
  int line;
  QString text;
};

// Comments blanked out (line breaks kept), literals kept as they are.
inline QString withoutComments(const QString& s) {
  QString out;
  out.reserve(s.size());
  const qsizetype n = s.size();
  for (qsizetype i = 0; i < n;) {
    if (s.mid(i, 2) == QLatin1String("//")) {
      while (i < n && s[i] != QLatin1Char('\n')) out += QLatin1Char(' '), ++i;
    } else if (s.mid(i, 2) == QLatin1String("/*")) {
      const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
      const qsizetype stop = end < 0 ? n : end + 2;
      for (; i < stop; ++i) out += s[i] == QLatin1Char('\n') ? QLatin1Char('\n') : QLatin1Char(' ');
    } else if (s[i] == QLatin1Char('"') || s[i] == QLatin1Char('\'')) {
      const QChar q = s[i];
      const bool blank = q == QLatin1Char('\'');  // a character literal is never a text
      out += blank ? QLatin1Char(' ') : q;
      ++i;
      while (i < n && s[i] != q) {
        const int step = s[i] == QLatin1Char('\\') && i + 1 < n ? 2 : 1;
        for (int k = 0; k < step; ++k) out += blank ? QLatin1Char(' ') : s[i + k];
        i += step;
      }
      if (i < n) out += blank ? QLatin1Char(' ') : q, ++i;
    } else {
      out += s[i++];
    }
  }
  return out;
}

// The name of the call the literal at `pos` is an argument of, looking
// through QStringLiteral()/QString()/QLatin1String() wrappers; "" when the
// literal stands outside any call (an initializer, a constant).
inline QString enclosingCall(const QString& s, qsizetype pos) {
  static const QSet<QString> wrappers = {QStringLiteral("QStringLiteral"), QStringLiteral("QString"),
                                         QStringLiteral("QLatin1String"), QStringLiteral("QByteArray"),
                                         QStringLiteral("fromUtf8"), QStringLiteral("fromLatin1")};
  static const QRegularExpression ident(QStringLiteral("([A-Za-z_][A-Za-z_0-9]*)\\s*$"));
  int depth = 0;
  for (qsizetype i = pos - 1; i >= 0; --i) {
    const QChar c = s[i];
    if (c == QLatin1Char('"')) {  // skip back over an earlier literal
      for (--i; i > 0 && !(s[i] == QLatin1Char('"') && s[i - 1] != QLatin1Char('\\')); --i) {}
      continue;
    }
    if (c == QLatin1Char(')')) ++depth;
    else if (c == QLatin1Char('(')) {
      if (depth > 0) {
        --depth;
        continue;
      }
      const auto m = ident.match(s.left(i));
      const QString name = m.hasMatch() ? m.captured(1) : QString();
      if (wrappers.contains(name)) continue;
      return name;
    } else if (depth == 0 && (c == QLatin1Char(';') || c == QLatin1Char('{') || c == QLatin1Char('}'))) {
      return {};
    }
  }
  return {};
}

// Words: a space between letters, or one capitalised or upper-case word.
inline bool readsLikeWords(const QString& t) {
  static const QRegularExpression twoLetters(QStringLiteral("[A-Za-z]{2}"));
  static const QRegularExpression inner(QStringLiteral("\\S\\s+\\S"));
  static const QRegularExpression word(QStringLiteral("^(?:[A-Z][a-z]+|[A-Z]{2,})[ .:%]*$"));
  if (!twoLetters.match(t).hasMatch()) return false;
  return inner.match(t).hasMatch() || t != t.trimmed() || word.match(t).hasMatch();
}

inline std::vector<Literal> unmarkedUserTexts(const QString& source) {
  static const QSet<QString> marks = {QStringLiteral("tr"), QStringLiteral("translate"), QStringLiteral("QT_TR_NOOP"),
                                      QStringLiteral("QT_TRANSLATE_NOOP"), QStringLiteral("QT_TRANSLATE_NOOP3")};
  // Calls whose string arguments name things rather than say them.
  static const QSet<QString> names = {
      QStringLiteral("setObjectName"), QStringLiteral("setStyleSheet"),     QStringLiteral("QFont"),
      QStringLiteral("setFamily"),     QStringLiteral("setApplicationName"), QStringLiteral("QKeySequence"),
      QStringLiteral("qEnvironmentVariable"), QStringLiteral("qgetenv"),     QStringLiteral("startsWith"),
      QStringLiteral("endsWith"),      QStringLiteral("memcmp"),            QStringLiteral("static_assert"),
      QStringLiteral("fprintf"),       QStringLiteral("findChild"),
      QStringLiteral("replace")};  // edits of markup, not texts
  // Proper names and fixed markers that stay as they are in every language.
  static const QSet<QString> allowed = {
      QStringLiteral("PINZOLA"),         QStringLiteral("PINZOLA 1.0"),   QStringLiteral("PinzFX"),
      QStringLiteral("MS Sans Serif"),   QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
      QStringLiteral("DejaVu Sans"),     QStringLiteral("Liberation Sans"), QStringLiteral("System"),
      QStringLiteral("Ab"),              QStringLiteral("BM"),            QStringLiteral("BMP"),
      QStringLiteral("POSIX"),           QStringLiteral("XXXXXX"),
      QStringLiteral("pinzola's favorite colors")};  // a palette's file name
  std::vector<Literal> out;
  const QString s = withoutComments(source);
  static const QRegularExpression include(QStringLiteral("#\\s*include\\s*$"));
  const qsizetype n = s.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (s[i] != QLatin1Char('"')) continue;
    qsizetype j = i + 1;
    while (j < n && s[j] != QLatin1Char('"')) j += s[j] == QLatin1Char('\\') ? 2 : 1;
    const QString text = s.mid(i + 1, j - i - 1);
    const qsizetype lineStart = s.lastIndexOf(QLatin1Char('\n'), i) + 1;
    const bool isInclude = include.match(s.mid(lineStart, i - lineStart)).hasMatch();
    if (!isInclude && readsLikeWords(text) && !allowed.contains(text)) {
      const QString call = enclosingCall(s, i);
      if (!marks.contains(call) && !names.contains(call)) out.push_back({int(s.left(i).count(QLatin1Char('\n'))) + 1, text});
    }
    i = j;
  }
  return out;
}

}  // namespace pz::testing
