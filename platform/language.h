// The language the programs speak: chosen from the user's locale the way
// desktop programs do it, with our catalogue and Qt's own for its dialogs.
// English is the source language and needs no catalogue.
#pragma once

#include <QString>
#include <QStringList>

namespace pz {

// The languages a catalogue is shipped for, besides English.
const QStringList& shippedLanguages();

// The shipped language for these environment values ("" for English):
// LANGUAGE is a colon-separated list of preferences and counts only when the
// locale (LC_ALL, else LC_MESSAGES, else LANG) is not "C"/"POSIX", as in
// gettext. Encodings and modifiers are ignored ("de_AT.UTF-8@euro" is de);
// an English entry ends the search with English.
QString chooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages, const QString& lang);

// chooseLanguage() over the process environment.
QString languageFromEnvironment();

// The folder our catalogues live in: programDir + "/translations".
QString translationsFolder(const QString& programDir);

// Installs the catalogues for `code` (ours from `folder`, Qt's from the
// system's translations folder) and makes it the default locale. "" goes back
// to English. Returns false when our catalogue cannot be loaded; the English
// texts show then.
bool installLanguage(const QString& code, const QString& folder);

// What installLanguage() last set ("" for English).
QString currentLanguage();

// The user guide for `lang`: programDir/docs/LANG/wmain.htm where that
// language has one, else the English programDir/docs/wmain.htm.
QString guidePath(const QString& programDir, const QString& lang);

// The name shown for a shipped drawing, clip art picture, palette or texture
// (its file name without the extension); the name itself where no
// translation exists.
QString contentName(const QString& base);

}  // namespace pz
