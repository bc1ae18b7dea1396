#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QProxyStyle>

namespace korvane {

// Colours the window derives from the palette, each readable on the background it is drawn on
// (WCAG AA: 4.5:1 for text, 3:1 for a control's border), in light and dark themes alike.
namespace Style {

// The WCAG contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);
// `color`, moved towards black or white only as far as it takes to reach `ratio` on `background`.
QColor readable(const QColor& color, const QColor& background, double ratio = 4.5);

// Text of lesser weight: notes, captions, hints.
QColor secondaryText(const QPalette& palette, QPalette::ColorRole background = QPalette::Base);
// Warnings, and the warning icon beside them.
QColor warningText(const QPalette& palette, QPalette::ColorRole background = QPalette::Base);
// Text in the accent colour.
QColor accentText(const QPalette& palette, QPalette::ColorRole background = QPalette::Window);
// A control's border that stands out from both the window and the fields.
QColor border(const QPalette& palette);

// A one-colour (symbolic) icon drawn in the palette's text colour, so that it shows on dark
// backgrounds as well as light ones; dimmed where its control is disabled.
QIcon symbolic(const QIcon& icon);

} // namespace Style

// The application's style with borders that keep their contrast: Fusion, which GNOME and Xfce
// sessions get, draws field and check box borders in a shade of the window colour that all but
// vanishes in dark themes.
class ContrastStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    // Wraps the application's style where it needs it; leaves others (Breeze…) as they are.
    static void install();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace korvane
