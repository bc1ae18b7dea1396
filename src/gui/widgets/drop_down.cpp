#include "drop_down.h"

#include <QMenu>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace korvane {

DropDown::DropDown(QWidget* parent)
    : QToolButton(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // may shrink and elide
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMenu(new QMenu(this));
}

QSize DropDown::sizeHint() const {
    return {widthFor(text()), QToolButton::sizeHint().height()};
}

int DropDown::widthFor(const QString& shown) const {
    // Advances are rounded; a pixel more keeps a text that fits from being elided.
    return kTextInset + fontMetrics().horizontalAdvance(shown) + 2 + kArrowSpace;
}

QSize DropDown::minimumSizeHint() const {
    return {kTextInset + fontMetrics().horizontalAdvance(QStringLiteral("Add typ\u2026")) +
                kArrowSpace,
            QToolButton::minimumSizeHint().height()};
}

void DropDown::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The frame alone, without the style's own small arrow; then the text and the arrow.
    option.features &= ~QStyleOptionToolButton::HasMenu;
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    const QRect textRect = rect().adjusted(kTextInset, 0, -kArrowSpace, 0);
    painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                         fontMetrics().elidedText(text(), Qt::ElideRight, textRect.width()),
                         QPalette::ButtonText);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(width() - kArrowSpace + 4, (height() - 8) / 2, 9, 8);
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}

} // namespace korvane
