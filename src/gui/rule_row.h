#pragma once

#include "conditions_dialog.h"
#include "core/rule.h"
#include "core/rule_lookup.h"

#include <QApplication>
#include <QFutureWatcher>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QUuid>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace korvane {

class AppChooser;
class DropDown;
class AppModel;
class RuleHistory;

// The editor of one rule. Every edit is written straight into the store; the extension field
// keeps what was typed while the rule holds the parsed list. Candidates and the per-extension
// default lines are computed off the main thread.
class RuleRow : public QWidget {
    Q_OBJECT

public:
    using Refresh = RuleLookup;

    // Look-ups by task key, shared by the rows of one list, so that a row bound to a rule it
    // showed before has its lines at once and keeps its height.
    using RefreshCache = QHash<QString, Refresh>;

    RuleRow(AppModel& model, AppChooser* chooser, const Rule& rule, QWidget* parent = nullptr);
    // Waits for a refresh still running: it reads the platform.
    ~RuleRow() override;

    QUuid ruleId() const { return m_rule.id; }
    const Rule& rule() const { return m_rule; }
    // Takes a new value of the rule from the store. The field shows the rule's extensions unless
    // what is typed there means the same.
    void setRule(const Rule& rule);
    void focusExtensions();
    // Stacks the fields over the app and moves the commands into a menu, for a narrow row.
    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    // Whether a row of this width is laid out compact: its parts side by side don't fit.
    bool compactAt(int width) const;
    // Lays out the row's parts at once for its present size, rather than when asked later.
    void settle();
    // Edits go through `history`, which keeps them for undo; without one, straight to the store.
    void setHistory(RuleHistory* history) { m_history = history; }
    void setRefreshCache(RefreshCache* cache);
    // One line under the fields: what the rule check found wrong with this rule, if anything.
    void setFinding(const QString& text);
    // Shows another rule, as a new row would: the list reuses rows scrolled out of sight.
    void bind(const Rule& rule);
    // The rule's place in the list (from 0), which the controls' accessible names say.
    void setPlace(qsizetype place);
    // The row's controls in the order Tab visits them.
    QList<QWidget*> tabOrder() const;
    // A row whose command runs, or that has the focus, is kept as it is.
    bool isBusy() const { return m_busy || isAncestorOf(QApplication::focusWidget()); }

Q_SIGNALS:
    void deleteRequested(const QUuid& id);
    // Move the rule by `by` places (-1 up, 1 down).
    void moveRequested(const QUuid& id, int by);
    void refreshed();
    // What the row shows changed, and with it perhaps its height.
    void layoutChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kAppColumnWidth = 150;
    static constexpr int kLeastFieldsWidth =
        140;                                 // the least the extensions field gets beside the app
    static constexpr int kFieldsWidth = 480; // a wide window spreads the row, not the fields
    void write(const Rule& rule);
    // "Only in Folders…" and "Links…": where the rule applies, and the links it takes.
    void editConditions(ConditionsDialog::Kind kind);
    void showFinding();
    void showExtensions();
    QStringList infoLines() const;
    // What a refresh depends on: the extensions, the group and the defaults' version.
    QString taskKey() const;
    void updateView();
    void refreshIfNeeded();
    void buildAppMenu();
    void buildGroupMenu();
    void runCommand(bool make);
    // Builds the layouts the parts sit in.
    void arrange();
    // Names for screen readers that say which rule each control acts on.
    void updateAccessibleNames();
    void addMoveKeys();
    void placeContent();
    void contentChanged();
    void buildMoreMenu();

    AppModel& m_model;
    AppChooser* m_chooser;
    RuleHistory* m_history = nullptr;
    RefreshCache* m_cache = nullptr;
    Rule m_rule;
    bool m_busy = false;
    QStringList m_candidates;
    QList<RuleLookup::CurrentDefault> m_infos;
    bool m_settable = true;
    QString m_requestedKey;
    QFutureWatcher<Refresh> m_watcher;
    QPoint m_pressAt;

    QLabel* m_grip;
    QCheckBox* m_enabled;
    QLineEdit* m_extensions;
    DropDown* m_groupButton;
    QVBoxLayout* m_infoLayout;
    QLabel* m_appIcon;
    QLabel* m_appName;
    QLabel* m_appDetail;
    DropDown* m_appButton;
    QPushButton* m_makeDefault;
    QPushButton* m_restore;
    QToolButton* m_delete;
    QToolButton* m_more; // the commands, where the row is too narrow for their buttons
    QWidget* m_content;
    QGridLayout* m_grid;
    QWidget* m_fields;
    QWidget* m_appBox;
    QVBoxLayout* m_appColumn;
    QHBoxLayout* m_appLine;
    QWidget* m_commands;
    QWidget* m_notes;
    QLabel* m_finding;
    bool m_compact = false;
    qsizetype m_place = -1;
    QString m_findingText;
    bool m_fresh = false; // just added, and the user hasn't left it yet
    bool m_seen = false;
    QString m_resolvedKey = QStringLiteral("\n-"); // none looked up yet
    std::optional<QString> m_resolved;
    QString m_resolvedName;
};

} // namespace korvane
