#include "buttongrid/mxgradientrows.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

#include "platform/intmath.h"
#include "platform/raster.h"
#include "platform/vectorclones.h"

MxGradientRows::MxGradientRows(TMxGradientStyle style, int width, int height, const TMxColorList& colors,
                               int left, int right)
    : m_left(left),
      m_right(right),
      m_pixels(static_cast<std::size_t>(std::max(right - left, 0) + 2 * kSlack)) {
    using Kind = TMxGradientShape::Kind;
    const int count = static_cast<int>(colors.size());
    const bool upwards = MxGradientPaintsUpwards(style);
    m_lastPaintedFirst.reserve(colors.size());
    m_colors.reserve(colors.size());
    std::vector<std::array<TPoint, 4>> polygons;
    const bool nest = MxGradientStepsNest(style, width, height, left, right);
    for (int n = 0; n < count; ++n) {
        const int step = upwards ? count - 1 - n : n;
        // Hidden under the next step's shape in the same colour (as dropHiddenSteps would find): its shape
        // is never worked out.
        const int next = upwards ? step - 1 : step + 1;
        if (nest && n + 1 < count &&
            colors[static_cast<std::size_t>(step)] == colors[static_cast<std::size_t>(next)])
            continue;
        const TMxGradientShape shape = MxGradientStepShape(style, width, height, count, step);
        Step s{
            shape.ShapeKind, shape.Box.Normalized(), 0, 0, ToQRgb(colors[static_cast<std::size_t>(step)]), 0};
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
                s.rows = polygons.size();
                if (polygons.empty()) polygons.reserve(colors.size());
                polygons.push_back(shape.Points);
                break;
            }
        }
        s.top = s.box.Top;
        s.bottom = s.box.Bottom;
        if (s.kind != Kind::Polygon && s.box.IsEmpty()) continue;
        m_lastPaintedFirst.push_back(s);
        m_straight = m_straight && (s.kind == Kind::Band || s.kind == Kind::Rectangle);
    }
    dropHiddenSteps();
    m_tops.reserve(m_lastPaintedFirst.size());
    m_bottoms.reserve(m_lastPaintedFirst.size());
    for (const Step& step : m_lastPaintedFirst) m_colors.push_back(step.color);
    for (const Step& step : m_lastPaintedFirst) {
        m_tops.push_back(step.top);
        m_bottoms.push_back(step.bottom);
    }
    if (m_straight) {
        // The tops and the bottoms each run one way in every style, so sorting them is merging them.
        std::vector<int> tops = m_tops;
        std::vector<int> bottoms = m_bottoms;
        for (std::vector<int>* rows : {&tops, &bottoms}) {
            if (std::is_sorted(rows->begin(), rows->end(), std::greater<>()))
                std::reverse(rows->begin(), rows->end());
            else if (!std::is_sorted(rows->begin(), rows->end()))
                std::sort(rows->begin(), rows->end());
        }
        m_rowChanges.resize(tops.size() + bottoms.size());
        std::merge(tops.begin(), tops.end(), bottoms.begin(), bottoms.end(), m_rowChanges.begin());
    }
    m_bottomsGrow = std::is_sorted(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(),
                                   [](const Step& a, const Step& b) { return a.bottom < b.bottom; });
    m_topsFall = std::is_sorted(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(),
                                [](const Step& a, const Step& b) { return a.top > b.top; });
    const auto allOf = [&](Kind kind) {
        return !m_lastPaintedFirst.empty() &&
               std::all_of(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(),
                           [kind](const Step& step) { return step.kind == kind; });
    };
    if (allOf(Kind::Ellipse) &&
        std::all_of(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(),
                    [](const Step& step) { return EllipseRowBatch::Fits(step.box); })) {
        m_batch = Batch::Ellipses;
        m_ellipseBatch.Reserve(m_lastPaintedFirst.size());
        for (const Step& step : m_lastPaintedFirst) m_ellipseBatch.Add(step.box);
        prepareHalfRows();
    }
    if (allOf(Kind::Polygon)) {
        m_bandShapes.reserve(polygons.size());
        for (const auto& points : polygons) {
            ShearedBandRows::Band& band = m_bandShapes.emplace_back();
            if (!ShearedBandRows::Describe(points.data(), points.size(), band)) {
                m_bandShapes.clear();
                break;
            }
        }
        if (m_bandShapes.size() == polygons.size()) {
            m_batch = Batch::Bands;
            m_staircase =
                m_stairs.Prepare(m_bandShapes, m_colors.data(), BandStaircase::Side::Left, left, right) ||
                m_stairs.Prepare(m_bandShapes, m_colors.data(), BandStaircase::Side::Right, left, right);
        }
    }
    // Shapes too large for the batches, or mixed, take the rows of one shape at a time.
    for (Step& step : m_lastPaintedFirst) {
        if (m_batch != Batch::None) break;
        if (step.kind == Kind::Ellipse) {
            step.rows = m_ellipses.size();
            m_ellipses.emplace_back(step.box);
        }
        if (step.kind == Kind::Polygon)
            m_polygons.emplace_back(polygons[step.rows].data(), polygons[step.rows].size());
    }
    m_uniformRows = allOf(Kind::Band) &&
                    std::all_of(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(), [&](const Step& step) {
                        const TRect& first = m_lastPaintedFirst.front().box;
                        return step.box.Left == first.Left && step.box.Right == first.Right;
                    });
    m_x0.resize(m_lastPaintedFirst.size());
    m_x1.resize(m_lastPaintedFirst.size());
    prepareNested();
    // Ellipses about one centre row: each row above it is the mirror of one below.
    const bool ellipses =
        !m_lastPaintedFirst.empty() &&
        std::all_of(m_lastPaintedFirst.begin(), m_lastPaintedFirst.end(), [&](const Step& step) {
            const Step& first = m_lastPaintedFirst.front();
            return step.kind == Kind::Ellipse &&
                   step.box.Top + step.box.Bottom == first.box.Top + first.box.Bottom;
        });
    if (ellipses) m_mirrorSum = m_lastPaintedFirst.front().box.Top + m_lastPaintedFirst.front().box.Bottom;
}

