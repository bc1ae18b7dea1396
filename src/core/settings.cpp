#include "settings.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

namespace korvane {

namespace {

QVariant registeredDefault(const QString& key) {
    if (key == Settings::kShowMenuBar || key == Settings::kShowDock) {
        return true;
    }
    if (key == Settings::kFolderBehavior) {
        return FolderBehavior(FolderBehavior::Open).rawValue();
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

QVariant Settings::value(const QString& key) const {
    return m_settings->value(key, registeredDefault(key));
}

void Settings::setValue(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
    m_settings->sync();
    Q_EMIT changed(key);
}

bool Settings::showMenuBar() const {
    return toBool(value(kShowMenuBar), true);
}
bool Settings::showDock() const {
    return toBool(value(kShowDock), true);
}

QString Settings::folderBehaviorRaw() const {
    return value(kFolderBehavior).toString();
}

FolderBehavior Settings::folderBehavior() const {
    return FolderBehavior::fromRawValue(folderBehaviorRaw()).value_or(FolderBehavior::Open);
}

QStringList Settings::recentFiles() const {
    // Kept as a JSON array: an INI list of one entry would read back as a plain text.
    const QJsonDocument document =
        QJsonDocument::fromJson(m_settings->value(kRecentFiles).toString().toUtf8());
    QStringList paths;
    for (const QJsonValue item : document.array()) {
        if (!item.isString()) {
            return {};
        }
        paths.append(item.toString());
    }
    return paths;
}

void Settings::setShowMenuBar(bool show) {
    setValue(kShowMenuBar, show);
}
void Settings::setShowDock(bool show) {
    setValue(kShowDock, show);
}
void Settings::setFolderBehavior(const QString& raw) {
    setValue(kFolderBehavior, raw);
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
    setValue(kRecentFiles,
             QString::fromUtf8(
                 QJsonDocument(QJsonArray::fromStringList(paths)).toJson(QJsonDocument::Compact)));
}

} // namespace korvane
