#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace korvane {

class AppModel;

// "Why this app?": for each file of a drop, where it went and why, as `korvane route --explain`
// says it: the endings and type, each rule's part, the command, the desktop's own choice.
class ExplainDialog : public QDialog {
    Q_OBJECT

public:
    ExplainDialog(const AppModel& model, const QStringList& files, QWidget* parent = nullptr);

    // The most files explained; the others are counted.
    static constexpr qsizetype kMostExplained = 20;

    QString text() const;

private:
    QPlainTextEdit* m_text;
};

} // namespace korvane
