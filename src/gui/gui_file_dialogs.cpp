#include "gui_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace korvane {

namespace {
const QString kJson = QStringLiteral("JSON files (*.json)");
} // namespace

std::optional<QString> GuiFileDialogs::saveRules() {
    const QString path = QFileDialog::getSaveFileName(
        m_parentWindow, QStringLiteral("Export Rules"),
        QDir::home().filePath(QStringLiteral("KorvaneRules.json")), kJson);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> GuiFileDialogs::openRules() {
    const QString path = QFileDialog::getOpenFileName(
        m_parentWindow, QStringLiteral("Import Rules"), QDir::homePath(), kJson);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

void GuiFileDialogs::openItems(std::function<void(const QStringList&)> done) {
    auto* dialog = new QFileDialog(m_parentWindow, QStringLiteral("Open File"), QDir::homePath());
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
