#include "platform/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ProgramTranslations {

namespace {

QString messagesLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

bool sourceTextsOnly(const QString &locale)
{
    return locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
           locale.startsWith(QLatin1String("C."));
}

// Loads the catalogue named prefix + language (or its language alone) from
// folder into the application; the translator lives as long as it.
bool load(QCoreApplication *application, const QString &prefix, const QString &language,
          const QString &folder)
{
    auto *translator = new QTranslator(application);
    if (translator->load(prefix + language, folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList catalogueLanguages(const QString &messagesLocale, const QStringList &uiLanguages)
{
    QStringList languages;
    if (sourceTextsOnly(messagesLocale))
        return languages;
    for (QString each : uiLanguages) {
        each.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (QLocale(each).language() == QLocale::English)
            break;
        languages.append(each);
    }
    return languages;
}

void install(QCoreApplication *application)
{
    const QStringList languages =
        catalogueLanguages(messagesLocale(), QLocale::system().uiLanguages());
    for (const QString &language : languages) {
        if (load(application, QStringLiteral("ombrix_"), language, QStringLiteral(":/i18n"))) {
            load(application, QStringLiteral("qtbase_"), language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

} // namespace ProgramTranslations
