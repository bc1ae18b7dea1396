#include "rule_row.h"

#include "core/app_chooser.h"
#include "core/app_info.h"
#include "core/app_model.h"
#include "core/wording.h"
#include "icons.h"
#include "platform/platform.h"
#include "rule_history.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QGraphicsOpacityEffect>
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

constexpr int kAppColumnWidth = 150;

QFont scaled(QFont font, double factor) {
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

// A drop-down as GNOME and KDE draw one: a framed button with its arrow. Where the row is
// narrow its text is elided, so that the row always fits the window.
class DropDown : public QToolButton {
public:
    using QToolButton::QToolButton;
    QSize minimumSizeHint() const override {
        return {fontMetrics().horizontalAdvance(QStringLiteral("Add typ\u2026")) + 24,
                QToolButton::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const int missing = sizeHint().width() - width();
        if (missing <= 0) {
            return QToolButton::paintEvent(event);
        }
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.text = fontMetrics().elidedText(
            text(), Qt::ElideRight, std::max(fontMetrics().horizontalAdvance(text()) - missing, 0));
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
    }
};

// A one-line label that elides its end where the row is narrow.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {40, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(contentsRect(), int(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width()));
    }
};

QToolButton* menuButton(QWidget* parent) {
    auto* button = new DropDown(parent);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // may shrink and elide
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMenu(new QMenu(button));
    return button;
}

