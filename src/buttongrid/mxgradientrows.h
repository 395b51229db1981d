#pragma once

#include <QRgb>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "buttongrid/mxgradient.h"
#include "platform/geometry.h"

class RowTarget;

// A gradient resolved row by row instead of painted shape over shape: each pixel gets the colour of the last
// shape that covers it, and is written once. Gives exactly the pixels of painting every step's shape in
// painting order, at about the cost of one fill. Each family of styles builds its rows its own way;
// MxGradientRowsFor picks the way.
class MxGradientRows {
public:
    // A column range [first, second) of a row.
    using Run = std::pair<int, int>;

    MxGradientRows(const MxGradientRows&) = delete;
    MxGradientRows& operator=(const MxGradientRows&) = delete;
    virtual ~MxGradientRows() = default;

    // Resolves row y (relative to the rectangle) into Pixels(), indexed from the first column asked for, and
    // returns the run of columns some shape covers ({0, 0} when none): those get their colour, the others
    // keep what they held.
    virtual Run Resolve(int y) = 0;
    QRgb* Pixels() { return m_pixels.data() + kSlack; }
    // Resolves row y straight into row, indexed like Pixels(), writing nothing outside the covered run it
    // returns. A row built from the row before takes that row from where the call before left it, so it must
    // not have been written in its covered run since. This and Resolve may be mixed.
    virtual Run ResolveInto(int y, QRgb* row);
    // When the shapes are symmetric about a row: the sum of every two rows that resolve exactly alike.
    virtual std::optional<int> MirrorSum() const { return std::nullopt; }

protected:
    // The rows on the columns [left, right) relative to the rectangle.
    MxGradientRows(int left, int right);
    int Left() const { return m_left; }
    int Right() const { return m_right; }
    int Width() const { return m_right - m_left; }
    // Makes room for `columns` pixels from Pixels() on, for rows worked out past the columns asked for.
    void ReservePixels(int columns);

    // Pixels written unasked past a growing run, in one vector store: the pieces a shape adds to a row are
    // mostly a pixel or two, and asking whether a side grows costs more than writing it.
    static constexpr int kSlack = 8;
    // Lays the shapes [first, last), whose columns on the row are [lefts[i], rights[i]) (none where left >=
    // right), around the covered run on the row [pixels, pixels + width), each under those before it; true
    // once the run is the whole row. On any row the spans of a style's shapes share a column, so the shapes
    // met so far cover one run and each further one adds at most a piece on either side of it. Up to kSlack
    // pixels past the run's ends may be written.
    static bool LayPieces(const int* lefts, const int* rights, const QRgb* colors, std::size_t first,
                          std::size_t last, Run& covered, QRgb* pixels, int width);

private:
    int m_left;
    int m_right;
    // The row, with kSlack pixels to spare on either side.
    std::vector<QRgb> m_pixels;
};

// The rows of the width × height gradient of style on the columns [left, right) relative to its rectangle
// (the shapes reach past the rectangle wherever the columns do), built the way that suits the style and size:
//   gstHorizontal, gstVertical               bands side by side or stacked (MxBandRows)
//   gstSquare and the four corner styles     boxes each inside the next (MxNestedBoxRows)
//   gstElliptic                              ellipses, batched and mirrored (MxEllipseRows)
//   gstTopLeftDiagonal, gstTopRightDiagonal  sheared bands, a staircase where they form one (MxDiagonalRows)
// and the general painter of one shape at a time (MxPainterRows) wherever the shapes are too large for the
// batches' arithmetic.
std::unique_ptr<MxGradientRows> MxGradientRowsFor(TMxGradientStyle style, int width, int height,
                                                  const TMxColorList& colors, int left, int right);

// Paints the rows of window (relative to the gradient's rectangle) into target, which holds exactly the
// window's pixels. Pixels no shape covers take `outside` where it is given and keep what they held otherwise.
void MxPaintGradientRows(MxGradientRows& rows, RowTarget& target, const TRect& window,
                         std::optional<QRgb> outside);
