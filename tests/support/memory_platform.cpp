#include "memory_platform.h"

#include "core/router.h"

#include <QFileInfo>

namespace korvane {

namespace {
const QString kData = QStringLiteral("public.data");
} // namespace

MemoryPlatform::MemoryPlatform() {
    const QMutexLocker lock(&m_mutex);
    // A small tree in the shape of the system's declared types.
    declareTypeParents(QStringLiteral("public.item"), {});
    declareTypeParents(kData, {QStringLiteral("public.item")});
    declareTypeParents(QStringLiteral("public.content"), {});
    declareTypeParents(QStringLiteral("public.text"), {kData, QStringLiteral("public.content")});
    declareTypeParents(QStringLiteral("public.plain-text"), {QStringLiteral("public.text")});
    declareTypeParents(QStringLiteral("public.image"), {kData, QStringLiteral("public.content")});
    declareTypeParents(QStringLiteral("public.audiovisual-content"),
                       {kData, QStringLiteral("public.content")});
    declareTypeParents(QStringLiteral("public.audio"),
                       {QStringLiteral("public.audiovisual-content")});
    declareTypeParents(QStringLiteral("public.movie"),
                       {QStringLiteral("public.audiovisual-content")});
    declareTypeParents(QStringLiteral("public.video"), {QStringLiteral("public.movie")});
    declareTypeParents(QStringLiteral("public.archive"), {kData});
    declareTypeParents(QStringLiteral("public.source-code"), {QStringLiteral("public.plain-text")});
    declareTypeParents(QStringLiteral("public.json"), {QStringLiteral("public.text")});
    declareTypeParents(QStringLiteral("com.apple.application"), {QStringLiteral("public.item")});

    declareType(QStringLiteral("txt"), QStringLiteral("public.plain-text"));
    declareType(QStringLiteral("md"), QStringLiteral("net.daringfireball.markdown"),
                {QStringLiteral("public.plain-text")});
    declareType(QStringLiteral("markdown"), QStringLiteral("net.daringfireball.markdown"));
    declareType(QStringLiteral("jpg"), QStringLiteral("public.jpeg"),
                {QStringLiteral("public.image")});
    declareType(QStringLiteral("png"), QStringLiteral("public.png"),
                {QStringLiteral("public.image")});
    declareType(QStringLiteral("mp3"), QStringLiteral("public.mp3"),
                {QStringLiteral("public.audio")});
    declareType(QStringLiteral("mov"), QStringLiteral("com.apple.quicktime-movie"),
                {QStringLiteral("public.movie")});
    declareType(QStringLiteral("mp4"), QStringLiteral("public.mpeg-4"),
                {QStringLiteral("public.movie")});
    declareType(QStringLiteral("zip"), QStringLiteral("public.zip-archive"),
                {QStringLiteral("public.archive")});
    declareType(QStringLiteral("gz"), QStringLiteral("org.gnu.gnu-zip-archive"),
                {QStringLiteral("public.archive")});
    declareType(QStringLiteral("swift"), QStringLiteral("public.swift-source"),
                {QStringLiteral("public.source-code")});
    declareType(QStringLiteral("c"), QStringLiteral("public.c-source"),
                {QStringLiteral("public.source-code")});
    declareType(QStringLiteral("json"), QStringLiteral("public.json"));
    declareType(QStringLiteral("pdf"), QStringLiteral("com.adobe.pdf"), {kData});
}

void MemoryPlatform::addApplication(const QString& path, const QString& identifier,
                                    const QString& name, const QStringList& opensTypes) {
    const QMutexLocker lock(&m_mutex);
    if (!m_apps.contains(path)) {
        m_appOrder.append(path);
    }
    m_apps.insert(path, App{identifier, name, opensTypes});
    reindex();
}

void MemoryPlatform::reindex() {
    const QMutexLocker lock(&m_mutex);
    m_byIdentifier.clear();
    for (const QString& path : m_appOrder) {
        const App& app = m_apps[path];
        if (app.registered && !m_byIdentifier.contains(app.identifier)) {
            m_byIdentifier.insert(app.identifier, path);
        }
    }
}

void MemoryPlatform::addUnregisteredApplication(const QString& path, const QString& identifier,
                                                const QString& name) {
    const QMutexLocker lock(&m_mutex);
    addApplication(path, identifier, name);
    m_apps[path].registered = false;
    reindex();
}

void MemoryPlatform::removeApplication(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_apps.remove(path);
    m_appOrder.removeAll(path);
    reindex();
}

void MemoryPlatform::declareType(const QString& extension, const QString& identifier,
                                 const QStringList& parents) {
    const QMutexLocker lock(&m_mutex);
    m_typeByExtension.insert(extension, identifier);
    if (!parents.isEmpty() || !m_parents.contains(identifier)) {
        m_parents.insert(identifier, parents.isEmpty() ? QStringList{kData} : parents);
    }
}

void MemoryPlatform::declareTypeParents(const QString& identifier, const QStringList& parents) {
    const QMutexLocker lock(&m_mutex);
    m_parents.insert(identifier, parents);
}

void MemoryPlatform::setDefault(const QString& typeIdentifier, const QString& app) {
    const QMutexLocker lock(&m_mutex);
    m_defaults.insert(typeIdentifier, app);
}

void MemoryPlatform::addFile(const QString& path, const QString& name) {
    const QMutexLocker lock(&m_mutex);
    m_files.insert(path, name.isEmpty() ? QFileInfo(path).fileName() : name);
}

void MemoryPlatform::addFolder(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    addFile(path);
    m_folders.insert(path);
}

void MemoryPlatform::addPackage(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    addFolder(path);
    m_packages.insert(path);
}

void MemoryPlatform::removeFile(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_files.remove(path);
    m_folders.remove(path);
    m_packages.remove(path);
}

void MemoryPlatform::failItemKind(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_kindFails.insert(path);
}

void MemoryPlatform::setApplicationEntries(const QStringList& names, const QString& directory) {
    const QMutexLocker lock(&m_mutex);
    m_entries.clear();
    for (const QString& name : names) {
        m_entries.append({name, directory + u'/' + name});
    }
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
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held& h : held) {
        h.done(error);
    }
}

