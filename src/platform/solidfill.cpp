#include "platform/solidfill.h"

#include <QPainter>

#include "platform/canvas.h"

void PaintSolidFills(Canvas& canvas, std::span<const SolidFill> fills) {
    for (const SolidFill& fill : fills) {
        canvas.Brush() = TBrush{fill.color, BrushStyle::Solid};
        canvas.FillRect(fill.rect);
    }
}

void PaintSolidFills(QPainter& painter, std::span<const SolidFill> fills) {
    for (const SolidFill& fill : fills) {
        const TRect r = fill.rect.Normalized();
        if (!r.IsEmpty()) painter.fillRect(r.Left, r.Top, r.Width(), r.Height(), QColor(ToQRgb(fill.color)));
    }
}
