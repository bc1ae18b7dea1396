#include "rule_history.h"

#include "core/rule_store.h"
#include "wording/wording.h"

#include <QUndoCommand>
#include <algorithm>

namespace korvane {

namespace {

qsizetype indexOf(const QList<Rule>& list, const QUuid& id) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].id == id) {
            return i;
        }
    }
    return -1;
}

// A place in the list: just after the rule `after` (first without one), or where that rule is
// gone, at `index`.
struct Place {
    QUuid after;
    qsizetype index = 0;

    static Place of(const QList<Rule>& list, qsizetype index) {
        return {index > 0 ? list[index - 1].id : QUuid(), index};
    }
    qsizetype in(const QList<Rule>& list) const {
        if (after.isNull()) {
            return 0;
        }
        const qsizetype at = indexOf(list, after);
        return at >= 0 ? at + 1 : std::clamp<qsizetype>(index, 0, list.size());
    }
};

// Sets the fields in which `from` and `to` differ to their value in `to`; the others stay as
// the list has them now.
void setFields(QList<Rule>& list, const Rule& from, const Rule& to) {
    const qsizetype i = indexOf(list, to.id);
    if (i < 0) {
        return;
    }
    Rule& rule = list[i];
    if (from.enabled != to.enabled) {
        rule.enabled = to.enabled;
    }
    if (from.extensions != to.extensions) {
        rule.extensions = to.extensions;
    }
    if (from.group != to.group) {
        rule.group = to.group;
    }
    if (from.folders != to.folders) {
        rule.folders = to.folders;
    }
    if (from.links != to.links) {
        rule.links = to.links;
    }
    if (from.appId != to.appId || from.appPath != to.appPath || from.appName != to.appName) {
        rule.appId = to.appId;
        rule.appPath = to.appPath;
        rule.appName = to.appName;
    }
}

// One edit of a step, undone by its inverse.
struct Op {
    enum Kind { Add, Delete, Edit, Move } kind = Add;
    Rule rule;   // as added, deleted, or after the edit
    Rule before; // Edit: the rule before it
    Place was;   // Delete and Move: where the rule stood
    Place goes;  // Add and Move: where it stands after

    void apply(QList<Rule>& list, bool undo) const {
        const bool in = (kind == Add) != undo;
        switch (kind) {
        case Add:
        case Delete:
            if (!in) {
                list.removeIf([&](const Rule& r) { return r.id == rule.id; });
            } else if (indexOf(list, rule.id) < 0) {
                list.insert((kind == Add ? goes : was).in(list), rule);
            }
            return;
        case Edit:
            undo ? setFields(list, rule, before) : setFields(list, before, rule);
            return;
        case Move:
            if (const qsizetype i = indexOf(list, rule.id); i >= 0) {
                const Rule moved = list.takeAt(i);
                list.insert((undo ? was : goes).in(list), moved);
            }
            return;
        }
    }
};

} // namespace

class RuleStep : public QUndoCommand {
public:
    RuleStep(RuleStore& store, const QString& text, QList<Op> ops, bool typing = false)
        : QUndoCommand(text)
        , m_store(store)
        , m_ops(std::move(ops))
        , m_typing(typing) {}

    void made() { m_made = true; }
    void redo() override {
        if (!std::exchange(m_made, false)) {
            run(false);
        }
    }
    void undo() override { run(true); }
    // Typing into one rule's extensions is one step.
    int id() const override { return m_typing ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const RuleStep*>(other);
        if (next->m_ops.first().rule.id != m_ops.first().rule.id) {
            return false;
        }
        m_ops.first().rule = next->m_ops.first().rule;
        setText(next->text());
        return true;
    }

private:
    void run(bool undo) {
        m_store.edit([ops = m_ops, undo](QList<Rule>& list) {
            if (undo) {
                std::for_each(ops.rbegin(), ops.rend(),
                              [&](const Op& op) { op.apply(list, true); });
            } else {
                std::for_each(ops.begin(), ops.end(), [&](const Op& op) { op.apply(list, false); });
            }
        });
    }

    RuleStore& m_store;
    QList<Op> m_ops;
    bool m_typing;
    bool m_made = false;
};

RuleHistory::RuleHistory(RuleStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store) {}

