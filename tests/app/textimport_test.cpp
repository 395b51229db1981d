#include <gtest/gtest.h>

#include "app/fakeboard.h"
#include "app/textimport.h"
#include "app/textlines.h"

namespace {

using Kind = BoardTextProblem::Kind;

const QString kBlank(QChar(0x3000));

// Board codes of a drawing on every row, each glyph somewhere.
QString sampleCodes() {
    QString codes;
    for (int i = 0; i < kCellCount; ++i)
        codes.append(QLatin1Char(GlyphCode(static_cast<Glyph>((i * 7 + i / 30) % 12))));
    return codes;
}

TEST(TextImportTest, TheTextViewsTextReadsBackToTheSameBoardInEveryLineEndAndSpacing) {
    FakeBoard drawn;
    drawn.Fill(sampleCodes());
    const QString text = BoardText(drawn);
    QString lf = text;
    lf.replace("\r\n", "\n");
    QString cr = text;
    cr.replace("\r\n", "\r");
    QString asciiSpaced = lf;
    asciiSpaced.replace(kBlank, "  ");
    for (const QString& variant : {text, lf, cr, asciiSpaced, QChar(0xFEFF) + text, lf.chopped(1)}) {
        const BoardTextReading reading = ReadBoardText(variant);
        ASSERT_FALSE(reading.problem) << variant.toStdString();
        FakeBoard read;
        read.Fill(QString(kCellCount, u'b'));
        PlaceBoardText(read, reading.rows);
        EXPECT_EQ(read.Codes(), drawn.Codes());
    }
}

TEST(TextImportTest, APartialTextPlacesFromTheTopLeftAndLeavesTheRestOfTheDrawing) {
    FakeBoard board;
    board.Fill(QString(kCellCount, u'b'));
    const BoardTextReading reading = ReadBoardText("┏━\n\n  ┃");
    ASSERT_FALSE(reading.problem);
    PlaceBoardText(board, reading.rows);
    const QString codes = board.Codes();
    EXPECT_EQ(codes.left(3), "18b");
    EXPECT_EQ(codes.mid(30, 2), "bb");
    EXPECT_EQ(codes.mid(60, 3), "05b");
    EXPECT_EQ(codes.count(u'b'), kCellCount - 4);
}

TEST(TextImportTest, TheFirstCharacterThatCannotBePlacedIsNamedByLineAndColumn) {
    const QString fullRow = QString(30, QChar(u'━'));
    struct Case {
        QString text;
        Kind kind;
        int line;
        int column;
        QString character;
    };
    const Case cases[] = {
        {"┏━x━", Kind::UnknownCharacter, 1, 3, "x"},
        {"┏\n━\t", Kind::UnknownCharacter, 2, 2, "\t"},
        {"┏\r\n┃─", Kind::UnknownCharacter, 2, 2, "─"},
        {QString("┃") + QChar(0xD83D) + QChar(0xDE00), Kind::UnknownCharacter, 1, 2,
         QString(QChar(0xD83D)) + QChar(0xDE00)},
        {"┏ ━", Kind::LoneSpace, 1, 2, " "},
        {"━   ", Kind::LoneSpace, 1, 4, " "},
        {fullRow + "┃", Kind::PastLastColumn, 1, 31, "┃"},
        {"\n" + fullRow + "  ", Kind::PastLastColumn, 2, 31, "  "},
        {QString(15, u'\n') + kBlank, Kind::PastLastRow, 16, 1, kBlank},
    };
    for (const Case& c : cases) {
        const BoardTextReading reading = ReadBoardText(c.text);
        ASSERT_TRUE(reading.problem) << c.text.toStdString();
        EXPECT_EQ(reading.problem->kind, c.kind) << c.text.toStdString();
        EXPECT_EQ(reading.problem->line, c.line) << c.text.toStdString();
        EXPECT_EQ(reading.problem->column, c.column) << c.text.toStdString();
        EXPECT_EQ(reading.problem->character, c.character) << c.text.toStdString();
        EXPECT_TRUE(reading.rows.empty());
    }
}

TEST(TextImportTest, EmptyLinesPastTheLastRowPlaceNothingAndAreNoProblem) {
    const BoardTextReading reading = ReadBoardText("┏" + QString(20, u'\n'));
    ASSERT_FALSE(reading.problem);
    FakeBoard board;
    PlaceBoardText(board, reading.rows);
    EXPECT_EQ(board.Codes(), "1" + QString(kCellCount - 1, u'0'));
}

}  // namespace
