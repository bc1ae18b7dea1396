#include "app_chooser_dialog.h"

#include "icons.h"
#include "platform/platform.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

AppChooserDialog::AppChooserDialog(const Platform& platform, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_filter(new QLineEdit(this))
    , m_list(new QListWidget(this)) {
    setWindowTitle(title);
    // Names by which tests and accessibility tools find the widgets.
    m_filter->setObjectName(QStringLiteral("filter"));
    m_list->setObjectName(QStringLiteral("apps"));
    setModal(true);
    resize(380, 460);
    m_filter->setPlaceholderText(QStringLiteral("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_list->setIconSize(QSize(24, 24));

    QList<ApplicationEntry> entries = platform.applicationEntries();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    for (const ApplicationEntry& entry : entries) {
        auto* item = new QListWidgetItem(Icons::forPath(entry.path, platform), entry.name, m_list);
        item->setData(Qt::UserRole, entry.path);
        item->setToolTip(entry.path);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons()) {
        button->setIcon(QIcon()); // plain, as GNOME and KDE draw them
    }
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    open->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &AppChooserDialog::applyFilter);
    m_filter->installEventFilter(this);
    connect(m_list, &QListWidget::currentItemChanged, this,
            [open](QListWidgetItem* item) { open->setEnabled(item != nullptr); });
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString AppChooserDialog::chosen() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item && !item->isHidden() ? item->data(Qt::UserRole).toString() : QString();
}

void AppChooserDialog::applyFilter(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        first = first || item->isHidden() ? first : item;
    }
    // The first match is picked, so that Enter in the filter opens it.
    m_list->setCurrentItem(first);
}

bool AppChooserDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        m_list->setFocus(); // Down moves from the filter into the list
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

GuiAppChooser::GuiAppChooser(const Platform& platform, QObject* parent)
    : AppChooser(parent)
    , m_platform(platform) {}

std::optional<QString> GuiAppChooser::chooseApp(const QString& title) {
    AppChooserDialog dialog(m_platform, title, m_parentWindow);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty()) {
        return std::nullopt;
    }
    return dialog.chosen();
}

} // namespace korvane
