#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/accessibleface.h"
#include "platform/color.h"
#include "platform/cursor.h"
#include "platform/font.h"
#include "platform/region.h"

class Canvas;

enum class TdxfButtonLayout { dxfGlyphLeft, dxfGlyphRight, dxfGlyphTop, dxfGlyphBottom };

// A small round button shaded like a glossy bead in its Color: a dome lit from the upper left, and when
// down an inner dish lit from the lower right. It is clipped to its ellipse, which is also where it takes
// the mouse, carries an optional glyph and caption lines, and latches down in groups of siblings.
class TdxfColorButton : public QWidget, public AccessibleFace {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void()>;

    explicit TdxfColorButton(QWidget* parent = nullptr);

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QAccessible::State AccessibleState() const override;
    QString AccessibleName() const override { return CaptionOrHint(m_caption.join(u'\n'), m_hint); }

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    // One entry per line.
    const QStringList& Caption() const { return m_caption; }
    void SetCaption(const QStringList& value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    // The live font; a change rebuilds the faces and repaints.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    // Drawn leaving out its bottom-left pixel's colour.
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& value);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value) { m_groupIndex = value; }
    TdxfButtonLayout Layout() const { return m_layout; }
    void SetLayout(TdxfButtonLayout value);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& value);

    void SetOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }
    void SetOnDblClick(TNotifyEvent handler) { m_onDblClick = std::move(handler); }

    bool ShowDown() const { return m_showDown; }
    bool MouseInControl() const { return m_mouseInControl; }
    const QImage& UpFace() const { return m_upFace; }
    const QImage& DownFace() const { return m_downFace; }

    // The pixels the button covers on its parent and takes the mouse on: the ellipse (-1, -1, W + 1, H + 1).
    Region BeadRegion() const;

    void CreateBitmaps();
    // Renders the up face, or with pressed the down face, at the control's size.
    void PaintToBmp(Canvas& canvas, bool pressed) const;
    void SetRegion();
    void Paint(Canvas& canvas) const;
    void DrawCaption(Canvas& canvas) const;
    void UpdateExclusive();
    void ButtonPressed(int groupIndex, const TdxfColorButton* sender);
    void Click();

    // The pointer steps; x and y are relative to the button.
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button, int x, int y);
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void setPressedState(bool value);
    bool over(int x, int y) const;

    bool m_allowAllUp = false;
    QStringList m_caption;
    TColor m_color = clWhite;
    bool m_down = false;
    ::Font m_font;
    QImage m_glyph;
    int m_groupIndex = 0;
    TdxfButtonLayout m_layout = TdxfButtonLayout::dxfGlyphLeft;
    TCursor m_cursor = crDefault;
    QString m_hint;
    TNotifyEvent m_onClick;
    TNotifyEvent m_onDblClick;

    bool m_showDown = false;
    bool m_mousePressed = false;
    bool m_mouseInControl = false;
    QImage m_upFace;
    QImage m_downFace;
};
