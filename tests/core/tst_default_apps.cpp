#include "support/model_fixture.h"
#include "support/test_data.h"

using namespace korvane;
using Outcome = MemoryPlatform::DefaultOutcome;
using Kind = DefaultOutcome::Kind;

namespace {

// One extension's outcome.
DefaultOutcome run(DefaultAppManager& manager, bool set, const QString& ext,
                   const QString& app = {}) {
    std::optional<DefaultOutcome> ended;
    auto done = [&](const DefaultOutcome& outcome) { ended = outcome; };
    set ? manager.setDefault(ext, app, done) : manager.restore(ext, done);
    (void)QTest::qWaitFor([&] { return ended.has_value(); }, 2000);
    return ended.value_or(DefaultOutcome::failed(ext, Kind::Failed, "no answer"));
}

// Runs the make-default or restore command of the window on a rule; answers its report.
DefaultsReport command(ModelFixture& f, bool make, const Rule& rule) {
    std::optional<DefaultsReport> report;
    QEventLoop loop; // as the command line waits: every queued step runs at once
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    auto done = [&](const DefaultsReport& r) {
        report = r;
        loop.quit();
    };
    make ? f.model->makeDefault(rule, done) : f.model->restoreDefaults(rule, done);
    if (!report) {
        loop.exec();
    }
    return report.value_or(DefaultsReport{.problem = "no report"});
}

QList<int> kindsOf(const QList<DefaultOutcome>& outcomes) {
    QList<int> kinds;
    for (const DefaultOutcome& outcome : outcomes) {
        kinds << outcome.kind;
    }
    return kinds;
}
QList<int> kindsOf(const DefaultsReport& report) {
    return kindsOf(report.outcomes);
}

// Turns the opener on (for files) or off, or to `scope`; with none, follows the rules. Answers
// its report.
DesktopOpener::Report turnOpener(ModelFixture& f, std::optional<DesktopOpener::Scope> scope) {
    std::optional<DesktopOpener::Report> report;
    auto done = [&](const DesktopOpener::Report& r) { report = r; };
    scope ? f.model->setOpenForDesktop(*scope, done) : f.model->followRules(done);
    (void)QTest::qWaitFor([&] { return report.has_value() && !f.model->openerBusy(); }, 5000);
    return report.value_or(DesktopOpener::Report{.problem = "no report"});
}

DesktopOpener::Report turnOpener(ModelFixture& f, bool on) {
    return turnOpener(f, on ? DesktopOpener::Scope::Files : DesktopOpener::Scope::Off);
}

// "type: outcome kind" for each type, sorted.
QStringList outcomesOf(const QList<DefaultOutcome>& outcomes) {
    QStringList lines;
    for (const DefaultOutcome& outcome : outcomes) {
        lines << QStringLiteral("%1: %2 %3")
                     .arg(outcome.extension)
                     .arg(outcome.kind)
                     .arg(outcome.app);
    }
    lines.sort();
    return lines;
}

} // namespace

