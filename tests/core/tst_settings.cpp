#include "core/settings.h"
#include "support/test_data.h"

#include <QTemporaryDir>

using namespace korvane;

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    QString path() const { return temp.filePath("Korvane/Korvane.conf"); }

private Q_SLOTS:
    // What is stored reads back as menu bar, folder behaviour and recent files; anything
    // unusable reads as the default.
    void storedValues_data() {
        columns<QByteArray, QString>("conf", "read");
        row("nothing stored", QByteArray(), "1 openInFinder 0 ");
        row("bogus behaviour", QByteArray("folderBehavior=bogus\n"), "1 bogus 0 ");
        row("ignore", QByteArray("folderBehavior=ignore\nshowMenuBar=false\n"), "0 ignore 2 ");
        row("recents not a list", QByteArray("recentFiles=/a/b\n"), "1 openInFinder 0 ");
        row("recents with a number", QByteArray("recentFiles=\"[\\\"/a\\\",1]\"\n"),
            "1 openInFinder 0 ");
        row("recents", QByteArray("recentFiles=\"[\\\"/a\\\",\\\"/b, c\\\"]\"\n"),
            "1 openInFinder 0 /a|/b, c");
    }

    void storedValues() {
        QFile::remove(path());
        if (!data<QByteArray>("conf").isNull()) {
            QDir().mkpath(temp.filePath("Korvane"));
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\n" + data<QByteArray>("conf"));
        }
        Settings settings(path());
        QCOMPARE(QStringList({settings.showMenuBar() ? "1" : "0", settings.folderBehaviorRaw(),
                              QString::number(int(settings.folderBehavior().value())),
                              settings.recentFiles().join(u'|')})
                     .join(u' '),
                 data<QString>("read"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
