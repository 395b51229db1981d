#include "buttongrid/mxgridlayout.h"

#include <cassert>

TRect TMxGridLayout::ItemBounds(int index) const {
    return Bounds(Inner.Left + (index % Columns) * CellWidth, Inner.Top + (index / Columns) * CellHeight,
                  CellWidth, CellHeight);
}

namespace {

// The client height only seeds the search; the result is always ceil(count / columns).
int rowsFor(int count, int columns, int innerHeight, int cellHeight) {
    if (count <= columns) return 1;
    int rows = innerHeight / cellHeight;
    if (columns == 1 && rows > count) rows = count;
    if (rows <= 0) rows = 1;
    while (columns * rows > count) --rows;
    while (columns * rows < count) ++rows;
    return rows;
}

}  // namespace

TMxGridLayout MxComputeGridLayout(int clientWidth, int clientHeight, int inset, int extent, int count,
                                  int cellWidth, int cellHeight) {
    assert(cellWidth >= 1 && cellHeight >= 1);
    TMxGridLayout g;
    g.CellWidth = cellWidth;
    g.CellHeight = cellHeight;
    g.Inner = Rect(0, 0, clientWidth, clientHeight).Inflated(-inset, -inset);

    g.Columns = g.Inner.Width() / cellWidth;
    if (count < g.Columns) g.Columns = count;
    // A bevel wider than the client area gives a negative count, which means "no room" just like zero.
    if (g.Columns <= 0) g.Columns = 1;
    g.Rows = rowsFor(count, g.Columns, g.Inner.Height(), cellHeight);

    g.Width = g.Columns * cellWidth + 2 * extent;
    g.Height = g.Rows * cellHeight + 2 * extent;
    return g;
}
