#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs the translation `name` for the locale from `folder`, trying the locale's own variants
// first ("de_AT" before "de"); false when there is none.
bool install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void installTranslations(QCoreApplication& app)
{
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return;
        if (install(app, locale, QStringLiteral("atomdrift"), QStringLiteral(":/i18n"))) {
            install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
