#pragma once

#include <QRgb>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "buttongrid/mxgradient.h"
#include "platform/geometry.h"

// One step's shape as it lands on pixels.
struct MxGradientStep {
    TMxGradientShape::Kind kind;
    // The pixels covered (bands, rectangles), the ellipse's box, or a polygon's rows [Top, Bottom);
    // normalised.
    TRect box;
    QRgb color;
    std::array<TPoint, 4> points;  // a polygon's corners
};

// The steps of the width × height gradient seen on the columns [left, right), last painted first: each
// pixel gets the colour of the first step whose shape covers it. Steps that add no pixel of their own (empty,
// or hidden under the next in the same colour) are left out.
std::vector<MxGradientStep> MxGradientStepsLastPaintedFirst(TMxGradientStyle style, int width, int height,
                                                            const TMxColorList& colors, int left, int right);

// The steps that can reach a row, walked on from the row asked before: a step or two per row as rows come
// downwards, since in every style the steps' bottoms grow in that order and their tops run one way.
class MxStepWalk {
public:
    // Reads the steps' rows from steps, which outlives the walk unchanged.
    explicit MxStepWalk(const std::vector<MxGradientStep>& steps);
    // The steps [first, second) leaving out those that end above row y or start below it, as far as their
    // order tells; some in between may miss the row.
    std::pair<std::size_t, std::size_t> Reaching(int y);

private:
    const std::vector<MxGradientStep>& m_steps;
    bool m_bottomsGrow = false;
    bool m_topsFall = false;
    bool m_topsGrow = false;
    std::size_t m_endedAbove = 0;     // the steps that end above the row last asked
    std::size_t m_startingBelow = 0;  // those that start below it, where the tops fall
    std::size_t m_started = 0;        // those that start at or above it, where the tops grow
};
