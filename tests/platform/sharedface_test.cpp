// The one image that controls compose their faces in, shared by all of them.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/sharedface.h"

namespace {

TEST(SharedFaceTest, HoldsEveryFaceAskedForWhateverItsShape) {
    // A wide face, a tall one, then the wide one again: each gets an image at least its size whose pixels
    // it may all write (the address sanitizer watches the writes).
    for (const QSize size : {QSize(300, 10), QSize(10, 300), QSize(300, 10), QSize(20, 20)}) {
        QImage& face = SharedFace(size);
        ASSERT_GE(face.width(), size.width());
        ASSERT_GE(face.height(), size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                face.setPixel(x, y, 0xFF000000u | static_cast<uint>(x + y));
        EXPECT_EQ(face.pixel(size.width() - 1, size.height() - 1),
                  0xFF000000u | static_cast<uint>(size.width() + size.height() - 2));
    }
}

}  // namespace
