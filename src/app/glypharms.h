#pragma once

#include <optional>

#include "app/glyphs.h"
#include "platform/flagset.h"

// The directions in which a glyph's strokes leave its cell.
enum class GlyphArm { Up, Down, Left, Right };
using GlyphArms = FlagSet<GlyphArm>;

constexpr GlyphArm kGlyphArmList[] = {GlyphArm::Up, GlyphArm::Down, GlyphArm::Left, GlyphArm::Right};

// The arm pointing the other way.
GlyphArm OppositeArm(GlyphArm arm);
// The cell next to cell `index` in the arm's direction; none past the board's edge (rows do not wrap).
std::optional<int> NeighbourCell(int index, GlyphArm arm);

// The arms of a glyph; the blank has none.
GlyphArms ArmsOfGlyph(Glyph glyph);
// The glyph with exactly these arms; none for a set no glyph has (fewer than two arms).
std::optional<Glyph> GlyphOfArms(GlyphArms arms);
