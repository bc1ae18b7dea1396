#include "instance/instance_channel.h"
#include "support/freedesktop_sandbox.h"
#include "support/test_data.h"

#include <QLocalSocket>
#include <QProcess>
#include <csignal>
#include <sys/socket.h>

using namespace korvane;

namespace {
const QString kId = QStringLiteral(KORVANE_APP_ID);

const QString destination = QStringLiteral(KORVANE_DESTDIR "/usr");

FreedesktopSandbox::Run run(const QString& program, const QStringList& arguments) {
    return sandbox->run(arguments, {}, program);
}
} // namespace

// Korvane as a desktop installs it: the files in place and valid, and its launcher entry
// routing the files it is handed.
class TestInstall : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filesAreInPlaceAndValid() {
        const QString share = destination + "/share/";
        for (const QString& file :
             {destination + "/bin/korvane", destination + "/libexec/korvane/korvane-window",
              share + "applications/" + kId + ".desktop",
              share + "applications/" + kId + ".Opener.desktop",
              share + "icons/hicolor/scalable/apps/" + kId + ".svg",
              share + "icons/hicolor/symbolic/apps/" + kId + "-symbolic.svg",
              share + "metainfo/" + kId + ".metainfo.xml", share + "man/man1/korvane.1",
              share + "bash-completion/completions/korvane",
              share + "zsh/vendor-completions/_korvane",
              share + "fish/vendor_completions.d/korvane.fish"}) {
            QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        }
        auto result =
            run("desktop-file-validate", {share + "applications/" + kId + ".desktop",
                                          share + "applications/" + kId + ".Opener.desktop"});
        QVERIFY2(result.status == 0, qPrintable(result.out + result.err));
        result = run("appstreamcli",
                     {"validate", "--no-net", share + "metainfo/" + kId + ".metainfo.xml"});
        QVERIFY2(result.status == 0, qPrintable(result.out + result.err));
        result = run("man", {"-l", share + "man/man1/korvane.1"});
        QCOMPARE(result.status, 0);
        QVERIFY(result.out.contains("EXIT STATUS") && result.out.contains("default set N"));
    }

    // Nobody's default by being installed, not even for files of unknown type; a file manager
    // still offers it among every other application.
    void noTypeClaimed() {
        QVERIFY(!readFile(destination + "/share/applications/" + kId + ".desktop")
                     .contains("MimeType="));
        for (const char* type : {"application/octet-stream", "inode/directory", "text/plain"}) {
            const auto result = run("gio", {"mime", QString::fromLatin1(type)});
            QVERIFY2(!result.out.contains(kId), qPrintable(result.out));
        }
    }

    // The opener installed is the one the desktop gets: none is written for the user, and a
    // file the desktop opens through it goes by the rules, with no window.
    void installedOpenerIsUsed() {
        sandbox->writeRules(QStringList{"md>Test Editor"});
        sandbox->clearLaunches();
        const QByteArray list = readFile(sandbox->mimeappsList());
        QCOMPARE(run(destination + "/bin/korvane", {"opener", "on"}).status, 0);
        QVERIFY(!QFileInfo::exists(sandbox->userApplications() + "/" + kId + ".Opener.desktop"));
        QVERIFY(readFile(sandbox->mimeappsList())
                    .contains("text/markdown=" + kId.toUtf8() + ".Opener.desktop;"));
        // With content: GIO takes an empty file for plain text, whatever its name.
        const QString note = sandbox->makeFile("opened by the desktop.md", "# Note\n");
        QCOMPARE(run("gio", {"open", note}).status, 0);
        QCOMPARE(sandbox->launched(1), QStringList{"editor: " + note});
        QVERIFY(!InstanceChannel().isRunning());
        QCOMPARE(run(destination + "/bin/korvane", {"opener", "off"}).status, 0);
        QCOMPARE(readFile(sandbox->mimeappsList()), list);
    }

    // The launcher's two files become one drop: each app launched once, by the rules.
    void launcherEntryRoutesTheFiles() {
        sandbox->writeRules(QStringList{"md>Test Editor", "png>Test Viewer"});
        sandbox->clearLaunches();
        const QString note = sandbox->makeFile("installed note.md");
        const QString picture = sandbox->makeFile("installed.png");
        // The window outlives gio: it must not write to a pipe that closes with it.
        QProcess gio;
        gio.setStandardOutputFile(QProcess::nullDevice());
        gio.setStandardErrorFile(QProcess::nullDevice());
        gio.start("gio", {"launch", destination + "/share/applications/" + kId + ".desktop", note,
                          picture});
        QVERIFY(gio.waitForFinished(20000));
        QCOMPARE(gio.exitCode(), 0);
        QCOMPARE(sandbox->launched(2), (QStringList{"editor: " + note, "viewer: " + picture}));
        QCOMPARE(sandbox->launches().size(), 2);
        // The window stays: it is stopped by the process that listens for this session.
        QLocalSocket window;
        window.connectToServer(InstanceChannel().socketPath());
        ucred peer{};
        socklen_t size = sizeof peer;
        QVERIFY(window.waitForConnected(5000) &&
                getsockopt(int(window.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
                    0);
        QVERIFY(peer.pid > 0 && kill(peer.pid, SIGTERM) == 0);
    }
};

int main(int argc, char** argv) {
    return runSandboxed<TestInstall>(
        argc, argv, false, [] { // let the desktop find what was installed
            qputenv("XDG_DATA_DIRS", QFile::encodeName(destination + "/share:" +
                                                       qEnvironmentVariable("XDG_DATA_DIRS")));
            qputenv("PATH",
                    QFile::encodeName(destination + "/bin:" + qEnvironmentVariable("PATH")));
            QProcess::execute("update-desktop-database", {destination + "/share/applications"});
        });
}

#include "tst_install.moc"