bool MxGradientRows::holds(const Step& outer, const Step& inner) {
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

void MxGradientRows::dropHiddenSteps() {
    // A step inside the one painted just before it, in the same colour, adds no pixel of its own: a gradient
    // with more steps than colours between its ends has many such.
    auto& steps = m_lastPaintedFirst;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool hidden =
            i + 1 < steps.size() && steps[i].color == steps[i + 1].color && holds(steps[i + 1], steps[i]);
        if (!hidden) steps[kept++] = steps[i];
    }
    steps.resize(kept);
}

void MxGradientRows::prepareHalfRows() {
    // In window columns, column x mirrors column sum - x, for every ellipse alike; the half from the centre
    // column on is worked out as far as the mirror of column 0.
    const TRect& box = m_lastPaintedFirst.front().box;
    // Ellipses about one centre, growing in both directions from the last painted on: each span on a row ends
    // where the one before it ends or further out.
    const auto& steps = m_lastPaintedFirst;
    const bool alike = std::all_of(steps.begin(), steps.end(),
                                   [&](const Step& step) {
                                       return step.box.Left + step.box.Right == box.Left + box.Right &&
                                              step.box.Top + step.box.Bottom == box.Top + box.Bottom;
                                   }) &&
                       std::adjacent_find(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
                           return b.box.Width() < a.box.Width() || b.box.Height() < a.box.Height();
                       }) == steps.end();
    const int width = m_right - m_left;
    const std::int64_t sum = std::int64_t(box.Left) + box.Right - 1 - 2 * std::int64_t(m_left);
    const std::int64_t centre = CeilDiv<std::int64_t>(sum, 2);
    if (!alike || centre < 0 || centre > width) return;
    const int end = static_cast<int>(std::max<std::int64_t>(width, sum + 1));
    m_halfRow = Run{static_cast<int>(centre), end};
    m_mirrorColumnsOdd = static_cast<int>(2 * centre - sum);
    m_pixels.resize(static_cast<std::size_t>(end) + 2 * kSlack);
}

