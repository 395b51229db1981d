#include <gtest/gtest.h>

#include "app/textimport.h"
#include "boardtool/memoryboard.h"
#include "boardtool/textcommand.h"

namespace {

const QString kBlank = QString(QChar(0x3000));

QString blanks(int count, const QString& blank) {
    return blank.repeated(count);
}

// A frame with every junction, a glyph in the last column, a blank row, then one cross.
MemoryBoard sampleBoard() {
    MemoryBoard board;
    const BoardTextReading reading = ReadBoardText("┏━┳┓\n┣━╋┫\n┗━┻┛\n" + blanks(29, kBlank) + "┃\n\n╋\n");
    EXPECT_FALSE(reading.problem);
    PlaceBoardText(board, reading.rows);
    return board;
}

struct FormatRow {
    const char* name;
    BoardTextFormat format;
    qsizetype lineCount;
    std::vector<std::pair<int, QString>> lines;  // line index, its whole text
};

TEST(FormatBoardText, EachOptionAndTheirCombinations) {
    const QString a = "  ";
    const FormatRow rows[] = {
        {"plain",
         {},
         15,
         {{0, "┏━┳┓" + blanks(26, kBlank)}, {3, blanks(29, kBlank) + "┃"}, {14, blanks(30, kBlank)}}},
        {"ascii spaces",
         {.asciiSpaces = true},
         15,
         {{0, "┏━┳┓" + blanks(26, a)}, {4, blanks(30, a)}, {5, "╋" + blanks(29, a)}}},
        {"trim", {.trim = true}, 6, {{0, "┏━┳┓"}, {3, blanks(29, kBlank) + "┃"}, {4, ""}, {5, "╋"}}},
        {"ascii",
         {.ascii = true},
         15,
         {{0, "+---+-+ " + blanks(26, a)}, {3, blanks(29, a) + "| "}, {5, "+-" + blanks(29, a)}}},
        {"ascii trimmed",
         {.trim = true, .ascii = true},
         6,
         {{0, "+---+-+"}, {1, "+---+-+"}, {2, "+---+-+"}, {3, blanks(29, a) + "|"}, {5, "+-"}}},
        {"slashes", {.comment = CommentStyle::Slashes}, 15, {{0, "// ┏━┳┓" + blanks(26, kBlank)}}},
        {"hash trimmed", {.trim = true, .comment = CommentStyle::Hash}, 6, {{0, "# ┏━┳┓"}, {4, "#"}}},
        {"dashes, ascii spaces",
         {.asciiSpaces = true, .comment = CommentStyle::Dashes},
         15,
         {{14, "-- " + blanks(30, a)}}},
        {"block", {.comment = CommentStyle::Block}, 15, {{2, "/* ┗━┻┛" + blanks(26, kBlank) + " */"}}},
        {"block, ascii trimmed",
         {.trim = true, .ascii = true, .comment = CommentStyle::Block},
         6,
         {{0, "/* +---+-+ */"}, {4, "/*  */"}}},
    };
    const MemoryBoard board = sampleBoard();
    for (const FormatRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList lines = FormatBoardText(board, row.format);
        ASSERT_EQ(lines.size(), row.lineCount);
        for (const auto& [index, text] : row.lines) EXPECT_EQ(lines[index], text) << index;
    }
}

TEST(FormatBoardText, ABlankBoardTrimsToNothing) {
    EXPECT_TRUE(FormatBoardText(MemoryBoard(), {.trim = true, .comment = CommentStyle::Hash}).isEmpty());
}

}  // namespace
