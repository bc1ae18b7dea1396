#include "core/rule_store.h"
#include "core/settings.h"
#include "support/test_data.h"

#include <QJsonDocument>
#include <QTemporaryDir>

using namespace korvane;

// The formats of the files users keep: the extension parser, the rules file and the settings.
class TestFileFormats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parseExtensions_data() {
        columns<QString, QStringList>("text", "expected");
        row("nothing but separators and stars", " ,;*..*\t", QStringList{});
        row("separators, case, duplicates", "MD, *.markdown; .txt  md",
            QStringList{"md", "markdown", "txt"});
        row("every leading star and dot", "**.*x", QStringList{"x"});
        row("inner dots and stars stay", "..Tar.GZ a*b", QStringList{"tar.gz", "a*b"});
        row("unicode spaces", "a\u00a0b\u2028c\u3000d\u0085e",
            QStringList{"a", "b", "c", "d", "e"});
        row("full lower-casing", "\u00c9T\u00c9, \u0130X",
            QStringList{"\u00e9t\u00e9", "i\u0307x"});
        row("canonical duplicates, first spelling kept", "cafe\u0301 caf\u00e9 CAF\u00c9",
            QStringList{"cafe\u0301"});
    }

    // Parsing is idempotent, so a rule reads back the same on every run.
    void parseExtensions() {
        const QStringList& expected = data<QStringList>("expected");
        QCOMPARE(Rule::parseExtensions(data<QString>("text")), expected);
        QCOMPARE(Rule::parseExtensions(expected.join(u',')), expected);
    }

    // The stored keys and formats users' files rely on; whatever a rule holds reads back equal,
    // even what UTF-8 cannot carry.
    void encodeAndRoundTrip() {
        Rule editor = ruleFrom("md, txt>Editor");
        editor.id = QUuid::fromString(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
        editor.appName = "Edit \"X\" \u00e9\\\t";
        Rule video = ruleFrom("!@video>");
        video.id = QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-0000000000AB"));
        const QByteArray encoded = RuleStore::encode({editor, video});
        QVERIFY(
            encoded.startsWith("[\n  {\n    \"appName\" : \"Edit \\\"X\\\" \xc3\xa9\\\\\\t\",\n"));
        QCOMPARE(
            QJsonDocument::fromJson(encoded).toJson(QJsonDocument::Compact),
            "[{\"appName\":\"Edit \\\"X\\\" \xc3\xa9\\\\\\t\",\"appPath\":\"/apps/editor."
            "desktop\",\"bundleID\":\"editor.desktop\",\"enabled\":true,\"extensions\":[\"md\","
            "\"txt\"],\"id\":\"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\"},{\"appName\":\"\","
            "\"appPath\":\"\",\"bundleID\":\"\",\"enabled\":false,\"extensions\":[],\"group\":"
            "\"video\",\"id\":\"00000000-0000-0000-0000-0000000000AB\"}]");
        Rule odd = ruleFrom("md, tar.gz, caf\u00e9>\u65e5\u672c");
        odd.group = TypeGroup::Code;
        odd.appName = QString(QChar(0xd800)) + 'x' + QChar(0xdc00) + "\U0001F600\x01";
        const QList<Rule> rules{editor, video, odd};
        QCOMPARE(RuleStore::decode(RuleStore::encode(rules)).value(), rules);
        QVERIFY(!(editor == video));
    }

    // A member of the wrong type is ignored; "enabled,extensions,group,appId" as read.
    void decodeMembers_data() {
        columns<QByteArray, QString>("object", "read");
        row("normalised extensions", QByteArray("{\"extensions\": [\".MD, *.txt\", \"md\"]}"),
            "1,md txt,,");
        row("a non-string extension drops them all", QByteArray("{\"extensions\": [\"md\", 1]}"),
            "1,,,");
        row("unknown group, app kept", QByteArray("{\"group\": \"Video\", \"bundleID\": \"b\"}"),
            "1,,,b");
        row("group", QByteArray("{\"group\": \"video\"}"), "1,,video,");
        row("wrong types", QByteArray("{\"enabled\": 0, \"bundleID\": 5}"), "1,,,");
        row("lower-case id kept", QByteArray("{\"id\": \"e621e1f8-c36c-495a-93fc-0c247a3e6e5f\"}"),
            "1,,,,e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
        row("id in braces replaced",
            QByteArray("{\"id\": \"{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}\"}"), "1,,,");
    }

    void decodeMembers() {
        const auto rules = RuleStore::decode("[" + data<QByteArray>("object") + ", {}]").value();
        const Rule& r = rules[0];
        QStringList read{r.enabled ? "1" : "0", r.extensions.join(u' '),
                         r.group ? r.group->rawValue() : QString(), r.appId};
        const QString id = r.id.toString(QUuid::WithoutBraces);
        if (data<QString>("read").count(u',') == 4) {
            read << id;
        }
        QCOMPARE(read.join(u','), data<QString>("read"));
        QVERIFY(!r.id.isNull() && r.id != rules[1].id); // always an id, never a shared one
    }

    // What is stored reads back as menu bar, folder behaviour and recent files; anything
    // unusable reads as the default.
    void settingsFile_data() {
        columns<QByteArray, QString>("conf", "read");
        row("nothing stored", QByteArray(), "1 openInFinder 0 ");
        row("ignore", QByteArray("folderBehavior=ignore\nshowMenuBar=false\n"), "0 ignore 2 ");
        row("recents not a list", QByteArray("recentFiles=/a/b\n"), "1 openInFinder 0 ");
        row("recents with a number", QByteArray("recentFiles=\"[\\\"/a\\\",1]\"\n"),
            "1 openInFinder 0 ");
        row("recents", QByteArray("recentFiles=\"[\\\"/a\\\",\\\"/b, c\\\"]\"\n"),
            "1 openInFinder 0 /a|/b, c");
    }

    void settingsFile() {
        QTemporaryDir temp;
        if (!data<QByteArray>("conf").isNull()) {
            writeFile(temp.filePath("Korvane.conf"), "[General]\n" + data<QByteArray>("conf"));
        }
        Settings settings(temp.filePath("Korvane.conf"));
        QCOMPARE(QStringList({settings.showMenuBar() ? "1" : "0", settings.folderBehaviorRaw(),
                              QString::number(int(settings.folderBehavior().value())),
                              settings.recentFiles().join(u'|')})
                     .join(u' '),
                 data<QString>("read"));
    }
};

QTEST_GUILESS_MAIN(TestFileFormats)
#include "tst_file_formats.moc"
