#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/fakeboard.h"
#include "app/glypharms.h"
#include "app/junctions.h"
#include "app/textimport.h"
#include "app/textlines.h"

namespace {

FakeBoard boardOf(const QString& text) {
    FakeBoard board;
    const BoardTextReading reading = ReadBoardText(text);
    EXPECT_FALSE(reading.problem);
    PlaceBoardText(board, reading.rows);
    return board;
}

// The top rows of the board as text, ASCII-spaced, trailing blanks dropped.
QString topRows(const FakeBoard& board, int count) {
    QStringList rows = BoardTextLines(board).mid(0, count);
    for (QString& row : rows) {
        row.replace(QChar(0x3000), "  ");
        while (row.endsWith(' ')) row.chop(1);
    }
    return rows.join('\n');
}

struct JoinRow {
    const char* name;
    QString before;
    QString after;
    int changed;
};

TEST(JoinJunctions, CellsReachExactlyTheNeighboursTheyAreJoinedTo) {
    const QString edge = QString("  ").repeated(29);
    const JoinRow rows[] = {
        {"box of crosses", "╋╋╋\n╋  ╋\n╋╋╋", "┏━┓\n┃  ┃\n┗━┛", 8},
        {"a T", "┏╋┓\n  ┃", "┏┳┓\n  ┃", 1},
        {"a cross", "  ┃\n━┏━\n  ┃", "  ┃\n━╋━\n  ┃", 1},
        {"either cell's arm joins a pair", "━╋┃\n  ┃┃", "━┳┓\n  ┃┃", 2},
        {"mismatched junctions settle", "┏┳┓\n┗╋┃\n  ┗┛", "┏┳┓\n┗╋┫\n  ┗┛", 1},
        {"an isolated cell stays", "    \n  ┣", "\n  ┣", 0},
        {"a cell joined once keeps its own arms too", "━┃", "━┫", 1},
        {"the right edge does not reach the next row", edge + "┃\n" + edge + "╋\n━" + edge.mid(2) + "┃",
         edge + "┃\n" + edge + "┃\n━" + edge.mid(2) + "┃", 1},
    };
    for (const JoinRow& row : rows) {
        SCOPED_TRACE(row.name);
        FakeBoard board = boardOf(row.before);
        EXPECT_EQ(JoinJunctions(board), row.changed);
        EXPECT_EQ(topRows(board, static_cast<int>(row.after.count('\n')) + 1), row.after);
    }
}

// Any board settles at once: every arm between line cells is answered, and a second run is idle.
TEST(JoinJunctions, SettlesOnRandomBoards) {
    std::mt19937 random(30);
    for (int round = 0; round < 200; ++round) {
        FakeBoard board;
        for (int i = 0; i < kCellCount; ++i)  // about half the cells blank
            board.SetCellCaption(i, GlyphCaption(static_cast<Glyph>(std::max(0, int(random() % 23) - 11))));
        JoinJunctions(board);
        const QString after = board.Codes();
        for (int i = 0; i < kCellCount; ++i) {
            for (GlyphArm arm : kGlyphArmList) {
                const std::optional<int> next = NeighbourCell(i, arm);
                if (!next || after[i] == '0' || after[*next] == '0') continue;
                ASSERT_EQ(ArmsOfGlyph(*GlyphOfCode(after[i])).has(arm),
                          ArmsOfGlyph(*GlyphOfCode(after[*next])).has(OppositeArm(arm)))
                    << round << " cell " << i;
            }
        }
        ASSERT_EQ(JoinJunctions(board), 0) << round;
    }
}

}  // namespace
