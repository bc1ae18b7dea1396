#pragma once

#include "file_dialogs.h"

#include <QCoreApplication>

class QWidget;

namespace korvane {

// Qt's file dialogs (the desktop's own, through the platform theme) over the main window.
class GuiFileDialogs : public FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(GuiFileDialogs)

public:
    explicit GuiFileDialogs(QWidget* parentWindow)
        : m_parentWindow(parentWindow) {}

    std::optional<QString> saveRules() override;
    std::optional<QString> openRules() override;
    void openItems(std::function<void(const QStringList&)> done) override;

private:
    QWidget* m_parentWindow;
};

} // namespace korvane
