#pragma once

#include "platform/geometry.h"

#include <QRegion>
#include <vector>

// How a polygon's self-overlapping parts are filled.
enum class FillMode { Alternate, Winding };

// One row of covered pixels: X0 .. X1 - 1 on row Y.
struct Span {
    int Y = 0;
    int X0 = 0;
    int X1 = 0;

    friend constexpr bool operator==(Span, Span) = default;
};

// A set of pixels kept as spans sorted by row, then by column, never overlapping or touching on a row.
// Used as the canvas's clip and, through ToQRegion, as a widget's mask.
class Region {
public:
    Region() = default;
    // Takes spans in any order; overlapping or touching spans of a row are merged, empty ones dropped.
    static Region FromSpans(std::vector<Span> spans);

    bool IsEmpty() const { return m_spans.empty(); }
    bool Contains(TPoint p) const;
    // The smallest rectangle holding every pixel (empty rectangle for an empty region).
    TRect BoundingRect() const;
    const std::vector<Span>& Spans() const { return m_spans; }

    Region Offset(int dx, int dy) const;
    Region Intersected(const Region& other) const;
    Region Intersected(const TRect& rect) const;
    Region United(const Region& other) const;

    QRegion ToQRegion() const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Span> m_spans;
};

// The region constructors. Reversed corners are normalised.
// Covers left .. right - 1 by top .. bottom - 1.
Region CreateRectRgn(int left, int top, int right, int bottom);
// The ellipse inscribed in the box, one column and one row smaller than an Ellipse drawn on that box: the
// pixels an outline-less Ellipse there covers.
Region CreateEllipticRgn(int left, int top, int right, int bottom);
// A rectangle with corners rounded by ellipses of ellipseWidth x ellipseHeight, one column and one row
// smaller than a RoundRect drawn on that box.
Region CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
// Pixels whose integer point lies inside the polygon, left and top edges in, right and bottom out.
Region CreatePolygonRgn(const std::vector<TPoint>& points, FillMode mode);
