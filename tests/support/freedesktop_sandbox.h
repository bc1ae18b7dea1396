#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

namespace korvane {

struct Rule;

// A private desktop for tests: XDG directories, a MIME database, desktop entries whose program
// records its arguments, and optionally a session bus.
// Build it before anything calls GLib: GLib reads the XDG variables once.
class FreedesktopSandbox {
public:
    struct Launch {
        QString as;
        QList<QByteArray> raw; // the arguments' exact bytes
    };
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    FreedesktopSandbox();
    ~FreedesktopSandbox();

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString root() const { return m_root.path(); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString userApplications() const { return dataHome() + QStringLiteral("/applications"); }
    QString rulesDirectory() const { return dataHome() + QStringLiteral("/Korvane"); }
    QString mimeappsList() const { return configHome() + QStringLiteral("/mimeapps.list"); }
    // A file in the sandbox's scratch folder, created with the content given ("x/" a folder).
    QString makeFile(const QString& name, const QByteArray& content = {}) const;
    // The path of a sandbox entry by its ID.
    QString entry(const QString& id) const;
    // The desktop ID of a sandbox app by its name: "Test Editor" is korvane-test-editor.desktop.
    static QString idOf(const QString& name);
    void writeRules(const QList<Rule>& rules) const;
    // Rules by spec (see ruleFrom), their apps the sandbox's: "md>Test Editor".
    void writeRules(const QStringList& specs) const;
    QList<Rule> rules() const;

    // Every invocation of the recorder programs so far, in order.
    QList<Launch> launches() const;
    // Each argument the recorders were given, "editor: PATH" (file: URLs as paths), sorted, once
    // `count` have arrived, and a moment later so that no extra one goes unseen.
    QStringList launched(int count) const;
    void clearLaunches() const;

    // Starts a private session bus, exported to this process's environment.
    bool startSessionBus();
    QStringList revealed() const; // one line per ShowItems call of the fake file manager

    // Runs a program in the sandbox's files folder (korvane by default), with `input` on its
    // standard input.
    Run run(const QStringList& arguments, const QByteArray& input = {},
            const QString& program = {}) const;
    // Runs a korvane command line, split at spaces, "@" standing for the root.
    Run run(const QString& line) const { return run(rooted(line).split(u' ')); }
    QString rooted(const QString& text) const { return QString(text).replace(u'@', root()); }

private:
    bool runTool(const QString& program, const QStringList& arguments);

    QTemporaryDir m_root;
    QString m_error;
    std::unique_ptr<QProcess> m_bus;
};

// The sandbox of the running test program.
inline FreedesktopSandbox* sandbox = nullptr;

// A test program's main(): the sandbox first, since GLib reads the XDG variables once; then a
// session bus when asked, `setUp`, and the tests.
template <typename Test>
int runSandboxed(int argc, char** argv, bool bus = false, const std::function<void()>& setUp = {}) {
    FreedesktopSandbox box;
    sandbox = &box;
    if (!box.isValid() || (bus && !box.startSessionBus())) {
        qWarning("%s", qPrintable(box.error()));
        return 1;
    }
    if (setUp) {
        setUp();
    }
    QCoreApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace korvane
