#pragma once

class BoardCells;

// Repairs the junctions of the whole board so that lines meet: two neighbouring line cells are joined when
// either of them reaches toward the other, and every line cell becomes the glyph whose arms reach exactly
// its joined neighbours. A cell joined to fewer than two neighbours keeps the arms it has as well, since no
// glyph has a single arm. All is judged on the board as it was; a second run changes nothing. Returns the
// number of cells changed.
int JoinJunctions(BoardCells& cells);
