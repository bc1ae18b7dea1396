#include "rule_row.h"

#include "app_chooser.h"
#include "core/app_model.h"
#include "core/app_resolver.h"
#include "icons.h"
#include "platform/platform.h"
#include "rule_history.h"
#include "style.h"
#include "widgets/drop_down.h"
#include "widgets/elided_label.h"
#include "wording/wording.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace korvane {

namespace {

QFont scaled(QFont font, double factor) {
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

RuleRow::RuleRow(AppModel& model, AppChooser* chooser, const Rule& rule, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_chooser(chooser)
    , m_rule(rule)
    , m_grip(new QLabel(this))
    , m_enabled(new QCheckBox(this))
    , m_extensions(new QLineEdit(rule.extensions.join(QStringLiteral(", ")), this))
    , m_groupButton(new DropDown(this))
    , m_infoLayout(new QVBoxLayout)
    , m_appIcon(new QLabel(this))
    , m_appName(new ElidedLabel(this))
    , m_appDetail(new QLabel(this))
    , m_appButton(new DropDown(this))
    , m_makeDefault(new QPushButton(tr("Make default"), this))
    , m_restore(new QPushButton(tr("Restore"), this))
    , m_delete(new QToolButton(this))
    , m_more(new QToolButton(this))
    , m_content(new QWidget(this))
    , m_grid(new QGridLayout(m_content))
    , m_fields(new QWidget(m_content))
    , m_appBox(new QWidget(m_content))
    , m_appColumn(new QVBoxLayout(m_appBox))
    , m_appLine(new QHBoxLayout)
    , m_commands(new QWidget(m_content))
    , m_notes(new QWidget(m_content))
    , m_finding(new QLabel(m_notes)) {
    setObjectName(QStringLiteral("ruleRow"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // its own height, never stretched
    // Names by which tests and accessibility tools find the widgets.
    m_extensions->setObjectName(QStringLiteral("extensions"));
    m_groupButton->setObjectName(QStringLiteral("groupButton"));
    m_appButton->setObjectName(QStringLiteral("appButton"));
    m_makeDefault->setObjectName(QStringLiteral("makeDefault"));
    for (QPushButton* button : {m_makeDefault, m_restore}) {
        // Room inside the frame, whatever the style's own padding.
        button->setMinimumWidth(button->sizeHint().width() + 16);
    }
    m_restore->setObjectName(QStringLiteral("restore"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_appName->setObjectName(QStringLiteral("appName"));
    m_finding->setObjectName(QStringLiteral("finding"));
    m_finding->setTextFormat(Qt::PlainText);
    m_finding->setWordWrap(true); // in full: the row grows rather than cut it short
    QPalette warning = m_finding->palette();
    warning.setColor(QPalette::WindowText, Style::warningText(warning));
    m_finding->setPalette(warning);
    m_finding->hide();
    m_grip->setObjectName(QStringLiteral("grip"));
    m_grip->setPixmap(Icons::grip().pixmap(16, 16));
    m_grip->setCursor(Qt::OpenHandCursor);
    m_grip->setToolTip(tr("Drag to reorder"));
    m_grip->installEventFilter(this);
    m_extensions->installEventFilter(this);
    m_enabled->setToolTip(tr("Enabled"));
    m_enabled->setAccessibleName(tr("Enabled"));
    m_extensions->setPlaceholderText(tr("Extensions, e.g. md, markdown"));
    m_extensions->setClearButtonEnabled(true);
    m_infoLayout->setSpacing(1);
    m_infoLayout->setContentsMargins(0, 0, 0, 0);
    m_appIcon->setFixedSize(24, 24);
    // One line, elided where the row is narrow: its full name is the tooltip.
    m_appName->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Names come from desktop entries and rules files: never markup.
    m_appName->setTextFormat(Qt::PlainText);
    m_appDetail->setTextFormat(Qt::PlainText);
    m_appDetail->setFont(scaled(m_appDetail->font(), 0.9));
    QPalette secondary = palette();
    secondary.setColor(QPalette::WindowText, Style::secondaryText(secondary));
    m_appDetail->setPalette(secondary);
    m_delete->setIcon(Icons::trash());
    m_delete->setAutoRaise(true);
    m_delete->setToolTip(tr("Delete rule"));
    m_delete->setAccessibleName(tr("Delete rule"));
    m_more->setObjectName(QStringLiteral("more"));
    m_more->setIcon(Icons::more());
    m_more->setAutoRaise(true);
    m_more->setToolTip(tr("More"));
    m_more->setAccessibleName(tr("More"));
    m_more->hide();
    // A menu of its own rather than the button's, which would draw an arrow beside the dots.
    auto* moreMenu = new QMenu(m_more);
    moreMenu->setObjectName(QStringLiteral("moreMenu"));
    connect(moreMenu, &QMenu::aboutToShow, this, &RuleRow::buildMoreMenu);
    connect(m_more, &QToolButton::clicked, this, [this, moreMenu] {
        // Under the button, from its leading edge: its right one in a right-to-left window.
        const int x = isRightToLeft() ? m_more->width() - moreMenu->sizeHint().width() : 0;
        moreMenu->popup(m_more->mapToGlobal(QPoint(x, m_more->height())));
    });
    // Menus are built when they open: a list of a thousand rows stays cheap.
    connect(m_groupButton->menu(), &QMenu::aboutToShow, this, &RuleRow::buildGroupMenu);
    connect(m_appButton->menu(), &QMenu::aboutToShow, this, &RuleRow::buildAppMenu);

    arrange();
    addMoveKeys();

    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) {
        if (on != m_rule.enabled) {
            Rule edited = m_rule;
            edited.enabled = on;
            write(edited);
        }
    });
    connect(m_extensions, &QLineEdit::textEdited, this, [this](const QString& text) {
        Rule edited = m_rule;
        edited.extensions = Rule::parseExtensions(text);
        write(edited);
    });
    connect(m_makeDefault, &QPushButton::clicked, this, [this] { runCommand(true); });
    connect(m_restore, &QPushButton::clicked, this, [this] { runCommand(false); });
    connect(m_delete, &QToolButton::clicked, this, [this] { Q_EMIT deleteRequested(m_rule.id); });
    connect(&m_model, &AppModel::defaultsVersionChanged, this, [this] {
        updateView();
        refreshIfNeeded();
    });
    connect(&m_watcher, &QFutureWatcher<Refresh>::finished, this, [this] {
        // Only the latest key's results are kept on screen; a newer key's look-up starts now.
        const QString key = m_watcher.property("key").toString();
        if (m_cache) {
            if (m_cache->size() > 4000) {
                m_cache->clear(); // mostly keys of older defaults by then
            }
            m_cache->insert(key, m_watcher.result());
        }
        if (key == taskKey()) {
            const Refresh result = m_watcher.result();
            m_candidates = result.candidates;
            m_infos = result.defaults;
            m_settable = result.settable;
            updateView();
            Q_EMIT refreshed();
        }
        refreshIfNeeded();
    });

    updateView();
}

RuleRow::~RuleRow() {
    m_watcher.waitForFinished();
}

void RuleRow::setRule(const Rule& rule) {
    m_rule = rule;
    showExtensions();
    updateView();
    refreshIfNeeded();
}

void RuleRow::setFinding(const QString& text) {
    m_findingText = text;
    showFinding();
}

void RuleRow::showFinding() {
    // A rule just added says nothing yet: the user is about to fill it in.
    const bool blank = m_rule.extensions.isEmpty() && !m_rule.group && !m_rule.hasApp();
    const QString text = m_fresh && blank ? QString() : m_findingText;
    m_finding->setText(text);
    m_finding->setToolTip(text);
    m_finding->setVisible(!text.isEmpty());
    contentChanged();
}

void RuleRow::showExtensions() {
    if (Rule::parseExtensions(m_extensions->text()) == m_rule.extensions) {
        return; // what the user is typing ("md, ") stays
    }
    const int caret = m_extensions->cursorPosition();
    m_extensions->setText(m_rule.extensions.join(QStringLiteral(", ")));
    m_extensions->setCursorPosition(caret);
}

void RuleRow::focusExtensions() {
    m_fresh = true; // a rule that is being filled in
    showFinding();
    m_extensions->setFocus(Qt::OtherFocusReason);
}

void RuleRow::setRefreshCache(RefreshCache* cache) {
    m_cache = cache;
    bind(m_rule);
}

void RuleRow::bind(const Rule& rule) {
    m_rule = rule;
    m_extensions->setText(rule.extensions.join(QStringLiteral(", ")));
    const Refresh known = m_cache ? m_cache->value(taskKey()) : Refresh();
    m_candidates = known.candidates;
    m_infos = known.defaults;
    m_settable = known.settable;
    m_requestedKey = m_cache && m_cache->contains(taskKey()) ? taskKey() : QString();
    updateView();
    refreshIfNeeded();
}

QString RuleRow::taskKey() const {
    return m_rule.extensions.join(u',') + u'|' +
           (m_rule.group ? m_rule.group->rawValue() : QString()) + u'|' +
           QString::number(m_model.defaultsVersion());
}

void RuleRow::paintEvent(QPaintEvent* event) {
    // Look-ups start when the row is first seen, not for rows scrolled out of sight.
    m_seen = true;
    refreshIfNeeded();
    QWidget::paintEvent(event);
}

void RuleRow::refreshIfNeeded() {
    // One look-up at a time, so that the destructor's wait covers every one that reads the
    // platform; the next starts when it is done.
    const QString key = taskKey();
    if (!m_seen || key == m_requestedKey || m_watcher.isRunning()) {
        return;
    }
    m_requestedKey = key;
    const Platform* platform = &m_model.platform();
    const QStringList extensions = m_rule.extensions;
    const std::optional<TypeGroup> group = m_rule.group;
    m_watcher.setProperty("key", key);
    m_watcher.setFuture(QtConcurrent::run(
        [platform, extensions, group] { return RuleLookup::of(*platform, extensions, group); }));
}

QStringList RuleRow::infoLines() const {
    QStringList lines;
    if (!m_rule.links.isEmpty()) {
        lines << tr("Links: %1", "%1: a rule's links").arg(Wording::listed(m_rule.links));
    }
    if (!m_rule.folders.isEmpty()) {
        lines << tr("Only in %1", "%1: folders").arg(Wording::listed(m_rule.folders));
    }
    for (const RuleLookup::CurrentDefault& info : m_infos) {
        lines << tr("%1 currently opens in %2", "%1: an extension, %2: an app")
                     .arg(Wording::extension(info.extension),
                          info.appName.isEmpty() ? tr("no app") : Wording::isolated(info.appName));
    }
    return lines;
}

void RuleRow::updateView() {
    const Platform& platform = m_model.platform();
    if (m_rule.enabled != !m_content->graphicsEffect()) {
        auto* dim = m_rule.enabled ? nullptr : new QGraphicsOpacityEffect(m_content);
        if (dim) {
            dim->setOpacity(0.55);
        }
        m_content->setGraphicsEffect(dim);
    }
    {
        const QSignalBlocker block(m_enabled);
        m_enabled->setChecked(m_rule.enabled);
    }
    m_groupButton->setText(
        m_rule.group ? tr("Also matches type group: %1").arg(Wording::groupName(*m_rule.group))
                     : tr("Add type group…"));
    m_groupButton->setToolTip(m_groupButton->text()); // in full where the row elides it

    while (QLayoutItem* item = m_infoLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const QString& line : infoLines()) {
        auto* label = new ElidedLabel(line, m_content);
        label->setToolTip(line);
        label->setFont(scaled(label->font(), 0.92));
        label->setPalette(m_appDetail->palette());
        m_infoLayout->addWidget(label);
        label->show(); // now, not queued: the row is measured before the next paint
    }

    // The app and its name are looked up again only when the rule names another.
    const QString appKey = m_rule.appId + u'\n' + m_rule.appPath + u'\n' +
                           QString::number(m_model.defaultsVersion()); // installed since?
    if (appKey != m_resolvedKey) {
        m_resolvedKey = appKey;
        m_resolved = AppResolver::resolve(m_rule, platform);
        m_resolvedName = m_resolved
                             ? Wording::visible(AppResolver::displayName(*m_resolved, platform))
                             : QString();
    }
    const std::optional<QString>& app = m_resolved;
    QPalette namePalette = palette();
    if (app) {
        m_appIcon->setPixmap(Icons::forPath(*app, platform).pixmap(24, 24));
        m_appIcon->show();
        const QString& name = m_resolvedName;
        m_appName->setText(name);
        m_appName->setToolTip(name);
        m_appName->setForegroundRole(QPalette::WindowText);
        m_appDetail->hide();
        m_appButton->setText(tr("Change"));
    } else if (!m_rule.hasApp()) {
        m_appIcon->hide();
        m_appName->setText(tr("No app chosen"));
        m_appName->setToolTip(QString());
        m_appName->setForegroundRole(QPalette::PlaceholderText);
        m_appDetail->hide();
        m_appButton->setText(tr("Choose"));
    } else {
        m_appIcon->setPixmap(Icons::warning().pixmap(18, 18));
        m_appIcon->show();
        m_appName->setText(tr("App not found"));
        m_appName->setToolTip(QString());
        namePalette.setColor(QPalette::WindowText, Style::warningText(namePalette));
        m_appName->setForegroundRole(QPalette::WindowText);
        m_appDetail->setText(m_appDetail->fontMetrics().elidedText(
            Wording::visible(Wording::elided(m_rule.appName)), Qt::ElideRight, kAppColumnWidth));
        m_appDetail->setVisible(!m_rule.appName.isEmpty());
        m_appButton->setText(tr("Choose"));
    }
    m_appName->setPalette(namePalette);

    bool restorable = false;
    for (const QString& ext : m_rule.extensions) {
        restorable = restorable || m_model.defaultManager().records().contains(ext);
    }
    const bool settable = m_settable || m_rule.extensions.isEmpty();
    m_makeDefault->setEnabled(app && !m_rule.extensions.isEmpty() && !m_busy && settable);
    m_makeDefault->setToolTip(
        settable ? QString()
                 : tr("%1 has no registered file type for these extensions, so it "
                      "can't have a default app for them.")
                       .arg(Wording::capitalised(m_model.platform().systemName())));
    m_restore->setVisible(restorable);
    m_restore->setEnabled(!m_busy);
    updateAccessibleNames();
    contentChanged();
}

bool RuleRow::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Z and Ctrl+Shift+Z in the field are the list's undo and redo, which keeps typing as
    // steps too: the field's own undo would change the text behind the rule's back.
    if (watched == m_extensions && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            return true; // not taken by the field: the window's shortcut runs
        }
    }
    if (watched == m_extensions && event->type() == QEvent::FocusOut && m_fresh) {
        m_fresh = false; // the user left the new rule: now say what it lacks
        showFinding();
    }
    if (watched != m_grip) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressAt = static_cast<QMouseEvent*>(event)->position().toPoint();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::LeftButton) &&
            (mouse->position().toPoint() - m_pressAt).manhattanLength() >=
                QApplication::startDragDistance()) {
            auto* drag = new QDrag(this);
            auto* mime = new QMimeData;
            mime->setData(QStringLiteral("application/x-korvane-rule"),
                          m_rule.id.toString(QUuid::WithoutBraces).toLatin1());
            drag->setMimeData(mime);
            drag->setPixmap(grab().scaledToWidth(qMin(width(), 360), Qt::SmoothTransformation));
            drag->exec(Qt::MoveAction);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvane
