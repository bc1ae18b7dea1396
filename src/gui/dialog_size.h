#pragma once

#include <QGuiApplication>
#include <QLayout>
#include <QWidget>

namespace korvane {

// Gives a dialog its content's height for its width, as its only height, so that window managers
// offer no maximize for it. Not on Wayland: there Qt's own title bar offers maximize whatever the
// dialog asks, and a window of one size can't follow the compositor into that state.
inline void fitHeightToContent(QWidget& dialog) {
    QLayout* layout = dialog.layout();
    if (!layout) {
        return;
    }
    const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(dialog.width())
                                                   : layout->totalSizeHint().height();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        dialog.setMinimumHeight(height);
    } else {
        dialog.setFixedHeight(height);
    }
}

} // namespace korvane
