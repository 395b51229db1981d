#include "buttongrid/mxspeedbutton.h"

#include <QPainter>
#include <QPointer>
#include <QTimerEvent>
#include <algorithm>

#include "buttongrid/mxbtnface.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxbuttonpanelaccessible.h"
#include "buttongrid/mxcustomcontrol.h"
#include "platform/canvas.h"
#include "platform/change.h"
#include "platform/drawface.h"
#include "platform/hintmanager.h"
#include "platform/pointerpos.h"
#include "platform/sharedface.h"

using enum TMxButtonState;

namespace {

constexpr int kMaxGlyphs = 5;

bool isPair(TMxButtonState from, TMxButtonState to, TMxButtonState a, TMxButtonState b) {
    return (from == a && to == b) || (from == b && to == a);
}

QImage greyed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(row[x]);
            row[x] = qRgb(g, g, g);
        }
    }
    return out;
}

}  // namespace

TMxSpeedButton::TMxSpeedButton(QWidget* parent) : TGraphicControl(parent) {
    resize(23, 22);
    SetShowHint(true);
    m_font.SetOnChange([this] {
        if (!m_adoptingFont) m_parentFont = false;
        repaintContent();
    });
    m_layout.SetOnChange([this] { Invalidate(); });
    adoptParentFont();
}

void TMxSpeedButton::SetStyle(TMxUserButtonStyle value) {
    if (!assignIfDiffers(m_style, value)) return;
    m_unColored = MxIsUnColoredStyle(value);
    m_transparent = MxIsExplorerStyle(value);
    Invalidate();
}

void TMxSpeedButton::SetCaption(const QString& value) {
    if (assignIfDiffers(m_caption, value)) repaintContent();
}

void TMxSpeedButton::SetColor(TColor value) {
    if (assignIfDiffers(m_color, value)) Invalidate();
}

void TMxSpeedButton::SetParentFont(bool value) {
    if (!assignIfDiffers(m_parentFont, value)) return;
    if (value) adoptParentFont();
}

void TMxSpeedButton::SetEnterColor(TColor value) {
    if (assignIfDiffers(m_enterColor, value)) Invalidate();
}

void TMxSpeedButton::SetEnterColorChange(bool value) {
    if (assignIfDiffers(m_enterColorChange, value)) Invalidate();
}

void TMxSpeedButton::SetMultiLine(bool value) {
    if (assignIfDiffers(m_multiLine, value)) Invalidate();
}

void TMxSpeedButton::SetGlyph(const QImage& value) {
    m_glyph = value;
    Invalidate();
}

void TMxSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 0, kMaxGlyphs);
    if (assignIfDiffers(m_numGlyphs, value)) Invalidate();
}

void TMxSpeedButton::SetGroupIndex(int value) {
    if (!assignIfDiffers(m_groupIndex, value)) return;
    if (m_pressed) releaseGroup();
}

void TMxSpeedButton::SetPressed(bool value) {
    if (!assignIfDiffers(m_pressed, value)) return;
    if (value) releaseGroup();
    // A hot or held button keeps its look; the latch shows once the pointer leaves or lets go.
    if (m_state != bsMouseOver && !m_tracking) {
        if (Enabled())
            setState(value ? bsOptionSet : bsUp);
        else
            setState(value ? bsDisabledDown : bsDisabledUp);
    }
    if (m_state == bsMouseOver) m_previousState = restState();
    updateHoverTimer();
}

void TMxSpeedButton::Click() {
    // A copy, because the handler may re-route this button's clicks (a layout does) while it runs.
    const TClickEvent handler = m_onClick;
    if (handler) handler(this);
}

void TMxSpeedButton::MouseEnter() {
    m_mouseInside = true;
    if (m_tracking || !Enabled() || !m_allowMouseOver) return;
    if (m_state == bsUp || m_state == bsOptionSet) setState(bsMouseOver);
}

void TMxSpeedButton::MouseExit() {
    m_mouseInside = false;
    if (m_hideHint) HintManager::Instance().CancelHint();
    if (m_state == bsMouseOver) setState(m_previousState);
}

void TMxSpeedButton::MouseDown(Qt::MouseButton button, int, int) {
    if (button != Qt::LeftButton || !Enabled()) return;
    m_tracking = true;
    setState(m_groupIndex != 0 && m_pressed && m_state == bsMouseOver ? bsOptionSet : bsDown);
    if (!m_repeatedClick) return;
    m_repeatWait = m_repeatingDelay;
    m_repeatTimer.start(m_repeatWait, this);
    Click();
}

void TMxSpeedButton::DoRepeatedClick() {
    if (!m_tracking) {
        m_repeatTimer.stop();
        return;
    }
    m_repeatWait = m_repeatingInterval;
    m_repeatTimer.start(m_repeatWait, this);
    if (MxIsShiftedState(m_state)) Click();
}

