#include "platform/font.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include "support/fontsinturn.h"
#include "support/setternotifies.h"

namespace {

TEST(Font, HeightMinus133IsSize100) {
    Font font;
    font.SetHeight(-133);
    EXPECT_EQ(font.Size(), 100);
    font.SetSize(100);
    EXPECT_EQ(font.Height(), -133);
}

class FontSizeRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(FontSizeRoundTrip, SizeSurvivesHeight) {
    Font font;
    font.SetSize(GetParam());
    EXPECT_EQ(font.Height(), -((GetParam() * 96 * 2 + 72) / (72 * 2)));
    EXPECT_EQ(font.Size(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Font, FontSizeRoundTrip, ::testing::Values(100, 80, 60, 40, 20, 10, 9, 8));

TEST(Font, SubstitutionTable) {
    EXPECT_EQ(SubstituteFontFamily(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(SubstituteFontFamily(QStringLiteral("ＭＳ Ｐ明朝")), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(SubstituteFontFamily(QStringLiteral("ＭＳ ゴシック")), QStringLiteral("IPAGothic"));
    EXPECT_EQ(SubstituteFontFamily(QStringLiteral("Arial")), QStringLiteral("Arial"));
}

TEST(Font, ToQFontUsesTheIpaFontsAtTheEmHeightWithoutAntialiasing) {
    Font font;
    font.SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    font.SetHeight(-133);
    font.SetStyle({FontStyle::Bold, FontStyle::Underline});
    const QFont q = font.ToQFont();
    EXPECT_EQ(QFontInfo(q).family(), QStringLiteral("IPAPMincho"));
    EXPECT_EQ(q.pixelSize(), 133);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
    EXPECT_TRUE(q.styleStrategy() & QFont::NoAntialias);
}

TEST(Font, ToQFontFollowsEveryChangeOfNameHeightAndStyle) {
    for (const FontInTurn& row : FontsInTurn()) {
        const QFont q = row.Make().ToQFont();
        EXPECT_EQ(q.families().front(), QLatin1String(row.family));
        EXPECT_EQ(q.pixelSize(), -row.height);
        EXPECT_EQ(q.italic(), row.style.has(FontStyle::Italic));
    }
}

TEST(Font, UnknownNameFallsBackToAJapaneseFont) {
    Font font;
    font.SetName(QStringLiteral("No Such Font Anywhere"));
    font.SetHeight(-20);
    const QFontMetrics metrics(font.ToQFont());
    EXPECT_TRUE(metrics.inFont(QChar(0x2501)));  // ━
    EXPECT_TRUE(metrics.inFont(QChar(0x30DD)));  // ポ
}

TEST(Font, PositiveHeightIsTheCellHeight) {
    Font font;
    font.SetName(QStringLiteral("ＭＳ ゴシック"));
    font.SetHeight(40);
    const QFontMetrics metrics(font.ToQFont());
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 40, 1);
}

// Size 12 is height -16 again at the screen's 96 dots per inch, so it changes nothing more.
SETTER_NOTIFIES_ONCE_SUITE(FontSetterTest, Font, SetterRow<Font>{"Height", [](Font& f) { f.SetHeight(-16); }},
                           SetterRow<Font>{"SizeOfTheSameHeight",
                                           [](Font& f) {
                                               f.SetHeight(-16);
                                               f.SetSize(12);
                                           }},
                           SetterRow<Font>{"Name",
                                           [](Font& f) { f.SetName(QStringLiteral("ＭＳ Ｐゴシック")); }},
                           SetterRow<Font>{"Color", [](Font& f) { f.SetColor(clWhite); }},
                           SetterRow<Font>{"Style", [](Font& f) { f.SetStyle({FontStyle::Bold}); }},
                           SetterRow<Font>{"Charset", [](Font& f) { f.SetCharset(SHIFTJIS_CHARSET); }},
                           SetterRow<Font>{"Escapement", [](Font& f) { f.SetEscapement(900); }});

TEST(Font, AssignCopiesValuesAndNotifiesOnce) {
    Font source;
    source.SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    source.SetHeight(-133);
    source.SetColor(clGray);
    Font target;
    int changes = 0;
    target.SetOnChange([&] { ++changes; });
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target, source);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    // Assignment is Assign: the target keeps its handler.
    source.SetHeight(-20);
    target = source;
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(static_cast<bool>(target.OnChange()));
}

TEST(Font, CopiesStartWithoutAHandler) {
    Font font;
    int changes = 0;
    font.SetOnChange([&] { ++changes; });
    Font copy(font);
    EXPECT_FALSE(static_cast<bool>(copy.OnChange()));
    copy.SetHeight(-30);
    EXPECT_EQ(changes, 0);
    EXPECT_NE(copy, font);
}

}  // namespace
