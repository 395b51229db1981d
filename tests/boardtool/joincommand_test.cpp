#include <gtest/gtest.h>

#include "app/textimport.h"
#include "app/textlines.h"
#include "boardtool/joincommand.h"
#include "boardtool/memoryboard.h"

namespace {

MemoryBoard boardOf(const QString& text) {
    MemoryBoard board;
    const BoardTextReading reading = ReadBoardText(text);
    EXPECT_FALSE(reading.problem);
    PlaceBoardText(board, reading.rows);
    return board;
}

// The top rows of the board as text, ASCII-spaced, trailing blanks dropped.
QString topRows(const MemoryBoard& board, int count) {
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

TEST(JoinJunctions, CellsTakeTheArmsTheirNeighboursReachBackWith) {
    const QString edge = QString("  ").repeated(29);
    const JoinRow rows[] = {
        {"box of crosses", "╋╋╋\n╋  ╋\n╋╋╋", "┏━┓\n┃  ┃\n┗━┛", 8},
        {"box of wrong junctions", "┣┻┫\n╋  ╋\n┣┳┫", "┏━┓\n┃  ┃\n┗━┛", 8},
        {"a T", "┏╋┓\n  ┃", "┏┳┓\n  ┃", 1},
        {"a cross", "  ┃\n━┏━\n  ┃", "  ┃\n━╋━\n  ┃", 1},
        {"judged on the board as it was", "━╋┃\n  ┃┃", "━┓┓\n  ┃┃", 2},
        {"an isolated cell stays", "    \n  ┣", "\n  ┣", 0},
        {"one arm reached stays", "━┃", "━┃", 0},
        {"the right edge does not reach the next row", edge + "┃\n" + edge + "╋\n━" + edge.mid(2) + "┃",
         edge + "┃\n" + edge + "┃\n━" + edge.mid(2) + "┃", 1},
    };
    for (const JoinRow& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryBoard board = boardOf(row.before);
        EXPECT_EQ(JoinJunctions(board), row.changed);
        EXPECT_EQ(topRows(board, static_cast<int>(row.after.count('\n')) + 1), row.after);
    }
}

}  // namespace
