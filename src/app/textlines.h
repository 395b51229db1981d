#pragma once

#include <QString>
#include <QStringList>

class BoardCells;

// The board as 15 lines of 30 full-width characters, row 0 first, each cell written as its own caption
// (a blank cell as U+3000). The lines carry no line ends.
QStringList BoardTextLines(const BoardCells& cells);

// The same lines as one text, every line ended by CR LF, the last one too.
QString BoardText(const BoardCells& cells);
