#include "platform/canvas.h"

#include "platform/raster.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// A cosmetic dashed pen: 18 pixels on, 6 off.
constexpr int kDashOn = 18;
constexpr int kDashPeriod = 24;

// The pixel layouts the canvas writes straight into.
bool isCanvasFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

QTransform textTransform(int x, int y, int escapement) {
    QTransform t;
    t.translate(x, y);
    t.rotate(-escapement / 10.0);
    return t;
}

std::vector<std::vector<QPointF>> outlinesOf(const QPainterPath& path) {
    std::vector<std::vector<QPointF>> outlines;
    for (const QPolygonF& polygon : path.toSubpathPolygons())
        outlines.emplace_back(polygon.begin(), polygon.end());
    return outlines;
}

FillMode fillModeOf(const QPainterPath& path) {
    return path.fillRule() == Qt::WindingFill ? FillMode::Winding : FillMode::Alternate;
}

// What an outline-less shape covers: one column and one row less than its box spans; an empty result
// paints nothing.
TRect outlineLessBox(const TRect& box) {
    return {box.Left, box.Top, box.Right - 1, box.Bottom - 1};
}

}  // namespace

Canvas::Canvas(QImage& image) : m_image(image) {
    if (!m_image.isNull() && !isCanvasFormat(m_image.format()))
        m_image.convertTo(m_image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    ResetClip();
}

void Canvas::SetFont(const ::Font& font) {
    m_font.Assign(font);
}

// --- Pixels and spans -------------------------------------------------------------------------------

Canvas::Paint Canvas::solidPaint(TColor color) {
    const QRgb c = ToQRgb(color);
    return {c, c};
}

Canvas::Paint Canvas::brushPaint() const {
    if (m_brush.Style == BrushStyle::Checkered) return {ToQRgb(clBtnHighlight), ToQRgb(m_brush.Color)};
    return solidPaint(m_brush.Color);
}

int Canvas::clipTop() const {
    return m_clipIsImage ? 0 : m_clipBounds.Top;
}

int Canvas::clipBottom() const {
    return m_clipIsImage ? Height() : m_clipBounds.Bottom;
}

template <typename RunFn>
void Canvas::forEachClippedRun(int y, int x0, int x1, RunFn&& run) const {
    if (y < 0 || y >= Height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, Width());
    if (x1 <= x0) return;
    if (m_clipIsImage) {
        run(x0, x1);
        return;
    }
    if (static_cast<std::size_t>(y) + 1 >= m_clipRowStart.size()) return;
    const std::vector<Span>& spans = m_clip.Spans();
    const std::size_t row = static_cast<std::size_t>(y);
    for (std::size_t i = m_clipRowStart[row]; i < m_clipRowStart[row + 1]; ++i) {
        const int a = std::max(x0, spans[i].X0);
        const int b = std::min(x1, spans[i].X1);
        if (a < b) run(a, b);
    }
}

void Canvas::fillSpan(int y, int x0, int x1, const Paint& paint) {
    if (y < 0 || y >= Height()) return;
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    forEachClippedRun(y, x0, x1, [&](int a, int b) {
        if (paint.even == paint.odd) {
            std::fill(row + a, row + b, paint.even);
            return;
        }
        for (int x = a; x < b; ++x) row[x] = ((x + y) & 1) ? paint.odd : paint.even;
    });
}

void Canvas::fillSpans(const std::vector<Span>& spans, const Paint& paint) {
    for (const Span& s : spans) fillSpan(s.Y, s.X0, s.X1, paint);
}

void Canvas::fillRectPaint(const TRect& rect, const Paint& paint) {
    const TRect r = rect.Normalized();
    const int y0 = std::max({r.Top, clipTop(), 0});
    const int y1 = std::min({r.Bottom, clipBottom(), Height()});
    if (!m_clipIsImage || paint.even != paint.odd) {
        for (int y = y0; y < y1; ++y) fillSpan(y, r.Left, r.Right, paint);
        return;
    }
    // Unclipped and solid: the same columns on every row, so the fill runs at memory speed.
    const int x0 = std::max(r.Left, 0);
    const int x1 = std::min(r.Right, Width());
    if (x1 <= x0) return;
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + x0, row + x1, paint.even);
    }
}

TColor Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return clNone;
    return FromQRgb(m_image.pixel(x, y));
}

