#include <gtest/gtest.h>

#include "app/boardstring.h"
#include "app/fakeboard.h"

namespace {

TEST(BoardStringTest, ANewBoardIsAllZeros) {
    const FakeBoard board;
    EXPECT_EQ(BoardString(board), QString(450, u'0'));
}

TEST(BoardStringTest, CodesRunInCellIndexOrder) {
    FakeBoard board;
    board.SetCellCaption(0, QStringLiteral("┏"));
    board.SetCellCaption(1, QStringLiteral("━"));
    EXPECT_EQ(BoardString(board), "18" + QString(448, u'0'));

    board.SetCellCaption(30, QStringLiteral("╋"));   // row 1, column 0
    board.SetCellCaption(449, QStringLiteral("┻"));  // the last cell
    const QString codes = BoardString(board);
    EXPECT_EQ(codes.size(), 450);
    EXPECT_EQ(codes[30], u'b');
    EXPECT_EQ(codes[449], u'a');
}

TEST(BoardStringTest, ACellHoldingNoGlyphKeepsTheOthersInPlace) {
    FakeBoard board;
    board.SetCellCaption(3, QStringLiteral("x"));
    board.SetCellCaption(4, QStringLiteral("┓"));
    const QString codes = BoardString(board);
    EXPECT_EQ(codes.size(), 450);
    EXPECT_EQ(codes.mid(0, 6), "000020");
}

TEST(ApplyBoardStringTest, EveryCodeSetsItsOwnCell) {
    FakeBoard board;
    const QString codes = QStringLiteral("0123456789ab").repeated(38).left(450);
    ApplyBoardString(board, codes);
    EXPECT_EQ(BoardString(board), codes);
    EXPECT_EQ(board.CellCaption(10), "┻");
    EXPECT_EQ(board.CellCaption(11), "╋");
}

TEST(ApplyBoardStringTest, ACharacterThatIsNoCodeLeavesOnlyItsOwnCell) {
    FakeBoard board;
    board.Fill(QString(450, u'5'));
    QString codes(450, u'1');
    codes[5] = u'A';
    codes[6] = u'a';
    codes[7] = u' ';
    codes[8] = u'c';
    ApplyBoardString(board, codes);
    EXPECT_EQ(board.CellCaption(5), "┃");
    EXPECT_EQ(board.CellCaption(6), "┻");
    EXPECT_EQ(board.CellCaption(7), "┃");
    EXPECT_EQ(board.CellCaption(8), "┃");
    EXPECT_EQ(board.CellCaption(9), "┏");
    EXPECT_EQ(board.CellCaption(449), "┏");
}

TEST(ApplyBoardStringTest, AShortStringLeavesTheCellsPastItsEnd) {
    FakeBoard board;
    board.Fill(QString(450, u'9'));
    ApplyBoardString(board, QString(449, u'0'));
    EXPECT_EQ(board.Codes(), QString(449, u'0') + "9");

    ApplyBoardString(board, QString());
    EXPECT_EQ(board.Codes(), QString(449, u'0') + "9");
}

TEST(ApplyBoardStringTest, OnlyTheFirst450CharactersCount) {
    FakeBoard board;
    ApplyBoardString(board, QString(450, u'2') + "bbbb");
    EXPECT_EQ(board.Codes(), QString(450, u'2'));
    EXPECT_EQ(board.calls.size(), 450);
}

}  // namespace
