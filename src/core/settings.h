#pragma once

#include "folder_behavior.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace korvane {

// The user's settings, over one QSettings file, with registered defaults. Every write through
// this object announces the key it changed.
class Settings : public QObject {
    Q_OBJECT

public:
    static inline const QString kShowMenuBar = QStringLiteral("showMenuBar");
    static inline const QString kShowDock = QStringLiteral("showDock");
    static inline const QString kFolderBehavior = QStringLiteral("folderBehavior");
    static inline const QString kRecentFiles = QStringLiteral("recentFiles");

    // `$XDG_CONFIG_HOME/Korvane/Korvane.conf`.
    static QString defaultPath();

    explicit Settings(const QString& path, QObject* parent = nullptr);
    ~Settings() override;

    bool showMenuBar() const;
    bool showDock() const;
    // Any stored text that is no behaviour counts as the default, open in the file manager.
    FolderBehavior folderBehavior() const;
    QString folderBehaviorRaw() const;
    // Empty when missing or not a list of texts.
    QStringList recentFiles() const;

    void setShowMenuBar(bool show);
    void setShowDock(bool show);
    void setFolderBehavior(const QString& raw);
    void setRecentFiles(const QStringList& paths);
    // Puts the files first among the recent ones, in the order given (the last first).
    void addRecentFiles(const QStringList& files);
    static constexpr qsizetype kMostRecentFiles = 10;

    // Reads the file again, for changes made by another process.
    void sync();
    QString path() const;

Q_SIGNALS:
    void changed(const QString& key);

private:
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace korvane