void Canvas::SetPixel(int x, int y, TColor color) {
    fillSpan(y, x, x + 1, solidPaint(color));
}

// --- Lines ------------------------------------------------------------------------------------------

void Canvas::plotPen(TPoint p) {
    const Paint paint = solidPaint(m_pen.Color);
    if (m_pen.Width <= 1) {
        fillSpan(p.Y, p.X, p.X + 1, paint);
        return;
    }
    // A wide pen lays a round nib of its width centred on each point.
    const int w = m_pen.Width;
    const TRect nib = Bounds(p.X - w / 2, p.Y - w / 2, w, w);
    fillSpans(EllipseSpans(nib, nib.Top, nib.Bottom), paint);
}

void Canvas::MoveTo(int x, int y) {
    m_penPos = {x, y};
    m_dashPos = 0;
}

void Canvas::LineTo(int x, int y) {
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    if (m_pen.Style == PenStyle::Clear) return;
    const bool dashed = m_pen.Style == PenStyle::Dash && m_pen.Width <= 1;
    for (const TPoint& p : LinePoints(from, {x, y})) {
        if (!dashed || m_dashPos % kDashPeriod < kDashOn) plotPen(p);
        ++m_dashPos;
    }
}

void Canvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}

// --- Shapes -----------------------------------------------------------------------------------------

void Canvas::FillRect(const TRect& rect) {
    if (m_brush.Style == BrushStyle::Clear) return;
    fillRectPaint(rect, brushPaint());
}

void Canvas::FrameRect(const TRect& rect, TColor color) {
    const TRect r = rect.Normalized();
    if (r.IsEmpty()) return;
    const Paint paint = solidPaint(color);
    for (const TRect& strip : FrameStrips(r)) fillRectPaint(strip, paint);
}

void Canvas::Rectangle(const TRect& rect) {
    const TRect r = rect.Normalized();
    if (m_pen.Style == PenStyle::Clear) {
        const TRect inner = outlineLessBox(r);
        if (!inner.IsEmpty()) FillRect(inner);
        return;
    }
    if (r.IsEmpty()) return;
    const int w = std::max(m_pen.Width, 1);
    if (w == 1) {
        FillRect(r.Inflated(-1, -1));
        MoveTo(r.Left, r.Top);
        LineTo(r.Right - 1, r.Top);
        LineTo(r.Right - 1, r.Bottom - 1);
        LineTo(r.Left, r.Bottom - 1);
        LineTo(r.Left, r.Top);
        // The outline of a 1 x 1 rectangle has no length; it is still one pixel.
        if (r.Width() == 1 && r.Height() == 1) fillSpan(r.Top, r.Left, r.Right, solidPaint(m_pen.Color));
        return;
    }
    // A wide pen is centred on the outline, as the platform's geometric pens are.
    const TRect outer{r.Left - (w - 1) / 2, r.Top - (w - 1) / 2, r.Right + w / 2, r.Bottom + w / 2};
    const TRect inner = outer.Inflated(-w, -w);
    FillRect(inner);
    const Paint paint = solidPaint(m_pen.Color);
    fillRectPaint({outer.Left, outer.Top, outer.Right, inner.Top}, paint);
    fillRectPaint({outer.Left, inner.Bottom, outer.Right, outer.Bottom}, paint);
    fillRectPaint({outer.Left, inner.Top, inner.Left, inner.Bottom}, paint);
    fillRectPaint({inner.Right, inner.Top, outer.Right, inner.Bottom}, paint);
}

