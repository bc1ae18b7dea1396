#include "core/app_info.h"
#include "core/router.h"
#include "support/memory_platform.h"
#include "support/test_data.h"

using namespace korvane;

namespace {
QUuid ruleId(const RouteResult& result) {
    return result.rule ? result.rule->id : QUuid();
}
} // namespace

class TestRouter : public QObject {
    Q_OBJECT

private:
    MemoryPlatform platform;

private Q_SLOTS:
    void initTestCase() {
        for (const QString app : {"Editor", "Viewer", "Player", "Other"}) {
            platform.addApplication("/apps/" + app.toLower() + ".desktop",
                                    app.toLower() + ".desktop", app);
        }
    }

    void route_data() {
        columns<QString, QString, int>("rules", "file", "ruleIndex"); // -1: none matched
        row("no extension, group rule", "@text>Editor", "/d/README", -1);
        row("a dot in a folder is no ending", "md>Editor", "/d.md/README", -1);
        row("a dot-file has no ending", "md>Editor", "/d/.md", -1);
        row("a folder's name", "app>Editor", "/d/Thing.App/", 0);
        row("full lower-casing", "\u00e9t\u00e9>Editor", "/d/r\u00e9sum\u00e9.\u00c9T\u00c9", 0);
        row("case-insensitive key", "jpg>Viewer", "/d/Photo.JPG", 0);
        row("tar.gz before gz", "tar.gz>Other gz>Editor", "/d/b.TAR.gz", 0);
        row("tar.gz after gz", "gz>Editor tar.gz>Other", "/d/b.tar.gz", 1);
        row("tar.gz beats an earlier group", "@archives>Editor tar.gz>Other", "/d/b.tar.gz", 1);
        row("a group, for want of an ending", "tar.gz>Other @archives>Editor", "/d/b.gz", 1);
        row("an ending needs a name before it", "tar.gz>Other", "/d/.tar.gz", -1);
        row("the name is no ending", "tar.gz>Other", "/d/tar.gz", -1);
        row("three parts", "gz>Editor tar.gz>Viewer x.tar.gz>Other", "/d/a.x.tar.gz", 2);
        row("extension beats earlier group", "@text>Editor md>Viewer", "/d/n.md", 1);
        row("earlier extension wins", "md>Editor md>Viewer", "/d/n.md", 0);
        row("disabled skipped", "!md>Editor md>Viewer", "/d/n.md", 1);
        row("no app skipped", "md> @text>Viewer", "/d/n.md", 1);
        row("missing app ends search", "md>Gone md>Viewer", "/d/n.md", 0);
        row("dynamic type matches no group", "@text>Editor @archives>Other @code>Viewer",
            "/d/x.qqq", -1);
        row("video group's second type", "@video>Player", "/d/m.mp4", 0);
        row("code descends from text", "@text>Editor", "/d/main.c", 0);
        row("canonically equal key", "caf\u00e9>Editor", "/d/x.CAFE\u0301", 0);
        row("no rules", "", "/d/a.txt", -1);
    }

    // Each file alone and all of them at once route alike; the costly type question is asked
    // once per distinct key.
    void route() {
        const QList<Rule> rules = rulesFrom(data<QString>("rules").split(u' ', Qt::SkipEmptyParts));
        const int index = data<int>("ruleIndex");
        const RouteResult result = Router::route(data<QString>("file"), rules, platform);
        QCOMPARE(ruleId(result), index < 0 ? QUuid() : rules[index].id);
        const bool missing = index >= 0 && rules[index].appName == "Gone";
        QCOMPARE(result.kind, index < 0 ? RouteResult::None
                              : missing ? RouteResult::MissingApp
                                        : RouteResult::App);
        QCOMPARE(result.app, index < 0 || missing ? QString() : rules[index].appPath);

        const int before = platform.typeQuestions();
        const QStringList files{data<QString>("file"),
                                "/d/a.md",
                                "/d/b.txt",
                                "/d/README",
                                "/d/c.JPG",
                                "/d/d.jpg",
                                "/d/e.mp3",
                                "/d/f.qqq",
                                "/d/h.txt"};
        const QList<RouteResult> all = Router::routeAll(files + files, rules, platform);
        QVERIFY(platform.typeQuestions() - before <= 6); // once per distinct key
        for (qsizetype i = 0; i < all.size(); ++i) {
            const RouteResult one = Router::route((files + files)[i], rules, platform);
            QCOMPARE(all[i].kind, one.kind);
            QCOMPARE(all[i].app, one.app);
            QCOMPARE(ruleId(all[i]), ruleId(one));
        }
    }

    // Only apps the platform finds by identifier: a stored path only tells the identifier.
    void resolve_data() {
        columns<QString, QString, QString>("appId", "appPath", "expected");
        row("identifier wins over path", "editor.desktop", "/apps/viewer.desktop",
            "/apps/editor.desktop");
        row("unknown identifier: never the path", "gone.desktop", "/apps/viewer.desktop", "");
        row("no identifier: the installed app at the path", "", "/apps/viewer.desktop",
            "/apps/viewer.desktop");
        row("no identifier: any other file", "", "/tmp/evil.desktop", "");
        row("nothing at all", "", "", "");
    }

    void resolve() {
        Rule rule;
        rule.appId = data<QString>("appId");
        rule.appPath = data<QString>("appPath");
        QCOMPARE(AppInfo::resolve(rule, platform).value_or(QString()), data<QString>("expected"));
    }
};

QTEST_GUILESS_MAIN(TestRouter)
#include "tst_router.moc"
