#include "buttongrid/mxgradientsteps.h"

#include <algorithm>
#include <functional>

namespace {

// Whether every pixel of inner's shape is one of outer's, as far as the boxes alone tell.
bool holds(const MxGradientStep& outer, const MxGradientStep& inner) {
    using Kind = TMxGradientShape::Kind;
    const auto straight = [](Kind kind) { return kind == Kind::Band || kind == Kind::Rectangle; };
    if (straight(outer.kind) && straight(inner.kind)) return inner.box.Intersected(outer.box) == inner.box;
    // A pixel lies in an ellipse when X^2 / w^2 + Y^2 / h^2 <= 1 about its centre: about the same centre, a
    // wider and taller ellipse holds every pixel of the other.
    if (outer.kind != Kind::Ellipse || inner.kind != Kind::Ellipse) return false;
    return outer.box.Left + outer.box.Right == inner.box.Left + inner.box.Right &&
           outer.box.Top + outer.box.Bottom == inner.box.Top + inner.box.Bottom &&
           outer.box.Width() >= inner.box.Width() && outer.box.Height() >= inner.box.Height();
}

// A step inside the one painted just before it, in the same colour, adds no pixel of its own: a gradient
// with more steps than colours between its ends has many such.
void dropHiddenSteps(std::vector<MxGradientStep>& steps) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool hidden =
            i + 1 < steps.size() && steps[i].color == steps[i + 1].color && holds(steps[i + 1], steps[i]);
        if (!hidden) steps[kept++] = steps[i];
    }
    steps.resize(kept);
}

}  // namespace

std::vector<MxGradientStep> MxGradientStepsLastPaintedFirst(TMxGradientStyle style, int width, int height,
                                                            const TMxColorList& colors, int left, int right) {
    using Kind = TMxGradientShape::Kind;
    const int count = static_cast<int>(colors.size());
    const bool upwards = MxGradientPaintsUpwards(style);
    const bool nest = MxGradientStepsNest(style, width, height, left, right);
    std::vector<MxGradientStep> steps;
    steps.reserve(colors.size());
    for (int n = 0; n < count; ++n) {
        const int step = upwards ? count - 1 - n : n;
        // Hidden under the next step's shape in the same colour (as dropHiddenSteps would find): its shape
        // is never worked out.
        const int next = upwards ? step - 1 : step + 1;
        if (nest && n + 1 < count &&
            colors[static_cast<std::size_t>(step)] == colors[static_cast<std::size_t>(next)])
            continue;
        const TMxGradientShape shape = MxGradientStepShape(style, width, height, count, step);
        MxGradientStep s{shape.ShapeKind, shape.Box.Normalized(),
                         ToQRgb(colors[static_cast<std::size_t>(step)]), shape.Points};
        switch (shape.ShapeKind) {
            case Kind::Band:
                break;
            case Kind::Rectangle:
            case Kind::Ellipse:
                // Outline-less: one pixel less in width and height.
                s.box = {s.box.Left, s.box.Top, s.box.Right - 1, s.box.Bottom - 1};
                break;
            case Kind::Polygon: {
                const auto [lo, hi] = std::minmax_element(shape.Points.begin(), shape.Points.end(),
                                                          [](TPoint a, TPoint b) { return a.Y < b.Y; });
                s.box = {0, lo->Y, 0, hi->Y};
                break;
            }
        }
        if (s.kind != Kind::Polygon && s.box.IsEmpty()) continue;
        steps.push_back(s);
    }
    dropHiddenSteps(steps);
    return steps;
}

MxStepWalk::MxStepWalk(const std::vector<MxGradientStep>& steps) {
    m_tops.reserve(steps.size());
    m_bottoms.reserve(steps.size());
    for (const MxGradientStep& step : steps) {
        m_tops.push_back(step.box.Top);
        m_bottoms.push_back(step.box.Bottom);
    }
    m_bottomsGrow = std::is_sorted(m_bottoms.begin(), m_bottoms.end());
    m_topsFall = std::is_sorted(m_tops.begin(), m_tops.end(), std::greater<>());
    m_topsGrow = std::is_sorted(m_tops.begin(), m_tops.end());
}

std::pair<std::size_t, std::size_t> MxStepWalk::Reaching(int y) {
    const std::size_t count = m_tops.size();
    std::size_t& ended = m_endedAbove;
    if (m_bottomsGrow) {
        while (ended > 0 && m_bottoms[ended - 1] > y) --ended;
        while (ended < count && m_bottoms[ended] <= y) ++ended;
    }
    std::size_t& below = m_startingBelow;
    if (m_topsFall) {
        while (below > 0 && m_tops[below - 1] <= y) --below;
        while (below < count && m_tops[below] > y) ++below;
    }
    std::size_t end = count;
    if (m_topsGrow) {
        std::size_t& started = m_started;
        while (started > 0 && m_tops[started - 1] > y) --started;
        while (started < count && m_tops[started] <= y) ++started;
        end = started;
    }
    return {std::max(ended, below), end};
}
