#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QShortcut>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/color.h"
#include "platform/cursor.h"
#include "platform/flagset.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/graphiccontrol.h"
#include "widgets/shinebtncolors.h"

class Canvas;

enum class TFrameType { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };
enum class TActiveImageType {
    aiNormal,
    aiXorLight,
    aiHalfLight,
    aiQuaterLight,
    aiAddLight,
    aiFrameLight,
    aiFrameLight2,
    aiMaskLight,
};
enum class TDisabledImageType { diDefault, diGrayscale, diAlphaHalfTrans, diAlphaQuaterTrans, diMaskTrans };
enum class TShineDrawState : std::uint8_t { sdDownHot, sdDown, sdHot, sdUp, sdDisabled };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Mouse buttons and modifier keys held at a pointer notification.
enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle };
using TShiftState = FlagSet<TShiftFlag>;

// A windowless-looking push or toggle button that draws everything itself: a solid or gradient face, a
// glyph recoloured per state, a caption with an optional relief and one of three bevel frames. It tracks
// the pointer (hot while over it) and latches down in groups of siblings with the same GroupIndex.
class TShineSpeedButton : public TGraphicControl {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void()>;
    using TMouseEvent = std::function<void(TShiftState shift, int x, int y)>;

    static constexpr int kLeaveCheckInterval = 200;  // ms between checks for a pointer that left unnoticed

