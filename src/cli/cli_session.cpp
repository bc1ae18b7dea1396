#include "cli_session.h"

#include "base/file_names.h"
#include "cli_text.h"
#include "core/app_model.h"
#include "core/app_resolver.h"
#include "core/links.h"
#include "core/router.h"
#include "core/rule_doctor.h"
#include "core/settings.h"
#include "instance/window_start.h"
#include "platform/platform.h"
#include "terminal_text.h"
#include "wording/defaults_text.h"
#include "wording/drop_text.h"
#include "wording/finding_text.h"
#include "wording/rule_words.h"
#include "wording/transfer_text.h"
#include "wording/wording.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <climits>
#include <memory>

namespace korvane {

namespace {

// Sentences of the model, one per line, each shown safely.
QString terminalLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        line = terminalText(line);
    }
    return lines.join(u'\n');
}

} // namespace

CliSession::CliSession(Platform& platform, QTextStream& out, QTextStream& err, QTextStream& in)
    : m_platform(platform)
    , m_out(out)
    , m_err(err)
    , m_in(in)
    , m_settings(
          std::make_unique<Settings>(Settings::defaultPath(), Settings::RecentWrites::Appended))
    , m_model(std::make_unique<AppModel>(platform, RuleStore::defaultDirectory(), *m_settings)) {
    // Each drop's summary, as the command line words it.
    QObject::connect(m_model.get(), &AppModel::dropEnded, m_model.get(),
                     [this, &platform](const DropReport& report) {
                         if (report.mode == DropMode::ForDesktop && !report.failed) {
                             return; // nobody reads it: the desktop started this
                         }
                         const QString summary = dropSummary(
                             report, {platform.systemName(), platform.fileManagerName(),
                                      CliText::tr("Check its rule with 'korvane rules'.")});
                         if (!summary.isEmpty()) {
                             m_out << terminalText(summary) << Qt::endl;
                         }
                     });
    // Every change is written before the next question and before any success line.
    m_model->store().setSaveDelay(std::chrono::milliseconds(0));
    QObject::connect(&m_model->store(), &RuleStore::saved, m_model.get(),
                     [this](bool ok) { m_writeFailures += ok ? 0 : 1; });
}

CliSession::~CliSession() = default;

