#pragma once

#include "app/strokes.h"

class BoardHost;

// One click on cell `index` (0 to 449): counts it, then steps the cell one place along the cycle of the
// current drawing mode with the new glyph's sound and palette pulse.
void ClickCell(BoardHost& host, int index);

// The cells a stroke or a box changed, each as the click that produced its glyph would: counted, then the
// new glyph's sound, palette pulse and caption.
void DrawCells(BoardHost& host, const CellChanges& changes);
