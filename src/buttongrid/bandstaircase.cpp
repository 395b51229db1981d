#include "buttongrid/bandstaircase.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>

#include "platform/intmath.h"

namespace {

// Coordinates up to this keep every product below far inside 64 bits.
constexpr std::int64_t kSmallCoord = 1 << 15;

// Past this many pixels to repaint one by one, laying the row anew costs less.
constexpr std::int64_t kMostRepainted = 48;

// On this path most divisions fit 32 bits, where they are several times quicker.
std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    if (a == static_cast<std::int32_t>(a) && b == static_cast<std::int32_t>(b))
        return CeilDiv<std::int32_t>(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
    return CeilDiv(a, b);
}

}  // namespace

std::int64_t BandStaircase::edgeAt(const Edge& e, std::int64_t y) const {
    return ceilDiv(e.p + y * e.s, e.d) + e.k;
}

bool BandStaircase::Prepare(const std::vector<ShearedBandRows::Band>& bands, const QRgb* colors, Side side,
                            int left, int right) {
    m_side = side;
    m_width = right - left;
    m_edges.clear();
    m_colors.clear();
    m_composed = false;
    if (m_width <= 0 || std::abs(left) > kSmallCoord || std::abs(right) > kSmallCoord) return false;
    m_edges.reserve(bands.size());
    m_colors.reserve(bands.size());
    // A band without rows covers nothing, wherever it stands among the others. The rows composed are those
    // from where the last band starts on.
    std::int64_t firstRow = std::numeric_limits<std::int64_t>::min();
    for (const ShearedBandRows::Band& b : bands)
        if (b.bottom > b.top) firstRow = std::max<std::int64_t>(firstRow, b.top);
    // A band's last row, and its edge's exact line before rounding: d times the column on row y is
    // at + y * slope.
    struct Line {
        std::int64_t bottom;
        std::int64_t at;
        std::int64_t slope;
        std::int64_t d;
        std::int64_t on(std::int64_t y) const { return at + y * slope; }
    };
    std::optional<Line> before;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const ShearedBandRows::Band& b = bands[i];
        if (b.bottom <= b.top) continue;
        const std::int64_t d = b.dy;
        const std::int64_t slope = std::int64_t(b.whole) * d + b.part;
        for (const std::int64_t v : {std::int64_t(b.top), std::int64_t(b.bottom), std::int64_t(b.topX), d,
                                     std::int64_t(b.width), slope})
            if (std::abs(v) > kSmallCoord) return false;
        // The span starts at column ceil(n(y) / d), n(y) = p + y * slope.
        const std::int64_t p = std::int64_t(b.topX) * d - std::int64_t(b.top) * slope;
        const auto n = [&](std::int64_t y) { return p + y * slope; };
        // Its far end reaches past the side on every row it has, the edge being straight.
        for (const std::int64_t y : {std::int64_t(b.top), std::int64_t(b.bottom) - 1}) {
            const bool past = side == Side::Left ? n(y) <= std::int64_t(left) * d
                                                 : n(y) > std::int64_t(right - b.width - 1) * d;
            if (!past) return false;
        }
        // Counted from the side, the covered columns end at the start plus the width (from the left), or
        // at right less the start, which is floor(-n / d) = ceil((-n - d + 1) / d) (from the right). The
        // slope whole * d + part, part in [0, d), gives the edge's moves without a division.
        const bool fromLeft = side == Side::Left;
        const std::int64_t edgeSlope = fromLeft ? slope : -slope;
        const std::int64_t q = fromLeft ? b.whole : -b.whole - (b.part > 0 ? 1 : 0);
        const std::int64_t r = fromLeft || b.part == 0 ? b.part : d - b.part;
        const Edge e = fromLeft ? Edge{p, d, b.width - left, q, r, edgeSlope}
                                : Edge{-p - d + 1, d, right, q, r, edgeSlope};
        // Below its rows the edge's line must stay off the row: it moves towards the side and has passed it.
        if (edgeSlope > 0 || e.p + b.bottom * edgeSlope > -e.k * d) return false;
        // It reaches at least as far as the band before (painted after it) on every row where that one
        // shows; the lines being straight, it is enough to compare them where that stretch begins and ends.
        const Line line =
            fromLeft ? Line{b.bottom, p + e.k * d, slope, d} : Line{b.bottom, e.k * d - p, -slope, d};
        if (before && before->bottom - 1 >= firstRow && before->on(firstRow) > 0)
            for (const std::int64_t y : {firstRow, before->bottom - 1})
                if (before->on(y) * d > line.on(y) * before->d) return false;
        before = line;
        m_edges.push_back(e);
        m_colors.push_back(colors[i]);
    }
    if (m_edges.empty()) return false;
    // An edge between two bands of one colour shows nothing: the pixels it parts are the next band's
    // colour either way, as that band reaches at least as far.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_edges.size(); ++i) {
        if (i + 1 < m_edges.size() && m_colors[i] == m_colors[i + 1]) continue;
        m_edges[kept] = m_edges[i];
        m_colors[kept++] = m_colors[i];
    }
    m_edges.resize(kept);
    m_colors.resize(kept);
    m_firstRow = static_cast<int>(firstRow);
    // The last band's move, rounded: it is on the most rows.
    const Edge& last = m_edges.back();
    m_move = last.q + (2 * last.r >= last.d ? 1 : 0);
    m_shifted.assign(m_edges.size(), 0);
    m_due.assign(m_edges.size(), 0);
    m_sigma.assign(m_edges.size(), 0);
    m_next.assign(m_edges.size(), -1);
    // A row repaints at most next to every edge twice (an exception and coming in) and at the far end.
    m_repaint.resize(2 * m_edges.size() + 1);
    return true;
}

