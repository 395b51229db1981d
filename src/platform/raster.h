#pragma once

#include "platform/geometry.h"
#include "platform/region.h"

#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

// Keeps products of coordinates well inside 128 bits however wild the input.
constexpr int kCoordLimit = 1 << 28;

// The integer scanline rasterisers behind the canvas and the regions. A pixel belongs to an ellipse, a
// rounded rectangle or a text outline when its centre lies inside, to a polygon when its integer point does;
// every function returns spans row by row, left to right, and computes only the rows
// in [rowBegin, rowEnd), so a shape far larger than the image costs no more than the image's rows.

// The ellipse inscribed in the box left .. right, top .. bottom (pixel edges, exclusive right and bottom).
// Symmetric about the box's centre in both directions. Empty when the box has no width or height.
std::vector<Span> EllipseSpans(const TRect& box, int rowBegin, int rowEnd);

// One row of EllipseSpans for a box already normalised: false when row y holds no pixel of the ellipse.
bool EllipseRow(const TRect& box, int y, int& x0, int& x1);

// EllipseRow for one box asked about many rows, with the box's own products worked out once.
class EllipseRows {
public:
    EllipseRows() = default;
    explicit EllipseRows(const TRect& box);

    // Inline, as callers ask it for hundreds of boxes on every row.
    bool Row(int y, int& x0, int& x1) const {
        const std::int64_t Y = std::int64_t(2) * y + 1 - m_box.Top - m_box.Bottom;
        if (m_w <= 0 || m_h <= 0 || Y < -m_h || Y > m_h) return false;
        std::int64_t xMax = 0;
        if (m_small) {
            // Largest xMax with xMax^2 * h^2 <= n: the floating-point root, corrected to the exact one.
            const std::int64_t n = m_ww * (m_hh - Y * Y);
            xMax = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n) * m_inverseHH));
            while (xMax > 0 && xMax * xMax * m_hh > n) --xMax;
            while ((xMax + 1) * (xMax + 1) * m_hh <= n) ++xMax;
        } else {
            xMax = wideHalfWidth(Y);
        }
        // Halved with shifts, which round towards minus infinity: the span is [ceil((c - xMax) / 2),
        // floor((c + xMax) / 2)].
        const std::int64_t c = static_cast<std::int64_t>(m_box.Left) + m_box.Right - 1;
        const std::int64_t lo = -((xMax - c) >> 1);
        const std::int64_t hi = (c + xMax) >> 1;
        if (lo > hi) return false;
        x0 = static_cast<int>(lo);
        x1 = static_cast<int>(hi) + 1;
        return true;
    }

private:
    // In 128 bits, for boxes from 32768 pixels on.
    std::int64_t wideHalfWidth(std::int64_t Y) const;

    TRect m_box;
    std::int64_t m_w = 0;
    std::int64_t m_h = 0;
    bool m_small = true;  // every product fits 64 bits
    std::int64_t m_hh = 0;
    std::int64_t m_ww = 0;
    double m_inverseHH = 0;
};

// A rectangle on the box whose corners are quarters of an ellipseWidth x ellipseHeight ellipse (both
// clamped to the box); a zero corner size gives the plain rectangle.
std::vector<Span> RoundRectSpans(const TRect& box, int ellipseWidth, int ellipseHeight, int rowBegin,
                                 int rowEnd);

// The pixels whose integer point (x, y) lies inside a closed polygon with integer vertices; points on a left
// or top edge are in, on a right or bottom edge out. Exact integer arithmetic.
std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, FillMode mode, int rowBegin, int rowEnd);

// The rows of PolygonSpans for a convex polygon of up to four corners, which has at most one span per row,
// for callers that resolve many shapes row by row: no allocation, and each edge's column is carried over
// from the row asked before, so consecutive rows cost no division.
class ConvexPolygonRows {
public:
    static constexpr std::size_t kMaxCorners = 4;

    ConvexPolygonRows() = default;
    ConvexPolygonRows(const TPoint* points, std::size_t count);

    // False when row y is empty. Inline, as callers ask it for hundreds of polygons on every row.
    bool Row(int y, int& x0, int& x1) {
        std::int64_t left = 0;
        std::int64_t right = 0;
        int crossings = 0;
        for (std::size_t i = 0; i < m_count; ++i) {
            Edge& edge = m_edges[i];
            if (y < edge.lo.Y || y >= edge.hi.Y) continue;
            const std::int64_t col = columnOf(edge, y);
            left = crossings == 0 ? col : std::min(left, col);
            right = crossings == 0 ? col : std::max(right, col);
            ++crossings;
        }
        if (crossings < 2 || right <= left) return false;
        x0 = static_cast<int>(left);
        x1 = static_cast<int>(right);
        return true;
    }

private:
    // A non-horizontal edge, lo above hi, with its column on the row last asked.
    struct Edge {
        TPoint lo;
        TPoint hi;
        std::int64_t dy = 1;
        std::int64_t whole = 0;  // the column moves by whole + part / dy per row
        std::int64_t part = 0;
        bool known = false;
        int row = 0;
        std::int64_t column = 0;
        std::int64_t shortfall = 0;  // column * dy minus the exact crossing times dy, in [0, dy)
    };
    static std::int64_t columnOf(Edge& edge, int y) {
        if (edge.known && y == edge.row + 1) {
            // One row down the exact crossing moves by whole + part / dy; without a branch, as which way it
            // goes changes from row to row.
            edge.shortfall -= edge.part;
            const std::int64_t borrow = edge.shortfall < 0 ? 1 : 0;
            edge.shortfall += borrow * edge.dy;
            edge.column += edge.whole + borrow;
        } else if (!edge.known || y != edge.row) {
            placeEdge(edge, y);
        }
        edge.known = true;
        edge.row = y;
        return std::clamp<std::int64_t>(edge.column, -kCoordLimit, kCoordLimit);
    }
    // Works the edge's column on row y out anew, with a division.
    static void placeEdge(Edge& edge, int y);

    std::array<Edge, kMaxCorners> m_edges{};
    std::size_t m_count = 0;
};

// The same for several closed outlines with fractional vertices (text paths).
std::vector<Span> OutlineSpans(const std::vector<std::vector<QPointF>>& outlines, FillMode mode, int rowBegin,
                               int rowEnd);

// The pixels of a Bresenham line from `from` towards `to`, without `to` itself.
std::vector<TPoint> LinePoints(TPoint from, TPoint to);
