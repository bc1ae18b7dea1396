#include "freedesktop_sandbox.h"

#include "core/rule_store.h"
#include "core/rules_file.h"
#include "test_data.h"

#include <QDir>
#include <QTest>
#include <QUrl>

namespace korvane {

namespace {

// The desktop's apps: name, where a system entry lies under the root (a user's entry has none),
// how the recorder is told its name and files (empty: a program that is not installed), then
// the entry's further lines.
const char* const kEntries[][4] = {
    {"Test Editor", "", "editor %F", "MimeType=text/plain;text/markdown;text/rust;"},
    {"Test Viewer", "", "viewer %F", "MimeType=image/png;image/jpeg;"},
    {"Test Single", "", "single %f", "MimeType=application/pdf;"},
    {"Test Files", "", "files %U", "MimeType=inode/directory;"},
    {"Gone App", "", "", "MimeType=text/plain;"},
    {"Sublime Text", "", "sublime %F", "MimeType=text/plain;"},
    {"System Player", "sys/applications/korvane-system-player.desktop", "player %U",
     "MimeType=audio/mpeg;video/mp4;"},
    {"Sub", "sys/applications/kde/korvane-sub.desktop", "sub %F", "MimeType=application/zip;"},
    {"Helper", "", "helper %F", "NoDisplay=true"},
    {"KDE Only", "", "kde %F", "OnlyShowIn=KDE;"},
    // Two browsers: the first is the desktop's for web links, being the first that takes them.
    {"Test Browser", "", "browser %U",
     "MimeType=x-scheme-handler/http;x-scheme-handler/https;text/html;"},
    {"Other Browser", "", "other-browser %U",
     "MimeType=x-scheme-handler/http;x-scheme-handler/https;x-scheme-handler/mailto;"},
};

} // namespace

FreedesktopSandbox::FreedesktopSandbox() {
    const QString sys = root() + QStringLiteral("/sys");
    for (const QString& dir : {sys + "/mime/packages", dataHome(), configHome(), root() + "/cache",
                               root() + "/files", root() + "/tmp"}) {
        QDir().mkpath(dir);
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(sys));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root() + QStringLiteral("/sysconfig")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root() + QStringLiteral("/cache")));
    qputenv("XDG_CURRENT_DESKTOP", "Sandbox:GNOME");
    // Local sockets live here: a running Korvane window of the user's must not answer the tests.
    qputenv("TMPDIR", QFile::encodeName(root() + QStringLiteral("/tmp")));
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(root()) + "/no-bus");
    // Keep GIO from loading extra modules (gvfs) that would reach the real session.
    qputenv("GIO_USE_VFS", "local");
    qputenv("GIO_USE_VOLUME_MONITOR", "unix");

    const QString source = QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml");
    if (!QFile::copy(source, sys + QStringLiteral("/mime/packages/freedesktop.org.xml"))) {
        m_error = QStringLiteral("cannot copy %1 (is shared-mime-info installed?)").arg(source);
        return;
    }
    const QString recorder =
        QStringLiteral(KORVANE_RECORDER " ") + root() + QStringLiteral("/launches.log ");
    for (const auto& [name, system, exec, lines] : kEntries) {
        writeFile(entry(idOf(QLatin1String(name))),
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nName[de]=%1 (de)\n"
                                 "Exec=%2\n%3\nIcon=text-editor\n")
                      .arg(QLatin1String(name),
                           *exec ? recorder + QLatin1String(exec)
                                 : QStringLiteral("/nonexistent/korvane-gone %F"),
                           QLatin1String(lines))
                      .toUtf8());
    }
    // The user's entries do not count as defaults for the files app unless asked.
    writeFile(mimeappsList(), "[Default Applications]\ninode/directory=korvane-test-files.desktop\n"
                              "x-scheme-handler/https=korvane-test-browser.desktop\n");
    if (runTool(QStringLiteral("update-mime-database"), {sys + QStringLiteral("/mime")})) {
        for (const QString& dir :
             {userApplications(), sys + "/applications", sys + "/applications/kde"}) {
            runTool(QStringLiteral("update-desktop-database"), {dir});
        }
    }
}

FreedesktopSandbox::~FreedesktopSandbox() {
    if (m_bus) {
        m_bus->kill();
        m_bus->waitForFinished();
    }
}

