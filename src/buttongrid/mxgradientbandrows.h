#pragma once

#include <vector>

#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"

// Bands side by side (gstHorizontal) or stacked (gstVertical), each step's between the table entry's share of
// the width or height and the next one's: they never overlap, so a row is the bands
// reaching it, each written once, and a row that the same bands reach as the row before is a copy of it.
class MxBandRows : public MxGradientRows {
public:
    MxBandRows(std::vector<MxGradientStep> steps, int left, int right);

    Run Resolve(int y) override;
    Run ResolveInto(int y, QRgb* row) override;

private:
    std::vector<MxGradientStep> m_steps;
    MxStepWalk m_walk;
    // The rows where a band starts or ends, sorted.
    std::vector<int> m_rowChanges;
    // The row resolved last, where it was written and what covers it.
    const QRgb* m_previous = nullptr;
    int m_lastRow = 0;
    Run m_covered{0, 0};
    int m_bandsOnRow = 0;
};
