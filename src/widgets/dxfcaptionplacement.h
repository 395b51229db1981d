#pragma once

#include <QSize>
#include <QString>

#include "platform/font.h"
#include "platform/geometry.h"

// Where a label's caption stands: shared by the label, which draws it, and its glyph masks, which must
// cover exactly the same pixels.

// The font escapement, in tenths of a degree from 0 to 3590, of a caption turned by angle degrees.
constexpr int CaptionEscapement(int angle) {
    return ((angle % 360) + 360) % 360 * 10;
}

// Top-left of the unrotated text cell (w x h) turned by angle so that the box's centre falls on (cx, cy);
// halves round to the even neighbour.
TPoint TextStart(int cx, int cy, int angle, int w, int h);

// Where a label of the given size starts its caption turned by angle: TextStart about its centre, from the
// caption's unrotated extent in font.
TPoint CaptionStart(const ::Font& font, const QString& caption, int angle, QSize size);
