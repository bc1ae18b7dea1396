#include "core/app_info.h"
#include "core/router.h"
#include "support/memory_platform.h"

#include <QTest>

using namespace korvane;

namespace {

// A compact way to write a rule list in a data table:
// "md,txt>Editor" (extensions), "@text>Editor" (group), "!md>Editor" (disabled),
// "md>" (no application), "md>Gone" (an application that is not installed).
Rule makeRule(const QString& spec) {
    Rule rule;
    QString text = spec;
    if (text.startsWith(u'!')) {
        rule.enabled = false;
        text.remove(0, 1);
    }
    const QString match = text.section(u'>', 0, 0);
    const QString app = text.section(u'>', 1);
    if (match.startsWith(u'@')) {
        rule.group = TypeGroup::fromRawValue(match.mid(1));
    } else {
        rule.extensions = Rule::parseExtensions(match);
    }
    if (!app.isEmpty()) {
        rule.appId = app.toLower() + ".desktop";
        rule.appPath = "/apps/" + app.toLower() + ".desktop";
        rule.appName = app;
    }
    return rule;
}

} // namespace

class TestRouter : public QObject {
    Q_OBJECT

private:
    MemoryPlatform platform;

private Q_SLOTS:
    void initTestCase() {
        for (const char* name : {"Editor", "Viewer", "Player", "Other"}) {
            const QString app = QString::fromLatin1(name);
            platform.addApplication("/apps/" + app.toLower() + ".desktop",
                                    app.toLower() + ".desktop", app);
        }
    }