void BandStaircase::schedule(std::size_t i, std::int64_t from, std::int64_t sigma) {
    // From one row to the next an edge moves by q, or by q + 1 where its shortfall is below r; the shortfall
    // then falls by r, or rises by d - r.
    const Edge& e = m_edges[i];
    std::int64_t rows = 0;
    if (e.q == m_move) {
        if (e.r == 0) return;
        rows = ceilDiv(sigma + 1, e.r) - 1;  // sigma / r rounded down, sigma being at least 0
        sigma -= rows * e.r;
    } else if (e.q + 1 == m_move && sigma < e.r) {
        rows = ceilDiv(e.r - sigma, e.d - e.r);
        sigma += rows * (e.d - e.r);
    }
    m_sigma[i] = sigma;
    m_due[i] = from + rows;
    auto& slot = m_ring[static_cast<std::size_t>(std::min(m_due[i], from + kRing - 1) & (kRing - 1))];
    m_next[i] = slot;
    slot = static_cast<std::ptrdiff_t>(i);
}

void BandStaircase::enter(std::size_t i, std::int64_t y) {
    const Edge& e = m_edges[i];
    const std::int64_t n = e.p + y * e.s;
    // An edge coming in from past the far end mostly stands a column or two short of it: found by stepping
    // back from there rather than by dividing.
    std::int64_t column = m_width - e.k - 1;
    std::int64_t sigma = column * e.d - n;
    for (int step = 0; step < 4 && sigma >= e.d; ++step) {
        sigma -= e.d;
        --column;
    }
    if (sigma < 0 || sigma >= e.d) {
        column = ceilDiv(n, e.d);
        sigma = column * e.d - n;
    }
    place(i, y, column, sigma);
}

void BandStaircase::place(std::size_t i, std::int64_t y, std::int64_t column, std::int64_t sigma) {
    m_shifted[i] = column + m_edges[i].k - m_move * y;
    schedule(i, y, sigma);
}

std::int64_t BandStaircase::entryNumerator(std::int64_t y) const {
    if (m_entered == m_edges.size()) return 0;
    const Edge& e = m_edges[m_entered];
    return e.p + y * e.s;
}

bool BandStaircase::entering() const {
    // The edge is short of the far end where its numerator is at most (width - k - 1) * d.
    if (m_entered == m_edges.size()) return false;
    const Edge& e = m_edges[m_entered];
    return m_entryNumerator <= (m_width - e.k - 1) * e.d;
}

void BandStaircase::start(int y) {
    m_ring.assign(static_cast<std::size_t>(kRing), -1);
    // The edges never move away from the side, and each band reaches at least as far as the one before.
    const auto firstWhere = [&](auto&& reaches) {
        return static_cast<std::size_t>(
            std::partition_point(m_edges.begin(), m_edges.end(),
                                 [&](const Edge& e) { return !reaches(edgeAt(e, y)); }) -
            m_edges.begin());
    };
    m_passed = firstWhere([](std::int64_t edge) { return edge > 0; });
    m_entered = firstWhere([&](std::int64_t edge) { return edge >= m_width; });
    for (std::size_t i = m_passed; i < m_entered; ++i) {
        const Edge& e = m_edges[i];
        const std::int64_t n = e.p + y * e.s;
        const std::int64_t column = ceilDiv(n, e.d);
        place(i, y, column, column * e.d - n);
    }
    m_entryNumerator = entryNumerator(y);
}

