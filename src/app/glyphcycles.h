#pragma once

#include <QString>
#include <optional>

#include "app/glyphs.h"

// The six drawing modes, in the order of their mode buttons SpeedButton1 … SpeedButton5, SpeedButton0.
enum class DrawingMode {
    FullCycle,  // ┏ → ┓ → ┗ → ┛ → ┃ → ┣ → ┫ → ━ → ┳ → ┻ → ╋ → blank
    Corner,     // ┏ → ┓ → ┗ → ┛ → blank
    Vertical,    // ┃ → ┣ → ┫ → blank
    Horizontal,  // ━ → ┳ → ┻ → blank
    Cross,       // ╋ → blank
    Eraser,      // blank
};

// The glyph a cell holding `caption` becomes at a click in `mode`. Inside the mode's cycle a glyph steps to
// the next one; any other caption enters the cycle at its first glyph. The full cycle holds all twelve
// glyphs and has no entry row: a caption that is no glyph at all gives none there, and the cell stays.
std::optional<Glyph> NextGlyph(DrawingMode mode, const QString& caption);
