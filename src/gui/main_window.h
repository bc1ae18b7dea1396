#pragma once

#include "core/drop_report.h"
#include "pending_files_dialog.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

class QLabel;
class QPushButton;

namespace korvane {

class AppChooser;
class AppModel;
class DropZone;
class FileDialogs;
class RuleHistory;
class RulesList;

// "Korvane": the drop zone, the rule commands, the rules list and the key hint. It shows the
// pending-files dialog while the model holds a pending file and the "Default apps" alert while it
// holds an alert text.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppModel& model, AppChooser* chooser, QWidget* parent = nullptr);
    ~MainWindow() override;

    PendingFilesDialog* pendingFilesDialog() const { return m_pendingDialog; }
    QMessageBox* alert() const { return m_alert; }
    QAction* settingsAction() const { return m_settings; }
    QAction* quitAction() const { return m_quit; }

    void addRule();
    // A drop's summary, as the window words it.
    QString dropSummaryOf(const DropReport& report) const;
    // Import, Export and Open File ask through these; without them they do nothing.
    void setFileDialogs(FileDialogs* dialogs) { m_dialogs = dialogs; }
    void importRules();
    void exportRules();
    void openFile();
    // Shows the window, restored if minimized, in front and active (a question waits, or the
    // user asked for the window).
    void comeForward();
    // Raises and activates the window, with the launcher's activation token when one came.
    void bringForward();
    void setActivationToken(const QString& token) { m_activationToken = token; }
    // Shows or hides the window's taskbar entry where the window system allows it.
    void setTaskbarEntryShown(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void syncPending();
    QString m_activationToken;
    QTimer m_undoOffer;
    void pendingDialogClosed();
    // "Why this app?" for the last drop by the rules.
    void explainDrop();
    void syncAlert();

    AppModel& m_model;
    AppChooser* m_chooser;
    FileDialogs* m_dialogs = nullptr;
    QStringList m_explained; // the files of the last drop by the rules, for "Why this app?"
    DropZone* m_dropZone;
    RuleHistory* m_history;
    RulesList* m_rules;
    QPushButton* m_addRule;
    QPushButton* m_import;
    QPushButton* m_export;
    QLabel* m_hint;
    QAction* m_openFile;
    QAction* m_explainDrop;
    QAction* m_settings;
    QAction* m_quit;
    QPointer<PendingFilesDialog> m_pendingDialog;
    QPointer<QMessageBox> m_alert;
};

} // namespace korvane
