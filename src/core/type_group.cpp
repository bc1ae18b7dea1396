#include "type_group.h"

#include "platform/platform.h"

namespace korvane {

const QList<TypeGroup>& TypeGroup::allCases() {
    static const QList<TypeGroup> all{Text, Images, Audio, Video, Archives, Code};
    return all;
}

std::optional<TypeGroup> TypeGroup::fromRawValue(const QString& raw) {
    for (TypeGroup group : allCases()) {
        if (group.rawValue() == raw) {
            return group;
        }
    }
    return std::nullopt;
}

QString TypeGroup::rawValue() const {
    switch (m_value) {
    case Text:
        return QStringLiteral("text");
    case Images:
        return QStringLiteral("images");
    case Audio:
        return QStringLiteral("audio");
    case Video:
        return QStringLiteral("video");
    case Archives:
        return QStringLiteral("archives");
    case Code:
        return QStringLiteral("code");
    }
    return {};
}

QString TypeGroup::label() const {
    switch (m_value) {
    case Text:
        return QStringLiteral("Text");
    case Images:
        return QStringLiteral("Images");
    case Audio:
        return QStringLiteral("Audio");
    case Video:
        return QStringLiteral("Video");
    case Archives:
        return QStringLiteral("Archives");
    case Code:
        return QStringLiteral("Code");
    }
    return {};
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
        return {WellKnownType::Movie, WellKnownType::Video};
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
