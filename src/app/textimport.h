#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/glyphs.h"

class BoardCells;

// Why a text cannot be placed on the board, at a 1-based line and column (counted in characters).
struct BoardTextProblem {
    enum class Kind {
        UnknownCharacter,  // not one of the eleven glyphs nor a blank
        LoneSpace,         // one ASCII space where a blank takes two
        PastLastColumn,    // a glyph or blank beyond the board's 30th column
        PastLastRow,       // a glyph or blank beyond the board's 15th row
    };
    Kind kind{};
    int line = 0;
    int column = 0;
    QString character;  // the character found there
};

// A text read as board glyphs: row r holds the glyphs of the text's line r, from column 0; empty lines and
// missing columns place nothing.
struct BoardTextReading {
    std::vector<std::vector<Glyph>> rows;
    std::optional<BoardTextProblem> problem;  // set: nothing of the text may be placed
};

// Reads text as the board shows it in its text view: lines ended by CR LF, LF or CR, each a row of the eleven
// glyphs and blanks (U+3000, or two ASCII spaces, so that text copied as ASCII-spaced stays readable). A byte
// order mark at the start is skipped. The first character that cannot be placed is the problem.
BoardTextReading ReadBoardText(const QString& text);

// Sets every cell the rows cover to its glyph; the cells they do not reach keep theirs, as a paste over a
// drawing places only what it brings.
void PlaceBoardText(BoardCells& cells, const std::vector<std::vector<Glyph>>& rows);
