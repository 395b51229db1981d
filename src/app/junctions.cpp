#include "app/junctions.h"

#include <array>

#include "app/boardcells.h"
#include "app/glypharms.h"

int JoinJunctions(BoardCells& cells) {
    std::array<Glyph, kCellCount> before{};
    for (int i = 0; i < kCellCount; ++i)
        before[i] = GlyphOfCaption(cells.CellCaption(i)).value_or(Glyph::Blank);

    int changed = 0;
    for (int index = 0; index < kCellCount; ++index) {
        if (before[index] == Glyph::Blank) continue;
        const GlyphArms own = ArmsOfGlyph(before[index]);
        // Joining is symmetric, so both cells of a pair see the same answer and the result is settled.
        GlyphArms joined;
        for (GlyphArm arm : kGlyphArmList) {
            const std::optional<int> neighbour = NeighbourCell(index, arm);
            if (!neighbour || before[*neighbour] == Glyph::Blank) continue;
            if (own.has(arm) || ArmsOfGlyph(before[*neighbour]).has(OppositeArm(arm)))
                joined = joined.with(arm);
        }
        std::optional<Glyph> glyph = GlyphOfArms(joined);
        if (!glyph) glyph = GlyphOfArms(joined | own);
        if (!glyph || *glyph == before[index]) continue;
        cells.SetCellCaption(index, GlyphCaption(*glyph));
        ++changed;
    }
    return changed;
}
