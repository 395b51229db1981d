#pragma once

#include <QString>

class BoardCells;

// The board string: the glyph codes of the 450 cells in cell-index order, no separators.
QString BoardString(const BoardCells& cells);

// Sets cell i to the glyph of character i, for the first 450 characters only. A character that is no glyph
// code leaves its own cell as it is; positions never shift, and cells past the end of the string stay.
void ApplyBoardString(BoardCells& cells, const QString& boardString);
