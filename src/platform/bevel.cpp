#include "platform/bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget* parent) : TGraphicControl(parent) {}

std::array<SolidFill, 4> TBevel::Strips() const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    return {{
        {{0, 1, 1, bottom + 1}, clBtnShadow},
        {{0, 0, right, 1}, clBtnShadow},
        {{right, 0, right + 1, bottom}, clBtnHighlight},
        {{0, bottom, right + 1, bottom + 1}, clBtnHighlight},
    }};
}

void TBevel::Paint(Canvas& canvas) const {
    PaintSolidFills(canvas, Strips());
}

void TBevel::PaintTo(QPainter& painter, const QRegion&) {
    PaintSolidFills(painter, Strips());
}
