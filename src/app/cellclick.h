#pragma once

class BoardHost;

// One click on cell `index` (0 to 449): counts it, then steps the cell one place along the cycle of the
// current drawing mode with the new glyph's sound and palette pulse.
void ClickCell(BoardHost& host, int index);
