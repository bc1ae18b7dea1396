#include "memory_platform.h"

#include "core/router.h"

#include <QFileInfo>

namespace korvane {

namespace {

// Extension -> MIME type; a type's parent is in the second table, then octet-stream.
const QHash<QString, QString> kTypes{
    {"txt", "text/plain"},      {"md", "text/markdown"},      {"markdown", "text/markdown"},
    {"c", "text/x-csrc"},       {"json", "application/json"}, {"png", "image/png"},
    {"jpg", "image/jpeg"},      {"mp3", "audio/mpeg"},        {"mp4", "video/mp4"},
    {"zip", "application/zip"}, {"gz", "application/gzip"},   {"pdf", "application/pdf"},
};
const QHash<QString, QString> kParents{
    {"text/markdown", "text/plain"},    {"text/x-csrc", "text/plain"},
    {"application/json", "text/plain"}, {"application/zip", "x-archive"},
    {"application/gzip", "x-archive"},
};
// By WellKnownType, in its order.
const char* const kWellKnown[] = {"text/plain",       "image/*",
                                  "audio/*",          "video/*",
                                  "video/*",          "x-archive",
                                  "text/x-csrc",      "application/octet-stream",
                                  "application/json", "application/x-desktop"};
const QString kData = QStringLiteral("application/octet-stream");

} // namespace

std::optional<QString> MemoryPlatform::applicationForIdentifier(const QString& identifier) const {
    const QMutexLocker lock(&m_mutex);
    for (const App& app : m_apps) {
        if (!identifier.isEmpty() && app.id == identifier) {
            return app.path;
        }
    }
    return std::nullopt;
}

std::optional<QString> MemoryPlatform::defaultApplicationForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    const QString path = m_defaults.value(type.identifier);
    return app(path) ? std::optional<QString>(path) : std::nullopt;
}

std::optional<QString> MemoryPlatform::defaultApplicationForFile(const QString& file) const {
    const auto type = typeForExtension(Router::extensionKey(file));
    return type ? defaultApplicationForType(*type) : std::nullopt;
}

QStringList MemoryPlatform::applicationsForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    QStringList result;
    for (const App& app : m_apps) {
        if (std::any_of(app.types.begin(), app.types.end(),
                        [&](const QString& t) { return conforms(type, ContentType{t}); })) {
            result.append(app.path);
        }
    }
    return result;
}

QStringList MemoryPlatform::applicationsForFile(const QString& file) const {
    const auto type = typeForExtension(Router::extensionKey(file));
    return type ? applicationsForType(*type) : QStringList();
}

void MemoryPlatform::setDefaultApplication(const QString& app, const ContentType& type,
                                           DefaultCompletion done) {
    const QMutexLocker lock(&m_mutex);
    const auto previous = m_defaults.constFind(type.identifier);
    const QJsonObject change{{QStringLiteral("previous"), previous == m_defaults.cend()
                                                              ? QJsonValue()
                                                              : QJsonValue(*previous)}};
    if (m_defaultOutcome == DefaultOutcome::Applied) {
        m_defaults.insert(type.identifier, app);
    }
    done(m_defaultOutcome == DefaultOutcome::Error ? std::optional(m_defaultError) : std::nullopt,
         change);
}

void MemoryPlatform::undoDefaultChange(const ContentType& type, const QJsonObject& change,
                                       ErrorCompletion done) {
    const QMutexLocker lock(&m_mutex);
    if (m_defaultOutcome == DefaultOutcome::Error) {
        return done(m_defaultError);
    }
    const QJsonValue previous = change.value(QStringLiteral("previous"));
    previous.isString() ? void(m_defaults.insert(type.identifier, previous.toString()))
                        : void(m_defaults.remove(type.identifier));
    done(std::nullopt);
}

void MemoryPlatform::openFiles(const QStringList& files, const QString& app, ErrorCompletion done) {
    const QMutexLocker lock(&m_mutex);
    m_orders.append({Order::Open, app, files});
    const auto outcome = m_openOutcomes.value(app, {Outcome::Success, QString()});
    if (outcome.first == Outcome::Hold) {
        return m_held.append(std::move(done));
    }
    done(outcome.first == Outcome::Error ? std::optional<QString>(outcome.second) : std::nullopt);
}

QString MemoryPlatform::displayName(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    const App* found = app(path);
    return found ? found->name : QFileInfo(path).fileName();
}

std::optional<ContentType> MemoryPlatform::typeForExtension(const QString& extension) const {
    ++m_typeQuestions;
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const QString type = kTypes.value(extension);
    return type.isEmpty() ? ContentType{kData, true} : ContentType{type};
}

bool MemoryPlatform::conforms(const ContentType& type, const ContentType& to) const {
    if (to.identifier == kData || type == to) {
        return true;
    }
    if (type.dynamic) {
        return false;
    }
    if (to.identifier.endsWith(QLatin1String("/*"))) {
        return type.identifier.startsWith(to.identifier.chopped(1));
    }
    const QString parent = kParents.value(type.identifier);
    return !parent.isEmpty() && conforms(ContentType{parent}, to);
}

ContentType MemoryPlatform::wellKnownType(WellKnownType type) const {
    return {QString::fromLatin1(kWellKnown[int(type)])};
}

} // namespace korvane
