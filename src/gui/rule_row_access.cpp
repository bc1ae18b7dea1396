// What a row says to a screen reader, and how a keyboard moves its rule.
#include "rule_history.h"
#include "rule_row.h"
#include "widgets/drop_down.h"
#include "wording/wording.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace korvane {

void RuleRow::setPlace(qsizetype place) {
    if (place != m_place) {
        m_place = place;
        updateAccessibleNames();
    }
}

QList<QWidget*> RuleRow::tabOrder() const {
    return {m_enabled,     m_extensions, m_groupButton, m_appButton,
            m_makeDefault, m_restore,    m_delete,      m_more};
}

void RuleRow::addMoveKeys() {
    // Alt+Up and Alt+Down anywhere in the row, as list editors do.
    auto* up = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this);
    auto* down = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this);
    for (QShortcut* shortcut : {up, down}) {
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    }
    connect(up, &QShortcut::activated, this, [this] { Q_EMIT moveRequested(m_rule.id, -1); });
    connect(down, &QShortcut::activated, this, [this] { Q_EMIT moveRequested(m_rule.id, 1); });
}

void RuleRow::updateAccessibleNames() {
    const QString label = Wording::visible(RuleHistory::ruleLabel(m_rule));
    const QString rule = label.isEmpty() ? tr("rule %1").arg(m_place + 1)
                                         : tr("rule %1: %2").arg(m_place + 1).arg(label);
    // "Delete rule 2: md, markdown": each control says which rule it acts on.
    auto name = [&](QWidget* control, const QString& what) {
        control->setAccessibleName(tr("%1 (%2)", "a control, the rule it acts on").arg(what, rule));
    };
    setAccessibleName(label.isEmpty() ? tr("Rule %1").arg(m_place + 1)
                                      : tr("Rule %1: %2").arg(m_place + 1).arg(label));
    m_delete->setAccessibleName(label.isEmpty()
                                    ? tr("Delete rule %1").arg(m_place + 1)
                                    : tr("Delete rule %1: %2").arg(m_place + 1).arg(label));
    name(m_enabled, tr("Enabled"));
    name(m_extensions, tr("Extensions"));
    for (QToolButton* clear : m_extensions->findChildren<QToolButton*>()) {
        name(clear, tr("Clear extensions"));
    }
    name(m_groupButton, tr("Type group"));
    name(m_appButton, tr("App"));
    m_appButton->setAccessibleDescription(m_appName->text());          // which app, or that none is
    m_makeDefault->setAccessibleDescription(m_makeDefault->toolTip()); // why it is off
    name(m_makeDefault, m_makeDefault->text());
    name(m_restore, m_restore->text());
    name(m_more, tr("More"));
}

} // namespace korvane
