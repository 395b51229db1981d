// The kept faces of one label: found by their whole key, the one shown longest ago dropped when full.
#include <gtest/gtest.h>

#include <QImage>
#include <utility>

#include "support/pixels.h"
#include "widgets/dxffacecache.h"
#include "widgets/dxflabel.h"

namespace {

TdxfFaceKey keyOf(int angle, int points) {
    TdxfFaceKey key;
    key.angle = angle;
    key.font.SetSize(points);
    key.size = QSize(40, 40);
    return key;
}

QImage faceOf(int tag) {
    QImage face = Blank(QSize(1, 1), static_cast<uint>(tag));
    return face;
}

int tagOf(const QImage* face) {
    return face ? static_cast<int>(face->pixel(0, 0) & kRgbMask) : -1;
}

TEST(DxfFaceCacheTest, KeepsTheMostRecentFacesByTheirWholeKey) {
    struct Row {
        const char* name;
        int touchFirstAfter;  // look up the first face again after this many inserts (-1: never)
        int angle;
        int points;
        int expected;  // tag of the face found, -1 for none
    };
    const int n = static_cast<int>(TdxfFaceCache::kCapacity);
    for (const Row& row :
         {Row{"Recent", -1, 10 * (n - 1), 100, n - 1}, Row{"SameAngleOtherSize", -1, 20, 80, -1},
          Row{"OldestDropped", -1, 0, 100, -1}, Row{"LookedUpStaysKept", n - 1, 0, 100, 0},
          Row{"NextOldestDroppedInstead", n - 1, 10, 100, -1}}) {
        TdxfFaceCache cache;
        for (int i = 0; i <= n; ++i) {
            if (i == row.touchFirstAfter) cache.Find(keyOf(0, 100));
            // Two faces of the same angle at different sizes, as a pulsing label keeps them.
            if (i < n) cache.Insert(keyOf(10 * i, 100), faceOf(i));
        }
        cache.Insert(keyOf(20, 60), faceOf(1000));
        EXPECT_EQ(tagOf(cache.Find(keyOf(row.angle, row.points))), row.expected) << row.name;
    }
}

TEST(DxfFaceCacheTest, LetsGoOfAFaceNotShownForAsManyChangesOfFaceAsItHolds) {
    const int n = static_cast<int>(TdxfFaceCache::kCapacity);
    for (const auto& [changes, expected] : {std::pair{n, 0}, std::pair{n + 1, -1}}) {
        TdxfFaceCache cache;
        for (int i = 0; i < 3; ++i) cache.Insert(keyOf(10 * i, 100), faceOf(i));
        // Two other faces in turn: each look-up is a change of face.
        for (int i = 3; i <= changes; ++i) cache.Find(keyOf(i % 2 == 1 ? 10 : 20, 100));
        EXPECT_EQ(tagOf(cache.Find(keyOf(0, 100))), expected) << changes;
    }
}

TEST(DxfFaceCacheTest, GivesBackEveryFaceAsItWasPut) {
    // Runs of every length, one longer than a run can hold, single pixels, greys, and a face with alpha.
    QImage runs(300, 4, QImage::Format_RGB32);
    for (int y = 0; y < runs.height(); ++y)
        for (int x = 0; x < runs.width(); ++x)
            runs.setPixel(x, y,
                          y == 1   ? 0xFF102030u
                          : y == 3 ? qRgb(x / 3, x / 3, x / 3)
                                   : qRgb(x / (y + 1), y, 7));
    QImage alpha(5, 4, QImage::Format_ARGB32);
    alpha.fill(0x40FF0000u);
    alpha.setPixel(2, 2, 0x00000000u);
    for (const QImage& face : {runs, alpha, faceOf(9)}) {
        TdxfFaceCache cache;
        cache.Insert(keyOf(0, 100), face);
        cache.Insert(keyOf(10, 100), faceOf(1));
        const QImage* found = cache.Find(keyOf(0, 100));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->convertToFormat(face.format()), face) << face.width();
        EXPECT_EQ(tagOf(cache.Find(keyOf(10, 100))), 1);
    }
}

}  // namespace
