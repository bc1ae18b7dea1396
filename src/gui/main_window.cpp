#include "main_window.h"

#include "core/app_model.h"
#include "core/settings.h"
#include "drop_zone.h"
#include "explain_dialog.h"
#include "file_dialogs.h"
#include "icons.h"
#include "pending_files_dialog.h"
#include "platform/platform.h"
#include "rule_history.h"
#include "rules_list.h"
#include "wording/defaults_text.h"
#include "wording/drop_text.h"
#include "wording/preview_text.h"
#include "wording/transfer_text.h"
#include "wording/wording.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace korvane {

namespace {

QString keyHint(const Platform& platform) {
    // Wayland doesn't tell a window the keys held during another app's drag: there only the
    // zone's targets work.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return MainWindow::tr("Drop on “Default apps” to open in the normal default app "
                              "· on “Reveal in %1” to just reveal in %1")
            .arg(platform.fileManagerName());
    }
    return MainWindow::tr("Hold %1 while dropping to open in the normal default app · Hold %2 "
                          "to just reveal in %3")
        .arg(platform.shiftKeyName(), platform.altKeyName(), platform.fileManagerName());
}

} // namespace

MainWindow::MainWindow(AppModel& model, AppChooser* chooser, QWidget* parent)
    : QMainWindow(parent)
    , m_model(model)
    , m_chooser(chooser)
    , m_dropZone(new DropZone)
    , m_history(new RuleHistory(model.store(), this))
    , m_rules(new RulesList(model, chooser))
    , m_addRule(new QPushButton(Icons::plus(), tr("Add Rule")))
    , m_import(new QPushButton(tr("Import")))
    , m_export(new QPushButton(tr("Export")))
    , m_hint(new QLabel(keyHint(model.platform()))) {
    setObjectName(QStringLiteral("mainWindow"));
    // Names by which tests and accessibility tools find the widgets.
    m_dropZone->setObjectName(QStringLiteral("dropZone"));
    m_dropZone->setFileManagerName(model.platform().fileManagerName());
    m_rules->setObjectName(QStringLiteral("rulesList"));
    m_addRule->setObjectName(QStringLiteral("addRule"));
    // Styles put the icon right against the text: a thin space keeps them apart.
    m_addRule->setText(QChar(0x2009) + tr("Add Rule")); // a thin space after the icon
    m_addRule->setAccessibleName(tr("Add Rule"));
    m_import->setObjectName(QStringLiteral("import"));
    m_export->setObjectName(QStringLiteral("export"));
    m_hint->setObjectName(QStringLiteral("hint"));
    setWindowTitle(tr("Korvane"));
    setAttribute(Qt::WA_DeleteOnClose, false); // closing only hides it

    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_openFile = file->addAction(tr("Open File…"), this, &MainWindow::openFile);
    m_openFile->setShortcut(QKeySequence::Open);
    m_openFile->setShortcutContext(Qt::ApplicationShortcut);
    m_settings = file->addAction(tr("Settings…"));
    // Ctrl+, as GNOME and KDE apps have it, and the desktop's own where it differs.
    m_settings->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Comma), QKeySequence::Preferences});
    m_settings->setShortcutContext(Qt::ApplicationShortcut);
    file->addSeparator();
    m_quit = file->addAction(tr("Quit Korvane"));
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setShortcutContext(Qt::ApplicationShortcut); // from Settings and dialogs too

    auto* rulesTitle = new QLabel(tr("Rules"));
    QFont headline = rulesTitle->font();
    headline.setBold(true);
    rulesTitle->setFont(headline);
    auto* header = new QHBoxLayout;
    header->addWidget(rulesTitle);
    header->addStretch();
    for (QPushButton* button : {m_addRule, m_import, m_export}) {
        header->addWidget(button);
    }
    QFont caption = m_hint->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.9);
    m_hint->setFont(caption);
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(14);
    layout->addWidget(m_dropZone);
    layout->addLayout(header);
    layout->addWidget(m_rules, 1);
    layout->addWidget(m_hint);
    setCentralWidget(content);
    // 640 × 700 where the screen has room; never more than fits it (a laptop at scale 2 has
    // 960 × 540 of logical pixels, less its panels).
    QSize size(640, 700 + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size.expandedTo(minimumSizeHint()));

    connect(m_addRule, &QPushButton::clicked, this, &MainWindow::addRule);
    connect(m_import, &QPushButton::clicked, this, &MainWindow::importRules);
    connect(&m_model, &AppModel::rulesImported, m_history, &RuleHistory::recordAppended);
    m_rules->setHistory(m_history);
    // Undo: Ctrl+Z, and for a few seconds after a rule is deleted, moved or imported a button in
    // the message line.
    connect(m_history, &RuleHistory::listChanged, this, [this](const QString& message) {
        if (!message.isEmpty()) {
            m_model.flash(message);
        }
        m_dropZone->setUndoOffered(true);
        m_undoOffer.start();
    });
    // The button takes back the step it was offered for: any other step ends the offer.
    connect(&m_history->stack(), &QUndoStack::indexChanged, this,
            [this] { m_dropZone->setUndoOffered(false); });
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_history->stack().createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_history->stack().createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(QKeySequence::Redo); // every binding the platform has
    editMenu->addActions({undo, redo});
    editMenu->addSeparator();
    // The last drop by the rules, explained after its summary and link have gone; the item bears
    // the dialog's title.
    m_explainDrop =
        editMenu->addAction(ExplainDialog::tr("Why This App?"), this, &MainWindow::explainDrop);
    m_explainDrop->setObjectName(QStringLiteral("explainDropAction"));
    m_explainDrop->setEnabled(false);
    m_undoOffer.setSingleShot(true);
    m_undoOffer.setInterval(std::chrono::seconds(5));
    connect(&m_undoOffer, &QTimer::timeout, this, [this] { m_dropZone->setUndoOffered(false); });
    connect(m_dropZone, &DropZone::undoClicked, this, [this] {
        m_history->stack().undo();
        m_dropZone->setUndoOffered(false);
    });
    connect(m_export, &QPushButton::clicked, this, &MainWindow::exportRules);
    auto updateExport = [this] { m_export->setEnabled(!m_model.store().rules().isEmpty()); };
    connect(&m_model.store(), &RuleStore::rulesChanged, this, updateExport);
    updateExport();
    // Drops reach the model after the drag callback has returned. A link dragged here came to be
    // routed: with no rule for it, the question, not the browser it came from.
    connect(
        m_dropZone, &DropZone::filesDropped, this,
        [this](const QStringList& items, DropMode mode) {
            m_model.handle(items, mode, {}, UnclaimedLinks::Asked);
        },
        Qt::QueuedConnection);
    m_dropZone->setPreviewer([this](const QStringList& files, DropMode mode) {
        return dropPreview(m_model.planDrop(files, mode, UnclaimedLinks::Asked),
                           files.size() > AppModel::kMostPlanned,
                           m_model.settings().folderBehavior(), m_model.platform());
    });
    // While a question is asked, the drop's summary stays behind it.
    connect(&m_model, &AppModel::messageChanged, this, [this] {
        if (!m_pendingDialog || !m_model.message().isNull()) {
            m_dropZone->setMessage(m_model.message());
        }
        if (m_model.message().isNull()) {
            m_dropZone->setUndoOffered(false); // the offer goes with the message that made it
            m_dropZone->setWhyOffered(false);  // the link stays while the user is on it
        }
    });
    connect(&m_model, &AppModel::pendingChanged, this, &MainWindow::syncPending);
    connect(&m_model, &AppModel::alertTextChanged, this, &MainWindow::syncAlert);
    // Each drop's summary in the message line.
    connect(&m_model, &AppModel::dropEnded, this, [this](const DropReport& report) {
        // The menu says why each file of the last drop by the rules went where it went; the
        // link under the summary too, while the summary shows.
        const bool routed = report.mode == DropMode::Route;
        if (routed) {
            m_explained = m_model.lastRoutedFiles();
            m_explainDrop->setEnabled(!m_explained.isEmpty());
        }
        if (const QString summary = dropSummaryOf(report); !summary.isEmpty()) {
            m_model.flash(summary);
            m_dropZone->setWhyOffered(routed && !m_explained.isEmpty());
        }
    });
    connect(m_dropZone, &DropZone::whyClicked, this, &MainWindow::explainDrop);
    connect(&m_model, &AppModel::defaultsReported, this, [this](const DefaultsReport& report) {
        const QString text = defaultsReportText(report, m_model.platform().systemName());
        if (!text.isEmpty()) {
            m_model.setAlertText(text,
                                 report.refusal != DefaultsReport::None || report.failures() > 0);
        }
    });
    connect(&m_model, &AppModel::attentionNeeded, this, &MainWindow::comeForward);
    syncPending();
    syncAlert();
}

