#include "platform/bevel.h"

#include <QImage>
#include <QPainter>

#include "platform/canvas.h"

TBevel::TBevel(QWidget* parent) : QWidget(parent) {}

void TBevel::Paint(Canvas& canvas) const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Each polyline leaves out its end point; the other colour's polyline covers it.
    canvas.SetPen({clBtnShadow, 1, PenStyle::Solid});
    canvas.Polyline({{0, bottom}, {0, 0}, {right, 0}});
    canvas.SetPen({clBtnHighlight, 1, PenStyle::Solid});
    canvas.Polyline({{right, 0}, {right, bottom}, {-1, bottom}});
}

void TBevel::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0) return;
    QImage surface(size(), QImage::Format_ARGB32);
    surface.fill(Qt::transparent);
    Canvas canvas(surface);
    Paint(canvas);
    QPainter(this).drawImage(0, 0, surface);
}
