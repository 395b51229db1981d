#include "platform/shape.h"

#include <QPainter>

#include "platform/change.h"
#include "platform/drawface.h"
#include "platform/sharedface.h"

TShape::TShape(QWidget* parent) : TGraphicControl(parent) {}

void TShape::SetPen(const TPen& value) {
    if (assignIfDiffers(m_pen, value)) Invalidate();
}

void TShape::SetBrush(const TBrush& value) {
    if (assignIfDiffers(m_brush, value)) Invalidate();
}

void TShape::Paint(Canvas& canvas) const {
    canvas.SetPen(m_pen);
    canvas.SetBrush(m_brush);
    canvas.Rectangle(0, 0, width(), height());
}

void TShape::PaintTo(QPainter& painter, const QRegion& region) {
    if (width() <= 0 || height() <= 0) return;
    QImage& face = SharedFace(size());
    {
        Canvas canvas(face);
        Paint(canvas);
    }
    DrawFace(painter, region, face);
}