void MxGradientRows::prepareNested() {
    const auto& steps = m_lastPaintedFirst;
    if (!m_straight || steps.empty()) return;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const TRect& inner = steps[i - 1].box;
        const TRect& outer = steps[i].box;
        if (inner.Intersected(outer) != inner) return;
    }
    m_nested = true;
    // Each column takes the colour of the first box that reaches it; every column is set once.
    const int width = m_right - m_left;
    m_columnColors.resize(static_cast<std::size_t>(std::max(width, 0)));
    TRect reached{};
    for (const Step& step : steps) {
        const int x0 = std::clamp(step.box.Left - m_left, 0, width);
        const int x1 = std::clamp(step.box.Right - m_left, 0, width);
        const int r0 = std::clamp(reached.Left, x0, x1);
        const int r1 = std::clamp(reached.Right, r0, x1);
        std::fill(m_columnColors.begin() + x0, m_columnColors.begin() + r0, step.color);
        std::fill(m_columnColors.begin() + r1, m_columnColors.begin() + x1, step.color);
        reached = {x0, 0, x1, 0};
    }
    if (reached.Right > reached.Left) m_nestedRun = {reached.Left, reached.Right};
    m_laid = m_nestedRun;
}

std::optional<MxGradientRows::FirstBox> MxGradientRows::firstBoxHolding(int y) const {
    // The boxes holding row y are the last ones from the first that does, since each holds the one before.
    const auto& steps = m_lastPaintedFirst;
    const auto first = std::partition_point(
        steps.begin(), steps.end(), [y](const Step& step) { return y < step.top || y >= step.bottom; });
    const auto [a, b] = m_nestedRun;
    if (first == steps.end() || b <= a) return std::nullopt;
    const int x0 = std::clamp(first->box.Left - m_left, a, b);
    const int x1 = std::clamp(first->box.Right - m_left, x0, b);
    return FirstBox{{x0, x1}, first->color};
}

MxGradientRows::Run MxGradientRows::resolveNested(int y) {
    const std::optional<FirstBox> first = firstBoxHolding(y);
    if (!first) {
        // The caller may write over the whole row.
        m_laid = m_nestedRun;
        return {0, 0};
    }
    // Inside the first box its colour; outside it each column has the colour of the first box reaching it,
    // which the row still holds except where the previous row laid its own first box.
    QRgb* pixels = Pixels();
    const auto [x0, x1] = first->columns;
    const auto restore = [&](int from, int to) {
        if (from < to) std::copy(m_columnColors.begin() + from, m_columnColors.begin() + to, pixels + from);
    };
    restore(m_laid.first, std::min(m_laid.second, x0));
    restore(std::max(m_laid.first, x1), m_laid.second);
    std::fill(pixels + x0, pixels + x1, first->color);
    m_laid = {x0, x1};
    return m_nestedRun;
}

MxGradientRows::Run MxGradientRows::ResolveInto(int y, QRgb* row) {
    const auto& steps = m_lastPaintedFirst;
    const int width = m_right - m_left;
    if (m_halfRow) return resolveHalfRow(y, firstStepReaching(y), row);
    if (m_staircase) {
        if (y >= m_stairs.FirstRow()) {
            const Run run = m_stairs.Compose(y, m_stairRow, row);
            m_stairRow = row;
            return run;
        }
        const Run run = Resolve(y);
        std::copy(Pixels() + run.first, Pixels() + run.second, row + run.first);
        return run;
    }
    if (m_uniformRows) {
        // The first step holding the row is painted last, and it covers the row's run alone.
        for (std::size_t i = firstStepReaching(y); i < steps.size(); ++i) {
            if (y < steps[i].top || y >= steps[i].bottom) continue;
            const int x0 = std::clamp(steps[i].box.Left - m_left, 0, width);
            const int x1 = std::clamp(steps[i].box.Right - m_left, x0, width);
            std::fill(row + x0, row + x1, steps[i].color);
            return Run{x0, x1};
        }
        return Run{0, 0};
    }
    // As resolveNested, each pixel written once: the columns' colours around the first box holding the row.
    const std::optional<FirstBox> first = firstBoxHolding(y);
    if (!first) return Run{0, 0};
    const auto [a, b] = m_nestedRun;
    const auto [x0, x1] = first->columns;
    std::copy(m_columnColors.begin() + a, m_columnColors.begin() + x0, row + a);
    std::fill(row + x0, row + x1, first->color);
    std::copy(m_columnColors.begin() + x1, m_columnColors.begin() + b, row + x1);
    return m_nestedRun;
}

bool MxGradientRows::sameAsRowBefore(int y) const {
    return m_straight && m_resolved && y == m_lastRow + 1 &&
           (m_changesPassed == m_rowChanges.size() || y < m_rowChanges[m_changesPassed]);
}

