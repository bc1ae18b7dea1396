#include "freedesktop_sandbox.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

namespace korvane {

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

} // namespace

FreedesktopSandbox::FreedesktopSandbox() {
    if (!m_root.isValid()) {
        m_error = QStringLiteral("no temporary directory");
        return;
    }
    const QString sys = root() + QStringLiteral("/sys");
    QDir().mkpath(sys + QStringLiteral("/mime/packages"));
    QDir().mkpath(dataHome() + QStringLiteral("/mime/packages"));
    QDir().mkpath(configHome());
    QDir().mkpath(root() + QStringLiteral("/cache"));
    QDir().mkpath(root() + QStringLiteral("/files"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(sys));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root() + QStringLiteral("/sysconfig")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root() + QStringLiteral("/cache")));
    qputenv("XDG_CURRENT_DESKTOP", "Sandbox:GNOME");
    // Local sockets live under the temporary directory: a running Korvane window of the user's
    // must not answer the tests.
    QDir().mkpath(root() + QStringLiteral("/tmp"));
    qputenv("TMPDIR", QFile::encodeName(root() + QStringLiteral("/tmp")));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(root()) + "/no-bus");
    // Keep GIO from loading extra modules (gvfs) that would reach the real session.
    qputenv("GIO_USE_VFS", "local");
    qputenv("GIO_USE_VOLUME_MONITOR", "unix");

    const QString source = QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml");
    if (!QFile::copy(source, sys + QStringLiteral("/mime/packages/freedesktop.org.xml"))) {
        m_error = QStringLiteral("cannot copy %1 (is shared-mime-info installed?)").arg(source);
        return;
    }
    if (!runTool(QStringLiteral("update-mime-database"), {sys + QStringLiteral("/mime")})) {
        return;
    }

    // The desktop's apps: ID (a "/" puts it in a subfolder), name, how the recorder is told
    // its name and files (empty: a program that is not installed), types; system ones last.
    struct Entry {
        const char* id;
        const char* name;
        const char* exec;
        const char* types;
        bool system;
    };
    static const Entry entries[] = {
        {"korvane-test-editor.desktop", "Test Editor", "editor %F",
         "text/plain;text/markdown;text/rust;", false},
        {"korvane-test-viewer.desktop", "Test Viewer", "viewer %F", "image/png;image/jpeg;", false},
        {"korvane-test-single.desktop", "Test Single", "single %f", "application/pdf;", false},
        {"korvane-test-files.desktop", "Test Files", "files %U", "inode/directory;", false},
        {"korvane-test-gone.desktop", "Gone App", "", "text/plain;", false},
        {"sublime_text.desktop", "Sublime Text", "sublime %F", "text/plain;", false},
        {"korvane-sys-player.desktop", "System Player", "player %U", "audio/mpeg;video/mp4;", true},
        {"kde/korvane-sub.desktop", "Sub Entry", "sub %F", "application/zip;", true},
    };
    const QString recorder =
        QStringLiteral(KORVANE_RECORDER " ") + root() + QStringLiteral("/launches.jsonl ");
    for (const Entry& e : entries) {
        const QString exec = *e.exec ? recorder + QLatin1String(e.exec)
                                     : QStringLiteral("/nonexistent/korvane-gone %F");
        writeEntry(e.system ? systemApplications() : userApplications(), QLatin1String(e.id),
                   QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nName[de]=%1 (de)\n"
                                  "Exec=%2\nMimeType=%3\nIcon=text-editor\n")
                       .arg(QLatin1String(e.name), exec, QLatin1String(e.types)));
    }
    const QString user = userApplications();
    const QString system = systemApplications();
    // The user's entries do not count as defaults for the files app unless asked; make the
    // file manager explicit.
    writeText(mimeappsList(),
              "[Default Applications]\ninode/directory=korvane-test-files.desktop\n");
    m_valid = runTool(QStringLiteral("update-desktop-database"), {user}) &&
              runTool(QStringLiteral("update-desktop-database"), {system}) &&
              runTool(QStringLiteral("update-desktop-database"), {system + QStringLiteral("/kde")});
}

FreedesktopSandbox::~FreedesktopSandbox() {
    stopFileManager();
    if (m_bus) {
        m_bus->kill();
        m_bus->waitForFinished();
    }
}

