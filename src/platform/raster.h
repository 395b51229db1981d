#pragma once

#include "platform/geometry.h"
#include "platform/region.h"

#include <QPointF>
#include <vector>

// The integer scanline rasterisers behind the canvas and the regions. A pixel belongs to an ellipse, a
// rounded rectangle or a text outline when its centre lies inside, to a polygon when its integer point does;
// every function returns spans row by row, left to right, and computes only the rows
// in [rowBegin, rowEnd), so a shape far larger than the image costs no more than the image's rows.

// The ellipse inscribed in the box left .. right, top .. bottom (pixel edges, exclusive right and bottom).
// Symmetric about the box's centre in both directions. Empty when the box has no width or height.
std::vector<Span> EllipseSpans(const TRect& box, int rowBegin, int rowEnd);

// A rectangle on the box whose corners are quarters of an ellipseWidth x ellipseHeight ellipse (both
// clamped to the box); a zero corner size gives the plain rectangle.
std::vector<Span> RoundRectSpans(const TRect& box, int ellipseWidth, int ellipseHeight, int rowBegin,
                                 int rowEnd);

// The pixels whose integer point (x, y) lies inside a closed polygon with integer vertices; points on a left
// or top edge are in, on a right or bottom edge out. Exact integer arithmetic.
std::vector<Span> PolygonSpans(const std::vector<TPoint>& points, FillMode mode, int rowBegin, int rowEnd);

// The same for several closed outlines with fractional vertices (text paths).
std::vector<Span> OutlineSpans(const std::vector<std::vector<QPointF>>& outlines, FillMode mode, int rowBegin,
                               int rowEnd);

// The pixels of a Bresenham line from `from` towards `to`, without `to` itself.
std::vector<TPoint> LinePoints(TPoint from, TPoint to);
