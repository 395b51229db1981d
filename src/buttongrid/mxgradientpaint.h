#pragma once

#include <cstdint>

#include "buttongrid/mxgradient.h"

class Canvas;

// Flags of MxGradientPaintExt.
constexpr std::uint16_t kMxGradientClip = 0x0001;       // clip to Rect moved by Offset
constexpr std::uint16_t kMxGradientUseBitmap = 0x0004;  // paint through a temporary bitmap
constexpr std::uint16_t kMxGradientPalette = 0x1000;    // select and realise the palette

// Paints `colors` as a gradient of `style` into rect. offset carries a signed x shift in its low 16 bits
// and a y shift in its high 16 bits for the kMxGradientClip rectangle. Does nothing for a missing or
// empty table or an empty rect.
void MxGradientPaintExt(Canvas& canvas, const TRect& rect, TMxGradientStyle style, const TMxColorList* colors,
                        const TMxLogPalette* palette, std::uint16_t flags, std::uint32_t offset);
