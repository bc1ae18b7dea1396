#include "core/rule_store.h"
#include "support/memory_platform.h"

#include <QTest>

using namespace korvane;

// Rules: the extension parser and the rules-file format.
class TestRule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parseExtensions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing but separators and stars") << " ,;*..*\t" << QStringList{};
        QTest::newRow("separators, case, duplicates")
            << "MD, *.markdown; .txt  md" << QStringList{"md", "markdown", "txt"};
        QTest::newRow("every leading star and dot") << "**.*x" << QStringList{"x"};
        QTest::newRow("inner dots and stars stay")
            << "..Tar.GZ a*b" << QStringList{"tar.gz", "a*b"};
        QTest::newRow("unicode spaces") << QString::fromUtf8("a\u00a0b\u2028c\u3000d\u0085e")
                                        << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("full lower-casing")
            << QString::fromUtf8("\u00c9T\u00c9, \u0130X")
            << QStringList{QString::fromUtf8("\u00e9t\u00e9"), QString::fromUtf8("i\u0307x")};
        QTest::newRow("canonical duplicates, first spelling kept")
            << QString::fromUtf8("cafe\u0301 caf\u00e9 CAF\u00c9")
            << QStringList{QString::fromUtf8("cafe\u0301")};
    }

    // Parsing is idempotent, so a rule reads back the same on every run.
    void parseExtensions() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(Rule::parseExtensions(text), expected);
        QCOMPARE(Rule::parseExtensions(expected.join(u',')), expected);
    }

    void encodeExactBytes() {
        Rule editor;
        editor.id = QUuid::fromString(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
        editor.extensions = {"md", "txt"};
        editor.appId = "editor.desktop";
        editor.appPath = "/apps/editor.desktop";
        editor.appName = QString::fromUtf8("Edit \"X\" \u00e9\\\t");
        Rule video;
        video.id = QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-0000000000AB"));
        video.enabled = false;
        video.group = TypeGroup::Video;
        const QByteArray expected = "[\n"
                                    "  {\n"
                                    "    \"appName\" : \"Edit \\\"X\\\" \xc3\xa9\\\\\\t\",\n"
                                    "    \"appPath\" : \"\\/apps\\/editor.desktop\",\n"
                                    "    \"bundleID\" : \"editor.desktop\",\n"
                                    "    \"enabled\" : true,\n"
                                    "    \"extensions\" : [\n"
                                    "      \"md\",\n"
                                    "      \"txt\"\n"
                                    "    ],\n"
                                    "    \"id\" : \"E621E1F8-C36C-495A-93FC-0C247A3E6E5F\"\n"
                                    "  },\n"
                                    "  {\n"
                                    "    \"appName\" : \"\",\n"
                                    "    \"appPath\" : \"\",\n"
                                    "    \"bundleID\" : \"\",\n"
                                    "    \"enabled\" : false,\n"
                                    "    \"extensions\" : [],\n"
                                    "    \"group\" : \"video\",\n"
                                    "    \"id\" : \"00000000-0000-0000-0000-0000000000AB\"\n"
                                    "  }\n"
                                    "]";
        QCOMPARE(RuleStore::encode({editor, video}), expected);
    }

    // Whatever a rule holds reads back equal, even what UTF-8 cannot carry.
    void roundTrip() {
        Rule a;
        a.extensions = Rule::parseExtensions(QString::fromUtf8("md, tar.gz, caf\u00e9"));
        a.group = TypeGroup::Code;
        a.appPath = QString::fromUtf8("/apps/\u65e5\u672c.desktop");
        a.appName = QString(QChar(0xd800)) + QLatin1Char('x') + QChar(0xdc00) +
                    QString::fromUtf8("\U0001F600\x01");
        Rule b;
        b.enabled = false;
        const QList<Rule> rules{a, b};
        QCOMPARE(RuleStore::decode(RuleStore::encode(rules)).value(), rules);
        QVERIFY(!(a == b));
    }

    void decodeTopLevel_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count"); // -1 for none
        QTest::newRow("empty array") << QByteArray("[]") << 0;
        QTest::newRow("not an array") << QByteArray("{\"id\": 1}") << -1;
        QTest::newRow("not JSON") << QByteArray("rules: md") << -1;
        QTest::newRow("truncated") << QByteArray("[{\"extensions\": [\"md\"") << -1;
        QTest::newRow("non-objects skipped") << QByteArray("[{}, 1, \"a\", null, {}]") << 2;
        QTest::newRow("nested too deep") << QByteArray(10000, '[') + QByteArray(10000, ']') << -1;
    }

    void decodeTopLevel() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        const auto rules = RuleStore::decode(bytes);
        QCOMPARE(rules ? int(rules->size()) : -1, count);
    }

    void decodeMembers_data() {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("appId");
        QTest::newRow("normalised extensions")
            << QByteArray("{\"extensions\": [\".MD, *.txt\", \"md\"]}") << true
            << QStringList{"md", "txt"} << ""
            << "";
        QTest::newRow("a non-string extension drops them all")
            << QByteArray("{\"extensions\": [\"md\", 1]}") << true << QStringList{} << ""
            << "";
        QTest::newRow("unknown group, app kept")
            << QByteArray("{\"group\": \"Video\", \"bundleID\": \"b\"}") << true << QStringList{}
            << ""
            << "b";
        QTest::newRow("group") << QByteArray("{\"group\": \"video\"}") << true << QStringList{}
                               << "video"
                               << "";
        QTest::newRow("wrong types")
            << QByteArray("{\"enabled\": 0, \"bundleID\": 5}") << true << QStringList{} << ""
            << "";
        QTest::newRow("disabled") << QByteArray("{\"enabled\": false}") << false << QStringList{}
                                  << ""
                                  << "";
    }

    void decodeMembers() {
        QFETCH(QByteArray, object);
        QFETCH(bool, enabled);
        QFETCH(QStringList, extensions);
        QFETCH(QString, group);
        QFETCH(QString, appId);
        const Rule rule = RuleStore::decode("[" + object + "]").value().value(0);
        QCOMPARE(rule.enabled, enabled);
        QCOMPARE(rule.extensions, extensions);
        QCOMPARE(rule.group ? rule.group->rawValue() : QString(), group);
        QCOMPARE(rule.appId, appId);
    }

    void decodeIds_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("kept");
        QTest::newRow("lower case") << "e621e1f8-c36c-495a-93fc-0c247a3e6e5f" << true;
        QTest::newRow("braces") << "{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}" << false;
        QTest::newRow("garbage") << "not-a-uuid" << false;
    }

    void decodeIds() {
        QFETCH(QString, id);
        QFETCH(bool, kept);
        const auto rules = RuleStore::decode("[{\"id\": \"" + id.toUtf8() + "\"}, {}]").value();
        QCOMPARE(rules[0].id.toString(QUuid::WithoutBraces) == id.toLower(), kept);
        QVERIFY(!rules[0].id.isNull() && rules[0].id != rules[1].id);
    }
};

QTEST_GUILESS_MAIN(TestRule)
#include "tst_rule.moc"
