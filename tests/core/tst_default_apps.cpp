#include "support/model_fixture.h"
#include "support/test_data.h"
#include "wording/defaults_text.h"

using namespace korvane;
using Outcome = MemoryPlatform::DefaultOutcome;

namespace {

// One extension's outcome, as the front ends say it.
QString run(DefaultAppManager& manager, bool set, const QString& ext, const QString& app = {}) {
    QString sentence;
    auto done = [&](const DefaultOutcome& outcome) {
        sentence = defaultOutcomeText(outcome, MemoryPlatform().systemName());
    };
    set ? manager.setDefault(ext, app, done) : manager.restore(ext, done);
    (void)QTest::qWaitFor([&] { return !sentence.isEmpty(); }, 2000);
    return sentence;
}

// Runs the make-default or restore command of the window on a rule; answers its report as the
// front ends say it.
QString command(ModelFixture& f, bool make, const Rule& rule) {
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
    return report ? defaultsReportText(*report, f.platform.systemName()) : "<no report>";
}

} // namespace

// Making an app the default and putting the earlier one back, with the record of what changed.
class TestDefaultApps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The command over a rule's extensions: one sentence each, failures counted. Only a change
    // that took is recorded, in the file format older versions read; restore puts back the
    // default from before the first change, and is quiet when there is nothing to restore.
    void makeDefault_data() {
        columns<QString, int, QString, int>("rule", "outcome", "alert", "failures");
        row("done", "png>Sublime", int(Outcome::Applied),
            ".png: done. Sublime Text is now the default.", 0);
        row("already", "png>Okular", int(Outcome::Applied), ".png: Okular is already the default.",
            0);
        row("a failure does not stop the rest", "qqq,png>Sublime", int(Outcome::Applied),
            ".qqq: not possible. The test desktop has no registered file type for this extension.\n"
            ".png: done. Sublime Text is now the default.",
            1);
        row("error", "png>Sublime", int(Outcome::Error), ".png: not possible. Not allowed.", 1);
        row("another setting decides", "png>Sublime", int(Outcome::Ignored),
            ".png: not changed. Okular still opens these files.", 1);
        row("app missing", "png>Gone", int(Outcome::Applied),
            "The app for this rule wasn't found. Choose an app first.", 0);
        row("group only", "@images>Okular", int(Outcome::Applied),
            "Add at least one extension first. Type groups can't be set as defaults.", 0);
    }

    void makeDefault() {
        ModelFixture f;
        const QByteArray later = "{\"zip\":\"a later version's\"}"; // kept as it is
        f.writeStoreFile("previous-defaults.json", later);
        f.platform.setDefaultOutcome(Outcome(data<int>("outcome")), "Not allowed.");
        const Rule rule = f.addRule(data<QString>("rule"));
        const QString& alert = data<QString>("alert");
        const bool recorded = alert.contains("done");
        QCOMPARE(command(f, true, rule), alert);
        QCOMPARE(f.model->failures(), data<int>("failures"));
        QCOMPARE(f.model->defaultsVersion(), int(alert.startsWith('.'))); // the platform was asked
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
                     ".png: done. Xed is now the default.");
            QCOMPARE(run(manager, false, "png"), ".png: restored to Okular.");
            QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kOkular);
        }
        QCOMPARE(run(manager, false, "png"), ".png: nothing to restore.");
        f.model->setAlertText({});
        QCOMPARE(command(f, false, rule), QString());
    }

    // Answers that come at once are taken in turn, not by recursion: thousands of extensions
    // don't overflow the stack.
    void manyExtensionsAnswerInTurn() {
        ModelFixture f;
        QStringList many;
        for (int i = 0; i < 5000; ++i) {
            many << QStringLiteral("qq%1").arg(i);
        }
        const QString alert = command(f, true, f.addRule(many.join(u',') + ">Sublime"));
        QCOMPARE(alert.count(u'\n') + 1, 5000);
        QCOMPARE(f.model->failures(), 5000);
    }

    // Record files as older versions, later versions and a change cut short left them; an entry
    // that is not ours restores nothing and stays as it was, a file that is none is refused.
    void restore_data() {
        columns<QByteArray, int, QString>("record", "outcome", "sentence");
        auto png = [](const char* members) { return "{\"png\":{" + QByteArray(members) + "}}"; };
        row("no previous default known",
            png("\"previousBundleID\":\"\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied),
            ".png: the previous default app is unknown or no longer installed, so it was left "
            "as is.");
        row("changed by hand since",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"x\""), int(Outcome::Applied),
            ".png: left as it is; you changed it to Okular since.");
        row("error", png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Error), ".png: not possible. Not allowed.");
        row("older record restored",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ".png: restored to Xed.");
        row("no default before: the change is undone",
            png("\"previous\":null,\"previousBundleID\":\"\",\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ".png: restored; it had no default app before.");
        row("an entry without its earlier app", png("\"changedTo\":\"okular.desktop\""),
            int(Outcome::Applied), ".png: nothing to restore.");
        row("not a record file", QByteArray("[\"png\"]"), int(Outcome::Applied),
            ".png: not possible. @/previous-defaults.json isn't a record Korvane can read, so it "
            "was left as it is.");
        row("a change cut short before it was made",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"sublime.desktop\","
                "\"unconfirmed\":null"),
            int(Outcome::Applied),
            ".png: nothing to restore; the change was cut short before it was made.");
        row("a later change cut short before it was made",
            png("\"previousBundleID\":\"xed.desktop\",\"changedTo\":\"sublime.desktop\","
                "\"unconfirmed\":\"okular.desktop\""),
            int(Outcome::Applied), ".png: restored to Xed.");
    }

    void restore() {
        ModelFixture f;
        const QByteArray& record = data<QByteArray>("record");
        f.writeStoreFile("previous-defaults.json", record);
        DefaultAppManager manager(f.platform, f.storeDirectory());
        manager.setReadBackDelay(std::chrono::milliseconds(10));
        f.platform.setDefaultOutcome(Outcome(data<int>("outcome")), "Not allowed.");
        const QString sentence =
            QString(data<QString>("sentence")).replace('@', f.storeDirectory());
        QCOMPARE(run(manager, false, "png"), sentence);
        const bool kept =
            sentence.contains("not possible") || sentence.endsWith("nothing to restore.");
        QCOMPARE(readFile(manager.filePath()) == record, kept); // the record goes once used
        QVERIFY(!sentence.contains("nothing") || manager.records().isEmpty()); // none of it read
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
        QCOMPARE(run(next, false, "png"), ".png: restored to Okular.");
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kOkular);
    }
};

QTEST_GUILESS_MAIN(TestDefaultApps)
#include "tst_default_apps.moc"
