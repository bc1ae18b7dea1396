#include "style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace korvane {

namespace {

double luminance(const QColor& color) {
    auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double amount) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * amount),
                            float(a.greenF() + (b.greenF() - a.greenF()) * amount),
                            float(a.blueF() + (b.blueF() - a.blueF()) * amount));
}

// A translucent colour as it shows over `background`.
QColor opaque(const QColor& color, const QColor& background) {
    return mix(background, QColor(color.red(), color.green(), color.blue()), color.alphaF());
}

// Draws its icon's shape in a colour of the application's palette at the time it is drawn, so
// that a theme's change of palette reaches it too.
class SymbolicEngine : public QIconEngine {
public:
    explicit SymbolicEngine(QIcon icon)
        : m_icon(std::move(icon)) {}
    QIconEngine* clone() const override { return new SymbolicEngine(m_icon); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return m_icon.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap shape = m_icon.pixmap(size, scale, QIcon::Normal, state);
        if (shape.isNull()) {
            return shape;
        }
        const QPalette palette = QGuiApplication::palette();
        QColor color = mode == QIcon::Selected ? palette.color(QPalette::HighlightedText)
                                               : palette.color(QPalette::WindowText);
        if (mode == QIcon::Disabled) {
            color.setAlphaF(0.45f);
        }
        QPainter painter(&shape);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(), shape.size()), color);
        return shape;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return m_icon.availableSizes(mode, state);
    }

private:
    QIcon m_icon;
};

} // namespace

namespace Style {

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& color, const QColor& background, double ratio) {
    if (contrast(color, background) >= ratio) {
        return color;
    }
    // Away from the background: towards white on a dark one, towards black on a light one.
    const QColor target = contrast(Qt::white, background) > contrast(Qt::black, background)
                              ? QColor(Qt::white)
                              : QColor(Qt::black);
    for (int step = 1; step <= 50; ++step) {
        const QColor candidate = mix(color, target, step / 50.0);
        if (contrast(candidate, background) >= ratio) {
            return candidate;
        }
    }
    return target;
}

QColor secondaryText(const QPalette& palette, QPalette::ColorRole background) {
    const QColor back = palette.color(background);
    return readable(mix(back, palette.color(QPalette::WindowText), 0.7), back);
}

QColor warningText(const QPalette& palette, QPalette::ColorRole background) {
    return readable(QColor(0xe6, 0x61, 0x00), palette.color(background));
}

QColor accentText(const QPalette& palette, QPalette::ColorRole background) {
    return readable(palette.color(QPalette::Highlight), palette.color(background));
}

QColor border(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor start = mix(base, palette.color(QPalette::Text), 0.4);
    return readable(readable(start, base, 3.0), palette.color(QPalette::Window), 3.0);
}

QIcon symbolic(const QIcon& icon) {
    return QIcon(new SymbolicEngine(icon));
}

} // namespace Style

void ContrastStyle::install() {
    QStyle* current = QApplication::style();
    if (!current || current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        return;
    }
    QApplication::setStyle(new ContrastStyle(QStyleFactory::create(current->name())));
    // Captions and hints are drawn in the placeholder colour, on the window and in the list.
    QPalette palette = QApplication::palette();
    const QColor placeholder =
        Style::readable(Style::readable(opaque(palette.color(QPalette::PlaceholderText),
                                               palette.color(QPalette::Base)),
                                        palette.color(QPalette::Base)),
                        palette.color(QPalette::Window));
    if (placeholder != palette.color(QPalette::PlaceholderText)) {
        palette.setColor(QPalette::Active, QPalette::PlaceholderText, placeholder);
        palette.setColor(QPalette::Inactive, QPalette::PlaceholderText, placeholder);
        QApplication::setPalette(palette);
    }
}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool field = element == PE_FrameLineEdit;
    const bool frame = element == PE_Frame || element == PE_IndicatorCheckBox;
    if ((!field && !frame) || (option->state & State_HasFocus)) {
        return; // a focused field keeps the style's accent frame
    }
    // Over the style's own border, in a shade that stands out from both sides of it.
    QColor color = Style::border(option->palette);
    if (!(option->state & State_Enabled)) {
        color.setAlphaF(0.5f);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, field);
    painter->setPen(QPen(color, 1));
    painter->setBrush(Qt::NoBrush);
    if (field) {
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    } else {
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace korvane
