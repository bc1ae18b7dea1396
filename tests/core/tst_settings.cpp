#include "core/settings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace korvane;

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    QString path() const { return temp.filePath("Korvane/Korvane.conf"); }
    void writeConf(const QByteArray& text) {
        QDir().mkpath(temp.filePath("Korvane"));
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private Q_SLOTS:
    void registeredDefaults() {
        QFile::remove(path());
        Settings settings(path());
        QVERIFY(settings.showMenuBar());
        QVERIFY(settings.showDock());
        QCOMPARE(settings.folderBehaviorRaw(), "openInFinder");
        QCOMPARE(settings.folderBehavior(), FolderBehavior::Open);
        QCOMPARE(settings.recentFiles(), QStringList{});
    }

    void storedValues_data() {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<bool>("menuBar");
        QTest::addColumn<int>("behavior");
        QTest::addColumn<QStringList>("recents");
        QTest::newRow("bogus behaviour") << QByteArray("[General]\nfolderBehavior=bogus\n") << true
                                         << int(FolderBehavior::Open) << QStringList{};
        QTest::newRow("ignore") << QByteArray(
                                       "[General]\nfolderBehavior=ignore\nshowMenuBar=false\n")
                                << false << int(FolderBehavior::Ignore) << QStringList{};
        QTest::newRow("recents not a list") << QByteArray("[General]\nrecentFiles=/a/b\n") << true
                                            << int(FolderBehavior::Open) << QStringList{};
        QTest::newRow("recents with a number")
            << QByteArray("[General]\nrecentFiles=\"[\\\"/a\\\",1]\"\n") << true
            << int(FolderBehavior::Open) << QStringList{};
    }

    void storedValues() {
        QFETCH(QByteArray, conf);
        QFETCH(bool, menuBar);
        QFETCH(int, behavior);
        QFETCH(QStringList, recents);
        writeConf(conf);
        Settings settings(path());
        QCOMPARE(settings.showMenuBar(), menuBar);
        QCOMPARE(int(settings.folderBehavior().value()), behavior);
        QCOMPARE(settings.recentFiles(), recents);
    }

    void roundTripAndSignal() {
        QFile::remove(path());
        {
            Settings settings(path());
            QSignalSpy changed(&settings, &Settings::changed);
            settings.setRecentFiles({"/only one, with a comma"});
            settings.setShowDock(false);
            settings.setFolderBehavior("revealInFinder");
            QCOMPARE(changed.size(), 3);
            QCOMPARE(changed.at(1).first().toString(), "showDock");
        }
        Settings again(path());
        QCOMPARE(again.recentFiles(), QStringList{"/only one, with a comma"});
        QVERIFY(!again.showDock());
        QCOMPARE(again.folderBehavior(), FolderBehavior::Reveal);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
