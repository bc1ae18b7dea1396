#include "support/model_fixture.h"

#include <QSignalSpy>

using namespace korvane;
using Order = MemoryPlatform::Order;

// The model: drops and their summary, the queue of files no rule claims, import and export,
// recent files and messages.
class TestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handle_data() {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("behavior");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::addColumn<QStringList>("opens");
        QTest::addColumn<QStringList>("pending"); // pending, then the queue
        QTest::addColumn<int>("failures");

        const int option = Qt::AltModifier;
        const int shift = Qt::ShiftModifier;
        const QStringList none;
        QTest::newRow("all deleted") << none << QStringList{"-a.md", "-b.md"} << 0 << ""
                                     << "Those files aren't there any more." << none << none << 2;
        QTest::newRow("option beats shift")
            << QStringList{"md>TextEdit"} << QStringList{"a.md", "b.txt", "docs/", "-gone.md"}
            << (option | shift) << ""
            << "Revealed 3 items in Finder" << none << none << 1;
        QTest::newRow("bogus behaviour opens folders")
            << none << QStringList{"docs/", "more/"} << 0 << "bogus"
            << "Opened 2 folders in Finder" << none << none << 0;
        QTest::newRow("revealed folders") << none << QStringList{"docs/"} << 0 << "revealInFinder"
                                          << "Revealed 1 folder in Finder" << none << none << 0;
        QTest::newRow("two rules, one app, one request")
            << QStringList{"md>TextEdit", "txt>TextEdit"} << QStringList{"a.md", "b.txt", "c.md"}
            << 0 << ""
            << "Opened 3 files in TextEdit" << QStringList{"TextEdit: a.md, b.txt, c.md"} << none
            << 0;
        QTest::newRow("groups in first-seen order")
            << QStringList{"md>TextEdit", "png>Preview"} << QStringList{"p.png", "a.md", "q.png"}
            << 0 << ""
            << "Opened 3 files in 2 apps" << QStringList{"Preview: p.png, q.png", "TextEdit: a.md"}
            << none << 0;
        QTest::newRow("first missing app named, each counted")
            << QStringList{"pdf>Gone", "zip>Lost"} << QStringList{"a.pdf", "b.zip"} << 0 << ""
            << "Gone wasn't found. Fix the rule below." << none << none << 2;
        QTest::newRow("missing app without a name")
            << QStringList{"pdf>Nameless"} << QStringList{"a.pdf"} << 0 << ""
            << "the app wasn't found. Fix the rule below." << none << none << 1;
        QTest::newRow("unmatched wait, deleted counted")
            << QStringList{"png>Preview"} << QStringList{"a.md", "-b.md", "c.txt"} << 0 << ""
            << "1 missing" << none << QStringList{"a.md", "c.txt"} << 1;
        QTest::newRow("shift: the defaults")
            << QStringList{"png>TextEdit"} << QStringList{"p.png", "x.qqq", "j.jpg"} << shift << ""
            << "Opened 2 files in Preview" << QStringList{"Preview: p.png, j.jpg"} << none << 0;
        QTest::newRow("everything at once")
            << QStringList{"md>TextEdit", "png>Preview", "@text>Sublime"}
            << QStringList{"a.md", "b.txt", "-x.md", "p.png", "c.txt", "docs/", "-y.md"} << 0
            << "ignore"
            << "Opened 3 files in 2 apps \u00b7 Preview couldn't open the file (boom) \u00b7 "
               "Ignored 1 folder \u00b7 2 missing"
            << QStringList{"TextEdit: a.md", "Sublime Text: b.txt, c.txt", "Preview: p.png"} << none
            << 3;
    }

    void handle() {
        QFETCH(QStringList, rules);
        QFETCH(QStringList, files);
        QFETCH(int, modifiers);
        QFETCH(QString, behavior);
        QFETCH(QString, message);
        QFETCH(QStringList, opens);
        QFETCH(QStringList, pending);
        QFETCH(int, failures);
        ModelFixture f;
        for (const QString& rule : rules) {
            f.addRule(rule);
        }
        f.settings->setFolderBehavior(behavior);
        if (message.contains("boom")) {
            f.platform.setOpenOutcome(ModelFixture::kPreview, MemoryPlatform::Outcome::Error,
                                      "boom");
        }
        QSignalSpy flashed(f.model.get(), &AppModel::flashed);
        f.model->handle(f.files(files), Qt::KeyboardModifiers(modifiers));
        QVERIFY(f.settle());
        QCOMPARE(flashed.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(f.model->message(), message.isEmpty() ? QString() : message);
        QCOMPARE(f.openOrders(), opens);
        QStringList waiting;
        for (const auto& p :
             QList<PendingFile>{f.model->pending().value_or(PendingFile{})} + f.model->queue()) {
            if (!p.path.isEmpty()) {
                waiting << QFileInfo(p.path).fileName();
            }
        }
        QCOMPARE(waiting, pending);
        QCOMPARE(f.model->failures(), failures);
        QCOMPARE(f.platform.ordersOf(Order::Reveal).isEmpty(), !message.startsWith("Revealed"));
    }

    // Scripts over the queue: "drop FILES", "answer APP always|once", "cancel", "dismiss",
    // "remove FILE", "rule SPEC".
    void pendingQueue_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("waiting"); // pending (or "-"), then the queue
        QTest::addColumn<QStringList>("opens");
        QTest::addColumn<int>("rules");
        QTest::newRow("always: the next .md follows the new rule")
            << "drop a.md b.md c.txt | answer Sublime always | dismiss" << QStringList{"c.txt"}
            << QStringList{"Sublime Text: a.md", "Sublime Text: b.md"} << 2;
        QTest::newRow("just once") << "drop a.md b.md | answer Sublime once | dismiss"
                                   << QStringList{"b.md"} << QStringList{"Sublime Text: a.md"} << 1;
        QTest::newRow("no extension makes no rule")
            << "drop README | answer TextEdit always" << QStringList{"-"}
            << QStringList{"TextEdit: README"} << 1;
        QTest::newRow("cancel walks the queue")
            << "drop a.md b.md | cancel | dismiss | cancel | dismiss" << QStringList{"-"}
            << QStringList{} << 1;
        QTest::newRow("dismissed while asking does nothing")
            << "drop a.md b.md | dismiss" << QStringList{"a.md", "b.md"} << QStringList{} << 1;
        QTest::newRow("a vanished file is skipped")
            << "drop a.md b.md c.md | remove b.md | cancel | dismiss" << QStringList{"c.md"}
            << QStringList{} << 1;
        QTest::newRow("a drop in between joins the queue")
            << "drop a.md b.md | cancel | drop c.md | dismiss" << QStringList{"b.md", "c.md"}
            << QStringList{} << 1;
        QTest::newRow("a rule for a missing app asks again")
            << "drop a.md b.md | rule md>Gone | cancel | dismiss" << QStringList{"b.md"}
            << QStringList{} << 2;
    }

    void pendingQueue() {
        QFETCH(QString, script);
        QFETCH(QStringList, waiting);
        QFETCH(QStringList, opens);
        QFETCH(int, rules);
        ModelFixture f;
        f.window.minimized = true;
        f.addRule("png>Preview");
        for (const QString& step : script.split(" | ")) {
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
                f.platform.removeFile(f.file(words[1]));
            } else if (words[0] == "rule") {
                f.addRule(words[1]);
            }
        }
        QVERIFY(f.settle());
        QStringList seen{f.model->pending() ? QFileInfo(f.model->pending()->path).fileName()
                                            : QStringLiteral("-")};
        for (const PendingFile& p : f.model->queue()) {
            seen << QFileInfo(p.path).fileName();
        }
        QCOMPARE(seen, waiting);
        QCOMPARE(f.openOrders(), opens);
        QCOMPARE(f.model->store().rules().size(), rules);
        // The first question brings the window forward; later ones come quietly.
        QCOMPARE(f.window.activations, 1);
        QCOMPARE(f.window.restores, 1);
        if (rules == 2 && !opens.isEmpty()) {
            const Rule made = f.model->store().rules().first();
            QCOMPARE(made.extensions, QStringList{"md"});
            QCOMPARE(made.appId, "sublime.desktop");
        }
    }

    void importAndExport_data() {
        QTest::addColumn<QByteArray>("content"); // of the file imported
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("added");
        const QString invalid = "That file doesn't contain any valid Korvane rules.";
        QTest::newRow("two objects and a number")
            << QByteArray("[{}, {\"extensions\": [\"md\"]}, 3]") << "" << 2;
        QTest::newRow("exported rules") << QByteArray() << "" << 1;
        QTest::newRow("empty array") << QByteArray("[]") << invalid << 0;
        QTest::newRow("not JSON") << QByteArray("hello") << invalid << 0;
    }

    void importAndExport() {
        QFETCH(QByteArray, content);
        QFETCH(QString, alert);
        QFETCH(int, added);
        ModelFixture f;
        const Rule existing = f.addRule("md>TextEdit");
        const QString path = f.dir.filePath("in.json");
        if (content.isNull()) {
            f.panels.saveAnswer = path;
            f.model->exportRules();
            QCOMPARE(f.model->message(), "Exported 1 rule");
        } else {
            f.writeStoreFile("../in.json", content);
        }
        f.panels.openAnswer = QStringList{path};
        f.model->importRules();
        QCOMPARE(f.model->alertText(), alert.isEmpty() ? QString() : alert);
        const QList<Rule> rules = f.model->store().rules();
        QCOMPARE(rules.size(), 1 + added);
        QCOMPARE(rules.first(), existing);
        if (content.isNull()) { // the copy is equal but for a fresh id
            Rule copy = rules[1];
            QVERIFY(copy.id != existing.id);
            copy.id = existing.id;
            QCOMPARE(copy, existing);
        }
    }

    void importAndExportFailures() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.panels.saveAnswer = f.dir.filePath("no-such-folder/rules.json");
        f.model->exportRules();
        QVERIFY2(f.model->alertText().startsWith("The rules couldn't be saved there: "),
                 qPrintable(f.model->alertText()));
        f.panels.openAnswer = QStringList{f.dir.filePath("gone.json")};
        f.model->importRules();
        QCOMPARE(f.model->alertText(), f.dir.filePath("gone.json") + " doesn't exist.");
        QCOMPARE(f.model->store().rules().size(), 1);
    }

    void recents() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md", "-c.md"}), Qt::AltModifier);
        QCOMPARE(f.model->recents(), (QStringList{f.file("b.md"), f.file("a.md")}));
        f.model->handle({f.file("a.md")}, Qt::AltModifier);
        QStringList many;
        for (int i = 0; i < 11; ++i) {
            many << f.file(QStringLiteral("n%1.txt").arg(i));
        }
        f.model->handle(many, Qt::AltModifier);
        QCOMPARE(f.model->recents().size(), 10);
        QCOMPARE(f.model->recents().first(), many.last());
        AppModel again(f.platform, f.storeDirectory(), *f.settings);
        QCOMPARE(again.recents(), f.model->recents());
    }

    // Each message clears itself after its time, never a later one; a launch that answers late
    // still gets its own summary, and never reaches a model that is gone.
    void messagesAndLateLaunches() {
        auto f = std::make_unique<ModelFixture>();
        f->model->setMessageDuration(std::chrono::milliseconds(300));
        f->model->flash("A");
        QTest::qWait(100);
        f->model->flash("B");
        QTest::qWait(250);
        QCOMPARE(f->model->message(), "B");
        QTRY_COMPARE(f->model->message(), QString());

        f->addRule("md>TextEdit");
        f->addRule("png>Preview");
        f->platform.setOpenOutcome(ModelFixture::kTextEdit, MemoryPlatform::Outcome::Hold);
        QSignalSpy flashed(f->model.get(), &AppModel::flashed);
        f->model->handle(f->files({"a.md", "b.md"}), {});
        f->model->handle(f->files({"p.png"}), {});
        QTRY_COMPARE(flashed.size(), 1);
        QCOMPARE(flashed.last().first().toString(), "Opened 1 file in Preview");
        f->platform.releaseHeld();
        QTRY_COMPARE(flashed.size(), 2);
        QCOMPARE(flashed.last().first().toString(), "Opened 2 files in TextEdit");

        f->model->handle(f->files({"c.md"}), {});
        f->model.reset();
        f->platform.releaseHeld(); // must not touch the model
        QTest::qWait(20);
    }

    void openPanelHandlesLikeADrop() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.panels.openAnswer = f.files({"a.md", "b.md"});
        f.model->openPanel();
        QVERIFY(f.settle());
        QCOMPARE(f.model->message(), "Opened 2 files in TextEdit");
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
