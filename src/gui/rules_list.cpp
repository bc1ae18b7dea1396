#include "rules_list.h"

#include "core/app_model.h"
#include "icons.h"
#include "rule_row.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace korvane {

namespace {
const QString kRuleMime = QStringLiteral("application/x-korvane-rule");
}

RulesList::RulesList(AppModel& model, AppChooser* chooser, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_chooser(chooser)
    , m_stack(new QStackedLayout(this))
    , m_empty(new QWidget(this))
    , m_scroll(new QScrollArea(this))
    , m_rowsLayout(new QVBoxLayout) {
    setObjectName(QStringLiteral("rulesList"));
    setAcceptDrops(true);

    auto* emptyLayout = new QVBoxLayout(m_empty);
    emptyLayout->setSpacing(6);
    emptyLayout->addStretch();
    auto* symbol = new QLabel(m_empty);
    symbol->setPixmap(Icons::emptyList().pixmap(32, 32));
    auto* title = new QLabel(QStringLiteral("No rules yet"), m_empty);
    auto* hint = new QLabel(QStringLiteral("Add a rule, or drop a file and pick an app."), m_empty);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    for (QLabel* label : {symbol, title, hint}) {
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::PlaceholderText);
        emptyLayout->addWidget(label);
    }
    emptyLayout->addStretch();

    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(8, 6, 8, 6);
    outer->addLayout(m_rowsLayout);
    outer->addStretch(1); // rows keep their height at the top; the spare height stays below
    m_rowsLayout->setSpacing(2);
    m_scroll->setWidget(content);
    content->setAutoFillBackground(false); // setWidget turned it on: it would hide the frame
    m_scroll->setWidgetResizable(true);
    // Rows fit the width; they never scroll sideways.
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->viewport()->setAutoFillBackground(false);

    m_stack->addWidget(m_empty);
    m_stack->addWidget(m_scroll);
    connect(&m_model.store(), &RuleStore::rulesChanged, this, &RulesList::sync);
    sync();
}

QList<RuleRow*> RulesList::rows() const {
    return m_rows;
}
bool RulesList::showsEmptyState() const {
    return m_stack->currentWidget() == m_empty;
}

void RulesList::sync() {
    const QList<Rule>& rules = m_model.store().rules();
    QHash<QUuid, RuleRow*> existing;
    for (RuleRow* row : m_rows) {
        existing.insert(row->ruleId(), row);
    }
    QList<RuleRow*> rows;
    for (const Rule& rule : rules) {
        RuleRow* row = existing.take(rule.id);
        if (row) {
            if (!(row->rule() == rule)) {
                row->setRule(rule);
            }
        } else {
            row = new RuleRow(m_model, m_chooser, rule);
            connect(row, &RuleRow::deleteRequested, this,
                    [this](const QUuid& id) { m_model.store().removeRule(id); });
        }
        rows.append(row);
    }
    for (RuleRow* gone : std::as_const(existing)) {
        gone->deleteLater();
    }
    // Lay the rows out in the store's order, with a thin divider between them.
    while (QLayoutItem* item = m_rowsLayout->takeAt(0)) {
        if (item->widget() && !qobject_cast<RuleRow*>(item->widget())) {
            delete item->widget();
        }
        delete item;
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            auto* line = new QFrame;
            line->setFrameShape(QFrame::HLine);
            line->setForegroundRole(QPalette::Mid);
            m_rowsLayout->addWidget(line);
        }
        m_rowsLayout->addWidget(rows[i]);
    }
    m_rows = rows;
    m_stack->setCurrentWidget(m_rows.isEmpty() ? m_empty : static_cast<QWidget*>(m_scroll));
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
    m_model.store().moveRule(from, to);
}

int RulesList::destinationAt(const QPoint& position) const {
    for (int i = 0; i < m_rows.size(); ++i) {
        const QPoint center = m_rows[i]->mapTo(this, m_rows[i]->rect().center());
        if (position.y() < center.y()) {
            return i;
        }
    }
    return int(m_rows.size());
}

void RulesList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
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
    if (event->mimeData()->hasFormat(kRuleMime)) {
        event->acceptProposedAction();
    }
}

void RulesList::dropEvent(QDropEvent* event) {
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
