#include "settings.h"

#include "stored_names.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

namespace korvane {

namespace {

// The keys in Korvane.conf, as earlier versions named them; every read and write goes through
// this table.
constexpr StoredName<Settings::Key> kStoredKeys[] = {
    {Settings::Key::ShowTrayIcon, "showMenuBar"},
    {Settings::Key::ShowInTaskbar, "showDock"},
    {Settings::Key::FolderBehavior, "folderBehavior"},
    {Settings::Key::RecentFiles, "recentFiles"},
};

QVariant registeredDefault(Settings::Key key) {
    switch (key) {
    case Settings::Key::ShowTrayIcon:
    case Settings::Key::ShowInTaskbar:
        return true;
    case Settings::Key::FolderBehavior:
        return FolderBehavior(FolderBehavior::OpenInFileManager).rawValue();
    case Settings::Key::RecentFiles:
        break;
    }
    return {};
}

bool toBool(const QVariant& value, bool fallback) {
    // INI files hold text; accept what QSettings and people write.
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        return false;
    }
    return fallback;
}

} // namespace

QString Settings::defaultPath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/Korvane/Korvane.conf");
}

Settings::Settings(const QString& path, QObject* parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::path() const {
    return m_settings->fileName();
}

void Settings::sync() {
    m_settings->sync();
}

QVariant Settings::value(Key key) const {
    return m_settings->value(storedName(kStoredKeys, key), registeredDefault(key));
}

void Settings::setValue(Key key, const QVariant& value) {
    m_settings->setValue(storedName(kStoredKeys, key), value);
    m_settings->sync();
    Q_EMIT changed(key);
}

bool Settings::showTrayIcon() const {
    return toBool(value(Key::ShowTrayIcon), true);
}
bool Settings::showInTaskbar() const {
    return toBool(value(Key::ShowInTaskbar), true);
}

QString Settings::folderBehaviorRaw() const {
    return value(Key::FolderBehavior).toString();
}

FolderBehavior Settings::folderBehavior() const {
    return FolderBehavior::fromRawValue(folderBehaviorRaw())
        .value_or(FolderBehavior::OpenInFileManager);
}

QStringList Settings::recentFiles() const {
    // Kept as a JSON array: an INI list of one entry would read back as a plain text.
    const QJsonDocument document =
        QJsonDocument::fromJson(value(Key::RecentFiles).toString().toUtf8());
    QStringList paths;
    for (const QJsonValue item : document.array()) {
        if (!item.isString()) {
            return {};
        }
        paths.append(item.toString());
    }
    return paths;
}

void Settings::setShowTrayIcon(bool show) {
    setValue(Key::ShowTrayIcon, show);
}
void Settings::setShowInTaskbar(bool show) {
    setValue(Key::ShowInTaskbar, show);
}
void Settings::setFolderBehavior(const QString& raw) {
    setValue(Key::FolderBehavior, raw);
}

void Settings::addRecentFiles(const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    // The same list as adding each file in turn, written once: newest first, each once, ten.
    QStringList recents = recentFiles();
    for (const QString& file : files) {
        recents.removeAll(file);
        recents.prepend(file);
        if (recents.size() > kMostRecentFiles) {
            recents.resize(kMostRecentFiles);
        }
    }
    setRecentFiles(recents);
}

void Settings::setRecentFiles(const QStringList& paths) {
    setValue(Key::RecentFiles,
             QString::fromUtf8(
                 QJsonDocument(QJsonArray::fromStringList(paths)).toJson(QJsonDocument::Compact)));
}

} // namespace korvane