void TMxSpeedButton::MouseMove(int x, int y) {
    if (!m_tracking) return;
    // While the button holds the capture, the lines just past its right and bottom edges still count.
    const bool inside = x >= 0 && x <= width() && y >= 0 && y <= height();
    const TMxButtonState held = m_groupIndex != 0 && m_pressed ? bsOptionSet : bsDown;
    setState(inside ? held : restState());
}

void TMxSpeedButton::MouseUp(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton || !m_tracking) return;
    m_tracking = false;
    const bool inside = x >= 0 && x < width() && y >= 0 && y <= height();
    if (m_repeatedClick) {
        // The clicks came while the button was held.
        m_repeatTimer.stop();
        setState(inside && m_allowMouseOver ? bsMouseOver : restState());
        return;
    }
    if (!inside) {
        setState(restState());
        return;
    }
    if (m_groupIndex != 0 && !(m_pressed && !m_allowAllUp)) {
        m_pressed = !m_pressed;
        if (m_pressed) releaseGroup();
    }
    const TMxButtonState hot = m_allowMouseOver ? bsMouseOver : restState();
    if (!m_unColored && m_numGlyphs <= 2) {
        setState(hot);
        Click();
        return;
    }
    // These styles show the click's result while still pressed, then settle where the pointer is now,
    // unless the click took the button away.
    const QPointer<TMxSpeedButton> alive(this);
    Click();
    if (!alive) return;
    setState(pointerOnButton() ? hot : restState());
}

void TMxSpeedButton::VerifyMouseOver() {
    if (!Enabled() || pointerOnButton()) return;
    m_mouseInside = false;
    setState(bsUp);
}

void TMxSpeedButton::setState(TMxButtonState value) {
    const TMxButtonState from = m_state;
    if (value == from) return;
    // A latched button that turns hot falls back to its latch, whichever state it came from.
    if (value == bsMouseOver)
        m_previousState = from == bsOptionSet || m_pressed ? bsOptionSet : bsUp;
    else
        m_previousState = from;
    m_state = value;
    updateHoverTimer();
    if (stateChangeShows(from, value)) repaintFace();
}

bool TMxSpeedButton::stateChangeShows(TMxButtonState from, TMxButtonState to) const {
    // The uncoloured-glyph styles are all flat ones, so the flat test covers them.
    if (isPair(from, to, bsUp, bsMouseOver))
        return MxIsFlatStyle(m_style) || m_numGlyphs > 2 || m_enterColorChange;
    if (isPair(from, to, bsMouseOver, bsOptionSet)) return m_numGlyphs >= 3;
    return true;
}

void TMxSpeedButton::repaintFace() {
    if (!Showing()) return;
    const TMxCustomControl* back = backParent();
    if (!m_transparent || (back && back->CheckOptimized()))
        Repaint();
    else
        Invalidate();
}

void TMxSpeedButton::repaintContent() {
    if (!Showing()) return;
    if (m_transparent)
        Repaint();
    else
        Invalidate();
}

void TMxSpeedButton::updateHoverTimer() {
    if (m_state == bsMouseOver && !m_pressed) {
        if (!m_hoverTimer.isActive()) m_hoverTimer.start(kHoverInterval, this);
    } else {
        m_hoverTimer.stop();
    }
}

void TMxSpeedButton::timerEvent(QTimerEvent* e) {
    if (e->timerId() == m_hoverTimer.timerId())
        VerifyMouseOver();
    else if (e->timerId() == m_repeatTimer.timerId())
        DoRepeatedClick();
    else
        TGraphicControl::timerEvent(e);
}

void TMxSpeedButton::releaseGroup() {
    if (m_groupIndex == 0 || !Parent()) return;
    for (QObject* child : Parent()->children()) {
        auto* other = qobject_cast<TMxSpeedButton*>(child);
        if (other && other != this && other->m_groupIndex == m_groupIndex) other->SetPressed(false);
    }
}

void TMxSpeedButton::adoptParentFont() {
    const TMxCustomControl* parent = qobject_cast<const TMxCustomControl*>(Parent());
    if (!m_parentFont || !parent) return;
    m_adoptingFont = true;
    m_font.Assign(parent->Font());
    m_adoptingFont = false;
}

TMxCustomControl* TMxSpeedButton::backParent() const {
    return m_transparent ? qobject_cast<TMxCustomControl*>(Parent()) : nullptr;
}

bool TMxSpeedButton::pointerOnButton() const {
    return rect().contains(mapFromGlobal(PointerPos()));
}

TMxButtonState TMxSpeedButton::restState() const {
    return m_pressed ? bsOptionSet : bsUp;
}

