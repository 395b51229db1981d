#include "buttongrid/mxgradientbandrows.h"

#include <algorithm>

MxBandRows::MxBandRows(std::vector<MxGradientStep> steps, int left, int right)
    : MxGradientRows(left, right), m_steps(std::move(steps)), m_walk(m_steps) {
    m_rowChanges.reserve(2 * m_steps.size());
    for (const MxGradientStep& step : m_steps) {
        m_rowChanges.push_back(step.box.Top);
        m_rowChanges.push_back(step.box.Bottom);
    }
    std::sort(m_rowChanges.begin(), m_rowChanges.end());
}

MxGradientRows::Run MxBandRows::Resolve(int y) {
    return ResolveInto(y, Pixels());
}

MxGradientRows::Run MxBandRows::ResolveInto(int y, QRgb* row) {
    const bool same =
        m_previous && y == m_lastRow + 1 && !std::binary_search(m_rowChanges.begin(), m_rowChanges.end(), y);
    m_lastRow = y;
    // A row of one band is filled as quickly as it is copied.
    if (same && m_bandsOnRow > 1) {
        if (row != m_previous)
            std::copy(m_previous + m_covered.first, m_previous + m_covered.second, row + m_covered.first);
        m_previous = row;
        return m_covered;
    }
    // The bands reaching a row are neighbours, so together they cover one run.
    const auto [first, last] = m_walk.Reaching(y);
    const int width = Width();
    Run covered{width, 0};
    m_bandsOnRow = 0;
    for (std::size_t i = first; i < last; ++i) {
        const MxGradientStep& band = m_steps[i];
        if (y < band.box.Top || y >= band.box.Bottom) continue;
        const int x0 = std::clamp(band.box.Left - Left(), 0, width);
        const int x1 = std::clamp(band.box.Right - Left(), 0, width);
        if (x0 >= x1) continue;
        std::fill(row + x0, row + x1, band.color);
        covered = {std::min(covered.first, x0), std::max(covered.second, x1)};
        ++m_bandsOnRow;
    }
    m_covered = m_bandsOnRow > 0 ? covered : Run{0, 0};
    m_previous = row;
    return m_covered;
}