void CliSession::settle() {
    // Every launch and reveal delivered and answered before the next line is printed.
    if (m_model->launchesInFlight() > 0) {
        QEventLoop loop;
        QObject::connect(m_model.get(), &AppModel::launchesSettled, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // And the desktop's defaults following a changed rule, while Korvane is its opener.
    if (m_model->openerBusy()) {
        QEventLoop loop;
        QObject::connect(m_model.get(), &AppModel::openerIdle, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

bool CliSession::rulesUnreadable() {
    const QString problem = m_model->store().loadProblem();
    if (!problem.isEmpty()) {
        m_err << "korvane: " << terminalText(problem) << "\n";
    }
    return !problem.isEmpty();
}

int CliSession::open(const QStringList& files, DropMode mode, LaunchMarker::HandBack handBack) {
    const bool withoutRules = rulesUnreadable();
    const QString here = FileNames::currentFolder();
    if (here.isEmpty()) {
        m_err << "korvane: "
              << CliText::tr("the current folder can't be read, so the files can't be found")
              << "\n";
        return 1;
    }
    if (const Result readable = m_platform.checkSettings(); !readable) {
        m_err << "korvane: " << terminalText(readable.errorString()) << "\n"; // no app to look up
        return 1;
    }
    QStringList paths;
    int refused = 0;
    for (const QString& file : files) {
        // A remote file the desktop mounts is a file, through its mount; a link is a link.
        const QString path = !Links::isLink(file) ? FileNames::absolute(file, here)
                                                  : m_platform.localPath(file).value_or(file);
        if (FileNames::encode(path).size() >= PATH_MAX) {
            m_err
                << "korvane: "
                << CliText::tr("%1: the path is too long to hand to an app").arg(terminalText(file))
                << "\n";
            ++refused;
            continue;
        }
        paths << path;
    }
    handleForDesktop(paths, mode, handBack);
    settle();
    if (mode == DropMode::ForDesktop) {
        // No terminal to ask on: what no app takes is asked about in the window's sheet.
        m_unanswered = takeUnanswered();
        return withoutRules || refused + m_model->failures() > 0 ? 1 : 0;
    }
    int reported = 0;
    while (m_model->pending()) {
        ask();
        if (m_writeFailures > reported) {
            reported = m_writeFailures;
            m_err << "korvane: "
                  << CliText::tr("the rule couldn't be saved. %1")
                         .arg(terminalText(m_model->store().lastError()))
                  << "\n";
        }
        m_model->pendingDismissed();
        settle();
    }
    return withoutRules || refused + m_writeFailures + m_model->failures() > 0 ? 1 : 0;
}

void CliSession::handleForDesktop(const QStringList& items, DropMode mode,
                                  LaunchMarker::HandBack handBack, const AppModel::DropDone& done) {
    switch (handBack) {
    case LaunchMarker::HandBack::None:
        return m_model->handle(items, mode, done);
    case LaunchMarker::HandBack::Once:
        return m_model->handleHandedBack(items, done);
    case LaunchMarker::HandBack::Again: // the app chosen for them handed them back too
        m_model->askAbout(items);
        if (done) {
            done(DropReport{});
        }
        return;
    }
}

bool CliSession::opensLinks() const {
    return m_model->opener().linksOn();
}

int CliSession::openBrowser() {
    if (!startBrowser()) {
        return 1;
    }
    settle();
    return m_model->failures() > 0 ? 1 : 0;
}

bool CliSession::startBrowser() {
    if (m_model->startBrowserForDesktop()) {
        return true;
    }
    m_err << "korvane: " << CliText::tr("there is no web browser to start") << Qt::endl;
    return false;
}

QStringList CliSession::takeUnanswered() {
    QStringList files;
    while (const auto file = m_model->pending()) {
        files << file->path;
        m_model->cancelPending();
        m_model->pendingDismissed(); // the next one, if any
    }
    return files;
}

int CliSession::serveOpener() {
    m_model->store().watchFile(); // the window's changes count at once
    QEventLoop loop;
    int status = 0;
    std::shared_ptr<void> serving;
    // Ends once nothing is in flight: the requests already answered are opened first.
    QTimer settling;
    settling.setInterval(std::chrono::milliseconds(50));
    QObject::connect(&settling, &QTimer::timeout, &loop, [&] {
        if (m_model->launchesInFlight() == 0 && !m_model->openerBusy()) {
            loop.quit();
        }
    });
    auto stop = [&] {
        serving.reset(); // the name goes first, so that no request comes in meanwhile
        settling.start();
    };
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(kServeIdle);
    QObject::connect(&idle, &QTimer::timeout, &loop, stop);
    serving = m_platform.serveOpener(
        [&](const Platform::OpenerRequest& request) {
            idle.start();
            m_model->defaultManager().reload(); // what the opener replaced may have changed
            if (request.items.isEmpty()) {
                // As the desktop's web browser; not for the browser it would start itself.
                if (m_model->opener().linksOn() &&
                    request.handBack == LaunchMarker::HandBack::None) {
                    startBrowser();
                }
                return;
            }
            const auto asked = [this](const DropReport&) {
                if (const QStringList unanswered = takeUnanswered();
                    !unanswered.isEmpty() &&
                    !WindowStart::askAlone(unanswered, WindowStart::AskIn::NewProcess)) {
                    m_err << "korvane: "
                          << CliText::tr("the Korvane window can't be started: %1.")
                                 .arg(terminalText(WindowStart::windowProgram()))
                          << Qt::endl;
                }
            };
            handleForDesktop(request.items, DropMode::ForDesktop, request.handBack, asked);
        },
        [&](const Result& why) {
            if (!why) {
                m_err << "korvane: " << terminalText(why.errorString()) << Qt::endl;
                status = 1;
            }
            QTimer::singleShot(0, &loop, stop); // not inside the platform's own call
        });
    idle.start();
    loop.exec();
    return status;
}

void CliSession::ask() {
    const PendingFile file = *m_model->pending();
    const bool link = Links::isLink(file.path);
    const QStringList apps = link ? m_platform.applicationsForType(Links::schemeType(file.path))
                                  : m_platform.applicationsForFile(file.path);
    m_out << terminalText(Wording::elided(link ? file.path : QFileInfo(file.path).fileName()))
          << "\n"
          << (link ? CliText::tr("No rule matches this link. Which app should open it?")
                   : CliText::tr("No rule matches this file. Which app should open it?"))
          << "\n";
    if (apps.isEmpty()) {
        const QString desktop = terminalText(Wording::capitalised(m_platform.systemName()));
        m_out << (link
                      ? CliText::tr("%1 didn't suggest any apps for this link.", "%1: the desktop")
                      : CliText::tr("%1 didn't suggest any apps for this file.", "%1: the desktop"))
                     .arg(desktop)
              << "\n";
    }
    for (qsizetype i = 0; i < apps.size(); ++i) {
        m_out << "  " << (i + 1) << ". "
              << terminalText(AppResolver::displayName(apps[i], m_platform)) << "\n";
    }
    std::optional<QString> chosen;
    while (!apps.isEmpty()) {
        m_out << CliText::tr("Number (empty to skip): ") << Qt::flush;
        const QString line = m_in.readLine();
        if (line.trimmed().isEmpty()) {
            break; // an empty line or the end of input cancels
        }
        bool ok = false;
        const int number = line.trimmed().toInt(&ok);
        if (ok && number >= 1 && number <= apps.size()) {
            chosen = apps[number - 1];
            break;
        }
        m_out << CliText::tr("Choose a number from 1 to %1.").arg(apps.size()) << "\n";
    }
    if (!chosen) {
        m_model->cancelPending();
        return;
    }
    const QString key = link ? Links::learnedCondition(file.path, m_platform)
                             : Router::ruleKey(file.path, m_platform);
    bool always = false;
    if (!key.isEmpty()) {
        if (!link) {
            m_out << CliText::tr("Always use this app for .%1? [Y/n] ").arg(terminalText(key));
        } else if (key.endsWith(u':')) {
            m_out << CliText::tr("Always use this app for %1 links? [Y/n] ", "%1: as mailto:")
                         .arg(terminalText(key));
        } else {
            m_out << CliText::tr("Always use this app for %1? [Y/n] ", "%1: a site, as example.org")
                         .arg(terminalText(key));
        }
        m_out << Qt::flush;
        const QString answer = m_in.readLine().trimmed().toLower();
        // English answers count in every language, beside the language's own.
        const QStringList yes{QStringLiteral("y"), QStringLiteral("yes"),
                              CliText::tr("y", "the short answer yes").toLower(),
                              CliText::tr("yes").toLower()};
        always = answer.isEmpty() || yes.contains(answer);
    }
    m_model->resolvePending(file, *chosen, always);
}

int CliSession::listRules() {
    if (rulesUnreadable()) {
        return 1;
    }
    const QList<Rule>& rules = m_model->store().rules();
    if (rules.isEmpty()) {
        m_out << CliText::tr("No rules yet.") << "\n";
    }
    AppLookups apps(m_platform);
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        QStringList parts = ruleWords(rule);
        if (rule.extensions.isEmpty() && rule.links.isEmpty()) {
            parts.prepend(CliText::tr("(no extensions)"));
        }
        if (!rule.hasApp()) {
            parts << CliText::tr("no app");
        } else if (const auto app = apps.resolve(rule)) {
            parts << CliText::tr("app: %1").arg(apps.displayName(*app));
        } else {
            parts << CliText::tr("app: %1 (not found)").arg(Wording::appName(rule.appName));
        }
        parts << (rule.enabled ? CliText::tr("enabled") : CliText::tr("disabled"));
        m_out << (i + 1) << ". "
              << terminalText(parts.join(CliText::tr("; ", "between a rule's parts"))) << "\n";
    }
    return 0;
}

int CliSession::checkRules() {
    if (rulesUnreadable()) {
        return 1;
    }
    const QList<Rule> rules = m_model->store().rules();
    const QList<RuleDoctor::Finding> findings = RuleDoctor::check(rules, m_platform);
    for (const RuleDoctor::Finding& finding : findings) {
        m_out << terminalText(CliText::tr("Rule %1: %2")
                                  .arg(finding.rule + 1)
                                  .arg(findingText(finding, m_platform.systemName())))
              << "\n";
    }
    const int ruleCount = int(rules.size());
    m_out << (findings.isEmpty()
                  ? CliText::tr("No findings in %n rule(s).", nullptr, ruleCount)
                  : CliText::tr("%1 in %n rule(s).", "%1: a number of findings", ruleCount)
                        .arg(CliText::tr("%n finding(s)", nullptr, int(findings.size()))))
          << "\n";
    return findings.isEmpty() ? 0 : 1;
}

int CliSession::importRules(const QString& file) {
    if (rulesUnreadable()) {
        return 1;
    }
    const int status =
        report(importText, m_model->importRulesFrom(QFileInfo(file).absoluteFilePath()));
    settle();
    return status;
}

int CliSession::exportRules(const QString& file) {
    if (rulesUnreadable()) {
        return 1;
    }
    return report(exportText, m_model->exportRulesTo(QFileInfo(file).absoluteFilePath()));
}

int CliSession::report(QString (*text)(const TransferReport&), const TransferReport& report) {
    (report.ok() ? m_out : m_err) << terminalText(text(report)) << "\n";
    return report.ok() ? 0 : 1;
}

int CliSession::setDefault(int number) {
    return runDefaults(number, true);
}
int CliSession::restoreDefault(int number) {
    return runDefaults(number, false);
}

int CliSession::setOpener(DesktopOpener::Scope scope) {
    const bool on = scope != DesktopOpener::Scope::Off;
    if (on && rulesUnreadable()) {
        return 1;
    }
    const QString desktop = m_platform.systemName();
    if (!on && !m_model->opener().isOn() && m_model->opener().held().isEmpty()) {
        m_out << CliText::tr("Korvane doesn't open files for %1.", "%1: the desktop").arg(desktop)
              << "\n";
        return 0; // nothing to give back: nothing is written
    }
    QEventLoop loop;
    std::optional<DesktopOpener::Report> ended;
    m_model->setOpenForDesktop(scope, [&](const DesktopOpener::Report& report) {
        ended = report;
        loop.quit();
    });
    if (!ended) {
        loop.exec();
    }
    switch (ended->refusal) {
    case DesktopOpener::Report::UnsafeSettings:
        m_err << "korvane: " << terminalText(ended->problem) << "\n";
        return 1;
    case DesktopOpener::Report::NoOpener:
        m_err << "korvane: "
              << (ended->problem.isEmpty()
                      ? CliText::tr("%1 has no entry for Korvane's opener, so nothing was changed",
                                    "%1: the desktop")
                            .arg(desktop)
                      : CliText::tr("Korvane's opener couldn't be given to %1: %2",
                                    "%1: the desktop, %2: why")
                            .arg(desktop, terminalText(ended->problem)))
              << "\n";
        return 1;
    case DesktopOpener::Report::None:
        break;
    }
    int failed = 0;
    int givenBack = 0;
    QStringList schemesGivenBack;
    for (const auto* outcomes : {&ended->taken, &ended->givenBack}) {
        for (const DefaultOutcome& outcome : *outcomes) {
            if (outcome.kind == DefaultOutcome::Restored) {
                if (const QString scheme = Links::schemeOfType(outcome.extension);
                    !scheme.isEmpty()) {
                    schemesGivenBack << scheme;
                } else {
                    ++givenBack;
                }
            }
            if (outcome.ok()) {
                continue; // the count says it; a type already Korvane's (its parent's) is fine
            }
            // What didn't go as asked, and choices the user made since, which are kept.
            failed += outcome.kind == DefaultOutcome::ChangedSince ? 0 : 1;
            m_out << terminalText(defaultOutcomeText(outcome, desktop)) << "\n";
        }
    }
    QStringList schemes; // the link types it holds, by scheme
    for (const DesktopOpener::Held& held : m_model->opener().held()) {
        if (const QString scheme = Links::schemeOfType(held.type); !scheme.isEmpty()) {
            schemes << scheme;
        }
    }
    const int fileTypes = ended->types - int(schemes.size());
    if (on && (fileTypes > 0 || failed == 0)) {
        m_out << (fileTypes > 0
                      ? CliText::tr("Korvane opens %n file type(s) for %1 now.", "%1: the desktop",
                                    fileTypes)
                            .arg(desktop)
                      : CliText::tr("Korvane opens files for %1 now; no enabled rule names a file "
                                    "type yet.",
                                    "%1: the desktop")
                            .arg(desktop))
              << "\n";
        if (!schemes.isEmpty()) {
            m_out << CliText::tr("It opens links for %1 too: %2.", "%1: the desktop, %2: schemes")
                         .arg(desktop, terminalText(Wording::listed(schemes)))
                  << "\n";
        }
    } else if (!on) {
        m_out << CliText::tr("Korvane no longer opens files for %1; %n file type(s) given back.",
                             "%1: the desktop", givenBack)
                     .arg(desktop)
              << "\n";
    }
    if (!schemesGivenBack.isEmpty()) {
        m_out << CliText::tr("It no longer opens links for %1; given back: %2.",
                             "%1: the desktop, %2: schemes")
                     .arg(desktop, terminalText(Wording::listed(schemesGivenBack)))
              << "\n";
    }
    if (!on) {
        if (ended->types > 0) {
            m_out << CliText::tr("%n file type(s) could not be given back; 'korvane opener off' "
                                 "tries again.",
                                 nullptr, ended->types)
                  << "\n";
        }
    }
    return failed > 0 || (!on && ended->types > 0) ? 1 : 0;
}

int CliSession::openerStatus() {
    const QString desktop = m_platform.systemName();
    const QList<DesktopOpener::Held> held = m_model->opener().held();
    m_out << (m_model->opener().isOn()
                  ? CliText::tr("Korvane opens files for %1: on", "%1: the desktop")
                  : CliText::tr("Korvane opens files for %1: off", "%1: the desktop"))
                 .arg(desktop)
          << "\n";
    if (m_model->opener().isOn()) {
        m_out << (m_model->opener().linksOn()
                      ? CliText::tr("Korvane opens links for %1: on", "%1: the desktop")
                      : CliText::tr("Korvane opens links for %1: off", "%1: the desktop"))
                     .arg(desktop)
              << "\n";
    }
    for (const DesktopOpener::Held& type : held) {
        QString replaced;
        if (type.replacedId.isEmpty()) {
            replaced = CliText::tr("in place of no app");
        } else if (type.replacedApp.isEmpty()) {
            replaced = CliText::tr("in place of %1 (no longer installed)").arg(type.replacedId);
        } else {
            replaced = CliText::tr("in place of %1")
                           .arg(AppResolver::displayName(type.replacedApp, m_platform));
        }
        if (!type.origin.isEmpty()) {
            replaced = CliText::tr("%1, as %2 said", "%1: in place of an app, %2: a file")
                           .arg(replaced, QDir::toNativeSeparators(type.origin));
        }
        m_out << terminalText(CliText::tr("%1: %2", "a file type, what it opened with before")
                                  .arg(type.type, replaced))
              << "\n";
    }
    return 0;
}

int CliSession::runDefaults(int number, bool make) {
    if (rulesUnreadable()) {
        return 1;
    }
    const QList<Rule>& rules = m_model->store().rules();
    if (number < 1 || number > rules.size()) {
        m_err << "korvane: "
              << CliText::tr("there is no rule %1 (there are %n rules)", nullptr, int(rules.size()))
                     .arg(number)
              << "\n";
        return 1;
    }
    QEventLoop loop;
    std::optional<DefaultsReport> ended;
    auto done = [&](const DefaultsReport& report) {
        ended = report;
        loop.quit();
    };
    if (make) {
        m_model->makeDefault(rules[number - 1], done);
    } else {
        m_model->restoreDefaults(rules[number - 1], done);
    }
    if (!ended) {
        loop.exec();
    }
    const QString report = defaultsReportText(*ended, m_platform.systemName());
    if (ended->refusal != DefaultsReport::None) {
        m_err << terminalLines(report) << "\n"; // the rule cannot be used: nothing was tried
        return 1;
    }
    if (ended->outcomes.isEmpty()) { // only a restore passes over every extension
        m_err << "korvane: "
              << CliText::tr("rule %1 has no replaced defaults on record, so there is nothing to "
                             "restore")
                     .arg(number)
              << "\n";
        return 1;
    }
    m_out << terminalLines(report) << "\n";
    return m_model->failures() > 0 ? 1 : 0;
}

} // namespace korvane
