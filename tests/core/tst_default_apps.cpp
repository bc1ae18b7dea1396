#include "core/app_info.h"
#include "support/model_fixture.h"

#include <QSignalSpy>

using namespace korvane;
using Outcome = MemoryPlatform::DefaultOutcome;

namespace {

QString setDefault(ModelFixture& f, const QString& ext, const QString& app) {
    QString sentence;
    f.model->defaultManager().setDefault(ext, app, [&](const QString& s, bool) { sentence = s; });
    (void)QTest::qWaitFor([&] { return !sentence.isEmpty(); }, 2000);
    return sentence;
}

QString restore(ModelFixture& f, const QString& ext) {
    QString sentence;
    f.model->defaultManager().restore(ext, [&](const QString& s, bool) { sentence = s; });
    (void)QTest::qWaitFor([&] { return !sentence.isEmpty(); }, 2000);
    return sentence;
}

QByteArray recordFile(ModelFixture& f) {
    QFile file(f.model->defaultManager().filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDefaultApps : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void setDefaultSentences_data() {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("app");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("done") << "png" << ModelFixture::kSublime << int(Outcome::Applied)
                              << ".png: done. Sublime Text is now the default." << true;
        QTest::newRow("already") << "png" << ModelFixture::kPreview << int(Outcome::Applied)
                                 << ".png: Preview is already the default." << false;
        QTest::newRow("undeclared") << "qqq" << ModelFixture::kPreview << int(Outcome::Applied)
                                    << ".qqq: not possible. macOS has no registered file type "
                                       "for this extension."
                                    << false;
        QTest::newRow("error") << "png" << ModelFixture::kSublime << int(Outcome::Error)
                               << ".png: not possible. Not allowed." << false;
        QTest::newRow("another setting decides")
            << "png" << ModelFixture::kSublime << int(Outcome::Ignored)
            << ".png: not changed. Preview still opens these files." << false;
    }

    void setDefaultSentences() {
        QFETCH(QString, ext);
        QFETCH(QString, app);
        QFETCH(int, outcome);
        QFETCH(QString, sentence);
        QFETCH(bool, recorded);
        ModelFixture f;
        f.platform.setDefaultOutcome(Outcome(outcome), "Not allowed.");
        QCOMPARE(setDefault(f, ext, app), sentence);
        QCOMPARE(f.model->defaultManager().records().contains(ext), recorded);
        if (recorded) {
            const auto record = f.model->defaultManager().records().value(ext);
            QCOMPARE(record.previousBundleID, "com.apple.Preview");
            QCOMPARE(record.changedTo, "com.sublimetext.4");
            QCOMPARE(recordFile(f), "{\"png\":{\"changedTo\":\"com.sublimetext.4\","
                                    "\"previous\":\"/Applications/Preview.app\","
                                    "\"previousBundleID\":\"com.apple.Preview\"}}");
        }
    }

    void firstRecordStays() {
        ModelFixture f;
        QCOMPARE(setDefault(f, "png", ModelFixture::kSublime),
                 ".png: done. Sublime Text is now the default.");
        QCOMPARE(setDefault(f, "png", ModelFixture::kTextEdit),
                 ".png: done. TextEdit is now the default.");
        QCOMPARE(f.model->defaultManager().records().value("png").changedTo, "com.apple.TextEdit");
        QCOMPARE(restore(f, "png"), ".png: restored to Preview.");
        QCOMPARE(f.platform.defaultApplicationForType({"public.png"}), ModelFixture::kPreview);
        QVERIFY(f.model->defaultManager().records().isEmpty());
        QCOMPARE(recordFile(f), "{}");
        QCOMPARE(restore(f, "png"), ".png: nothing to restore.");
    }

    void restoreSentences_data() {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<bool>("kept");
        QTest::newRow("no previous default, older record")
            << QByteArray("{\"png\":{\"previousBundleID\":\"\","
                          "\"changedTo\":\"com.apple.Preview\"}}")
            << "png" << int(Outcome::Applied)
            << ".png: the previous default app is unknown or no longer installed, so it was left "
               "as is."
            << false;
        QTest::newRow("changed by hand since")
            << QByteArray("{\"png\":{\"previousBundleID\":\"com.apple.TextEdit\","
                          "\"changedTo\":\"com.sublimetext.4\"}}")
            << "png" << int(Outcome::Applied)
            << ".png: left as it is; you changed it to Preview since." << false;
        QTest::newRow("undeclared type")
            << QByteArray("{\"qqq\":{\"previousBundleID\":\"a\",\"changedTo\":\"b\"}}") << "qqq"
            << int(Outcome::Applied) << ".qqq: not possible to restore." << true;
        QTest::newRow("error") << QByteArray(
                                      "{\"png\":{\"previousBundleID\":\"com.apple.TextEdit\","
                                      "\"changedTo\":\"com.apple.Preview\"}}")
                               << "png" << int(Outcome::Error) << ".png: not possible. Not allowed."
                               << true;
        QTest::newRow("older record restored")
            << QByteArray("{\"png\":{\"previousBundleID\":\"com.apple.TextEdit\","
                          "\"changedTo\":\"com.apple.Preview\"}}")
            << "png" << int(Outcome::Applied) << ".png: restored to TextEdit." << false;
        QTest::newRow("no default before: the change is undone")
            << QByteArray("{\"png\":{\"previous\":null,\"previousBundleID\":\"\","
                          "\"changedTo\":\"com.apple.Preview\"}}")
            << "png" << int(Outcome::Applied) << ".png: restored; it had no default app before."
            << false;
    }

    void restoreSentences() {
        QFETCH(QByteArray, records);
        QFETCH(QString, ext);
        QFETCH(int, outcome);
        QFETCH(QString, sentence);
        QFETCH(bool, kept);
        ModelFixture f;
        f.writeStoreFile("previous-defaults.json", records);
        DefaultAppManager manager(f.platform, f.dir.filePath("Korvane"));
        manager.setReadBackDelay(std::chrono::milliseconds(10));
        QCOMPARE(manager.records().size(), 1);
        f.platform.setDefaultOutcome(Outcome(outcome), "Not allowed.");
        QString result;
        manager.restore(ext, [&](const QString& s, bool) { result = s; });
        QTRY_VERIFY(!result.isEmpty());
        QCOMPARE(result, sentence);
        QCOMPARE(manager.records().contains(ext), kept);
    }

    void badRecordFileLoadsEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("entry without changedTo")
            << QByteArray("{\"md\":{\"previousBundleID\":\"a\",\"changedTo\":\"b\"},"
                          "\"png\":{\"previousBundleID\":\"a\"}}");
        QTest::newRow("number member")
            << QByteArray("{\"md\":{\"previousBundleID\":1,\"changedTo\":\"b\"}}");
        QTest::newRow("array") << QByteArray("[]");
        QTest::newRow("not JSON") << QByteArray("{");
        QTest::newRow("entry not an object") << QByteArray("{\"md\":\"x\"}");
    }

    void badRecordFileLoadsEmpty() {
        QFETCH(QByteArray, content);
        ModelFixture f;
        f.writeStoreFile("previous-defaults.json", content);
        DefaultAppManager manager(f.platform, f.dir.filePath("Korvane"));
        QVERIFY(manager.records().isEmpty());
        QCOMPARE(QFileInfo(f.dir.filePath("Korvane/previous-defaults.json")).size(),
                 content.size()); // untouched until a change
    }

    void sameResolvesLinks() {
        QTemporaryDir dir;
        const QString target = dir.filePath("Real.app");
        QDir().mkpath(target);
        QVERIFY(QFile::link(target, dir.filePath("Link.app")));
        QVERIFY(DefaultAppManager::same(target, dir.filePath("Link.app")));
        QVERIFY(!DefaultAppManager::same(target, std::nullopt));
        QVERIFY(!DefaultAppManager::same(std::nullopt, std::nullopt));
        QVERIFY(!DefaultAppManager::same(target, dir.filePath("real.app")));
    }

    void makeDefaultCommand_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("versionRise");
        QTest::newRow("two extensions") << "png,jpg>Sublime"
                                        << ".png: done. Sublime Text is now the default.\n"
                                           ".jpg: done. Sublime Text is now the default."
                                        << 1;
        QTest::newRow("already defaults") << "png,jpg>Preview"
                                          << ".png: Preview is already the default.\n"
                                             ".jpg: Preview is already the default."
                                          << 1;
        QTest::newRow("app missing beats no extensions")
            << ">Gone"
            << "The app for this rule wasn't found. Choose an app first." << 0;
        QTest::newRow("group only") << "@images>Preview"
                                    << "Add at least one extension first. Type groups can't be "
                                       "set as defaults."
                                    << 0;
        QTest::newRow("failure does not stop the loop")
            << "qqq,png>Sublime"
            << ".qqq: not possible. macOS has no registered file type for this extension.\n"
               ".png: done. Sublime Text is now the default."
            << 1;
    }

