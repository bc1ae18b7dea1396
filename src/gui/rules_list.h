#pragma once

#include <QHash>
#include <QUuid>
#include <QWidget>

class QScrollArea;
class QStackedLayout;
class QVBoxLayout;

namespace korvane {

class AppChooser;
class AppModel;
class RuleRow;

// The framed list of rule rows in routing order, or its empty state. Rows are reordered by
// dragging their grip and keep their own state while their rule moves.
class RulesList : public QWidget {
    Q_OBJECT

public:
    RulesList(AppModel& model, AppChooser* chooser, QWidget* parent = nullptr);

    QList<RuleRow*> rows() const;
    bool showsEmptyState() const;
    // Moves the rule at `from` so that it stands before the rule now at `destination` (or last).
    void moveRow(int from, int destination);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void sync();
    int destinationAt(const QPoint& position) const;

    AppModel& m_model;
    AppChooser* m_chooser;
    QStackedLayout* m_stack;
    QWidget* m_empty;
    QScrollArea* m_scroll;
    QVBoxLayout* m_rowsLayout;
    QList<RuleRow*> m_rows;
};

} // namespace korvane
