// Writes the program's icon in the usual theme sizes into the folder given as the only argument, as
// <size>x<size>/apps/moxel.png: a small "m" of heavy box-drawing strokes (┏ ┳ ┓ over ┃ ┃ ┃) on the main
// window's lime-to-white gradient, inside a thin green frame. Every size is drawn afresh with the
// program's own canvas, so small icons stay crisp instead of being scaled down from a large one.

#include <QDir>
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>

#include "buttongrid/mxgradient.h"
#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"

namespace {

constexpr std::array kSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    Canvas canvas(image);

    // One colour band per pixel row where the table allows it, so large sizes show no steps.
    TMxColorList colors;
    MxGradientCreateColorList(clLime, clWhite, std::min(size, kMxColorCountMax), true, &colors);
    MxGradientPaintExt(canvas, Rect(0, 0, size, size), TMxGradientStyle::gstVertical, &colors, nullptr, 0, 0);
    canvas.FrameRect(Rect(0, 0, size, size), clGreen);

    // One stroke across the top and three down from it, meeting in two corners and a tee.
    const int margin = std::max(2, size / 8);
    const int stroke = std::max(2, size / 8);
    const int top = margin + stroke / 2;
    canvas.Brush().Color = clBlack;
    canvas.FillRect(Rect(margin, top, size - margin, top + stroke));
    for (int x : {margin, (size - stroke) / 2, size - margin - stroke})
        canvas.FillRect(Rect(x, top, x + stroke, size - margin));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder)) return 1;
        if (!drawIcon(size).save(out.filePath(folder + QStringLiteral("/moxel.png")), "PNG")) return 1;
    }
    return 0;
}
