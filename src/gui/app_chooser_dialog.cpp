#include "app_chooser_dialog.h"

#include "icons.h"
#include "platform/platform.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

AppChooserDialog::AppChooserDialog(const Platform& platform, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_filter(new QLineEdit(this))
    , m_matching(new QSortFilterProxyModel(this))
    , m_list(new QListView(this)) {
    setWindowTitle(title);
    // Names by which tests and accessibility tools find the widgets.
    m_filter->setObjectName(QStringLiteral("filter"));
    m_list->setObjectName(QStringLiteral("apps"));
    setModal(true);
    resize(380, 460);
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setAccessibleName(tr("Filter apps"));
    m_list->setAccessibleName(tr("Apps"));
    m_filter->setClearButtonEnabled(true);
    m_list->setIconSize(QSize(24, 24));

    QList<ApplicationEntry> entries = platform.applicationEntries();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    auto* apps = new QStandardItemModel(this);
    for (const ApplicationEntry& entry : entries) {
        auto* item = new QStandardItem(Icons::forPath(entry.path, platform), entry.name);
        item->setData(entry.path, Qt::UserRole);
        item->setToolTip(entry.path);
        item->setEditable(false);
        apps->appendRow(item);
    }
    m_matching->setSourceModel(apps);
    m_matching->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_list->setModel(m_matching);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

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
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [open](const QModelIndex& current) { open->setEnabled(current.isValid()); });
    connect(m_list, &QListView::activated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString AppChooserDialog::chosen() const {
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.data(Qt::UserRole).toString() : QString();
}

void AppChooserDialog::applyFilter(const QString& text) {
    m_matching->setFilterFixedString(text.trimmed());
    // The first match is picked, so that Enter in the filter opens it.
    m_list->setCurrentIndex(m_matching->index(0, 0));
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
