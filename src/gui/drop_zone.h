#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QGraphicsOpacityEffect;
class QLabel;
class QMimeData;
class QPropertyAnimation;
class QPushButton;

namespace korvane {

// The framed area at the top of the main window that takes dropped files. It shows a hover
// state while a file drag is over it, and the model's latest message in place of its standing
// line. Only file URLs are accepted; a drop is delivered once, with the modifier keys held.
class DropZone : public QWidget {
    Q_OBJECT

public:
    explicit DropZone(QWidget* parent = nullptr);

    // A null text shows the standing line again.
    void setMessage(const QString& message);

    // Says in the message line what a drag's files would do, while they are over the zone.
    using Previewer = std::function<QString(const QStringList&, Qt::KeyboardModifiers)>;
    void setPreviewer(Previewer previewer) { m_previewer = std::move(previewer); }

    // Shows or hides the "Undo" button beside the message.
    void setUndoOffered(bool offered);

    // The local files of a drag, or nothing when it carries anything else.
    // The dragged local files; `links` counts the web links among them, which are left out.
    static QStringList localFiles(const QMimeData* data, int* links = nullptr);
    // "1 web link isn't a file", for a drop's summary; empty for none.
    static QString linksLeftOut(int links);

Q_SIGNALS:
    void filesDropped(const QStringList& files, Qt::KeyboardModifiers modifiers, int links);
    void targetedChanged(bool targeted);
    void undoClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setTargeted(bool targeted);
    void showPreview(Qt::KeyboardModifiers modifiers);
    void endDrag();

    bool m_targeted = false;
    QLabel* m_icon;
    QLabel* m_standing;
    QLabel* m_message;
    QGraphicsOpacityEffect* m_standingOpacity;
    QGraphicsOpacityEffect* m_messageOpacity;
    QPropertyAnimation* m_fade;
    Previewer m_previewer;
    QPushButton* m_undo;
    QStringList m_dragFiles;
    int m_dragLinks = 0;
    Qt::KeyboardModifiers m_previewModifiers;
    QString m_lastMessage;
};

} // namespace korvane
