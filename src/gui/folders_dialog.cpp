#include "folders_dialog.h"

#include "core/rule.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

FoldersDialog::FoldersDialog(const QStringList& folders, QWidget* parent)
    : QDialog(parent)
    , m_list(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("foldersDialog"));
    setWindowTitle(tr("Only in Folders"));
    auto* intro = new QLabel(tr("The rule applies only to files inside these folders, one per "
                                "line (~ is your home folder). With none, it applies everywhere."),
                             this);
    intro->setWordWrap(true);
    intro->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("folderList"));
    m_list->setAccessibleName(tr("Folders"));
    m_list->setAccessibleDescription(intro->text());
    m_list->setTabChangesFocus(true); // Tab leaves the list, as in a form
    m_list->setPlainText(folders.join(u'\n'));
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* choose = new QPushButton(tr("&Choose Folder…"), this);
    choose->setObjectName(QStringLiteral("chooseFolder"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(choose, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(460, 280);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Choose a Folder"), QDir::homePath());
        if (!folder.isEmpty()) {
            addFolder(folder);
        }
    });
}

QStringList FoldersDialog::folders() const {
    return Rule::parseFolders(m_list->toPlainText().split(u'\n'));
}

void FoldersDialog::addFolder(const QString& folder) {
    QString text = m_list->toPlainText();
    if (!text.isEmpty() && !text.endsWith(u'\n')) {
        text += u'\n';
    }
    m_list->setPlainText(text + folder);
}

} // namespace korvane
