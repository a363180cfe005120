#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {
// The locale that decides messages; C when none is set. Qt reads LANGUAGE
// even then, gettext does not: a program started with LC_ALL=C speaks English.
bool messagesLocaleIsC()
{
    QString name = qEnvironmentVariable("LC_ALL");
    if (name.isEmpty())
        name = qEnvironmentVariable("LC_MESSAGES");
    if (name.isEmpty())
        name = qEnvironmentVariable("LANG");
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")
           || name.startsWith(QLatin1String("C."));
}
} // namespace

void installTranslations(QCoreApplication &application)
{
    if (messagesLocaleIsC())
        return;
    // In the user's order; English, the language the texts are written in,
    // ends the search. Only named files are looked up, no folder is listed.
    for (const QString &name : QLocale().uiLanguages()) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English)
            return;
        // A name Qt does not know ("xx") is passed over, as gettext passes
        // over a language it has no catalogue for.
        if (wanted.language() == QLocale::C)
            continue;
        auto *own = new QTranslator(&application);
        if (!own->load(wanted, QStringLiteral("tessaflow"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        // Qt's own texts in the same language, where Qt has them.
        auto *qt = new QTranslator(&application);
        if (qt->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        QCoreApplication::installTranslator(own);
        return;
    }
}

} // namespace app
