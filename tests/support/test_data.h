#pragma once

#include "base/result.h"
#include "core/rule.h"

#include <QDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

namespace korvane {

// Data tables on one line per row: columns<QString, int>("file", "kind"); row("name", "a", 1).
template <typename... T, typename... N> void columns(N... names) {
    (QTest::addColumn<T>(names), ...);
}
template <typename... T> void row(const char* name, T... values) {
    (QTest::newRow(name) << ... << values);
}
// How QCOMPARE shows a result.
inline char* toString(const Result& result) {
    return QTest::toString(result ? QStringLiteral("done") : "failed: " + result.errorString());
}
// The current row's value of a column.
template <typename T> const T& data(const char* column) {
    return *static_cast<T*>(QTest::qData(column, qMetaTypeId<T>()));
}

// Each item of `list` through `f` (a function or a member).
template <typename T, typename F> auto mapped(const QList<T>& list, F f) {
    QList<std::decay_t<std::invoke_result_t<F, const T&>>> out;
    for (const T& item : list) {
        out.append(std::invoke(f, item));
    }
    return out;
}

// A file's bytes, "<missing>" when it can't be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
// What a command that changes nothing leaves as it was: the inode, type and time of a file (of a
// link itself), and a regular file's bytes.
inline QByteArray fileState(const QString& path) {
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return "<missing>";
    }
    return QString::asprintf("%llu %o %lld.%09ld\n", qulonglong(info.st_ino), info.st_mode,
                             qlonglong(info.st_mtim.tv_sec), long(info.st_mtim.tv_nsec))
               .toLatin1() +
           (S_ISREG(info.st_mode) ? readFile(path) : QByteArray());
}
// Replaces a file's bytes, making its folder when needed.
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(bytes) == bytes.size());
}

// A rule from a compact spec: "md,txt>Editor" (extensions), "@text>Editor" (group),
// "!md>Editor" (switched off), "md>" (no app), "md{/a,~/b}>Editor" or "{/a}>Editor" (only in
// those folders). The app's identifier is `idOf(name)`, by default
// "editor.desktop", its path "/apps/editor.desktop"; "Nameless" is an app without a name.
inline Rule ruleFrom(const QString& spec, const std::function<QString(const QString&)>& idOf = {}) {
    Rule rule;
    rule.enabled = !spec.startsWith(u'!');
    QString match = spec.section(u'>', 0, 0).mid(rule.enabled ? 0 : 1);
    if (const qsizetype bracket = match.indexOf(u'['); bracket >= 0) { // "[example.org mailto:]"
        rule.links = match.mid(bracket + 1).chopped(1).split(u' ');
        match.truncate(bracket);
    }
    if (const qsizetype brace = match.indexOf(u'{'); brace >= 0) { // "md{/a,~/b}": folders
        rule.folders = match.mid(brace + 1).chopped(1).split(u',');
        match.truncate(brace);
    }
    const QString app = spec.section(u'>', 1);
    if (match.startsWith(u'@')) {
        rule.group = TypeGroup::fromRawValue(match.mid(1));
    } else {
        rule.extensions = Rule::parseExtensions(match);
    }
    if (!app.isEmpty()) {
        rule.appId = idOf ? idOf(app) : app.toLower() + QStringLiteral(".desktop");
        rule.appPath = QStringLiteral("/apps/%1.desktop").arg(app.toLower());
        rule.appName = app == QLatin1String("Nameless") ? QString() : app;
    }
    return rule;
}

inline QList<Rule> rulesFrom(const QStringList& specs,
                             const std::function<QString(const QString&)>& idOf = {}) {
    QList<Rule> rules;
    for (const QString& spec : specs) {
        rules.append(ruleFrom(spec, idOf));
    }
    return rules;
}

} // namespace korvane
