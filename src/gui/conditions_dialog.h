#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace korvane {

// A rule's conditions of one kind, one per line: the folders it is limited to ("~" is the home
// folder; typed or chosen), or the links it takes (a scheme, a site, a pattern).
class ConditionsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Folders, Links };
    ConditionsDialog(Kind kind, const QStringList& values, QWidget* parent = nullptr);

    // The lines as the rule keeps them: trimmed, each once; folders without a final slash.
    QStringList values() const;
    // Adds a value on a line of its own, as "Choose Folder…" does.
    void addValue(const QString& value);

private:
    Kind m_kind;
    QPlainTextEdit* m_list;
};

} // namespace korvane