bool MxGradientRows::columnsOf(const Step& step, int y, int& x0, int& x1) {
    using Kind = TMxGradientShape::Kind;
    switch (step.kind) {
        case Kind::Band:
        case Kind::Rectangle:
            x0 = step.box.Left;
            x1 = step.box.Right;
            break;
        case Kind::Ellipse:
            if (!m_ellipses[step.rows].Row(y, x0, x1)) return false;
            break;
        case Kind::Polygon:
            if (!m_polygons[step.rows].Row(y, x0, x1)) return false;
            break;
    }
    x0 = std::max(x0, m_left) - m_left;
    x1 = std::min(x1, m_right) - m_left;
    return x0 < x1;
}

std::size_t MxGradientRows::firstStepReaching(int y) {
    // Walked on from the row before, a step or two per row as rows come downwards.
    const std::size_t count = m_lastPaintedFirst.size();
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
    return std::max(ended, below);
}

MOXEL_VECTOR_CLONES bool MxGradientRows::layPieces(std::size_t first, std::size_t last, Run& covered,
                                                   QRgb* pixels, int width) {
    // On any row the spans of a style's shapes share a column (the centre, the anchoring corner or edge, or
    // where neighbouring bands meet), so the shapes met so far cover one run and each further one adds at
    // most a piece on either side of it.
    // The pieces are mostly a pixel or two, and asking whether a side grows costs more than writing it:
    // kSlack pixels go out from the covered run's growing ends unasked, in one vector store each, and only a
    // longer piece takes a loop. What lands past a piece lies outside the covered run, where a later shape
    // paints over it or nobody reads it.
    const int* lefts = m_x0.data();
    const int* rights = m_x1.data();
    const QRgb* colors = m_colors.data();
    auto [a, b] = covered;
    std::size_t i = first;
    if (a == b) {
        while (i < last && lefts[i] >= rights[i]) ++i;
        if (i == last) return false;
        a = lefts[i];
        b = rights[i];
        std::fill(pixels + a, pixels + b, colors[i++]);
    }
    // A run already at one end of the row grows on the other side only, as on every row of a diagonal seen
    // inside its rectangle (the shapes reach past the corner they start from): a loop with half the work.
    if (a == 0) {
        for (; i < last && b < width; ++i) {
            const QRgb color = colors[i];
            const int x1 = lefts[i] >= rights[i] ? b : std::max(b, rights[i]);
            QRgb* after = pixels + b;
            for (int k = 0; k < kSlack; ++k) after[k] = color;
            if (x1 - b > kSlack) [[unlikely]]
                std::fill(after, pixels + x1, color);
            b = x1;
        }
    } else if (b == width) {
        for (; i < last && a > 0; ++i) {
            const QRgb color = colors[i];
            const int x0 = lefts[i] >= rights[i] ? a : std::min(a, lefts[i]);
            QRgb* before = pixels + a - kSlack;
            for (int k = 0; k < kSlack; ++k) before[k] = color;
            if (a - x0 > kSlack) [[unlikely]]
                std::fill(pixels + x0, before, color);
            a = x0;
        }
    }
    for (; i < last && (a > 0 || b < width); ++i) {
        const QRgb color = colors[i];
        // A step missing the row leaves the run as it is.
        const bool misses = lefts[i] >= rights[i];
        const int x0 = misses ? a : std::min(a, lefts[i]);
        const int x1 = misses ? b : std::max(b, rights[i]);
        QRgb* before = pixels + a - kSlack;
        QRgb* after = pixels + b;
        for (int k = 0; k < kSlack; ++k) before[k] = color;
        for (int k = 0; k < kSlack; ++k) after[k] = color;
        if (a - x0 > kSlack || x1 - b > kSlack) [[unlikely]] {
            std::fill(pixels + x0, pixels + a, color);
            std::fill(pixels + b, pixels + x1, color);
        }
        a = x0;
        b = x1;
    }
    covered = {a, b};
    return a == 0 && b == width;
}

MxGradientRows::Run MxGradientRows::resolveSteps(int y) {
    Run covered{0, 0};
    const std::size_t count = m_lastPaintedFirst.size();
    for (std::size_t i = firstStepReaching(y); i < count; ++i) {
        const Step& step = m_lastPaintedFirst[i];
        m_x0[i] = 0;
        m_x1[i] = 0;
        if (y >= step.top && y < step.bottom) columnsOf(step, y, m_x0[i], m_x1[i]);
        if (layPieces(i, i + 1, covered, Pixels(), m_right - m_left)) break;
    }
    return covered;
}

