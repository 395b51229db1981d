#include <gtest/gtest.h>

#include "app/fakeboard.h"
#include "app/textlines.h"

namespace {

const QChar kFullWidthSpace(0x3000);

TEST(TextLinesTest, ANewBoardIsFifteenLinesOfThirtyFullWidthSpaces) {
    const FakeBoard board;
    const QStringList lines = BoardTextLines(board);
    ASSERT_EQ(lines.size(), 15);
    for (const QString& line : lines) EXPECT_EQ(line, QString(30, kFullWidthSpace));
}

TEST(TextLinesTest, EachRowIsItsThirtyCellsInOrder) {
    FakeBoard board;
    board.SetCellCaption(29, QStringLiteral("┓"));
    board.SetCellCaption(30, QStringLiteral("┗"));
    board.SetCellCaption(449, QStringLiteral("╋"));
    const QStringList lines = BoardTextLines(board);
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QString(29, kFullWidthSpace) + "┓");
    EXPECT_EQ(lines[1], "┗" + QString(29, kFullWidthSpace));
    for (int row = 2; row < 14; ++row) EXPECT_EQ(lines[row], QString(30, kFullWidthSpace)) << row;
    EXPECT_EQ(lines[14], QString(29, kFullWidthSpace) + "╋");
}

TEST(TextLinesTest, TheTextEndsEveryLineWithCrLfTheLastToo) {
    FakeBoard board;
    board.Fill("1" + QString(448, u'0') + "8");
    const QString text = BoardText(board);
    EXPECT_EQ(text.size(), 15 * 32);
    EXPECT_TRUE(text.startsWith("┏" + QString(29, kFullWidthSpace) + "\r\n"));
    EXPECT_TRUE(text.endsWith(QString(29, kFullWidthSpace) + "━\r\n"));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 15);
    EXPECT_EQ(text.count(u'\n'), 15);
    EXPECT_EQ(text.count(u'\r'), 15);
}

}  // namespace
