#include "buttongrid/mxcustomcontrol.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/canvas.h"

QEvent::Type MxBackChangedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QEvent::Type MxParentFontChangedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TMxCustomControl::TMxCustomControl(QWidget* parent) : QWidget(parent) {
    m_font.SetOnChange([this] {
        sendToChildren(MxParentFontChangedEvent());
        update();
    });
}

void TMxCustomControl::BackDrawArea(Canvas& canvas, const TRect& dest, TPoint source) const {
    const QImage* back = BackBitmap();
    if (!back) return;
    canvas.CopyRect(dest, *back, Bounds(source.X, source.Y, dest.Width(), dest.Height()));
}

void TMxCustomControl::NotifyBackChanged() {
    sendToChildren(MxBackChangedEvent());
}

bool TMxCustomControl::event(QEvent* e) {
    // A control without a back bitmap of its own draws from its parent's, so it repaints and passes the
    // news on to its own children.
    if (e->type() == MxBackChangedEvent()) {
        update();
        NotifyBackChanged();
        return true;
    }
    return QWidget::event(e);
}

void TMxCustomControl::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void TMxCustomControl::sendToChildren(QEvent::Type type) {
    // Windowed and graphic children alike.
    for (QObject* child : children()) {
        QEvent e(type);
        QCoreApplication::sendEvent(child, &e);
    }
}
