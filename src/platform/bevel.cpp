#include "platform/bevel.h"

#include <QPainter>

#include "platform/canvas.h"

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

std::array<TBevel::Strip, 4> TBevel::Strips() const {
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
    for (const Strip& strip : Strips()) {
        canvas.Brush() = TBrush{strip.color, BrushStyle::Solid};
        canvas.FillRect(strip.rect);
    }
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Strip& strip : Strips()) {
        const TRect& r = strip.rect;
        if (!r.IsEmpty()) painter.fillRect(r.Left, r.Top, r.Width(), r.Height(), QColor(ToQRgb(strip.color)));
    }
}