    explicit TShineSpeedButton(QWidget* parent = nullptr);

    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return m_down; }
    void SetDown(bool value);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value);
    bool ClickDownHook() const { return m_clickDownHook; }
    void SetClickDownHook(bool value);
    bool AccelCharDown() const { return m_accelCharDown; }
    void SetAccelCharDown(bool value);
    TFrameType FrameType() const { return m_frameType; }
    void SetFrameType(TFrameType value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool ActiveFrame() const { return m_activeFrame; }
    void SetActiveFrame(bool value);
    bool UpFrame() const { return m_upFrame; }
    void SetUpFrame(bool value);
    bool DownFrame() const { return m_downFrame; }
    void SetDownFrame(bool value);
    TActiveImageType ActiveImage() const { return m_activeImage; }
    void SetActiveImage(TActiveImageType value);
    TDisabledImageType DisabledImage() const { return m_disabledImage; }
    void SetDisabledImage(TDisabledImageType value);
    TColor DisabledHighlight() const { return m_disabledHighlight; }
    void SetDisabledHighlight(TColor value);
    TColor DisabledShadow() const { return m_disabledShadow; }
    void SetDisabledShadow(TColor value);

    // The live colour sets; changing them repaints. SetColors copies a whole set in.
    TShineBtnColors& Colors() { return m_colors; }
    const TShineBtnColors& Colors() const { return m_colors; }
    void SetColors(const TShineBtnColors& value) { m_colors.Assign(value); }
    TShineBtnColors& PressedColors() { return m_pressedColors; }
    const TShineBtnColors& PressedColors() const { return m_pressedColors; }
    void SetPressedColors(const TShineBtnColors& value) { m_pressedColors.Assign(value); }
    TColor ShineColor() const { return m_shineColor; }
    void SetShineColor(TColor value);

    // The live fonts; changing them repaints. ActiveFont is used while hot or pressed.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    ::Font& ActiveFont() { return m_activeFont; }
    const ::Font& ActiveFont() const { return m_activeFont; }
    void SetActiveFont(const ::Font& value) { m_activeFont.Assign(value); }
    TColor FontHighlight() const { return m_fontHighlight; }
    void SetFontHighlight(TColor value);
    TColor FontShadow() const { return m_fontShadow; }
    void SetFontShadow(TColor value);

    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    // Held as 32 bits per pixel; its bottom-left pixel is the transparent colour. A null image empties it.
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& value);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);

    void SetOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }
    void SetOnDblClick(TNotifyEvent handler) { m_onDblClick = std::move(handler); }
    void SetOnMouseEnter(TMouseEvent handler) { m_onMouseEnter = std::move(handler); }
    void SetOnMouseLeave(TMouseEvent handler) { m_onMouseLeave = std::move(handler); }

    TShineDrawState DrawState() const { return m_state; }
    bool MouseInControl() const { return m_mouseInControl; }
    bool Tracking() const { return m_tracking; }
    bool LeaveTimerActive() const { return m_activeButtonTimer.isActive(); }

    // Composes the whole face: background, glyph and caption, frame.
    void Paint(Canvas& canvas) const;
    void BackDraw(Canvas& canvas) const;
    void ImageDraw(Canvas& canvas) const;
    void FrameDraw(Canvas& canvas) const;
    // The glyph recoloured for the current state, or a null image without a glyph. Disabled with
    // diDefault it is a black and white edge mask (white on the glyph's edges).
    QImage CreateStateGlyph() const;
    // Places glyph and caption with the canvas's current font.
    void CalcDrawPosition(Canvas& canvas, TPoint& glyphPos, TRect& textRect) const;

    // The pointer steps; x and y are relative to the button.
    void MouseDown(Qt::MouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(Qt::MouseButton button, TShiftState shift, int x, int y);
    void UpdateTracking();
    virtual void MouseEnter(TShiftState shift, int x, int y);
    virtual void MouseLeave(TShiftState shift, int x, int y);
    void ActiveButtonTimerOnTimer();
    void Click();

    // What a group member announces when its Down or AllowAllUp changes.
    struct GroupNotice {
        int GroupIndex = 0;
        const TShineSpeedButton* Sender = nullptr;
        bool Down = false;
        bool AllowAllUp = false;
    };
    void GroupUpdateStatus(int groupIndex);
    void ButtonPressed(const GroupNotice& notice);

    void PaintTo(QPainter& painter, const QRegion& region) override;
    // A see-through button lets what lies behind show where it draws nothing.
    bool Opaque() const override { return !m_transparent; }
    void PointerPress(Qt::MouseButton button, QPoint local) override;
    void PointerMove(QPoint local) override;
    void PointerRelease(Qt::MouseButton button, QPoint local) override;
    void PointerDoubleClick(Qt::MouseButton button, QPoint local) override;
    void PointerEnter() override;
    void PointerLeave() override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QAccessible::State AccessibleState() const override;
    QString AccessibleName() const override { return CaptionOrHint(m_caption, Hint()); }

protected:
    void EnabledChanged() override;

private:
    void setState(TShineDrawState value);
    void FontsAndColorsOnChange() { Invalidate(); }
    // The state painting shows: a disabled button always shows disabled.
    TShineDrawState paintState() const;
    void updateAccelerator();
    bool pointerInClient() const;
    TPoint cursorInClient() const;
    static TShiftState currentShiftState();

    int m_groupIndex = 0;
    bool m_down = false;
    bool m_clickDownHook = false;
    bool m_accelCharDown = false;
    TFrameType m_frameType = TFrameType::ftNormalFrame;
    bool m_transparent = false;
    bool m_activeFrame = true;
    bool m_upFrame = true;
    bool m_downFrame = true;
    TActiveImageType m_activeImage = TActiveImageType::aiFrameLight;
    TDisabledImageType m_disabledImage = TDisabledImageType::diDefault;
    TColor m_disabledHighlight = clBtnHighlight;
    TColor m_disabledShadow = clBtnShadow;
    TShineBtnColors m_colors{clBtnFace};
    TShineBtnColors m_pressedColors{clBtnHighlight};
    TColor m_shineColor = clYellow;
    ::Font m_font;
    TColor m_fontHighlight = clNone;
    TColor m_fontShadow = clNone;
    ::Font m_activeFont;
    bool m_allowAllUp = false;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    QImage m_glyph;
    QString m_caption;
    TNotifyEvent m_onClick;
    TNotifyEvent m_onDblClick;
    TMouseEvent m_onMouseEnter;
    TMouseEvent m_onMouseLeave;

    TShineDrawState m_state = TShineDrawState::sdUp;
    bool m_mouseInControl = false;
    bool m_tracking = false;
    // The caption's accelerator, listened for on the window of the parent.
    std::unique_ptr<QShortcut> m_accelShortcut;
    QTimer m_activeButtonTimer;
};
