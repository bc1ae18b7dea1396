#pragma once

#include "core/drop_mode.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QGraphicsOpacityEffect;
class QLabel;
class QMimeData;
class QPropertyAnimation;
class QPushButton;

namespace korvane {

// The framed area at the top of the main window that takes dropped files. It shows a hover
// state while a file drag is over it, and the model's latest message in place of its standing
// line. Only file URLs are accepted; a drop is delivered once, with how it opens (DropMode).
// While a drag is over it, two targets in it take a drop in the other ways, by pointer alone:
// Wayland doesn't tell a window the keys held during another app's drag.
class DropZone : public QWidget {
    Q_OBJECT

public:
    explicit DropZone(QWidget* parent = nullptr);

    // Tall where the window has room (the drop symbol shows then), shorter in a small window.
    QSize sizeHint() const override { return {QWidget::sizeHint().width(), kTall}; }
    QSize minimumSizeHint() const override { return {QWidget::minimumSizeHint().width(), 120}; }
    // Its wrapped lines fit any of those heights: the width doesn't decide it.
    bool hasHeightForWidth() const override { return false; }

    // A null text shows the standing line again.
    void setMessage(const QString& message);

    // Says in the message line what a drag's files would do, while they are over the zone.
    using Previewer = std::function<QString(const QStringList&, DropMode)>;
    void setPreviewer(Previewer previewer) { m_previewer = std::move(previewer); }

    // Shows or hides the "Undo" button beside the message.
    void setUndoOffered(bool offered);
    // Shows or hides the "Why this app?" link under a drop's summary. Once the offer ends, the
    // link stays while it has the window's focus or the pointer, so that it can still be used.
    void setWhyOffered(bool offered);
    // Names the file manager on the target that reveals.
    void setFileManagerName(const QString& name);

    // What a drag carries, in its order: local files as paths, anything else (a browser's
    // web link, a mail link) as the link.
    static QStringList droppedItems(const QMimeData* data);

Q_SIGNALS:
    void filesDropped(const QStringList& items, DropMode mode);
    void targetedChanged(bool targeted);
    void undoClicked();
    void whyClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kTall = 190;
    void setTargeted(bool targeted);
    void showPreview(DropMode mode);
    // How a drop at `position` opens: by a target under it, else by the keys held (as the event
    // has them, or the keyboard as Qt last saw it): Alt reveals, Shift opens in default apps.
    DropMode modeAt(const QPointF& position, Qt::KeyboardModifiers held) const;
    void endDrag();
    void syncWhy(bool hovered);

    bool m_targeted = false;
    bool m_undoOffered = false;
    bool m_whyOffered = false;
    QLabel* m_icon;
    QLabel* m_standing;
    QLabel* m_message;
    QGraphicsOpacityEffect* m_standingOpacity;
    QGraphicsOpacityEffect* m_messageOpacity;
    QPropertyAnimation* m_fade;
    Previewer m_previewer;
    QPushButton* m_undo;
    QPushButton* m_why;
    QWidget* m_targets;
    QLabel* m_defaultsTarget;
    QLabel* m_revealTarget;
    QStringList m_dragFiles;
    std::optional<DropMode> m_previewMode;
    QString m_lastMessage;
};

} // namespace korvane
