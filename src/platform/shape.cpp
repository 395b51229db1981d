#include "platform/shape.h"

#include <QPainter>

#include "platform/change.h"
#include "platform/drawface.h"

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
    if (m_surface.size() != size()) m_surface = QImage(size(), QImage::Format_RGB32);
    Canvas canvas(m_surface);
    Paint(canvas);
    DrawFace(painter, region, m_surface);
}
