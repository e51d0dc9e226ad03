#pragma once
// The player's language. At start the game installs its own translation and Qt's (the standard
// buttons) for the first language of the desktop's list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as QLocale::uiLanguages orders them) that the game speaks, each language also tried without
// its country (pt_BR, then pt). English, or a list with nothing the game speaks, is the source
// text as written. A translation file that is missing or cannot be read leaves that part in
// English, without a word on the terminal.

#include <QString>
#include <QStringList>

namespace veltrane::platform {

// The languages the game ships, by the suffix of their files: veltrane_<language>.qm in the
// program folder's translations/, the help texts in the program folder's <language>/.
const QStringList& ShippedLanguages();

// The first of the player's languages the game speaks, or empty for English. uiLanguages is
// what QLocale gives ("de-DE", "pt-BR", "en-US", "C" …).
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the translators for the desktop's languages; returns the language chosen, empty for
// English, whether or not its translation file could be read. Called once, after the application
// exists and before the first window is built.
QString InstallTranslations();
// The same for the given languages, in QLocale::uiLanguages' spelling, with the game's
// translation files read from folder. Installing again replaces what was installed before.
QString InstallTranslations(const QStringList& uiLanguages, const QString& folder);

// The language InstallTranslations chose, empty for English.
QString GameLanguage();

// The translation of source in context with %1, %2 … filled from args in one pass, so an
// argument that itself holds "%1" stays as it is. A translation that lost one of the source's
// placeholders is not used: the message comes in English, whole, rather than without its
// argument.
QString TranslateFilled(const char* context, const char* source, const QStringList& args);

} // namespace veltrane::platform
