#include "buttongrid/mxgradientpainterrows.h"

#include <algorithm>

MxPainterRows::MxPainterRows(std::vector<MxGradientStep> steps, int left, int right)
    : MxGradientRows(left, right),
      m_steps(std::move(steps)),
      m_walk(m_steps),
      m_ellipses(m_steps.size()),
      m_polygons(m_steps.size()),
      m_x0(m_steps.size()),
      m_x1(m_steps.size()) {
    using Kind = TMxGradientShape::Kind;
    m_colors.reserve(m_steps.size());
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        const MxGradientStep& step = m_steps[i];
        m_colors.push_back(step.color);
        if (step.kind == Kind::Ellipse) m_ellipses[i] = EllipseRows(step.box);
        if (step.kind == Kind::Polygon)
            m_polygons[i] = ConvexPolygonRows(step.points.data(), step.points.size());
        m_straight = m_straight && (step.kind == Kind::Band || step.kind == Kind::Rectangle);
        m_rowChanges.push_back(step.box.Top);
        m_rowChanges.push_back(step.box.Bottom);
    }
    std::sort(m_rowChanges.begin(), m_rowChanges.end());
}

bool MxPainterRows::columnsOf(std::size_t i, int y, int& x0, int& x1) {
    using Kind = TMxGradientShape::Kind;
    const MxGradientStep& step = m_steps[i];
    switch (step.kind) {
        case Kind::Band:
        case Kind::Rectangle:
            x0 = step.box.Left;
            x1 = step.box.Right;
            break;
        case Kind::Ellipse:
            if (!m_ellipses[i].Row(y, x0, x1)) return false;
            break;
        case Kind::Polygon:
            if (!m_polygons[i].Row(y, x0, x1)) return false;
            break;
    }
    x0 = std::max(x0, Left()) - Left();
    x1 = std::min(x1, Right()) - Left();
    return x0 < x1;
}

MxGradientRows::Run MxPainterRows::Resolve(int y) {
    const bool same = m_straight && m_resolved && y == m_lastRow + 1 &&
                      !std::binary_search(m_rowChanges.begin(), m_rowChanges.end(), y);
    m_lastRow = y;
    m_resolved = true;
    if (same) return m_covered;
    Run covered{0, 0};
    const auto [first, last] = m_walk.Reaching(y);
    for (std::size_t i = first; i < last; ++i) {
        m_x0[i] = 0;
        m_x1[i] = 0;
        if (y >= m_steps[i].box.Top && y < m_steps[i].box.Bottom) columnsOf(i, y, m_x0[i], m_x1[i]);
        if (LayPieces(m_x0.data(), m_x1.data(), m_colors.data(), i, i + 1, covered, Pixels(), Width())) break;
    }
    m_covered = covered;
    return covered;
}
