#pragma once

#include <vector>

#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"

// Rectangles each inside the next (gstSquare and the corner styles): a pixel's colour is that of the first
// box holding both its row and its column, so a row is the columns' colours with the first box holding the
// row laid over its part. Each pixel is written once.
class MxNestedBoxRows : public MxGradientRows {
public:
    // Whether the steps are bands or rectangles, each inside the one painted before it.
    static bool Fits(const std::vector<MxGradientStep>& steps);
    MxNestedBoxRows(std::vector<MxGradientStep> steps, int left, int right);

    Run Resolve(int y) override;
    Run ResolveInto(int y, QRgb* row) override;

private:
    // The columns [x0, x1) of the first box holding row y, within the covered run, and its colour; false
    // where no box holds the row.
    bool firstBoxHolding(int y, int& x0, int& x1, QRgb& color);

    std::vector<MxGradientStep> m_steps;
    // Each column's colour: that of the first box reaching it.
    std::vector<QRgb> m_columnColors;
    Run m_run{0, 0};          // the columns some box reaches
    Run m_laid{0, 0};         // the columns of Pixels() that do not hold their column's colour
    std::size_t m_first = 0;  // the first box holding the row asked last
};
