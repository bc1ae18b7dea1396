#pragma once

#include <QJsonArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace korvane {

// A private desktop for tests: XDG directories, a MIME database, desktop entries whose program
// records its arguments, and optionally a session bus with a file manager on it.
// Build it before anything calls GLib: GLib reads the XDG variables once.
class FreedesktopSandbox {
public:
    struct Launch {
        QString as;
        QStringList args;
        QList<QByteArray> raw; // the arguments' exact bytes
    };

    FreedesktopSandbox();
    ~FreedesktopSandbox();

    bool isValid() const { return m_valid; }
    QString error() const { return m_error; }
    QString root() const { return m_root.path(); }
    QString dataHome() const;
    QString configHome() const;
    QString userApplications() const;
    QString systemApplications() const;
    QString rulesDirectory() const;
    QString mimeappsList() const;
    // A file in the sandbox's scratch folder, created with the content given.
    QString makeFile(const QString& name, const QByteArray& content = {});
    QString makeFolder(const QString& name);
    // The path of a sandbox entry by its ID.
    QString entry(const QString& id) const;

    // Every invocation of the recorder programs so far, in order.
    QList<Launch> launches() const;
    void clearLaunches();

    // Starts a private session bus (exported to this process's environment) ...
    bool startSessionBus();
    // ... and a file manager on it; stop it again to test the fallback.
    bool startFileManager();
    void stopFileManager();
    QStringList revealed() const; // one line per ShowItems call

    // The environment for child processes (korvane itself).
    QProcessEnvironment environment() const;

    // Runs a program in the sandbox's files folder, with `input` on its standard input.
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    Run run(const QString& program, const QStringList& arguments,
            const QByteArray& input = {}) const;

private:
    void writeEntry(const QString& dir, const QString& relativePath, const QString& body);
    bool runTool(const QString& program, const QStringList& arguments);

    QTemporaryDir m_root;
    bool m_valid = false;
    QString m_error;
    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_fileManager;
};

} // namespace korvane
