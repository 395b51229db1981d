#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

#include "platform/cursor.h"

class QAccessibleInterface;
class QMouseEvent;
class QPaintEvent;
class QRegion;
class QWidget;
class TGraphicControl;

// What a windowed control does for its graphic children, fitted to any widget from outside: it paints them
// after the widget's own paint (so under its windowed children) in creation order, each clipped to its
// bounds; it hit-tests them front to back; the one pressed with the left button holds the pointer until the
// button comes up; it tells them when the pointer enters and leaves them, and shows the cursor and the hint
// of the one under the pointer.
class GraphicHost : public QObject {
    Q_OBJECT

public:
    // The host of widget's graphic children, made with the first of them.
    static GraphicHost& Of(QWidget& widget);
    // Null when widget has no graphic children.
    static GraphicHost* Find(const QWidget& widget);

    QWidget& Widget() const { return m_widget; }
    // Back to front, in creation order.
    const std::vector<TGraphicControl*>& Controls() const { return m_controls; }
    // The front control that takes the pointer at point (the widget's coordinates), or null.
    TGraphicControl* ControlAt(QPoint point) const;
    TGraphicControl* Captured() const { return m_captured; }
    TGraphicControl* UnderPointer() const { return m_under; }

    // On a window's drag surface the window takes every press on its own surface, graphic children
    // included; they still paint and show their cursors and hints.
    void SetDragSurface(bool value) { m_dragSurface = value; }

    // Makes the widget's accessible object in place of the one that lists its graphic children.
    using AccessibleMaker = std::function<QAccessibleInterface*(QWidget& widget)>;
    void SetAccessibleMaker(AccessibleMaker maker) { m_accessibleMaker = std::move(maker); }
    QAccessibleInterface* CreateAccessible() const { return m_accessibleMaker ? m_accessibleMaker(m_widget) : nullptr; }

    void Add(TGraphicControl* control);
    void Remove(TGraphicControl* control);
    // A control changed its bounds, visibility, enabled state or cursor: the pointer may be on another.
    void ControlChanged(TGraphicControl* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit GraphicHost(QWidget& widget);
    void paint(QPaintEvent* event);
    // Whether opaque controls cover region, each of its rectangles within the front control over it.
    bool coveredByOne(const QRegion& region) const;
    bool frontCovers(const QRect& area) const;
    bool press(QMouseEvent* event, bool doubleClick);
    bool move(QMouseEvent* event);
    bool release(QMouseEvent* event);
    // The pointer is at point now (outside the widget: nowhere); enter and leave follow.
    void track(QPoint point, bool inside);
    void showCursorAndHint(QPoint globalPos);

    QWidget& m_widget;
    std::vector<TGraphicControl*> m_controls;
    QPointer<TGraphicControl> m_captured;
    QPointer<TGraphicControl> m_under;
    // Where the pointer was last seen, in the widget's coordinates.
    QPoint m_pointer;
    bool m_pointerInside = false;
    bool m_dragSurface = false;
    AccessibleMaker m_accessibleMaker;
    bool m_painting = false;
    TCursor m_shownCursor = crDefault;
    bool m_hadOwnCursor = false;
    Qt::CursorShape m_ownCursor = Qt::ArrowCursor;
};
