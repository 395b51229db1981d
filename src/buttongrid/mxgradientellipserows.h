#pragma once

#include <optional>
#include <vector>

#include "buttongrid/ellipserowbatch.h"
#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"

// Ellipses about one centre (gstElliptic), worked out together a few dozen at a time, since the smallest
// that covers a row hides all larger ones. Where the centre column lies among the columns asked for, only
// the half of each row from there on is worked out and the other half mirrored; every row above the centre
// row is the mirror of one below.
class MxEllipseRows : public MxGradientRows {
public:
    // Whether every step is an ellipse small enough for the batch's exact arithmetic.
    static bool Fits(const std::vector<MxGradientStep>& steps);
    MxEllipseRows(std::vector<MxGradientStep> steps, int left, int right);

    Run Resolve(int y) override;
    Run ResolveInto(int y, QRgb* row) override;
    std::optional<int> MirrorSum() const override;

private:
    // Ellipses about one column, growing, seen in a window holding that column: only the half of each row
    // from there on is worked out, the other mirrored.
    void prepareHalfRows();
    // From the first ellipse reaching row y on: the half row is composed in Pixels() and the whole row laid
    // into row, which may be Pixels().
    Run resolveHalfRow(int y, std::size_t first, QRgb* row);

    std::vector<MxGradientStep> m_steps;
    MxStepWalk m_walk;
    EllipseRowBatch m_batch;
    std::vector<QRgb> m_colors;
    std::vector<int> m_x0;
    std::vector<int> m_x1;
    std::optional<int> m_mirrorSum;
    // The columns of the half row worked out, from the centre on; the first is the mirror of itself where
    // m_mirrorColumnsOdd is 0, of the column before where it is 1.
    std::optional<Run> m_halfRow;
    int m_mirrorColumnsOdd = 0;
    std::size_t m_halfRowCover = 0;  // one past the ellipse that covered the half row resolved last
    // Ellipses worked out at once where no earlier row tells how many a row needs.
    static constexpr std::size_t kChunk = 32;
};
