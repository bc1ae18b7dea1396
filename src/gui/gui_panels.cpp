#include "gui_panels.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace korvane {

namespace {
const QString kJson = QStringLiteral("JSON files (*.json)");

QFileDialog* makeDialog(QWidget* parent, const OpenPanelOptions& options) {
    auto* dialog = new QFileDialog(parent, options.title, QDir::homePath());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (options.jsonOnly) {
        dialog->setNameFilter(kJson);
    }
    // Qt's dialogs pick files or folders; with both allowed, take any existing items.
    if (options.chooseFolders && !options.chooseFiles) {
        dialog->setFileMode(QFileDialog::Directory);
    } else if (options.multipleSelection) {
        dialog->setFileMode(QFileDialog::ExistingFiles);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}
} // namespace

GuiPanels::GuiPanels(QWidget* parentWindow, QObject* parent)
    : PanelService(parent)
    , m_parentWindow(parentWindow) {}

std::optional<QString> GuiPanels::runSavePanel(const QString& title, const QString& proposedName) {
    const QString path = QFileDialog::getSaveFileName(m_parentWindow, title,
                                                      QDir::home().filePath(proposedName), kJson);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QStringList> GuiPanels::runOpenPanel(const OpenPanelOptions& options) {
    std::unique_ptr<QFileDialog> dialog(makeDialog(m_parentWindow, options));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog->selectedFiles();
}

void GuiPanels::beginOpenPanel(const OpenPanelOptions& options,
                               std::function<void(const std::optional<QStringList>&)> done) {
    QFileDialog* dialog = makeDialog(m_parentWindow, options);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::finished, this, [dialog, done](int result) {
        if (result == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            done(dialog->selectedFiles());
        } else {
            done(std::nullopt);
        }
    });
    dialog->open();
}

} // namespace korvane
