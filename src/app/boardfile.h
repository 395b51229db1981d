#pragma once

#include <QString>

#include "platform/color.h"
#include "platform/filesnapshot.h"

class BoardHost;

// The board gradient colour of a new board: red 255, green 255, blue 128.
constexpr TColor kNewBoardGradientColor = clPaleYellow;

// Reads a board file into the counter (and its label), the board gradient colour and the cells. A key that
// is missing or unreadable keeps the current value; a file that is missing or cannot be read changes
// nothing. The cells change only after the file is closed, without sounds, clicks or pulses. Returns what
// the reading found: the window ignores it, the command-line tool reports it.
struct BoardFileReading {
    FileProblem problem = FileProblem::None;  // why the file was not read whole; None when it was
    bool hasBoard = false;                    // whether section "Setting" holds a "Poru" key
};
BoardFileReading ReadBoardFile(BoardHost& host, const QString& fileName);

// Writes "Poru" (the board string), "Count" and "Color" into section "Setting" of the file, in that order,
// keeping everything else the file holds, and stores it in one atomic replacement. Raises FileWriteError
// ("<file name> に書き込めません") when the file cannot be written, could not be read whole first (the save
// would lose what was not read), changed since it was read, or would grow too large to be read again; the
// old file then stays as it was.
void SaveBoardFile(const BoardHost& host, const QString& fileName);

// Blanks every cell, zeroes the counter and restores the new board's gradient colour. The drawing mode, the
// sound switch, the gradient style and the grid lines are not the board's and stay.
void NewBoard(BoardHost& host);