QList<MemoryPlatform::Order> MemoryPlatform::ordersOf(Order::Kind kind) const {
    const QMutexLocker lock(&m_mutex);
    QList<Order> result;
    for (const Order& order : m_orders) {
        if (order.kind == kind) {
            result.append(order);
        }
    }
    return result;
}

std::optional<QString> MemoryPlatform::applicationForIdentifier(const QString& identifier) const {
    const QMutexLocker lock(&m_mutex);
    const auto it = m_byIdentifier.constFind(identifier);
    if (identifier.isEmpty() || it == m_byIdentifier.cend()) {
        return std::nullopt;
    }
    return *it;
}

std::optional<QString> MemoryPlatform::defaultApplicationForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    const QString app = m_defaults.value(type.identifier);
    if (app.isEmpty() || !m_apps.contains(app)) {
        return std::nullopt;
    }
    return app;
}

QString MemoryPlatform::typeOfFile(const QString& file) const {
    const QMutexLocker lock(&m_mutex);
    const auto type = typeForExtension(Router::extensionKey(file));
    return type ? type->identifier : QString();
}

std::optional<QString> MemoryPlatform::defaultApplicationForFile(const QString& file) const {
    const QMutexLocker lock(&m_mutex);
    return defaultApplicationForType(ContentType{typeOfFile(file), false});
}

QStringList MemoryPlatform::applicationsForType(const ContentType& type) const {
    const QMutexLocker lock(&m_mutex);
    QStringList result;
    for (const QString& path : m_appOrder) {
        for (const QString& opens : m_apps.value(path).types) {
            if (conforms(type, ContentType{opens, false})) {
                result.append(path);
                break;
            }
        }
    }
    return result;
}

