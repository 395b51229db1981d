#pragma once

#include <vector>

#include "buttongrid/bandstaircase.h"
#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"
#include "buttongrid/shearedbandrows.h"

// Sheared bands (gstTopLeftDiagonal, gstTopRightDiagonal), their columns on a row worked out together. Where
// they form a staircase on the columns asked for, a row is the row before moved by the bands' common slope,
// with only the pixels next to the few edges that moved otherwise repainted.
class MxDiagonalRows : public MxGradientRows {
public:
    // The bands of the steps, when every step is a polygon that ShearedBandRows can describe; empty
    // otherwise.
    static std::vector<ShearedBandRows::Band> BandsOf(const std::vector<MxGradientStep>& steps);
    MxDiagonalRows(std::vector<MxGradientStep> steps, std::vector<ShearedBandRows::Band> bands, int left,
                   int right);

    Run Resolve(int y) override;
    Run ResolveInto(int y, QRgb* row) override;

private:
    Run resolveBatched(int y);

    std::vector<MxGradientStep> m_steps;
    MxStepWalk m_walk;
    std::vector<QRgb> m_colors;
    std::vector<ShearedBandRows::Band> m_bandShapes;
    ShearedBandRows m_bands;
    std::vector<int> m_x0;
    std::vector<int> m_x1;
    bool m_staircase = false;
    BandStaircase m_stairs;
    // The row the staircase composed last; null when the last row came another way.
    const QRgb* m_stairRow = nullptr;
};