// Making an app the default and putting the earlier one back, with the record of what changed.
class TestDefaultApps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The command over a rule's extensions: an outcome each, failures counted. Only a change that
    // took is recorded, in the file format older versions read; restore puts back the default
    // from before the first change, and passes over what it has no record of.
    void makeDefault_data() {
        columns<QString, int, int, QList<int>, bool, int>("rule", "outcome", "refusal", "kinds",
                                                          "recorded", "failures");
        row("done", "png>Sublime", int(Outcome::Applied), int(DefaultsReport::None),
            QList<int>{Kind::Made}, true, 0);
        row("already", "png>Okular", int(Outcome::Applied), int(DefaultsReport::None),
            QList<int>{Kind::AlreadyDefault}, false, 0);
        row("a failure does not stop the rest", "qqq,png>Sublime", int(Outcome::Applied),
            int(DefaultsReport::None), QList<int>{Kind::NoType, Kind::Made}, true, 1);
        row("error", "png>Sublime", int(Outcome::Error), int(DefaultsReport::None),
            QList<int>{Kind::Failed}, false, 1);
        row("another setting decides", "png>Sublime", int(Outcome::Ignored),
            int(DefaultsReport::None), QList<int>{Kind::NotChanged}, false, 1);
        row("app missing", "png>Gone", int(Outcome::Applied), int(DefaultsReport::NoApp),
            QList<int>(), false, 0);
        row("group only", "@images>Okular", int(Outcome::Applied), int(DefaultsReport::NoExtension),
            QList<int>(), false, 0);
    }

    void makeDefault() {
        ModelFixture f;
        const QByteArray later = "{\"zip\":\"a later version's\"}"; // kept as it is
        f.writeStoreFile("previous-defaults.json", later);
        f.platform.setDefaultOutcome(Outcome(data<int>("outcome")), "Not allowed.");
        const Rule rule = f.addRule(data<QString>("rule"));
        const bool recorded = data<bool>("recorded");
        const DefaultsReport report = command(f, true, rule);
        QCOMPARE(int(report.refusal), data<int>("refusal"));
        QCOMPARE(kindsOf(report), data<QList<int>>("kinds"));
        QCOMPARE(f.model->failures(), data<int>("failures"));
        QCOMPARE(f.model->defaultsVersion(), int(!report.outcomes.isEmpty())); // asked the platform
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}),
                 recorded ? ModelFixture::kSublime : ModelFixture::kOkular);
        DefaultAppManager& manager = f.model->defaultManager();
        QCOMPARE(readFile(manager.filePath()),
                 recorded ? QByteArray("{\"png\":{\"changedTo\":\"sublime.desktop\","
                                       "\"previous\":\"/apps/okular.desktop\","
                                       "\"previousBundleID\":\"okular.desktop\"},") +
                                later.mid(1)
                          : later);
        if (recorded) { // a second change keeps the earlier default, which restore puts back
            QCOMPARE(run(manager, true, "png", ModelFixture::kXed),
                     DefaultOutcome::of("png", Kind::Made, "Xed"));
            QCOMPARE(run(manager, false, "png"),
                     DefaultOutcome::of("png", Kind::Restored, "Okular"));
            QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kOkular);
        }
        QCOMPARE(run(manager, false, "png"), DefaultOutcome::of("png", Kind::NothingToRestore));
        QCOMPARE(command(f, false, rule), DefaultsReport());
    }

    // Answers that come at once are taken in turn, not by recursion: thousands of extensions
    // don't overflow the stack.
    void manyExtensionsAnswerInTurn() {
        ModelFixture f;
        QStringList many;
        for (int i = 0; i < 5000; ++i) {
            many << QStringLiteral("qq%1").arg(i);
        }
        const DefaultsReport report = command(f, true, f.addRule(many.join(u',') + ">Sublime"));
        QCOMPARE(kindsOf(report), QList<int>(5000, Kind::NoType));
        QCOMPARE(f.model->failures(), 5000);
    }

    // Record files as older versions, later versions and a change cut short left them; an entry
    // that is not ours restores nothing and stays as it was, a file that is none is refused.
    // Then whether the file is as it was, and how many records are left.
    void restore_data() {
        columns<QByteArray, int, DefaultOutcome, bool, int>("record", "outcome", "ended", "kept",
                                                            "records");
        auto png = [](const char* members) { return "{\"png\":{" + QByteArray(members) + "}}"; };
        const auto ended = [](Kind kind, const QString& app = {}) {
            return DefaultOutcome::of("png", kind, app);
        };
        row("no previous default known",
            png("\"previousBundleID\":\"\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ended(Kind::PreviousUnknown), false, 0);
        row("changed by hand since",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"x\""), int(Outcome::Applied),
            ended(Kind::ChangedSince, "Okular"), false, 0);
        row("error", png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Error), DefaultOutcome::failed("png", Kind::Failed, "Not allowed."), true,
            1);
        row("older record restored",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ended(Kind::Restored, "Xed"), false, 0);
        row("no default before: the change is undone",
            png("\"previous\":null,\"previousBundleID\":\"\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ended(Kind::Restored), false, 0);
        row("an entry without its earlier app", png("\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ended(Kind::NothingToRestore), true, 0);
        row("not a record file", QByteArray("[\"png\"]"), int(Outcome::Applied),
            DefaultOutcome::failed("png", Kind::Failed,
                                   "@/previous-defaults.json isn't a record Korvane can read, so "
                                   "it was left as it is."),
            true, 0);
        row("a change cut short before it was made",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"sublime.desktop\","
                "\"unconfirmed\":null"),
            int(Outcome::Applied), ended(Kind::CutShort), false, 0);
        row("a later change cut short before it was made",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"sublime.desktop\","
                "\"unconfirmed\":\"okular.desktop\""),
            int(Outcome::Applied), ended(Kind::Restored, "Xed"), false, 0);
    }

    void restore() {
        ModelFixture f;
        const QByteArray& record = data<QByteArray>("record");
        f.writeStoreFile("previous-defaults.json", record);
        DefaultAppManager manager(f.platform, f.storeDirectory());
        manager.setReadBackDelay(std::chrono::milliseconds(10));
        f.platform.setDefaultOutcome(Outcome(data<int>("outcome")), "Not allowed.");
        DefaultOutcome ended = data<DefaultOutcome>("ended");
        ended.error.replace('@', f.storeDirectory());
        QCOMPARE(run(manager, false, "png"), ended);
        QCOMPARE(readFile(manager.filePath()) == record, data<bool>("kept"));
        QCOMPARE(manager.records().size(), data<int>("records"));
    }

    // The types the opener takes for the rules: enabled rules with an app that isn't Korvane, by
    // their extensions' declared types and their groups' registered types, each once.
    void coveredTypes_data() {
        columns<QStringList, QStringList>("rules", "types");
        row("an extension", QStringList{"md>Xed"}, QStringList{"text/markdown"});
        row("two extensions of one type, and another", QStringList{"md,markdown,txt>Xed"},
            QStringList{"text/markdown", "text/plain"});
        row("a group's registered types", QStringList{"@images>Okular"},
            QStringList{"image/jpeg", "image/png"});
        row("a group and an extension in it, from two rules",
            QStringList{"@text>Xed", "md>Sublime"},
            QStringList{"application/json", "text/markdown", "text/plain", "text/x-csrc"});
        row("switched off", QStringList{"!md>Xed"}, QStringList());
        row("no app", QStringList{"md"}, QStringList());
        row("Korvane itself", QStringList{"md>Korvane"}, QStringList());
        row("no declared type", QStringList{"qqq>Xed"}, QStringList());
        row("folders alone", QStringList{"{/srv/notes}>Xed"}, QStringList());
        row("an extension in folders", QStringList{"md{/srv/notes}>Xed"},
            QStringList{"text/markdown"});
    }

    void coveredTypes() {
        MemoryPlatform platform;
        QStringList types;
        for (const ContentType& type :
             DesktopOpener::coveredTypes(rulesFrom(data<QStringList>("rules")), platform)) {
            types << type.identifier;
        }
        QCOMPARE(types, data<QStringList>("types"));
    }

    // On, the opener takes the rules' types in one edit; while on, a new rule's types are
    // taken and a deleted rule's given back; off gives back every one, keeping what the user
    // chose since, and a type another setting decides is neither claimed nor recorded.
    void openerFollowsRules() {
        ModelFixture f;
        const QString opener = "/apps/korvane-opener.desktop";
        f.platform.setIgnoredTypes({"image/jpeg"});
        const Rule notes = f.addRule("md,txt>Sublime");
        QVERIFY(!f.model->opener().isOn());
        QTRY_VERIFY(!f.model->openerBusy());
        QCOMPARE(f.platform.defaultEdits(), 0); // nothing taken without the opt-in

        DesktopOpener::Report report = turnOpener(f, true);
        QCOMPARE(int(report.refusal), int(DesktopOpener::Report::None));
        QCOMPARE(outcomesOf(report.taken),
                 QStringList({"text/markdown: 5 Korvane", "text/plain: 5 Korvane"}));
        QCOMPARE(f.platform.defaultEdits(), 1);
        QCOMPARE(f.platform.defaultApplicationForType({"text/plain"}), opener);
        QCOMPARE(report.types, 2);
        QVERIFY(f.settings->openForDesktop());
        // "Make default" leaves the types the opener holds alone, and says so.
        QCOMPARE(kindsOf(command(f, true, notes)),
                 (QList<int>{Kind::HeldByOpener, Kind::HeldByOpener}));
        QCOMPARE(f.platform.defaultApplicationForType({"text/plain"}), opener);

        int edits = f.platform.defaultEdits();
        f.addRule("@images>Okular"); // saved, then followed
        QTRY_COMPARE(f.model->opener().held().size(), 3);
        QTRY_VERIFY(!f.model->openerBusy());
        QCOMPARE(f.platform.defaultEdits(), edits + 2); // one to take, one to take back jpeg's
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), opener);
        QCOMPARE(f.platform.defaultApplicationForType({"image/jpeg"}), ModelFixture::kOkular);
        QCOMPARE(f.model->opener().held().first().replacedApp, ModelFixture::kOkular);

        f.model->store().removeRule(notes.id);
        QTRY_COMPARE(f.model->opener().held().size(), 1);
        QTRY_VERIFY(!f.model->openerBusy());
        QCOMPARE(f.platform.defaultApplicationForType({"text/plain"}), ModelFixture::kXed);
        QCOMPARE(f.platform.defaultApplicationForType({"text/markdown"}), std::nullopt);

        f.platform.setDefault("image/png", ModelFixture::kSublime); // the user's own choice
        report = turnOpener(f, false);
        QCOMPARE(outcomesOf(report.givenBack), QStringList{"image/png: 9 Sublime Text"});
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kSublime);
        QCOMPARE(report.types, 0);
        QVERIFY(!f.settings->openForDesktop());
        QCOMPARE(f.platform.openerApplication(), std::nullopt); // the entry it provided is gone
        QCOMPARE(readFile(f.model->defaultManager().filePath()), "{}");
        edits = f.platform.defaultEdits();
        f.addRule("png>Xed"); // off: rules change nothing of the desktop's
        QTest::qWait(50);
        QCOMPARE(f.platform.defaultEdits(), edits);
    }

    // With links, the opener takes the web's schemes and every scheme an enabled rule's links
    // name; links the rules claim go to their app, the others to the browser it replaced, which
    // also starts when the desktop starts the opener with nothing. Back to files alone, the
    // schemes are given back.
    void openerTakesLinks() {
        ModelFixture f;
        f.platform.setDefault("x-scheme-handler/https", ModelFixture::kSublime);
        f.addRules({"[example.org mailto: gopher://g.org/* file:///*]>Okular", "md>Xed",
                    "![news:]>Okular"});
        auto held = [&] {
            QStringList types;
            for (const DesktopOpener::Held& type : f.model->opener().held()) {
                types << type.type;
            }
            return types.join(u' ');
        };
        DesktopOpener::Report report = turnOpener(f, DesktopOpener::Scope::FilesAndLinks);
        QVERIFY(report.on && report.links && f.model->opener().linksOn());
        QCOMPARE(held(), "text/markdown x-scheme-handler/gopher x-scheme-handler/http "
                         "x-scheme-handler/https x-scheme-handler/mailto");
        f.model->handle({"https://www.example.org/a", "https://b.net/", "mailto:x@y.z"},
                        DropMode::ForDesktop);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), (QStringList{"Okular: https://www.example.org/a, mailto:x@y.z",
                                              "Sublime Text: https://b.net/"}));
        QVERIFY(f.model->startBrowserForDesktop());
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders().last(), "Sublime Text: ");
        // Dropped on "Default apps": the browser it replaced, not the opener again.
        f.model->handle({"https://c.net/"}, DropMode::Defaults);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders().last(), "Sublime Text: https://c.net/");
        QCOMPARE(report.types - report.linkTypes, 1);

        report = turnOpener(f, DesktopOpener::Scope::Files);
        QVERIFY(report.on && !report.links);
        QCOMPARE(held(), "text/markdown");
        QCOMPARE(f.platform.defaultApplicationForType({"x-scheme-handler/https"}),
                 ModelFixture::kSublime);
        QCOMPARE(turnOpener(f, false).types, 0);
    }

    // Files the rule's app handed back to the desktop open without the rules, and never in that
    // app again; handed back once more, they are only asked about, whatever the rules say.
    void handedBack() {
        ModelFixture f;
        f.addRules({"txt>Xed"}); // Xed is also the desktop's choice for plain text
        f.model->handleHandedBack(f.files({"a.txt"}));
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), QStringList{"Sublime Text: a.txt"});
        f.model->askAbout(f.files({"b.txt"}));
        QCOMPARE(f.model->pending()->path, ModelFixture::kHome + "b.txt");
        QCOMPARE(f.openOrders().size(), 1);
    }

    // Opened by the desktop: claimed files go to their rule's app, the others to the app the
    // opener replaced for their type, else to the desktop's next choice that isn't Korvane; only
    // a file nothing opens waits for the user. A rule naming Korvane falls back too.
    void openedForTheDesktop() {
        ModelFixture f;
        f.platform.addApplication("/apps/korvane.desktop", MemoryPlatform::kKorvaneId, "Korvane",
                                  {"application/pdf"});
        f.addRules({"md>Xed", "c>Korvane"});
        f.platform.setDefault("text/markdown", ModelFixture::kSublime);
        QCOMPARE(int(turnOpener(f, true).refusal), int(DesktopOpener::Report::None));
        // "Default apps" on a type the opener holds: the app it replaced, not Korvane again.
        f.model->handle(f.files({"a.md"}), DropMode::Defaults);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), QStringList{"Sublime Text: a.md"});
        // What the opener replaced: Sublime Text for png, and for jpeg Korvane's own entry, which
        // is passed over.
        f.writeStoreFile("previous-defaults.json",
                         R"({"image/png":{"changedTo":"korvane-opener.desktop",)"
                         R"("previousBundleID":"sublime.desktop"},)"
                         R"("image/jpeg":{"changedTo":"korvane-opener.desktop",)"
                         R"("previousBundleID":"korvane.desktop"}})");
        f.model->defaultManager().reload();
        f.model->handle(f.files({"a.md", "b.png", "c.pdf", "d.c", "e.qqq", "f.jpg"}),
                        DropMode::ForDesktop);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders().mid(1),
                 QStringList({"Xed: a.md, d.c", "Sublime Text: b.png", "Okular: c.pdf, f.jpg"}));
        QCOMPARE(f.model->pending()->path, ModelFixture::kHome + "e.qqq");
        QCOMPARE(f.model->recents().size(), 1); // the drop's; the desktop's opens are not Korvane's
    }

    // A set cut short after the change (killed before the read-back) leaves its intent on
    // record, which the next run restores.
    void cutShortChangeIsRestored() {
        ModelFixture f;
        f.model->defaultManager().setReadBackDelay(std::chrono::hours(1));
        f.model->defaultManager().setDefault("png", ModelFixture::kSublime, [](auto) {});
        QTRY_COMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kSublime);
        DefaultAppManager next(f.platform, f.storeDirectory());
        next.setReadBackDelay(std::chrono::milliseconds(10));
        QCOMPARE(run(next, false, "png"), DefaultOutcome::of("png", Kind::Restored, "Okular"));
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kOkular);
    }
};

QTEST_GUILESS_MAIN(TestDefaultApps)
#include "tst_default_apps.moc"
