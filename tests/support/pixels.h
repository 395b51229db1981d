#pragma once

#include <QImage>
#include <set>
#include <string>
#include <utility>

#include "platform/canvas.h"
#include "platform/color.h"

// The pixel kit of the tests: images to paint on, and what to read back from them.

// An image of the given size in one colour.
inline QImage Blank(QSize size, QRgb fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}
inline QImage Blank(int w, int h, TColor colour = clWhite) {
    return Blank(QSize(w, h), ToQRgb(colour));
}

inline TColor At(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

// Every pixel whose colour differs from the background's.
inline std::set<std::pair<int, int>> PaintedPixels(const QImage& image, TColor back = clWhite) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & kRgbMask) != (ToQRgb(back) & kRgbMask)) pixels.insert({x, y});
    return pixels;
}

// The first pixel where two images of one size differ, as text, or empty when they match.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) +
                       "): " + std::to_string(a.pixel(x, y)) + " vs " + std::to_string(b.pixel(x, y));
    return {};
}

// A control's face as its Paint draws it on a white canvas of the control's size.
template <typename Control>
QImage FaceOf(const Control& control) {
    QImage image = Blank(control.width(), control.height());
    Canvas canvas(image);
    control.Paint(canvas);
    return image;
}
