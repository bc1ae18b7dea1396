#include "drop_zone.h"

#include "base/file_names.h"
#include "core/app_model.h"
#include "core/links.h"
#include "icons.h"
#include "style.h"
#include "wording/wording.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace korvane {

namespace {
QColor withAlpha(QColor color, double alpha) {
    color.setAlphaF(float(alpha));
    return color;
}

// A place in the zone to drop on for another way of opening: a pill that fills while the pointer
// is over it.
class DropTarget : public QLabel {
public:
    DropTarget(const QString& name, QWidget* parent)
        : QLabel(parent) {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
        setContentsMargins(12, 4, 12, 4);
    }
    void setHot(bool hot) {
        if (hot != m_hot) {
            m_hot = hot;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = palette().color(QPalette::Highlight);
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(accent, m_hot ? 2 : 1));
        painter.setBrush(withAlpha(accent, m_hot ? 0.3 : 0.08));
        painter.drawRoundedRect(frame, frame.height() / 2, frame.height() / 2);
        painter.end();
        QLabel::paintEvent(event);
    }

private:
    bool m_hot = false;
};

} // namespace

DropZone::DropZone(QWidget* parent)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_standing(new QLabel(tr("Each file opens in the app its rule names"), this))
    , m_message(new QLabel(this))
    , m_standingOpacity(new QGraphicsOpacityEffect(this))
    , m_messageOpacity(new QGraphicsOpacityEffect(this))
    , m_fade(new QPropertyAnimation(m_messageOpacity, "opacity", this)) {
    setObjectName(QStringLiteral("dropZone"));
    setAcceptDrops(true);

    auto* title = new QLabel(tr("Drop files here"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.45);
    titleFont.setWeight(QFont::Medium);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    m_icon->setAlignment(Qt::AlignCenter);
    m_icon->setPixmap(Icons::drop(false).pixmap(44, 44));

    for (QLabel* label : {m_standing, m_message}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setMinimumHeight(34);
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    m_message->setObjectName(QStringLiteral("dropMessage"));
    m_message->setTextFormat(Qt::PlainText);
    QFont messageFont = m_message->font();
    messageFont.setWeight(QFont::Medium);
    m_message->setFont(messageFont);
    QPalette accent = m_message->palette();
    accent.setColor(QPalette::WindowText, Style::accentText(accent));
    m_message->setPalette(accent);
    m_message->setForegroundRole(QPalette::WindowText);
    m_standing->setGraphicsEffect(m_standingOpacity);
    m_message->setGraphicsEffect(m_messageOpacity);
    m_messageOpacity->setOpacity(0);
    m_fade->setEasingCurve(QEasingCurve::InOutQuad);
    // A faded-out line is emptied, unless a message came meanwhile (or a drag's preview).
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        if (m_lastMessage.isNull() && !m_targeted) {
            m_message->clear();
        }
    });

    // The two lines share one place, so a message never changes the zone's layout.
    auto* messageArea = new QGridLayout;
    messageArea->setContentsMargins(20, 0, 20, 0);
    messageArea->addWidget(m_standing, 0, 0);
    messageArea->addWidget(m_message, 0, 0);
    // Links under the message, in a row that keeps its height while they are hidden, so that
    // nothing moves when one shows.
    auto link = [this](const QString& text, const QString& name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        QPalette linkColor = button->palette();
        linkColor.setColor(QPalette::ButtonText, Style::accentText(linkColor));
        button->setPalette(linkColor);
        QFont underlined = button->font();
        underlined.setUnderline(true);
        button->setFont(underlined);
        button->hide();
        return button;
    };
    m_undo = link(tr("Undo"), QStringLiteral("undo"));
    connect(m_undo, &QPushButton::clicked, this, &DropZone::undoClicked);
    m_why = link(tr("Why this app?"), QStringLiteral("why"));
    m_why->setToolTip(tr("Why each file of the drop went where it went"));
    connect(m_why, &QPushButton::clicked, this, &DropZone::whyClicked);
    m_why->installEventFilter(this); // the pointer leaving it
    connect(qApp, &QApplication::focusChanged, this, [this] { syncWhy(m_why->underMouse()); });
    auto* linkRow = new QWidget(this);
    auto* links = new QHBoxLayout(linkRow);
    links->setContentsMargins(0, 0, 0, 0);
    links->addStretch();
    links->addWidget(m_undo);
    links->addWidget(m_why);
    links->addStretch();
    linkRow->setMinimumHeight(m_undo->sizeHint().height());
    messageArea->addWidget(linkRow, 1, 0);
    // The targets take the Undo link's place while a drag is over the zone.
    m_targets = new QWidget(this);
    m_defaultsTarget = new DropTarget(QStringLiteral("defaultsTarget"), m_targets);
    m_defaultsTarget->setText(tr("Default apps"));
    m_defaultsTarget->setToolTip(tr("Drop here to open in the normal default app"));
    m_revealTarget = new DropTarget(QStringLiteral("revealTarget"), m_targets);
    auto* targets = new QHBoxLayout(m_targets);
    targets->setContentsMargins(0, 0, 0, 0);
    targets->setSpacing(12);
    targets->addStretch();
    targets->addWidget(m_defaultsTarget);
    targets->addWidget(m_revealTarget);
    targets->addStretch();
    m_targets->hide();
    messageArea->addWidget(m_targets, 1, 0);
    setFileManagerName(tr("the file manager"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addStretch();
    layout->addWidget(m_icon);
    layout->addWidget(title);
    layout->addLayout(messageArea);
    layout->addStretch();
}

QStringList DropZone::droppedItems(const QMimeData* data) {
    QStringList items;
    if (!data || !data->hasUrls()) {
        return items;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            if (url.isValid() && Links::isLink(url.toString())) {
                items << url.toString(QUrl::FullyEncoded); // as the app should get it
            }
            continue;
        }
        // The path's bytes, percent-decoded: file names need not be UTF-8.
        const QString here = FileNames::fromFileUri(url.toString(QUrl::FullyEncoded));
        items << (here.isEmpty() ? url.toLocalFile() : here);
    }
    return items;
}

void DropZone::setMessage(const QString& message) {
    m_lastMessage = message;
    if (m_targeted && m_previewer) {
        return; // the preview holds the line until the drag ends
    }
    const bool showing = !message.isNull();
    if (showing) {
        m_message->setText(Wording::visible(message));
    }
    m_standingOpacity->setOpacity(showing ? 0.0 : 1.0);
    m_fade->stop();
    m_fade->setDuration(showing ? 250 : 600);
    m_fade->setStartValue(m_messageOpacity->opacity());
    m_fade->setEndValue(showing ? 1.0 : 0.0);
    m_fade->start();
}

void DropZone::setUndoOffered(bool offered) {
    m_undoOffered = offered;
    m_undo->setVisible(offered && !m_targeted);
}

void DropZone::setWhyOffered(bool offered) {
    m_whyOffered = offered;
    syncWhy(m_why->underMouse());
}

void DropZone::syncWhy(bool hovered) {
    // Keyboard and screen-reader users reach the link after its summary has gone.
    const bool held = m_why->isVisible() && (hovered || window()->focusWidget() == m_why);
    m_why->setVisible(!m_targeted && (m_whyOffered || held));
}

bool DropZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_why && event->type() == QEvent::Leave) {
        syncWhy(false);
    }
    return QWidget::eventFilter(watched, event);
}

