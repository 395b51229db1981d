#pragma once

#include <cstddef>
#include <vector>

#include "platform/geometry.h"

// The rows of many polygons of one kind, a parallelogram with a horizontal top and bottom edge, asked about
// the same row at once. On each of its rows such a polygon covers [c, c + width), c being where its left
// edge crosses, so every polygon's span follows from one edge carried from row to row in integers: one loop
// without branches over all of them, which the compiler turns into vector code. The spans are exactly those
// of PolygonSpans.
class ShearedBandRows {
public:
    // A polygon's rows [top, bottom) and its left edge: on row y it crosses at
    // (topX * dy + (y - top) * (whole * dy + part)) / dy, part in [0, dy), and the span is `width` columns
    // wide from the first column at or right of that.
    struct Band {
        int top;
        int bottom;
        int topX;
        int dy;
        int whole;
        int part;
        int width;
    };
    // Whether the polygon is such a parallelogram (or flat), with coordinates small enough for ints; if so,
    // its band.
    static bool Describe(const TPoint* points, std::size_t count, Band& band);
    void Reserve(std::size_t count);
    bool Empty() const { return m_top.empty(); }
    void Add(const Band& band);

    // Columns [x0[i], x1[i]) of row y for the polygons [first, added), clamped to [left, right) and counted
    // from left; x0[i] >= x1[i] where row y misses polygon i. The edges are carried on from the row asked
    // before when y follows it and no polygon from first on was left out then, worked out anew otherwise.
    void Row(int y, std::size_t first, int left, int right, int* x0, int* x1);

private:
    void place(int y, std::size_t first);

    // Per polygon: the rows [top, bottom), the left edge from (topX, top) moving by whole + part / dy
    // columns per row, and the span's width.
    std::vector<int> m_top;
    std::vector<int> m_bottom;
    std::vector<int> m_topX;
    std::vector<int> m_dy;
    std::vector<int> m_whole;
    std::vector<int> m_part;
    std::vector<int> m_width;
    // The left edge's column on the nearest of the polygon's own rows to the row last asked, and that
    // column times dy minus the exact crossing times dy, in [0, dy).
    std::vector<int> m_column;
    std::vector<int> m_shortfall;
    bool m_known = false;
    int m_row = 0;
    std::size_t m_first = 0;
};