QString FreedesktopSandbox::dataHome() const {
    return root() + QStringLiteral("/data");
}
QString FreedesktopSandbox::configHome() const {
    return root() + QStringLiteral("/config");
}
QString FreedesktopSandbox::userApplications() const {
    return dataHome() + QStringLiteral("/applications");
}
QString FreedesktopSandbox::systemApplications() const {
    return root() + QStringLiteral("/sys/applications");
}
QString FreedesktopSandbox::rulesDirectory() const {
    return dataHome() + QStringLiteral("/Korvane");
}
QString FreedesktopSandbox::mimeappsList() const {
    return configHome() + QStringLiteral("/mimeapps.list");
}

QString FreedesktopSandbox::entry(const QString& id) const {
    if (id == QLatin1String("kde-korvane-sub.desktop")) {
        return systemApplications() + QStringLiteral("/kde/korvane-sub.desktop");
    }
    if (id == QLatin1String("korvane-sys-player.desktop")) {
        return systemApplications() + u'/' + id;
    }
    return userApplications() + u'/' + id;
}

QString FreedesktopSandbox::makeFile(const QString& name, const QByteArray& content) {
    const QString path = root() + QStringLiteral("/files/") + name;
    writeText(path, content);
    return path;
}

QString FreedesktopSandbox::makeFolder(const QString& name) {
    const QString path = root() + QStringLiteral("/files/") + name;
    QDir().mkpath(path);
    return path;
}

void FreedesktopSandbox::writeEntry(const QString& dir, const QString& relativePath,
                                    const QString& body) {
    writeText(dir + u'/' + relativePath, body.toUtf8());
}

bool FreedesktopSandbox::runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed: %2 %3")
                      .arg(program, process.errorString(),
                           QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    return true;
}

QList<FreedesktopSandbox::Launch> FreedesktopSandbox::launches() const {
    QList<Launch> result;
    QFile file(root() + QStringLiteral("/launches.jsonl"));
    if (!file.open(QIODevice::ReadOnly)) {
        return result;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        Launch launch{object.value(QStringLiteral("as")).toString(), {}, {}};
        for (const QJsonValue& arg : object.value(QStringLiteral("args")).toArray()) {
            launch.args.append(arg.toString());
        }
        for (const QJsonValue& arg : object.value(QStringLiteral("raw")).toArray()) {
            launch.raw.append(QByteArray::fromHex(arg.toString().toLatin1()));
        }
        result.append(launch);
    }
    return result;
}

void FreedesktopSandbox::clearLaunches() {
    QFile::remove(root() + QStringLiteral("/launches.jsonl"));
}

bool FreedesktopSandbox::startSessionBus() {
    m_bus = std::make_unique<QProcess>();
    m_bus->start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address=1")});
    if (!m_bus->waitForStarted(10000)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_bus->errorString();
        return false;
    }
    while (!m_bus->canReadLine() && m_bus->waitForReadyRead(10000)) {
    }
    const QByteArray address = m_bus->readLine().trimmed();
    if (address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon printed no address");
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}

bool FreedesktopSandbox::startFileManager() {
    m_fileManager = std::make_unique<QProcess>();
    m_fileManager->setProcessEnvironment(environment());
    m_fileManager->start(QStringLiteral(KORVANE_FAKE_FILE_MANAGER),
                         {root() + QStringLiteral("/revealed.log")});
    while (!m_fileManager->canReadLine() && m_fileManager->waitForReadyRead(10000)) {
    }
    return m_fileManager->readLine().trimmed() == "ready";
}

void FreedesktopSandbox::stopFileManager() {
    if (m_fileManager) {
        m_fileManager->kill();
        m_fileManager->waitForFinished();
        m_fileManager.reset();
    }
}

QStringList FreedesktopSandbox::revealed() const {
    QFile file(root() + QStringLiteral("/revealed.log"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

FreedesktopSandbox::Run FreedesktopSandbox::run(const QString& program,
                                                const QStringList& arguments,
                                                const QByteArray& input) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(root() + QStringLiteral("/files"));
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QProcessEnvironment FreedesktopSandbox::environment() const {
    return QProcessEnvironment::systemEnvironment(); // the sandbox exported its variables
}

} // namespace korvane
