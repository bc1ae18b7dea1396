#include "core/rule_store.h"

#include <QTest>

using namespace korvane;

class TestRuleFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeExactBytes() {
        Rule sublime;
        sublime.id = QUuid::fromString(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
        sublime.extensions = {"md", "txt"};
        sublime.bundleID = "com.sublimetext.4";
        sublime.appPath = "/Applications/Sublime Text.app";
        sublime.appName = QString::fromUtf8("Sublime \"Text\" \u00e9\\");
        Rule video;
        video.id = QUuid::fromString(QStringLiteral("00000000-0000-0000-0000-0000000000AB"));
        video.enabled = false;
        video.group = TypeGroup::Video;

        const QByteArray expected = "[\n"
                                    "  {\n"
                                    "    \"appName\" : \"Sublime \\\"Text\\\" \xc3\xa9\\\\\",\n"
                                    "    \"appPath\" : \"\\/Applications\\/Sublime Text.app\",\n"
                                    "    \"bundleID\" : \"com.sublimetext.4\",\n"
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
        QCOMPARE(RuleStore::encode({sublime, video}), expected);
    }

    void encodeControlCharacters() {
        Rule rule;
        rule.appName = QString::fromUtf8("a\tb\nc\x01");
        const QByteArray bytes = RuleStore::encode({rule});
        QVERIFY(bytes.contains("\"a\\tb\\nc\\u0001\""));
        QCOMPARE(RuleStore::decode(bytes).value().first().appName, rule.appName);
    }

    void roundTrip() {
        Rule a;
        a.extensions = Rule::parseExtensions(QString::fromUtf8("md, tar.gz, caf\u00e9"));
        a.group = TypeGroup::Code;
        a.appPath = QString::fromUtf8("/Applications/\u65e5\u672c.app");
        // Lone surrogates, which UTF-8 cannot carry, and a pair, which it can.
        a.appName = QString(QChar(0xd800)) + QLatin1Char('x') + QChar(0xdc00) +
                    QString::fromUtf8("\U0001F600");
        Rule b;
        b.enabled = false;
        const QList<Rule> rules{a, b};
        QCOMPARE(RuleStore::decode(RuleStore::encode(rules)).value(), rules);

        Rule star;
        star.extensions = Rule::parseExtensions("**x");
        QCOMPARE(star.extensions, QStringList{"x"});
        QCOMPARE(RuleStore::decode(RuleStore::encode({star})).value().first().extensions,
                 QStringList{"x"});
    }

    void decodeTopLevel_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count"); // -1 for none

