#pragma once

#include "drop_mode.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

// How a drop ended, once its launches and its reveal have reported back: the data its summary
// is made of ("Opened 5 files in 4 apps · 1 missing").
struct DropReport {
    // One app's launch with its files; `error` when it failed.
    struct Launch {
        QString appName{};
        qsizetype files = 0; // links included
        QString error{};
        qsizetype links = 0;
        friend bool operator==(const Launch&, const Launch&) = default;
    };
    // Items shown in the file manager (`shownBy`); or, with none answering, their `parents`
    // opened in it; or `error`.
    struct Reveal {
        qsizetype items = 0;
        bool folders = false; // dropped folders, not a Reveal drop's items
        QString shownBy{};
        qsizetype parents = 0;
        QString error{};
        friend bool operator==(const Reveal&, const Reveal&) = default;
    };
    enum class Folders { None, Opened, Revealed, Ignored };

    DropMode mode = DropMode::Route;
    bool handedBack = false; // files an app Korvane started handed back: opened without the rules
    qsizetype missingFiles = 0;     // dropped, but not there
    bool noneThere = false;         // not one of them was there
    qsizetype handedToDesktop = 0;  // a Defaults drop's files no app is known for, and no others
    qsizetype linksNotRevealed = 0; // a Reveal drop's links: the file manager shows files
    QList<Launch> launches{};
    std::optional<Reveal> reveal{};
    Folders folders = Folders::None;
    qsizetype folderCount = 0;
    QStringList missingApps{}; // the names rules give them, each once, in the order met
    bool namesKorvane = false; // a rule that claimed a file names Korvane itself
    bool failed = false;       // something asked couldn't be done

    friend bool operator==(const DropReport&, const DropReport&) = default;
};

} // namespace korvane
