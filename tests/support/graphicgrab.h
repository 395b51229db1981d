#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/graphiccontrol.h"

// What a graphic control leaves on its parent's surface, painted the way its parent paints it, over a
// surface of one colour.
inline QImage PaintedOnParent(TGraphicControl& control, QRgb behind) {
    QImage image(control.size(), QImage::Format_RGB32);
    image.fill(behind);
    QPainter painter(&image);
    control.PaintTo(painter, QRegion(control.rect()));
    return image;
}