QString RuleHistory::ruleLabel(const Rule& rule) {
    if (!rule.extensions.isEmpty()) {
        return Wording::elided(rule.extensions.join(QStringLiteral(", ")), 40);
    }
    if (rule.group) {
        return Wording::groupName(*rule.group);
    }
    return Wording::elided(rule.appName, 40);
}

namespace {
// A step's name, for the Edit menu (where "&" is a mnemonic) or for the message line.
// `step` names the rule by %1 and is marked with QT_TRANSLATE_NOOP("korvane::RuleHistory", …).
QString stepText(const char* step, const Rule& rule, bool menu = true) {
    const QString label =
        menu ? Wording::mnemonicSafe(RuleHistory::ruleLabel(rule)) : RuleHistory::ruleLabel(rule);
    return RuleHistory::tr(step).arg(label).trimmed();
}
} // namespace

void RuleHistory::push(RuleStep* step, bool made) {
    if (made) {
        step->made();
    }
    m_stack.push(step);
}

void RuleHistory::addRule(qsizetype index, const Rule& rule) {
    const QList<Rule>& list = m_store.rules();
    index = std::clamp<qsizetype>(index, 0, list.size());
    push(
        new RuleStep(m_store, tr("Add rule"), {Op{Op::Add, rule, {}, {}, Place::of(list, index)}}));
}

void RuleHistory::deleteRule(const QUuid& id) {
    const QList<Rule>& list = m_store.rules();
    const qsizetype i = indexOf(list, id);
    if (i < 0) {
        return;
    }
    const Rule rule = list[i];
    push(new RuleStep(m_store,
                      stepText(QT_TRANSLATE_NOOP("korvane::RuleHistory", "Delete rule %1"), rule),
                      {Op{Op::Delete, rule, {}, Place::of(list, i), {}}}));
    Q_EMIT listChanged(
        stepText(QT_TRANSLATE_NOOP("korvane::RuleHistory", "Deleted rule %1"), rule, false));
}

void RuleHistory::moveRule(qsizetype from, qsizetype to) {
    QList<Rule> list = m_store.rules();
    if (from < 0 || from >= list.size() || to < 0 || to >= list.size() || from == to) {
        return;
    }
    const Place was = Place::of(list, from);
    list.move(from, to);
    push(new RuleStep(m_store,
                      stepText(QT_TRANSLATE_NOOP("korvane::RuleHistory", "Move rule %1"), list[to]),
                      {Op{Op::Move, list[to], {}, was, Place::of(list, to)}}));
    Q_EMIT listChanged(
        stepText(QT_TRANSLATE_NOOP("korvane::RuleHistory", "Moved rule %1"), list[to], false));
}

void RuleHistory::editRule(const Rule& after) {
    const qsizetype i = indexOf(m_store.rules(), after.id);
    if (i < 0 || m_store.rules()[i] == after) {
        return;
    }
    const Rule before = m_store.rules()[i];
    Rule typed = before;
    typed.extensions = after.extensions;
    Rule toggled = before;
    toggled.enabled = after.enabled;
    const bool typing = typed == after;
    const QString text =
        toggled == after
            ? stepText(after.enabled
                           ? QT_TRANSLATE_NOOP("korvane::RuleHistory", "Turn on rule %1")
                           : QT_TRANSLATE_NOOP("korvane::RuleHistory", "Turn off rule %1"),
                       after)
            : stepText(QT_TRANSLATE_NOOP("korvane::RuleHistory", "Edit rule %1"), after);
    push(new RuleStep(m_store, text, {Op{Op::Edit, after, before, {}, {}}}, typing));
}

void RuleHistory::recordAppended(const QList<Rule>& rules) {
    const QList<Rule>& list = m_store.rules();
    QList<Op> ops;
    for (const Rule& rule : rules) {
        if (const qsizetype i = indexOf(list, rule.id); i >= 0) {
            ops.append(Op{Op::Add, rule, {}, {}, Place::of(list, i)});
        }
    }
    if (ops.isEmpty()) {
        return;
    }
    push(new RuleStep(m_store, tr("Import %n rule(s)", nullptr, int(ops.size())), ops), true);
    Q_EMIT listChanged(QString());
}

} // namespace korvane