void Canvas::drawOutlinedConvex(const std::vector<Span>& outer, int rowBegin, int rowEnd) {
    // One span per row; rows outside the shape are empty. Each erosion keeps the pixels whose four
    // neighbours are all inside, so `width` erosions leave the interior and the rest is the outline.
    const int rows = rowEnd - rowBegin;
    if (rows <= 0) return;
    std::vector<std::pair<int, int>> shape(static_cast<std::size_t>(rows), {0, 0});
    for (const Span& s : outer) shape[static_cast<std::size_t>(s.Y - rowBegin)] = {s.X0, s.X1};
    std::vector<std::pair<int, int>> inner = shape;
    for (int pass = 0; pass < std::max(m_pen.Width, 1); ++pass) {
        std::vector<std::pair<int, int>> next(inner.size(), {0, 0});
        for (std::size_t i = 1; i + 1 < inner.size(); ++i) {
            const int a = std::max({inner[i].first + 1, inner[i - 1].first, inner[i + 1].first});
            const int b = std::min({inner[i].second - 1, inner[i - 1].second, inner[i + 1].second});
            if (inner[i - 1].second > inner[i - 1].first && inner[i + 1].second > inner[i + 1].first && b > a)
                next[i] = {a, b};
        }
        inner = std::move(next);
    }
    const Paint pen = solidPaint(m_pen.Color);
    const bool brush = m_brush.Style != BrushStyle::Clear;
    const Paint fill = brushPaint();
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const auto [x0, x1] = shape[i];
        if (x1 <= x0) continue;
        const int y = rowBegin + static_cast<int>(i);
        const auto [i0, i1] = inner[i];
        if (i1 <= i0) {
            fillSpan(y, x0, x1, pen);
            continue;
        }
        fillSpan(y, x0, i0, pen);
        if (brush) fillSpan(y, i0, i1, fill);
        fillSpan(y, i1, x1, pen);
    }
}

void Canvas::Ellipse(const TRect& box) {
    const TRect b = box.Normalized();
    if (m_pen.Style == PenStyle::Clear) {
        const TRect inner = outlineLessBox(b);
        if (m_brush.Style == BrushStyle::Clear || inner.IsEmpty()) return;
        fillSpans(EllipseSpans(inner, clipTop(), clipBottom()), brushPaint());
        return;
    }
    // One extra row above and below, so the erosion sees the neighbours of the clip's edge rows.
    const int w = std::max(m_pen.Width, 1);
    const int rowBegin = std::max(b.Top, clipTop() - w);
    const int rowEnd = std::min(b.Bottom, clipBottom() + w);
    drawOutlinedConvex(EllipseSpans(b, rowBegin, rowEnd), rowBegin - 1, rowEnd + 1);
}

void Canvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    const TRect b = rect.Normalized();
    if (m_pen.Style == PenStyle::Clear) {
        const TRect inner = outlineLessBox(b);
        if (m_brush.Style == BrushStyle::Clear || inner.IsEmpty()) return;
        fillSpans(RoundRectSpans(inner, ellipseWidth, ellipseHeight, clipTop(), clipBottom()), brushPaint());
        return;
    }
    const int w = std::max(m_pen.Width, 1);
    const int rowBegin = std::max(b.Top, clipTop() - w);
    const int rowEnd = std::min(b.Bottom, clipBottom() + w);
    drawOutlinedConvex(RoundRectSpans(b, ellipseWidth, ellipseHeight, rowBegin, rowEnd), rowBegin - 1,
                       rowEnd + 1);
}

void Canvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    if (m_brush.Style != BrushStyle::Clear)
        fillSpans(PolygonSpans(points, m_polyFillMode, clipTop(), clipBottom()), brushPaint());
    if (m_pen.Style == PenStyle::Clear) return;
    MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
    LineTo(points.front().X, points.front().Y);
    if (points.size() == 1) plotPen(points.front());
}

// --- 3D edges ---------------------------------------------------------------------------------------

