#include "widgets/dxfcaptionplacement.h"

#include <QImage>
#include <cmath>

#include "platform/canvas.h"
#include "platform/intmath.h"

TPoint TextStart(int cx, int cy, int angle, int w, int h) {
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    const long double a = angle * kPi / 180;
    const long double halfW = w / 2.0L;
    const long double halfH = h / 2.0L;
    const auto nearest = [](long double v) { return RoundHalfEven(static_cast<double>(v)); };
    return {cx - nearest(std::cos(a) * halfW) - nearest(std::sin(a) * halfH),
            cy + nearest(std::sin(a) * halfW) - nearest(std::cos(a) * halfH)};
}

TPoint CaptionStart(const ::Font& font, const QString& caption, int angle, QSize size) {
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas canvas(probe);
    canvas.SetFont(font);
    const TPoint extent = canvas.TextExtent(caption);
    return TextStart(size.width() / 2, size.height() / 2, angle, extent.X, extent.Y);
}
