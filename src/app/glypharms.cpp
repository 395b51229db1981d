#include "app/glypharms.h"

#include <array>

namespace {

using enum GlyphArm;

// In glyph-code order, the blank first.
const std::array<GlyphArms, kGlyphCount> kArmTable{{
    {},
    {Down, Right},
    {Down, Left},
    {Up, Right},
    {Up, Left},
    {Up, Down},
    {Up, Down, Right},
    {Up, Down, Left},
    {Left, Right},
    {Down, Left, Right},
    {Up, Left, Right},
    {Up, Down, Left, Right},
}};

}  // namespace

GlyphArms ArmsOfGlyph(Glyph glyph) {
    return kArmTable[static_cast<std::size_t>(glyph)];
}

std::optional<Glyph> GlyphOfArms(GlyphArms arms) {
    // The blank's empty set is no shape a line can be joined into.
    for (std::size_t i = 1; i < kArmTable.size(); ++i) {
        if (kArmTable[i] == arms) return static_cast<Glyph>(i);
    }
    return std::nullopt;
}
