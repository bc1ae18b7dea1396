#include "core/app_info.h"
#include "core/rule.h"
#include "support/memory_platform.h"

#include <QTest>

using namespace korvane;

class TestRule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parseExtensions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mixed separators")
            << "MD, *.markdown; .txt  md" << QStringList{"md", "markdown", "txt"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("only separators") << ",,;" << QStringList{};
        QTest::newRow("lone star") << "*" << QStringList{};
        QTest::newRow("lone dot") << "." << QStringList{};
        QTest::newRow("star and dots") << "*..." << QStringList{};
        QTest::newRow("every leading star and dot") << "**.*x" << QStringList{"x"};
        QTest::newRow("inner dots stay") << "..Tar.GZ" << QStringList{"tar.gz"};
        QTest::newRow("line feed and tab") << "md\ntxt\tc" << QStringList{"md", "txt", "c"};
        QTest::newRow("unicode spaces") << QString::fromUtf8("a\u00a0b\u2028c\u2029d\u3000e\u0085f")
                                        << QStringList{"a", "b", "c", "d", "e", "f"};
        QTest::newRow("full lower-casing")
            << QString::fromUtf8("\u00c9T\u00c9, \u0130X")
            << QStringList{QString::fromUtf8("\u00e9t\u00e9"), QString::fromUtf8("i\u0307x")};
        QTest::newRow("canonical duplicates") << QString::fromUtf8("caf\u00e9 cafe\u0301 CAF\u00c9")
                                              << QStringList{QString::fromUtf8("caf\u00e9")};
        QTest::newRow("kept as written")
            << QString::fromUtf8("cafe\u0301") << QStringList{QString::fromUtf8("cafe\u0301")};
        QTest::newRow("inner star stays") << "a*b" << QStringList{"a*b"};
    }

    void parseExtensions() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(Rule::parseExtensions(text), expected);
    }

    void parseIsIdempotent_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "MD, *.markdown; .txt  md";
        QTest::newRow("stars") << "**md, *.*x, .**y";
        QTest::newRow("lower-casing") << QString::fromUtf8("\u0130X \u00c9");
    }

    void parseIsIdempotent() {
        QFETCH(QString, text);
        const QStringList once = Rule::parseExtensions(text);
        QCOMPARE(Rule::parseExtensions(once.join(u',')), once);
    }

    void setApp() {
        MemoryPlatform platform;
        platform.addApplication("/Applications/Sublime Text.app", "com.sublimetext.4",
                                "Sublime Text.app");
        platform.addFile("/Users/me/tool", "tool");
        Rule rule;
        rule.extensions = {"md"};
        rule.setApp("/Applications/Sublime Text.app", platform);
        QCOMPARE(rule.bundleID, "com.sublimetext.4");
        QCOMPARE(rule.appPath, "/Applications/Sublime Text.app");
        QCOMPARE(rule.appName, "Sublime Text");
        QCOMPARE(rule.extensions, QStringList{"md"});

        rule.setApp("/Users/me/tool", platform);
        QCOMPARE(rule.bundleID, "");
        QCOMPARE(rule.appPath, "/Users/me/tool");
        QCOMPARE(rule.appName, "tool");
    }

    void displayName_data() {
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("shown");
        QTest::newRow("app suffix") << "Sublime Text.app"
                                    << "Sublime Text";
        QTest::newRow("upper-case suffix") << "Tool.APP"
                                           << "Tool.APP";
        QTest::newRow("one suffix only") << "X.app.app"
                                         << "X.app";
        QTest::newRow("no suffix") << "Preview"
                                   << "Preview";
    }

    void displayName() {
        QFETCH(QString, reported);
        QFETCH(QString, shown);
        MemoryPlatform platform;
        platform.addApplication("/Applications/A", "a", reported);
        QCOMPARE(AppInfo::displayName("/Applications/A", platform), shown);
    }

    void equality() {
        Rule a;
        a.extensions = {"md", "txt"};
        a.appName = QString::fromUtf8("Caf\u00e9");
        Rule b = a;
        b.appName = QString::fromUtf8("Cafe\u0301");
        QVERIFY(a == b);

        Rule reordered = a;
        reordered.extensions = {"txt", "md"};
        QVERIFY(!(a == reordered));

        Rule otherId = a;
        otherId.id = QUuid::createUuid();
        QVERIFY(!(a == otherId));

        Rule cased = a;
        cased.appName = QString::fromUtf8("CAF\u00c9");
        QVERIFY(!(a == cased));

        Rule grouped = a;
        grouped.group = TypeGroup::Text;
        QVERIFY(!(a == grouped));
    }

    void typeGroupRawValues_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("valid");
        QTest::newRow("images") << "images" << true;
        QTest::newRow("capitalised") << "Images" << false;
        QTest::newRow("singular") << "image" << false;
        QTest::newRow("code") << "code" << true;
        QTest::newRow("fonts") << "fonts" << false;
    }

    void typeGroupRawValues() {
        QFETCH(QString, raw);
        QFETCH(bool, valid);
        const auto group = TypeGroup::fromRawValue(raw);
        QCOMPARE(group.has_value(), valid);
        if (group) {
            QCOMPARE(group->rawValue(), raw);
        }
    }
};

QTEST_GUILESS_MAIN(TestRule)
#include "tst_rule.moc"
