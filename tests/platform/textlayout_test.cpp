// Text layout without pixels: every character advances 10, a line is 12 high and tab stops are 80 apart.
#include <gtest/gtest.h>

#include "platform/textlayout.h"

namespace {

const TextMetrics kMetrics{12, 10, [](const QString& text) { return 10 * static_cast<int>(text.size()); }};

struct LayoutRow {
    const char* name;
    QString text;
    unsigned flags;
    std::vector<TextRun> runs;
    int width;
    int height;
    int drawnHeight;
};

class TextLayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(TextLayoutTest, PlacesEveryRun) {
    const LayoutRow& row = GetParam();
    const TextLayout layout = LayOutText(row.text, Rect(5, 7, 105, 67), row.flags, kMetrics);
    EXPECT_EQ(layout.runs, row.runs);
    EXPECT_EQ(layout.width, row.width);
    EXPECT_EQ(layout.height, row.height);
    EXPECT_EQ(layout.drawnHeight, row.drawnHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextLayoutTest,
    ::testing::Values(
        LayoutRow{"empty", "", 0, {}, 0, 0, 0},
        LayoutRow{"breaks", "ab\r\ncd\ne", 0, {{5, 7, "ab"}, {5, 19, "cd"}, {5, 31, "e"}}, 20, 36, 36},
        LayoutRow{"prefix", "&File && &&x", 0, {{5, 7, "File & &x", 0}}, 90, 12, 12},
        LayoutRow{"noPrefix", "&a", DT_NOPREFIX, {{5, 7, "&a"}}, 20, 12, 12},
        LayoutRow{
            "wraps", "aaaa bbbb cccc", DT_WORDBREAK, {{5, 7, "aaaa bbbb"}, {5, 19, "cccc"}}, 90, 24, 24},
        LayoutRow{
            "wideWord", "aaaaaaaaaaaa b", DT_WORDBREAK, {{5, 7, "aaaaaaaaaaaa"}, {5, 19, "b"}}, 120, 24, 24},
        LayoutRow{"fullWidth",
                  QString::fromUtf8("ああああああああああああ"),
                  DT_WORDBREAK,
                  {{5, 7, QString::fromUtf8("ああああああああああ")}, {5, 19, QString::fromUtf8("ああ")}},
                  100,
                  24,
                  24},
        LayoutRow{"centre", "ab", DT_CENTER, {{45, 7, "ab"}}, 20, 12, 12},
        LayoutRow{"right", "ab", DT_RIGHT, {{85, 7, "ab"}}, 20, 12, 12},
        LayoutRow{"vcentre", "ab", DT_SINGLELINE | DT_VCENTER, {{5, 31, "ab"}}, 20, 12, 36},
        LayoutRow{"bottom", "a\nb", DT_SINGLELINE | DT_BOTTOM, {{5, 55, "a\nb"}}, 30, 12, 60},
        LayoutRow{"vcentreNeedsSingleLine", "ab", DT_VCENTER, {{5, 7, "ab"}}, 20, 12, 12},
        LayoutRow{
            "tabs", "a\t&bc\td", DT_EXPANDTABS, {{5, 7, "a"}, {85, 7, "bc", 0}, {165, 7, "d"}}, 170, 12, 12},
        LayoutRow{"tabsKept", "a\tb", 0, {{5, 7, "a\tb"}}, 30, 12, 12}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
