#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QString>
#include <functional>

#include "buttongrid/mxbuttonlayout.h"
#include "buttongrid/mxbuttonstyle.h"
#include "platform/color.h"
#include "platform/cursor.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/graphiccontrol.h"

class Canvas;
class TMxCustomControl;

// A small push button without a window of its own that paints its face into its parent's surface and
// tracks the pointer through its visual states. In the see-through styles it shows its parent's back
// bitmap under an unpressed face.
class TMxSpeedButton : public TGraphicControl {
    Q_OBJECT

public:
    using TClickEvent = std::function<void(TMxSpeedButton* sender)>;

    static constexpr int kHoverInterval = 100;  // ms between checks that a hot button still has the pointer

    explicit TMxSpeedButton(QWidget* parent);

    TMxUserButtonStyle Style() const { return m_style; }
    void SetStyle(TMxUserButtonStyle value);
    TMxButtonState State() const { return m_state; }
    // The state a hot button falls back to when the pointer leaves.
    TMxButtonState PreviousState() const { return m_previousState; }
    bool MouseInside() const { return m_mouseInside; }
    bool Tracking() const { return m_tracking; }
    bool Transparent() const { return m_transparent; }
    bool UnColored() const { return m_unColored; }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);

    // The caption font; with ParentFont it is a copy of the parent control's font.
    const ::Font& Font() const { return m_font; }
    // Copies value in; the button then keeps its own font whatever ParentFont said.
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);
    TMxButtonLayout& ButtonLayout() { return m_layout; }
    const TMxButtonLayout& ButtonLayout() const { return m_layout; }
    TColor EnterColor() const { return m_enterColor; }
    void SetEnterColor(TColor value);
    bool EnterColorChange() const { return m_enterColorChange; }
    void SetEnterColorChange(bool value);
    // A caption of several lines, each aligned inside the caption's block by the layout's Alignment.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool value);
    // Leaving the button hides the application's hint.
    bool HideHint() const { return m_hideHint; }
    void SetHideHint(bool value) { m_hideHint = value; }
    // Held down, the button clicks at once, then after RepeatingDelay ms and every RepeatingInterval ms
    // while the pointer stays on it; the release clicks no more.
    bool RepeatedClick() const { return m_repeatedClick; }
    void SetRepeatedClick(bool value) { m_repeatedClick = value; }
    int RepeatingDelay() const { return m_repeatingDelay; }
    void SetRepeatingDelay(int value) { m_repeatingDelay = value; }
    int RepeatingInterval() const { return m_repeatingInterval; }
    void SetRepeatingInterval(int value) { m_repeatingInterval = value; }
    bool AllowMouseOver() const { return m_allowMouseOver; }
    void SetAllowMouseOver(bool value) { m_allowMouseOver = value; }

    // A strip of NumGlyphs images side by side: up, disabled, down, latched, hot. Its bottom-left pixel's
    // colour is left out when drawn.
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& value);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);

    // Latching: buttons of one parent with the same non-zero GroupIndex release each other.
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    bool Pressed() const { return m_pressed; }
    void SetPressed(bool value);

    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }

    const TClickEvent& OnClick() const { return m_onClick; }
    void SetOnClick(TClickEvent handler) { m_onClick = std::move(handler); }
    void Click();

    // The steps the platform's pointer notifications run; x and y are relative to the button.
    void MouseEnter();
    void MouseExit();
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);
    // The hover timer's check: a hot button whose pointer has gone falls back to up.
    void VerifyMouseOver();
    bool HoverTimerActive() const { return m_hoverTimer.isActive(); }
    // The repeat timer's tick: a click while the held button has the pointer, then the next wait.
    void DoRepeatedClick();
    // The wait before the next repeated click, or 0 when none is due.
    int RepeatWait() const { return m_repeatTimer.isActive() ? m_repeatWait : 0; }

    // Draws the whole face: background, frame, glyph and caption.
    void Paint(Canvas& canvas) const;
    // How many times the face has been painted on screen, so callers can see what a change repainted.
    int PaintCount() const { return m_paintCount; }

    // Every style covers the whole face, the see-through ones with the parent's back bitmap.
    bool Opaque() const override { return true; }
    void PaintTo(QPainter& painter, const QRegion& region) override;
    void PointerPress(Qt::MouseButton button, QPoint local) override {
        MouseDown(button, local.x(), local.y());
    }
    void PointerMove(QPoint local) override { MouseMove(local.x(), local.y()); }
    void PointerRelease(Qt::MouseButton button, QPoint local) override {
        MouseUp(button, local.x(), local.y());
    }
    void PointerEnter() override { MouseEnter(); }
    void PointerLeave() override { MouseExit(); }
    bool event(QEvent* e) override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QAccessible::State AccessibleState() const override;
    QString AccessibleName() const override;
    // On a button panel, a cell of its table.
    QAccessibleInterface* CreateAccessible() override;

protected:
    void EnabledChanged() override;
    void timerEvent(QTimerEvent* e) override;

private:
    void setState(TMxButtonState value);
    bool stateChangeShows(TMxButtonState from, TMxButtonState to) const;
    // After a state change: paints at once when the face can be composed now, else asks for a paint.
    void repaintFace();
    // After a caption or font change: a see-through button paints at once, an opaque one asks for a paint.
    void repaintContent();
    void updateHoverTimer();
    void releaseGroup();
    void adoptParentFont();
    TMxCustomControl* backParent() const;
    // Whether the pointer is over the client rectangle right now.
    bool pointerOnButton() const;
    // The state a button rests in when it is neither hot nor pressed.
    TMxButtonState restState() const;
    void DrawGlyphAndText(Canvas& canvas, const TRect& area) const;
    QImage glyphImage() const;

    TMxUserButtonStyle m_style = TMxUserButtonStyle::ubsAutoDetect;
    TMxButtonState m_state = TMxButtonState::bsUp;
    TMxButtonState m_previousState = TMxButtonState::bsUp;
    bool m_mouseInside = false;
    bool m_tracking = false;
    bool m_transparent = false;
    bool m_unColored = false;
    bool m_allowMouseOver = true;
    bool m_pressed = false;
    bool m_allowAllUp = false;
    int m_groupIndex = 0;
    QString m_caption;
    TColor m_color = clBtnFace;
    ::Font m_font;
    bool m_parentFont = true;
    bool m_adoptingFont = false;
    TMxButtonLayout m_layout;
    TColor m_enterColor = clCaptionText;
    bool m_enterColorChange = false;
    bool m_multiLine = false;
    bool m_hideHint = true;
    bool m_repeatedClick = false;
    int m_repeatingDelay = 500;
    int m_repeatingInterval = 100;
    int m_repeatWait = 0;
    QBasicTimer m_repeatTimer;
    QImage m_glyph;
    int m_numGlyphs = 1;
    int m_tag = 0;
    TClickEvent m_onClick;
    // A bare timer id rather than a timer object: a board has hundreds of buttons, made at start-up.
    QBasicTimer m_hoverTimer;
    int m_paintCount = 0;
};
