#pragma once

#include <QCoreApplication>

namespace korvane {

// The translation context of this layer's texts (errors in the system's words, nouns).
struct BaseText {
    Q_DECLARE_TR_FUNCTIONS(BaseText)
};

} // namespace korvane
