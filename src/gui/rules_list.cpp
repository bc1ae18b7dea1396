#include "rules_list.h"

#include "core/app_model.h"
#include "core/rule_doctor.h"
#include "icons.h"
#include "platform/platform.h"
#include "rule_history.h"
#include "rule_row.h"
#include "wording/finding_text.h"
#include "wording/wording.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace korvane {

namespace {
const QString kRuleMime = QStringLiteral("application/x-korvane-rule");
constexpr int kCornerRadius = 10;
constexpr int kCornerClearance = 6; // where the corner's curve is under a pixel deep
} // namespace

RulesList::RulesList(AppModel& model, AppChooser* chooser, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_chooser(chooser)
    , m_stack(new QStackedLayout)
    , m_empty(new QWidget(this))
    , m_scroll(new QScrollArea(this))
    , m_canvas(nullptr) {
    setObjectName(QStringLiteral("rulesList"));
    m_empty->setObjectName(QStringLiteral("noRules"));
    setAcceptDrops(true);

    auto* emptyLayout = new QVBoxLayout(m_empty);
    emptyLayout->setSpacing(6);
    emptyLayout->addStretch();
    auto* symbol = new QLabel(m_empty);
    symbol->setPixmap(Icons::emptyList().pixmap(32, 32));
    auto* title = new QLabel(tr("No rules yet"), m_empty);
    auto* hint = new QLabel(tr("Add a rule, or drop a file and pick an app."), m_empty);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    for (QLabel* label : {symbol, title, hint}) {
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::PlaceholderText);
        emptyLayout->addWidget(label);
    }
    emptyLayout->addStretch();

    m_canvas = new QWidget;
    m_canvas->installEventFilter(this);
    m_marker = new QFrame(m_canvas);
    m_marker->setObjectName(QStringLiteral("dropMarker"));
    m_marker->setAutoFillBackground(true);
    m_marker->setBackgroundRole(QPalette::Highlight);
    m_marker->hide();
    m_scroll->setWidget(m_canvas);
    m_canvas->setAutoFillBackground(false); // setWidget turned it on: it would hide the frame
    m_scroll->setWidgetResizable(false);
    // Rows fit the width; they never scroll sideways.
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the rows' controls, which it scrolls to
    m_scroll->setAccessibleName(tr("Rules"));
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->viewport()->installEventFilter(this);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &RulesList::relayoutNow);

    // The scroll bar keeps clear of the frame's rounded corners.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, kCornerClearance, 2, kCornerClearance);
    frame->addLayout(m_stack);
    m_stack->addWidget(m_empty);
    m_stack->addWidget(m_scroll);
    connect(&m_model.store(), &RuleStore::rulesChanged, this, &RulesList::sync);
    connect(&m_model.store(), &RuleStore::rulesChanged, this, &RulesList::check);
    connect(&m_model, &AppModel::defaultsVersionChanged, this, &RulesList::check);
    connect(&m_doctor, &QFutureWatcher<QHash<QUuid, QString>>::finished, this, [this] {
        m_findings = m_doctor.result();
        {
            // The rows are placed once, after every row has its line: placing them on each line
            // would change the live rows while they are gone through.
            const QScopedValueRollback placing(m_placing, true);
            for (RuleRow* row : std::as_const(m_live)) {
                row->setFinding(m_findings.value(row->ruleId()));
            }
        }
        relayout();
        if (std::exchange(m_checkAgain, false)) {
            check();
        }
    });
    sync();
    check();
}

RulesList::~RulesList() {
    m_doctor.waitForFinished(); // it reads the platform
}

void RulesList::check() {
    if (m_doctor.isRunning()) {
        m_checkAgain = true; // once this one is done, with the rules as they are then
        return;
    }
    // Off the main thread, like the rows' look-ups: one line per rule, its first finding but a
    // missing app, which the row shows already.
    const Platform* platform = &m_model.platform();
    m_doctor.setFuture(QtConcurrent::run([platform, rules = m_model.store().rules()] {
        QHash<QUuid, QString> lines;
        for (const RuleDoctor::Finding& finding : RuleDoctor::check(rules, *platform)) {
            const QUuid id = rules[finding.rule].id;
            if (finding.kind != RuleDoctor::Finding::MissingApp && !lines.contains(id)) {
                lines.insert(id,
                             Wording::capitalised(findingText(finding, platform->systemName())));
            }
        }
        return lines;
    }));
}

QList<RuleRow*> RulesList::rows() const {
    return m_rows;
}

