#pragma once

#include <QCoreApplication>

namespace korvane {

// The translation context of this layer's texts (errors in the system's words, nouns).
struct CoreText {
    Q_DECLARE_TR_FUNCTIONS(CoreText)
};

} // namespace korvane
