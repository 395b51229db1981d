#include "platform/raster.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/intmath.h"

namespace {

__extension__ using Wide = __int128;

int clampCoord(int v) {
    return std::clamp(v, -kCoordLimit, kCoordLimit);
}

// Largest r with r * r <= v.
std::int64_t isqrt(std::uint64_t v) {
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
    while (r > 0 && static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(r) > v) --r;
    while (static_cast<std::uint64_t>(r + 1) * static_cast<std::uint64_t>(r + 1) <= v) ++r;
    return r;
}

// The first column at or right of the edge lo -> hi on row y, exactly (lo above hi): a point on a left edge
// is in, one on a right edge out.
std::int64_t edgeColumn(TPoint lo, TPoint hi, int y) {
    const std::int64_t dy = static_cast<std::int64_t>(hi.Y) - lo.Y;
    const std::int64_t num = static_cast<std::int64_t>(lo.X) * dy +
                             (static_cast<std::int64_t>(y) - lo.Y) * (static_cast<std::int64_t>(hi.X) - lo.X);
    return CeilDiv(num, dy);
}

TRect clampedBox(const TRect& box) {
    const TRect b = box.Normalized();
    return {clampCoord(b.Left), clampCoord(b.Top), clampCoord(b.Right), clampCoord(b.Bottom)};
}

struct Crossing {
    double x;
    int direction;
};

// Turns the sorted crossings of one row into spans by the fill rule. Crossing x values are already the
// first pixel column at or right of the edge.
void emitRow(std::vector<Crossing>& crossings, FillMode mode, int y, std::vector<Span>& out) {
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += mode == FillMode::Alternate ? 1 : crossings[i].direction;
        const bool inside = mode == FillMode::Alternate ? (winding % 2) != 0 : winding != 0;
        const int x0 = static_cast<int>(crossings[i].x);
        const int x1 = static_cast<int>(crossings[i + 1].x);
        if (!inside || x1 <= x0) continue;
        if (!out.empty() && out.back().Y == y && out.back().X1 >= x0)
            out.back().X1 = std::max(out.back().X1, x1);
        else
            out.push_back({y, x0, x1});
    }
}

}  // namespace

// In doubled coordinates a pixel x sits at X = 2x + 1 - left - right and row y at Y = 2y + 1 - top - bottom;
// it is inside when X^2 * h^2 + Y^2 * w^2 <= w^2 * h^2.
bool EllipseRow(const TRect& box, int y, int& x0, int& x1) {
    return EllipseRows(box).Row(y, x0, x1);
}

EllipseRows::EllipseRows(const TRect& box)
    : m_box(box), m_w(std::int64_t(box.Right) - box.Left), m_h(std::int64_t(box.Bottom) - box.Top) {
    constexpr std::int64_t kSmall = std::int64_t(1) << 15;
    m_small = m_w < kSmall && m_h < kSmall;
    m_hh = m_h * m_h;
    m_ww = m_w * m_w;
    if (m_hh > 0) m_inverseHH = 1.0 / static_cast<double>(m_hh);
}

std::int64_t EllipseRows::wideHalfWidth(std::int64_t Y) const {
    const Wide rem = Wide(m_w) * m_w * m_h * m_h - Wide(Y) * Y * m_w * m_w;
    return isqrt(static_cast<std::uint64_t>(rem / (Wide(m_h) * m_h)));
}

ConvexPolygonRows::ConvexPolygonRows(const TPoint* points, std::size_t count) {
    assert(count <= kMaxCorners);
    for (std::size_t i = 0; i < count; ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % count];
        if (a.Y == b.Y) continue;
        Edge& edge = m_edges[m_count++];
        edge.lo = a.Y < b.Y ? a : b;
        edge.hi = a.Y < b.Y ? b : a;
        edge.dy = static_cast<std::int64_t>(edge.hi.Y) - edge.lo.Y;
        const std::int64_t dx = static_cast<std::int64_t>(edge.hi.X) - edge.lo.X;
        edge.whole = FloorDiv(dx, edge.dy);
        edge.part = dx - edge.whole * edge.dy;
    }
}

void ConvexPolygonRows::placeEdge(Edge& edge, int y) {
    edge.column = edgeColumn(edge.lo, edge.hi, y);
    edge.shortfall = edge.column * edge.dy - (static_cast<std::int64_t>(edge.lo.X) * edge.dy +
                                              (static_cast<std::int64_t>(y) - edge.lo.Y) *
                                                  (static_cast<std::int64_t>(edge.hi.X) - edge.lo.X));
}

std::vector<Span> EllipseSpans(const TRect& box, int rowBegin, int rowEnd) {
    const TRect b = clampedBox(box);
    std::vector<Span> spans;
    if (b.IsEmpty()) return spans;
    const EllipseRows rows(b);
    const int y0 = std::max(b.Top, rowBegin);
    const int y1 = std::min(b.Bottom, rowEnd);
    for (int y = y0; y < y1; ++y) {
        int x0 = 0;
        int x1 = 0;
        if (rows.Row(y, x0, x1)) spans.push_back({y, x0, x1});
    }
    return spans;
}

