// How a row places its parts: side by side where it is wide, stacked where it is narrow, and
// measured at once when what it shows changes.
#include "rule_row.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvane {

bool RuleRow::compactAt(int width) {
    // The fields, the app, the commands and the row's own buttons side by side need about this.
    return width < 520;
}

void RuleRow::setCompact(bool compact) {
    if (compact != m_compact) {
        m_compact = compact;
        placeContent();
    }
}

void RuleRow::placeContent() {
    for (QWidget* part : {m_fields, m_appBox, m_commands, m_notes}) {
        m_grid->removeWidget(part);
    }
    // The app's button: beside its name in a compact row, under it in a wide one.
    m_appLine->removeWidget(m_appButton);
    m_appColumn->removeWidget(m_appButton);
    if (m_compact) {
        m_appLine->addWidget(m_appButton);
    } else {
        m_appColumn->addWidget(m_appButton, 0, Qt::AlignLeft);
    }
    if (m_compact) {
        // The fields above the app, the notes under both; the commands in the row's menu.
        m_grid->addWidget(m_fields, 0, 0);
        m_grid->addWidget(m_appBox, 1, 0);
        m_grid->addWidget(m_notes, 2, 0);
        m_fields->setMaximumWidth(QWIDGETSIZE_MAX);
        m_appBox->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        // The app beside the fields, the commands at the end, and the notes under the fields and
        // the app, where a long line has room. A wide window spreads the row, not the field.
        m_grid->addWidget(m_fields, 0, 0, Qt::AlignTop);
        m_grid->addWidget(m_appBox, 0, 1, Qt::AlignTop);
        m_grid->addWidget(m_commands, 0, 3, 2, 1, Qt::AlignTop);
        m_grid->addWidget(m_notes, 1, 0, 1, 3);
        m_fields->setMaximumWidth(kFieldsWidth);
        m_appBox->setMaximumWidth(2 * kAppColumnWidth);
    }
    m_commands->setVisible(!m_compact);
    m_more->setVisible(m_compact);
}

void RuleRow::contentChanged() {
    // The parts' cached sizes go now, not when the posted layout requests arrive, so that the
    // list can measure and place the row before it is painted again.
    for (QWidget* part : {m_notes, m_appBox, m_fields, m_content}) {
        part->layout()->invalidate();
        part->updateGeometry();
    }
    layout()->invalidate();
    Q_EMIT layoutChanged();
}

void RuleRow::settle() {
    // Top down: each layout places the widgets whose own layouts come next.
    for (QWidget* widget :
         {static_cast<QWidget*>(this), m_content, m_fields, m_appBox, m_commands, m_notes}) {
        widget->layout()->activate();
    }
}

} // namespace korvane
