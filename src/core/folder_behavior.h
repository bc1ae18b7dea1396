#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace korvane {

class Platform;

// What a dropped folder does; stored by its raw value.
class FolderBehavior {
public:
    enum Value { Open, Reveal, Ignore };

    constexpr FolderBehavior(Value value)
        : m_value(value) {}

    static const QList<FolderBehavior>& allCases();
    static std::optional<FolderBehavior> fromRawValue(const QString& raw);

    Value value() const { return m_value; }
    QString rawValue() const;
    // The label with the platform's file-manager name ("Open in Finder").
    QString label(const Platform& platform) const;

    friend bool operator==(FolderBehavior, FolderBehavior) = default;

private:
    Value m_value;
};

} // namespace korvane
