#include "support/model_fixture.h"

#include <QSignalSpy>

using namespace korvane;
using Order = MemoryPlatform::Order;

class TestAppModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handle_data() {
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<quint64>("modifiers");
        QTest::addColumn<QString>("behavior");
        QTest::addColumn<QString>("failingApp"); // an app whose open request fails
        QTest::addColumn<QString>("message");    // empty: none
        QTest::addColumn<QStringList>("opens");
        QTest::addColumn<QStringList>("pending"); // pending, then the queue

        const quint64 option = AppModel::Option;
        const quint64 shift = AppModel::Shift;
        const QStringList none;
        QTest::newRow("nothing") << none << none << quint64(0) << ""
                                 << ""
                                 << "" << none << none;
        QTest::newRow("two deleted") << none << QStringList{"-a.md", "-b.md"} << quint64(0) << ""
                                     << ""
                                     << "Those files aren't there any more." << none << none;
        QTest::newRow("one deleted")
            << QStringList{"md>TextEdit"} << QStringList{"-a.md"} << quint64(0) << ""
            << ""
            << "That file isn't there any more." << none << none;
        QTest::newRow("option beats shift")
            << QStringList{"md>TextEdit"} << QStringList{"a.md", "b.txt", "docs/", "-gone.md"}
            << (option | shift) << ""
            << ""
            << "Revealed 3 items in Finder" << none << none;
        QTest::newRow("one ignored folder")
            << none << QStringList{"docs/"} << quint64(0) << "ignore"
            << ""
            << "Ignored 1 folder" << none << none;
        QTest::newRow("bogus behaviour opens")
            << none << QStringList{"docs/", "more/"} << quint64(0) << "bogus"
            << ""
            << "Opened 2 folders in Finder" << none << none;
        QTest::newRow("revealed folders")
            << none << QStringList{"docs/"} << quint64(0) << "revealInFinder"
            << ""
            << "Revealed 1 folder in Finder" << none << none;
        QTest::newRow("unmatched bundle opens, no message")
            << none << QStringList{"Tool.app"} << quint64(0) << ""
            << ""
            << "" << none << none;
        QTest::newRow("two rules, one app, one request")
            << QStringList{"md>TextEdit", "txt>TextEdit"} << QStringList{"a.md", "b.txt", "c.md"}
            << quint64(0) << ""
            << ""
            << "Opened 3 files in TextEdit" << QStringList{"TextEdit: a.md, b.txt, c.md"} << none;
        QTest::newRow("groups in first-seen order")
            << QStringList{"md>TextEdit", "png>Preview"} << QStringList{"p.png", "a.md", "q.png"}
            << quint64(0) << ""
            << ""
            << "Opened 3 files in 2 apps" << QStringList{"Preview: p.png, q.png", "TextEdit: a.md"}
            << none;
        QTest::newRow("one of two groups fails")
            << QStringList{"md>TextEdit", "png>Preview"} << QStringList{"a.md", "p.png", "q.png"}
            << quint64(0) << ""
            << "Preview"
            << "Opened 1 file in TextEdit \u00b7 Preview couldn't open the file (boom)"
            << QStringList{"TextEdit: a.md", "Preview: p.png, q.png"} << none;
        QTest::newRow("only the first missing app")
            << QStringList{"pdf>Gone", "zip>Lost"} << QStringList{"a.pdf", "b.zip"} << quint64(0)
            << ""
            << ""
            << "Gone wasn't found. Fix the rule below." << none << none;
        QTest::newRow("missing app without a name")
            << QStringList{"pdf>Nameless"} << QStringList{"a.pdf"} << quint64(0) << ""
            << ""
            << "the app wasn't found. Fix the rule below." << none << none;
        QTest::newRow("unmatched and deleted")
            << none << QStringList{"a.md", "-b.md"} << quint64(0) << ""
            << ""
            << "1 missing" << none << QStringList{"a.md"};
        QTest::newRow("only unmatched: no message")
            << QStringList{"png>Preview"} << QStringList{"a.md", "b.md", "c.txt"} << quint64(0)
            << ""
            << ""
            << "" << none << QStringList{"a.md", "b.md", "c.txt"};
        QTest::newRow("shift, no default") << none << QStringList{"x.qqq"} << shift << ""
                                           << ""
                                           << "Asked macOS to open 1 item" << none << none;
        QTest::newRow("shift, defaults")
            << QStringList{"png>TextEdit"} << QStringList{"p.png", "x.qqq", "j.jpg"} << shift << ""
            << ""
            << "Opened 2 files in Preview" << QStringList{"Preview: p.png, j.jpg"} << none;
        QTest::newRow("everything at once")
            << QStringList{"md>TextEdit", "png>Preview", "@text>Sublime"}
            << QStringList{"a.md", "b.txt", "-x.md", "p.png", "c.txt", "docs/", "-y.md"}
            << quint64(0) << "ignore"
            << "Preview"
            << "Opened 3 files in 2 apps \u00b7 Preview couldn't open the file (boom) \u00b7 "
               "Ignored 1 folder \u00b7 2 missing"
            << QStringList{"TextEdit: a.md", "Sublime Text: b.txt, c.txt", "Preview: p.png"}
            << none;
    }

    void handle() {
        QFETCH(QStringList, rules);
        QFETCH(QStringList, files);
        QFETCH(quint64, modifiers);
        QFETCH(QString, behavior);
        QFETCH(QString, failingApp);
        QFETCH(QString, message);
        QFETCH(QStringList, opens);
        QFETCH(QStringList, pending);

        ModelFixture f;
        for (const QString& rule : rules) {
            f.addRule(rule);
        }
        if (!behavior.isEmpty()) {
            f.settings->setFolderBehavior(behavior);
        }
        if (!failingApp.isEmpty()) {
            f.platform.setOpenOutcome("/Applications/" + failingApp + ".app",
                                      MemoryPlatform::Outcome::Error, "boom");
        }
        QSignalSpy flashed(f.model.get(), &AppModel::flashed);
        f.model->handle(f.files(files), modifiers);
        QVERIFY(f.settle());
        QCOMPARE(flashed.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(f.model->message(), message.isEmpty() ? QString() : message);
        QCOMPARE(f.openOrders(), opens);

        QStringList waiting;
        if (f.model->pending()) {
            waiting << QFileInfo(f.model->pending()->path).fileName();
        }
        for (const PendingFile& p : f.model->queue()) {
            waiting << QFileInfo(p.path).fileName();
        }
        QCOMPARE(waiting, pending);
    }

    void revealAndFolderOrders() {
        ModelFixture f;
        const QStringList files = f.files({"a.md", "docs/", "-gone.md"});
        f.model->handle(files, AppModel::Option | AppModel::Shift);
        const auto reveals = f.platform.ordersOf(Order::Reveal);
        QCOMPARE(reveals.size(), 1);
        QCOMPARE(reveals.first().files, files.mid(0, 2));
        QVERIFY(f.platform.ordersOf(Order::Open).isEmpty());

        f.platform.clearOrders();
        f.model->handle(f.files({"docs/", "Tool.app"}), 0);
        QCOMPARE(f.platform.ordersOf(Order::OpenItem).size(), 2); // the folder, then the bundle
        QCOMPARE(f.platform.ordersOf(Order::OpenItem).last().files.first(), f.file("Tool.app"));
    }

    void failedKindQuestionRoutesAsAFile() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        const QString odd = f.file("odd.md/");
        f.platform.failItemKind(odd);
        f.model->handle({odd}, 0);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), QStringList{"TextEdit: odd.md"});
    }

    void recents() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md", "-c.md"}), AppModel::Option);
        QCOMPARE(f.model->recents(), (QStringList{f.file("b.md"), f.file("a.md")}));
        f.model->handle({f.file("a.md")}, AppModel::Option);
        QCOMPARE(f.model->recents(), (QStringList{f.file("a.md"), f.file("b.md")}));
        QStringList many;
        for (int i = 0; i < 11; ++i) {
            many << f.file(QStringLiteral("n%1.txt").arg(i));
        }
        f.model->handle(many, AppModel::Option);
        QCOMPARE(f.model->recents().size(), 10);
        QCOMPARE(f.model->recents().first(), many.last());
        QVERIFY(!f.model->recents().contains(f.file("a.md")));
        QCOMPARE(f.settings->recentFiles(), f.model->recents());

        // Deleted files are never recorded.
        const QStringList before = f.model->recents();
        f.model->handle({f.file("-z.md")}, 0);
        QCOMPARE(f.model->recents(), before);

        // A new model reads them back.
        AppModel again(f.platform, f.dir.filePath("Korvane"), *f.settings);
        QCOMPARE(again.recents(), before);
    }

    void flashTimers() {
        ModelFixture f;
        f.model->setMessageDuration(std::chrono::milliseconds(300));
        f.model->flash("A");
        QTest::qWait(100);
        f.model->flash("B");
        QTest::qWait(250); // A's timer has fired
        QCOMPARE(f.model->message(), "B");
        QTRY_COMPARE_WITH_TIMEOUT(f.model->message(), QString(), 1000);

        f.model->flash("same");
        QTest::qWait(100);
        f.model->flash("same");
        QTest::qWait(250); // the first timer clears it
        QCOMPARE(f.model->message(), QString());
    }

    void secondDropWhileFirstIsOpening() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.addRule("png>Preview");
        f.platform.setOpenOutcome(ModelFixture::kTextEdit, MemoryPlatform::Outcome::Hold);
        QSignalSpy flashed(f.model.get(), &AppModel::flashed);
        f.model->handle(f.files({"a.md", "b.md"}), 0);
        f.model->handle(f.files({"p.png"}), 0);
        QTRY_COMPARE(flashed.size(), 1);
        QCOMPARE(flashed.last().first().toString(), "Opened 1 file in Preview");
        f.platform.releaseHeld();
        QTRY_COMPARE(flashed.size(), 2);
        QCOMPARE(flashed.last().first().toString(), "Opened 2 files in TextEdit");
    }

    void completionAfterModelIsGone() {
        auto f = std::make_unique<ModelFixture>();
        f->addRule("md>TextEdit");
        f->platform.setOpenOutcome(ModelFixture::kTextEdit, MemoryPlatform::Outcome::Hold);
        f->model->handle(f->files({"a.md"}), 0);
        f->model.reset();
        f->platform.releaseHeld(); // must not touch the model
        QTest::qWait(20);
    }

    void firstPendingBringsWindowForward() {
        ModelFixture f;
        f.window.minimized = true;
        f.model->handle(f.files({"a.md", "b.md"}), 0);
        QCOMPARE(f.window.activations, 1);
        QCOMPARE(f.window.restores, 1);
        QCOMPARE(f.window.raises, 1);
        f.model->handle(f.files({"c.md"}), 0); // joins the queue quietly
        QCOMPARE(f.window.activations, 1);
        QCOMPARE(f.model->queue().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestAppModel)
#include "tst_app_model.moc"
