#pragma once

#include <array>
#include <vector>

#include "app/glypharms.h"
#include "app/glyphcycles.h"

class BoardCells;

// One cell that a stroke or a box gives a new glyph.
struct CellChange {
    int index;
    Glyph glyph;
};
using CellChanges = std::vector<CellChange>;

// The lines that a stroke or a box draws over the board as it was at the press; in the eraser mode it
// erases the cells it passes instead, and in every other mode it draws. The cells are not written here: each
// move reports the cells that change, in cell index order, for the caller to set, sound, count and pulse as
// clicks would.
class StrokeDrawing {
public:
    StrokeDrawing(const BoardCells& cells, DrawingMode mode);

protected:
    // Goes from cell `from` to cell `to` by orthogonal steps, so that the line never breaks, giving each
    // cell passed its arms toward the cells before and after it.
    void walk(int from, int to);
    void clearArms() { m_arms.fill({}); }
    // Every cell becomes what the board at the press holds, joined with the arms gathered so far.
    CellChanges settle();

private:
    Glyph drawnGlyph(int index) const;

    bool m_erases;
    std::array<Glyph, kCellCount> m_pressed{};
    std::array<Glyph, kCellCount> m_shown{};
    std::array<GlyphArms, kCellCount> m_arms{};
};

// A line drawn by dragging: the path runs through every cell the pointer passes, from the press cell on.
class Stroke : public StrokeDrawing {
public:
    Stroke(const BoardCells& cells, int pressCell, DrawingMode mode);

    // The pointer is over cell `index`; the path goes on to it.
    CellChanges MoveTo(int index);

private:
    int m_last;
};

// The frame of the rectangle between the press cell and the pointer's cell, drawn afresh over the board as it
// was at the press at every move, so that only the last frame stays.
class Box : public StrokeDrawing {
public:
    Box(const BoardCells& cells, int pressCell, DrawingMode mode);

    CellChanges MoveTo(int index);

private:
    int m_press;
};