void Canvas::DrawEdge(TRect& rect, unsigned edge, unsigned flags) {
    const bool soft = (flags & BF_SOFT) != 0;
    const bool mono = (flags & BF_MONO) != 0;
    const bool flat = (flags & BF_FLAT) != 0;
    struct Layer {
        bool drawn;
        TColor topLeft;
        TColor bottomRight;
    };
    // Outer layer first, then inner. The soft look swaps the top-left colours of the two layers.
    Layer outer{(edge & BDR_OUTER) != 0, clNone, clNone};
    Layer inner{(edge & BDR_INNER) != 0, clNone, clNone};
    if (mono) {
        outer.topLeft = outer.bottomRight = clWindowFrame;
        inner.topLeft = inner.bottomRight = clWindow;
    } else if (flat) {
        outer.topLeft = outer.bottomRight = clBtnShadow;
        inner.topLeft = inner.bottomRight = clBtnFace;
    } else {
        const bool outerRaised = (edge & BDR_RAISEDOUTER) != 0;
        const bool innerRaised = (edge & BDR_RAISEDINNER) != 0;
        outer.topLeft =
            outerRaised ? (soft ? clBtnHighlight : cl3DLight) : (soft ? cl3DDkShadow : clBtnShadow);
        outer.bottomRight = outerRaised ? cl3DDkShadow : clBtnHighlight;
        inner.topLeft =
            innerRaised ? (soft ? cl3DLight : clBtnHighlight) : (soft ? clBtnShadow : cl3DDkShadow);
        inner.bottomRight = innerRaised ? clBtnShadow : cl3DLight;
    }
    TRect r = rect.Normalized();
    for (const Layer& layer : {outer, inner}) {
        if (!layer.drawn || r.IsEmpty()) continue;
        // Top and left first, so the bottom-right colour owns the two far corners.
        const Paint tl = solidPaint(layer.topLeft);
        const Paint br = solidPaint(layer.bottomRight);
        if (flags & BF_TOP) fillRectPaint({r.Left, r.Top, r.Right, r.Top + 1}, tl);
        if (flags & BF_LEFT) fillRectPaint({r.Left, r.Top, r.Left + 1, r.Bottom}, tl);
        if (flags & BF_BOTTOM) fillRectPaint({r.Left, r.Bottom - 1, r.Right, r.Bottom}, br);
        if (flags & BF_RIGHT) fillRectPaint({r.Right - 1, r.Top, r.Right, r.Bottom}, br);
        if (flags & BF_TOP) ++r.Top;
        if (flags & BF_LEFT) ++r.Left;
        if (flags & BF_BOTTOM) --r.Bottom;
        if (flags & BF_RIGHT) --r.Right;
    }
    if (flags & BF_MIDDLE) fillRectPaint(r, solidPaint(mono ? clWindow : clBtnFace));
    if ((flags & BF_ADJUST) || (flags & BF_RECT) == BF_RECT) rect = r;
}

// --- Transfers --------------------------------------------------------------------------------------

QRgb* Canvas::unclippedRow(int x, int y, int count) {
    if (count <= 0 || x < 0 || x + count > Width()) return nullptr;
    bool whole = false;
    forEachClippedRun(y, x, x + count, [&](int a, int b) { whole = a == x && b == x + count; });
    return whole ? reinterpret_cast<QRgb*>(m_image.scanLine(y)) + x : nullptr;
}

QRgb* Canvas::unclippedBlock(const TRect& rect, std::ptrdiff_t& stride) {
    if (!m_clipIsImage || rect.IsEmpty() || rect.Left < 0 || rect.Top < 0 || rect.Right > Width() ||
        rect.Bottom > Height())
        return nullptr;
    stride = m_image.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
    return reinterpret_cast<QRgb*>(m_image.scanLine(rect.Top)) + rect.Left;
}

void Canvas::copyRow(int x, int y, const QRgb* pixels, int count, SourceAlpha alpha) {
    if (y < 0 || y >= Height()) return;
    QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    forEachClippedRun(y, x, x + count, [row, pixels, x, alpha](int a, int b) {
        QRgb* to = row + a;
        const QRgb* from = pixels + (a - x);
        const auto n = static_cast<std::size_t>(b - a);
        if (alpha == SourceAlpha::Opaque) {
            std::memcpy(to, from, n * sizeof(QRgb));
            return;
        }
        // A plain copy is far faster than any loop that writes: the loop only reads, to see whether some
        // source pixel needs its alpha made opaque afterwards.
        QRgb all = kOpaqueAlpha;
        for (std::size_t i = 0; i < n; ++i) all &= from[i];
        std::memcpy(to, from, n * sizeof(QRgb));
        if (all != kOpaqueAlpha)
            for (std::size_t i = 0; i < n; ++i) to[i] |= kOpaqueAlpha;
    });
}

bool Canvas::copyWholeImage(const TRect& dest, const QImage& source) {
    // An image of 32-bit opaque pixels onto one of the same size and layout, unclipped: one block copy.
    if (!m_clipIsImage || source.format() != QImage::Format_RGB32) return false;
    if (dest != Rect(0, 0, Width(), Height()) || source.size() != m_image.size()) return false;
    if (source.bytesPerLine() != m_image.bytesPerLine()) return false;
    std::memcpy(m_image.bits(), source.constBits(), static_cast<std::size_t>(source.sizeInBytes()));
    return true;
}

