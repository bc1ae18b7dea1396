#pragma once

#include <QList>
#include <QString>

namespace korvane {

// What making an app the default, or restoring the earlier default, did for one extension.
struct DefaultOutcome {
    enum Kind {
        NoType,             // the desktop has no type of its own for the extension
        AlreadyDefault,     // `app` opens it already
        Failed,             // `error` says why
        NotChanged,         // the desktop didn't take the change: `app` (none: nothing) still
        NotRestored,        // opens these files, as set in `origin` (none: unknown)
        Made,               // `app` is now the default
        NothingToRestore,   // no record for it
        NoTypeToRestore,    // a record, but the desktop has no type for it any more
        CutShort,           // the recorded change was cut short before it was made
        ChangedSince,       // the user chose `app` since (none: removed the default): left so
        PreviousUnknown,    // the earlier default is unknown or no longer installed: left so
        Restored,           // to `app` (none: it had no default before)
        RestoredUnrecorded, // restored, but the record couldn't be updated: `error`
        HeldByOpener,       // Korvane opens these files for the desktop: nothing was changed
    };
    QString extension{};
    Kind kind = Failed;
    QString app{};
    QString origin{};
    QString error{};

    static DefaultOutcome of(const QString& extension, Kind kind, const QString& app = {}) {
        DefaultOutcome outcome;
        outcome.extension = extension;
        outcome.kind = kind;
        outcome.app = app;
        return outcome;
    }
    static DefaultOutcome failed(const QString& extension, Kind kind, const QString& error) {
        DefaultOutcome outcome = of(extension, kind);
        outcome.error = error;
        return outcome;
    }

    friend bool operator==(const DefaultOutcome&, const DefaultOutcome&) = default;

    // Whether the outcome is a whole content type's (the opener's) rather than an extension's.
    bool isType() const { return extension.contains(u'/'); }

    // Whether it did what was asked.
    bool ok() const {
        return kind == AlreadyDefault || kind == Made || kind == NothingToRestore ||
               kind == CutShort || kind == Restored;
    }
};

// The whole of a make-default or restore command over a rule.
struct DefaultsReport {
    // Why nothing was tried: the desktop's settings can't be read safely (`problem`), the rule's
    // app is missing, or it has no extension.
    enum Refusal { None, UnsafeSettings, NoApp, NoExtension };
    Refusal refusal = None;
    QString problem{};
    QList<DefaultOutcome> outcomes{};

    friend bool operator==(const DefaultsReport&, const DefaultsReport&) = default;

    int failures() const {
        int failed = 0;
        for (const DefaultOutcome& outcome : outcomes) {
            failed += outcome.ok() ? 0 : 1;
        }
        return failed;
    }
};

} // namespace korvane
