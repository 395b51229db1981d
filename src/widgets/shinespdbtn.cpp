#include "widgets/shinespdbtn.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>

#include "platform/canvas.h"
#include "platform/drawface.h"
#include "platform/pointerpos.h"
#include "platform/sharedface.h"
#include "widgets/glypheffects.h"

using enum TShineDrawState;

namespace {

bool isPressed(TShineDrawState s) {
    return s == sdDownHot || s == sdDown;
}
bool isHot(TShineDrawState s) {
    return s == sdDownHot || s == sdHot;
}

}  // namespace

TShineSpeedButton::TShineSpeedButton(QWidget* parent) : TGraphicControl(parent) {
    resize(25, 25);
    SetShowHint(true);
    m_font.SetColor(clBtnText);
    m_activeFont.SetColor(clHighlight);
    m_colors.SetOnChange([this] { FontsAndColorsOnChange(); });
    m_pressedColors.SetOnChange([this] { FontsAndColorsOnChange(); });
    m_font.SetOnChange([this] { FontsAndColorsOnChange(); });
    m_activeFont.SetOnChange([this] { FontsAndColorsOnChange(); });
    m_activeButtonTimer.setInterval(kLeaveCheckInterval);
    connect(&m_activeButtonTimer, &QTimer::timeout, this, &TShineSpeedButton::ActiveButtonTimerOnTimer);
}

void TShineSpeedButton::SetGroupIndex(int value) {
    m_groupIndex = value;
    GroupUpdateStatus(value);
}

void TShineSpeedButton::SetDown(bool value) {
    if (value == m_down || m_groupIndex == 0) return;
    if (!m_allowAllUp && m_down) return;
    m_down = value;
    GroupUpdateStatus(m_groupIndex);
    setState(value ? sdDown : sdUp);
}

void TShineSpeedButton::SetAllowAllUp(bool value) {
    m_allowAllUp = value;
    GroupUpdateStatus(m_groupIndex);
}

void TShineSpeedButton::SetClickDownHook(bool value) {
    if (assignIfDiffers(m_clickDownHook, value)) Invalidate();
}

void TShineSpeedButton::SetAccelCharDown(bool value) {
    if (assignIfDiffers(m_accelCharDown, value)) Invalidate();
}

void TShineSpeedButton::SetFrameType(TFrameType value) {
    if (assignIfDiffers(m_frameType, value)) Invalidate();
}

void TShineSpeedButton::SetTransparent(bool value) {
    if (!assignIfDiffers(m_transparent, value)) return;
    Invalidate();
}

void TShineSpeedButton::SetActiveFrame(bool value) {
    if (assignIfDiffers(m_activeFrame, value)) Invalidate();
}

void TShineSpeedButton::SetUpFrame(bool value) {
    if (assignIfDiffers(m_upFrame, value)) Invalidate();
}

void TShineSpeedButton::SetDownFrame(bool value) {
    if (assignIfDiffers(m_downFrame, value)) Invalidate();
}

void TShineSpeedButton::SetActiveImage(TActiveImageType value) {
    if (assignIfDiffers(m_activeImage, value)) Invalidate();
}

void TShineSpeedButton::SetDisabledImage(TDisabledImageType value) {
    if (assignIfDiffers(m_disabledImage, value)) Invalidate();
}

void TShineSpeedButton::SetDisabledHighlight(TColor value) {
    if (assignIfDiffers(m_disabledHighlight, value)) Invalidate();
}

void TShineSpeedButton::SetDisabledShadow(TColor value) {
    if (assignIfDiffers(m_disabledShadow, value)) Invalidate();
}

void TShineSpeedButton::SetShineColor(TColor value) {
    if (assignIfDiffers(m_shineColor, value)) Invalidate();
}

void TShineSpeedButton::SetFontHighlight(TColor value) {
    if (assignIfDiffers(m_fontHighlight, value)) Invalidate();
}

void TShineSpeedButton::SetFontShadow(TColor value) {
    if (assignIfDiffers(m_fontShadow, value)) Invalidate();
}

void TShineSpeedButton::SetLayout(TButtonLayout value) {
    if (assignIfDiffers(m_layout, value)) Invalidate();
}

void TShineSpeedButton::SetMargin(int value) {
    if (assignIfDiffers(m_margin, value)) Invalidate();
}

void TShineSpeedButton::SetSpacing(int value) {
    if (assignIfDiffers(m_spacing, value)) Invalidate();
}

void TShineSpeedButton::SetGlyph(const QImage& value) {
    m_glyph = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
    Invalidate();
}