void Canvas::transfer(const TRect& dest, const QImage& src, const TRect& srcRect, std::optional<TColor> key) {
    const TRect d = dest.Normalized();
    const TRect s = srcRect.Normalized();
    if (d.IsEmpty() || s.IsEmpty() || src.isNull()) return;
    const QImage source = isCanvasFormat(src.format()) ? src : src.convertToFormat(QImage::Format_RGB32);
    if (!key && d.Width() == s.Width() && d.Height() == s.Height()) {
        // Unstretched and unkeyed: row by row at memory speed, only the part of srcRect inside the source.
        if (s == Rect(0, 0, source.width(), source.height()) && copyWholeImage(d, source)) return;
        const TRect inside = s.Intersected(Rect(0, 0, source.width(), source.height()));
        if (inside.IsEmpty()) return;
        // Qt keeps every pixel of an RGB32 image opaque; only the formats with alpha need it set.
        const SourceAlpha alpha =
            source.format() == QImage::Format_RGB32 ? SourceAlpha::Opaque : SourceAlpha::Any;
        const int dx = d.Left - s.Left;
        const int dy = d.Top - s.Top;
        const int y0 = std::max({inside.Top + dy, clipTop(), 0});
        const int y1 = std::min({inside.Bottom + dy, clipBottom(), Height()});
        for (int y = y0; y < y1; ++y) {
            const auto* srcRow = reinterpret_cast<const QRgb*>(source.constScanLine(y - dy));
            copyRow(inside.Left + dx, y, srcRow + inside.Left, inside.Width(), alpha);
        }
        return;
    }
    const QRgb keyRgb = key ? (ToQRgb(*key) & kRgbMask) : 0;
    // Nearest neighbour. Enlarging repeats each source pixel; shrinking picks evenly spread pixels that
    // include both end pixels, so a stretched colour strip keeps its exact end colours.
    const auto mapAxis = [](int dst, int dstLen, int srcLen) {
        if (dstLen >= srcLen) return static_cast<int>(static_cast<std::int64_t>(dst) * srcLen / dstLen);
        if (dstLen == 1) return 0;
        return static_cast<int>((2 * static_cast<std::int64_t>(dst) * (srcLen - 1) + (dstLen - 1)) /
                                (2 * static_cast<std::int64_t>(dstLen - 1)));
    };
    // Source column of every destination column, worked out once.
    std::vector<int> columns(static_cast<std::size_t>(d.Width()));
    for (int i = 0; i < d.Width(); ++i)
        columns[static_cast<std::size_t>(i)] = s.Left + mapAxis(i, d.Width(), s.Width());
    const int y0 = std::max({d.Top, clipTop(), 0});
    const int y1 = std::min({d.Bottom, clipBottom(), Height()});
    for (int y = y0; y < y1; ++y) {
        const int sy = s.Top + mapAxis(y - d.Top, d.Height(), s.Height());
        if (sy < 0 || sy >= source.height()) continue;
        const auto* srcRow = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        forEachClippedRun(y, d.Left, d.Right, [&](int a, int b) {
            for (int x = a; x < b; ++x) {
                const int sx = columns[static_cast<std::size_t>(x - d.Left)];
                if (sx < 0 || sx >= source.width()) continue;
                const QRgb rgb = srcRow[sx] & kRgbMask;
                if (key && rgb == keyRgb) continue;
                row[x] = rgb | kOpaqueAlpha;
            }
        });
    }
}

void Canvas::Draw(int x, int y, const QImage& src) {
    transfer(Bounds(x, y, src.width(), src.height()), src, Rect(0, 0, src.width(), src.height()),
             std::nullopt);
}

void Canvas::CopyRect(const TRect& dest, const QImage& src, const TRect& srcRect) {
    transfer(dest, src, srcRect, std::nullopt);
}

void Canvas::StretchDraw(const TRect& dest, const QImage& src) {
    transfer(dest, src, Rect(0, 0, src.width(), src.height()), std::nullopt);
}

void Canvas::DrawTransparent(int x, int y, const QImage& src, TColor key) {
    transfer(Bounds(x, y, src.width(), src.height()), src, Rect(0, 0, src.width(), src.height()), key);
}

