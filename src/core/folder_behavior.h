#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

namespace korvane {

class Platform;

// What a dropped folder does. Stored by the enumerator's name with a lower-case first letter,
// plus "InFinder" for the two that name the file manager, as earlier versions stored them.
class FolderBehavior {
    Q_GADGET

public:
    enum Value { Open, Reveal, Ignore };
    Q_ENUM(Value)

    constexpr FolderBehavior(Value value)
        : m_value(value) {}

    static const QList<FolderBehavior>& allCases();
    static std::optional<FolderBehavior> fromRawValue(const QString& raw);

    Value value() const { return m_value; }
    QString rawValue() const;

    friend bool operator==(FolderBehavior, FolderBehavior) = default;

private:
    Value m_value;
};

} // namespace korvane