    void extensionKey_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::newRow("upper case") << "/x/Photo.JPG"
                                    << "jpg";
        QTest::newRow("last dot") << "/x/backup.tar.gz"
                                  << "gz";
        QTest::newRow("no key") << "/x/README"
                                << "";
        QTest::newRow("dot-file") << "/x/.bashrc"
                                  << "";
        QTest::newRow("dot in folder") << "/x.y/file."
                                       << "";
        QTest::newRow("trailing slash") << "/x/Thing.App/"
                                        << "app";
        QTest::newRow("unicode") << QString::fromUtf8("/x/r\u00e9sum\u00e9.\u00c9T\u00c9")
                                 << QString::fromUtf8("\u00e9t\u00e9");
    }

    void extensionKey() {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QCOMPARE(Router::extensionKey(file), key);
    }

    void route_data() {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("ruleIndex"); // which rule matched, -1 for none

        const int app = RouteResult::App;
        const int missing = RouteResult::MissingApp;
        const int none = RouteResult::None;
        QTest::newRow("no extension, group rule")
            << QStringList{"@text>Editor"} << "/d/README" << none << -1;
        QTest::newRow("case-insensitive key")
            << QStringList{"jpg>Viewer"} << "/d/Photo.JPG" << app << 0;
        QTest::newRow("tar.gz never matches")
            << QStringList{"tar.gz>Other"} << "/d/b.tar.gz" << none << -1;
        QTest::newRow("gz matches")
            << QStringList{"tar.gz>Other", "gz>Editor"} << "/d/b.tar.gz" << app << 1;
        QTest::newRow("archives group")
            << QStringList{"@archives>Other"} << "/d/b.tar.gz" << app << 0;
        QTest::newRow("extension beats earlier group")
            << QStringList{"@text>Editor", "md>Viewer"} << "/d/notes.md" << app << 1;
        QTest::newRow("earlier extension wins")
            << QStringList{"md>Editor", "md>Viewer"} << "/d/notes.md" << app << 0;
        QTest::newRow("disabled skipped")
            << QStringList{"!md>Editor", "md>Viewer"} << "/d/n.md" << app << 1;
        QTest::newRow("no app skipped")
            << QStringList{"md>", "@text>Viewer"} << "/d/n.md" << app << 1;
        QTest::newRow("missing app ends search")
            << QStringList{"md>Gone", "md>Viewer"} << "/d/n.md" << missing << 0;
        QTest::newRow("missing group app ends search")
            << QStringList{"@images>Gone", "@images>Viewer"} << "/d/p.png" << missing << 0;
        QTest::newRow("dynamic type matches no group")
            << QStringList{"@text>Editor", "@archives>Other", "@code>Viewer"} << "/d/x.qqq" << none
            << -1;
        QTest::newRow("video group's second type")
            << QStringList{"@video>Player"} << "/d/m.mp4" << app << 0;
        QTest::newRow("audio is not video")
            << QStringList{"@video>Player"} << "/d/s.mp3" << none << -1;
        QTest::newRow("code descends from text")
            << QStringList{"@text>Editor"} << "/d/main.c" << app << 0;
        QTest::newRow("text is not code")
            << QStringList{"@code>Editor"} << "/d/a.txt" << none << -1;
        QTest::newRow("canonically equal key") << QStringList{QString::fromUtf8("caf\u00e9>Editor")}
                                               << QString::fromUtf8("/d/x.CAFE\u0301") << app << 0;
        QTest::newRow("no rules") << QStringList{} << "/d/a.txt" << none << -1;
    }

    void route() {
        QFETCH(QStringList, rules);
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(int, ruleIndex);
        QList<Rule> list;
        for (const QString& spec : rules) {
            list.append(makeRule(spec));
        }
        const RouteResult result = Router::route(file, list, platform);
        QCOMPARE(int(result.kind), kind);
        QCOMPARE(result.rule.has_value(), ruleIndex >= 0);
        if (ruleIndex >= 0) {
            QCOMPARE(result.rule->id, list[ruleIndex].id);
        }
        if (kind == RouteResult::App) {
            QCOMPARE(result.app, list[ruleIndex].appPath);
        }
    }

    void routeAllMatchesRoute() {
        const QList<Rule> rules{makeRule("md>Gone"), makeRule("@text>Editor"),
                                makeRule("jpg,png>Viewer"), makeRule("@audio>Player")};
        const QStringList files{"/d/a.md",  "/d/b.txt", "/d/README", "/d/c.JPG", "/d/d.jpg",
                                "/d/e.mp3", "/d/f.qqq", "/d/g.MD",   "/d/h.txt", "/d/i.mp3"};
        const int before = platform.typeQuestions();
        const QList<RouteResult> all = Router::routeAll(files, rules, platform);
        QCOMPARE(platform.typeQuestions() - before, 3); // txt, mp3, qqq: once per distinct key
        QCOMPARE(all.size(), files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            const RouteResult one = Router::route(files[i], rules, platform);
            QCOMPARE(all[i].kind, one.kind);
            QCOMPARE(all[i].app, one.app);
            QCOMPARE(all[i].rule.has_value(), one.rule.has_value());
            if (one.rule) {
                QCOMPARE(all[i].rule->id, one.rule->id);
            }
        }
    }

    // Only apps the platform finds by identifier: a stored path only tells the identifier.
    void resolve_data() {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("appPath");
        QTest::addColumn<QString>("expected"); // empty for none
        QTest::newRow("identifier wins over path") << "editor.desktop"
                                                   << "/apps/viewer.desktop"
                                                   << "/apps/editor.desktop";
        QTest::newRow("unknown identifier: never the path") << "gone.desktop"
                                                            << "/apps/viewer.desktop"
                                                            << "";
        QTest::newRow("no identifier: the installed app at the path") << ""
                                                                      << "/apps/viewer.desktop"
                                                                      << "/apps/viewer.desktop";
        QTest::newRow("no identifier: any other file") << ""
                                                       << "/tmp/evil.desktop"
                                                       << "";
        QTest::newRow("nothing at all") << ""
                                        << ""
                                        << "";
    }

    void resolve() {
        QFETCH(QString, appId);
        QFETCH(QString, appPath);
        QFETCH(QString, expected);
        Rule rule;
        rule.appId = appId;
        rule.appPath = appPath;
        QCOMPARE(AppInfo::resolve(rule, platform).value_or(QString()), expected);
    }
};

QTEST_GUILESS_MAIN(TestRouter)
#include "tst_router.moc"
