#pragma once

#include <QRgb>
#include <cstddef>

#include "platform/geometry.h"

class Canvas;

// The rows of a rectangle of a canvas, for painters that resolve whole rows or runs of them: a row lying
// whole in the image and the clip is handed out to be written straight into; any other row is written through
// the clip. The rectangle may reach past the image. Rows and columns count from the rectangle's top-left.
class RowTarget {
public:
    RowTarget(Canvas& canvas, const TRect& rect);

    int Width() const { return m_rect.Width(); }
    // Row y to write straight into, its column 0 at the rectangle's left, when the row needs no clipping;
    // null when some of it lies outside the image or the clip, and the row must go through Put.
    QRgb* Row(int y);
    // Copies the ready opaque pixels [x0, x1) onto the same columns of row y, leaving out what lies outside
    // the image or the clip.
    void Put(int y, const QRgb* pixels, int x0, int x1);

private:
    Canvas& m_canvas;
    TRect m_rect;
    // Every row at once, where the canvas has no clip and the rectangle lies in the image.
    QRgb* m_block = nullptr;
    std::ptrdiff_t m_stride = 0;
};