// Secondary text: the text colour two thirds of the way from the background, readable in light
// and dark palettes alike.
QColor secondaryText(const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    const QColor back = palette.color(QPalette::Window);
    return QColor::fromRgbF(back.redF() + (text.redF() - back.redF()) * 0.7,
                            back.greenF() + (text.greenF() - back.greenF()) * 0.7,
                            back.blueF() + (text.blueF() - back.blueF()) * 0.7);
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
    , m_groupButton(menuButton(this))
    , m_infoLayout(new QVBoxLayout)
    , m_appIcon(new QLabel(this))
    , m_appName(new QLabel(this))
    , m_appDetail(new QLabel(this))
    , m_appButton(menuButton(this))
    , m_makeDefault(new QPushButton(QStringLiteral("Make default"), this))
    , m_restore(new QPushButton(QStringLiteral("Restore"), this))
    , m_delete(new QToolButton(this))
    , m_content(new QWidget(this))
    , m_finding(new ElidedLabel(m_content)) {
    setObjectName(QStringLiteral("ruleRow"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // its own height, never stretched
    // Names by which tests and accessibility tools find the widgets.
    m_extensions->setObjectName(QStringLiteral("extensions"));
    m_groupButton->setObjectName(QStringLiteral("groupButton"));
    m_appButton->setObjectName(QStringLiteral("appButton"));
    m_makeDefault->setObjectName(QStringLiteral("makeDefault"));
    m_restore->setObjectName(QStringLiteral("restore"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_appName->setObjectName(QStringLiteral("appName"));
    m_finding->setObjectName(QStringLiteral("finding"));
    m_finding->setTextFormat(Qt::PlainText);
    QPalette warning = m_finding->palette();
    warning.setColor(QPalette::WindowText, Icons::warningColor());
    m_finding->setPalette(warning);
    m_finding->hide();
    m_grip->setObjectName(QStringLiteral("grip"));
    m_grip->setPixmap(Icons::grip().pixmap(16, 16));
    m_grip->setCursor(Qt::OpenHandCursor);
    m_grip->setToolTip(QStringLiteral("Drag to reorder"));
    m_grip->installEventFilter(this);
    m_extensions->installEventFilter(this);
    m_enabled->setToolTip(QStringLiteral("Enabled"));
    m_enabled->setAccessibleName(QStringLiteral("Enabled"));
    m_extensions->setPlaceholderText(QStringLiteral("Extensions, e.g. md, markdown"));
    m_extensions->setClearButtonEnabled(true);
    m_extensions->setMaximumWidth(480); // a wide window spreads the row, not the field
    m_infoLayout->setSpacing(1);
    m_infoLayout->setContentsMargins(0, 0, 0, 0);
    m_appIcon->setFixedSize(24, 24);
    // One line, elided: a row's height never depends on its width.
    m_appName->setFixedWidth(kAppColumnWidth - 30);
    // Names come from desktop entries and rules files: never markup.
    m_appName->setTextFormat(Qt::PlainText);
    m_appDetail->setTextFormat(Qt::PlainText);
    m_appDetail->setFont(scaled(m_appDetail->font(), 0.9));
    QPalette secondary = palette();
    secondary.setColor(QPalette::WindowText, secondaryText(secondary));
    m_appDetail->setPalette(secondary);
    m_delete->setIcon(Icons::trash());
    m_delete->setAutoRaise(true);
    m_delete->setToolTip(QStringLiteral("Delete rule"));
    m_delete->setAccessibleName(QStringLiteral("Delete rule"));
    // Menus are built when they open: a list of a thousand rows stays cheap.
    connect(m_groupButton->menu(), &QMenu::aboutToShow, this, &RuleRow::buildGroupMenu);
    connect(m_appButton->menu(), &QMenu::aboutToShow, this, &RuleRow::buildAppMenu);

    auto* ruleColumn = new QVBoxLayout;
    ruleColumn->setSpacing(5);
    ruleColumn->addWidget(m_extensions);
    ruleColumn->addWidget(m_groupButton, 0, Qt::AlignLeft);
    ruleColumn->addWidget(m_finding);
    ruleColumn->addLayout(m_infoLayout);

    auto* appLine = new QHBoxLayout;
    appLine->setSpacing(6);
    appLine->addWidget(m_appIcon);
    appLine->addWidget(m_appName, 1);
    auto* appColumn = new QVBoxLayout;
    appColumn->setSpacing(4);
    appColumn->addLayout(appLine);
    appColumn->addWidget(m_appDetail);
    appColumn->addWidget(m_appButton, 0, Qt::AlignLeft);
    auto* appBox = new QWidget(m_content);
    appBox->setFixedWidth(kAppColumnWidth);
    appBox->setLayout(appColumn);
    appColumn->setContentsMargins(0, 0, 0, 0);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(m_makeDefault, 0, Qt::AlignRight);
    commands->addWidget(m_restore, 0, Qt::AlignRight);
    commands->addStretch();

    // The content dims when the rule is off; the switch beside it does not.
    auto* content = new QHBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(10);
    content->addLayout(ruleColumn, 1);
    content->addWidget(appBox, 0, Qt::AlignTop);
    content->addLayout(commands);
    for (QWidget* child :
         {static_cast<QWidget*>(m_extensions), static_cast<QWidget*>(m_groupButton),
          static_cast<QWidget*>(m_makeDefault), static_cast<QWidget*>(m_restore)}) {
        child->setParent(m_content);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(8);
    layout->addWidget(m_grip, 0, Qt::AlignTop);
    layout->addWidget(m_enabled, 0, Qt::AlignTop);
    layout->addWidget(m_content, 1);
    layout->addWidget(m_delete, 0, Qt::AlignTop);

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
        if (m_watcher.property("key").toString() == taskKey()) {
            const Refresh result = m_watcher.result();
            m_candidates = result.candidates;
            m_infos = result.infos;
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

void RuleRow::bind(const Rule& rule) {
    m_rule = rule;
    m_extensions->setText(rule.extensions.join(QStringLiteral(", ")));
    m_candidates.clear();
    m_infos.clear();
    m_settable = true;
    m_requestedKey.clear();
    updateView();
    refreshIfNeeded();
}

void RuleRow::write(const Rule& rule) {
    m_rule = rule;
    if (m_history) {
        m_history->editRule(rule);
    } else {
        m_model.store().setRule(rule);
    }
    updateView();
    refreshIfNeeded();
}

QString RuleRow::taskKey() const {
    return m_rule.extensions.join(u',') + u'|' +
           (m_rule.group ? m_rule.group->rawValue() : QString()) + u'|' +
           QString::number(m_model.defaultsVersion());
}

RuleRow::Refresh RuleRow::compute(const Platform& platform, const QStringList& extensions,
                                  const std::optional<TypeGroup>& group) {
    Refresh result;
    result.candidates = AppInfo::candidates(extensions, group, platform);
    result.settable = std::any_of(extensions.begin(), extensions.end(), [&](const QString& ext) {
        const auto type = platform.typeForExtension(ext);
        return type && !type->dynamic;
    });
    for (const QString& ext : extensions.mid(0, 6)) {
        const auto type = platform.typeForExtension(ext);
        if (!type) {
            continue;
        }
        const auto app = platform.defaultApplicationForType(*type);
        result.infos.append(
            {ext, app ? AppInfo::displayName(*app, platform) : QStringLiteral("no app")});
    }
    return result;
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
        [platform, extensions, group] { return compute(*platform, extensions, group); }));
}

QStringList RuleRow::infoLines() const {
    QStringList lines;
    for (const DefaultInfo& info : m_infos) {
        lines << QStringLiteral(".%1 currently opens in %2").arg(info.ext, info.appName);
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
        m_rule.group ? QStringLiteral("Also matches type group: %1").arg(m_rule.group->label())
                     : QStringLiteral("Add type group\u2026"));
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
    }

    // The app and its name are looked up again only when the rule names another.
    const QString appKey = m_rule.appId + u'\n' + m_rule.appPath + u'\n' +
                           QString::number(m_model.defaultsVersion()); // installed since?
    if (appKey != m_resolvedKey) {
        m_resolvedKey = appKey;
        m_resolved = AppInfo::resolve(m_rule, platform);
        m_resolvedName =
            m_resolved ? Wording::visible(AppInfo::displayName(*m_resolved, platform)) : QString();
    }
    const std::optional<QString>& app = m_resolved;
    QPalette namePalette = palette();
    if (app) {
        m_appIcon->setPixmap(Icons::forPath(*app, platform).pixmap(24, 24));
        m_appIcon->show();
        const QString& name = m_resolvedName;
        m_appName->setText(
            m_appName->fontMetrics().elidedText(name, Qt::ElideRight, m_appName->width()));
        m_appName->setToolTip(name);
        m_appName->setForegroundRole(QPalette::WindowText);
        m_appDetail->hide();
        m_appButton->setText(QStringLiteral("Change"));
    } else if (!m_rule.hasApp()) {
        m_appIcon->hide();
        m_appName->setText(QStringLiteral("No app chosen"));
        m_appName->setForegroundRole(QPalette::PlaceholderText);
        m_appDetail->hide();
        m_appButton->setText(QStringLiteral("Choose"));
    } else {
        m_appIcon->setPixmap(Icons::warning().pixmap(18, 18));
        m_appIcon->show();
        m_appName->setText(QStringLiteral("App not found"));
        namePalette.setColor(QPalette::WindowText, Icons::warningColor());
        m_appName->setForegroundRole(QPalette::WindowText);
        m_appDetail->setText(m_appDetail->fontMetrics().elidedText(
            Wording::visible(Wording::elided(m_rule.appName)), Qt::ElideRight, kAppColumnWidth));
        m_appDetail->setVisible(!m_rule.appName.isEmpty());
        m_appButton->setText(QStringLiteral("Choose"));
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
                 : QStringLiteral("%1 has no registered file type for these extensions, so it "
                                  "can't have a default app for them.")
                       .arg(Wording::capitalised(m_model.platform().systemName())));
    m_restore->setVisible(restorable);
    m_restore->setEnabled(!m_busy);
}

void RuleRow::buildGroupMenu() {
    QMenu* menu = m_groupButton->menu();
    menu->clear();
    // "No type group", a divider, then the groups in declared order; the rule's own is marked.
    auto* choices = new QActionGroup(menu);
    auto add = [&](const QString& label, std::optional<TypeGroup> group) {
        QAction* action = menu->addAction(label);
        action->setCheckable(true);
        action->setChecked(m_rule.group == group);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, group] {
            Rule rule = m_rule;
            rule.group = group;
            write(rule);
        });
    };
    add(QStringLiteral("No type group"), std::nullopt);
    menu->addSeparator();
    for (TypeGroup group : TypeGroup::allCases()) {
        add(group.label(), group);
    }
}

void RuleRow::buildAppMenu() {
    QMenu* menu = m_appButton->menu();
    menu->clear();
    const Platform& platform = m_model.platform();
    for (const QString& app : m_candidates) {
        QAction* action =
            menu->addAction(Icons::forPath(app, platform),
                            Wording::mnemonicSafe(AppInfo::displayName(app, platform)));
        connect(action, &QAction::triggered, this, [this, app] {
            Rule rule = m_rule;
            rule.setApp(app, m_model.platform());
            write(rule);
        });
    }
    if (!m_candidates.isEmpty()) {
        menu->addSeparator();
    }
    connect(menu->addAction(QStringLiteral("Other\u2026")), &QAction::triggered, this, [this] {
        if (!m_chooser) {
            return;
        }
        if (const auto app = AppInfo::chooseApp(*m_chooser)) {
            Rule rule = m_rule;
            rule.setApp(*app, m_model.platform());
            write(rule);
        }
    });
}

void RuleRow::runCommand(bool make) {
    m_busy = true;
    updateView();
    const QPointer<RuleRow> self(this);
    auto done = [self] {
        if (self) {
            self->m_busy = false;
            self->updateView();
        }
    };
    if (make) {
        m_model.makeDefault(m_rule, done);
    } else {
        m_model.restoreDefaults(m_rule, done);
    }
}

bool RuleRow::eventFilter(QObject* watched, QEvent* event) {
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
