#include "buttongrid/mxgradientbandrows.h"
#include "buttongrid/mxgradientdiagonalrows.h"
#include "buttongrid/mxgradientellipserows.h"
#include "buttongrid/mxgradientnestedrows.h"
#include "buttongrid/mxgradientpainterrows.h"
#include "buttongrid/mxgradientrows.h"

std::unique_ptr<MxGradientRows> MxGradientRowsFor(TMxGradientStyle style, int width, int height,
                                                  const TMxColorList& colors, int left, int right) {
    std::vector<MxGradientStep> steps =
        MxGradientStepsLastPaintedFirst(style, width, height, colors, left, right);
    switch (style) {
        case TMxGradientStyle::gstHorizontal:
        case TMxGradientStyle::gstVertical:
            return std::make_unique<MxBandRows>(std::move(steps), left, right);
        case TMxGradientStyle::gstSquare:
        case TMxGradientStyle::gstTopLeft:
        case TMxGradientStyle::gstTopRight:
        case TMxGradientStyle::gstBottomLeft:
        case TMxGradientStyle::gstBottomRight:
            if (MxNestedBoxRows::Fits(steps))
                return std::make_unique<MxNestedBoxRows>(std::move(steps), left, right);
            break;
        case TMxGradientStyle::gstElliptic:
            if (MxEllipseRows::Fits(steps))
                return std::make_unique<MxEllipseRows>(std::move(steps), left, right);
            break;
        case TMxGradientStyle::gstTopLeftDiagonal:
        case TMxGradientStyle::gstTopRightDiagonal:
            if (std::vector<ShearedBandRows::Band> bands = MxDiagonalRows::BandsOf(steps); !bands.empty())
                return std::make_unique<MxDiagonalRows>(std::move(steps), std::move(bands), left, right);
            break;
    }
    return std::make_unique<MxPainterRows>(std::move(steps), left, right);
}
