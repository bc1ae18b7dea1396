#pragma once

#include <QStringList>

class QCoreApplication;
class QLocale;

namespace korvane::Translations {

// The languages Korvane ships, as locale names ("de", "pt_BR").
QStringList shipped();

// Korvane's own texts and Qt's (its dialogs, the command-line parser) in the locale's language
// where one is shipped, English otherwise; replaces what an earlier call installed. A window's
// layout turns right to left with a right-to-left language. Answers whether Korvane's own
// translation was found.
bool install(QCoreApplication& app, const QLocale& locale);

} // namespace korvane::Translations
