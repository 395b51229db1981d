#pragma once

#include <QEvent>
#include <QImage>
#include <QWidget>

#include "platform/font.h"
#include "platform/geometry.h"

class Canvas;

// Notifications a control of this subsystem sends to its children.
// The back bitmap changed: drop any cached background and repaint over the new one.
QEvent::Type MxBackChangedEvent();
// The control's font changed: children that follow their parent's font take the new one.
QEvent::Type MxParentFontChangedEvent();

// Base of the windowed controls of the grid: a control that may keep an off-screen image of its own
// background (the back bitmap), which its see-through children copy under themselves instead of
// repainting the background.
class TMxCustomControl : public QWidget {
    Q_OBJECT

public:
    explicit TMxCustomControl(QWidget* parent = nullptr);

    // The whole control's background at its own size, or null when there is none.
    virtual const QImage* BackBitmap() const { return nullptr; }
    bool CheckOptimized() const { return BackBitmap() != nullptr; }
    // Copies the part of the back bitmap whose top-left is `source` (in this control's coordinates) onto
    // dest of canvas; parts outside the bitmap are left out.
    void BackDrawArea(Canvas& canvas, const TRect& dest, TPoint source) const;

    // The font that children with ParentFont set show.
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }

protected:
    // Tells every child that the back bitmap changed.
    void NotifyBackChanged();
    bool event(QEvent* e) override;
    // A windowed control answers its own hit test: a press on it, between its children too, stays here and
    // never reaches the form behind.
    void mousePressEvent(QMouseEvent* e) override;

private:
    void sendToChildren(QEvent::Type type);

    ::Font m_font;
};
