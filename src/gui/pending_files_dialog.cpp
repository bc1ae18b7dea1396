#include "pending_files_dialog.h"

#include "app_chooser.h"
#include "core/app_model.h"
#include "core/app_resolver.h"
#include "core/links.h"
#include "core/router.h"
#include "dialog_size.h"
#include "icons.h"
#include "platform/platform.h"
#include "wording/wording.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace korvane {

PendingFilesDialog::PendingFilesDialog(AppModel& model, AppChooser* chooser,
                                       const PendingFile& file, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_chooser(chooser)
    , m_file(file)
    , m_link(Links::isLink(file.path))
    , m_key(m_link ? Links::learnedCondition(file.path, model.platform())
                   : Router::ruleKey(file.path, model.platform()))
    , m_list(new QListWidget(this))
    , m_empty(new QLabel(this))
    , m_always(new QCheckBox(this))
    , m_chooseOther(new QPushButton(tr("Choose another app…"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("pendingFilesDialog"));
    // Names by which tests and accessibility tools find the widgets.
    m_always->setObjectName(QStringLiteral("always"));
    m_empty->setObjectName(QStringLiteral("noSuggestions"));
    m_list->setObjectName(QStringLiteral("appList"));
    m_list->setAccessibleName(tr("Suggested apps"));
    m_chooseOther->setObjectName(QStringLiteral("chooseOther"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    setWindowTitle(tr("Open With"));
    setWindowModality(Qt::WindowModal);
    // A dialog of the window, of one size: no minimize or maximize button, on X11 or Wayland.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* name = new QLabel(
        Wording::alone(m_link ? Wording::elided(file.path) : QFileInfo(file.path).fileName()),
        this);
    name->setObjectName(QStringLiteral("pendingName"));
    name->setTextFormat(Qt::PlainText);
    name->setWordWrap(true);
    QFont headline = name->font();
    headline.setBold(true);
    name->setFont(headline);
    name->setMaximumHeight(name->fontMetrics().lineSpacing() * 2 + 2); // at most two lines
    auto* question = new QLabel(m_link ? tr("No rule matches this link. Which app should open it?")
                                       : tr("No rule matches this file. Which app should open it?"),
                                this);
    question->setForegroundRole(QPalette::PlaceholderText);
    question->setWordWrap(true);

    m_list->setFixedHeight(190);
    m_list->setIconSize(QSize(28, 28));
    m_list->setSpacing(1);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QString desktop = Wording::capitalised(model.platform().systemName());
    m_empty->setText(m_link ? tr("%1 didn't suggest any apps for this link.").arg(desktop)
                            : tr("%1 didn't suggest any apps for this file.").arg(desktop));
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->setContentsMargins(8, 8, 8, 8);
    m_empty->hide();
    auto* listLayout = new QVBoxLayout(m_list->viewport());
    listLayout->addWidget(m_empty, 0, Qt::AlignTop | Qt::AlignLeft);

    if (m_link && m_key.isEmpty()) {
        m_always->setText(tr("Always use this app (the link names no site)"));
        m_always->setEnabled(false); // nothing to keep: never shown ticked
    } else if (m_link) {
        // A site, or a scheme's links: "mailto: links".
        const QString what =
            m_key.endsWith(u':') ? tr("%1 links", "%1: a scheme, as mailto:").arg(m_key) : m_key;
        m_always->setText(tr("Always use this app for %1", "%1: a site, as example.org")
                              .arg(Wording::mnemonicSafe(what)));
        m_always->setChecked(true);
    } else if (m_key.isEmpty()) {
        m_always->setText(tr("Always use this app (file has no extension)"));
        m_always->setEnabled(false); // nothing to keep: never shown ticked
    } else {
        m_always->setText(tr("Always use this app for %1", "%1: an extension")
                              .arg(Wording::mnemonicSafe(Wording::extension(m_key))));
        m_always->setChecked(true);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chooseOther);
    buttons->addStretch();
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    auto* header = new QVBoxLayout;
    header->setSpacing(2);
    // With more files waiting: which one of them this is.
    auto* position = new QLabel(this);
    position->setObjectName(QStringLiteral("queuePosition"));
    position->setForegroundRole(QPalette::PlaceholderText);
    auto showPosition = [this, position] {
        const auto [at, of] = m_model.pendingPosition();
        position->setText(tr("%1 of %2").arg(at).arg(of));
        position->setVisible(of > 1);
    };
    showPosition();
    connect(&m_model, &AppModel::pendingChanged, position, showPosition);
    auto* nameLine = new QHBoxLayout;
    nameLine->addWidget(name, 1);
    nameLine->addWidget(position, 0, Qt::AlignTop);
    header->addLayout(nameLine);
    header->addWidget(question);
    layout->addLayout(header);
    layout->addWidget(m_list);
    layout->addWidget(m_always);
    layout->addLayout(buttons);
    fitToContent(*this, 400);

    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A suggestion is taken on activation (Enter, and a click or double-click as the style
    // has it), and on a single click even where the style wants two: one click means once.
    auto take = [this](QListWidgetItem* item) { choose(item->data(Qt::UserRole).toString()); };
    connect(m_list, &QListWidget::itemActivated, this, take);
    // 1 to 9 pick the suggestion at that place, as the command line's numbers do; in the list
    // too, where typing would otherwise search its names.
    for (int n = 1; n <= 9; ++n) {
        auto* key = new QShortcut(QKeySequence(QKeyCombination(Qt::Key(Qt::Key_0 + n))), this);
        connect(key, &QShortcut::activated, this, [this, n] { pick(n); });
    }
    m_list->installEventFilter(this);
    if (!m_list->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr,
                                    m_list)) {
        connect(m_list, &QListWidget::itemClicked, this, take);
    }
    connect(m_chooseOther, &QPushButton::clicked, this, [this] {
        if (m_chooser) {
            if (const auto app = m_chooser->choose()) {
                choose(*app);
            }
        }
    });

    // The suggestions come from the platform off the main thread.
    const Platform* platform = &model.platform();
    const QString path = file.path;
    const bool link = m_link;
    connect(&m_watcher, &QFutureWatcher<QStringList>::finished, this, [this] {
        const QStringList apps = m_watcher.result();
        const Platform& system = m_model.platform();
        for (const QString& app : apps) {
            auto* item = new QListWidgetItem(Icons::forPath(app, system),
                                             AppResolver::displayName(app, system), m_list);
            item->setData(Qt::UserRole, app);
            item->setSizeHint(QSize(0, 40));
        }
        m_empty->setVisible(apps.isEmpty());
        Q_EMIT suggestionsLoaded();
    });
    m_watcher.setFuture(QtConcurrent::run([platform, path, link] {
        return link ? platform->applicationsForType(Links::schemeType(path))
                    : platform->applicationsForFile(path);
    }));
}

void PendingFilesDialog::pick(int number) {
    if (QListWidgetItem* item = m_list->item(number - 1)) {
        choose(item->data(Qt::UserRole).toString());
    }
}

bool PendingFilesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9) {
            pick(key->key() - Qt::Key_0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool PendingFilesDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest) {
        fitToContent(*this, 400); // "1 of 4" came beside the name, which may wrap now
    }
    return handled;
}

PendingFilesDialog::~PendingFilesDialog() {
    m_watcher.waitForFinished();
}

void PendingFilesDialog::choose(const QString& app) {
    if (std::exchange(m_chosen, true)) {
        return;
    }
    const bool always = m_always->isChecked() && !m_key.isEmpty();
    m_model.resolvePending(m_file, app, always); // the model closes the dialog
}

} // namespace korvane
