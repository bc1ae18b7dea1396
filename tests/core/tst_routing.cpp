#include "core/app_resolver.h"
#include "core/links.h"
#include "core/router.h"
#include "support/model_fixture.h"
#include "wording/wording.h"

#include <QSignalSpy>
#include <QTemporaryDir>

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
        row("inside its folder", "md{/p}>Editor md>Viewer", "/p/n.md", 0);
        row("outside its folder", "md{/p}>Editor md>Viewer", "/q/n.md", 1);
        row("a longer name is no folder", "md{/p}>Editor", "/pp/n.md", -1);
        row("any of its folders, deep inside", "md{/q,/p/}>Editor", "/p/a/b/n.md", 0);
        row("the home folder", "md{~/p}>Editor", "~/p/n.md", 0);
        row("a relative folder holds nothing", "md{p,.}>Editor", "p/n.md", -1);
        row("folders alone claim any file there", "{/p}>Editor", "/p/README", 0);
        row("folders alone, only there", "{/p}>Editor", "/q/README", -1);
        row("an extension before folders alone", "{/p}>Editor md>Viewer", "/p/n.md", 1);
        row("folders alone before a later group", "{/p}>Editor @text>Viewer", "/p/n.md", 0);
        row("an earlier group before folders alone", "@text>Viewer {/p}>Editor", "/p/n.md", 0);
        row("a group only in its folder", "@text{/p}>Viewer", "/q/n.md", -1);
    }

    // Each file alone and all of them at once route alike; the costly type question is asked
    // once per distinct key.
    void route() {
        const QList<Rule> rules = rulesFrom(data<QString>("rules").split(u' ', Qt::SkipEmptyParts));
        const int index = data<int>("ruleIndex");
        const QString file = QString(data<QString>("file")).replace(u'~', QDir::homePath());
        const RouteResult result = Router::route(file, rules, platform);
        QCOMPARE(ruleId(result), index < 0 ? QUuid() : rules[index].id);
        const bool missing = index >= 0 && rules[index].appName == "Gone";
        QCOMPARE(result.kind, index < 0 ? RouteResult::None
                              : missing ? RouteResult::MissingApp
                                        : RouteResult::App);
        QCOMPARE(result.app, index < 0 || missing ? QString() : rules[index].appPath);

        const RouteExplanation why = Router::explain(file, rules, platform);
        QCOMPARE(why.winner, index);
        for (const RouteExplanation::Verdict& verdict : why.verdicts) {
            QVERIFY(verdict.beatenBy < 0 || verdict.beatenBy == index);
        }

        const int before = platform.typeQuestions();
        const QStringList files =
            (file + " /d/a.md /d/b.txt /d/README /d/c.JPG /d/d.jpg /d/e.mp3 /d/f.qqq /d/h.txt" +
             " /p/x.md /q/x.md /p/README")
                .split(u' ');
        const QList<RouteResult> all = Router::routeAll(files + files, rules, platform);
        QVERIFY(platform.typeQuestions() - before <= 6); // once per distinct key
        for (qsizetype i = 0; i < all.size(); ++i) {
            const RouteResult one = Router::route((files + files)[i], rules, platform);
            QVERIFY2(all[i].kind == one.kind && all[i].app == one.app && all[i].rule == one.rule,
                     qPrintable((files + files)[i]));
        }
    }

    // Each rule's part in a decision, in one line: its verdict, the ending it names, the rule
    // that takes the file before it.
    // Which link conditions name which links: schemes and hosts without regard to case, a host
    // with its subdomains over http and https only, a pattern for the whole link; a file's path
    // or a file: link is no link.
    void linkConditions_data() {
        columns<QString, QString, bool>("condition", "link", "matches");
        row("a scheme", "mailto:", "mailto:x@y.z", true);
        row("a scheme in capitals", "mailto:", "MAILTO:x@y.z", true);
        row("a host named like the scheme", "mailto:", "https://mailto.org/", false);
        row("a subdomain", "example.org", "https://www.example.org/a", true);
        row("a host in capitals", "Example.ORG", "http://EXAMPLE.org", true);
        row("a host that only ends alike", "example.org", "https://notexample.org/", false);
        row("a host that only starts alike", "example.org", "https://example.org.evil.com/", false);
        row("a host over another scheme", "example.org", "ftp://example.org/", false);
        row("a host in a mail address", "example.org", "mailto:a@example.org", false);
        row("a pattern", "https://github.com/*/pull/*", "https://GitHub.com/o/r/pull/12", true);
        row("a pattern that doesn't fit", "https://github.com/*/pull/*",
            "https://github.com/o/r/issues/1", false);
        row("a pattern's path keeps its case", "https://a.org/Docs/*", "https://a.org/docs/x",
            false);
        row("a pattern with signs of its own", "https://a.org/?q=(1)*", "https://a.org/?q=(1)x",
            true);
        row("a pattern at both ends", "*.pdf", "https://x.org/a.pdf", true);
        row("a file's path", "example.org", "/home/me/example.org", false);
        row("a file: link", "file:", "file:///home/me/a.md", false);
        row("a drive-like start", "c:", "c:/x", false);
    }

    void linkConditions() {
        QCOMPARE(Links::matches(data<QString>("condition"), data<QString>("link")),
                 data<bool>("matches"));
    }

    // A link goes by the links rules name, the first enabled rule with an app first; extensions
    // and groups never take links.
    void routeLinks() {
        const QList<Rule> rules =
            rulesFrom({"!md[example.org]>Editor", "@text>Editor", "[mailto: example.org]>Viewer",
                       "[*.org/*]>Player", "[other.net]>Gone"});
        auto routed = [&](const QString& link) {
            const RouteResult result = Router::routeLink(link, rules, platform);
            return result.kind == RouteResult::App          ? result.rule->appName
                   : result.kind == RouteResult::MissingApp ? "missing " + result.rule->appName
                                                            : QString("none");
        };
        QCOMPARE(routed("https://www.example.org/a.md"), "Viewer");
        QCOMPARE(routed("mailto:x@y.z"), "Viewer");
        QCOMPARE(routed("https://kde.org/x"), "Player");
        QCOMPARE(routed("https://other.net/b"), "missing Gone");
        QCOMPARE(routed("https://a.com/readme.txt"), "none");
    }

    // Links in a drop: by the rules' links, else to the desktop's app for the scheme (never
    // Korvane), else asked about; an answer for a link is no rule of extensions, and links are
    // no recent files.
    void dropWithLinks() {
        ModelFixture f;
        f.platform.addApplication("/apps/korvane.desktop", MemoryPlatform::kKorvaneId, "Korvane");
        f.platform.setDefault("x-scheme-handler/https", ModelFixture::kSublime);
        f.platform.setDefault("x-scheme-handler/gopher", "/apps/korvane.desktop");
        f.addRules({"[example.org]>Okular", "md>Xed"});
        f.model->handle(
            {"https://www.example.org/x", f.file("a.md"), "https://b.net/", "gopher://g.org/"},
            DropMode::Route);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), (QStringList{"Okular: https://www.example.org/x",
                                              "Sublime Text: https://b.net/", "Xed: a.md"}));
        QCOMPARE(f.model->pending()->path, "gopher://g.org/");
        f.model->resolvePending(*f.model->pending(), ModelFixture::kXed, false);
        QVERIFY(f.settle());
        QCOMPARE(f.model->store().rules().size(), 2); // answered once: no rule
        QCOMPARE(f.openOrders().last(), "Xed: gopher://g.org/");
        QCOMPARE(f.model->recents(), QStringList{ModelFixture::kHome + "a.md"});
        f.model->handle({"mailto:x@y.z"}, DropMode::Reveal); // nothing to show for a link
        QVERIFY(f.settle());
        QCOMPARE(f.platform.orders(MemoryPlatform::Order::Reveal).size(), 0);
        QCOMPARE(f.model->message(), "1 link can't be revealed in Test Files");

        // The window asks about a link no rule claims; the desktop's opener never does.
        f.model->handle({"https://b.net/"}, DropMode::Route, {}, UnclaimedLinks::Asked);
        QVERIFY(f.settle());
        QCOMPARE(f.model->pending()->path, "https://b.net/");
        f.model->handle({"https://c.net/"}, DropMode::ForDesktop);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders().last(), "Sublime Text: https://c.net/");
    }

    // "Always" for a link keeps its site (subdomains folded by the public suffixes) or its
    // scheme; the waiting links the new rule claims go with it in one launch, and files never.
    void learnLinks_data() {
        columns<QString, bool, QString, QString, QString>("drop", "always", "kept", "opens",
                                                          "waiting");
        row("a site and its other subdomains",
            "https://www.example.co.uk/a a.md https://shop.Example.co.uk/b https://other.net/c",
            true, "example.co.uk",
            "Okular: https://www.example.co.uk/a, https://shop.Example.co.uk/b",
            "https://other.net/c a.md");
        row("a mail link keeps its scheme", "mailto:a@b.c https://b.c/ mailto:d@e.f", true,
            "mailto:", "Okular: mailto:a@b.c, mailto:d@e.f", "https://b.c/");
        row("an address is its own site", "https://192.168.1.2:8080/x https://192.168.1.2/y", true,
            "192.168.1.2", "Okular: https://192.168.1.2:8080/x, https://192.168.1.2/y", "");
        row("another scheme with a host keeps the scheme", "ftp://www.example.org/f", true,
            "ftp:", "Okular: ftp://www.example.org/f", "");
        row("a web link with no site keeps nothing", "https://[2001:db8::1]/x", true, "",
            "Okular: https://[2001:db8::1]/x", "");
        row("once keeps nothing", "https://www.example.org/a https://example.org/b", false, "",
            "Okular: https://www.example.org/a", "https://example.org/b");
    }

    void learnLinks() {
        ModelFixture f;
        f.platform.setDefault("x-scheme-handler/https", ModelFixture::kSublime);
        QStringList items = data<QString>("drop").split(u' ');
        for (QString& item : items) {
            item = Links::isLink(item) ? item : f.file(item);
        }
        f.model->handle(items, DropMode::Route, {}, UnclaimedLinks::Asked);
        QVERIFY(f.settle());
        f.model->resolvePending(*f.model->pending(), ModelFixture::kOkular, data<bool>("always"));
        QVERIFY(f.settle());
        const QList<Rule>& rules = f.model->store().rules();
        QCOMPARE(rules.isEmpty() ? QString() : rules.first().links.join(u' '),
                 data<QString>("kept"));
        QVERIFY(rules.isEmpty() || rules.first().extensions.isEmpty());
        QCOMPARE(f.openOrders().join(" | "), data<QString>("opens"));
        QStringList waiting;
        for (const PendingFile& item : f.model->queue()) {
            waiting << QString(item.path).remove(ModelFixture::kHome);
        }
        QCOMPARE(waiting.join(u' '), data<QString>("waiting"));
    }

    void explain_data() {
        columns<QString, QString, QString>("rules", "file", "verdicts");
        row("extension, then a group it loses to", "!md>Editor md>Gone @text>Viewer txt>Player md>",
            "/d/n.md", "off | extension md | group <2 | none | no app");
        row("the longest ending named", "gz>Editor tar.gz>Other", "/d/b.tar.gz",
            "extension gz <2 | extension tar.gz");
        row("folders: outside, and alone", "md{/q}>Editor {/p}>Viewer", "/p/n.md",
            "outside | folders");
        row("no ending", "@text>Editor {/p}>Viewer", "/p/README", "none | folders");
    }

    void explain() {
        const QList<Rule> rules = rulesFrom(data<QString>("rules").split(u' ', Qt::SkipEmptyParts));
        static const char* const kinds[] = {"extension", "group",   "folders", "off",
                                            "no app",    "outside", "none"};
        QStringList lines;
        for (const RouteExplanation::Verdict& verdict :
             Router::explain(data<QString>("file"), rules, platform).verdicts) {
            QStringList parts{kinds[verdict.kind]};
            if (!verdict.extension.isEmpty()) {
                parts << verdict.extension;
            }
            if (verdict.beatenBy >= 0) {
                parts << QStringLiteral("<%1").arg(verdict.beatenBy + 1);
            }
            lines << parts.join(u' ');
        }
        QCOMPARE(lines.join(" | "), data<QString>("verdicts"));
    }

    // A folder holds a file by the path given and by the one it resolves to, either way round.
    void foldersByResolvedPath() {
        const QTemporaryDir temp;
        const QString real = temp.filePath("real");
        const QString link = temp.filePath("link");
        writeFile(real + "/n.md", "");
        QVERIFY(QFile::link(real, link));
        for (const auto& [folder, file] : {std::pair{real, link + "/n.md"},
                                           {link, real + "/n.md"},
                                           {temp.filePath("other"), real + "/n.md"}}) {
            const QList<Rule> rules{ruleFrom("md{" + folder + "}>Editor")};
            QCOMPARE(Router::route(file, rules, platform).kind,
                     folder.endsWith("other") ? RouteResult::None : RouteResult::App);
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

    // A drop's rules, files ("-x" deleted, "x/" a folder), keys, folder setting and failing
    // launch, then its report, the open requests, the files left to ask about, and the failures
    // counted.
    void handle_data() {
        using Reveal = DropReport::Reveal;
        using Folders = DropReport::Folders;
        columns<QString, QString, QString, DropReport, QString, QString, int>(
            "rules", "files", "setup", "report", "opens", "pending", "failures");
        row("all deleted", "", "-a.md -b.md", "",
            DropReport{.missingFiles = 2, .noneThere = true, .failed = true}, "", "", 2);
        row("reveal", "md>Xed", "a.md b.txt docs/ -gone.md", "alt",
            DropReport{.mode = DropMode::Reveal,
                       .missingFiles = 1,
                       .reveal = Reveal{.items = 3, .shownBy = "Test Files"},
                       .failed = true},
            "", "", 1);
        row("reveal with no file manager answering", "", "a.md sub/b.md", "alt nofm",
            DropReport{.mode = DropMode::Reveal, .reveal = Reveal{.items = 2, .parents = 2}}, "",
            "", 0);
        row("defaults: no default app known", "", "x.qqq y.qqq", "shift",
            DropReport{.mode = DropMode::Defaults, .handedToDesktop = 2}, "", "", 0);
        row("bogus behaviour opens folders", "", "docs/ more/", "bogus",
            DropReport{.folders = Folders::Opened, .folderCount = 2}, "", "", 0);
        row("revealed folders", "", "docs/", "revealInFinder",
            DropReport{.reveal = Reveal{.items = 1, .folders = true, .shownBy = "Test Files"},
                       .folders = Folders::Revealed,
                       .folderCount = 1},
            "", "", 0);
        row("two rules, one app, one request", "md>Xed txt>Xed", "a.md b.txt c.md", "",
            DropReport{.launches = {{"Xed", 3, {}}}}, "Xed: a.md, b.txt, c.md", "", 0);
        row("groups in first-seen order", "md>Xed png>Okular", "p.png a.md q.png", "",
            DropReport{.launches = {{"Okular", 2, {}}, {"Xed", 1, {}}}},
            "Okular: p.png, q.png | Xed: a.md", "", 0);
        row("every missing app named once, each file counted", "pdf>Gone zip>Lost md>Korvane",
            "a.pdf b.zip c.pdf d.md", "",
            DropReport{.missingApps = {"Gone", "Lost"}, .namesKorvane = true, .failed = true}, "",
            "", 4);
        row("unmatched wait, deleted counted", "png>Okular", "a.md -b.md c.txt", "",
            DropReport{.missingFiles = 1, .failed = true}, "", "a.md c.txt", 1);
        row("shift: the defaults", "png>Xed", "p.png x.qqq j.jpg", "shift",
            DropReport{.mode = DropMode::Defaults, .launches = {{"Okular", 2, {}}}},
            "Okular: p.png, j.jpg", "", 0);
        row("everything at once", "md>Xed png>Okular @text>Sublime",
            "a.md b.txt -x.md p.png c.txt docs/ -y.md", "ignore fail",
            DropReport{.missingFiles = 2,
                       .launches = {{"Xed", 1, {}}, {"Sublime Text", 2, {}}, {"Okular", 1, "boom"}},
                       .folders = Folders::Ignored,
                       .folderCount = 1,
                       .failed = true},
            "Xed: a.md | Sublime Text: b.txt, c.txt | Okular: p.png", "", 3);
    }

    void handle() {
        ModelFixture f;
        f.addRules(data<QString>("rules").split(u' ', Qt::SkipEmptyParts));
        const QString& setup = data<QString>("setup");
        // Its first word, if it is a folder behaviour; any other (a key) opens folders.
        f.settings->setFolderBehavior(setup.section(u' ', 0, 0));
        if (setup.contains("nofm")) {
            f.platform.setRevealer(QString());
        }
        if (setup.contains("fail")) {
            f.platform.setOpenOutcome(ModelFixture::kOkular, MemoryPlatform::Outcome::Error,
                                      "boom");
        }
        QSignalSpy flashed(f.model.get(), &AppModel::flashed);
        std::optional<DropReport> report;
        f.model->handle(f.files(data<QString>("files").split(u' ')),
                        setup.contains("alt")     ? DropMode::Reveal
                        : setup.contains("shift") ? DropMode::Defaults
                                                  : DropMode::Route,
                        [&](const DropReport& ended) { report = ended; });
        QVERIFY(f.settle());
        QCOMPARE(flashed.size(), 1); // one summary
        QVERIFY(report);
        QCOMPARE(*report, data<DropReport>("report"));
        QCOMPARE(f.openOrders().join(" | "), data<QString>("opens"));
        QCOMPARE(names(f.model->pending() ? QList{*f.model->pending()} + f.model->queue()
                                          : f.model->queue())
                     .join(u' '),
                 data<QString>("pending"));
        QCOMPARE(f.model->failures(), data<int>("failures"));
        // Asked of the file manager whenever something is revealed, even if none answers.
        QCOMPARE(!f.platform.orders(MemoryPlatform::Order::Reveal).isEmpty(),
                 report->reveal.has_value());
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

    // A launch that answers late still ends its own drop, and never reaches a model that is
    // gone.
    void lateLaunches() {
        auto f = std::make_unique<ModelFixture>();
        f->addRules({"md>Xed", "png>Okular"});
        f->platform.setOpenOutcome(ModelFixture::kXed, MemoryPlatform::Outcome::Hold);
        QList<DropReport::Launch> ended;
        auto record = [&](const DropReport& report) { ended << report.launches; };
        f->model->handle(f->files({"a.md", "b.md"}), {}, record);
        f->model->handle(f->files({"p.png"}), {}, record);
        QTRY_COMPARE(ended, (QList<DropReport::Launch>{{"Okular", 1, {}}}));
        f->platform.releaseHeld();
        QTRY_COMPARE(ended, (QList<DropReport::Launch>{{"Okular", 1, {}}, {"Xed", 2, {}}}));

        f->model->handle(f->files({"c.md"}), {}, record);
        f->model.reset();
        f->platform.releaseHeld(); // must not touch the model
        bool delivered = false;
        QTimer::singleShot(0, [&] { delivered = true; }); // comes after the held completion
        QTRY_VERIFY(delivered);
        QCOMPARE(ended.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
