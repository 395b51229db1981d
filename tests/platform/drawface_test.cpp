// A control's face reaches the screen exactly over the region asked for, however the region is cut up.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/drawface.h"

namespace {

TEST(DrawFaceTest, DrawsEachPixelOfTheRegionFromTheSamePlaceOfTheFace) {
    // Every pixel of the face differs, and none is the screen's black: a part drawn from or to the wrong
    // place, or twice, or not at all, shows.
    QImage face(40, 300, QImage::Format_RGB32);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) face.setPixel(x, y, qRgb(x + 1, y % 256, y / 256 + 1));
    const struct {
        const char* name;
        QRegion region;
    } cases[] = {
        {"whole face", QRegion(face.rect())},
        {"one column, several copies tall with a short last one", QRegion(0, 0, 1, 300)},
        {"exactly two copies tall", QRegion(3, 10, 5, 128)},
        {"a frame around covered cells", QRegion(face.rect()) - QRegion(1, 1, 38, 298)},
        {"slivers between cells", QRegion(0, 0, 2, 100) + QRegion(19, 0, 2, 100) + QRegion(38, 150, 2, 150)},
        {"nothing", QRegion()},
    };
    for (const auto& c : cases) {
        QImage screen(face.size(), QImage::Format_RGB32);
        screen.fill(Qt::black);
        QImage expected = screen;
        for (const QRect& part : c.region)
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x) expected.setPixel(x, y, face.pixel(x, y));
        {
            QPainter painter(&screen);
            DrawFace(painter, c.region, face);
        }
        EXPECT_EQ(screen, expected) << c.name;
    }
}

}  // namespace