void Canvas::CopyRectTransparent(const TRect& dest, const QImage& src, const TRect& srcRect, TColor key) {
    transfer(dest, src, srcRect, key);
}

void Canvas::StampMask(int x, int y, const QImage& mask) {
    const Paint paint = brushPaint();
    const int y0 = std::max({y, clipTop(), 0});
    const int y1 = std::min({y + mask.height(), clipBottom(), Height()});
    for (int row = y0; row < y1; ++row) {
        const int my = row - y;
        int run = -1;
        for (int mx = 0; mx <= mask.width(); ++mx) {
            const bool black = mx < mask.width() && (mask.pixel(mx, my) & kRgbMask) == 0;
            if (black && run < 0) run = mx;
            if (!black && run >= 0) {
                fillSpan(row, x + run, x + mx, paint);
                run = -1;
            }
        }
    }
}

QImage ColorKeyedImage(const QImage& image, TColor key) {
    // Every pixel ends fully clear or fully opaque, the same in either layout of alpha; premultiplied is the
    // one Qt draws straight onto the screen, where it would otherwise convert the image on every paint.
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb keyRgb = ToQRgb(key) & kRgbMask;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = (row[x] & kRgbMask) == keyRgb ? 0u : (row[x] | kOpaqueAlpha);
    }
    return out;
}

// --- Clipping ---------------------------------------------------------------------------------------

void Canvas::setClip(const Region& region) {
    m_clip = region.Intersected(Rect(0, 0, Width(), Height()));
    // A clip holding the whole image, as when one saved with none is given back, draws as none does, on
    // the quicker paths that need no row lookups.
    const std::vector<Span>& whole = m_clip.Spans();
    if (static_cast<int>(whole.size()) == Height() &&
        std::all_of(whole.begin(), whole.end(),
                    [w = Width()](const Span& s) { return s.X0 == 0 && s.X1 == w; })) {
        m_clipIsImage = true;
        m_clip = Region();
        m_clipRowStart.clear();
        m_clipQRegion = QRegion();
        return;
    }
    m_clipIsImage = false;
    m_clipRowStart.assign(static_cast<std::size_t>(Height()) + 1, 0);
    const std::vector<Span>& spans = m_clip.Spans();
    std::size_t i = 0;
    for (int y = 0; y <= Height(); ++y) {
        while (i < spans.size() && spans[i].Y < y) ++i;
        m_clipRowStart[static_cast<std::size_t>(y)] = i;
    }
    m_clipQRegion = m_clip.ToQRegion();
    m_clipBounds = m_clip.BoundingRect();
}

void Canvas::SetClipRect(const TRect& rect) {
    const TRect r = rect.Normalized().Intersected(Rect(0, 0, Width(), Height()));
    setClip(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
}

void Canvas::IntersectClipRect(const TRect& rect) {
    // Without a clip the result is the rectangle on the image: the whole image's region is not built to
    // be cut down, as text drawing does this for every line it clips.
    if (m_clipIsImage)
        SetClipRect(rect);
    else
        setClip(m_clip.Intersected(rect));
}

void Canvas::SelectClipRgn(const Region& region) {
    setClip(region);
}

void Canvas::SelectClipPath() {
    if (!m_path) return;
    const QPainterPath path = *m_path;
    m_path.reset();
    setClip(Region::FromSpans(OutlineSpans(outlinesOf(path), fillModeOf(path), 0, Height())));
}

Region Canvas::ClipRegion() const {
    return m_clipIsImage ? CreateRectRgn(0, 0, Width(), Height()) : m_clip;
}

void Canvas::ResetClip() {
    m_clipIsImage = true;
    m_clip = Region();
    m_clipRowStart.clear();
    m_clipQRegion = QRegion();
}

// --- Text -------------------------------------------------------------------------------------------

int Canvas::advance(const QFontMetrics& metrics, const QString& text) const {
    return KeptPerFont<int>(m_font, text, [&] { return metrics.horizontalAdvance(text); });
}

TPoint Canvas::TextExtent(const QString& text) const {
    const QFontMetrics metrics(m_font.ToQFont());
    return {advance(metrics, text), metrics.ascent() + metrics.descent()};
}

TTextMetric Canvas::GetTextMetrics() const {
    return KeptPerFont<TTextMetric>(m_font, QString(), [&] {
        const QFont font = m_font.ToQFont();
        const QFontMetrics metrics(font);
        const QFontInfo info(font);
        TTextMetric tm;
        tm.tmAscent = metrics.ascent();
        tm.tmDescent = metrics.descent();
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
        tm.tmInternalLeading = std::max(0, tm.tmHeight - info.pixelSize());
        tm.tmExternalLeading = std::max(0, metrics.leading());
        tm.tmAveCharWidth = metrics.averageCharWidth();
        tm.tmMaxCharWidth = metrics.maxWidth();
        if (QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()))
            tm.tmPitchAndFamily |= TMPF_TRUETYPE;
        return tm;
    });
}

