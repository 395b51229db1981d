#include "platform/pointerpos.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QObject>
#include <optional>

namespace {

std::optional<QPoint>& lastKnown() {
    static std::optional<QPoint> point;
    return point;
}

}  // namespace

QPoint PointerPos() {
    const std::optional<QPoint>& known = lastKnown();
    return known ? *known : QCursor::pos();
}

void NotePointerEvent(const QObject* receiver, const QEvent* event) {
    // The window system's own events reach the windows first, before any widget in them.
    if (!receiver->isWindowType()) return;
    switch (event->type()) {
        case QEvent::Enter:
            lastKnown() = static_cast<const QEnterEvent*>(event)->globalPosition().toPoint();
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            lastKnown() = static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
            break;
        case QEvent::Leave:
            lastKnown().reset();
            break;
        default:
            break;
    }
}
