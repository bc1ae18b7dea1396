#include "settings_window.h"

#include "core/app_model.h"
#include "core/folder_behavior.h"
#include "core/settings.h"
#include "dialog_size.h"
#include "icons.h"
#include "platform/platform.h"
#include "style.h"
#include "wording/defaults_text.h"
#include "wording/preview_text.h"
#include "wording/wording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace korvane {

namespace {
QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}
} // namespace

SettingsWindow::SettingsWindow(Platform& platform, Settings& settings, QWidget* parent)
    // A dialog of the main window (Wayland places it by its parent), with no minimize or
    // maximize button: it has one size.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_settings(settings)
    , m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
    , m_folders(new QComboBox(this))
    , m_login(new QCheckBox(tr("Launch at login"), this))
    , m_loginError(caption({}, this))
    , m_trayIcon(new QCheckBox(tr("Show in the %1").arg(platform.trayName()), this))
    , m_trayReason(caption(tr("This desktop has no %1.").arg(platform.trayName()), this))
    , m_inTaskbar(new QCheckBox(tr("Keep the %1 icon").arg(platform.taskbarName()), this))
    , m_opener(new QCheckBox(tr("Open files for the desktop"), this))
    , m_openerLinks(new QCheckBox(tr("Open web and mail links too"), this))
    , m_openerNote(caption({}, this)) {
    setObjectName(QStringLiteral("settingsWindow"));
    // Names by which tests and accessibility tools find the widgets.
    m_folders->setObjectName(QStringLiteral("folderPicker"));
    m_login->setObjectName(QStringLiteral("login"));
    m_loginError->setObjectName(QStringLiteral("loginError"));
    m_trayIcon->setObjectName(QStringLiteral("showTrayIcon"));
    m_inTaskbar->setObjectName(QStringLiteral("showInTaskbar"));
    m_trayReason->setObjectName(QStringLiteral("trayReason"));
    m_opener->setObjectName(QStringLiteral("openForDesktop"));
    m_openerLinks->setObjectName(QStringLiteral("openLinksForDesktop"));
    m_openerNote->setObjectName(QStringLiteral("openerNote"));
    setWindowTitle(tr("Korvane Settings"));

    for (FolderBehavior behavior : FolderBehavior::allCases()) {
        m_folders->addItem(folderBehaviorLabel(behavior, platform), behavior.rawValue());
    }
    QPalette orange = m_loginError->palette();
    orange.setColor(QPalette::WindowText, Style::warningText(orange, QPalette::Window));
    m_loginError->setPalette(orange);
    m_loginError->hide();
    m_trayReason->setForegroundRole(QPalette::PlaceholderText);
    auto* note = caption(tr("The %1 icon stays visible when the %2 icon is hidden, so "
                            "the app is always reachable.")
                             .arg(platform.taskbarName(), platform.trayName()),
                         this);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto* form = new QFormLayout;
    form->addRow(tr("Dropped folders"), m_folders);
    m_folders->setAccessibleName(tr("Dropped folders"));        // a screen reader says what it sets
    m_trayIcon->setAccessibleDescription(m_trayReason->text()); // why it may be off
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addLayout(form);
    layout->addWidget(m_login);
    layout->addWidget(m_loginError);
    layout->addWidget(m_trayIcon);
    layout->addWidget(m_trayReason);
    layout->addWidget(m_inTaskbar);
    layout->addWidget(note);
    layout->addWidget(m_opener);
    // Under the switch it depends on, as a part of it.
    auto* links = new QHBoxLayout;
    links->addSpacing(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                      style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    links->addWidget(m_openerLinks);
    layout->addLayout(links);
    layout->addWidget(m_openerNote);
    m_opener->hide(); // until there is a model to turn
    m_openerLinks->hide();
    m_openerNote->hide();

    connect(m_folders, &QComboBox::activated, this, [this](int index) {
        m_settings.setFolderBehavior(m_folders->itemData(index).toString());
    });
    connect(m_login, &QCheckBox::clicked, this, &SettingsWindow::setLaunchAtLogin);
    connect(m_trayIcon, &QCheckBox::clicked, this,
            [this](bool on) { m_settings.setShowTrayIcon(on); });
    connect(m_inTaskbar, &QCheckBox::clicked, this,
            [this](bool on) { m_settings.setShowInTaskbar(on); });
    connect(&m_settings, &Settings::changed, this, &SettingsWindow::load);
    load();
}

void SettingsWindow::setTrayAvailable(bool available) {
    m_trayAvailable = available;
    load();
}

void SettingsWindow::setLaunchAtLogin(bool on) {
    if (const Result changed = m_platform.setLaunchAtLogin(on); !changed) {
        m_loginError->setText(tr("Couldn't change Launch at Login: %1").arg(changed.errorString()));
        m_loginError->show();
    } else {
        m_loginError->clear();
        m_loginError->hide();
    }
    m_login->setChecked(m_platform.launchAtLogin()); // always the system's real state
}

QString SettingsWindow::openerIntro() const {
    return tr("Double-clicks in %1 and other apps follow your rules too. Turned off, every "
              "default Korvane replaced is put back.")
        .arg(m_platform.fileManagerName());
}

void SettingsWindow::setModel(AppModel& model) {
    m_model = &model;
    showOpener();
    m_opener->setAccessibleDescription(openerIntro());
    m_openerLinks->setAccessibleDescription(linksIntro());
    m_openerNote->setText(openerIntro());
    m_openerNote->setForegroundRole(QPalette::PlaceholderText);
    m_opener->show();
    m_openerLinks->show();
    m_openerNote->show();
    connect(m_opener, &QCheckBox::clicked, this, [this](bool on) {
        turnOpener(on ? DesktopOpener::Scope::Files : DesktopOpener::Scope::Off);
    });
    connect(m_openerLinks, &QCheckBox::clicked, this, [this](bool on) {
        turnOpener(on ? DesktopOpener::Scope::FilesAndLinks : DesktopOpener::Scope::Files);
    });
}

QString SettingsWindow::linksIntro() const {
    return tr("Links go by your rules too; a link no rule names opens in the browser Korvane "
              "replaced.");
}

void SettingsWindow::showOpener() {
    const DesktopOpener::Scope scope = m_model->opener().scope();
    m_opener->setChecked(scope != DesktopOpener::Scope::Off);
    m_openerLinks->setChecked(scope == DesktopOpener::Scope::FilesAndLinks);
    m_openerLinks->setEnabled(scope != DesktopOpener::Scope::Off);
}

void SettingsWindow::turnOpener(DesktopOpener::Scope scope) {
    if (!m_model) {
        return;
    }
    // The change takes a moment: the desktop reads it back. The switch turned keeps the focus
    // through it, for the keyboard's next step.
    QWidget* turned = focusWidget() == m_openerLinks ? m_openerLinks : m_opener;
    const bool focused = focusWidget() == turned;
    m_opener->setEnabled(false);
    m_openerLinks->setEnabled(false);
    const bool taking = scope > m_model->opener().scope();
    m_openerNote->setText(taking ? tr("Taking over the types your rules name…")
                                 : tr("Putting back the defaults Korvane replaced…"));
    if (m_model->openerBusy()) {
        // The defaults are following a change of the rules: the turn comes once they have; a
        // later turn asked meanwhile takes its place.
        disconnect(m_waitingTurn);
        m_waitingTurn = connect(
            m_model, &AppModel::openerIdle, this,
            [this, scope, turned, focused] { turnOpenerNow(scope, turned, focused); },
            Qt::SingleShotConnection);
        return;
    }
    turnOpenerNow(scope, turned, focused);
}

void SettingsWindow::turnOpenerNow(DesktopOpener::Scope scope, QWidget* turned, bool focused) {
    m_model->setOpenForDesktop(scope, [this, turned, focused](const DesktopOpener::Report& report) {
        m_opener->setEnabled(true);
        showOpener();
        if (focused) {
            (turned->isEnabled() ? turned : m_opener)->setFocus();
        }
        QStringList lines;
        if (report.refusal != DesktopOpener::Report::None) {
            lines << (report.problem.isEmpty()
                          ? tr("%1 has no entry for Korvane's opener, so nothing was changed.")
                                .arg(Wording::capitalised(m_platform.systemName()))
                          : report.problem);
        } else {
            const int fileTypes = report.types - report.linkTypes;
            lines << (!report.on ? openerIntro()
                      : fileTypes > 0
                          ? tr("Korvane opens %n file type(s) for %1.", nullptr, fileTypes)
                                .arg(m_platform.systemName())
                          : tr("Korvane opens files for %1 now; no enabled rule names a file type "
                               "yet.")
                                .arg(m_platform.systemName()));
            if (report.links) {
                lines << linksIntro();
            }
            for (const auto* outcomes : {&report.taken, &report.givenBack}) {
                for (const DefaultOutcome& outcome : *outcomes) {
                    if (!outcome.ok()) {
                        lines << defaultOutcomeText(outcome, m_platform.systemName());
                    }
                }
            }
        }
        const bool problem = report.failures() > 0;
        QPalette palette = m_openerNote->palette();
        palette.setColor(QPalette::WindowText, problem
                                                   ? Style::warningText(palette, QPalette::Window)
                                                   : palette.color(QPalette::PlaceholderText));
        m_openerNote->setPalette(palette);
        m_openerNote->setText(lines.join(u'\n'));
    });
}

bool SettingsWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest) {
        fitToContent(*this, 420); // when a line under a switch comes or goes
    }
    return handled;
}

void SettingsWindow::showEvent(QShowEvent* event) {
    m_login->setChecked(m_platform.launchAtLogin());
    fitToContent(*this, 420);
    QDialog::showEvent(event);
}

void SettingsWindow::load() {
    // A stored value that is none of the behaviours matches no entry.
    m_folders->setCurrentIndex(m_folders->findData(m_settings.folderBehaviorRaw()));
    m_login->setChecked(m_platform.launchAtLogin());
    const bool trayIcon = m_settings.showTrayIcon();
    m_trayIcon->setChecked(trayIcon && m_trayAvailable);
    m_trayIcon->setEnabled(m_trayAvailable);
    m_trayReason->setVisible(!m_trayAvailable);
    // Without a status icon the taskbar entry stays, whatever is stored.
    const bool iconShown = trayIcon && m_trayAvailable;
    m_inTaskbar->setChecked(m_settings.showInTaskbar() || !iconShown);
    m_inTaskbar->setEnabled(iconShown);
    if (m_model && !m_model->openerBusy()) {
        showOpener();
    }
}

} // namespace korvane