void RulesList::sync() {
    // Placed once at the end, with the whole order known: a row changed on the way must not
    // place the rows on half an order (the scroll bar would be clamped to it).
    std::optional<QScopedValueRollback<bool>> placing(std::in_place, m_placing, true);
    const QList<Rule>& rules = m_model.store().rules();
    m_order.clear();
    QSet<QUuid> present;
    for (const Rule& rule : rules) {
        m_order.append(rule.id);
        present.insert(rule.id);
        RuleRow* row = m_live.value(rule.id);
        if (row && !(row->rule() == rule)) {
            row->setRule(rule);
        }
    }
    for (auto it = m_live.begin(); it != m_live.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        (*it)->hide();
        m_spare.append(*it);
        it = m_live.erase(it);
    }
    m_stack->setCurrentWidget(m_order.isEmpty() ? m_empty : static_cast<QWidget*>(m_scroll));
    placing.reset();
    relayout();
}

namespace {
constexpr int kMarginX = 8;
constexpr int kMarginY = 6;
constexpr int kGap = 5; // between rows, with the divider in its middle
} // namespace

void RulesList::relayout() {
    m_relayoutPosted = false;
    const QScopedValueRollback placing(m_placing, true);
    const QList<Rule>& rules = m_model.store().rules();
    const int width = m_scroll->viewport()->width();
    const int rowWidth = std::max(width - 2 * kMarginX, 0);
    // Where each row stands, by the heights known so far.
    auto place = [&] {
        m_tops.resize(m_order.size() + 1);
        int y = kMarginY;
        for (qsizetype i = 0; i < m_order.size(); ++i) {
            m_tops[i] = y;
            y += m_heights.value(m_order[i], m_typicalHeight) + kGap;
        }
        m_tops[m_order.size()] = y - kGap + kMarginY;
    };
    place();
    // Rows a screen above and below the view exist; the others are let go.
    const int view = m_scroll->viewport()->height();
    const int from = m_scroll->verticalScrollBar()->value() - view;
    const int to = m_scroll->verticalScrollBar()->value() + 2 * view;
    QList<RuleRow*> rows;
    QList<qsizetype> places; // each row's index in the list
    bool measured = false;
    for (qsizetype i = 0; i < m_order.size(); ++i) {
        const QUuid id = m_order[i];
        const bool wanted = m_tops[i + 1] >= from && m_tops[i] <= to;
        RuleRow* row = m_live.value(id);
        if (!wanted) {
            if (row && !row->isBusy()) {
                m_live.remove(id);
                row->hide();
                m_spare.append(row);
            } else if (row) {
                rows.append(row); // keeps the user's typing and a running command
                places.append(i);
            }
            continue;
        }
        if (!row && !m_spare.isEmpty()) {
            row = m_spare.takeLast();
            row->bind(rules[i]); // cheaper than a new row
            row->setFinding(m_findings.value(id));
            m_live.insert(id, row);
        } else if (!row) {
            row = new RuleRow(m_model, m_chooser, rules[i], m_canvas);
            row->setRefreshCache(&m_refreshes);
            connect(row, &RuleRow::layoutChanged, this, &RulesList::relayoutNow);
            row->setFinding(m_findings.value(id));
            row->installEventFilter(this);
            row->setHistory(m_history);
            connect(row, &RuleRow::deleteRequested, this, [this](const QUuid& ruleId) {
                m_history ? m_history->deleteRule(ruleId) : m_model.store().removeRule(ruleId);
            });
            connect(row, &RuleRow::moveRequested, this, &RulesList::moveRule);
            m_live.insert(id, row);
        }
        // Narrow rows stack their parts; wrapped notes make a row's height follow its width.
        row->setCompact(row->compactAt(rowWidth));
        const int height =
            row->hasHeightForWidth() ? row->heightForWidth(rowWidth) : row->sizeHint().height();
        if (!m_heights.contains(id)) {
            m_typicalHeight = height;
        }
        measured = measured || m_heights.value(id, -1) != height;
        m_heights.insert(id, height);
        rows.append(row);
        places.append(i);
    }
    for (qsizetype n = 0; n < rows.size(); ++n) {
        rows[n]->setPlace(places[n]);
    }
    if (measured) {
        place();
    }
    for (qsizetype n = 0; n < rows.size(); ++n) {
        rows[n]->setGeometry(kMarginX, m_tops[places[n]], rowWidth,
                             m_heights.value(rows[n]->ruleId()));
        rows[n]->settle();
        rows[n]->show();
    }
    while (m_spare.size() > 40) {
        m_spare.takeFirst()->deleteLater();
    }
    // Tab follows the rows as they stand, not as they were made.
    QWidget* previous = nullptr;
    for (RuleRow* row : std::as_const(rows)) {
        for (QWidget* control : row->tabOrder()) {
            if (previous) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
    m_rows = rows;
    m_canvas->resize(width, m_order.isEmpty() ? 0 : m_tops.last());
    m_canvas->update();
}

void RulesList::relayoutNow() {
    if (!m_placing) {
        relayout();
    } else if (!m_relayoutPosted) {
        m_relayoutPosted = true; // asked while placing: once more when done
        QMetaObject::invokeMethod(this, &RulesList::relayout, Qt::QueuedConnection);
    }
}

void RulesList::paintDividers() {
    QPainter painter(m_canvas);
    painter.setPen(palette().color(QPalette::Mid));
    for (qsizetype i = 1; i < m_order.size(); ++i) {
        const int y = m_tops[i] - kGap / 2 - 1;
        painter.drawLine(kMarginX, y, m_canvas->width() - kMarginX, y);
    }
}

bool RulesList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Paint) {
        paintDividers();
    } else if ((watched == m_scroll->viewport() && event->type() == QEvent::Resize) ||
               event->type() == QEvent::LayoutRequest) {
        // A row whose content changed asks for a new size (its own layout has been activated by
        // now): the rows are placed again at once, before any of them is painted.
        relayoutNow();
    }
    return QWidget::eventFilter(watched, event);
}