void TMxSpeedButton::Paint(Canvas& canvas) const {
    TRect r = Rect(0, 0, width(), height());
    if (MxIsExplorerStyle(m_style)) {
        const TMxCustomControl* back = backParent();
        if (back && back->CheckOptimized()) {
            back->BackDrawArea(canvas, r, TPoint{x(), y()});
        } else {
            canvas.Brush() = TBrush{m_color, BrushStyle::Solid};
            canvas.FillRect(r);
        }
    }
    MxDrawBtnFace(canvas, r, m_style, m_state, kMxSpeedButtonFaceFlags, m_color);

    const int bevel = MxGetButtonBevel(m_style);
    r = Rect(0, 0, width(), height()).Inflated(-bevel, -bevel);
    if (MxIsShiftedState(m_state)) r = r.Offset(1, 1);
    DrawGlyphAndText(canvas, r);
}

void TMxSpeedButton::DrawGlyphAndText(Canvas& canvas, const TRect& area) const {
    canvas.SetFont(m_font);
    if (m_state >= bsMouseOver && m_state <= bsDropDownOpen && m_allowMouseOver && m_enterColorChange)
        canvas.Font().SetColor(m_enterColor);

    const QImage glyph = glyphImage();
    // Several lines make a block as wide as the widest, each line placed in it as the layout aligns.
    unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
    TPoint text = m_caption.isEmpty() ? TPoint{} : canvas.TextExtent(m_caption);
    if (m_multiLine && !m_caption.isEmpty()) {
        constexpr unsigned kColumn[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
        flags |= kColumn[static_cast<int>(m_layout.Alignment()) % 3];
        TRect block = Rect(0, 0, area.Width(), 0);
        canvas.DrawText(m_caption, block, flags | DT_CALCRECT);
        text = {block.Width(), block.Height()};
    }
    const TMxGlyphTextPlaces places =
        MxLayoutGlyphAndText(area, glyph.width(), glyph.height(), text.X, text.Y, m_layout);
    if (!glyph.isNull()) {
        const TColor key = FromQRgb(glyph.pixel(0, glyph.height() - 1));
        canvas.DrawTransparent(places.Glyph.Left, places.Glyph.Top, glyph, key);
    }
    if (places.Caption.IsEmpty()) return;

    canvas.SetBkMode(BackgroundMode::Transparent);
    TRect r = places.Caption;
    if (Enabled()) {
        canvas.DrawText(m_caption, r, flags);
        return;
    }
    // Disabled: an embossed caption, a light copy below and right of the grey one.
    TRect light = r.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(m_caption, light, flags);
    canvas.Font().SetColor(clGrayText);
    canvas.DrawText(m_caption, r, flags);
}

QImage TMxSpeedButton::glyphImage() const {
    if (m_glyph.isNull()) return {};
    const int count = std::max(m_numGlyphs, 1);
    int index = 0;
    switch (m_state) {
        case bsDisabledUp:
        case bsDisabledDown:
            index = 1;
            break;
        case bsDown:
        case bsDropDownOpen:
            index = 2;
            break;
        case bsOptionSet:
            index = 3;
            break;
        case bsMouseOver:
            index = 4;
            break;
        default:
            break;
    }
    if (index >= count) index = 0;
    const int w = m_glyph.width() / count;
    QImage image = m_glyph.copy(index * w, 0, w, m_glyph.height());
    if (m_unColored && m_state == bsUp) image = greyed(image);
    return image;
}

QAccessible::State TMxSpeedButton::AccessibleState() const {
    QAccessible::State s;
    s.pressed = MxIsShiftedState(m_state);
    s.checkable = m_groupIndex != 0;
    s.checked = m_pressed;
    return s;
}

QString TMxSpeedButton::AccessibleName() const {
    return CaptionOrHint(m_caption, Hint());
}

QAccessibleInterface* TMxSpeedButton::CreateAccessible() {
    if (!qobject_cast<TMxButtonPanel*>(Parent())) return nullptr;
    return new MxCellAccessible(this);
}

void TMxSpeedButton::PaintTo(QPainter& painter, const QRegion& region) {
    if (width() <= 0 || height() <= 0) return;
    // Paint covers every pixel, so the shared face needs no clearing.
    QImage& face = SharedFace(size());
    {
        Canvas canvas(face);
        Paint(canvas);
    }
    ++m_paintCount;
    DrawFace(painter, region, face);
}

void TMxSpeedButton::EnabledChanged() {
    m_tracking = false;
    if (Enabled())
        m_state = m_pressed ? bsOptionSet : bsUp;
    else
        m_state = m_pressed ? bsDisabledDown : bsDisabledUp;
    updateHoverTimer();
}

bool TMxSpeedButton::event(QEvent* e) {
    if (e->type() == MxBackChangedEvent()) {
        if (m_transparent) Invalidate();
        return true;
    }
    if (e->type() == MxParentFontChangedEvent()) {
        adoptParentFont();
        return true;
    }
    return TGraphicControl::event(e);
}
