#pragma once

#include "folder_behavior.h"
#include "recent_journal.h"

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
    // Each setting; its key in the file is in settings.cpp.
    enum class Key {
        ShowTrayIcon,
        ShowInTaskbar,
        FolderBehavior,
        RecentFiles,
        OpenForDesktop,
        OpenLinksForDesktop
    };

    // `$XDG_CONFIG_HOME/Korvane/Korvane.conf`.
    static QString defaultPath();

    // How recorded files reach the file: the window writes the list, a command appends them to
    // a journal beside it, which is cheaper; either reads both.
    enum class RecentWrites { Written, Appended };
    explicit Settings(const QString& path, RecentWrites recentWrites = RecentWrites::Written,
                      QObject* parent = nullptr);
    ~Settings() override;

    bool showTrayIcon() const;
    bool showInTaskbar() const;
    // Any stored text that is no behaviour counts as the default, open in the file manager.
    FolderBehavior folderBehavior() const;
    QString folderBehaviorRaw() const;
    // Empty when missing or not a list of texts.
    QStringList recentFiles() const;
    // Whether Korvane is to open files for the desktop (it follows the rules while on).
    bool openForDesktop() const;
    // Whether it opens web and mail links for the desktop too.
    bool openLinksForDesktop() const;

    void setShowTrayIcon(bool show);
    void setShowInTaskbar(bool show);
    void setFolderBehavior(const QString& raw);
    void setOpenForDesktop(bool on);
    void setOpenLinksForDesktop(bool on);
    void setRecentFiles(const QStringList& paths);
    // Puts the files first among the recent ones, in the order given (the last first).
    void addRecentFiles(const QStringList& files);
    static constexpr qsizetype kMostRecentFiles = 10;
    // Past this size, a command folds the journal into the file.
    static constexpr qint64 kJournalBytes = 16 * 1024;

    // Reads the file again, for changes made by another process.
    void sync();
    QString path() const;

Q_SIGNALS:
    void changed(Settings::Key key);

private:
    QStringList storedRecentFiles() const;
    QVariant value(Key key) const;
    void setValue(Key key, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
    RecentWrites m_recentWrites;
    RecentJournal m_journal;
};

} // namespace korvane
