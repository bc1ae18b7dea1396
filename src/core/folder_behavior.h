#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace korvane {

// What a dropped folder does. Stored by the names earlier versions gave it (folder_behavior.cpp).
class FolderBehavior {
public:
    enum Value { OpenInFileManager, RevealInFileManager, Ignore };

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
