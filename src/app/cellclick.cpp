#include "app/cellclick.h"

#include "app/boardhost.h"
#include "app/clickcounter.h"
#include "app/glyphcycles.h"

void ClickCell(BoardHost& host, int index) {
    // Every click counts, whatever it does to the cell.
    SetCounter(host, NextCount(host.ClickCounter()));

    const std::optional<Glyph> next = NextGlyph(host.CurrentDrawingMode(), host.CellCaption(index));
    if (!next) return;

    host.PlaySound(GlyphSound(*next));
    if (const std::optional<int> label = GlyphPaletteLabel(*next)) host.SetPulseMark(*label);
    host.SetCellCaption(index, GlyphCaption(*next));
}
