#pragma once

#include <span>

#include "platform/color.h"
#include "platform/geometry.h"

class Canvas;
class QPainter;

// A rectangle of one colour. A face made only of these is painted alike on a canvas and straight onto a
// widget, with no image of the widget's size in between.
struct SolidFill {
    TRect rect;
    TColor color;
};

// Fills each rectangle (normalised) in order, later ones over earlier ones.
void PaintSolidFills(Canvas& canvas, std::span<const SolidFill> fills);
void PaintSolidFills(QPainter& painter, std::span<const SolidFill> fills);
