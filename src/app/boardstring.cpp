#include "app/boardstring.h"

#include <algorithm>

#include "app/boardcells.h"
#include "app/glyphs.h"

QString BoardString(const BoardCells& cells) {
    QString result;
    result.reserve(kCellCount);
    for (int i = 0; i < kCellCount; ++i) {
        const std::optional<Glyph> glyph = GlyphOfCaption(cells.CellCaption(i));
        // A cell never holds anything but a glyph; should one, it is stored as a blank so that the cells
        // after it keep their positions.
        result.append(QLatin1Char(GlyphCode(glyph.value_or(Glyph::Blank))));
    }
    return result;
}

void ApplyBoardString(BoardCells& cells, const QString& boardString) {
    const int count = std::min(static_cast<int>(boardString.size()), kCellCount);
    for (int i = 0; i < count; ++i) {
        if (const std::optional<Glyph> glyph = GlyphOfCode(boardString.at(i))) {
            cells.SetCellCaption(i, GlyphCaption(*glyph));
        }
    }
}
