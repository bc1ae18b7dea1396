#include "cli_session.h"

#include "cli_panels.h"
#include "core/app_info.h"
#include "core/app_model.h"
#include "core/router.h"
#include "core/settings.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace korvane {

CliSession::CliSession(Platform& platform, QTextStream& out, QTextStream& err, QTextStream& in)
    : m_platform(platform)
    , m_out(out)
    , m_err(err)
    , m_in(in)
    , m_settings(std::make_unique<Settings>(Settings::defaultPath()))
    , m_model(std::make_unique<AppModel>(platform, RuleStore::defaultDirectory(), *m_settings)) {
    QObject::connect(m_model.get(), &AppModel::flashed, m_model.get(),
                     [this](const QString& text) { m_out << text << Qt::endl; });
}

CliSession::~CliSession() = default;

void CliSession::settle() {
    while (m_model->launchesInFlight() > 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
}

int CliSession::open(const QStringList& files, quint64 modifiers) {
    QStringList paths;
    for (const QString& file : files) {
        paths << QFileInfo(file).absoluteFilePath();
    }
    m_model->handle(paths, modifiers);
    settle();
    while (m_model->pending()) {
        ask();
        m_model->pendingDismissed();
        settle();
    }
    return 0;
}

void CliSession::ask() {
    const PendingFile file = *m_model->pending();
    const QStringList apps = m_platform.applicationsForFile(file.path);
    m_out << QFileInfo(file.path).fileName() << "\n"
          << "No rule matches this file. Which app should open it?\n";
    if (apps.isEmpty()) {
        m_out << m_platform.systemName() << " didn't suggest any apps for this file.\n";
    }
    for (qsizetype i = 0; i < apps.size(); ++i) {
        m_out << "  " << (i + 1) << ". " << AppInfo::displayName(apps[i], m_platform) << "\n";
    }
    std::optional<QString> chosen;
    while (!apps.isEmpty()) {
        m_out << "Number (empty to skip): " << Qt::flush;
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
        m_out << "Choose a number from 1 to " << apps.size() << ".\n";
    }
    if (!chosen) {
        m_model->cancelPending();
        return;
    }
    const QString extension = Router::extensionKey(file.path);
    bool always = false;
    if (!extension.isEmpty()) {
        m_out << "Always use this app for ." << extension << "? [Y/n] " << Qt::flush;
        const QString answer = m_in.readLine().trimmed().toLower();
        always = answer.isEmpty() || answer == QLatin1String("y") || answer == QLatin1String("yes");
    }
    m_model->resolvePending(file, *chosen, always);
}

int CliSession::listRules() {
    const QList<Rule>& rules = m_model->store().rules();
    if (rules.isEmpty()) {
        m_out << "No rules yet.\n";
    }
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        QStringList parts;
        parts << (rule.extensions.isEmpty() ? QStringLiteral("(no extensions)")
                                            : rule.extensions.join(QStringLiteral(", ")));
        if (rule.group) {
            parts << QStringLiteral("group: ") + rule.group->label();
        }
        if (!rule.hasApp()) {
            parts << QStringLiteral("no app");
        } else if (AppInfo::resolve(rule, m_platform)) {
            parts << QStringLiteral("app: ") + rule.appName;
        } else {
            parts << QStringLiteral("app: %1 (not found)").arg(rule.appName);
        }
        parts << (rule.enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        m_out << (i + 1) << ". " << parts.join(QStringLiteral("; ")) << "\n";
    }
    return 0;
}

int CliSession::importRules(const QString& file) {
    return withPanel(file, &AppModel::importRules);
}

int CliSession::exportRules(const QString& file) {
    return withPanel(file, &AppModel::exportRules);
}

int CliSession::withPanel(const QString& file, void (AppModel::*command)()) {
    // The panel answers with the file the command line named.
    CliPanels panels({QFileInfo(file).absoluteFilePath()});
    m_model->setPanels(&panels);
    (m_model.get()->*command)();
    m_model->setPanels(nullptr);
    if (!m_model->alertText().isNull()) {
        m_err << m_model->alertText() << "\n";
        return 1;
    }
    return 0;
}

int CliSession::setDefault(int number) {
    return runDefaults(number, true);
}
int CliSession::restoreDefault(int number) {
    return runDefaults(number, false);
}

int CliSession::runDefaults(int number, bool make) {
    const QList<Rule>& rules = m_model->store().rules();
    if (number < 1 || number > rules.size()) {
        m_err << "korvane: there is no rule " << number << " (there "
              << (rules.size() == 1 ? QStringLiteral("is 1 rule")
                                    : QStringLiteral("are %1 rules").arg(rules.size()))
              << ")\n";
        return 1;
    }
    const int version = m_model->defaultsVersion();
    bool finished = false;
    auto done = [&finished] { finished = true; };
    if (make) {
        m_model->makeDefault(rules[number - 1], done);
    } else {
        m_model->restoreDefaults(rules[number - 1], done);
    }
    while (!finished) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const QString report = m_model->alertText();
    if (m_model->defaultsVersion() == version) {
        m_err << report << "\n"; // the rule cannot be used: nothing was tried
        return 1;
    }
    if (!report.isNull()) {
        m_out << report << "\n";
    }
    return 0;
}

} // namespace korvane