        QTest::newRow("empty array") << QByteArray("[]") << 0;
        QTest::newRow("object") << QByteArray("{\"id\": 1}") << -1;
        QTest::newRow("string") << QByteArray("\"x\"") << -1;
        QTest::newRow("number") << QByteArray("3") << -1;
        QTest::newRow("null") << QByteArray("null") << -1;
        QTest::newRow("not JSON") << QByteArray("rules: md") << -1;
        QTest::newRow("truncated") << QByteArray("[{\"extensions\": [\"md\"") << -1;
        QTest::newRow("empty bytes") << QByteArray() << -1;
        QTest::newRow("two objects and a number") << QByteArray("[{}, {}, 3]") << 2;
        QTest::newRow("only non-objects") << QByteArray("[1, \"a\", null, true, []]") << 0;
        QTest::newRow("deeply nested") << QByteArray(10000, '[') + QByteArray(10000, ']') << -1;
        QTest::newRow("deep but legal") << QByteArray(100, '[') + QByteArray(100, ']') << 0;
    }

    void decodeTopLevel() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        const auto rules = RuleStore::decode(bytes);
        QCOMPARE(rules ? int(rules->size()) : -1, count);
    }

    void decodeRandomBytes() {
        QByteArray noise(1 << 20, Qt::Uninitialized);
        quint32 state = 12345;
        for (char& c : noise) {
            state = state * 1664525u + 1013904223u;
            c = char(state >> 24);
        }
        noise[0] = '['; // a plausible start still fails as a whole
        QVERIFY(!RuleStore::decode(noise));
    }

    void decodeMembers_data() {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<QString>("group"); // raw value, empty for none
        QTest::addColumn<QString>("bundleID");

        QTest::newRow("extensions only") << QByteArray("{\"extensions\": [\"MD, TXT\"]}") << true
                                         << QStringList{"md", "txt"} << ""
                                         << "";
        QTest::newRow("unknown group") << QByteArray("{\"group\": \"fonts\", \"bundleID\": \"b\"}")
                                       << true << QStringList{} << ""
                                       << "b";
        QTest::newRow("capitalised group")
            << QByteArray("{\"group\": \"Video\"}") << true << QStringList{} << ""
            << "";
        QTest::newRow("group") << QByteArray("{\"group\": \"video\"}") << true << QStringList{}
                               << "video"
                               << "";
        QTest::newRow("null group")
            << QByteArray("{\"group\": null}") << true << QStringList{} << ""
            << "";
        QTest::newRow("disabled") << QByteArray("{\"enabled\": false}") << false << QStringList{}
                                  << ""
                                  << "";
        QTest::newRow("enabled as number")
            << QByteArray("{\"enabled\": 0}") << true << QStringList{} << ""
            << "";
        QTest::newRow("extensions as string")
            << QByteArray("{\"extensions\": \"md\"}") << true << QStringList{} << ""
            << "";
        QTest::newRow("one non-string extension")
            << QByteArray("{\"extensions\": [\"md\", 1]}") << true << QStringList{} << ""
            << "";
        QTest::newRow("normalised") << QByteArray("{\"extensions\": [\".MD\", \"*.txt\", \"md\"]}")
                                    << true << QStringList{"md", "txt"} << ""
                                    << "";
        QTest::newRow("wrong key case") << QByteArray("{\"bundleId\": \"x\", \"BundleID\": \"y\"}")
                                        << true << QStringList{} << ""
                                        << "";
        QTest::newRow("bundle as number")
            << QByteArray("{\"bundleID\": 5}") << true << QStringList{} << ""
            << "";
    }

    void decodeMembers() {
        QFETCH(QByteArray, object);
        QFETCH(bool, enabled);
        QFETCH(QStringList, extensions);
        QFETCH(QString, group);
        QFETCH(QString, bundleID);
        const auto rules = RuleStore::decode("[" + object + "]");
        QVERIFY(rules);
        QCOMPARE(rules->size(), 1);
        const Rule& rule = rules->first();
        QCOMPARE(rule.enabled, enabled);
        QCOMPARE(rule.extensions, extensions);
        QCOMPARE(rule.group ? rule.group->rawValue() : QString(), group);
        QCOMPARE(rule.bundleID, bundleID);
        QCOMPARE(rule.appPath, "");
        QVERIFY(!rule.id.isNull());
    }

    void decodeIds_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("kept");
        QTest::newRow("lower case") << "e621e1f8-c36c-495a-93fc-0c247a3e6e5f" << true;
        QTest::newRow("upper case") << "E621E1F8-C36C-495A-93FC-0C247A3E6E5F" << true;
        QTest::newRow("braces") << "{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}" << false;
        QTest::newRow("garbage") << "not-a-uuid" << false;
        QTest::newRow("too short") << "E621E1F8-C36C-495A-93FC-0C247A3E6E5" << false;
    }

    void decodeIds() {
        QFETCH(QString, id);
        QFETCH(bool, kept);
        const auto rules = RuleStore::decode("[{\"id\": \"" + id.toUtf8() + "\"}]").value();
        const QString written = rules.first().id.toString(QUuid::WithoutBraces).toUpper();
        QCOMPARE(written == id.toUpper(), kept);
        QVERIFY(!rules.first().id.isNull());
        const QByteArray again = RuleStore::encode(rules);
        QVERIFY(again.contains("\"id\" : \"" + written.toUtf8() + "\""));
    }

    void missingIdsAreFresh() {
        const auto rules = RuleStore::decode("[{}, {}]").value();
        QVERIFY(rules[0].id != rules[1].id);
    }
};

QTEST_GUILESS_MAIN(TestRuleFile)
#include "tst_rule_file.moc"