QStringList MemoryPlatform::applicationsForFile(const QString& file) const {
    const QMutexLocker lock(&m_mutex);
    return applicationsForType(ContentType{typeOfFile(file), false});
}

void MemoryPlatform::setDefaultApplication(const QString& app, const ContentType& type,
                                           DefaultCompletion done) {
    const QMutexLocker lock(&m_mutex);
    m_orders.append({Order::SetDefault, app, {}, type.identifier});
    const QJsonValue previous = m_defaults.contains(type.identifier)
                                    ? QJsonValue(m_defaults.value(type.identifier))
                                    : QJsonValue();
    switch (m_defaultOutcome) {
    case DefaultOutcome::Applied:
        m_defaults.insert(type.identifier, app);
        done(std::nullopt, {{QStringLiteral("previous"), previous}});
        break;
    case DefaultOutcome::Error:
        done(m_defaultError, {});
        break;
    case DefaultOutcome::Ignored:
        done(std::nullopt, {{QStringLiteral("previous"), previous}});
        break;
    }
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
    switch (outcome.first) {
    case Outcome::Success:
        done(std::nullopt);
        break;
    case Outcome::Error:
        done(outcome.second);
        break;
    case Outcome::Hold:
        m_held.append({std::move(done)});
        break;
    }
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
    if (m_apps.contains(path)) {
        return m_apps.value(path).name;
    }
    if (m_files.contains(path)) {
        return m_files.value(path);
    }
    return QFileInfo(path).fileName();
}

bool MemoryPlatform::exists(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_apps.contains(path) || m_files.contains(path);
}

QString MemoryPlatform::bundleIdentifier(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_apps.value(path).identifier;
}

std::optional<ItemKind> MemoryPlatform::itemKind(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    if (m_kindFails.contains(path)) {
        return std::nullopt;
    }
    return ItemKind{m_folders.contains(path) || m_apps.contains(path),
                    m_packages.contains(path) || m_apps.contains(path)};
}

std::optional<ContentType> MemoryPlatform::typeForExtension(const QString& extension) const {
    const QMutexLocker lock(&m_mutex);
    ++m_typeQuestions;
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const auto it = m_typeByExtension.constFind(extension);
    if (it == m_typeByExtension.cend()) {
        return ContentType{
            QStringLiteral("dyn.ah62d4r34gq81k3p2su1zuppgsm10esvvhzxhe55c") + extension, true};
    }
    return ContentType{*it, false};
}

bool MemoryPlatform::conforms(const ContentType& type, const ContentType& to) const {
    const QMutexLocker lock(&m_mutex);
    if (type.identifier == to.identifier) {
        return true;
    }
    if (type.dynamic) {
        return to.identifier == kData || to.identifier == QStringLiteral("public.item");
    }
    const QStringList parents = m_parents.value(type.identifier);
    for (const QString& parent : parents) {
        if (conforms(ContentType{parent, false}, to)) {
            return true;
        }
    }
    return false;
}

ContentType MemoryPlatform::wellKnownType(WellKnownType type) const {
    const QMutexLocker lock(&m_mutex);
    switch (type) {
    case WellKnownType::Text:
        return {QStringLiteral("public.text")};
    case WellKnownType::Image:
        return {QStringLiteral("public.image")};
    case WellKnownType::Audio:
        return {QStringLiteral("public.audio")};
    case WellKnownType::Movie:
        return {QStringLiteral("public.movie")};
    case WellKnownType::Video:
        return {QStringLiteral("public.video")};
    case WellKnownType::Archive:
        return {QStringLiteral("public.archive")};
    case WellKnownType::SourceCode:
        return {QStringLiteral("public.source-code")};
    case WellKnownType::Data:
        return {kData};
    case WellKnownType::Json:
        return {QStringLiteral("public.json")};
    case WellKnownType::Application:
        return {QStringLiteral("com.apple.application")};
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