void TShineSpeedButton::SetCaption(const QString& value) {
    if (!assignIfDiffers(m_caption, value)) return;
    updateAccelerator();
    Invalidate();
}

// --- Group ---------------------------------------------------------------------------------------------

void TShineSpeedButton::GroupUpdateStatus(int groupIndex) {
    m_groupIndex = groupIndex;
    if (groupIndex == 0 || !Parent()) return;
    const GroupNotice notice{groupIndex, this, m_down, m_allowAllUp};
    // Receiving only stores and repaints, so the parent's children stay as they are while we walk them.
    for (QObject* child : Parent()->children())
        if (auto* b = qobject_cast<TShineSpeedButton*>(child)) b->ButtonPressed(notice);
}

void TShineSpeedButton::ButtonPressed(const GroupNotice& notice) {
    if (notice.GroupIndex != m_groupIndex || !notice.Sender || notice.Sender == this) return;
    if (notice.Down && m_down) {
        m_down = false;
        setState(sdUp);
    }
    m_allowAllUp = notice.AllowAllUp;
}

// --- Mouse ---------------------------------------------------------------------------------------------

void TShineSpeedButton::MouseDown(Qt::MouseButton button, TShiftState, int, int) {
    if (button != Qt::LeftButton || !Enabled()) return;
    setState(sdDownHot);
    m_tracking = true;
}

void TShineSpeedButton::MouseMove(TShiftState, int x, int y) {
    if (m_tracking) {
        const bool inside = x >= 0 && x < width() && y >= 0 && y < height();
        setState(inside ? sdDownHot : (m_down ? sdDown : sdUp));
    } else if (!m_mouseInControl) {
        UpdateTracking();
    }
}

void TShineSpeedButton::MouseUp(Qt::MouseButton, TShiftState, int x, int y) {
    if (!m_tracking) return;
    const bool inside = x >= 0 && x < width() && y >= 0 && y < height();
    if (m_groupIndex == 0) {
        m_mouseInControl = false;
        m_down = false;
        m_state = sdUp;
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!m_down);
        if (m_down) Invalidate();
    } else {
        setState(m_down ? sdDownHot : sdHot);
    }
    m_tracking = false;
    const QPointer<TShineSpeedButton> alive(this);
    // A handler's error goes on to the error box, but the hot state is brought up to date first.
    try {
        if (inside) Click();
    } catch (...) {
        if (alive) UpdateTracking();
        throw;
    }
    if (alive) UpdateTracking();
}

