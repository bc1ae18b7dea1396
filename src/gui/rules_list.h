#pragma once

#include "rule_row.h"

#include <QFutureWatcher>
#include <QHash>
#include <QUuid>
#include <QWidget>
#include <functional>

class QFrame;
class QScrollArea;
class QStackedLayout;

namespace korvane {

class AppChooser;
class AppModel;
class RuleHistory;

// The framed list of rule rows in routing order, or its empty state. Rows are reordered by
// dragging their grip and keep their own state while their rule moves. Only the rows in and near
// the visible part exist as widgets, so a list of thousands of rules starts and scrolls at once;
// the others take the height they had, or a typical row's.
class RulesList : public QWidget {
    Q_OBJECT

public:
    RulesList(AppModel& model, AppChooser* chooser, QWidget* parent = nullptr);
    ~RulesList() override;

    // Modest, so that in a short window the list gives way before the drop zone does; it takes
    // whatever height is left.
    QSize sizeHint() const override { return {400, 240}; }

    // The rows that exist now, in routing order.
    QList<RuleRow*> rows() const;
    // Moves the rule at `from` so that it stands before the rule now at `destination` (or last).
    void moveRow(int from, int destination);
    // Scrolls the rule into view and puts the caret in its extensions field.
    void showRule(const QUuid& id);
    // Edits go through `history`, which keeps them for undo.
    void setHistory(RuleHistory* history);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void sync();
    // Checks the rules again; each row shows what was found for its rule.
    void check();
    // Places the rows, making those that come into view and dropping those far out of it.
    void relayout();
    // Places the rows now, or right after the placing under way.
    void relayoutNow();
    void paintDividers();
    int destinationAt(const QPoint& position) const;
    // Moves a rule by `by` places, as the keyboard and a row's menu ask.
    void moveRule(const QUuid& id, int by);

    AppModel& m_model;
    AppChooser* m_chooser;
    QStackedLayout* m_stack;
    QWidget* m_empty;
    QScrollArea* m_scroll;
    QWidget* m_canvas;
    QFrame* m_marker; // where a dragged rule would land
    QList<QUuid> m_order;
    QList<int> m_tops; // each row's top in the canvas, then the end of the last
    QHash<QUuid, int> m_heights;
    QHash<QUuid, RuleRow*> m_live;
    QList<RuleRow*> m_rows;
    QList<RuleRow*> m_spare; // hidden, for reuse
    int m_typicalHeight = 80;
    bool m_relayoutPosted = false;
    bool m_placing = false;
    RuleRow::RefreshCache m_refreshes; // what rows looked up, for rows bound to the same rule
    QFutureWatcher<QHash<QUuid, QString>> m_doctor;
    QHash<QUuid, QString> m_findings;
    bool m_checkAgain = false;
    RuleHistory* m_history = nullptr;
};

} // namespace korvane
