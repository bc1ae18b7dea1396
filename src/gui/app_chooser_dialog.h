#pragma once

#include "app_chooser.h"

#include <QDialog>

class QLineEdit;
class QListView;
class QSortFilterProxyModel;

namespace korvane {

class Platform;

// "Choose an App": every installed application with its icon, and a filter field.
class AppChooserDialog : public QDialog {
    Q_OBJECT

public:
    AppChooserDialog(const Platform& platform, const QString& title, QWidget* parent = nullptr);

    QString chosen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter(const QString& text);

    QLineEdit* m_filter;
    QSortFilterProxyModel* m_matching; // the apps whose names hold the filter's text
    QListView* m_list;
};

// The chooser over the dialog, for the rows and the question.
class GuiAppChooser : public AppChooser {
    Q_OBJECT

public:
    explicit GuiAppChooser(const Platform& platform, QObject* parent = nullptr);
    void setParentWindow(QWidget* window) { m_parentWindow = window; }
    std::optional<QString> chooseApp(const QString& title) override;

private:
    const Platform& m_platform;
    QWidget* m_parentWindow = nullptr;
};

} // namespace korvane
