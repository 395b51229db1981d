#pragma once

#include <QStringList>

class BoardCells;

// Turns every non-blank cell into the glyph whose arms are exactly the directions in which its neighbour
// has an arm pointing back, all judged on the board as it was; a cell whose arms no glyph has stays.
// Returns the number of cells changed.
int JoinJunctions(BoardCells& cells);

extern const char kJoinUsage[];
// moxel-board join FILE.qvx
int RunJoinCommand(const QStringList& arguments);
