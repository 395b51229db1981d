#include <gtest/gtest.h>

#include "app/fakeboard.h"
#include "app/strokes.h"
#include "app/textimport.h"

namespace {

struct DrawRow {
    const char* name;
    bool box;  // or a stroke
    DrawingMode mode;
    QString before;          // placed from the top-left
    std::vector<int> cells;  // the press, then each cell the pointer reaches
    QString after;           // the rows from the top
};

// Each reported change is a glyph the cell did not have yet, so that only a new glyph counts as a click.
template <class Drag>
void drawAndCheck(const DrawRow& row) {
    FakeBoard board;
    PlaceBoardText(board, ReadBoardText(row.before).rows);
    Drag drag(board, row.cells[0], row.mode);
    for (std::size_t i = 1; i < row.cells.size(); ++i) {
        for (const CellChange& change : drag.MoveTo(row.cells[i])) {
            EXPECT_NE(board.CellCaption(change.index), GlyphCaption(change.glyph)) << change.index;
            board.SetCellCaption(change.index, GlyphCaption(change.glyph));
        }
    }
    EXPECT_EQ(board.Rows(0, static_cast<int>(row.after.count('\n')) + 1), row.after);
}

TEST(Strokes, ThePathJoinsEveryCellItPasses) {
    using enum DrawingMode;
    const QString edge = QString("  ").repeated(28);
    const QString down13(13, '\n');
    // Cell 30 opens the second row, 60 the third.
    const DrawRow rows[] = {
        {"straight", false, FullCycle, "", {0, 1, 2}, "━━━"},
        {"turn", false, Corner, "", {0, 1, 31, 61}, "━┓\n  ┃\n  ┃"},
        {"crossing", false, FullCycle, "  ┃\n  ┃\n  ┃", {30, 31, 32}, "  ┃\n━╋━\n  ┃"},
        {"ending on a line", false, Cross, "  ┃\n  ┃", {30, 31}, "  ┃\n━┫"},
        {"skipped cells", false, FullCycle, "", {0, 4}, "━━━━━"},
        {"diagonal jump", false, FullCycle, "", {0, 31}, "━┓\n  ┃"},
        {"long jump", false, FullCycle, "", {0, 63}, "━┓\n  ┗┓\n    ┗━"},
        {"back over itself", false, FullCycle, "", {0, 1, 31, 1, 2}, "━┳━\n  ┃"},
        {"right edge", false, FullCycle, "", {29, 59, 58}, edge + "  ┃\n" + edge + "━┛"},
        {"bottom edge", false, FullCycle, "", {390, 420, 422}, down13 + "┃\n┗━━"},
        {"eraser", false, Eraser, "━━━━\n┃┃┃┃", {0, 32}, "    ━━\n┃    ┃"},
        {"box", true, FullCycle, "", {62, 0}, "┏━┓\n┃  ┃\n┗━┛"},
        {"box one high", true, FullCycle, "", {0, 2}, "━━━"},
        {"box one wide", true, FullCycle, "", {0, 60}, "┃\n┃\n┃"},
        {"box over a line", true, FullCycle, "  ┃\n  ┃\n  ┃\n  ┃", {30, 62}, "  ┃\n┏╋┓\n┗╋┛\n  ┃"},
        {"last frame only", true, FullCycle, "    ┃", {0, 62, 31}, "┏┓┃\n┗┛\n"},
        {"box at the corner", true, FullCycle, "", {418, 449}, down13 + edge + "┏┓\n" + edge + "┗┛"},
        {"eraser box", true, Eraser, "━━━\n━━━\n━━━", {0, 62}, "\n  ━\n"},
    };
    for (const DrawRow& row : rows) {
        SCOPED_TRACE(row.name);
        row.box ? drawAndCheck<Box>(row) : drawAndCheck<Stroke>(row);
    }
}

}  // namespace
