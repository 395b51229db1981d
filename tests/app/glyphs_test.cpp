#include <gtest/gtest.h>

#include "app/glyphs.h"

namespace {

struct GlyphRow {
    Glyph glyph;
    const char* caption;
    char code;
    const char* sound;
    int paletteLabel;  // 0: none
};

class GlyphTableTest : public ::testing::TestWithParam<GlyphRow> {};

TEST_P(GlyphTableTest, HoldsCaptionCodeSoundAndLabel) {
    const GlyphRow& row = GetParam();
    EXPECT_EQ(GlyphCaption(row.glyph), QString::fromUtf8(row.caption));
    EXPECT_EQ(GlyphCaption(row.glyph).size(), 1);
    EXPECT_EQ(GlyphCode(row.glyph), row.code);
    EXPECT_EQ(GlyphSound(row.glyph), QString::fromLatin1(row.sound));
    EXPECT_EQ(GlyphPaletteLabel(row.glyph).value_or(0), row.paletteLabel);
}

TEST_P(GlyphTableTest, LooksUpByCaptionAndByCode) {
    const GlyphRow& row = GetParam();
    EXPECT_EQ(GlyphOfCaption(QString::fromUtf8(row.caption)), row.glyph);
    EXPECT_EQ(GlyphOfCode(QChar::fromLatin1(row.code)), row.glyph);
}

INSTANTIATE_TEST_SUITE_P(Table, GlyphTableTest,
                         ::testing::Values(GlyphRow{Glyph::Blank, "\u3000", '0', "chma11.wav", 0},
                                           GlyphRow{Glyph::DownRight, "┏", '1', "chma00.wav", 1},
                                           GlyphRow{Glyph::DownLeft, "┓", '2', "chma01.wav", 2},
                                           GlyphRow{Glyph::UpRight, "┗", '3', "chma02.wav", 3},
                                           GlyphRow{Glyph::UpLeft, "┛", '4', "chma03.wav", 4},
                                           GlyphRow{Glyph::Vertical, "┃", '5', "chma04.wav", 5},
                                           GlyphRow{Glyph::VerticalRight, "┣", '6', "chma05.wav", 6},
                                           GlyphRow{Glyph::VerticalLeft, "┫", '7', "chma06.wav", 7},
                                           GlyphRow{Glyph::Horizontal, "━", '8', "chma07.wav", 8},
                                           GlyphRow{Glyph::DownHorizontal, "┳", '9', "chma08.wav", 9},
                                           GlyphRow{Glyph::UpHorizontal, "┻", 'a', "chma09.wav", 10},
                                           GlyphRow{Glyph::Cross, "╋", 'b', "chma10.wav", 11}));

TEST(GlyphCodeTest, OnlyTheTwelveLowerCaseCodesAreCodes) {
    for (const char c : {'A', 'B', 'c', 'C', ' ', '/', ':', 'z', '\0'}) {
        EXPECT_FALSE(GlyphOfCode(QChar::fromLatin1(c))) << "'" << c << "'";
    }
    // The full-width digit looks like a code but is not one.
    EXPECT_FALSE(GlyphOfCode(QChar(u'０')));
}

TEST(GlyphCaptionTest, OnlyAWholeGlyphIsAGlyph) {
    EXPECT_FALSE(GlyphOfCaption(QString()));
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral(" ")));  // the half-width space is no blank
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral("□")));  // the hints' picture of the blank
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral("┏┓")));
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral("┏ ")));
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral("┌")));  // the light corner is not ours
    EXPECT_FALSE(GlyphOfCaption(QStringLiteral("1")));  // a code is not a caption
}

}  // namespace
