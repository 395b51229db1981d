#pragma once

#include <vector>

#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"

// Bands side by side (gstHorizontal) or stacked (gstVertical), each step's between the table entry's share of
// the width or height and the next one's: they never overlap, so a row is the bands reaching it, each written
// once. Bands side by side all cover the same rows, so each of those rows is a copy of the one before.
class MxBandRows : public MxGradientRows {
public:
    MxBandRows(std::vector<MxGradientStep> steps, int left, int right);

    Run Resolve(int y) override;
    Run ResolveInto(int y, QRgb* row) override;

private:
    Run compose(int y, QRgb* row);
    Run composeStacked(int y, QRgb* row);

    std::vector<MxGradientStep> m_steps;
    MxStepWalk m_walk;
    bool m_sideBySide = false;
    // Each band lies wholly below the one before it.
    bool m_stacked = false;
    // One past the last band starting at or above the row m_bandRow, the last a stacked row was composed for.
    std::size_t m_nextBand = 0;
    int m_bandRow = 0;
    // The row resolved last, and where it was written.
    const QRgb* m_previous = nullptr;
    int m_lastRow = 0;
    Run m_covered{0, 0};
};
