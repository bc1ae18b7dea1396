// How a row places its parts: side by side where it is wide, stacked where it is narrow, and
// measured at once when what it shows changes.
#include "rule_row.h"
#include "widgets/drop_down.h"
#include "widgets/elided_label.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvane {

void RuleRow::arrange() {
    // The rule's fields, the app, the commands and the notes under them: side by side where the
    // row is wide, stacked where it is narrow (see setCompact).
    auto* fieldsColumn = new QVBoxLayout(m_fields);
    fieldsColumn->setContentsMargins(0, 0, 0, 0);
    fieldsColumn->setSpacing(5);
    fieldsColumn->addWidget(m_extensions);
    fieldsColumn->addWidget(m_groupButton, 0, Qt::AlignLeft);

    auto* notesColumn = new QVBoxLayout(m_notes);
    notesColumn->setContentsMargins(0, 0, 0, 0);
    notesColumn->setSpacing(1);
    notesColumn->addWidget(m_finding);
    notesColumn->addLayout(m_infoLayout);

    m_appLine->setSpacing(6);
    m_appLine->addWidget(m_appIcon);
    m_appLine->addWidget(m_appName, 1);
    m_appColumn->setContentsMargins(0, 0, 0, 0);
    m_appColumn->setSpacing(4);
    m_appColumn->addLayout(m_appLine);
    m_appColumn->addWidget(m_appDetail);
    // Room for a long app name where the row has it, never more than the fields get.
    m_appBox->setMinimumWidth(kAppColumnWidth);
    m_appBox->setMaximumWidth(2 * kAppColumnWidth);

    auto* commands = new QVBoxLayout(m_commands);
    commands->setContentsMargins(0, 0, 0, 0);
    commands->setSpacing(4);
    commands->addWidget(m_makeDefault);
    commands->addWidget(m_restore);
    commands->addStretch();

    // The content dims when the rule is off; the switch beside it does not.
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(5);
    m_grid->setColumnStretch(0, 1);
    // What the fields at their widest leave goes between the app and the commands.
    m_grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 0, 2);
    placeContent();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(8);
    layout->addWidget(m_grip, 0, Qt::AlignTop);
    layout->addWidget(m_enabled, 0, Qt::AlignTop);
    layout->addWidget(m_content, 1);
    auto* rowCommands = new QVBoxLayout;
    rowCommands->setSpacing(2);
    rowCommands->addWidget(m_delete);
    rowCommands->addWidget(m_more);
    rowCommands->addStretch();
    layout->addLayout(rowCommands);
}

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
    m_more->show(); // the commands a narrow row has no room for, and the moves
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
