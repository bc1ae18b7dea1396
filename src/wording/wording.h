#pragma once

#include "base/file_names.h"
#include "core/type_group.h"
#include "core/unicode.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace korvane {

// The shared shapes of user sentences.
class Wording {
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // Parts of one message, joined with a middle dot.
    static QString joined(const QStringList& parts) {
        return parts.join(tr(" · ", "between the parts of one message"));
    }
    // A type group as the user reads it: "Images".
    static QString groupName(TypeGroup group) {
        switch (group.value()) {
        case TypeGroup::Text:
            return tr("Text", "a type group");
        case TypeGroup::Images:
            return tr("Images", "a type group");
        case TypeGroup::Audio:
            return tr("Audio", "a type group");
        case TypeGroup::Video:
            return tr("Video", "a type group");
        case TypeGroup::Archives:
            return tr("Archives", "a type group");
        case TypeGroup::Code:
            return tr("Code", "a type group");
        }
        return group.label();
    }
    // Names in a list: "Files, Text Editor".
    static QString listed(const QStringList& names) {
        return names.join(tr(", ", "between names in a list"));
    }
    // A name for a message: one far too long keeps its start and end with "…" between.
    static QString elided(const QString& name, qsizetype most = 80) {
        return Unicode::elided(name, most);
    }
    // A name that begins a sentence: "your desktop" becomes "Your desktop"; a name with capitals
    // of its own ("LXQt") stays as it is.
    static QString capitalised(QString text) {
        const QString first = text.section(u' ', 0, 0);
        if (!text.isEmpty() && first == first.toLower()) {
            text[0] = text[0].toUpper();
        }
        return text;
    }
    // Why a rule naming Korvane itself opens nothing.
    static QString korvaneOpensNothing() {
        return tr("Korvane can't open files for its own rules", "a line of its own");
    }
    static QString korvaneOpensNothingSentence() {
        return tr("Korvane can't open files for its own rules.");
    }
    // A rule's app name for a message; "the app" when the rule has none.
    static QString appName(const QString& name) {
        return name.isEmpty() ? tr("the app") : elided(name);
    }
    // Characters that change how the text around them reads while showing nothing themselves:
    // bidi controls, zero-width and other format characters, line and paragraph separators.
    static bool isInvisible(char16_t u) {
        return (u >= 0x200b && u <= 0x200f) || (u >= 0x202a && u <= 0x202e) ||
               (u >= 0x2066 && u <= 0x2069) || u == 0x2028 || u == 0x2029 || u == 0xfeff ||
               u == 0x061c;
    }
    // The escape an invisible character is shown as: "\u202e".
    static QString escaped(char16_t u) {
        return QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
    }
    // A name for a menu item, check box or button, which read "&" as a mnemonic: shown exactly.
    static QString mnemonicSafe(const QString& text) {
        return visible(text).replace(u'&', QLatin1String("&&"));
    }
    // Text for the window: control characters become their visible symbols (U+2400 on),
    // invisible ones their escape, and bytes of a file name that are not UTF-8 the replacement
    // character.
    // The isolates that isolated() makes stay: what they enclose is shown safely already.
    static QString visible(const QString& text, bool keepLineBreaks = false) {
        QString shown;
        shown.reserve(text.size());
        qsizetype isolateEnd = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const char16_t u = c.unicode();
            if ((u == kLeftToRightEmbedding || u == kRightToLeftEmbedding) && isolateEnd < i) {
                isolateEnd = isolatedEnd(text, i);
                if (isolateEnd > i) {
                    shown += c;
                    continue;
                }
            }
            if (u == kPopDirectionalFormatting && i == isolateEnd) {
                shown += c;
                continue;
            }
            if (u < 0x20 && !(u == u'\n' && keepLineBreaks)) {
                shown += QChar(char16_t(0x2400 + u));
            } else if (u == 0x7f) {
                shown += QChar(char16_t(0x2421));
            } else if ((u >= 0x80 && u < 0xa0) || FileNames::isEscapedByte(text, i)) {
                shown += QChar(char16_t(0xfffd));
            } else if (isInvisible(u)) {
                shown += escaped(u);
            } else {
                shown += c;
            }
        }
        return shown;
    }
    // A name or extension inside a sentence of the window keeps its own direction: in a
    // right-to-left language ".md" stays ".md" and "Text Editor (2)" keeps its parenthesis.
    // Only in a right-to-left window; the command line and left-to-right text take it as it is.
    // An embedding in the name's own direction, which Qt's text layout honours.
    static QString isolated(const QString& name) {
        if (!QCoreApplication::instance() ||
            !QCoreApplication::instance()->inherits("QGuiApplication") ||
            QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") !=
                QLatin1String("RTL")) {
            return name;
        }
        const QString shown = visible(name);
        return QChar(shown.isRightToLeft() ? kRightToLeftEmbedding : kLeftToRightEmbedding) +
               shown + QChar(kPopDirectionalFormatting);
    }
    // A name on a line of its own: in a right-to-left window it starts at the right, as the
    // window's text does, and reads in its own direction.
    static QString alone(const QString& name) {
        const QString embedded = isolated(name);
        return embedded == name ? visible(name) : QChar(kRightToLeftMark) + embedded;
    }
    // An extension with its dot, as a sentence names it: ".md".
    static QString extension(const QString& ext) { return isolated(u'.' + ext); }

private:
    static constexpr char16_t kLeftToRightEmbedding = 0x202a;
    static constexpr char16_t kRightToLeftEmbedding = 0x202b;
    static constexpr char16_t kPopDirectionalFormatting = 0x202c;
    static constexpr char16_t kRightToLeftMark = 0x200f;
    // The index of the PDF closing the embedding that opens at `open`, with no other embedding
    // or isolate control inside (as isolated() makes them); -1 when there is none.
    static qsizetype isolatedEnd(const QString& text, qsizetype open) {
        for (qsizetype i = open + 1; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (u == kPopDirectionalFormatting) {
                return i;
            }
            if ((u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069)) {
                return -1;
            }
        }
        return -1;
    }
};

} // namespace korvane
