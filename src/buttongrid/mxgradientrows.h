#pragma once

#include <QRgb>
#include <optional>
#include <utility>
#include <vector>

#include "buttongrid/mxgradient.h"
#include "platform/bandstaircase.h"
#include "platform/ellipserowbatch.h"
#include "platform/raster.h"
#include "platform/shearedbandrows.h"

// A gradient resolved row by row instead of painted shape over shape: each pixel gets the colour of the last
// shape that covers it, and is written once. Gives exactly the pixels of painting every step's shape in
// painting order, at about the cost of one fill.
class MxGradientRows {
public:
    // A column range [first, second) of a row.
    using Run = std::pair<int, int>;

    // The gradient of a width × height rectangle, resolved on the columns [left, right) relative to it: the
    // shapes reach past the rectangle wherever the target does.
    MxGradientRows(TMxGradientStyle style, int width, int height, const TMxColorList& colors, int left,
                   int right);

    // Resolves row y (relative to the rectangle) into Pixels(), indexed from `left`, and returns the run of
    // columns some shape covers ({0, 0} when none): those get their colour, the others keep what they held.
    Run Resolve(int y);
    QRgb* Pixels() { return m_pixels.data() + kSlack; }
    // Whether a row costs no more than writing it once (rectangles each inside the next, bands all as wide
    // as one another, a staircase of sheared bands, or ellipses whose half rows mirror), so that ResolveInto
    // serves.
    bool ResolvesInPlace() const { return m_nested || m_uniformRows || m_staircase || m_halfRow; }
    // Resolves row y straight into row, indexed from `left` like Pixels(), and returns the covered run; only
    // where ResolvesInPlace(). This and Resolve may be mixed; a staircase row is composed from the row before
    // as the call before left it, so that row must not have been written in the covered run since.
    Run ResolveInto(int y, QRgb* row);
    // The row that resolves exactly like row y, when the shapes are symmetric about a row.
    std::optional<int> MirrorOf(int y) const {
        if (!m_mirrorSum) return std::nullopt;
        return *m_mirrorSum - 1 - y;
    }

private:
    // One step's shape as it lands on pixels, with the rows it can touch.
    struct Step {
        TMxGradientShape::Kind kind;
        TRect box;  // pixels covered (bands, rectangles) or the ellipse's box, normalised
        int top;
        int bottom;
        QRgb color;
        std::size_t rows;  // index of an ellipse's or polygon's rows in m_ellipses or m_polygons
    };
    // Whether every pixel of inner's shape is one of outer's, as far as the boxes alone tell.
    static bool holds(const Step& outer, const Step& inner);
    void dropHiddenSteps();
    bool columnsOf(const Step& step, int y, int& x0, int& x1);
    // Rows of bands and rectangles differ only where a shape starts or ends: the row before y is reused.
    bool sameAsRowBefore(int y) const;
    // The steps from the last painted on, leaving out those that end above row y or start below it.
    std::size_t firstStepReaching(int y);
    Run resolveSteps(int y);
    // The same with the columns of all steps worked out together, for ellipses or sheared bands alike.
    Run resolveBatched(int y);
    // Ellipses about one column, seen in a window holding that column, from the first reaching row y on:
    // the half row is composed in Pixels() and the whole row laid into row, which may be Pixels().
    Run resolveHalfRow(int y, std::size_t first, QRgb* row);
    // Lays the steps [first, last), whose columns are in m_x0 and m_x1, around the covered run on the row
    // [pixels, pixels + width); true once the run is the whole row.
    bool layPieces(std::size_t first, std::size_t last, Run& covered, QRgb* pixels, int width);
    // Ellipses about one column, growing, seen in a window holding that column: only the half of each row
    // from there on is worked out, the other mirrored.
    void prepareHalfRows();
    // Rectangles each inside the next (square and corner styles): a pixel's colour is that of the first box
    // holding both its row and its column, so a row is the columns' colours with the first box's colour
    // laid over its part.
    void prepareNested();
    // The first box holding row y, its columns within the covered run; none where no box holds the row.
    struct FirstBox {
        Run columns;
        QRgb color;
    };
    std::optional<FirstBox> firstBoxHolding(int y) const;
    Run resolveNested(int y);

    int m_left;
    int m_right;
    std::vector<Step> m_lastPaintedFirst;
    // Kept apart from the steps, which are walked on every row.
    std::vector<EllipseRows> m_ellipses;
    std::vector<ConvexPolygonRows> m_polygons;
    // Every step's shape an ellipse, or every one a sheared band, small enough for the batches.
    enum class Batch { None, Ellipses, Bands };
    Batch m_batch = Batch::None;
    EllipseRowBatch m_ellipseBatch;
    std::vector<ShearedBandRows::Band> m_bandShapes;
    ShearedBandRows m_bands;
    // Sheared bands that form a staircase, and the row it composed last (null when the last row came
    // another way).
    bool m_staircase = false;
    BandStaircase m_stairs;
    const QRgb* m_stairRow = nullptr;
    std::vector<QRgb> m_colors;  // the steps' colours, for the walk over a row
    std::vector<int> m_x0;
    std::vector<int> m_x1;
    // The steps' bottoms grow in that order (every style's do), so those ending above a row come first;
    // where their tops fall as well, those starting below it come first too.
    bool m_bottomsGrow = false;
    std::vector<int> m_tops;  // the steps' tops and bottoms, for the searches on every row
    std::vector<int> m_bottoms;
    std::size_t m_endedAbove = 0;     // the steps that end above the row last asked
    std::size_t m_startingBelow = 0;  // the steps that start below it
    bool m_topsFall = false;
    Run m_covered{0, 0};
    // The row, with kSlack pixels to spare on either side.
    static constexpr int kSlack = 8;
    std::vector<QRgb> m_pixels;
    // The rows where a shape starts or ends, sorted; empty when some shape's columns depend on the row.
    std::vector<int> m_rowChanges;
    std::size_t m_changesPassed = 0;  // the changes at or above the row resolved last
    bool m_straight = true;
    int m_lastRow = 0;
    bool m_resolved = false;
    bool m_nested = false;
    bool m_uniformRows = false;  // every step a band over the same columns: each row is one colour
    std::vector<QRgb> m_columnColors;
    Run m_nestedRun{0, 0};
    Run m_laid{0, 0};  // the columns of the row that do not hold their column colour
    std::optional<int> m_mirrorSum;
    // The columns of the half row worked out, from the centre on; the first is the mirror of itself where
    // m_mirrorColumnsOdd is 0, of the column before where it is 1.
    std::optional<Run> m_halfRow;
    int m_mirrorColumnsOdd = 0;
    std::size_t m_halfRowCover = 0;  // one past the ellipse that covered the half row resolved last
    // Ellipses worked out at once where no earlier row tells how many a row needs: the smallest that covers
    // the row hides all larger ones.
    static constexpr std::size_t kEllipseChunk = 32;
};