    void makeDefaultCommand() {
        QFETCH(QString, rule);
        QFETCH(QString, alert);
        QFETCH(int, versionRise);
        ModelFixture f;
        const Rule r = f.addRule(rule);
        bool finished = false;
        f.model->makeDefault(r, [&] { finished = true; });
        QTRY_VERIFY(finished);
        QCOMPARE(f.model->alertText(), alert);
        QCOMPARE(f.model->defaultsVersion(), versionRise);
    }

    void restoreCommand() {
        ModelFixture f;
        const Rule r = f.addRule("txt,png,jpg>Sublime");
        QSignalSpy version(f.model.get(), &AppModel::defaultsVersionChanged);
        bool finished = false;
        f.model->restoreDefaults(r, [&] { finished = true; });
        QTRY_VERIFY(finished);
        QCOMPARE(f.model->alertText(), QString()); // nothing to restore: no alert
        QCOMPARE(version.size(), 1);

        QCOMPARE(setDefault(f, "png", ModelFixture::kSublime),
                 ".png: done. Sublime Text is now the default.");
        finished = false;
        f.model->restoreDefaults(r, [&] { finished = true; });
        QTRY_VERIFY(finished);
        QCOMPARE(f.model->alertText(), ".png: restored to Preview.");
        QCOMPARE(f.model->defaultsVersion(), 2);
    }

