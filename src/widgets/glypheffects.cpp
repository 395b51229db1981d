#include "widgets/glypheffects.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/color.h"

namespace {

// Applies f(r, g, b) -> QRgb to every pixel whose colour differs from the key.
template <typename F>
void recolourOpaque(QImage& image, QRgb key, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & kRgbMask) != key) row[x] = f(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
}

// The key-coloured pixels of src that touch an opaque pixel of src on one of their four sides.
std::vector<QPoint> outlinePixels(const QImage& src, QRgb key) {
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < src.width() && y < src.height() && (src.pixel(x, y) & kRgbMask) != key;
    };
    std::vector<QPoint> out;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (!opaque(x, y) &&
                (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                out.emplace_back(x, y);
    return out;
}

}  // namespace

void XorGlyph(QImage& image, QRgb key, QRgb colour) {
    recolourOpaque(image, key, [&](int r, int g, int b) {
        return qRgb(r ^ qRed(colour), g ^ qGreen(colour), b ^ qBlue(colour));
    });
}

void BlendGlyph(QImage& image, QRgb key, QRgb toward, int quarters) {
    const auto channel = [&](int own, int to) { return (quarters * to + (4 - quarters) * own) / 4; };
    recolourOpaque(image, key, [&](int r, int g, int b) {
        return qRgb(channel(r, qRed(toward)), channel(g, qGreen(toward)), channel(b, qBlue(toward)));
    });
}

void AddGlyph(QImage& image, QRgb key, QRgb light) {
    recolourOpaque(image, key, [&](int r, int g, int b) {
        return qRgb(std::min(qRed(light) + r, 255), std::min(qGreen(light) + g, 255),
                    std::min(qBlue(light) + b, 255));
    });
}

void GreyGlyph(QImage& image, QRgb key) {
    recolourOpaque(image, key, [](int r, int g, int b) {
        const int grey = (r + g + b) / 3;
        return qRgb(grey, grey, grey);
    });
}

void CheckerGlyph(QImage& image, QRgb key, QRgb colour) {
    int counter = 0;
    const bool evenHeight = image.height() % 2 == 0;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, ++counter)
            if ((row[x] & kRgbMask) != key && counter % 2 == 1) row[x] = colour;
        if (evenHeight) ++counter;
    }
}

void FrameGlyph(QImage& image, QRgb key, QRgb shine, bool twoWide) {
    const QImage src = image.copy();
    const std::vector<QPoint> outline = outlinePixels(src, key);
    for (const QPoint& p : outline) image.setPixel(p, shine);
    if (!twoWide) return;
    constexpr std::array<QPoint, 4> kSides = {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)};
    for (const QPoint& p : outline) {
        for (const QPoint& d : kSides) {
            const QPoint q = p + d;
            if (src.rect().contains(q) && (src.pixel(q) & kRgbMask) == key) image.setPixel(q, shine);
        }
    }
}

QImage EdgeMask(const QImage& src) {
    QImage mask(src.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y + 1 < src.height(); ++y)
        for (int x = 0; x + 1 < src.width(); ++x) {
            const bool edge = (src.pixel(x + 1, y + 1) & kRgbMask) != (src.pixel(x, y) & kRgbMask) ||
                              (src.pixel(x, y + 1) & kRgbMask) != (src.pixel(x + 1, y) & kRgbMask);
            if (edge) mask.setPixel(x, y, qRgb(255, 255, 255));
        }
    return mask;
}
