#include "folder_behavior.h"

#include "platform/platform.h"

#include <QMetaEnum>

namespace korvane {

const QList<FolderBehavior>& FolderBehavior::allCases() {
    static const QList<FolderBehavior> all{Open, Reveal, Ignore};
    return all;
}

std::optional<FolderBehavior> FolderBehavior::fromRawValue(const QString& raw) {
    for (FolderBehavior behavior : allCases()) {
        if (behavior.rawValue() == raw) {
            return behavior;
        }
    }
    return std::nullopt;
}

QString FolderBehavior::rawValue() const {
    QString raw = QString::fromLatin1(QMetaEnum::fromType<Value>().valueToKey(m_value));
    raw[0] = raw[0].toLower();
    return m_value == Ignore ? raw : raw + QStringLiteral("InFinder");
}

} // namespace korvane
