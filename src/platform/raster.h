#pragma once

#include "platform/geometry.h"
#include "platform/region.h"

#include <QPointF>
#include <array>
#include <cstdint>
#include <vector>

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

    bool Row(int y, int& x0, int& x1) const;

private:
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

    // False when row y is empty.
    bool Row(int y, int& x0, int& x1);

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
    static std::int64_t columnOf(Edge& edge, int y);

    std::array<Edge, kMaxCorners> m_edges{};
    std::size_t m_count = 0;
};

// The same for several closed outlines with fractional vertices (text paths).
std::vector<Span> OutlineSpans(const std::vector<std::vector<QPointF>>& outlines, FillMode mode, int rowBegin,
                               int rowEnd);

// The pixels of a Bresenham line from `from` towards `to`, without `to` itself.
std::vector<TPoint> LinePoints(TPoint from, TPoint to);
