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
    {Settings::Key::OpenForDesktop, "openForDesktop"},
    {Settings::Key::OpenLinksForDesktop, "openLinksForDesktop"},
};

QVariant registeredDefault(Settings::Key key) {
    switch (key) {
    case Settings::Key::ShowTrayIcon:
    case Settings::Key::ShowInTaskbar:
        return true;
    case Settings::Key::FolderBehavior:
        return FolderBehavior(FolderBehavior::OpenInFileManager).rawValue();
    case Settings::Key::OpenForDesktop:
    case Settings::Key::OpenLinksForDesktop:
        return false;
    case Settings::Key::RecentFiles:
        break;
    }
    return {};
}

// The list with the files put first, in the order given (the last first): newest first, each
// once, ten at most.
QStringList& added(QStringList& recents, const QStringList& files) {
    for (const QString& file : files) {
        recents.removeAll(file);
        recents.prepend(file);
        if (recents.size() > Settings::kMostRecentFiles) {
            recents.resize(Settings::kMostRecentFiles);
        }
    }
    return recents;
}

QString recentsText(const QStringList& paths) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(paths)).toJson(QJsonDocument::Compact));
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

Settings::Settings(const QString& path, RecentWrites recentWrites, QObject* parent)
    : QObject(parent)
    , m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
    , m_recentWrites(recentWrites)
    , m_journal(path.section(u'/', 0, -2) + QStringLiteral("/recent-files.jsonl")) {}

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

QStringList Settings::storedRecentFiles() const {
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

QStringList Settings::recentFiles() const {
    QStringList recents = storedRecentFiles();
    for (const QStringList& drop : m_journal.drops()) {
        added(recents, drop);
    }
    return recents;
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
bool Settings::openForDesktop() const {
    return toBool(value(Key::OpenForDesktop), false);
}
void Settings::setOpenForDesktop(bool on) {
    setValue(Key::OpenForDesktop, on);
}
bool Settings::openLinksForDesktop() const {
    return toBool(value(Key::OpenLinksForDesktop), false);
}
void Settings::setOpenLinksForDesktop(bool on) {
    setValue(Key::OpenLinksForDesktop, on);
}

void Settings::addRecentFiles(const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    const bool appended = m_recentWrites == RecentWrites::Appended && m_journal.append(files);
    if (appended && m_journal.size() <= kJournalBytes) {
        Q_EMIT changed(Key::RecentFiles);
        return;
    }
    // Into the settings file, with whatever commands appended meanwhile.
    m_journal.take([&](const QList<QStringList>& drops) {
        QStringList recents = storedRecentFiles();
        for (const QStringList& drop : drops) {
            added(recents, drop);
        }
        setValue(Key::RecentFiles, recentsText(appended ? recents : added(recents, files)));
        return m_settings->status() == QSettings::NoError;
    });
}

void Settings::setRecentFiles(const QStringList& paths) {
    m_journal.take([&](const QList<QStringList>&) {
        setValue(Key::RecentFiles, recentsText(paths));
        return m_settings->status() == QSettings::NoError;
    });
}

} // namespace korvane
