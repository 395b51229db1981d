#include "buttongrid/mxgradientellipserows.h"

#include <algorithm>

#include "platform/vectorclones.h"
#include "platform/intmath.h"

bool MxEllipseRows::Fits(const std::vector<MxGradientStep>& steps) {
    return !steps.empty() && std::all_of(steps.begin(), steps.end(), [](const MxGradientStep& step) {
        return step.kind == TMxGradientShape::Kind::Ellipse && EllipseRowBatch::Fits(step.box);
    });
}

MxEllipseRows::MxEllipseRows(std::vector<MxGradientStep> lastPaintedFirst, int left, int right)
    : MxGradientRows(left, right),
      m_steps(std::move(lastPaintedFirst)),
      m_walk(m_steps),
      m_x0(m_steps.size()),
      m_x1(m_steps.size()) {
    const auto& steps = m_steps;
    m_batch.Reserve(steps.size());
    m_colors.reserve(steps.size());
    for (const MxGradientStep& step : steps) {
        m_batch.Add(step.box);
        m_colors.push_back(step.color);
    }
    // Ellipses about one centre row: each row above it is the mirror of one below.
    const TRect& box = steps.front().box;
    if (std::all_of(steps.begin(), steps.end(), [&](const MxGradientStep& step) {
            return step.box.Top + step.box.Bottom == box.Top + box.Bottom;
        }))
        m_mirrorSum = box.Top + box.Bottom;
    prepareHalfRows();
}

std::optional<int> MxEllipseRows::MirrorSum() const {
    if (!m_mirrorSum) return std::nullopt;
    return *m_mirrorSum - 1;
}

void MxEllipseRows::prepareHalfRows() {
    const auto& steps = m_steps;
    // In window columns, column x mirrors column sum - x, for every ellipse alike; the half from the centre
    // column on is worked out as far as the mirror of column 0.
    const TRect& box = steps.front().box;
    // Ellipses about one centre, growing in both directions from the last painted on: each span on a row ends
    // where the one before it ends or further out.
    const bool alike =
        std::all_of(steps.begin(), steps.end(),
                    [&](const MxGradientStep& step) {
                        return step.box.Left + step.box.Right == box.Left + box.Right &&
                               step.box.Top + step.box.Bottom == box.Top + box.Bottom;
                    }) &&
        std::adjacent_find(steps.begin(), steps.end(), [](const MxGradientStep& a, const MxGradientStep& b) {
            return b.box.Width() < a.box.Width() || b.box.Height() < a.box.Height();
        }) == steps.end();
    const std::int64_t sum = std::int64_t(box.Left) + box.Right - 1 - 2 * std::int64_t(Left());
    const std::int64_t centre = CeilDiv<std::int64_t>(sum, 2);
    if (!alike || centre < 0 || centre > Width()) return;
    const int end = static_cast<int>(std::max<std::int64_t>(Width(), sum + 1));
    m_halfRow = Run{static_cast<int>(centre), end};
    m_mirrorColumnsOdd = static_cast<int>(2 * centre - sum);
    ReservePixels(end);
}

MxGradientRows::Run MxEllipseRows::ResolveInto(int y, QRgb* row) {
    if (!m_halfRow) return MxGradientRows::ResolveInto(y, row);
    return resolveHalfRow(y, m_walk.Reaching(y).first, row);
}

MxGradientRows::Run MxEllipseRows::Resolve(int y) {
    const std::size_t first = m_walk.Reaching(y).first;
    if (m_halfRow) return resolveHalfRow(y, first, Pixels());
    Run covered{0, 0};
    const std::size_t count = m_colors.size();
    for (std::size_t i = first; i < count; i += kChunk) {
        const std::size_t last = std::min(i + kChunk, count);
        m_batch.Row(y, i, last, Left(), Right(), m_x0.data() + i, m_x1.data() + i);
        if (LayPieces(m_x0.data(), m_x1.data(), m_colors.data(), i, last, covered, Pixels(), Width())) break;
    }
    return covered;
}

MOXEL_VECTOR_CLONES MxGradientRows::Run MxEllipseRows::resolveHalfRow(int y, std::size_t first, QRgb* row) {
    // Every span in the half row starts at the centre and ends where the one before it ends or further out,
    // so each ellipse adds the piece between those ends. Rows come towards the centre, where the ellipse
    // covering the half row is the one that covered the row before or a smaller one: the ellipses up to it
    // are worked out at once.
    const auto [from, to] = *m_halfRow;
    const int width = to - from;
    const std::size_t count = m_colors.size();
    const int* ends = m_x1.data();
    const QRgb* colors = m_colors.data();
    QRgb* pixels = Pixels() + from;
    int b = 0;
    std::size_t i = first;
    std::size_t last = first < m_halfRowCover ? m_halfRowCover : first + kChunk;
    while (i < count && b < width) {
        last = std::min(last, count);
        m_batch.RowEnds(y, i, last, Left() + from, Left() + to, m_x1.data() + i);
        for (; i < last && b < width; ++i) {
            // kSlack pixels go out unasked, in one vector store, as the pieces are mostly a pixel or two.
            const QRgb color = colors[i];
            QRgb* after = pixels + b;
            for (int k = 0; k < kSlack; ++k) after[k] = color;
            if (ends[i] - b > kSlack) [[unlikely]]
                std::fill(after, pixels + ends[i], color);
            b = std::max(b, ends[i]);
        }
        last = i + kChunk;
    }
    m_halfRowCover = i;
    if (b <= 0) return {0, 0};
    // Column x mirrors column sum - x.
    const int sum = 2 * from - m_mirrorColumnsOdd;
    const int end = from + b;
    const int start = std::max(sum - (end - 1), 0);
    const QRgb* half = Pixels();
    const int stop = std::min(end, Width());
    if (start < from) std::reverse_copy(half + sum - from + 1, half + sum - start + 1, row + start);
    if (row != half) std::copy(half + from, half + stop, row + from);
    return {start, stop};
}
