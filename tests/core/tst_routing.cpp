#include "core/app_resolver.h"
#include "core/router.h"
#include "core/wording.h"
#include "support/model_fixture.h"

#include <QSignalSpy>

using namespace korvane;

namespace {
QStringList names(const QList<PendingFile>& files) {
    QStringList names;
    for (const PendingFile& file : files) {
        names << QFileInfo(file.path).fileName();
    }
    return names;
}
QUuid ruleId(const RouteResult& result) {
    return result.rule ? result.rule->id : QUuid();
}
} // namespace

// Routing: a file to its rule and app, then the model's drops, their summary, and the queue of
// files no rule claims.
class TestRouting : public QObject {
    Q_OBJECT

private:
    MemoryPlatform platform; // for routing alone: four installed apps

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
        row("video group", "@video>Player", "/d/m.mp4", 0);
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
        const QStringList files =
            (data<QString>("file") +
             " /d/a.md /d/b.txt /d/README /d/c.JPG /d/d.jpg /d/e.mp3 /d/f.qqq /d/h.txt")
                .split(u' ');
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
        QCOMPARE(AppResolver::resolve(rule, platform).value_or(QString()),
                 data<QString>("expected"));
    }

    // How a file's name or a message shows what can't be seen: text, whether line breaks stay,
    // and what is shown.
    void visibleText_data() {
        columns<QString, bool, QString>("text", "keepLineBreaks", "shown");
        row("a control character as its symbol", QString("a\tb"), true, QString("a\u2409b"));
        row("a line break as its symbol", QString("a\nb"), false, QString("a\u240ab"));
        row("a line break kept", QString("a\r\nb"), true, QString("a\u240d\nb"));
        row("delete", QString("a\x7f"), false, QString("a\u2421"));
        row("a C1 control and a stray byte", QString("\u0085") + QChar(0xdcff), false,
            QString("\ufffd\ufffd"));
        row("a character beyond U+FFFF, then a stray byte", QString("\U0001F4A9") + QChar(0xdca9),
            false, QString("\U0001F4A9\ufffd"));
        row("a direction override escaped", QString("a\u202eb"), false, QString("a\\u202eb"));
        row("plain text as it is", QString("R\u00e9sum\u00e9.md"), true,
            QString("R\u00e9sum\u00e9.md"));
    }

    void visibleText() {
        QCOMPARE(Wording::visible(data<QString>("text"), data<bool>("keepLineBreaks")),
                 data<QString>("shown"));
    }

    // A drop's rules, files ("-x" deleted, "x/" a folder), modifiers and folder setting, then
    // the summary, the open requests, the files left to ask about, and the failures counted.
    void handle_data() {
        columns<QString, QString, QString, QString, QString, QString, int>(
            "rules", "files", "setup", "message", "opens", "pending", "failures");
        row("all deleted", "", "-a.md -b.md", "", "Those files aren't there any more.", "", "", 2);
        row("one deleted", "", "-a.md", "", "That file isn't there any more.", "", "", 1);
        row("reveal", "md>Xed", "a.md b.txt docs/ -gone.md", "alt",
            "Revealed 3 items in Test Files", "", "", 1);
        row("reveal with no file manager answering", "", "a.md sub/b.md", "alt nofm",
            "Opened 2 folders in Test Files", "", "", 0);
        row("defaults: no default app known", "", "x.qqq y.qqq", "shift",
            "Asked the test desktop to open 2 items", "", "", 0);
        row("bogus behaviour opens folders", "", "docs/ more/", "bogus",
            "Opened 2 folders in Test Files", "", "", 0);
        row("revealed folders", "", "docs/", "revealInFinder", "Revealed 1 folder in Test Files",
            "", "", 0);
        row("two rules, one app, one request", "md>Xed txt>Xed", "a.md b.txt c.md", "",
            "Opened 3 files in Xed", "Xed: a.md, b.txt, c.md", "", 0);
        row("groups in first-seen order", "md>Xed png>Okular", "p.png a.md q.png", "",
            "Opened 3 files in 2 apps", "Okular: p.png, q.png | Xed: a.md", "", 0);
        row("every missing app named once, each file counted", "pdf>Gone zip>Lost md>Korvane",
            "a.pdf b.zip c.pdf d.md", "",
            "2 apps weren't found: Gone, Lost. Korvane can't open files for its own rules. Fix "
            "the rule below.",
            "", "", 4);
        row("unmatched wait, deleted counted", "png>Okular", "a.md -b.md c.txt", "", "1 missing",
            "", "a.md c.txt", 1);
        row("shift: the defaults", "png>Xed", "p.png x.qqq j.jpg", "shift",
            "Opened 2 files in Okular", "Okular: p.png, j.jpg", "", 0);
        row("everything at once", "md>Xed png>Okular @text>Sublime",
            "a.md b.txt -x.md p.png c.txt docs/ -y.md", "ignore",
            "Opened 3 files in 2 apps \u00b7 Okular couldn't open the file (boom) \u00b7 "
            "Ignored 1 folder \u00b7 2 missing",
            "Xed: a.md | Sublime Text: b.txt, c.txt | Okular: p.png", "", 3);
    }

    void handle() {
        ModelFixture f;
        f.addRules(data<QString>("rules").split(u' ', Qt::SkipEmptyParts));
        const QString& setup = data<QString>("setup");
        f.settings->setFolderBehavior(setup); // modifier words are no behaviour: folders open
        const QString& message = data<QString>("message");
        if (setup.contains("nofm")) {
            f.platform.setRevealer(QString());
        }
        if (message.contains("boom")) {
            f.platform.setOpenOutcome(ModelFixture::kOkular, MemoryPlatform::Outcome::Error,
                                      "boom");
        }
        QSignalSpy flashed(f.model.get(), &AppModel::flashed);
        f.model->handle(f.files(data<QString>("files").split(u' ')),
                        setup.contains("alt")     ? DropMode::Reveal
                        : setup.contains("shift") ? DropMode::Defaults
                                                  : DropMode::Route);
        QVERIFY(f.settle());
        QCOMPARE(flashed.size(), 1);
        QCOMPARE(f.model->message(), message);
        QCOMPARE(f.openOrders().join(" | "), data<QString>("opens"));
        QCOMPARE(names(f.model->pending() ? QList{*f.model->pending()} + f.model->queue()
                                          : f.model->queue())
                     .join(u' '),
                 data<QString>("pending"));
        QCOMPARE(f.model->failures(), data<int>("failures"));
        // Asked of the file manager whenever something is revealed, even if none answers.
        QCOMPARE(f.platform.orders(MemoryPlatform::Order::Reveal).isEmpty(),
                 !message.startsWith("Revealed") && !setup.contains("nofm"));
    }

    // Scripts over the queue: "drop FILES", "answer APP always|once", "cancel", "dismiss",
    // "remove FILE", "rule SPEC".
    void pendingQueue_data() {
        columns<QString, QString, QString, int>("script", "waiting", "opens", "rules");
        row("always: the waiting .md files go with it, in one launch",
            "drop a.md b.txt c.md | answer Sublime always | dismiss", "b.txt",
            "Sublime Text: a.md, c.md", 2);
        row("files a later rule claims open together",
            "drop a.md b.md c.md | rule md>Xed | cancel | dismiss", "-", "Xed: b.md, c.md", 2);
        row("no extension makes no rule", "drop README | answer Xed always", "-", "Xed: README", 1);
        row("a rule for the ending with a type of its own",
            "drop a.tar.gz b.gz c.x.gz d.tar.gz | answer Xed always | dismiss", "b.gz c.x.gz",
            "Xed: a.tar.gz, d.tar.gz", 2);
        row("dismissed while asking does nothing", "drop a.md b.md | dismiss", "a.md b.md", "", 1);
        row("a vanished file is skipped", "drop a.md b.md c.md | remove b.md | cancel | dismiss",
            "c.md", "", 1);
        row("a drop in between joins the queue", "drop a.md b.md | cancel | drop c.md | dismiss",
            "b.md c.md", "", 1);
        row("a rule for a missing app asks again",
            "drop a.md b.md | rule md>Gone | cancel | dismiss", "b.md", "", 2);
    }

    void pendingQueue() {
        ModelFixture f;
        QSignalSpy attention(f.model.get(), &AppModel::attentionNeeded);
        f.addRule("png>Okular");
        for (const QString& step : data<QString>("script").split(" | ")) {
            const QStringList words = step.split(u' ');
            if (words[0] == "drop") {
                f.model->handle(f.files(words.mid(1)), {});
            } else if (words[0] == "answer") {
                f.model->resolvePending(*f.model->pending(),
                                        "/apps/" + words[1].toLower() + ".desktop",
                                        words[2] == "always");
            } else if (words[0] == "cancel") {
                f.model->cancelPending();
            } else if (words[0] == "dismiss") {
                f.model->pendingDismissed();
            } else if (words[0] == "remove") {
                f.platform.removeFile(ModelFixture::kHome + words[1]);
            } else if (words[0] == "rule") {
                f.addRule(words[1]);
            }
        }
        QVERIFY(f.settle());
        QCOMPARE(((f.model->pending() ? names({*f.model->pending()}) : QStringList{"-"}) +
                  names(f.model->queue()))
                     .join(u' '),
                 data<QString>("waiting"));
        QCOMPARE(f.openOrders().join(" | "), data<QString>("opens"));
        QCOMPARE(f.model->store().rules().size(), data<int>("rules"));
        // The first question asks for the user's attention; later ones come quietly.
        QCOMPARE(attention.size(), 1);
    }

    // A launch that answers late still gets its own summary, and never reaches a model that is
    // gone.
    void lateLaunches() {
        auto f = std::make_unique<ModelFixture>();
        f->addRules({"md>Xed", "png>Okular"});
        f->platform.setOpenOutcome(ModelFixture::kXed, MemoryPlatform::Outcome::Hold);
        QSignalSpy flashed(f->model.get(), &AppModel::flashed);
        f->model->handle(f->files({"a.md", "b.md"}), {});
        f->model->handle(f->files({"p.png"}), {});
        QTRY_COMPARE(flashed.size(), 1);
        QCOMPARE(flashed.last().first().toString(), "Opened 1 file in Okular");
        f->platform.releaseHeld();
        QTRY_COMPARE(flashed.size(), 2);
        QCOMPARE(flashed.last().first().toString(), "Opened 2 files in Xed");

        f->model->handle(f->files({"c.md"}), {});
        f->model.reset();
        f->platform.releaseHeld(); // must not touch the model
        QTest::qWait(20);
    }
};

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
