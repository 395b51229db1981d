#pragma once

#include <array>

#include "platform/graphiccontrol.h"
#include "platform/solidfill.h"

class Canvas;

// A windowless lowered box: a one-pixel frame, shadow along the top and left, highlight along the bottom
// and right. Only its frame is painted; what lies behind shows through the inside.
class TBevel : public TGraphicControl {
    Q_OBJECT

public:
    explicit TBevel(QWidget* parent = nullptr);

    // The frame's strips in painting order: the shadow's polyline from the bottom left corner up and along
    // the top, then the highlight's down the right side and back along the bottom, each leaving out its end
    // point.
    std::array<SolidFill, 4> Strips() const;
    void Paint(Canvas& canvas) const;
    // Straight onto the parent's surface: a face of the bevel's size would cost a page of fresh memory per
    // row for the one pixel at either end.
    void PaintTo(QPainter& painter, const QRegion& region) override;
};
