#pragma once

#include "core/rule.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

namespace korvane {

class RuleStore;

// Undo and redo for the rule list. Each step is a few edits that name rules by id, and undoing
// applies their inverse like any other edit, on what the rules file holds at that moment: undoing
// one step takes back that step alone, and keeps a later edit of another rule, or a rule another
// process added. A deleted rule goes back where it stood; a field edit gives back only the fields
// that step changed.
class RuleHistory : public QObject {
    Q_OBJECT

public:
    explicit RuleHistory(RuleStore& store, QObject* parent = nullptr);

    QUndoStack& stack() { return m_stack; }

    void addRule(qsizetype index, const Rule& rule);
    void deleteRule(const QUuid& id);
    // Moves the rule at `from` to stand at `to`.
    void moveRule(qsizetype from, qsizetype to);
    // The rule becomes `after`; steps that type into one rule's extensions merge into one.
    void editRule(const Rule& after);
    // Rules the store has appended already, as by an import.
    void recordAppended(const QList<Rule>& rules);

    // What names a rule in a step's text: its extensions, else its group, else its app.
    static QString ruleLabel(const Rule& rule);

Q_SIGNALS:
    // A step that deleted, moved or imported rules: worth offering Undo for a few seconds.
    void listChanged(const QString& text);

private:
    void push(class RuleStep* step, bool made = false);

    RuleStore& m_store;
    QUndoStack m_stack;
};

} // namespace korvane
