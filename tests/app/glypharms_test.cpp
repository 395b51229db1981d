#include <gtest/gtest.h>

#include "app/glypharms.h"

namespace {

using enum GlyphArm;

struct ArmsRow {
    Glyph glyph;
    GlyphArms arms;
};

TEST(GlyphArms, EachGlyphHasItsStrokesAndIsFoundByThem) {
    const ArmsRow rows[] = {
        {Glyph::DownRight, {Down, Right}},
        {Glyph::DownLeft, {Down, Left}},
        {Glyph::UpRight, {Up, Right}},
        {Glyph::UpLeft, {Up, Left}},
        {Glyph::Vertical, {Up, Down}},
        {Glyph::VerticalRight, {Up, Down, Right}},
        {Glyph::VerticalLeft, {Up, Down, Left}},
        {Glyph::Horizontal, {Left, Right}},
        {Glyph::DownHorizontal, {Down, Left, Right}},
        {Glyph::UpHorizontal, {Up, Left, Right}},
        {Glyph::Cross, {Up, Down, Left, Right}},
    };
    for (const ArmsRow& row : rows) {
        SCOPED_TRACE(GlyphCaption(row.glyph).toStdString());
        EXPECT_EQ(ArmsOfGlyph(row.glyph), row.arms);
        EXPECT_EQ(GlyphOfArms(row.arms), row.glyph);
    }
    EXPECT_TRUE(ArmsOfGlyph(Glyph::Blank).isEmpty());
}

TEST(GlyphArms, FewerThanTwoArmsMakeNoGlyph) {
    const GlyphArms rows[] = {{}, {Up}, {Down}, {Left}, {Right}};
    for (const GlyphArms& arms : rows) EXPECT_EQ(GlyphOfArms(arms), std::nullopt) << arms.bits();
}

}  // namespace
