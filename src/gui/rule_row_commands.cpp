// The row's commands: its menus (type group, app, and the narrow row's menu), Make default and
// Restore, and every edit written through the history.
#include "app_chooser.h"
#include "conditions_dialog.h"
#include "core/app_model.h"
#include "core/app_resolver.h"
#include "icons.h"
#include "platform/platform.h"
#include "rule_history.h"
#include "rule_row.h"
#include "widgets/drop_down.h"
#include "wording/wording.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace korvane {

void RuleRow::buildMoreMenu() {
    auto* menu = m_more->findChild<QMenu*>(QStringLiteral("moreMenu"));
    menu->clear();
    // The commands' buttons, as they would stand in a wide row.
    for (QPushButton* button : {m_makeDefault, m_restore}) {
        if (!m_compact || (button == m_restore && !m_restore->isVisibleTo(m_commands))) {
            continue;
        }
        QAction* action = menu->addAction(button->text(), button, &QPushButton::click);
        action->setEnabled(button->isEnabled());
        action->setToolTip(button->toolTip());
    }
    QAction* folders = menu->addAction(tr("Only in Folders…"), this,
                                       [this] { editConditions(ConditionsDialog::Kind::Folders); });
    folders->setObjectName(QStringLiteral("editFolders"));
    QAction* links = menu->addAction(tr("Links…"), this,
                                     [this] { editConditions(ConditionsDialog::Kind::Links); });
    links->setObjectName(QStringLiteral("editLinks"));
    menu->addSeparator();
    // Moves the keyboard makes with Alt+Up and Alt+Down, for the menu's users.
    QAction* up =
        menu->addAction(tr("Move up"), this, [this] { Q_EMIT moveRequested(m_rule.id, -1); });
    up->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    up->setEnabled(m_place > 0);
    QAction* down =
        menu->addAction(tr("Move down"), this, [this] { Q_EMIT moveRequested(m_rule.id, 1); });
    down->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    menu->setToolTipsVisible(true);
}

void RuleRow::editConditions(ConditionsDialog::Kind kind) {
    QStringList Rule::*member =
        kind == ConditionsDialog::Kind::Folders ? &Rule::folders : &Rule::links;
    auto* dialog = new ConditionsDialog(kind, m_rule.*member, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QUuid id = m_rule.id;
    connect(dialog, &QDialog::accepted, this, [this, dialog, id, member] {
        if (m_rule.id != id || dialog->values() == m_rule.*member) {
            return; // the row shows another rule now, or nothing changed
        }
        Rule rule = m_rule;
        rule.*member = dialog->values();
        write(rule);
    });
    dialog->open();
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
    add(tr("No type group"), std::nullopt);
    menu->addSeparator();
    for (TypeGroup group : TypeGroup::allCases()) {
        add(Wording::groupName(group), group);
    }
}

void RuleRow::buildAppMenu() {
    QMenu* menu = m_appButton->menu();
    menu->clear();
    const Platform& platform = m_model.platform();
    for (const QString& app : m_candidates) {
        QAction* action =
            menu->addAction(Icons::forPath(app, platform),
                            Wording::mnemonicSafe(AppResolver::displayName(app, platform)));
        connect(action, &QAction::triggered, this, [this, app] {
            Rule rule = m_rule;
            rule.setApp(app, m_model.platform());
            write(rule);
        });
    }
    if (!m_candidates.isEmpty()) {
        menu->addSeparator();
    }
    connect(menu->addAction(tr("Other…")), &QAction::triggered, this, [this] {
        if (!m_chooser) {
            return;
        }
        if (const auto app = m_chooser->choose()) {
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
    auto done = [self](const DefaultsReport&) {
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

} // namespace korvane
