#pragma once

#include "buttongrid/mxgradient.h"
#include "platform/canvas.h"

// The straightforward rendering of a gradient that the resolved rows must match pixel for pixel: every
// step's shape filled without outline, one over the other in painting order, with the shapes anchored at
// origin.
inline void PaintGradientInPaintersOrder(Canvas& canvas, TPoint origin, int width, int height,
                                         TMxGradientStyle style, const TMxColorList& colors) {
    const TPen savedPen = canvas.Pen();
    const TBrush savedBrush = canvas.Brush();
    canvas.SetPen({clBlack, 1, PenStyle::Clear});
    canvas.SetBrush({clBlack, BrushStyle::Solid});
    const int count = static_cast<int>(colors.size());
    const bool upwards = MxGradientPaintsUpwards(style);
    for (int n = 0; n < count; ++n) {
        const int step = upwards ? n : count - 1 - n;
        const TMxGradientShape shape = MxGradientStepShape(style, width, height, count, step);
        const TRect box = shape.Box.Offset(origin.X, origin.Y);
        canvas.Brush().Color = colors[static_cast<std::size_t>(step)];
        switch (shape.ShapeKind) {
            case TMxGradientShape::Kind::Band:
                canvas.FillRect(box);
                break;
            case TMxGradientShape::Kind::Rectangle:
                canvas.Rectangle(box);
                break;
            case TMxGradientShape::Kind::Ellipse:
                canvas.Ellipse(box);
                break;
            case TMxGradientShape::Kind::Polygon: {
                std::vector<TPoint> points(shape.Points.begin(), shape.Points.end());
                for (TPoint& p : points) p = {p.X + origin.X, p.Y + origin.Y};
                canvas.Polygon(points);
                break;
            }
        }
    }
    canvas.SetPen(savedPen);
    canvas.SetBrush(savedBrush);
}
