#pragma once

#include <cstddef>
#include <vector>

#include "platform/geometry.h"

// EllipseRows for many boxes asked about the same row at once: loops without branches over the boxes'
// products, which the compiler turns into vector code. A root in single precision settles almost every box;
// where one lies too near a whole number to tell, the row is worked out again in doubles, where every product
// stays an integer below 2^53, so the result is that of EllipseRow to the pixel.
class EllipseRowBatch {
public:
    // Whether a normalised, non-empty box is small enough for exact doubles; larger boxes take EllipseRows.
    static bool Fits(const TRect& box);
    void Reserve(std::size_t count);
    void Add(const TRect& box);

    // Columns [x0[i], x1[i]) of row y for the boxes [first, last), clamped to [left, right) and counted from
    // left; x0[i] >= x1[i] where row y misses box i. x0 and x1 hold last - first entries.
    void Row(int y, std::size_t first, std::size_t last, int left, int right, int* x0, int* x1) const;
    // Row's x1 alone, for boxes [first, last) about one centre, whose starts mirror their ends.
    void RowEnds(int y, std::size_t first, std::size_t last, int left, int right, int* x1) const;

private:
    // Whether some root lay too near a whole number to be sure of its floor.
    bool singleRow(int y, std::size_t first, std::size_t last, int left, int right, int* x0, int* x1) const;
    void exactRow(int y, std::size_t first, std::size_t last, int left, int right, int* x0, int* x1) const;
    bool singleEnds(int y, std::size_t first, std::size_t last, int left, int right, int* x1) const;
    void exactEnds(int y, std::size_t first, std::size_t last, int left, int right, int* x1) const;

    std::vector<float> m_ratio;  // w^2 / h^2
    std::vector<int> m_h;
    std::vector<int> m_hhInt;
    std::vector<double> m_ww;
    std::vector<double> m_hh;
    std::vector<double> m_inverseHH;
    std::vector<int> m_centre;  // left + right - 1: twice the centre column in pixel units
    std::vector<int> m_rowSum;  // top + bottom
};
