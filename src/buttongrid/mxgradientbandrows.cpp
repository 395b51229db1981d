#include "buttongrid/mxgradientbandrows.h"

#include <algorithm>

MxBandRows::MxBandRows(std::vector<MxGradientStep> steps, int left, int right)
    : MxGradientRows(left, right), m_steps(std::move(steps)), m_walk(m_steps) {
    m_sideBySide =
        !m_steps.empty() && std::all_of(m_steps.begin(), m_steps.end(), [&](const MxGradientStep& s) {
            return s.box.Top == m_steps.front().box.Top && s.box.Bottom == m_steps.front().box.Bottom;
        });
}

MxGradientRows::Run MxBandRows::Resolve(int y) {
    return ResolveInto(y, Pixels());
}

MxGradientRows::Run MxBandRows::ResolveInto(int y, QRgb* row) {
    const TRect& rows = m_sideBySide ? m_steps.front().box : TRect{};
    const bool copy = m_sideBySide && m_previous && y == m_lastRow + 1 && y > rows.Top && y < rows.Bottom;
    m_lastRow = y;
    // Written from a local: the run read back right after its halves were stored would wait for every pixel
    // stored before it.
    Run covered = m_covered;
    if (!copy)
        covered = compose(y, row);
    else if (row != m_previous)
        std::copy(m_previous + covered.first, m_previous + covered.second, row + covered.first);
    m_previous = row;
    m_covered = covered;
    return covered;
}

MxGradientRows::Run MxBandRows::compose(int y, QRgb* row) {
    // The bands reaching a row are neighbours, so together they cover one run.
    const auto [first, last] = m_walk.Reaching(y);
    const int width = Width();
    int a = width;
    int b = 0;
    for (std::size_t i = first; i < last; ++i) {
        const MxGradientStep& band = m_steps[i];
        if (y < band.box.Top || y >= band.box.Bottom) continue;
        const int x0 = std::clamp(band.box.Left - Left(), 0, width);
        const int x1 = std::clamp(band.box.Right - Left(), 0, width);
        if (x0 >= x1) continue;
        std::fill(row + x0, row + x1, band.color);
        a = std::min(a, x0);
        b = std::max(b, x1);
    }
    return a < b ? Run{a, b} : Run{0, 0};
}
