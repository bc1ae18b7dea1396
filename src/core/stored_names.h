#pragma once

#include <QLatin1String>
#include <QString>
#include <cstddef>
#include <optional>

namespace korvane {

// The text a stored file keeps for a value, as earlier versions wrote it. A table of these is
// the one place that knows a file's spelling.
template <typename Value> struct StoredName {
    Value value;
    const char* stored;
};

template <typename Value, std::size_t N>
QString storedName(const StoredName<Value> (&table)[N], Value value) {
    for (const StoredName<Value>& known : table) {
        if (known.value == value) {
            return QLatin1String(known.stored);
        }
    }
    Q_UNREACHABLE();
    return {};
}

// Only the exact stored text.
template <typename Value, std::size_t N>
std::optional<Value> fromStoredName(const StoredName<Value> (&table)[N], const QString& text) {
    for (const StoredName<Value>& known : table) {
        if (text == QLatin1String(known.stored)) {
            return known.value;
        }
    }
    return std::nullopt;
}

} // namespace korvane
