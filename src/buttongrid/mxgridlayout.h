#pragma once

#include "platform/geometry.h"

// Where the panel puts its buttons: columns from the width, rows from the item count, and the panel size
// that fits that grid exactly.
struct TMxGridLayout {
    TRect Inner;  // the client area less the bevel, where cell (0, 0) starts
    int Columns = 1;
    int Rows = 1;
    int Width = 0;  // the panel's new outer size
    int Height = 0;
    int CellWidth = 1;
    int CellHeight = 1;

    TRect ItemBounds(int index) const;
};

// clientWidth × clientHeight is the panel's current size. The grid starts `inset` pixels inside it (the
// bevel's extent, or just the window edge in the windows bevel mode); `extent` is what the bevel adds to
// the panel size on each side. Cell sizes must be at least 1.
TMxGridLayout MxComputeGridLayout(int clientWidth, int clientHeight, int inset, int extent, int count,
                                  int cellWidth, int cellHeight);
