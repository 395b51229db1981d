#include "app/glyphcycles.h"

#include <span>

namespace {

using G = Glyph;

// Each cycle starts with its entry glyph and ends with the blank, after which it starts again.
constexpr Glyph kFull[] = {G::DownRight,      G::DownLeft,      G::UpRight,      G::UpLeft,
                           G::Vertical,       G::VerticalRight, G::VerticalLeft, G::Horizontal,
                           G::DownHorizontal, G::UpHorizontal,  G::Cross,        G::Blank};
constexpr Glyph kCorner[] = {G::DownRight, G::DownLeft, G::UpRight, G::UpLeft, G::Blank};
constexpr Glyph kVertical[] = {G::Vertical, G::VerticalRight, G::VerticalLeft, G::Blank};
constexpr Glyph kHorizontal[] = {G::Horizontal, G::DownHorizontal, G::UpHorizontal, G::Blank};
constexpr Glyph kCross[] = {G::Cross, G::Blank};
constexpr Glyph kEraser[] = {G::Blank};

std::span<const Glyph> cycleOf(DrawingMode mode) {
    switch (mode) {
        case DrawingMode::FullCycle:
            return kFull;
        case DrawingMode::Corner:
            return kCorner;
        case DrawingMode::Vertical:
            return kVertical;
        case DrawingMode::Horizontal:
            return kHorizontal;
        case DrawingMode::Cross:
            return kCross;
        case DrawingMode::Eraser:
            return kEraser;
    }
    return kEraser;
}

}  // namespace

std::optional<Glyph> NextGlyph(DrawingMode mode, const QString& caption) {
    const std::span<const Glyph> cycle = cycleOf(mode);
    const std::optional<Glyph> current = GlyphOfCaption(caption);
    if (current) {
        for (std::size_t i = 0; i < cycle.size(); ++i) {
            if (cycle[i] == *current) return cycle[(i + 1) % cycle.size()];
        }
    } else if (mode == DrawingMode::FullCycle) {
        return std::nullopt;
    }
    // A caption outside the cycle; a cell never holds anything but a glyph, but should it, the entry row
    // mends it like any glyph outside the cycle.
    return cycle.front();
}
