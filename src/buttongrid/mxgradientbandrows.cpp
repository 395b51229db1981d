#include "buttongrid/mxgradientbandrows.h"

#include <algorithm>

MxBandRows::MxBandRows(std::vector<MxGradientStep> steps, int left, int right)
    : MxGradientRows(left, right), m_steps(std::move(steps)), m_walk(m_steps) {
    m_sideBySide =
        !m_steps.empty() && std::all_of(m_steps.begin(), m_steps.end(), [&](const MxGradientStep& s) {
            return s.box.Top == m_steps.front().box.Top && s.box.Bottom == m_steps.front().box.Bottom;
        });
    // Bands are never empty here, so stacked ones start on rows that fall strictly from one to the next.
    m_stacked = std::adjacent_find(m_steps.begin(), m_steps.end(), [](const MxGradientStep& above,
                                                                      const MxGradientStep& below) {
                    return below.box.Top < above.box.Bottom;
                }) == m_steps.end();
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
    if (m_stacked) return composeStacked(y, row);
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

MxGradientRows::Run MxBandRows::composeStacked(int y, QRgb* row) {
    // The last band starting at or above the row is the only one that can cover it. Going down a row it is
    // the same band or the next one, since every band has a row of its own: a step without a branch, where
    // asking how far to walk would mostly guess wrong.
    const auto startsAbove = [y](const MxGradientStep& band) { return band.box.Top <= y; };
    std::size_t next = m_nextBand;
    if (y == m_bandRow + 1)
        next += static_cast<std::size_t>(next < m_steps.size() && startsAbove(m_steps[next]));
    else
        next = static_cast<std::size_t>(std::ranges::partition_point(m_steps, startsAbove) - m_steps.begin());
    m_nextBand = next;
    m_bandRow = y;
    if (next == 0 || y >= m_steps[next - 1].box.Bottom) return {0, 0};
    const MxGradientStep& band = m_steps[next - 1];
    const int x0 = std::clamp(band.box.Left - Left(), 0, Width());
    const int x1 = std::clamp(band.box.Right - Left(), 0, Width());
    if (x0 >= x1) return {0, 0};
    std::fill(row + x0, row + x1, band.color);
    return {x0, x1};
}
