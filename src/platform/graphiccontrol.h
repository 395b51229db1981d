#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include "platform/accessibleface.h"
#include "platform/cursor.h"

class GraphicHost;
class QAccessibleInterface;
class QPainter;
class QRegion;
class QWidget;

// A control without a window of its own: it draws into its windowed parent's surface when the parent paints,
// and the parent hands it the pointer (see GraphicHost). Its bounds are in the parent's coordinates.
class TGraphicControl : public QObject, public AccessibleFace {
    Q_OBJECT

public:
    // Joins parent's graphic children, in front of those made before it; parent owns it, as a widget would.
    explicit TGraphicControl(QWidget* parent);
    ~TGraphicControl() override;
    TGraphicControl(const TGraphicControl&) = delete;
    TGraphicControl& operator=(const TGraphicControl&) = delete;

    QWidget* Parent() const { return m_parent; }

    QRect geometry() const { return m_bounds; }
    void setGeometry(const QRect& bounds);
    void setGeometry(int x, int y, int w, int h) { setGeometry(QRect(x, y, w, h)); }
    void resize(QSize size) { setGeometry(QRect(m_bounds.topLeft(), size)); }
    void resize(int w, int h) { resize(QSize(w, h)); }
    void move(int x, int y) { setGeometry(QRect(QPoint(x, y), m_bounds.size())); }
    int x() const { return m_bounds.x(); }
    int y() const { return m_bounds.y(); }
    int width() const { return m_bounds.width(); }
    int height() const { return m_bounds.height(); }
    QSize size() const { return m_bounds.size(); }
    QRect rect() const { return {QPoint(0, 0), m_bounds.size()}; }
    QPoint mapToGlobal(QPoint local) const;
    QPoint mapFromGlobal(QPoint global) const;

    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    // Visible on a shown parent.
    bool Showing() const;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& value) { m_hint = value; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value) { m_showHint = value; }

    // Asks the parent to paint the control (or part of it, in its own coordinates) at its next paint.
    void Invalidate();
    void Invalidate(const QRect& part);
    // Paints the control into its parent's surface now.
    void Repaint();

    // Whether local, a point of the bounds, is on the control; a control with holes says no over them.
    virtual bool HitTest(QPoint local) const;
    // Whether every paint covers every pixel of the bounds, so the parent need not paint under it.
    virtual bool Opaque() const { return false; }
    // Draws the face; the painter's origin is the control's top-left and region, in the same coordinates,
    // lies within the bounds.
    virtual void PaintTo(QPainter& painter, const QRegion& region) = 0;

    // What the parent hands on, in the control's coordinates, as a widget hears it from Qt.
    virtual void PointerPress(Qt::MouseButton, QPoint) {}
    virtual void PointerMove(QPoint) {}
    virtual void PointerRelease(Qt::MouseButton, QPoint) {}
    virtual void PointerDoubleClick(Qt::MouseButton button, QPoint local) { PointerPress(button, local); }
    virtual void PointerEnter() {}
    virtual void PointerLeave() {}

    // A picture by default, named by its hint.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }
    QString AccessibleName() const override { return m_hint; }
    // An accessible object of the control's own making, or null for the one every graphic control has.
    virtual QAccessibleInterface* CreateAccessible() { return nullptr; }

protected:
    // After Enabled changed, before the parent repaints the control.
    virtual void EnabledChanged() {}

private:
    QWidget* m_parent;
    QPointer<GraphicHost> m_host;
    QRect m_bounds;
    bool m_visible = true;
    bool m_enabled = true;
    TCursor m_cursor = crDefault;
    QString m_hint;
    bool m_showHint = false;
};
