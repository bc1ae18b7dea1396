#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvane::Translations {

namespace {

const char* const kOwnName = "korvane-translation";

// Read by Qt's windows for their layout direction; each translation says "LTR" or "RTL", so a
// right-to-left language mirrors even where Qt's own translations are not installed.
[[maybe_unused]] const char* const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

QStringList shipped() {
    return QString::fromLatin1(KORVANE_LANGUAGES).split(u' ');
}

bool install(QCoreApplication& app, const QLocale& locale) {
    for (QTranslator* earlier : app.findChildren<QTranslator*>(QLatin1String(kOwnName))) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    // The last installed is asked first.
    auto add = [&](const QLocale& language, const QString& name, const QString& folder) {
        auto* translator = new QTranslator(&app);
        translator->setObjectName(QLatin1String(kOwnName));
        // Tries each of the user's languages in turn ("pt_BR", then "pt"), as Qt does.
        if (translator->load(language, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
        return false;
    };
    // English's plural forms ("1 file", "2 files") under every language: the texts' own.
    add(QLocale(QLocale::English), QStringLiteral("korvane"), QStringLiteral(":/i18n"));
    add(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return locale.language() == QLocale::English ||
           add(locale, QStringLiteral("korvane"), QStringLiteral(":/i18n"));
}

} // namespace korvane::Translations
