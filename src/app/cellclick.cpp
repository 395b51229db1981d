#include "app/cellclick.h"

#include "app/boardhost.h"
#include "app/clickcounter.h"
#include "app/glyphcycles.h"

void ClickCell(BoardHost& host, int index) {
    const std::optional<Glyph> next = NextGlyph(host.CurrentDrawingMode(), host.CellCaption(index));
    if (next) {
        ClickCellTo(host, index, *next);
        return;
    }
    // Every click counts, whatever it does to the cell.
    SetCounter(host, NextCount(host.ClickCounter()));
}

void ClickCellTo(BoardHost& host, int index, Glyph glyph) {
    SetCounter(host, NextCount(host.ClickCounter()));
    host.PlaySound(GlyphSound(glyph));
    if (const std::optional<int> label = GlyphPaletteLabel(glyph)) host.SetPulseMark(*label);
    host.SetCellCaption(index, GlyphCaption(glyph));
}
