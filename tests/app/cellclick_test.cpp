#include <gtest/gtest.h>

#include <QStringList>
#include <cstdint>
#include <limits>
#include <ostream>
#include <vector>

#include "app/cellclick.h"
#include "app/fakeboard.h"
#include "app/glyphcycles.h"

namespace {

const char* const kBlank = "\u3000";
const std::vector<const char*> kAllGlyphs = {kBlank, "┏", "┓", "┗", "┛", "┃", "┣", "┫", "━", "┳", "┻", "╋"};

struct CycleRow {
    DrawingMode mode;
    const char* holds;
    const char* becomes;
    const char* sound;
    int pulsedLabel;  // 0: none
};

void PrintTo(const CycleRow& row, std::ostream* os) {
    *os << "mode " << static_cast<int>(row.mode) << ": " << row.holds << " -> " << row.becomes;
}

// The rows a cycle gives every glyph outside it: the mode's entry glyph with the entry glyph's sound and
// label.
std::vector<CycleRow> otherRows(DrawingMode mode, const std::vector<const char*>& others, const char* entry,
                                const char* sound, int label) {
    std::vector<CycleRow> rows;
    for (const char* glyph : others) rows.push_back({mode, glyph, entry, sound, label});
    return rows;
}

std::vector<CycleRow> allCycleRows() {
    using M = DrawingMode;
    std::vector<CycleRow> rows = {
        {M::FullCycle, kBlank, "┏", "chma00.wav", 1},  {M::FullCycle, "┏", "┓", "chma01.wav", 2},
        {M::FullCycle, "┓", "┗", "chma02.wav", 3},     {M::FullCycle, "┗", "┛", "chma03.wav", 4},
        {M::FullCycle, "┛", "┃", "chma04.wav", 5},     {M::FullCycle, "┃", "┣", "chma05.wav", 6},
        {M::FullCycle, "┣", "┫", "chma06.wav", 7},     {M::FullCycle, "┫", "━", "chma07.wav", 8},
        {M::FullCycle, "━", "┳", "chma08.wav", 9},     {M::FullCycle, "┳", "┻", "chma09.wav", 10},
        {M::FullCycle, "┻", "╋", "chma10.wav", 11},    {M::FullCycle, "╋", kBlank, "chma11.wav", 0},

        {M::Corner, kBlank, "┏", "chma00.wav", 1},     {M::Corner, "┏", "┓", "chma01.wav", 2},
        {M::Corner, "┓", "┗", "chma02.wav", 3},        {M::Corner, "┗", "┛", "chma03.wav", 4},
        {M::Corner, "┛", kBlank, "chma11.wav", 0},

        {M::Vertical, kBlank, "┃", "chma04.wav", 5},   {M::Vertical, "┃", "┣", "chma05.wav", 6},
        {M::Vertical, "┣", "┫", "chma06.wav", 7},      {M::Vertical, "┫", kBlank, "chma11.wav", 0},

        {M::Horizontal, kBlank, "━", "chma07.wav", 8}, {M::Horizontal, "━", "┳", "chma08.wav", 9},
        {M::Horizontal, "┳", "┻", "chma09.wav", 10},   {M::Horizontal, "┻", kBlank, "chma11.wav", 0},

        {M::Cross, kBlank, "╋", "chma10.wav", 11},     {M::Cross, "╋", kBlank, "chma11.wav", 0},
    };
    const auto add = [&rows](const std::vector<CycleRow>& more) {
        rows.insert(rows.end(), more.begin(), more.end());
    };
    add(otherRows(M::Corner, {"┃", "┣", "┫", "━", "┳", "┻", "╋"}, "┏", "chma00.wav", 1));
    add(otherRows(M::Vertical, {"┏", "┓", "┗", "┛", "━", "┳", "┻", "╋"}, "┃", "chma04.wav", 5));
    add(otherRows(M::Horizontal, {"┏", "┓", "┗", "┛", "┃", "┣", "┫", "╋"}, "━", "chma07.wav", 8));
    add(otherRows(M::Cross, {"┏", "┓", "┗", "┛", "┃", "┣", "┫", "━", "┳", "┻"}, "╋", "chma10.wav", 11));
    add(otherRows(M::Eraser, kAllGlyphs, kBlank, "chma11.wav", 0));
    return rows;
}

class CycleTableTest : public ::testing::TestWithParam<CycleRow> {};

TEST_P(CycleTableTest, StepsTheCellWithTheNewGlyphsSoundAndLabel) {
    const CycleRow& row = GetParam();
    FakeBoard board;
    board.mode = row.mode;
    board.SetCellCaption(37, QString::fromUtf8(row.holds));
    board.calls.clear();

    ClickCell(board, 37);

    QStringList expected = {"counter 1", "label 1", QStringLiteral("sound %1").arg(row.sound)};
    if (row.pulsedLabel != 0) expected.append(QStringLiteral("pulse %1").arg(row.pulsedLabel));
    expected.append(QStringLiteral("cell 37=%1").arg(QString::fromUtf8(row.becomes)));
    EXPECT_EQ(board.calls, expected);
    EXPECT_EQ(board.CellCaption(37), QString::fromUtf8(row.becomes));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, CycleTableTest, ::testing::ValuesIn(allCycleRows()));

struct RoundRow {
    DrawingMode mode;
    int clicks;
};

class CycleLengthTest : public ::testing::TestWithParam<RoundRow> {};

TEST_P(CycleLengthTest, ABlankCellComesBackAfterOneRound) {
    const RoundRow& row = GetParam();
    FakeBoard board;
    board.mode = row.mode;
    for (int i = 1; i <= row.clicks; ++i) {
        ClickCell(board, 0);
        EXPECT_EQ(board.CellCaption(0) == QString::fromUtf8(kBlank), i == row.clicks) << "after click " << i;
    }
    EXPECT_EQ(board.counter, row.clicks);
    EXPECT_EQ(board.counterLabel, QString::number(row.clicks));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CycleLengthTest,
    ::testing::Values(RoundRow{DrawingMode::FullCycle, 12}, RoundRow{DrawingMode::Corner, 5},
                      RoundRow{DrawingMode::Vertical, 4}, RoundRow{DrawingMode::Horizontal, 4},
                      RoundRow{DrawingMode::Cross, 2}, RoundRow{DrawingMode::Eraser, 1}));

TEST(CellClickTest, TwelveFullCycleClicksBringAnyGlyphBack) {
    for (const char* glyph : kAllGlyphs) {
        FakeBoard board;
        board.SetCellCaption(449, QString::fromUtf8(glyph));
        for (int i = 0; i < 12; ++i) ClickCell(board, 449);
        EXPECT_EQ(board.CellCaption(449), QString::fromUtf8(glyph));
        EXPECT_EQ(board.counter, 12);
    }
}

TEST(CellClickTest, EraserOnABlankCellStillCountsAndSounds) {
    FakeBoard board;
    board.mode = DrawingMode::Eraser;
    ClickCell(board, 5);
    EXPECT_EQ(board.calls, QStringList({"counter 1", "label 1", "sound chma11.wav", "cell 5=\u3000"}));
    EXPECT_EQ(board.pulseMarks, (std::array<int, 12>{}));
}

TEST(CellClickTest, OnlyTheClickedCellChanges) {
    FakeBoard board;
    board.Fill(QString(450, u'b'));
    board.mode = DrawingMode::Corner;
    ClickCell(board, 31);
    QString expected(450, u'b');
    expected[31] = u'1';
    EXPECT_EQ(board.Codes(), expected);
}

TEST(CellClickTest, SwitchingModesKeepsTheBoard) {
    FakeBoard board;
    for (int i = 0; i < 6; ++i) ClickCell(board, 10);
    ASSERT_EQ(board.CellCaption(10), "┣");
    board.mode = DrawingMode::Corner;
    ClickCell(board, 10);
    EXPECT_EQ(board.CellCaption(10), "┏");
}

TEST(CellClickTest, ACaptionThatIsNoGlyphOnlyCountsInFullCycle) {
    FakeBoard board;
    board.SetCellCaption(3, QStringLiteral("A"));
    board.calls.clear();
    ClickCell(board, 3);
    EXPECT_EQ(board.calls, QStringList({"counter 1", "label 1"}));
    EXPECT_EQ(board.CellCaption(3), "A");
    EXPECT_TRUE(board.sounds.empty());
}

TEST(CellClickTest, ACaptionThatIsNoGlyphEntersTheOtherCycles) {
    FakeBoard board;
    board.mode = DrawingMode::Vertical;
    board.SetCellCaption(3, QStringLiteral("□"));
    ClickCell(board, 3);
    EXPECT_EQ(board.CellCaption(3), "┃");
}

TEST(CellClickTest, APulsingLabelIsMarkedAgain) {
    FakeBoard board;
    board.pulseMarks[1] = 1;
    ClickCell(board, 0);
    EXPECT_EQ(board.pulseMarks[1], 1);
    EXPECT_EQ(board.calls.count("pulse 1"), 1);
}

struct CounterRow {
    std::int32_t before;
    std::int32_t after;
    const char* label;
};

class CounterTest : public ::testing::TestWithParam<CounterRow> {};

TEST_P(CounterTest, CountsUpAndShowsPlainDecimal) {
    const CounterRow& row = GetParam();
    FakeBoard board;
    board.counter = row.before;
    ClickCell(board, 0);
    EXPECT_EQ(board.counter, row.after);
    EXPECT_EQ(board.counterLabel, QString::fromLatin1(row.label));
}

INSTANTIATE_TEST_SUITE_P(
    Values, CounterTest,
    ::testing::Values(CounterRow{0, 1, "1"}, CounterRow{999, 1000, "1000"},  // no grouping
                      CounterRow{-5, -4, "-4"}, CounterRow{-1, 0, "0"},
                      CounterRow{std::numeric_limits<std::int32_t>::max() - 1, 2147483647, "2147483647"},
                      CounterRow{std::numeric_limits<std::int32_t>::max(),
                                 std::numeric_limits<std::int32_t>::min(), "-2147483648"},
                      CounterRow{std::numeric_limits<std::int32_t>::min(), -2147483647, "-2147483647"}));

}  // namespace
