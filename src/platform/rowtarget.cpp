#include "platform/rowtarget.h"

#include "platform/canvas.h"

RowTarget::RowTarget(Canvas& canvas, const TRect& rect) : m_canvas(canvas), m_rect(rect) {
    m_block = canvas.unclippedBlock(rect, m_stride);
}

QRgb* RowTarget::Row(int y) {
    if (m_block) return m_block + y * m_stride;
    return m_canvas.unclippedRow(m_rect.Left, m_rect.Top + y, m_rect.Width());
}

void RowTarget::Put(int y, const QRgb* pixels, int x0, int x1) {
    m_canvas.copyRow(m_rect.Left + x0, m_rect.Top + y, pixels + x0, x1 - x0, Canvas::SourceAlpha::Opaque);
}
