#include "platform/canvas.h"

Canvas::Canvas(QImage& image) : m_image(image) {}
void Canvas::SetFont(const ::Font&) {}
TColor Canvas::Pixel(int, int) const { return clNone; }
void Canvas::SetPixel(int, int, TColor) {}
void Canvas::MoveTo(int, int) {}
void Canvas::LineTo(int, int) {}
void Canvas::Polyline(const std::vector<TPoint>&) {}
void Canvas::FillRect(const TRect&) {}
void Canvas::FrameRect(const TRect&, TColor) {}
void Canvas::Rectangle(const TRect&) {}
void Canvas::Ellipse(const TRect&) {}
void Canvas::Polygon(const std::vector<TPoint>&) {}
void Canvas::RoundRect(const TRect&, int, int) {}
void Canvas::DrawEdge(TRect&, unsigned, unsigned) {}
void Canvas::Draw(int, int, const QImage&) {}
void Canvas::CopyRect(const TRect&, const QImage&, const TRect&) {}
void Canvas::StretchDraw(const TRect&, const QImage&) {}
void Canvas::DrawTransparent(int, int, const QImage&, TColor) {}
void Canvas::CopyRectTransparent(const TRect&, const QImage&, const TRect&, TColor) {}
void Canvas::StampMask(int, int, const QImage&) {}
void Canvas::SetClipRect(const TRect&) {}
void Canvas::IntersectClipRect(const TRect&) {}
void Canvas::SelectClipRgn(const Region&) {}
void Canvas::SelectClipPath() {}
void Canvas::ResetClip() {}
void Canvas::TextOut(int, int, const QString&) {}
TPoint Canvas::TextExtent(const QString&) const { return {}; }
TTextMetric Canvas::GetTextMetrics() const { return {}; }
int Canvas::DrawText(const QString&, TRect&, unsigned) { return 0; }
void Canvas::BeginPath() {}
void Canvas::EndPath() {}
void Canvas::StrokePath() {}