    void candidates() {
        MemoryPlatform platform;
        QCOMPARE(AppInfo::candidates({}, std::nullopt, platform), QStringList{});
        platform.addApplication("/A/textedit.app", "a", "textedit.app", {"public.text"});
        platform.addApplication("/A/TextEdit.app", "b", "TextEdit.app", {"public.text"});
        platform.addApplication("/B/Preview.app", "c", "Preview.app", {"public.image"});
        platform.addApplication("/C/Preview.app", "d", "Preview.app", {"public.image"});
        platform.addApplication("/A/Atom.app", "e", "Atom.app",
                                {"public.plain-text", "public.image"});
        const QStringList apps =
            AppInfo::candidates({"md", "markdown", "qqq"}, TypeGroup::Images, platform);
        QCOMPARE(apps, (QStringList{"/A/Atom.app", "/B/Preview.app", "/C/Preview.app",
                                    "/A/textedit.app", "/A/TextEdit.app"}));

        MemoryPlatform many;
        for (int i = 0; i < 44; ++i) {
            many.addApplication(QStringLiteral("/M/App%1").arg(i, 2, 10, QChar(u'0')), "",
                                QStringLiteral("Editor %1").arg(i, 2, 10, QChar(u'0')),
                                {"public.text"});
        }
        many.addApplication("/M/Zed", "", "Zed", {"public.text"});
        many.addApplication("/M/Atom", "", "Atom", {"public.text"});
        const QStringList capped = AppInfo::candidates({"txt"}, std::nullopt, many);
        QCOMPARE(capped.size(), 30);
        QCOMPARE(capped.first(), "/M/Atom"); // found last, sorted first
        QCOMPARE(capped.at(1), "/M/App00");
        QVERIFY(!capped.contains("/M/Zed"));
        QVERIFY(capped.contains("/M/Atom"));
    }
};

QTEST_GUILESS_MAIN(TestDefaultApps)
#include "tst_default_apps.moc"
