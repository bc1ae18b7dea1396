#pragma once

#include "platform/platform.h"
#include "platform_text.h"

#include <QStringList>
#include <memory>

namespace korvane {

// The Linux desktop: desktop entries stand for applications, shared-mime-info for content types,
// mimeapps.list for defaults, GIO for launching, FileManager1 for revealing and XDG autostart for
// launch at login. GLib reads the XDG_* variables once, on first use.
class FreedesktopPlatform : public Platform {
public:
    FreedesktopPlatform();
    ~FreedesktopPlatform() override;

    std::optional<QString> applicationForIdentifier(const QString& identifier) const override;
    std::optional<QString> defaultApplicationForType(const ContentType& type) const override;
    std::optional<QString> defaultApplicationForFile(const QString& file) const override;
    QStringList applicationsForType(const ContentType& type) const override;
    QStringList applicationsForFile(const QString& file) const override;
    QList<ApplicationEntry> applicationEntries() const override;

    DefaultPlan planDefault(const QString& app, const ContentType& type) const override;
    void setDefaultApplication(const QString& app, const ContentType& type, const QJsonObject& plan,
                               Completion done) override;
    void undoDefaultChange(const ContentType& type, const QJsonObject& change,
                           Completion done) override;
    void setDefaultApplications(const QString& app, const QList<ContentType>& types,
                                const QList<QJsonObject>& plans, Completion done) override;
    void undoDefaultChanges(const QList<TypeChange>& changes, Completion done) override;
    std::optional<QString> defaultAfterChange(const ContentType& type,
                                              const QJsonObject& change) const override;
    Result checkSettings() const override;
    QString defaultOrigin(const ContentType& type) const override;
    std::optional<QString> ownDefault(const ContentType& type) const override;
    QJsonObject carriedChange(const QJsonObject& gone, const QJsonObject& kept) const override;
    void openFiles(const QStringList& files, const QString& app, Completion done,
                   bool handedBack = false) override;
    std::optional<QString> localPath(const QString& location) const override;
    void openItem(const QString& path) override;
    void revealFiles(const QStringList& paths, RevealCompletion done) override;

    QString displayName(const QString& path) const override;
    bool exists(const QString& path) const override;
    QString applicationId(const QString& path) const override;
    bool isKorvane(const QString& identifier) const override;
    bool isFolder(const QString& path) const override;
    QString iconName(const QString& path) const override;
    bool takesOneFileAtATime(const QString& app) const override;
    QString commandLine(const QString& app, const QStringList& files) const override;
    TypeRelations relations(const ContentType& type) const override;

    std::optional<ContentType> typeForExtension(const QString& extension) const override;
    bool conforms(const ContentType& type, const ContentType& to) const override;
    ContentType wellKnownType(WellKnownType type) const override;

    QList<ContentType> registeredTypes() const override;
    QString siteOf(const QString& host) const override;
    std::optional<QString> openerApplication() const override;
    Result provideOpener() override;
    Result withdrawOpener() override;
    std::shared_ptr<void> serveOpener(OpenRequest open, Completion ended) override;

    bool launchAtLogin() const override;
    Result setLaunchAtLogin(bool enabled) override;

    QString fileManagerName() const override;
    QString systemName() const override;
    QString altKeyName() const override { return PlatformText::tr("Alt", "the key"); }
    QString shiftKeyName() const override { return PlatformText::tr("Shift", "the key"); }
    QString trayName() const override { return PlatformText::tr("system tray"); }
    QString taskbarName() const override { return PlatformText::tr("taskbar"); }

    // The program launch at login starts; the running program's path unless set.
    void setProgramPath(const QString& path) { m_programPath = path; }
    // The command-line program the opener's entry starts; the running program unless set.
    void setCommandPath(const QString& path) { m_commandPath = path; }
    // The autostart entry's path.
    static QString autostartPath();
    // The MIME types counted as archives and as source code, which have no common parent.
    static const QStringList& archiveTypes();
    static const QStringList& sourceCodeTypes();

    void watchApplications(std::function<void()> changed) override;

private:
    QString m_programPath;
    QString m_commandPath;
    std::shared_ptr<void> m_applicationsWatch; // GIO's app-info monitor and its handler
    // The markers of the launches this process made lately: only items like theirs may come
    // back from an app it started, which the opener then looks into.
    std::shared_ptr<QByteArrayList> m_launched = std::make_shared<QByteArrayList>();
};

} // namespace korvane
