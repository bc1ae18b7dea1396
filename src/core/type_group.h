#pragma once

#include "platform/content_type.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

namespace korvane {

class Platform;

// A broad family of content types that a rule may match besides its extensions. Its label is
// the enumerator's name, and it is stored by that name with a lower-case first letter.
class TypeGroup {
    Q_GADGET

public:
    enum Value { Text, Images, Audio, Video, Archives, Code };
    Q_ENUM(Value)

    constexpr TypeGroup(Value value)
        : m_value(value) {}

    // In declared order, as menus list them.
    static const QList<TypeGroup>& allCases();
    // Only the exact raw values are accepted.
    static std::optional<TypeGroup> fromRawValue(const QString& raw);

    Value value() const { return m_value; }
    QString rawValue() const;
    QString label() const;
    QList<WellKnownType> wellKnownTypes() const;
    QList<ContentType> contentTypes(const Platform& platform) const;

    friend bool operator==(TypeGroup, TypeGroup) = default;

private:
    Value m_value;
};

} // namespace korvane
