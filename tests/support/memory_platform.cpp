#include "memory_platform.h"

#include "core/router.h"

#include <QFileInfo>

namespace korvane {

namespace {

// Extension -> MIME type; a type's parent is the one before its slash ("text/markdown" is a
// "text/plain" by the table below), then "application/octet-stream".
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
const QString kData = QStringLiteral("application/octet-stream");

} // namespace

MemoryPlatform::MemoryPlatform() = default;

void MemoryPlatform::addApplication(const QString& path, const QString& identifier,
                                    const QString& name, const QStringList& opensTypes) {
    const QMutexLocker lock(&m_mutex);
    if (!m_apps.contains(path)) {
        m_appOrder.append(path);
    }
    m_apps.insert(path, App{identifier, name, opensTypes});
}

void MemoryPlatform::removeApplication(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_apps.remove(path);
    m_appOrder.removeAll(path);
}

void MemoryPlatform::setDefault(const QString& type, const QString& app) {
    const QMutexLocker lock(&m_mutex);
    m_defaults.insert(type, app);
}

void MemoryPlatform::addFile(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_files.insert(path);
}

void MemoryPlatform::addFolder(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_files.insert(path);
    m_folders.insert(path);
}

void MemoryPlatform::removeFile(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_files.remove(path);
    m_folders.remove(path);
}

void MemoryPlatform::setOpenOutcome(const QString& app, Outcome outcome, const QString& error) {
    const QMutexLocker lock(&m_mutex);
    m_openOutcomes.insert(app, {outcome, error});
}

void MemoryPlatform::setDefaultOutcome(DefaultOutcome outcome, const QString& error) {
    const QMutexLocker lock(&m_mutex);
    m_defaultOutcome = outcome;
    m_defaultError = error;
}

void MemoryPlatform::releaseHeld(const std::optional<QString>& error) {
    const QMutexLocker lock(&m_mutex);
    for (const ErrorCompletion& done : std::exchange(m_held, {})) {
        done(error);
    }
}

QList<MemoryPlatform::Order> MemoryPlatform::orders() const {
    const QMutexLocker lock(&m_mutex);
    return m_orders;
}

QList<MemoryPlatform::Order> MemoryPlatform::ordersOf(Order::Kind kind) const {
    QList<Order> result;
    for (const Order& order : orders()) {
        if (order.kind == kind) {
            result.append(order);
        }
    }
    return result;
}

void MemoryPlatform::clearOrders() {
    const QMutexLocker lock(&m_mutex);
    m_orders.clear();
}

std::optional<QString> MemoryPlatform::applicationForIdentifier(const QString& identifier) const {
    const QMutexLocker lock(&m_mutex);
    for (const QString& path : m_appOrder) {
        if (!identifier.isEmpty() && m_apps.value(path).identifier == identifier) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<QString> MemoryPlatform::defaultApplicationForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    const QString app = m_defaults.value(type.identifier);
    return m_apps.contains(app) ? std::optional<QString>(app) : std::nullopt;
}

std::optional<QString> MemoryPlatform::defaultApplicationForFile(const QString& file) const {
    const auto type = typeForExtension(Router::extensionKey(file));
    return type ? defaultApplicationForType(*type) : std::nullopt;
}

QStringList MemoryPlatform::applicationsForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    QStringList result;
    for (const QString& path : m_appOrder) {
        for (const QString& opens : m_apps.value(path).types) {
            if (conforms(type, ContentType{opens})) {
                result.append(path);
                break;
            }
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
    m_orders.append({Order::SetDefault, app, {}, type.identifier});
    const QJsonObject change{
        {QStringLiteral("previous"), m_defaults.contains(type.identifier)
                                         ? QJsonValue(m_defaults.value(type.identifier))
                                         : QJsonValue()}};
    if (m_defaultOutcome == DefaultOutcome::Error) {
        done(m_defaultError, {});
        return;
    }
    if (m_defaultOutcome == DefaultOutcome::Applied) {
        m_defaults.insert(type.identifier, app);
    }
    done(std::nullopt, change);
}

void MemoryPlatform::undoDefaultChange(const ContentType& type, const QJsonObject& change,
                                       ErrorCompletion done) {
    const QMutexLocker lock(&m_mutex);
    if (m_defaultOutcome == DefaultOutcome::Error) {
        done(m_defaultError);
        return;
    }
    const QJsonValue previous = change.value(QStringLiteral("previous"));
    if (previous.isString()) {
        m_defaults.insert(type.identifier, previous.toString());
    } else {
        m_defaults.remove(type.identifier);
    }
    done(std::nullopt);
}

void MemoryPlatform::openFiles(const QStringList& files, const QString& app, ErrorCompletion done) {
    const QMutexLocker lock(&m_mutex);
    m_orders.append({Order::Open, app, files, {}});
    const auto outcome = m_openOutcomes.value(app, {Outcome::Success, QString()});
    if (outcome.first == Outcome::Hold) {
        m_held.append(std::move(done));
        return;
    }
    done(outcome.first == Outcome::Error ? std::optional<QString>(outcome.second) : std::nullopt);
}

void MemoryPlatform::openItem(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_orders.append({Order::OpenItem, {}, {path}, {}});
}

void MemoryPlatform::revealFiles(const QStringList& paths, ErrorCompletion done) {
    const QMutexLocker lock(&m_mutex);
    m_orders.append({Order::Reveal, {}, paths, {}});
    done(std::nullopt);
}

QString MemoryPlatform::displayName(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_apps.contains(path) ? m_apps.value(path).name : QFileInfo(path).fileName();
}

bool MemoryPlatform::exists(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_apps.contains(path) || m_files.contains(path);
}

QString MemoryPlatform::applicationId(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_apps.value(path).identifier;
}

bool MemoryPlatform::isFolder(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_folders.contains(path);
}

std::optional<ContentType> MemoryPlatform::typeForExtension(const QString& extension) const {
    ++m_typeQuestions;
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const QString type = kTypes.value(extension);
    return type.isEmpty() ? ContentType{kData, true} : ContentType{type, false};
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
    switch (type) {
    case WellKnownType::Text:
        return {QStringLiteral("text/plain")};
    case WellKnownType::Image:
        return {QStringLiteral("image/*")};
    case WellKnownType::Audio:
        return {QStringLiteral("audio/*")};
    case WellKnownType::Movie:
    case WellKnownType::Video:
        return {QStringLiteral("video/*")};
    case WellKnownType::Archive:
        return {QStringLiteral("x-archive")};
    case WellKnownType::SourceCode:
        return {QStringLiteral("text/x-csrc")};
    case WellKnownType::Data:
        return {kData};
    case WellKnownType::Json:
        return {QStringLiteral("application/json")};
    case WellKnownType::Application:
        return {QStringLiteral("application/x-desktop")};
    }
    return {};
}

std::optional<QString> MemoryPlatform::setLaunchAtLogin(bool enabled) {
    const QMutexLocker lock(&m_mutex);
    if (!m_loginError.isEmpty()) {
        return m_loginError;
    }
    m_launchAtLogin = enabled;
    return std::nullopt;
}

} // namespace korvane