void BandStaircase::takeExceptions(int y) {
    const std::int64_t row = y - 1;
    auto& slot = m_ring[static_cast<std::size_t>(row & (kRing - 1))];
    std::ptrdiff_t next = slot;
    slot = -1;
    while (next >= 0) {
        const auto i = static_cast<std::size_t>(next);
        next = m_next[i];
        // A band that has passed the side is dropped; one due later waits again.
        if (i < m_passed) continue;
        if (m_due[i] != row) {
            auto& later = m_ring[static_cast<std::size_t>(std::min(m_due[i], row + kRing) & (kRing - 1))];
            m_next[i] = later;
            later = static_cast<std::ptrdiff_t>(i);
            continue;
        }
        const Edge& e = m_edges[i];
        const std::int64_t sigma = m_sigma[i];
        const bool carries = sigma < e.r;
        const std::int64_t moved = e.q + (carries ? 1 : 0);
        const std::int64_t before = edge(i, row);
        m_shifted[i] += moved - m_move;
        m_repaint[m_repaints++] =
            Repaint{std::min(before + m_move, before + moved), std::max(before + m_move, before + moved), i};
        schedule(i, y, carries ? sigma - e.r + e.d : sigma - e.r);
    }
    // A band coming in from past the far end leaves columns behind it that the row before showed as its own.
    if (m_entered < m_edges.size()) m_entryNumerator += m_edges[m_entered].s;
    while (entering()) {
        enter(m_entered, y);
        m_repaint[m_repaints++] = Repaint{edge(m_entered, y), m_width, m_entered + 1};
        ++m_entered;
        m_entryNumerator = entryNumerator(y);
    }
    while (m_passed < m_entered && edge(m_passed, y) <= 0) ++m_passed;
}

void BandStaircase::fill(QRgb* row, std::int64_t a, std::int64_t b, QRgb color) const {
    if (m_side == Side::Left)
        std::fill(row + a, row + b, color);
    else
        std::fill(row + (m_width - b), row + (m_width - a), color);
}

std::int64_t BandStaircase::covered(std::int64_t y) const {
    if (m_entered < m_edges.size()) return m_width;
    return m_entered > m_passed ? std::clamp<std::int64_t>(edge(m_entered - 1, y), 0, m_width) : 0;
}

void BandStaircase::layWhole(int y, QRgb* row) const {
    std::int64_t laid = 0;
    for (std::size_t i = m_passed; i < m_entered; ++i) {
        const std::int64_t edgeHere = std::clamp<std::int64_t>(edge(i, y), 0, m_width);
        if (edgeHere > laid) fill(row, laid, edgeHere, m_colors[i]);
        laid = std::max(laid, edgeHere);
    }
    if (m_entered < m_edges.size() && laid < m_width) fill(row, laid, m_width, m_colors[m_entered]);
}

std::pair<int, int> BandStaircase::Compose(int y, const QRgb* previous, QRgb* row) {
    const bool follows = m_composed && previous && y == m_row + 1;
    const std::int64_t was = m_covered;
    m_repaints = 0;
    if (follows)
        takeExceptions(y);
    else
        start(y);
    const std::int64_t now = covered(y);
    if (follows) {
        // What the row before holds, moved towards the side (the edges never move away from it); the
        // columns nothing moves into, at the far end, are repainted.
        const std::int64_t b = std::min(now, was + m_move);
        if (b > 0) {
            const std::int64_t to = m_side == Side::Left ? 0 : m_width - b;
            std::memmove(row + to, previous + to - (m_side == Side::Left ? m_move : -m_move),
                         static_cast<std::size_t>(b) * sizeof(QRgb));
        }
        m_repaint[m_repaints++] = Repaint{std::max<std::int64_t>(b, 0), now, m_entered};
    }
    std::int64_t pixels = 0;
    for (std::size_t k = 0; k < m_repaints; ++k) {
        Repaint& r = m_repaint[k];
        r.a = std::max<std::int64_t>(r.a, 0);
        r.b = std::min(r.b, now);
        pixels += std::max<std::int64_t>(r.b - r.a, 0);
    }
    if (!follows || pixels > kMostRepainted) {
        layWhole(y, row);
    } else {
        // Column u of the row, counted from the side.
        QRgb* const first = m_side == Side::Left ? row : row + m_width - 1;
        const std::ptrdiff_t step = m_side == Side::Left ? 1 : -1;
        const std::int64_t move = m_move * y;
        for (std::size_t k = 0; k < m_repaints; ++k) {
            const Repaint& r = m_repaint[k];
            // The first band whose edge lies past the column, found from the band next to it.
            std::size_t j = std::clamp(r.near, m_passed, m_entered);
            for (std::int64_t u = r.a; u < r.b; ++u) {
                while (j > m_passed && m_shifted[j - 1] + move > u) --j;
                while (j < m_entered && m_shifted[j] + move <= u) ++j;
                first[step * u] = m_colors[j];
            }
        }
    }
    m_composed = true;
    m_row = y;
    m_covered = now;
    const int end = static_cast<int>(now);
    return m_side == Side::Left ? std::pair{0, end} : std::pair{m_width - end, m_width};
}
