#include "buttongrid/shearedbandrows.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/vectorclones.h"
#include "platform/intmath.h"

namespace {

// Columns, widths and remainders stay far inside an int for coordinates up to this.
constexpr int kSmallCoord = 1 << 26;

// A non-horizontal edge as the column at its top and at its bottom.
struct Edge {
    int top;
    int bottom;
    int topX;
    int bottomX;
};

// The two non-horizontal edges, left one first; false when the polygon has another number of them, they
// span different rows or are not parallel. A flat polygon gives two empty edges.
bool slantedEdges(const TPoint* points, std::size_t count, Edge& left, Edge& right) {
    Edge edges[2]{};
    std::size_t found = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const TPoint a = points[i];
        const TPoint b = points[i + 1 == count ? 0 : i + 1];
        if (std::abs(a.X) > kSmallCoord || std::abs(a.Y) > kSmallCoord) return false;
        if (a.Y == b.Y) continue;
        if (found == 2) return false;
        const TPoint lo = a.Y < b.Y ? a : b;
        const TPoint hi = a.Y < b.Y ? b : a;
        edges[found++] = {lo.Y, hi.Y, lo.X, hi.X};
    }
    if (found == 0) return true;
    if (found != 2) return false;
    left = edges[0].topX <= edges[1].topX ? edges[0] : edges[1];
    right = edges[0].topX <= edges[1].topX ? edges[1] : edges[0];
    return left.top == right.top && left.bottom == right.bottom &&
           right.topX - left.topX == right.bottomX - left.bottomX;
}

}  // namespace

bool ShearedBandRows::Describe(const TPoint* points, std::size_t count, Band& band) {
    Edge left{};
    Edge right{};
    if (!slantedEdges(points, count, left, right)) return false;
    // A flat polygon has no rows; its one row of edge keeps the arithmetic away from dividing by zero.
    const int dy = std::max(left.bottom - left.top, 1);
    const int dx = left.bottomX - left.topX;
    const int whole = FloorDiv(dx, dy);
    band = Band{left.top, left.bottom, left.topX, dy, whole, dx - whole * dy, right.topX - left.topX};
    return true;
}

void ShearedBandRows::Reserve(std::size_t count) {
    for (std::vector<int>* v :
         {&m_top, &m_bottom, &m_topX, &m_dy, &m_whole, &m_part, &m_width, &m_column, &m_shortfall})
        v->reserve(count);
}

void ShearedBandRows::Add(const Band& band) {
    m_top.push_back(band.top);
    m_bottom.push_back(band.bottom);
    m_topX.push_back(band.topX);
    m_dy.push_back(band.dy);
    m_whole.push_back(band.whole);
    m_part.push_back(band.part);
    m_width.push_back(band.width);
    m_column.push_back(0);
    m_shortfall.push_back(0);
    m_known = false;
}

void ShearedBandRows::place(int y, std::size_t first) {
    for (std::size_t i = first; i < m_top.size(); ++i) {
        // A point on a left edge is in: the first column at or right of the crossing.
        const std::int64_t row = std::clamp(y, m_top[i], std::max(m_bottom[i] - 1, m_top[i]));
        const std::int64_t dy = m_dy[i];
        const std::int64_t crossing =
            std::int64_t(m_topX[i]) * dy + (row - m_top[i]) * (std::int64_t(m_whole[i]) * dy + m_part[i]);
        const std::int64_t column = -FloorDiv(-crossing, dy);
        m_column[i] = static_cast<int>(column);
        m_shortfall[i] = static_cast<int>(column * dy - crossing);
    }
}

MOXEL_VECTOR_CLONES void ShearedBandRows::Row(int y, std::size_t first, int left, int right, int* x0,
                                              int* x1) {
    const bool follows = m_known && y - 1 == m_row && first >= m_first;
    if (!follows && !(m_known && y == m_row && first >= m_first)) place(y, first);
    const std::size_t count = m_top.size() - first;
    const int* top = m_top.data() + first;
    const int* bottom = m_bottom.data() + first;
    const int* dy = m_dy.data() + first;
    const int* whole = m_whole.data() + first;
    const int* part = m_part.data() + first;
    const int* width = m_width.data() + first;
    int* column = m_column.data() + first;
    int* shortfall = m_shortfall.data() + first;
    // Masks of all ones or zeros in place of branches. The edge moves on only while the new row is one of
    // the polygon's own, so the carried column stays that of its nearest row.
    const int moves = follows ? -1 : 0;
    // The arrays never overlap.
#pragma GCC ivdep
    for (std::size_t i = 0; i < count; ++i) {
        const int step = moves & -static_cast<int>(top[i] < y) & -static_cast<int>(y < bottom[i]);
        const int s = shortfall[i] - (part[i] & step);
        const int borrow = s >> 31;
        shortfall[i] = s + (dy[i] & borrow);
        const int c = column[i] + (whole[i] & step) - borrow;
        column[i] = c;
        const int inside = -static_cast<int>(top[i] <= y) & -static_cast<int>(y < bottom[i]);
        const int a = c > left ? c : left;
        const int b = c + width[i] < right ? c + width[i] : right;
        x0[i] = (a - left) & inside;
        x1[i] = (b - left) & inside;
    }
    m_known = true;
    m_row = y;
    m_first = first;
}
