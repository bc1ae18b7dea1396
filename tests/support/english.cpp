// Every test speaks English, the texts' own language, with its plural forms ("1 file").
#include "i18n/translations.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

void speakEnglish() {
    korvane::Translations::install(*QCoreApplication::instance(), QLocale(QLocale::English));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
