#include "gui_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace korvane {

namespace {} // namespace

std::optional<QString> GuiFileDialogs::saveRules() {
    const QString path =
        QFileDialog::getSaveFileName(m_parentWindow, tr("Export Rules"),
                                     QDir::home().filePath(QStringLiteral("KorvaneRules.json")),
                                     GuiFileDialogs::tr("JSON files (*.json)"));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> GuiFileDialogs::openRules() {
    const QString path =
        QFileDialog::getOpenFileName(m_parentWindow, tr("Import Rules"), QDir::homePath(),
                                     GuiFileDialogs::tr("JSON files (*.json)"));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

void GuiFileDialogs::openItems(std::function<void(const QStringList&)> done) {
    auto* dialog = new QFileDialog(m_parentWindow, tr("Open File"), QDir::homePath());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's dialogs pick files or folders: any existing items, several at once.
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        if (result == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            done(dialog->selectedFiles());
        }
    });
    dialog->open();
}

} // namespace korvane
