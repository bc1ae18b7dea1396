#include "instance/instance_message.h"
#include "instance/window_start.h"
#include "support/test_data.h"

#include <QJsonDocument>

using namespace korvane;

namespace {
QByteArray line(const QStringList& files, DropMode mode, bool reply) {
    return QJsonDocument(InstanceMessage::open(files, mode, reply)).toJson(QJsonDocument::Compact);
}
QByteArray base64(const QByteArray& path) {
    return '"' + path.toBase64() + '"';
}
} // namespace

// What a peer sends is read as a request, or refused whole; messages of earlier versions read
// the same.
class TestInstanceMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data() {
        columns<QByteArray, QString, QStringList, int, bool>("line", "command", "files", "mode",
                                                             "reply");
        const QString stray = "/a" + QString(QChar(0xdcff)) + "\U0001F4A9.md";
        row("written by this version", line({"/a.md", stray}, DropMode::Defaults, true), "open",
            QStringList{"/a.md", stray}, int(DropMode::Defaults), true);
        row("show", QByteArray("{\"command\":\"show\",\"activation\":\"t\"}"), "show",
            QStringList(), 0, false);
        // A drop's mode by name, or by the keys that meant it for earlier versions.
        const QByteArray open = "{\"command\":\"open\",\"paths\":[" + base64("/a") + "]";
        const QStringList a{"/a"};
        row("Alt", open + ",\"modifiers\":134217728}", "open", a, int(DropMode::Reveal), false);
        row("Shift", open + ",\"modifiers\":33554432}", "open", a, int(DropMode::Defaults), false);
        row("Alt and Shift", open + ",\"modifiers\":167772160}", "open", a, int(DropMode::Reveal),
            false);
        row("the name wins", open + ",\"mode\":\"route\",\"modifiers\":134217728}", "open", a,
            int(DropMode::Route), false);
        row("an unknown name: the keys", open + ",\"mode\":\"later\",\"modifiers\":33554432}",
            "open", a, int(DropMode::Defaults), false);
        row("a mode of the wrong type", open + ",\"mode\":2,\"reply\":\"yes\"}", "open", a, 0,
            false);
        const QStringList many(20'000, "/" + QString(200, u'x'));
        row("a large hand-over", line(many, DropMode::Route, false), "open", many, 0, false);
    }

    void parse() {
        const auto request = InstanceMessage::parse(data<QByteArray>("line"));
        QVERIFY(request);
        QCOMPARE(request->command, data<QString>("command"));
        QCOMPARE(request->files, data<QStringList>("files"));
        QCOMPARE(int(request->mode), data<int>("mode"));
        QCOMPARE(request->reply, data<bool>("reply"));
    }

    // Each is refused whole: nothing of it is opened.
    void refused_data() {
        columns<QByteArray>("line");
        auto open = [](const QByteArray& paths) {
            return "{\"command\":\"open\",\"paths\":" + paths + "}";
        };
        row("not JSON", QByteArray("open /a"));
        row("cut short", open("[" + base64("/a")).left(30));
        row("not an object", "[" + base64("/a") + "]");
        row("an unknown command", QByteArray("{\"command\":\"quit\"}"));
        row("a command of the wrong type", QByteArray("{\"command\":[\"open\"]}"));
        row("no paths", QByteArray("{\"command\":\"open\",\"mode\":\"route\"}"));
        row("no path", open("[]"));
        row("paths not a list", open(base64("/a")));
        row("a path that is no text", open("[" + base64("/a") + ",7]"));
        row("a path that is not base64", open("[\"L2E*\"]"));
        row("a relative path", open("[" + base64("a.md") + "]"));
        row("huge and no JSON", QByteArray(10'000'000, 'x'));
        row("nested past any depth", QByteArray(100'000, '['));
        row("a path with a NUL byte", open("[" + base64(QByteArray("/a\0b", 4)) + "]"));
    }

    void refused() { QVERIFY(!InstanceMessage::parse(data<QByteArray>("line"))); }

    // A window of an earlier version reads the mode by the keys that meant it.
    void keysForEarlierWindows() {
        QCOMPARE(InstanceMessage::open({"/a"}, DropMode::Reveal, false).value("modifiers"),
                 int(Qt::AltModifier));
        QCOMPARE(InstanceMessage::open({"/a"}, DropMode::Defaults, false).value("modifiers"),
                 int(Qt::ShiftModifier));
    }

    // With the sheet's program missing, asking fails and says why, rather than answering that
    // it started.
    void askAloneWithoutTheProgram() {
        QVERIFY(!WindowStart::askAlone({"/nowhere/a.md"}, WindowStart::AskIn::NewProcess));
        QCOMPARE(errno, ENOENT);
    }

    // The launcher's activation token is kept, but never more than 1,024 characters of it.
    void activationToken() {
        const QString token(5000, u't');
        const auto request = InstanceMessage::parse("{\"command\":\"show\",\"activation\":\"" +
                                                    token.toLatin1() + "\"}");
        QCOMPARE(request.value().token, token.left(1024));
    }
};

QTEST_GUILESS_MAIN(TestInstanceMessage)
#include "tst_instance_message.moc"
