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

QString codesOf(const QString& text) {
    FakeBoard board;
    PlaceBoardText(board, ReadBoardText(text).rows);
    return board.Codes();
}

// Each reported change is a glyph the cell did not have yet: only a new glyph counts as a click.
template <class Drag>
void drawAndCheck(const DrawRow& row) {
    FakeBoard board;
    board.Fill(codesOf(row.before));
    Drag drag(board, row.cells[0], row.mode);
    for (std::size_t i = 1; i < row.cells.size(); ++i) {
        for (const CellChange& change : drag.MoveTo(row.cells[i])) {
            EXPECT_NE(board.CellCaption(change.index), GlyphCaption(change.glyph)) << change.index;
            board.SetCellCaption(change.index, GlyphCaption(change.glyph));
        }
    }
    EXPECT_EQ(board.Codes(), codesOf(row.after));
}

TEST(Strokes, ThePathJoinsEveryCellItPasses) {
    using enum DrawingMode;
    const QString edge = QString("  ").repeated(28);
    // Cell 30 opens the second row, 60 the third.
    const DrawRow rows[] = {
        {"straight", false, FullCycle, "", {0, 1, 2}, "━━━"},
        {"turn", false, Corner, "", {0, 1, 31, 61}, "━┓\n  ┃\n  ┃"},
        {"crossing", false, FullCycle, "  ┃\n  ┃\n  ┃", {30, 31, 32}, "  ┃\n━╋━\n  ┃"},
        {"skipped cells", false, FullCycle, "", {0, 4}, "━━━━━"},
        {"diagonal jump", false, FullCycle, "", {0, 31}, "━┓\n  ┃"},
        {"back over itself", false, FullCycle, "", {0, 1, 31, 1, 2}, "━┳━\n  ┃"},
        {"right edge", false, FullCycle, "", {29, 59, 58}, edge + "  ┃\n" + edge + "━┛"},
        {"eraser", false, Eraser, "━━━━\n┃┃┃┃", {0, 32}, "    ━━\n┃    ┃"},
        {"box", true, FullCycle, "", {62, 0}, "┏━┓\n┃  ┃\n┗━┛"},
        {"box one high", true, FullCycle, "", {0, 2}, "━━━"},
        {"box one wide", true, FullCycle, "", {0, 60}, "┃\n┃\n┃"},
        {"box over a line", true, FullCycle, "  ┃\n  ┃\n  ┃\n  ┃", {30, 62}, "  ┃\n┏╋┓\n┗╋┛\n  ┃"},
        {"last frame only", true, FullCycle, "    ┃", {0, 62, 31}, "┏┓┃\n┗┛\n"},
        {"eraser box", true, Eraser, "━━━\n━━━\n━━━", {0, 62}, "\n  ━\n"},
    };
    for (const DrawRow& row : rows) {
        SCOPED_TRACE(row.name);
        row.box ? drawAndCheck<Box>(row) : drawAndCheck<Stroke>(row);
    }
}

}  // namespace
