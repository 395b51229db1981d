#include "platform/drawface.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <algorithm>

void DrawFace(QPainter& painter, const QRegion& region, const QImage& face) {
    // Qt hands a copy that is not one plain block (clipped to more than a rectangle, or blended) to helper
    // threads once it spans 96 rows, and waking them costs more than the copy. What other controls leave of
    // a face is often thin and tall, so each rectangle of the region goes a few dozen rows at a time.
    constexpr int kRowsPerCopy = 64;
    for (const QRect& part : region)
        for (int top = part.top(); top <= part.bottom(); top += kRowsPerCopy) {
            const QRect rows(part.left(), top, part.width(), std::min(kRowsPerCopy, part.bottom() + 1 - top));
            painter.drawImage(rows.topLeft(), face, rows);
        }
}