void RulesList::showRule(const QUuid& id) {
    const qsizetype index = m_order.indexOf(id);
    if (index < 0) {
        return;
    }
    QScrollBar* bar = m_scroll->verticalScrollBar();
    const int top = m_tops.value(index);
    const int bottom = m_tops.value(index + 1);
    if (top < bar->value() || bottom > bar->value() + m_scroll->viewport()->height()) {
        bar->setValue(top - kMarginY); // places the rows there at once
    }
    relayout();
    if (RuleRow* row = m_live.value(id)) {
        row->focusExtensions();
    }
}

void RulesList::setHistory(RuleHistory* history) {
    m_history = history;
    for (RuleRow* row : std::as_const(m_live)) {
        row->setHistory(history);
    }
    for (RuleRow* row : std::as_const(m_spare)) {
        row->setHistory(history);
    }
}

void RulesList::moveRow(int from, int destination) {
    const int count = int(m_model.store().rules().size());
    if (from < 0 || from >= count || destination < 0 || destination > count) {
        return;
    }
    const int to = destination > from ? destination - 1 : destination;
    if (to == from) {
        return;
    }
    m_history ? m_history->moveRule(from, to) : m_model.store().moveRule(from, to);
}

void RulesList::moveRule(const QUuid& id, int by) {
    const int from = int(m_order.indexOf(id));
    const int to = from + by;
    if (from < 0 || to < 0 || to >= m_order.size()) {
        return;
    }
    moveRow(from, by > 0 ? to + 1 : to);
    // The row keeps the focus; the view follows it.
    if (RuleRow* row = m_live.value(id)) {
        relayout();
        m_scroll->ensureWidgetVisible(row, 0, 0);
    }
}

int RulesList::destinationAt(const QPoint& position) const {
    const int y = m_canvas->mapFrom(this, position).y();
    for (qsizetype i = 0; i < m_order.size(); ++i) {
        if (y < (m_tops[i] + m_tops[i + 1]) / 2) {
            return int(i);
        }
    }
    return int(m_order.size());
}

void RulesList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                        kCornerRadius);
    painter.fillPath(path, palette().color(QPalette::Base));
    QColor border = palette().color(QPalette::PlaceholderText);
    border.setAlphaF(0.25f);
    painter.setPen(QPen(border, 1));
    painter.drawPath(path);
}

void RulesList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kRuleMime)) {
        event->acceptProposedAction();
    }
}

void RulesList::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(kRuleMime)) {
        return;
    }
    event->acceptProposedAction();
    // A line in the gap where the rule would land.
    const int destination = destinationAt(event->position().toPoint());
    const int y = destination < m_order.size() ? m_tops[destination] - (kGap + 1) / 2 - 1
                                               : m_tops.last() - kMarginY + kGap / 2;
    m_marker->setGeometry(kMarginX, std::max(y - 1, 0), m_canvas->width() - 2 * kMarginX, 3);
    m_marker->show();
    m_marker->raise();
}

void RulesList::dragLeaveEvent(QDragLeaveEvent*) {
    m_marker->hide();
}

void RulesList::dropEvent(QDropEvent* event) {
    m_marker->hide();
    const QUuid id = QUuid::fromString(QString::fromLatin1(event->mimeData()->data(kRuleMime)));
    const QList<Rule>& rules = m_model.store().rules();
    for (int i = 0; i < rules.size(); ++i) {
        if (rules[i].id == id) {
            moveRow(i, destinationAt(event->position().toPoint()));
            event->acceptProposedAction();
            return;
        }
    }
}

} // namespace korvane
