#include "buttongrid/ellipserowbatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/vectorclones.h"
#include "platform/raster.h"

namespace {

// (w + 1)^2 * h^2 stays below 2^53 for sides under this.
constexpr int kExactSide = 1 << 13;
constexpr double kNudge = 1.0 / (1 << 20);
// A single-precision root here is within 2.5 units of 2^-24 of its own size from the true one (the ratio, the
// difference and the product each rounded once, then the root); four times as far from a whole number, its
// floor is that of the true root.
constexpr float kSingleMargin = 1.0f / (1 << 21);

// The half-width (doubled) of a row's span from the single-precision root of ratio * t, where t = h^2 - Y^2,
// or 0 off the box's rows. unsure is set where the root lies too near a whole number to tell its floor: a
// root of 0 among them, so rows off the box are left to the exact half-width.
inline int quickHalf(float ratio, int t, int& unsure) {
    const float root = std::sqrt(ratio * static_cast<float>(t > 0 ? t : 0));
    const int half = static_cast<int>(root);
    const float fraction = root - static_cast<float>(half);
    const float margin = root * kSingleMargin;
    unsure |= (fraction <= margin) | (1.0f - fraction <= margin);
    return half;
}

// In doubled coordinates a pixel is inside when X^2 * h^2 <= n = w^2 * (h^2 - Y^2); the largest such |X| is
// the floating-point root, put right by one comparison. Off the box's rows n < 0, which gives -1 and an empty
// span.
inline int exactHalf(double ww, double hh, double inverseHH, double Y) {
    const double n = ww * (hh - Y * Y);
    // The root is within 2^-30 of the true one, so nudged up it is never one short: only one too many is
    // left to put right.
    double xMax = static_cast<int>(std::sqrt(std::max(n, 0.0) * inverseHH) + kNudge);
    xMax -= xMax * xMax * hh > n ? 1.0 : 0.0;
    return static_cast<int>(xMax);
}

// The columns within [left, right) of a row's span of half-width half (doubled) about centre (doubled),
// counted from left. Halved with shifts, which round towards minus infinity: [ceil((c - half) / 2),
// floor((c + half) / 2)].
inline int spanEnd(int half, int centre, int left, int right) {
    const int hi = ((centre + half) >> 1) + 1;
    return (hi < right ? hi : right) - left;
}
inline void placeSpan(int half, int centre, int left, int right, int& x0, int& x1) {
    const int lo = -((half - centre) >> 1);
    x0 = (lo > left ? lo : left) - left;
    x1 = spanEnd(half, centre, left, right);
}

}  // namespace

bool EllipseRowBatch::Fits(const TRect& box) {
    // The sums of the box's edges must fit an int as well.
    return box.Width() < kExactSide && box.Height() < kExactSide && std::abs(box.Left) <= kCoordLimit &&
           std::abs(box.Top) <= kCoordLimit;
}

void EllipseRowBatch::Reserve(std::size_t count) {
    m_ratio.reserve(count);
    m_h.reserve(count);
    m_hhInt.reserve(count);
    m_ww.reserve(count);
    m_hh.reserve(count);
    m_inverseHH.reserve(count);
    m_centre.reserve(count);
    m_rowSum.reserve(count);
}

void EllipseRowBatch::Add(const TRect& box) {
    const double w = box.Width();
    const double h = box.Height();
    m_ratio.push_back(static_cast<float>((w * w) / (h * h)));
    m_h.push_back(box.Height());
    m_hhInt.push_back(box.Height() * box.Height());
    m_ww.push_back(w * w);
    m_hh.push_back(h * h);
    m_inverseHH.push_back(1.0 / (h * h));
    m_centre.push_back(box.Left + box.Right - 1);
    m_rowSum.push_back(box.Top + box.Bottom);
}

void EllipseRowBatch::Row(int y, std::size_t first, std::size_t last, int left, int right, int* x0,
                          int* x1) const {
    if (singleRow(y, first, last, left, right, x0, x1)) exactRow(y, first, last, left, right, x0, x1);
}

