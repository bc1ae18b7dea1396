#include "core/app_info.h"
#include "support/model_fixture.h"

using namespace korvane;
using Outcome = MemoryPlatform::DefaultOutcome;

namespace {

QString run(ModelFixture& f, bool set, const QString& ext, const QString& app = {}) {
    QString sentence;
    auto done = [&](const QString& s, bool) { sentence = s; };
    set ? f.model->defaultManager().setDefault(ext, app, done)
        : f.model->defaultManager().restore(ext, done);
    (void)QTest::qWaitFor([&] { return !sentence.isEmpty(); }, 2000);
    return sentence;
}

} // namespace

// Making an app the default and putting the earlier one back, with the record of what changed.
class TestDefaultApps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setDefault_data() {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("app");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("done") << "png" << ModelFixture::kSublime << int(Outcome::Applied)
                              << ".png: done. Sublime Text is now the default." << true;
        QTest::newRow("already") << "png" << ModelFixture::kPreview << int(Outcome::Applied)
                                 << ".png: Preview is already the default." << false;
        QTest::newRow("no registered type")
            << "qqq" << ModelFixture::kPreview << int(Outcome::Applied)
            << ".qqq: not possible. macOS has no registered file type for this extension." << false;
        QTest::newRow("error") << "png" << ModelFixture::kSublime << int(Outcome::Error)
                               << ".png: not possible. Not allowed." << false;
        QTest::newRow("another setting decides")
            << "png" << ModelFixture::kSublime << int(Outcome::Ignored)
            << ".png: not changed. Preview still opens these files." << false;
    }

    void setDefault() {
        QFETCH(QString, ext);
        QFETCH(QString, app);
        QFETCH(int, outcome);
        QFETCH(QString, sentence);
        QFETCH(bool, recorded);
        ModelFixture f;
        f.platform.setDefaultOutcome(Outcome(outcome), "Not allowed.");
        QCOMPARE(run(f, true, ext, app), sentence);
        QCOMPARE(f.model->defaultManager().records().contains(ext), recorded);
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}),
                 recorded ? app : ModelFixture::kPreview); // an ignored change is taken back
        QFile file(f.model->defaultManager().filePath());
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                 recorded ? QByteArray("{\"png\":{\"changedTo\":\"sublime.desktop\","
                                       "\"previous\":\"/apps/preview.desktop\","
                                       "\"previousBundleID\":\"preview.desktop\"}}")
                          : QByteArray());
    }

    // A second change keeps the first record's earlier default; restoring puts it back.
    void setTwiceThenRestore() {
        ModelFixture f;
        run(f, true, "png", ModelFixture::kSublime);
        QCOMPARE(run(f, true, "png", ModelFixture::kTextEdit),
                 ".png: done. TextEdit is now the default.");
        QCOMPARE(run(f, false, "png"), ".png: restored to Preview.");
        QCOMPARE(f.platform.defaultApplicationForType({"image/png"}), ModelFixture::kPreview);
        QVERIFY(f.model->defaultManager().records().isEmpty());
        QCOMPARE(run(f, false, "png"), ".png: nothing to restore.");
    }

    void restore_data() {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("kept");
        QTest::newRow("older record without a previous default")
            << QByteArray("{\"previousBundleID\":\"\",\"changedTo\":\"preview.desktop\"}")
            << int(Outcome::Applied)
            << ".png: the previous default app is unknown or no longer installed, so it was left "
               "as is."
            << false;
        QTest::newRow("changed by hand since")
            << QByteArray("{\"previousBundleID\":\"textedit.desktop\",\"changedTo\":\"x\"}")
            << int(Outcome::Applied) << ".png: left as it is; you changed it to Preview since."
            << false;
        QTest::newRow("error")
            << QByteArray("{\"previousBundleID\":\"textedit.desktop\",\"changedTo\":\"preview."
                          "desktop\"}")
            << int(Outcome::Error) << ".png: not possible. Not allowed." << true;
        QTest::newRow("older record restored")
            << QByteArray("{\"previousBundleID\":\"textedit.desktop\",\"changedTo\":\"preview."
                          "desktop\"}")
            << int(Outcome::Applied) << ".png: restored to TextEdit." << false;
        QTest::newRow("no default before: the change is undone")
            << QByteArray("{\"previous\":null,\"previousBundleID\":\"\",\"changedTo\":\"preview."
                          "desktop\"}")
            << int(Outcome::Applied) << ".png: restored; it had no default app before." << false;
    }

    void restore() {
        QFETCH(QByteArray, records);
        QFETCH(int, outcome);
        QFETCH(QString, sentence);
        QFETCH(bool, kept);
        ModelFixture f;
        f.writeStoreFile("previous-defaults.json", "{\"png\":" + records + "}");
        DefaultAppManager manager(f.platform, f.storeDirectory());
        manager.setReadBackDelay(std::chrono::milliseconds(10));
        f.platform.setDefaultOutcome(Outcome(outcome), "Not allowed.");
        QString result;
        manager.restore("png", [&](const QString& s, bool) { result = s; });
        QTRY_VERIFY(!result.isEmpty());
        QCOMPARE(result, sentence);
        QCOMPARE(manager.records().contains("png"), kept);
    }

    void badRecordFileLoadsEmptyAndStays_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("an entry without changedTo")
            << QByteArray("{\"md\":{\"previousBundleID\":\"a\",\"changedTo\":\"b\"},"
                          "\"png\":{\"previousBundleID\":\"a\"}}");
        QTest::newRow("not an object") << QByteArray("[]");
        QTest::newRow("entry not an object") << QByteArray("{\"md\":\"x\"}");
    }

    void badRecordFileLoadsEmptyAndStays() {
        QFETCH(QByteArray, content);
        ModelFixture f;
        f.writeStoreFile("previous-defaults.json", content);
        DefaultAppManager manager(f.platform, f.storeDirectory());
        QVERIFY(manager.records().isEmpty());
        QFile file(manager.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    // The command over a rule's extensions: one sentence each, failures counted.
    void command_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("make");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("versionRise");
        QTest::addColumn<int>("failures");
        QTest::newRow("two extensions") << "png,jpg>Sublime" << true
                                        << ".png: done. Sublime Text is now the default.\n"
                                           ".jpg: done. Sublime Text is now the default."
                                        << 1 << 0;
        QTest::newRow("app missing")
            << "png>Gone" << true << "The app for this rule wasn't found. Choose an app first." << 0
            << 0;
        QTest::newRow("group only") << "@images>Preview" << true
                                    << "Add at least one extension first. Type groups can't be "
                                       "set as defaults."
                                    << 0 << 0;
        QTest::newRow("a failure does not stop the rest")
            << "qqq,png>Sublime" << true
            << ".qqq: not possible. macOS has no registered file type for this extension.\n"
               ".png: done. Sublime Text is now the default."
            << 1 << 1;
        QTest::newRow("nothing to restore is quiet") << "png>Sublime" << false << "" << 1 << 0;
    }

    void command() {
        QFETCH(QString, rule);
        QFETCH(bool, make);
        QFETCH(QString, alert);
        QFETCH(int, versionRise);
        QFETCH(int, failures);
        ModelFixture f;
        const Rule r = f.addRule(rule);
        bool finished = false;
        make ? f.model->makeDefault(r, [&] { finished = true; })
             : f.model->restoreDefaults(r, [&] { finished = true; });
        QTRY_VERIFY(finished);
        QCOMPARE(f.model->alertText(), alert.isEmpty() ? QString() : alert);
        QCOMPARE(f.model->defaultsVersion(), versionRise);
        QCOMPARE(f.model->failures(), failures);
    }

    void candidates() {
        MemoryPlatform platform;
        QCOMPARE(AppInfo::candidates({}, std::nullopt, platform), QStringList{});
        platform.addApplication("/a/textedit", "a", "textedit", {"text/plain"});
        platform.addApplication("/a/TextEdit", "b", "TextEdit", {"text/plain"});
        platform.addApplication("/b/Preview", "c", "Preview", {"image/*"});
        platform.addApplication("/a/Atom", "e", "Atom", {"text/plain", "image/*"});
        // By name without case, stable for equal names, each app once.
        QCOMPARE(AppInfo::candidates({"md", "png"}, TypeGroup::Text, platform),
                 (QStringList{"/a/Atom", "/b/Preview", "/a/textedit", "/a/TextEdit"}));
        for (int i = 0; i < 40; ++i) {
            platform.addApplication(QString("/many/%1").arg(i, 2, 10, QChar(u'0')), "x", "App",
                                    {"text/plain"});
        }
        QCOMPARE(AppInfo::candidates({"txt"}, std::nullopt, platform).size(), 30);
    }
};

QTEST_GUILESS_MAIN(TestDefaultApps)
#include "tst_default_apps.moc"
