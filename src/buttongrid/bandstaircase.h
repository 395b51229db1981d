#pragma once

#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "buttongrid/shearedbandrows.h"

// Sheared bands, last painted first, where every band covers a row from one end of the columns asked for up
// to its inner edge, and each band's edge lies at or past that of the one painted after it: a row is a
// staircase of colours, and the next row is nearly the same staircase moved by the edges' common slope. A row
// is composed by moving the row before and repainting only the pixels next to the few edges that moved by
// another whole number of columns; those edges are known ahead, each edge's rounding being carried on from
// one of its exceptions to the next.
class BandStaircase {
public:
    // The end of the row every band reaches past.
    enum class Side { Left, Right };

    // Whether the bands (with their colours) form such a staircase on the columns [left, right) from some
    // row on, reaching past the given side; if so, the rows from FirstRow() on can be composed.
    bool Prepare(const std::vector<ShearedBandRows::Band>& bands, const QRgb* colors, Side side, int left,
                 int right);
    int FirstRow() const { return m_firstRow; }

    // Composes row y (from FirstRow() on) into row, indexed from left, and returns the columns [first,
    // second) the bands cover; the others are not written. previous is row y - 1 as composed here the call
    // before, or null; any other row is composed from scratch.
    std::pair<int, int> Compose(int y, const QRgb* previous, QRgb* row);

private:
    // A band's inner edge, counted from the side the bands reach past: it covers [0, edge) of a row, where
    // edge = ceil((p + y * s) / d) + k, and moves by q or q + 1 columns from one row to the next, s being
    // q * d + r.
    struct Edge {
        std::int64_t p;
        std::int64_t d;
        std::int64_t k;
        std::int64_t q;
        std::int64_t r;
        std::int64_t s;
    };
    std::int64_t edgeAt(const Edge& e, std::int64_t y) const;
    // The edge of band i on row y, for a band between m_passed and m_entered.
    std::int64_t edge(std::size_t i, std::int64_t y) const { return m_shifted[i] + m_move * y; }
    void start(int y);
    // Takes band i in on row y, its edge now short of the far end, and schedules its first exception.
    void enter(std::size_t i, std::int64_t y);
    // Sets band i's edge on row y from its column and rounding shortfall there, and schedules it.
    void place(std::size_t i, std::int64_t y, std::int64_t column, std::int64_t sigma);
    // Band m_entered's p + y * s on row y, and whether on the row it stands for its edge falls short of the
    // far end.
    std::int64_t entryNumerator(std::int64_t y) const;
    bool entering() const;
    // Schedules the next row from `from` on where edge i moves by other than m_move; sigma is its rounding
    // shortfall on row `from`.
    void schedule(std::size_t i, std::int64_t from, std::int64_t sigma);
    // Moves the edges with an exception on the way from row y - 1 to row y, noting the columns to repaint.
    void takeExceptions(int y);
    // The columns [a, b) counted from the side, as pixels of the row counted from left.
    void fill(QRgb* row, std::int64_t a, std::int64_t b, QRgb color) const;
    void layWhole(int y, QRgb* row) const;
    std::int64_t covered(std::int64_t y) const;

    Side m_side = Side::Left;
    int m_width = 0;
    int m_firstRow = 0;
    std::vector<Edge> m_edges;
    std::vector<QRgb> m_colors;
    // The columns most edges move by from row to row.
    std::int64_t m_move = 0;
    // The bands [m_passed, m_entered) have their edges on the row: those before have passed the side for
    // good, those from m_entered on still reach past the far end.
    std::size_t m_passed = 0;
    std::size_t m_entered = 0;
    std::int64_t m_entryNumerator = 0;
    // Per band: its edge on row y less m_move * y, which changes only on its exceptions; the row of its next
    // exception and its rounding shortfall there.
    std::vector<std::int64_t> m_shifted;
    std::vector<std::int64_t> m_due;
    std::vector<std::int64_t> m_sigma;
    // The bands due on each of the next kRing rows, as lists through m_next; one due later waits on the
    // ring's last row and is put back.
    static constexpr std::int64_t kRing = 256;
    std::vector<std::ptrdiff_t> m_ring;
    std::vector<std::ptrdiff_t> m_next;
    // Columns to repaint, with the band to start looking for their colour from: a band's index, or
    // m_entered.
    struct Repaint {
        std::int64_t a;
        std::int64_t b;
        std::size_t near;
    };
    std::vector<Repaint> m_repaint;
    std::size_t m_repaints = 0;
    bool m_composed = false;
    int m_row = 0;
    std::int64_t m_covered = 0;  // the columns the row composed last covers
};
