#include "app/strokes.h"

#include <cstdlib>

#include "app/boardcells.h"

namespace {

// The cell's own arms joined with the path's; a path end on a blank cell has only one arm and becomes the
// straight piece in its direction.
Glyph joinedGlyph(Glyph glyph, GlyphArms pathArms) {
    GlyphArms arms = ArmsOfGlyph(glyph) | pathArms;
    for (GlyphArm arm : kGlyphArmList) {
        if (arms == GlyphArms{arm}) arms = arms.with(OppositeArm(arm));
    }
    return GlyphOfArms(arms).value_or(glyph);
}

}  // namespace

StrokeDrawing::StrokeDrawing(const BoardCells& cells, DrawingMode mode)
    : m_erases(mode == DrawingMode::Eraser) {
    for (int i = 0; i < kCellCount; ++i)
        m_pressed[i] = GlyphOfCaption(cells.CellCaption(i)).value_or(Glyph::Blank);
    m_shown = m_pressed;
}

void StrokeDrawing::walk(int from, int to) {
    const int rows = std::abs(to / kBoardColumns - from / kBoardColumns);
    const int columns = std::abs(to % kBoardColumns - from % kBoardColumns);
    const GlyphArm rowArm = to > from ? GlyphArm::Down : GlyphArm::Up;
    const GlyphArm columnArm = to % kBoardColumns > from % kBoardColumns ? GlyphArm::Right : GlyphArm::Left;
    int rowSteps = 0;
    int columnSteps = 0;
    for (int cell = from; cell != to;) {
        // Of the two steps, take the one that keeps the path nearer the straight line between the centres.
        const bool across = columnSteps < columns && (rowSteps == rows || (2 * columnSteps + 1) * rows <=
                                                                              (2 * rowSteps + 1) * columns);
        const GlyphArm arm = across ? columnArm : rowArm;
        ++(across ? columnSteps : rowSteps);
        const int next = *NeighbourCell(cell, arm);
        m_arms[cell] = m_arms[cell].with(arm);
        m_arms[next] = m_arms[next].with(OppositeArm(arm));
        cell = next;
    }
}

Glyph StrokeDrawing::drawnGlyph(int index) const {
    const GlyphArms arms = m_arms[index];
    if (arms.isEmpty()) return m_pressed[index];
    return m_erases ? Glyph::Blank : joinedGlyph(m_pressed[index], arms);
}

CellChanges StrokeDrawing::settle() {
    CellChanges changes;
    for (int i = 0; i < kCellCount; ++i) {
        const Glyph glyph = drawnGlyph(i);
        if (glyph == m_shown[i]) continue;
        m_shown[i] = glyph;
        changes.push_back({i, glyph});
    }
    return changes;
}

Stroke::Stroke(const BoardCells& cells, int pressCell, DrawingMode mode)
    : StrokeDrawing(cells, mode), m_last(pressCell) {}

CellChanges Stroke::MoveTo(int index) {
    if (index == m_last) return {};
    walk(m_last, index);
    m_last = index;
    return settle();
}

Box::Box(const BoardCells& cells, int pressCell, DrawingMode mode)
    : StrokeDrawing(cells, mode), m_press(pressCell) {}

CellChanges Box::MoveTo(int index) {
    const int pressRow = m_press / kBoardColumns;
    const int row = index / kBoardColumns;
    // The frame is walked round as one closed path from the press cell; a box one cell wide or high is walked
    // there and back, which makes it a line.
    const int acrossCorner = pressRow * kBoardColumns + index % kBoardColumns;
    const int downCorner = row * kBoardColumns + m_press % kBoardColumns;
    clearArms();
    walk(m_press, acrossCorner);
    walk(acrossCorner, index);
    walk(index, downCorner);
    walk(downCorner, m_press);
    return settle();
}