MOXEL_VECTOR_CLONES bool EllipseRowBatch::singleRow(int y, std::size_t first, std::size_t last, int left,
                                                    int right, int* x0, int* x1) const {
    // Further out the doubled row below would overflow; no box that fits reaches there anyway.
    if (y < -kCoordLimit || y > kCoordLimit) return true;
    const float* ratio = m_ratio.data() + first;
    const int* h = m_h.data() + first;
    const int* hh = m_hhInt.data() + first;
    const int* centre = m_centre.data() + first;
    const int* rowSum = m_rowSum.data() + first;
    const std::size_t count = last - first;
    int unsure = 0;
    // The arrays never overlap.
#pragma GCC ivdep
    for (std::size_t i = 0; i < count; ++i) {
        // Clamped to the box's rows, where the square cannot overflow: a row off the box gives a root of 0.
        const int Y = 2 * y + 1 - rowSum[i];
        const int absY = Y < 0 ? -Y : Y;
        const int inside = absY < h[i] ? absY : h[i];
        placeSpan(quickHalf(ratio[i], hh[i] - inside * inside, unsure), centre[i], left, right, x0[i], x1[i]);
    }
    return unsure != 0;
}

MOXEL_VECTOR_CLONES void EllipseRowBatch::exactRow(int y, std::size_t first, std::size_t last, int left,
                                                   int right, int* x0, int* x1) const {
    const double* ww = m_ww.data() + first;
    const double* hh = m_hh.data() + first;
    const double* inverseHH = m_inverseHH.data() + first;
    const int* centre = m_centre.data() + first;
    const int* rowSum = m_rowSum.data() + first;
    const std::size_t count = last - first;
    // The arrays never overlap.
#pragma GCC ivdep
    for (std::size_t i = 0; i < count; ++i) {
        const double Y = 2.0 * y + 1 - rowSum[i];
        placeSpan(exactHalf(ww[i], hh[i], inverseHH[i], Y), centre[i], left, right, x0[i], x1[i]);
    }
}

void EllipseRowBatch::RowEnds(int y, std::size_t first, std::size_t last, int left, int right,
                              int* x1) const {
    if (first < last && singleEnds(y, first, last, left, right, x1))
        exactEnds(y, first, last, left, right, x1);
}

MOXEL_VECTOR_CLONES bool EllipseRowBatch::singleEnds(int y, std::size_t first, std::size_t last, int left,
                                                     int right, int* x1) const {
    if (y < -kCoordLimit || y > kCoordLimit) return true;
    // Clamped where every box is missed, so that the square cannot overflow.
    const int Y = std::min(std::abs(2 * y + 1 - m_rowSum[first]), kExactSide);
    const int YY = Y * Y;
    const int centre = m_centre[first];
    const float* ratio = m_ratio.data() + first;
    const int* hh = m_hhInt.data() + first;
    const std::size_t count = last - first;
    int unsure = 0;
#pragma GCC ivdep
    for (std::size_t i = 0; i < count; ++i)
        x1[i] = spanEnd(quickHalf(ratio[i], hh[i] - YY, unsure), centre, left, right);
    return unsure != 0;
}

MOXEL_VECTOR_CLONES void EllipseRowBatch::exactEnds(int y, std::size_t first, std::size_t last, int left,
                                                    int right, int* x1) const {
    const double Y = 2.0 * y + 1 - m_rowSum[first];
    const int centre = m_centre[first];
    const double* ww = m_ww.data() + first;
    const double* hh = m_hh.data() + first;
    const double* inverseHH = m_inverseHH.data() + first;
    const std::size_t count = last - first;
#pragma GCC ivdep
    for (std::size_t i = 0; i < count; ++i)
        x1[i] = spanEnd(exactHalf(ww[i], hh[i], inverseHH[i], Y), centre, left, right);
}
