#include "support/model_fixture.h"

using namespace korvane;

namespace {
QString nameOf(const std::optional<PendingFile>& file) {
    return file ? QFileInfo(file->path).fileName() : QString();
}
} // namespace

class TestPending : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answerAdvancesTheQueue_data() {
        QTest::addColumn<bool>("always");
        QTest::addColumn<QStringList>("opens");
        QTest::addColumn<QString>("nextPending");
        QTest::addColumn<int>("rules");
        QTest::newRow("always: b.md follows the new rule")
            << true << QStringList{"Sublime Text: a.md", "Sublime Text: b.md"} << "c.txt" << 2;
        QTest::newRow("just this once")
            << false << QStringList{"Sublime Text: a.md"} << "b.md" << 1;
    }

    void answerAdvancesTheQueue() {
        QFETCH(bool, always);
        QFETCH(QStringList, opens);
        QFETCH(QString, nextPending);
        QFETCH(int, rules);
        ModelFixture f;
        const Rule existing = f.addRule("png>Preview");
        f.model->handle(f.files({"a.md", "b.md", "c.txt"}), 0);
        QCOMPARE(nameOf(f.model->pending()), "a.md");
        QCOMPARE(f.window.raises, 1);

        f.model->resolvePending(*f.model->pending(), ModelFixture::kSublime, always);
        QVERIFY(!f.model->pending()); // between: the sheet closes
        QCOMPARE(f.model->queue().size(), 2);
        f.model->pendingDismissed();
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders(), opens);
        QCOMPARE(nameOf(f.model->pending()), nextPending);
        QCOMPARE(f.window.raises, 1); // promotion does not bring the window forward
        QCOMPARE(f.model->store().rules().size(), rules);
        if (always) {
            const Rule& made = f.model->store().rules().first();
            QCOMPARE(made.extensions, QStringList{"md"});
            QCOMPARE(made.bundleID, "com.sublimetext.4");
            QCOMPARE(made.appName, "Sublime Text");
            QVERIFY(!made.group);
            QCOMPARE(f.model->store().rules().at(1), existing);
            QVERIFY(f.model->store().savePending());
        }
        QTRY_COMPARE(f.model->message(), "Opened 1 file in Sublime Text");
    }

    void noExtensionMakesNoRule() {
        ModelFixture f;
        f.model->handle(f.files({"README"}), 0);
        f.model->resolvePending(*f.model->pending(), ModelFixture::kTextEdit, true);
        QVERIFY(f.settle());
        QVERIFY(f.model->store().rules().isEmpty());
        QCOMPARE(f.openOrders(), QStringList{"TextEdit: README"});
    }

    void newRuleWinsOverExistingOne() {
        ModelFixture f;
        f.addRule("md>Gone");
        f.model->handle(f.files({"a.md", "b.md"}), 0); // a missing app: noted, not queued
        QVERIFY(!f.model->pending());
        f.model->handle(f.files({"x.mdown"}), 0);
        f.model->resolvePending(*f.model->pending(), ModelFixture::kTextEdit, true);
        f.addRule("mdown>Preview");
        QCOMPARE(f.model->store().rules().first().extensions, QStringList{"mdown"});
        QCOMPARE(f.model->store().rules().size(), 3);
        f.model->handle(f.files({"y.mdown"}), 0);
        QVERIFY(f.settle());
        QCOMPARE(f.openOrders().last(), "TextEdit: y.mdown");
    }

    void cancelWalksTheQueue() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md", "c.md"}), 0);
        QStringList seen;
        while (f.model->pending()) {
            seen << nameOf(f.model->pending());
            f.model->cancelPending();
            f.model->pendingDismissed();
        }
        QCOMPARE(seen, (QStringList{"a.md", "b.md", "c.md"}));
        QVERIFY(f.model->queue().isEmpty());
        QVERIFY(f.platform.orders().isEmpty());
    }

    void dismissedWhileAskingDoesNothing() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md"}), 0);
        f.model->pendingDismissed();
        QCOMPARE(nameOf(f.model->pending()), "a.md");
        QCOMPARE(f.model->queue().size(), 1);
    }

    void vanishedFileIsSkipped() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md", "c.md"}), 0);
        f.platform.removeFile(f.file("b.md"));
        f.model->cancelPending();
        f.model->pendingDismissed();
        QCOMPARE(nameOf(f.model->pending()), "c.md");
    }

    void sameFileTwiceIsAskedTwice() {
        ModelFixture f;
        const QString a = f.file("a.md");
        f.model->handle({a, a}, 0);
        const PendingFile first = *f.model->pending();
        f.model->cancelPending();
        f.model->pendingDismissed();
        QCOMPARE(f.model->pending()->path, a);
        QVERIFY(f.model->pending()->id != first.id);
    }

    void dropInBetweenStateJoinsQueue() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md"}), 0);
        f.model->cancelPending(); // between: pending none, queue holds b.md
        f.model->handle(f.files({"c.md"}), 0);
        QVERIFY(!f.model->pending());
        QCOMPARE(f.window.activations, 1);
        f.model->pendingDismissed();
        QCOMPARE(nameOf(f.model->pending()), "b.md");
        QCOMPARE(f.model->queue().size(), 1);
    }

    void missingAppIsAskedAgain() {
        ModelFixture f;
        f.model->handle(f.files({"a.md", "b.md"}), 0);
        f.addRule("md>Gone");
        f.model->cancelPending();
        f.model->pendingDismissed();
        QCOMPARE(nameOf(f.model->pending()), "b.md");
    }

    void failedOpenIsReported() {
        ModelFixture f;
        f.platform.setOpenOutcome(ModelFixture::kPreview, MemoryPlatform::Outcome::Error, "denied");
        f.model->handle(f.files({"a.md"}), 0);
        f.model->resolvePending(*f.model->pending(), ModelFixture::kPreview, false);
        QTRY_COMPARE(f.model->message(), "Preview couldn't open the file (denied)");
    }
};

QTEST_GUILESS_MAIN(TestPending)
#include "tst_pending.moc"
