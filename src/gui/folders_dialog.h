#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace korvane {

// Where a rule applies: the folders it is limited to, one per line ("~" is the home folder),
// typed or chosen; none for everywhere.
class FoldersDialog : public QDialog {
    Q_OBJECT

public:
    FoldersDialog(const QStringList& folders, QWidget* parent = nullptr);

    // The folders as the rule keeps them: trimmed, each once, without a final slash.
    QStringList folders() const;
    // Adds a folder on a line of its own, as "Choose folder…" does.
    void addFolder(const QString& folder);

private:
    QPlainTextEdit* m_list;
};

} // namespace korvane