QString FreedesktopSandbox::idOf(const QString& name) {
    return name == QLatin1String("Sub") ? QStringLiteral("kde-korvane-sub.desktop")
           : name == QLatin1String("Korvane")
               ? QStringLiteral(KORVANE_APP_ID ".desktop")
               : QStringLiteral("korvane-%1.desktop").arg(name.toLower().replace(u' ', u'-'));
}

QString FreedesktopSandbox::entry(const QString& id) const {
    for (const auto& [name, system, exec, lines] : kEntries) {
        if (idOf(QLatin1String(name)) == id && *system) {
            return root() + u'/' + QLatin1String(system);
        }
    }
    return userApplications() + u'/' + id;
}

QString FreedesktopSandbox::makeFile(const QString& name, const QByteArray& content) const {
    const QString path = root() + QStringLiteral("/files/") + name;
    name.endsWith(u'/') ? void(QDir().mkpath(path)) : writeFile(path, content);
    return name.endsWith(u'/') ? path.chopped(1) : path;
}

void FreedesktopSandbox::writeRules(const QList<Rule>& rules) const {
    writeFile(rulesDirectory() + QStringLiteral("/rules.json"), RulesFile::encode(rules));
}

void FreedesktopSandbox::writeRules(const QStringList& specs) const {
    writeRules(rulesFrom(specs, idOf));
}

QList<Rule> FreedesktopSandbox::rules() const {
    return RulesFile::read(rulesDirectory()).value_or(QList<Rule>());
}

bool FreedesktopSandbox::runTool(const QString& program, const QStringList& arguments) {
    const Run done = run(arguments, {}, program);
    if (done.status != 0) {
        m_error = program + QStringLiteral(" failed: ") + done.err;
    }
    return done.status == 0;
}

QList<FreedesktopSandbox::Launch> FreedesktopSandbox::launches() const {
    QList<Launch> result;
    const QString log = root() + QStringLiteral("/launches.log");
    for (const QByteArray& line :
         QFile::exists(log) ? readFile(log).split('\n') : QByteArrayList()) {
        QByteArrayList words = line.split(' ');
        if (!line.isEmpty()) {
            result.append({QString::fromUtf8(words.takeFirst()), {}});
            std::transform(words.begin(), words.end(), std::back_inserter(result.last().raw),
                           [](const QByteArray& hex) { return QByteArray::fromHex(hex); });
        }
    }
    return result;
}

QStringList FreedesktopSandbox::launched(int count) const {
    QStringList seen;
    for (int waited = 0; waited < 20000 && (waited < 100 || seen.size() < count); waited += 50) {
        QTest::qWait(50);
        seen.clear();
        for (const Launch& launch : launches()) {
            for (const QByteArray& raw : launch.raw) {
                const QString arg = QFile::decodeName(raw);
                seen << launch.as + QStringLiteral(": ") +
                            (arg.startsWith(QLatin1String("file:")) ? QUrl(arg).toLocalFile()
                                                                    : arg);
            }
        }
    }
    seen.sort();
    return seen;
}

void FreedesktopSandbox::clearLaunches() const {
    QFile::remove(root() + QStringLiteral("/launches.log"));
}

bool FreedesktopSandbox::startSessionBus() {
    m_bus = std::make_unique<QProcess>();
    m_bus->start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address=1")});
    while (m_bus->waitForReadyRead(10000) && !m_bus->canReadLine()) {
    }
    const QByteArray address = m_bus->readLine().trimmed();
    m_error = address.isEmpty() ? QStringLiteral("dbus-daemon did not start") : m_error;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return !address.isEmpty();
}

QStringList FreedesktopSandbox::revealed() const {
    return QString::fromUtf8(readFile(root() + QStringLiteral("/revealed.log")))
        .split(u'\n', Qt::SkipEmptyParts);
}

FreedesktopSandbox::Run FreedesktopSandbox::run(const QStringList& arguments,
                                                const QByteArray& input,
                                                const QString& program) const {
    QProcess process;
    process.setWorkingDirectory(root() + QStringLiteral("/files"));
    process.start(program.isEmpty() ? QStringLiteral(KORVANE_BINARY) : program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace korvane
