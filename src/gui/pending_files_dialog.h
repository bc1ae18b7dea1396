#pragma once

#include "core/pending_file.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {

class AppChooser;
class AppModel;

// Asks which application should open a file that no rule claims, window-modal over the main
// window. Picking an application answers the model; Cancel (or Escape) gives up on this file.
class PendingFilesDialog : public QDialog {
    Q_OBJECT

public:
    PendingFilesDialog(AppModel& model, AppChooser* chooser, const PendingFile& file,
                       QWidget* parent = nullptr);
    // Waits for the suggestions still loading: they read the platform.
    ~PendingFilesDialog() override;

    const PendingFile& file() const { return m_file; }
    void choose(const QString& app);

Q_SIGNALS:
    void suggestionsLoaded();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The suggestion at that place, counted from 1.
    void pick(int number);

    AppModel& m_model;
    AppChooser* m_chooser;
    PendingFile m_file;
    bool m_link;
    QString m_key; // what "always" keeps: the extension, or a link's site or scheme
    bool m_chosen = false;
    QFutureWatcher<QStringList> m_watcher;
    QListWidget* m_list;
    QLabel* m_empty;
    QCheckBox* m_always;
    QPushButton* m_chooseOther;
    QPushButton* m_cancel;
};

} // namespace korvane
