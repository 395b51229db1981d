#include "platform/graphichost.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/graphiccontrol.h"
#include "platform/hintmanager.h"

GraphicHost& GraphicHost::Of(QWidget& widget) {
    if (GraphicHost* host = Find(widget)) return *host;
    return *new GraphicHost(widget);
}

GraphicHost* GraphicHost::Find(const QWidget& widget) {
    return widget.findChild<GraphicHost*>(QString(), Qt::FindDirectChildrenOnly);
}

GraphicHost::GraphicHost(QWidget& widget) : QObject(&widget), m_widget(widget) {
    // Enter and leave between graphic children come from the moves over the widget.
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

TGraphicControl* GraphicHost::ControlAt(QPoint point) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TGraphicControl* c = *it;
        if (c->Visible() && c->Enabled() && c->geometry().contains(point) &&
            c->HitTest(point - c->geometry().topLeft()))
            return c;
    }
    return nullptr;
}

void GraphicHost::Add(TGraphicControl* control) {
    m_controls.push_back(control);
}

void GraphicHost::Remove(TGraphicControl* control) {
    std::erase(m_controls, control);
    if (m_captured == control) m_captured = nullptr;
    if (m_under == control) m_under = nullptr;
}

void GraphicHost::ControlChanged(TGraphicControl* control) {
    if (m_captured == control && (!control->Visible() || !control->Enabled())) m_captured = nullptr;
    if (!m_pointerInside || m_captured) return;
    track(m_pointer, true);
    showCursorAndHint(m_widget.mapToGlobal(m_pointer));
}

bool GraphicHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_widget) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Paint:
            if (m_painting) break;
            paint(static_cast<QPaintEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
            return press(static_cast<QMouseEvent*>(event), false);
        case QEvent::MouseButtonDblClick:
            return press(static_cast<QMouseEvent*>(event), true);
        case QEvent::MouseMove:
            return move(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return release(static_cast<QMouseEvent*>(event));
        case QEvent::Leave:
            if (!m_captured) track({}, false);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void GraphicHost::paint(QPaintEvent* event) {
    // The widget paints its own surface first; the graphic children go over it, under its windowed children.
    if (!coveredByOne(event->region())) {
        m_painting = true;
        static_cast<QObject&>(m_widget).event(event);
        m_painting = false;
    }
    QPainter painter(&m_widget);
    for (TGraphicControl* c : m_controls) {
        if (!c->Visible() || c->geometry().isEmpty()) continue;
        const QRegion part = event->region().intersected(c->geometry());
        if (part.isEmpty()) continue;
        const QRegion local = part.translated(-c->geometry().topLeft());
        painter.save();
        painter.translate(c->geometry().topLeft());
        painter.setClipRegion(local);
        c->PaintTo(painter, local);
        painter.restore();
    }
}

bool GraphicHost::coveredByOne(const QRegion& region) const {
    // Only the common case is looked for, controls repainting themselves, each rectangle of the region
    // within one of them: working out what many controls cover together would cost more than painting.
    constexpr int kMostRects = 16;
    if (region.rectCount() > kMostRects) return false;
    return std::all_of(region.begin(), region.end(), [this](const QRect& area) { return frontCovers(area); });
}

bool GraphicHost::frontCovers(const QRect& area) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        const TGraphicControl* c = *it;
        if (!c->Visible() || !c->geometry().intersects(area)) continue;
        return c->Opaque() && c->geometry().contains(area);
    }
    return false;
}

bool GraphicHost::press(QMouseEvent* event, bool doubleClick) {
    if (m_dragSurface) return false;
    const QPoint point = event->position().toPoint();
    TGraphicControl* target = m_captured ? m_captured.data() : ControlAt(point);
    if (!target) return false;
    if (event->button() == Qt::LeftButton) m_captured = target;
    const QPoint local = point - target->geometry().topLeft();
    if (doubleClick)
        target->PointerDoubleClick(event->button(), local);
    else
        target->PointerPress(event->button(), local);
    return true;
}

bool GraphicHost::move(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_captured) {
        m_captured->PointerMove(point - m_captured->geometry().topLeft());
        return true;
    }
    track(point, m_widget.rect().contains(point));
    showCursorAndHint(event->globalPosition().toPoint());
    if (m_dragSurface || !m_under) return false;
    m_under->PointerMove(point - m_under->geometry().topLeft());
    return true;
}

bool GraphicHost::release(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    TGraphicControl* target = m_captured ? m_captured.data() : (m_dragSurface ? nullptr : ControlAt(point));
    if (event->button() == Qt::LeftButton) m_captured = nullptr;
    if (!target) return false;
    target->PointerRelease(event->button(), point - target->geometry().topLeft());
    // With the button up, the control under the pointer hears of it, as after any move.
    if (!m_captured) {
        track(point, m_widget.rect().contains(point));
        showCursorAndHint(event->globalPosition().toPoint());
    }
    return true;
}

void GraphicHost::track(QPoint point, bool inside) {
    m_pointer = point;
    m_pointerInside = inside;
    TGraphicControl* now = inside ? ControlAt(point) : nullptr;
    if (now == m_under) return;
    const QPointer<TGraphicControl> before = m_under;
    m_under = now;
    if (before) before->PointerLeave();
    if (m_under && m_under == now) now->PointerEnter();
}

void GraphicHost::showCursorAndHint(QPoint globalPos) {
    TGraphicControl* c = m_under;
    const TCursor cursor = c ? c->Cursor() : crDefault;
    if (cursor != m_shownCursor) {
        // The widget's own cursor is kept aside while a child's shows.
        if (m_shownCursor == crDefault) {
            m_hadOwnCursor = m_widget.testAttribute(Qt::WA_SetCursor);
            m_ownCursor = m_widget.cursor().shape();
        }
        m_shownCursor = cursor;
        if (cursor != crDefault)
            applyCursor(m_widget, cursor);
        else if (m_hadOwnCursor)
            m_widget.setCursor(m_ownCursor);
        else
            m_widget.unsetCursor();
    }
    const bool hint = c && c->ShowHint() && !c->Hint().isEmpty();
    HintManager::Instance().PointerAtGraphic(&m_widget, hint ? c : nullptr, globalPos);
}
