#include "platform/bevel.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/canvas.h"
#include "support/graphicgrab.h"
#include "support/pixels.h"

namespace {

constexpr QRgb kBehind = 0xFF123456u;

// The frame as its two polylines draw it, each leaving out its end point.
QImage polylines(QSize size) {
    QImage image = Blank(size, kBehind);
    Canvas canvas(image);
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    canvas.SetPen({clBtnShadow, 1, PenStyle::Solid});
    canvas.Polyline({{0, bottom}, {0, 0}, {right, 0}});
    canvas.SetPen({clBtnHighlight, 1, PenStyle::Solid});
    canvas.Polyline({{right, 0}, {right, bottom}, {-1, bottom}});
    return image;
}

TEST(Bevel, StripsPaintThePixelsOfTheTwoPolylinesOnTheCanvasAndOnTheWidget) {
    for (const QSize size :
         {QSize(1, 1), QSize(1, 5), QSize(5, 1), QSize(2, 2), QSize(3, 7), QSize(597, 333)}) {
        TBevel bevel;
        bevel.resize(size);
        const QImage expected = polylines(size);
        QImage painted = Blank(size, kBehind);
        Canvas canvas(painted);
        bevel.Paint(canvas);
        EXPECT_EQ(painted, expected) << size.width() << "x" << size.height();
        // On the parent's surface the inside shows whatever lies behind.
        const QImage grabbed = PaintedOnParent(bevel, qRgb(1, 2, 3));
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (expected.pixel(x, y) != kBehind) {
                    ASSERT_EQ(grabbed.pixel(x, y), expected.pixel(x, y))
                        << size.width() << "x" << size.height() << " at " << x << "," << y;
                }
    }
}

}  // namespace
