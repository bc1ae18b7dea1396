#include "conditions_dialog.h"

#include "core/rule.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

ConditionsDialog::ConditionsDialog(Kind kind, const QStringList& values, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_list(new QPlainTextEdit(this)) {
    const bool folders = kind == Kind::Folders;
    setObjectName(folders ? QStringLiteral("foldersDialog") : QStringLiteral("linksDialog"));
    m_list->setObjectName(folders ? QStringLiteral("folderList") : QStringLiteral("linkList"));
    setWindowTitle(folders ? tr("Only in Folders") : tr("Links"));
    auto* intro = new QLabel(
        folders ? tr("The rule applies only to files inside these folders, one per line (~ is "
                     "your home folder). With none, it applies everywhere.")
                : tr("The rule also opens these links, one per line: a scheme (mailto:), a site "
                     "and its subdomains (example.org), or a pattern where * stands for any "
                     "text (https://github.com/*/pull/*)."),
        this);
    intro->setWordWrap(true);
    intro->setBuddy(m_list);
    m_list->setAccessibleName(folders ? tr("Folders") : tr("Links"));
    m_list->setAccessibleDescription(intro->text());
    m_list->setTabChangesFocus(true); // Tab leaves the list, as in a form
    m_list->setPlainText(values.join(u'\n'));
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    if (folders) {
        auto* choose = new QPushButton(tr("&Choose Folder…"), this);
        choose->setObjectName(QStringLiteral("chooseFolder"));
        buttons->addButton(choose, QDialogButtonBox::ActionRole);
        connect(choose, &QPushButton::clicked, this, [this] {
            const QString folder =
                QFileDialog::getExistingDirectory(this, tr("Choose a Folder"), QDir::homePath());
            if (!folder.isEmpty()) {
                addValue(folder);
            }
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(460, 280);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QStringList ConditionsDialog::values() const {
    const QStringList lines = m_list->toPlainText().split(u'\n');
    return m_kind == Kind::Folders ? Rule::parseFolders(lines) : Rule::parseLinks(lines);
}

void ConditionsDialog::addValue(const QString& value) {
    QString text = m_list->toPlainText();
    if (!text.isEmpty() && !text.endsWith(u'\n')) {
        text += u'\n';
    }
    m_list->setPlainText(text + value);
}

} // namespace korvane
