#pragma once

#include <QStringList>

class QCoreApplication;

// The program's message catalogue and Qt's own, chosen for the languages the
// user reads.
namespace ProgramTranslations {

// The languages whose catalogues are tried, best first, from the locale that
// names the messages' language (LC_ALL, else LC_MESSAGES, else LANG) and
// the interface languages (LANGUAGE first). As with gettext, the C and POSIX
// locales keep the source texts whatever LANGUAGE says; English, the texts'
// own language, ends the list, since a later language must not replace it.
QStringList catalogueLanguages(const QString &messagesLocale, const QStringList &uiLanguages);

// Loads the first of those languages that has a catalogue of the program's,
// with Qt's catalogue of that language, into the application.
void install(QCoreApplication *application);

} // namespace ProgramTranslations
