#pragma once

#include <QCoreApplication>

namespace korvane {

// The command line's own texts, one translation context for all of them.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

} // namespace korvane
