#include "base/file_names.h"
#include "support/test_data.h"

using namespace korvane;

namespace {
// The character a byte that is not UTF-8 travels as.
QString escaped(char16_t byte) {
    return QString(QChar(char16_t(0xdc00 + byte)));
}
} // namespace

// File names as bytes: every name turns back into the bytes it came from, and what is UTF-8
// reads as text.
class TestFileNames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data() {
        columns<QByteArray, QString>("bytes", "text");
        row("UTF-8", QByteArray("/R\xc3\xa9sum\xc3\xa9 \xe2\x82\xac.md"),
            QString("/R\u00e9sum\u00e9 \u20ac.md"));
        row("a stray high byte", QByteArray("a\xff.md"), "a" + escaped(0xff) + ".md");
        row("lone continuation bytes", QByteArray("\x80x\xbf"),
            escaped(0x80) + "x" + escaped(0xbf));
        row("overlong slash and NUL", QByteArray("\xc0\xaf\xe0\x80\x80"),
            escaped(0xc0) + escaped(0xaf) + escaped(0xe0) + escaped(0x80) + escaped(0x80));
        row("a sequence cut short", QByteArray("\xe2\x82x\xf0\x9f\x98"),
            escaped(0xe2) + escaped(0x82) + "x" + escaped(0xf0) + escaped(0x9f) + escaped(0x98));
        row("past U+10FFFF", QByteArray("\xf4\x90\x80\x80"),
            escaped(0xf4) + escaped(0x90) + escaped(0x80) + escaped(0x80));
        row("a surrogate written as UTF-8", QByteArray("\xed\xb2\xa9"),
            escaped(0xed) + escaped(0xb2) + escaped(0xa9));
        // U+1F4A9 is U+D83D U+DCA9 in a QString: its second half is no stray byte.
        row("a character whose second half looks escaped", QByteArray("\xf0\x9f\x92\xa9.md"),
            QString("\U0001F4A9.md"));
        row("the same beside stray bytes", QByteArray("\xff\xf0\x9f\x92\xa9\xa9\xe2\x82\xac\x80"),
            escaped(0xff) + "\U0001F4A9" + escaped(0xa9) + "\u20ac" + escaped(0x80));
        row("a byte-order mark",
            QByteArray("\xef\xbb\xbf"
                       "a"),
            QChar(0xfeff) + QString("a"));
        row("a byte-order mark after a stray byte", QByteArray("\xff\xef\xbb\xbf"),
            escaped(0xff) + QChar(0xfeff));
        row("a long path", "/" + QByteArray(5000, 'd') + "\xff/\xc3\xa9",
            "/" + QString(5000, u'd') + escaped(0xff) + "/\u00e9");
    }

    void roundTrip() {
        const QByteArray& bytes = data<QByteArray>("bytes");
        QCOMPARE(FileNames::decode(bytes), data<QString>("text"));
        QCOMPARE(FileNames::encode(data<QString>("text")), bytes);
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_file_names.moc"