MxGradientRows::Run MxGradientRows::resolveBatched(int y) {
    Run covered{0, 0};
    const std::size_t first = firstStepReaching(y);
    const std::size_t count = m_lastPaintedFirst.size();
    if (m_batch == Batch::Bands) {
        // Left unbuilt until a row needs them: a staircase composes all its rows but a few, or none.
        if (m_bands.Empty()) {
            m_bands.Reserve(m_bandShapes.size());
            for (const ShearedBandRows::Band& band : m_bandShapes) m_bands.Add(band);
        }
        m_bands.Row(y, first, m_left, m_right, m_x0.data() + first, m_x1.data() + first);
        layPieces(first, count, covered, Pixels(), m_right - m_left);
        return covered;
    }
    if (m_halfRow) return resolveHalfRow(y, first, Pixels());
    // Ellipses a few dozen at a time, as the smallest that covers the whole row hides all larger ones.
    const int width = m_right - m_left;
    for (std::size_t i = first; i < count; i += kEllipseChunk) {
        const std::size_t last = std::min(i + kEllipseChunk, count);
        m_ellipseBatch.Row(y, i, last, m_left, m_right, m_x0.data() + i, m_x1.data() + i);
        if (layPieces(i, last, covered, Pixels(), width)) break;
    }
    return covered;
}

MOXEL_VECTOR_CLONES MxGradientRows::Run MxGradientRows::resolveHalfRow(int y, std::size_t first, QRgb* row) {
    // Only the columns from the centre on are worked out, far enough for the mirror of the first. Every span
    // there starts at the centre and ends where the one before it ends or further out, so each ellipse adds
    // the piece between those ends. Rows come towards the centre, where the ellipse covering the half row is
    // the one that covered the row before or a smaller one: the ellipses up to it are worked out at once.
    const auto [from, to] = *m_halfRow;
    const int width = to - from;
    const std::size_t count = m_lastPaintedFirst.size();
    const int* ends = m_x1.data();
    const QRgb* colors = m_colors.data();
    QRgb* pixels = Pixels() + from;
    int b = 0;
    std::size_t i = first;
    std::size_t last = first < m_halfRowCover ? m_halfRowCover : first + kEllipseChunk;
    while (i < count && b < width) {
        last = std::min(last, count);
        m_ellipseBatch.RowEnds(y, i, last, m_left + from, m_left + to, m_x1.data() + i);
        for (; i < last && b < width; ++i) {
            // kSlack pixels go out unasked, in one vector store, as the pieces are mostly a pixel or two.
            const QRgb color = colors[i];
            QRgb* after = pixels + b;
            for (int k = 0; k < kSlack; ++k) after[k] = color;
            if (ends[i] - b > kSlack) [[unlikely]]
                std::fill(after, pixels + ends[i], color);
            b = std::max(b, ends[i]);
        }
        last = i + kEllipseChunk;
    }
    m_halfRowCover = i;
    if (b <= 0) return {0, 0};
    // Column x mirrors column sum - x.
    const int sum = 2 * from - m_mirrorColumnsOdd;
    const int end = from + b;
    const int start = std::max(sum - (end - 1), 0);
    const QRgb* half = Pixels();
    const int stop = std::min(end, m_right - m_left);
    if (start < from) std::reverse_copy(half + sum - from + 1, half + sum - start + 1, row + start);
    if (row != half) std::copy(half + from, half + stop, row + from);
    return {start, stop};
}

MxGradientRows::Run MxGradientRows::Resolve(int y) {
    const bool same = sameAsRowBefore(y);
    m_lastRow = y;
    m_resolved = true;
    if (m_staircase) {
        const bool stairs = y >= m_stairs.FirstRow();
        m_covered = stairs ? m_stairs.Compose(y, m_stairRow, Pixels()) : resolveBatched(y);
        m_stairRow = stairs ? Pixels() : nullptr;
        return m_covered;
    }
    if (!same) {
        if (m_nested)
            m_covered = resolveNested(y);
        else
            m_covered = m_batch == Batch::None ? resolveSteps(y) : resolveBatched(y);
        // Rows come downwards, so the changes passed are counted on from the row before.
        if (m_changesPassed > 0 && m_rowChanges[m_changesPassed - 1] > y) m_changesPassed = 0;
        while (m_changesPassed < m_rowChanges.size() && m_rowChanges[m_changesPassed] <= y) ++m_changesPassed;
    }
    return m_covered;
}
