#pragma once

#include "app/glyphs.h"

class BoardHost;

// One click on cell `index` (0 to 449): counts it, then steps the cell one place along the cycle of the
// current drawing mode with the new glyph's sound and palette pulse.
void ClickCell(BoardHost& host, int index);

// What a click that gives cell `index` the glyph does: counts one click, plays the glyph's sound, starts
// its palette pulse and sets the cell. Strokes and boxes give each cell they change a new glyph this way.
void ClickCellTo(BoardHost& host, int index, Glyph glyph);
