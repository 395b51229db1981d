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

struct ArmStep {
    GlyphArm opposite;
    int dRow;
    int dColumn;
};

// In GlyphArm order.
constexpr std::array<ArmStep, 4> kArmSteps{{{Down, -1, 0}, {Up, 1, 0}, {Right, 0, -1}, {Left, 0, 1}}};

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

GlyphArm OppositeArm(GlyphArm arm) {
    return kArmSteps[static_cast<std::size_t>(arm)].opposite;
}

std::optional<int> NeighbourCell(int index, GlyphArm arm) {
    const ArmStep& step = kArmSteps[static_cast<std::size_t>(arm)];
    const int row = index / kBoardColumns + step.dRow;
    const int column = index % kBoardColumns + step.dColumn;
    if (row < 0 || row >= kBoardRows || column < 0 || column >= kBoardColumns) return std::nullopt;
    return row * kBoardColumns + column;
}
