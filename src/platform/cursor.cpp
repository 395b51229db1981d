#include "platform/cursor.h"

#include <QWidget>

void applyCursor(QWidget& widget, TCursor cursor) {
    switch (cursor) {
        case crDefault:
            widget.unsetCursor();
            return;
        case crCross:
            widget.setCursor(Qt::CrossCursor);
            return;
        case crIBeam:
            widget.setCursor(Qt::IBeamCursor);
            return;
        case crHelp:
            widget.setCursor(Qt::WhatsThisCursor);
            return;
        case crHandPoint:
            widget.setCursor(Qt::PointingHandCursor);
            return;
        default:
            widget.setCursor(Qt::ArrowCursor);
            return;
    }
}