MainWindow::~MainWindow() {
    // Tearing the history down empties its stack, which would tell a window half gone.
    disconnect(&m_history->stack(), nullptr, this, nullptr);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A short window (a laptop at scale 2) gives the list the drop zone's spare height.
    m_dropZone->setMaximumHeight(height() < 620 ? m_dropZone->minimumSizeHint().height()
                                                : m_dropZone->sizeHint().height());
}

QString MainWindow::dropSummaryOf(const DropReport& report) const {
    const Platform& platform = m_model.platform();
    return dropSummary(
        report, {platform.systemName(), platform.fileManagerName(), tr("Fix the rule below.")});
}

void MainWindow::explainDrop() {
    auto* dialog = new ExplainDialog(m_model, m_explained, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::importRules() {
    if (const auto path = m_dialogs ? m_dialogs->openRules() : std::nullopt) {
        const TransferReport report = m_model.importRulesFrom(*path);
        report.ok() ? m_model.flash(importText(report)) : m_model.setAlertText(importText(report));
    }
}

void MainWindow::exportRules() {
    if (const auto path = m_dialogs ? m_dialogs->saveRules() : std::nullopt) {
        const TransferReport report = m_model.exportRulesTo(*path);
        report.ok() ? m_model.flash(exportText(report)) : m_model.setAlertText(exportText(report));
    }
}

void MainWindow::openFile() {
    bringForward();
    if (m_dialogs) {
        m_dialogs->openItems([model = QPointer(&m_model)](const QStringList& paths) {
            if (model) {
                model->handle(paths, DropMode::Route);
            }
        });
    }
}

void MainWindow::comeForward() {
    if (isMinimized()) {
        // A window the window manager iconified maps again only when shown anew.
        const Qt::WindowStates state = windowState() & ~Qt::WindowMinimized;
        hide();
        setWindowState(state);
    }
    show();
    bringForward();
}

void MainWindow::addRule() {
    const Rule rule;
    m_history->addRule(0, rule);
    m_rules->showRule(rule.id); // where the user types next, wherever the list was scrolled
}

void MainWindow::bringForward() {
    // Wayland lets a window come forward only with a token from the launcher; Qt's xdg-activation
    // support takes it from the environment.
    const QString token = std::exchange(m_activationToken, QString());
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
    raise();
    activateWindow();
    // A question comes forward with the window, over it, once the window manager has placed
    // the window again.
    QTimer::singleShot(150, this, [this] {
        if (m_pendingDialog && m_pendingDialog->isVisible()) {
            QRect frame = m_pendingDialog->frameGeometry();
            frame.moveCenter(frameGeometry().center());
            m_pendingDialog->move(frame.topLeft());
            m_pendingDialog->raise();
            m_pendingDialog->activateWindow();
        }
    });
    // Where the desktop refused, at least ask for the user's attention.
    QTimer::singleShot(300, this, [this] {
        if (isVisible() && !isActiveWindow()) {
            QApplication::alert(this);
        }
    });
}

void MainWindow::setTaskbarEntryShown(bool shown) {
    // Tool windows stay out of the taskbar on X11 window managers; Wayland has no such request.
    const bool visible = isVisible();
    setWindowFlag(Qt::Tool, !shown);
    if (visible) {
        show();
    }
}

void MainWindow::syncPending() {
    const auto pending = m_model.pending();
    if (pending && !m_pendingDialog) {
        m_pendingDialog = new PendingFilesDialog(m_model, m_chooser, *pending, this);
        connect(m_pendingDialog, &QDialog::finished, this, &MainWindow::pendingDialogClosed);
        m_pendingDialog->open();
    } else if (!pending && m_pendingDialog) {
        m_pendingDialog->done(
            QDialog::Accepted); // its finished signal leads to pendingDialogClosed
    }
}

void MainWindow::pendingDialogClosed() {
    if (m_pendingDialog) {
        m_pendingDialog->deleteLater();
        m_pendingDialog = nullptr;
        m_dropZone->setMessage(m_model.message()); // a summary kept behind it may go now
    }
    if (m_model.pending()) {
        m_model.cancelPending(); // the user dismissed it
    }
    // Once per closing, after the dialog is gone.
    QTimer::singleShot(0, &m_model, &AppModel::pendingDismissed);
}

void MainWindow::syncAlert() {
    const QString text = m_model.alertText();
    if (text.isNull()) {
        return;
    }
    const bool showing = m_alert;
    if (!showing) {
        m_alert = new QMessageBox(QMessageBox::Information, tr("Default apps"), QString(),
                                  QMessageBox::Ok, this);
        m_alert->setTextFormat(Qt::PlainText); // names from outside are never markup
        m_alert->setWindowModality(Qt::WindowModal);
        m_alert->button(QMessageBox::Ok)->setIcon(QIcon()); // plain, as GNOME and KDE draw it
        m_alert->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_alert, &QMessageBox::finished, this, [this] {
            m_alert = nullptr; // closing: a later text gets an alert of its own
            m_model.setAlertText(QString());
        });
    }
    m_alert->setIcon(m_model.alertIsProblem() ? QMessageBox::Warning : QMessageBox::Information);
    m_alert->setText(Wording::visible(text, true));
    if (!showing) {
        m_alert->open();
    }
}

} // namespace korvane