void DropZone::setFileManagerName(const QString& name) {
    m_revealTarget->setText(tr("Reveal in %1").arg(name));
    m_revealTarget->setToolTip(tr("Drop here to just reveal in %1").arg(name));
}

DropMode DropZone::modeAt(const QPointF& position, Qt::KeyboardModifiers held) const {
    const QPoint at = position.toPoint();
    if (m_targets->isVisible()) {
        if (m_defaultsTarget->geometry().contains(m_targets->mapFrom(this, at))) {
            return DropMode::Defaults;
        }
        if (m_revealTarget->geometry().contains(m_targets->mapFrom(this, at))) {
            return DropMode::Reveal;
        }
    }
    // On X11 the event has the keys; Wayland tells only a window with the keyboard focus, and
    // what it last told a window without it is stale.
    const Qt::KeyboardModifiers keys =
        held | (isActiveWindow() ? QGuiApplication::queryKeyboardModifiers() : Qt::NoModifier);
    return keys & Qt::AltModifier     ? DropMode::Reveal
           : keys & Qt::ShiftModifier ? DropMode::Defaults
                                      : DropMode::Route;
}

void DropZone::setTargeted(bool targeted) {
    if (m_targeted == targeted) {
        return;
    }
    m_targeted = targeted;
    m_icon->setPixmap(Icons::drop(targeted).pixmap(44, 44));
    m_targets->setVisible(targeted);
    m_undo->setHidden(targeted || !m_undoOffered);
    m_why->setHidden(targeted || !m_whyOffered);
    update();
    Q_EMIT targetedChanged(targeted);
}

void DropZone::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_icon->setVisible(height() >= 170); // a short zone keeps its words
}

void DropZone::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    const double width = m_targeted ? 3 : 2;
    const QRectF frame = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    QPainterPath path;
    path.addRoundedRect(frame, 18, 18);
    painter.fillPath(path, m_targeted ? withAlpha(accent, 0.16) : withAlpha(secondary, 0.06));
    QPen pen(m_targeted ? accent : withAlpha(secondary, 0.5), width);
    pen.setDashPattern({9 / width, 7 / width}); // in units of the line width
    painter.setPen(pen);
    painter.drawPath(path);
}

void DropZone::dragEnterEvent(QDragEnterEvent* event) {
    m_dragFiles = droppedItems(event->mimeData());
    if (m_dragFiles.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setTargeted(true);
    showPreview(modeAt(event->position(), event->modifiers()));
}

void DropZone::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const DropMode mode = modeAt(event->position(), event->modifiers());
    if (mode != m_previewMode) {
        showPreview(mode); // a key or a target, taken or let go during the drag
    }
}

void DropZone::dragLeaveEvent(QDragLeaveEvent*) {
    endDrag();
}

void DropZone::showPreview(DropMode mode) {
    m_previewMode = mode;
    static_cast<DropTarget*>(m_defaultsTarget)->setHot(mode == DropMode::Defaults);
    static_cast<DropTarget*>(m_revealTarget)->setHot(mode == DropMode::Reveal);
    if (!m_previewer) {
        return;
    }
    const QString preview = m_previewer(m_dragFiles, mode);
    m_message->setText(Wording::visible(preview));
    m_fade->stop();
    m_messageOpacity->setOpacity(preview.isEmpty() ? 0.0 : 1.0);
    m_standingOpacity->setOpacity(preview.isEmpty() ? 1.0 : 0.0);
}

void DropZone::endDrag() {
    setTargeted(false);
    m_previewMode.reset();
    m_dragFiles.clear();
    const QString last = m_lastMessage;
    m_messageOpacity->setOpacity(last.isNull() ? 0.0 : 1.0);
    setMessage(last);
}

void DropZone::dropEvent(QDropEvent* event) {
    const DropMode mode = modeAt(event->position(), event->modifiers());
    endDrag();
    const QStringList items = droppedItems(event->mimeData());
    if (items.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT filesDropped(items, mode);
}

} // namespace korvane
