#include "app/cellclick.h"

#include "app/boardhost.h"
#include "app/clickcounter.h"
#include "app/glyphcycles.h"

namespace {

// What a cell that gets a glyph shows, in this order.
void showNewGlyph(BoardHost& host, int index, Glyph glyph) {
    host.PlaySound(GlyphSound(glyph));
    if (const std::optional<int> label = GlyphPaletteLabel(glyph)) host.SetPulseMark(*label);
    host.SetCellCaption(index, GlyphCaption(glyph));
}

}  // namespace

void ClickCell(BoardHost& host, int index) {
    // Every click counts, whatever it does to the cell.
    SetCounter(host, NextCount(host.ClickCounter()));

    const std::optional<Glyph> next = NextGlyph(host.CurrentDrawingMode(), host.CellCaption(index));
    if (!next) return;
    showNewGlyph(host, index, *next);
}

void DrawCells(BoardHost& host, const CellChanges& changes) {
    for (const CellChange& change : changes) {
        SetCounter(host, NextCount(host.ClickCounter()));
        showNewGlyph(host, change.index, change.glyph);
    }
}