void Canvas::drawTextLine(int x, int y, const QString& text, int escapement, int underlineIndex) {
    if (text.isEmpty()) return;
    const QFont font = m_font.ToQFont();
    const QFontMetrics metrics(font);
    const QTransform transform = textTransform(x, y, escapement);
    if (m_recordingPath) {
        QPainterPath glyphs;
        glyphs.addText(QPointF(0, metrics.ascent()), font, text);
        m_path->addPath(transform.map(glyphs));
        return;
    }
    const int width = advance(metrics, text);
    const int cellHeight = metrics.ascent() + metrics.descent();
    if (m_bkMode == BackgroundMode::Opaque) {
        if (escapement % 3600 == 0) {
            fillRectPaint(Bounds(x, y, width, cellHeight), solidPaint(m_backgroundColor));
        } else {
            const QPolygonF cell = transform.map(QPolygonF(QRectF(0, 0, width, cellHeight)));
            fillSpans(OutlineSpans({std::vector<QPointF>(cell.begin(), cell.end())}, FillMode::Winding,
                                   clipTop(), clipBottom()),
                      solidPaint(m_backgroundColor));
        }
    }
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (!m_clipIsImage) painter.setClipRegion(m_clipQRegion);
    painter.setTransform(transform);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(ToQRgb(m_font.Color())));
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.end();
    if (underlineIndex >= 0 && underlineIndex < text.size()) {
        // The accelerator's underline: under its character, where the font puts underlines.
        const int from = metrics.horizontalAdvance(text.left(underlineIndex));
        const int width = metrics.horizontalAdvance(text.at(underlineIndex));
        const int top = y + metrics.ascent() + metrics.underlinePos();
        fillRectPaint(Bounds(x + from, top, width, std::max(1, metrics.lineWidth())),
                      solidPaint(m_font.Color()));
    }
}

void Canvas::TextOut(int x, int y, const QString& text) {
    drawTextLine(x, y, text, m_font.Escapement(), -1);
}

int Canvas::DrawText(const QString& text, TRect& rect, unsigned flags) {
    const QFontMetrics metrics(m_font.ToQFont());
    const TextLayout layout = LayOutText(text, rect, flags,
                                         {metrics.ascent() + metrics.descent(), metrics.averageCharWidth(),
                                          [&](const QString& piece) { return advance(metrics, piece); }});
    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + layout.width;
        rect.Bottom = rect.Top + layout.height;
        return layout.height;
    }
    const bool clipped = !(flags & DT_NOCLIP);
    const bool hadClip = !m_clipIsImage;
    const Region savedClip = hadClip ? m_clip : Region();
    if (clipped) IntersectClipRect(rect);
    for (const TextRun& run : layout.runs) drawTextLine(run.x, run.y, run.text, 0, run.underline);
    if (clipped) {
        if (hadClip)
            setClip(savedClip);
        else
            ResetClip();
    }
    return layout.drawnHeight;
}

// --- Paths ------------------------------------------------------------------------------------------

void Canvas::BeginPath() {
    m_path = QPainterPath();
    m_path->setFillRule(Qt::WindingFill);
    m_recordingPath = true;
}

void Canvas::EndPath() {
    m_recordingPath = false;
}

void Canvas::StrokePath() {
    if (!m_path) return;
    const QPainterPath path = *m_path;
    m_path.reset();
    if (m_pen.Style == PenStyle::Clear) return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_clipIsImage) painter.setClipRegion(m_clipQRegion);
    QPen pen(QColor::fromRgb(ToQRgb(m_pen.Color)));
    pen.setWidth(std::max(m_pen.Width, 1));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    if (m_pen.Style == PenStyle::Dash) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}