std::vector<Span> RoundRectSpans(const TRect& box, int ellipseWidth, int ellipseHeight, int rowBegin,
                                 int rowEnd) {
    const TRect b = clampedBox(box);
    std::vector<Span> spans;
    if (b.IsEmpty()) return spans;
    const int ew = std::clamp(std::abs(ellipseWidth), 0, b.Width());
    const int eh = std::clamp(std::abs(ellipseHeight), 0, b.Height());
    const TRect corner = Bounds(b.Left, b.Top, ew, eh);
    const int y0 = std::max(b.Top, rowBegin);
    const int y1 = std::min(b.Bottom, rowEnd);
    for (int y = y0; y < y1; ++y) {
        // Distance from the nearer of top and bottom; the bottom corners mirror the top ones.
        const int d = std::min(y - b.Top, b.Bottom - 1 - y);
        int left = b.Left;
        if (ew > 0 && d < eh / 2) {
            int x0 = 0;
            int x1 = 0;
            left = EllipseRow(corner, b.Top + d, x0, x1) ? x0 : b.Left + ew / 2;
        }
        const int right = b.Left + b.Right - left;
        if (right > left) spans.push_back({y, left, right});
    }
    return spans;
}

std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, FillMode mode, int rowBegin, int rowEnd) {
    std::vector<Span> spans;
    if (points.size() < 3) return spans;
    int top = points.front().Y;
    int bottom = top;
    for (const TPoint& p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    const int y0 = std::max(top, rowBegin);
    const int y1 = std::min(bottom, rowEnd);
    std::vector<Crossing> crossings;
    for (int y = y0; y < y1; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPoint a = points[i];
            const TPoint b = points[(i + 1) % points.size()];
            if (a.Y == b.Y) continue;
            const TPoint lo = a.Y < b.Y ? a : b;
            const TPoint hi = a.Y < b.Y ? b : a;
            // Half-open in y: a row through the upper vertex counts, one through the lower does not, so a
            // top edge is in and a bottom edge out.
            if (y < lo.Y || y >= hi.Y) continue;
            const std::int64_t col = edgeColumn(lo, hi, y);
            crossings.push_back(
                {static_cast<double>(std::clamp<std::int64_t>(col, -kCoordLimit, kCoordLimit)),
                 a.Y < b.Y ? 1 : -1});
        }
        emitRow(crossings, mode, y, spans);
    }
    return spans;
}

std::vector<Span> OutlineSpans(const std::vector<std::vector<QPointF>>& outlines, FillMode mode, int rowBegin,
                               int rowEnd) {
    std::vector<Span> spans;
    double top = 0;
    double bottom = 0;
    bool any = false;
    for (const auto& outline : outlines)
        for (const QPointF& p : outline) {
            top = any ? std::min(top, p.y()) : p.y();
            bottom = any ? std::max(bottom, p.y()) : p.y();
            any = true;
        }
    if (!any) return spans;
    const int y0 = std::max(static_cast<int>(std::floor(top)), rowBegin);
    const int y1 = std::min(static_cast<int>(std::ceil(bottom)) + 1, rowEnd);
    std::vector<Crossing> crossings;
    for (int y = y0; y < y1; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (const auto& outline : outlines) {
            for (std::size_t i = 0; i < outline.size(); ++i) {
                const QPointF a = outline[i];
                const QPointF b = outline[(i + 1) % outline.size()];
                if (a.y() == b.y()) continue;
                const QPointF lo = a.y() < b.y() ? a : b;
                const QPointF hi = a.y() < b.y() ? b : a;
                if (yc < lo.y() || yc >= hi.y()) continue;
                const double x = lo.x() + (yc - lo.y()) * (hi.x() - lo.x()) / (hi.y() - lo.y());
                crossings.push_back(
                    {std::clamp(std::ceil(x - 0.5), double(-kCoordLimit), double(kCoordLimit)),
                     a.y() < b.y() ? 1 : -1});
            }
        }
        emitRow(crossings, mode, y, spans);
    }
    return spans;
}

std::vector<TPoint> LinePoints(TPoint from, TPoint to) {
    std::vector<TPoint> points;
    const int dx = std::abs(to.X - from.X);
    const int dy = std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    const int steps = std::max(dx, dy);
    points.reserve(static_cast<std::size_t>(steps));
    int x = from.X;
    int y = from.Y;
    // Error term of the classic integer line: the major axis steps every time, the minor one when due.
    int err = (dx > dy ? dx : -dy) / 2;
    for (int i = 0; i < steps; ++i) {
        points.push_back({x, y});
        const int e = err;
        if (e > -dx) {
            err -= dy;
            x += sx;
        }
        if (e < dy) {
            err += dx;
            y += sy;
        }
    }
    return points;
}
