#pragma once

#include <QGuiApplication>
#include <QLayout>
#include <QWidget>

namespace korvane {

// Gives a dialog `width` and its content's height for that width, as its only size, so that
// window managers offer no maximize for it. On Wayland only as its least size: there Qt's own
// title bar offers maximize whatever the dialog asks, and a window of one size can't take the
// size the compositor then gives it (weston ends the connection).
inline void fitToContent(QWidget& dialog, int width) {
    QLayout* layout = dialog.layout();
    const int height = !layout                       ? dialog.sizeHint().height()
                       : layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                     : layout->totalSizeHint().height();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        dialog.setMinimumSize(width, height);
    } else {
        dialog.setFixedSize(width, height);
    }
}

} // namespace korvane
