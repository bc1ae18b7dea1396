#pragma once

#include <QToolButton>

namespace korvane {

// A drop-down as GNOME and KDE draw one: a framed button, its text at the left and its arrow
// centred at the right, apart. Where its row is narrow its text is elided, so that the row
// always fits the window. Its menu opens on a click.
class DropDown : public QToolButton {
public:
    explicit DropDown(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The width that shows `text` in full.
    int widthFor(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kTextInset = 8;
    static constexpr int kArrowSpace = 22; // the arrow and the space either side of it
};

} // namespace korvane
