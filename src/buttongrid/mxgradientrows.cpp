#include "buttongrid/mxgradientrows.h"

#include <algorithm>

#include "platform/vectorclones.h"
#include "platform/rowtarget.h"

MxGradientRows::MxGradientRows(int left, int right)
    : m_left(left),
      m_right(right),
      m_pixels(static_cast<std::size_t>(std::max(right - left, 0) + 2 * kSlack)) {}

void MxGradientRows::ReservePixels(int columns) {
    m_pixels.resize(static_cast<std::size_t>(std::max(columns, 0) + 2 * kSlack));
}

MxGradientRows::Run MxGradientRows::ResolveInto(int y, QRgb* row) {
    const Run run = Resolve(y);
    std::copy(Pixels() + run.first, Pixels() + run.second, row + run.first);
    return run;
}

MOXEL_VECTOR_CLONES bool MxGradientRows::LayPieces(const int* lefts, const int* rights, const QRgb* colors,
                                                   std::size_t first, std::size_t last, Run& covered,
                                                   QRgb* pixels, int width) {
    // What lands past a piece lies outside the covered run, where a later shape paints over it or nobody
    // reads it; only a piece longer than kSlack takes a loop.
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

void MxPaintGradientRows(MxGradientRows& rows, RowTarget& target, const TRect& window,
                         std::optional<QRgb> outside) {
    using Run = MxGradientRows::Run;
    const int width = window.Width();
    const auto fillOutside = [&](Run run, QRgb* pixels) {
        if (!outside) return;
        std::fill(pixels, pixels + run.first, *outside);
        std::fill(pixels + run.second, pixels + width, *outside);
    };
    // A row that cannot be written straight into goes through the resolver's pixels, whole where the pixels
    // outside the run are painted too.
    const auto put = [&](int y, Run run, QRgb* pixels) {
        fillOutside(run, pixels);
        if (outside) run = {0, width};
        target.Put(y - window.Top, pixels, run.first, run.second);
    };
    // Asked once, not on every row: the rows are written between the calls, and a call then waits for
    // those writes to drain before it can read back its own answer.
    const std::optional<int> mirrorSum = rows.MirrorSum();
    for (int y = window.Top; y < window.Bottom; ++y) {
        // A row with a mirror above it in the window was painted together with that one.
        const std::optional<int> mirror = mirrorSum ? std::optional<int>(*mirrorSum - y) : std::nullopt;
        if (mirror && *mirror < y && *mirror >= window.Top) continue;
        const bool mirrorBelow = mirror && *mirror > y && *mirror < window.Bottom;
        if (QRgb* row = target.Row(y - window.Top)) {
            const Run run = rows.ResolveInto(y, row);
            fillOutside(run, row);
            if (!mirrorBelow) continue;
            // The mirror row is a copy of this one, now at hand.
            const Run copied = outside ? Run{0, width} : run;
            if (QRgb* other = target.Row(*mirror - window.Top))
                std::copy(row + copied.first, row + copied.second, other + copied.first);
            else
                target.Put(*mirror - window.Top, row, copied.first, copied.second);
            continue;
        }
        const Run run = rows.Resolve(y);
        put(y, run, rows.Pixels());
        if (mirrorBelow) put(*mirror, run, rows.Pixels());
    }
}
