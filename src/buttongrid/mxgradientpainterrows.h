#pragma once

#include <vector>

#include "buttongrid/mxgradientrows.h"
#include "buttongrid/mxgradientsteps.h"
#include "platform/raster.h"

// Any steps, one shape at a time down the row from the last painted: the way for shapes too large for the
// batches' arithmetic, or of no family the other ways know. A row of bands and rectangles alone differs from
// the one before only where a shape starts or ends.
class MxPainterRows : public MxGradientRows {
public:
    MxPainterRows(std::vector<MxGradientStep> steps, int left, int right);

    Run Resolve(int y) override;

private:
    // Step i's columns on row y, counted from the left column asked for; false where it misses the row.
    bool columnsOf(std::size_t i, int y, int& x0, int& x1);

    std::vector<MxGradientStep> m_steps;
    MxStepWalk m_walk;
    std::vector<QRgb> m_colors;
    // Per step, the rows of its ellipse or polygon.
    std::vector<EllipseRows> m_ellipses;
    std::vector<ConvexPolygonRows> m_polygons;
    std::vector<int> m_x0;
    std::vector<int> m_x1;
    // The rows where a shape starts or ends, sorted; rows between them repeat while every shape is straight.
    std::vector<int> m_rowChanges;
    bool m_straight = true;
    bool m_resolved = false;
    int m_lastRow = 0;
    Run m_covered{0, 0};
};
