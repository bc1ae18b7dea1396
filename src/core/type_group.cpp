#include "type_group.h"

#include "platform/platform.h"

#include <QHash>
#include <QMetaEnum>

namespace korvane {

const QList<TypeGroup>& TypeGroup::allCases() {
    static const QList<TypeGroup> all = [] {
        QList<TypeGroup> groups;
        const QMetaEnum values = QMetaEnum::fromType<Value>();
        for (int i = 0; i < values.keyCount(); ++i) {
            groups.append(Value(values.value(i)));
        }
        return groups;
    }();
    return all;
}

std::optional<TypeGroup> TypeGroup::fromRawValue(const QString& raw) {
    static const QHash<QString, TypeGroup> byRaw = [] {
        QHash<QString, TypeGroup> groups;
        for (TypeGroup group : allCases()) {
            groups.insert(group.rawValue(), group);
        }
        return groups;
    }();
    const auto found = byRaw.constFind(raw);
    return found == byRaw.cend() ? std::nullopt : std::optional<TypeGroup>(*found);
}

QString TypeGroup::rawValue() const {
    QString raw = label();
    raw[0] = raw[0].toLower();
    return raw;
}

QString TypeGroup::label() const {
    return QString::fromLatin1(QMetaEnum::fromType<Value>().valueToKey(m_value));
}

QList<WellKnownType> TypeGroup::wellKnownTypes() const {
    switch (m_value) {
    case Text:
        return {WellKnownType::Text};
    case Images:
        return {WellKnownType::Image};
    case Audio:
        return {WellKnownType::Audio};
    case Video:
        return {WellKnownType::Video};
    case Archives:
        return {WellKnownType::Archive};
    case Code:
        return {WellKnownType::SourceCode};
    }
    return {};
}

QList<ContentType> TypeGroup::contentTypes(const Platform& platform) const {
    QList<ContentType> types;
    for (WellKnownType type : wellKnownTypes()) {
        types.append(platform.wellKnownType(type));
    }
    return types;
}

} // namespace korvane
