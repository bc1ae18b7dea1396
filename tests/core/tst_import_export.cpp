#include "support/model_fixture.h"

using namespace korvane;

class TestImportExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportThenImportDoubles() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        const QString path = f.dir.filePath("KorvaneRules.json");
        f.panels.saveAnswer = path;
        f.model->exportRules();
        QCOMPARE(f.panels.titles, QStringList{"Export Rules"});
        QCOMPARE(f.panels.proposedName, "KorvaneRules.json");
        QCOMPARE(f.model->message(), "Exported 1 rule");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), RuleStore::encode(f.model->store().rules()));

        f.panels.openAnswer = QStringList{path};
        f.model->importRules();
        QCOMPARE(f.panels.openOptions.last().title, "Import Rules");
        QVERIFY(f.panels.openOptions.last().jsonOnly);
        QVERIFY(!f.panels.openOptions.last().multipleSelection);
        QCOMPARE(f.model->message(), "Imported 1 rule");
        const QList<Rule> rules = f.model->store().rules();
        QCOMPARE(rules.size(), 2);
        QVERIFY(rules[0].id != rules[1].id);
        Rule copy = rules[1];
        copy.id = rules[0].id;
        QCOMPARE(copy, rules[0]);
    }

    void exportEmptyList() {
        ModelFixture f;
        f.panels.saveAnswer = f.dir.filePath("empty.json");
        f.model->exportRules();
        QCOMPARE(f.model->message(), "Exported 0 rules");
    }

    void cancelledPanelsDoNothing() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.model->exportRules();
        f.model->importRules();
        QCOMPARE(f.model->message(), QString());
        QCOMPARE(f.model->alertText(), QString());
        QCOMPARE(f.model->store().rules().size(), 1);
    }

    void importCounts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("added");
        const QString invalid = "That file doesn't contain any valid Korvane rules.";
        QTest::newRow("two objects and a number")
            << QByteArray("[{}, {\"extensions\": [\"md\"]}, 3]") << "Imported 2 rules" << 2;
        QTest::newRow("empty array") << QByteArray("[]") << invalid << 0;
        QTest::newRow("numbers only") << QByteArray("[1, 2]") << invalid << 0;
        QTest::newRow("object") << QByteArray("{\"extensions\": []}") << invalid << 0;
        QTest::newRow("not JSON") << QByteArray("hello") << invalid << 0;
    }

    void importCounts() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(int, added);
        ModelFixture f;
        f.addRule("md>TextEdit");
        const QString path = f.dir.filePath("in.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        f.panels.openAnswer = QStringList{path};
        f.model->importRules();
        QCOMPARE(added > 0 ? f.model->message() : f.model->alertText(), message);
        QCOMPARE(f.model->store().rules().size(), 1 + added);
        QCOMPARE(f.model->store().rules().first().extensions, QStringList{"md"}); // existing first
    }

    void importUnreadableFile() {
        ModelFixture f;
        f.panels.openAnswer = QStringList{f.dir.filePath("does-not-exist.json")};
        f.model->importRules();
        QCOMPARE(f.model->alertText(), f.dir.filePath("does-not-exist.json") + " doesn't exist.");
    }

    void exportWriteFailure() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.panels.saveAnswer = f.dir.filePath("no-such-folder/rules.json");
        f.model->exportRules();
        QVERIFY2(f.model->alertText().startsWith("The rules couldn't be saved there: "),
                 qPrintable(f.model->alertText()));
        QVERIFY(f.model->alertText().size() >
                QString("The rules couldn't be saved there: ").size());
        QCOMPARE(f.model->message(), QString());
    }

    void openPanelHandlesLikeADrop() {
        ModelFixture f;
        f.addRule("md>TextEdit");
        f.settings->setFolderBehavior("ignore");
        f.panels.openAnswer = f.files({"docs/", "a.md", "b.md"});
        f.model->openPanel();
        QCOMPARE(f.window.activations, 1);
        const OpenPanelOptions options = f.panels.openOptions.last();
        QCOMPARE(options.title, "Open File");
        QVERIFY(options.chooseFiles && options.chooseFolders && options.multipleSelection);
        QVERIFY(f.settle());
        QCOMPARE(f.model->message(), "Opened 2 files in TextEdit \u00b7 Ignored 1 folder");
    }

    void showWindow() {
        ModelFixture f;
        f.window.minimized = true;
        f.model->showWindow();
        QCOMPARE(f.window.activations, 1);
        QCOMPARE(f.window.restores, 1);
        QCOMPARE(f.window.raises, 1);
        f.model->setMainWindow(nullptr);
        f.model->showWindow(); // no window: nothing to do, no crash
    }
};

QTEST_GUILESS_MAIN(TestImportExport)
#include "tst_import_export.moc"
