#include "platform/ellipserowbatch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/raster.h"
#include "platform/vectorclones.h"

namespace {

// (w + 1)^2 * h^2 stays below 2^53 for sides under this.
constexpr int kExactSide = 1 << 13;
constexpr double kNudge = 1.0 / (1 << 20);

}  // namespace

bool EllipseRowBatch::Fits(const TRect& box) {
    // The sums of the box's edges must fit an int as well.
    return box.Width() < kExactSide && box.Height() < kExactSide && std::abs(box.Left) <= kCoordLimit &&
           std::abs(box.Top) <= kCoordLimit;
}

void EllipseRowBatch::Add(const TRect& box) {
    const double w = box.Width();
    const double h = box.Height();
    m_ww.push_back(w * w);
    m_hh.push_back(h * h);
    m_inverseHH.push_back(1.0 / (h * h));
    m_centre.push_back(box.Left + box.Right - 1);
    m_rowSum.push_back(box.Top + box.Bottom);
}

MOXEL_VECTOR_CLONES void EllipseRowBatch::Row(int y, std::size_t first, std::size_t last, int left, int right,
                                              int* x0, int* x1) const {
    // In doubled coordinates a pixel is inside when X^2 * h^2 <= n = w^2 * (h^2 - Y^2); the largest such
    // |X| is the floating-point root, put right by one comparison. Off the ellipse's rows n < 0, which gives
    // -1 and an empty span.
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
        const double n = ww[i] * (hh[i] - Y * Y);
        // The root is within 2^-30 of the true one, so nudged up it is never one short: only one too many
        // is left to put right.
        double xMax = static_cast<int>(std::sqrt(std::max(n, 0.0) * inverseHH[i]) + kNudge);
        xMax -= xMax * xMax * hh[i] > n ? 1.0 : 0.0;
        const int half = static_cast<int>(xMax);
        // Halved with shifts, which round towards minus infinity: [ceil((c - xMax) / 2), floor((c + xMax) /
        // 2)].
        const int lo = -((half - centre[i]) >> 1);
        const int hi = ((centre[i] + half) >> 1) + 1;
        x0[i] = (lo > left ? lo : left) - left;
        x1[i] = (hi < right ? hi : right) - left;
    }
}