void TShineSpeedButton::UpdateTracking() {
    if (!Enabled()) return;
    // Set to the opposite of the truth, so that the enter or leave step below acts. "Under the cursor" is
    // taken as the cursor inside this button's rectangle: siblings on this form never overlap.
    m_mouseInControl = !pointerInClient();
    const TPoint p = cursorInClient();
    if (m_mouseInControl)
        MouseLeave(currentShiftState(), p.X, p.Y);
    else
        MouseEnter(currentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::MouseEnter(TShiftState shift, int x, int y) {
    if (m_onMouseEnter) m_onMouseEnter(shift, x, y);
    if (m_mouseInControl || !Enabled() || QWidget::mouseGrabber()) return;
    m_mouseInControl = true;
    if (m_state == sdUp) setState(sdHot);
    if (m_state == sdDown) setState(sdDownHot);
    m_activeButtonTimer.start();
}

void TShineSpeedButton::MouseLeave(TShiftState shift, int x, int y) {
    if (m_onMouseLeave) m_onMouseLeave(shift, x, y);
    if (!m_mouseInControl || !Enabled() || m_tracking) return;
    m_activeButtonTimer.stop();
    m_mouseInControl = false;
    if (m_state == sdHot) setState(sdUp);
    if (m_state == sdDownHot) setState(sdDown);
}

void TShineSpeedButton::ActiveButtonTimerOnTimer() {
    if (!m_mouseInControl || !Enabled() || m_tracking) {
        m_activeButtonTimer.stop();
        return;
    }
    if (pointerInClient()) return;
    const TPoint p = cursorInClient();
    MouseLeave(currentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::Click() {
    const QPointer<TShineSpeedButton> alive(this);
    const TShineDrawState before = m_state;
    if (m_clickDownHook) {
        m_state = sdDownHot;
        Repaint();
    }
    const TNotifyEvent handler = m_onClick;
    if (handler) handler();
    if (m_clickDownHook && alive) {
        m_state = before;
        Repaint();
    }
}

// --- Painting ------------------------------------------------------------------------------------------

TShineDrawState TShineSpeedButton::paintState() const {
    return Enabled() ? m_state : sdDisabled;
}

void TShineSpeedButton::Paint(Canvas& canvas) const {
    BackDraw(canvas);
    ImageDraw(canvas);
    FrameDraw(canvas);
}

void TShineSpeedButton::BackDraw(Canvas& canvas) const {
    if (m_transparent) return;
    const TShineBtnColors& set = isPressed(paintState()) ? m_pressedColors : m_colors;
    const TRect client = Rect(0, 0, width(), height());
    if (!set.Gradation()) {
        canvas.Brush() = TBrush{set.Color(), BrushStyle::Solid};
        canvas.FillRect(client);
        return;
    }
    const RgbColor from = ColorToRGB(set.Color());
    const RgbColor to = ColorToRGB(set.GradColor());
    QImage strip =
        set.GradVertical() ? QImage(1, 256, QImage::Format_RGB32) : QImage(256, 1, QImage::Format_RGB32);
    auto* bits = reinterpret_cast<QRgb*>(strip.bits());
    const qsizetype step = set.GradVertical() ? strip.bytesPerLine() / 4 : 1;
    for (int i = 0; i < 256; ++i)
        bits[i * step] = qRgb(from.r + i * (to.r - from.r) / 255, from.g + i * (to.g - from.g) / 255,
                              from.b + i * (to.b - from.b) / 255);
    canvas.StretchDraw(client, strip);
}

void TShineSpeedButton::ImageDraw(Canvas& canvas) const {
    const TShineDrawState state = paintState();
    canvas.SetFont(isHot(state) ? m_activeFont : m_font);
    const QImage glyph = CreateStateGlyph();
    TPoint at;
    TRect textRect;
    CalcDrawPosition(canvas, at, textRect);
    const int shift = isPressed(state) ? 1 : 0;

    if (!glyph.isNull()) {
        at = {at.X + shift, at.Y + shift};
        if (state == sdDisabled && m_disabledImage == TDisabledImageType::diDefault) {
            // The stamp's raster operation paints the brush where the source is 1, which a black-and-white
            // mask expands to where it is white: the edges. The canvas stamps where its mask is black, so
            // it is handed the mask inverted.
            QImage stamp = glyph;
            stamp.invertPixels();
            canvas.Brush() = TBrush{m_disabledHighlight, BrushStyle::Solid};
            canvas.StampMask(at.X + 1, at.Y + 1, stamp);
            canvas.Brush() = TBrush{m_disabledShadow, BrushStyle::Solid};
            canvas.StampMask(at.X, at.Y, stamp);
        } else {
            canvas.DrawTransparent(at.X, at.Y, glyph, FromQRgb(glyph.pixel(0, glyph.height() - 1)));
        }
    }

    if (m_caption.isEmpty()) return;
    textRect = textRect.Offset(shift, shift);
    canvas.SetBkMode(BackgroundMode::Transparent);
    const TColor own = canvas.Font().Color();
    auto pass = [&](TColor color, int dx, int dy) {
        canvas.Font().SetColor(color);
        TRect r = textRect.Offset(dx, dy);
        canvas.DrawText(m_caption, r, DT_CENTER | DT_VCENTER);
    };
    if (state == sdDisabled) {
        pass(m_disabledHighlight, 1, 1);
        pass(m_disabledShadow, 0, 0);
        return;
    }
    if (m_fontShadow != clNone) pass(m_fontShadow, 1, 1);
    if (m_fontHighlight != clNone) pass(m_fontHighlight, -1, -1);
    pass(own, 0, 0);
}

void TShineSpeedButton::CalcDrawPosition(Canvas& canvas, TPoint& glyphPos, TRect& textRect) const {
    const int cw = width();
    const int ch = height();
    TRect measured = Rect(0, 0, cw, 0);
    if (!m_caption.isEmpty()) canvas.DrawText(m_caption, measured, DT_CALCRECT | DT_CENTER | DT_VCENTER);
    const bool hasText = !m_caption.isEmpty();
    const bool hasGlyph = !m_glyph.isNull();
    const int tw = hasText ? measured.Width() : 0;
    const int th = hasText ? measured.Height() : 0;
    const int gw = hasGlyph ? m_glyph.width() : 0;
    const int gh = hasGlyph ? m_glyph.height() : 0;
    const int spacing = hasText && hasGlyph ? m_spacing : 0;

    TPoint g;
    TPoint t;
    int w = 0;
    int h = 0;
    switch (m_layout) {
        case TButtonLayout::blGlyphLeft:
        case TButtonLayout::blGlyphRight: {
            const bool glyphFirst = m_layout == TButtonLayout::blGlyphLeft;
            w = gw + spacing + tw;
            h = std::max(gh, th);
            g = {glyphFirst ? 0 : tw + spacing, (h - gh) / 2};
            t = {glyphFirst ? gw + spacing : 0, (h - th) / 2};
            break;
        }
        case TButtonLayout::blGlyphTop:
        case TButtonLayout::blGlyphBottom: {
            const bool glyphFirst = m_layout == TButtonLayout::blGlyphTop;
            h = gh + spacing + th;
            w = std::max(gw, tw);
            g = {(w - gw) / 2, glyphFirst ? 0 : th + spacing};
            t = {(w - tw) / 2, glyphFirst ? gh + spacing : 0};
            break;
        }
    }

    int x0 = (cw - w) / 2;
    int y0 = (ch - h) / 2;
    if (m_margin >= 0) {
        switch (m_layout) {
            case TButtonLayout::blGlyphLeft:
                x0 = m_margin;
                break;
            case TButtonLayout::blGlyphRight:
                x0 = cw - w - m_margin;
                break;
            case TButtonLayout::blGlyphTop:
                y0 = m_margin;
                break;
            case TButtonLayout::blGlyphBottom:
                y0 = ch - h - m_margin;
                break;
        }
    }
    glyphPos = {x0 + g.X, y0 + g.Y};
    textRect = measured.Offset(x0 + t.X - measured.Left, y0 + t.Y - measured.Top);
}

void TShineSpeedButton::FrameDraw(Canvas& canvas) const {
    const TShineDrawState state = paintState();
    const bool shown = isHot(state) ? m_activeFrame : (state == sdDown ? m_downFrame : m_upFrame);
    if (!shown) return;
    const bool pressed = isPressed(state);
    const TShineBtnColors& c = pressed ? m_pressedColors : m_colors;
    const int w = width();
    const int h = height();
    canvas.Pen() = TPen{};
    auto line = [&](TColor color, int x0, int y0, int x1, int y1) {
        canvas.Pen().Color = color;
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    };
    // Top and left edges from the corner at inset i; bottom and right edges from the opposite corner.
    auto topLeft = [&](TColor color, int i, int far) {
        line(color, i, i, w - far, i);
        line(color, i, i, i, h - far);
    };
    auto bottomRight = [&](TColor color, int i) {
        line(color, w - 1 - i, h - 1 - i, i, h - 1 - i);
        line(color, w - 1 - i, h - 1 - i, w - 1 - i, i);
    };
    switch (m_frameType) {
        case TFrameType::ftFlatFrame:
            topLeft(pressed ? c.Shadow() : c.Highlight(), 0, 1);
            bottomRight(pressed ? c.Highlight() : c.Shadow(), 0);
            break;
        case TFrameType::ftNormalFrame:
            if (pressed) {
                topLeft(c.Shadow(), 1, 1);
                topLeft(c.DarkShadow(), 0, 1);
                bottomRight(c.Highlight(), 0);
            } else {
                line(c.Shadow(), w - 2, h - 2, 0, h - 2);
                line(c.Shadow(), w - 2, h - 2, w - 2, 0);
                bottomRight(c.DarkShadow(), 0);
                topLeft(c.Highlight(), 0, 1);
            }
            break;
        case TFrameType::ftEnclosedFrame:
            topLeft(pressed ? c.Shadow() : c.Highlight(), 1, 2);
            bottomRight(pressed ? c.Highlight() : c.Shadow(), 1);
            canvas.FrameRect(Rect(0, 0, w, h), m_colors.DarkShadow());
            break;
    }
}

QImage TShineSpeedButton::CreateStateGlyph() const {
    if (m_glyph.isNull()) return {};
    QImage image = m_glyph.copy();
    const QRgb key = image.pixel(0, image.height() - 1) & kRgbMask;
    const TShineDrawState state = paintState();
    if (isHot(state)) {
        const QRgb s = ToQRgb(m_shineColor);
        switch (m_activeImage) {
            case TActiveImageType::aiNormal:
                break;
            case TActiveImageType::aiXorLight:
                XorGlyph(image, key, s);
                break;
            case TActiveImageType::aiHalfLight:
                BlendGlyph(image, key, s, 2);
                break;
            case TActiveImageType::aiQuaterLight:
                BlendGlyph(image, key, s, 3);
                break;
            case TActiveImageType::aiAddLight:
                AddGlyph(image, key, s);
                break;
            case TActiveImageType::aiFrameLight:
            case TActiveImageType::aiFrameLight2:
                FrameGlyph(image, key, s, m_activeImage == TActiveImageType::aiFrameLight2);
                break;
            case TActiveImageType::aiMaskLight:
                CheckerGlyph(image, key, s);
                break;
        }
    } else if (state == sdDisabled) {
        const QRgb f = ToQRgb(m_colors.Color());
        switch (m_disabledImage) {
            case TDisabledImageType::diDefault:
                return EdgeMask(image);
            case TDisabledImageType::diGrayscale:
                GreyGlyph(image, key);
                break;
            case TDisabledImageType::diAlphaHalfTrans:
                BlendGlyph(image, key, f, 2);
                break;
            case TDisabledImageType::diAlphaQuaterTrans:
                BlendGlyph(image, key, f, 3);
                break;
            case TDisabledImageType::diMaskTrans:
                CheckerGlyph(image, key, key | kOpaqueAlpha);
                break;
        }
    }
    return image;
}

// --- Qt glue -------------------------------------------------------------------------------------------

void TShineSpeedButton::setState(TShineDrawState value) {
    if (assignIfDiffers(m_state, value)) Invalidate();
}

bool TShineSpeedButton::pointerInClient() const {
    return rect().contains(mapFromGlobal(PointerPos()));
}

TPoint TShineSpeedButton::cursorInClient() const {
    const QPoint p = mapFromGlobal(PointerPos());
    return {p.x(), p.y()};
}

TShiftState TShineSpeedButton::currentShiftState() {
    TShiftState s;
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    if (buttons & Qt::LeftButton) s = s.with(TShiftFlag::ssLeft);
    if (buttons & Qt::RightButton) s = s.with(TShiftFlag::ssRight);
    if (buttons & Qt::MiddleButton) s = s.with(TShiftFlag::ssMiddle);
    if (keys & Qt::ShiftModifier) s = s.with(TShiftFlag::ssShift);
    if (keys & Qt::ControlModifier) s = s.with(TShiftFlag::ssCtrl);
    if (keys & Qt::AltModifier) s = s.with(TShiftFlag::ssAlt);
    return s;
}

void TShineSpeedButton::updateAccelerator() {
    m_accelShortcut.reset();
    const QKeySequence key = QKeySequence::mnemonic(m_caption);
    if (key.isEmpty() || !Parent()) return;
    m_accelShortcut = std::make_unique<QShortcut>(key, Parent(), nullptr, nullptr, Qt::WindowShortcut);
    connect(m_accelShortcut.get(), &QShortcut::activated, this, [this] {
        if (!Enabled() || !Showing()) return;
        if (m_accelCharDown) SetDown(!m_down);
        Click();
    });
}

void TShineSpeedButton::PaintTo(QPainter& painter, const QRegion& region) {
    if (width() <= 0 || height() <= 0) return;
    // A see-through button composes on a clear image so that what lies behind shows where it draws nothing.
    QImage& face = m_transparent ? ClearedSharedFace(size()) : SharedFace(size());
    {
        Canvas canvas(face);
        Paint(canvas);
    }
    DrawFace(painter, region, face);
}

void TShineSpeedButton::PointerPress(Qt::MouseButton button, QPoint local) {
    MouseDown(button, currentShiftState(), local.x(), local.y());
}

void TShineSpeedButton::PointerMove(QPoint local) {
    MouseMove(currentShiftState(), local.x(), local.y());
}

void TShineSpeedButton::PointerRelease(Qt::MouseButton button, QPoint local) {
    if (button == Qt::LeftButton) MouseUp(button, currentShiftState(), local.x(), local.y());
}

void TShineSpeedButton::PointerDoubleClick(Qt::MouseButton button, QPoint local) {
    // The second press of a double click presses the button as any press does.
    PointerPress(button, local);
    if (button == Qt::LeftButton && m_down && m_onDblClick) m_onDblClick();
}

void TShineSpeedButton::PointerEnter() {
    const TPoint p = cursorInClient();
    MouseEnter(currentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::PointerLeave() {
    const TPoint p = cursorInClient();
    MouseLeave(currentShiftState(), p.X, p.Y);
}

QAccessible::State TShineSpeedButton::AccessibleState() const {
    QAccessible::State s;
    s.pressed = m_tracking && m_state == sdDownHot;
    s.checkable = m_groupIndex != 0;
    s.checked = m_down;
    return s;
}

void TShineSpeedButton::EnabledChanged() {
    m_down = false;
    m_tracking = false;
    m_state = Enabled() ? sdUp : sdDisabled;
    UpdateTracking();
}
