#include "buttongrid/mxgradientnestedrows.h"

#include <algorithm>

bool MxNestedBoxRows::Fits(const std::vector<MxGradientStep>& steps) {
    using Kind = TMxGradientShape::Kind;
    if (steps.empty()) return false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].kind != Kind::Band && steps[i].kind != Kind::Rectangle) return false;
        if (i > 0 && steps[i - 1].box.Intersected(steps[i].box) != steps[i - 1].box) return false;
    }
    return true;
}

MxNestedBoxRows::MxNestedBoxRows(std::vector<MxGradientStep> steps, int left, int right)
    : MxGradientRows(left, right), m_steps(std::move(steps)) {
    // Each column takes the colour of the first box that reaches it; every column is set once.
    const int width = Width();
    m_columnColors.resize(static_cast<std::size_t>(std::max(width, 0)));
    Run reached{0, 0};
    for (const MxGradientStep& step : m_steps) {
        const int x0 = std::clamp(step.box.Left - left, 0, width);
        const int x1 = std::clamp(step.box.Right - left, 0, width);
        const int r0 = std::clamp(reached.first, x0, x1);
        const int r1 = std::clamp(reached.second, r0, x1);
        std::fill(m_columnColors.begin() + x0, m_columnColors.begin() + r0, step.color);
        std::fill(m_columnColors.begin() + r1, m_columnColors.begin() + x1, step.color);
        reached = {x0, x1};
    }
    if (reached.second > reached.first) m_run = reached;
    m_laid = m_run;
}

bool MxNestedBoxRows::firstBoxHolding(int y, int& x0, int& x1, QRgb& color) {
    // The boxes holding row y are the last ones from the first that does, since each holds the one before;
    // from one row to the next the first moves by a box or two, so it is walked to from where it was.
    const std::size_t count = m_steps.size();
    const auto holds = [&](std::size_t i) { return y >= m_steps[i].box.Top && y < m_steps[i].box.Bottom; };
    std::size_t& first = m_first;
    while (first < count && !holds(first)) ++first;
    while (first > 0 && holds(first - 1)) --first;
    const auto [a, b] = m_run;
    if (first == count || b <= a) return false;
    const MxGradientStep& box = m_steps[first];
    x0 = std::clamp(box.box.Left - Left(), a, b);
    x1 = std::clamp(box.box.Right - Left(), x0, b);
    color = box.color;
    return true;
}

MxGradientRows::Run MxNestedBoxRows::Resolve(int y) {
    int x0 = 0;
    int x1 = 0;
    QRgb color = 0;
    if (!firstBoxHolding(y, x0, x1, color)) {
        // The caller may write over the whole row.
        m_laid = m_run;
        return {0, 0};
    }
    // Outside the first box each column still holds its colour, except where the row before laid its own
    // first box.
    QRgb* pixels = Pixels();
    const auto restore = [&](int from, int to) {
        if (from < to) std::copy(m_columnColors.begin() + from, m_columnColors.begin() + to, pixels + from);
    };
    restore(m_laid.first, std::min(m_laid.second, x0));
    restore(std::max(m_laid.first, x1), m_laid.second);
    std::fill(pixels + x0, pixels + x1, color);
    m_laid = {x0, x1};
    return m_run;
}

MxGradientRows::Run MxNestedBoxRows::ResolveInto(int y, QRgb* row) {
    int x0 = 0;
    int x1 = 0;
    QRgb color = 0;
    if (!firstBoxHolding(y, x0, x1, color)) return {0, 0};
    const auto [a, b] = m_run;
    std::copy(m_columnColors.begin() + a, m_columnColors.begin() + x0, row + a);
    std::fill(row + x0, row + x1, color);
    std::copy(m_columnColors.begin() + x1, m_columnColors.begin() + b, row + x1);
    return {a, b};
}
