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
    const MxGradientShapes shapes(style, width, height, count);
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
        const TMxGradientShape shape = shapes(step);
        // Built where it is kept: a step copied whole right after being written piece by piece waits for
        // the pieces to reach memory.
        MxGradientStep& s = steps.emplace_back();
        s.kind = shape.ShapeKind;
        s.color = ToQRgb(colors[static_cast<std::size_t>(step)]);
        // The box is finished before it is stored: one adjusted in place would be read back whole while
        // its parts are still on their way to memory.
        TRect box = shape.Box.Normalized();
        switch (shape.ShapeKind) {
            case Kind::Band:
                break;
            case Kind::Rectangle:
            case Kind::Ellipse:
                // Outline-less: one pixel less in width and height.
                box.Right -= 1;
                box.Bottom -= 1;
                break;
            case Kind::Polygon: {
                const auto [lo, hi] = std::minmax_element(shape.Points.begin(), shape.Points.end(),
                                                          [](TPoint a, TPoint b) { return a.Y < b.Y; });
                box = {0, lo->Y, 0, hi->Y};
                s.points = shape.Points;
                break;
            }
        }
        s.box = box;
        if (s.kind != Kind::Polygon && box.IsEmpty()) steps.pop_back();
    }
    dropHiddenSteps(steps);
    return steps;
}

MxStepWalk::MxStepWalk(const std::vector<MxGradientStep>& steps) : m_steps(steps) {
    const auto top = [](const MxGradientStep& step) { return step.box.Top; };
    const auto bottom = [](const MxGradientStep& step) { return step.box.Bottom; };
    m_bottomsGrow = std::ranges::is_sorted(steps, std::less<>(), bottom);
    m_topsFall = std::ranges::is_sorted(steps, std::greater<>(), top);
    m_topsGrow = std::ranges::is_sorted(steps, std::less<>(), top);
}

std::pair<std::size_t, std::size_t> MxStepWalk::Reaching(int y) {
    const std::size_t count = m_steps.size();
    const auto top = [this](std::size_t i) { return m_steps[i].box.Top; };
    const auto bottom = [this](std::size_t i) { return m_steps[i].box.Bottom; };
    std::size_t& ended = m_endedAbove;
    if (m_bottomsGrow) {
        while (ended > 0 && bottom(ended - 1) > y) --ended;
        while (ended < count && bottom(ended) <= y) ++ended;
    }
    std::size_t& below = m_startingBelow;
    if (m_topsFall) {
        while (below > 0 && top(below - 1) <= y) --below;
        while (below < count && top(below) > y) ++below;
    }
    std::size_t end = count;
    if (m_topsGrow) {
        std::size_t& started = m_started;
        while (started > 0 && top(started - 1) > y) --started;
        while (started < count && top(started) <= y) ++started;
        end = started;
    }
    return {std::max(ended, below), end};
}
