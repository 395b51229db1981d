#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/textimport.h"
#include "app/textlines.h"
#include "boardtool/joincommand.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "support/editduringsave.h"
#include "support/files.h"

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

// Another program saves the board while join writes it, in place or by a rename: its edit stays and join
// fails.
TEST(JoinCommandTest, AnEditMadeDuringTheSaveSurvivesAndJoinFails) {
    for (const bool byRename : {false, true}) {
        QTemporaryDir dir;
        const QString file = dir.filePath("box.qvx");
        ASSERT_TRUE(WriteWholeFile(file, "[Setting]\r\nPoru=bbb\r\n"));
        const QByteArray theirs = "[Setting]\r\nPoru=bb0\r\n";
        const EditDuringSave edit(theirs, byRename);
        EXPECT_EQ(RunJoinCommand({file}), kExitFailure) << byRename;
        EXPECT_EQ(ReadWholeFile(file), theirs) << byRename;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"box.qvx"}) << byRename;
    }
}

}  // namespace
