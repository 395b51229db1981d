#include "widgets/dxfcolorbutton.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "platform/drawface.h"
#include "platform/intmath.h"

namespace {

// Per channel Trunc(a * (to - from) / b + from), in floating point.
TColor Blend(TColor from, TColor to, int a, int b) {
    const RgbColor f = ColorToRGB(from);
    const RgbColor t = ColorToRGB(to);
    auto mix = [&](int fc, int tc) { return Trunc(static_cast<double>(a) * (tc - fc) / b + fc); };
    return RGB(mix(f.r, t.r), mix(f.g, t.g), mix(f.b, t.b));
}

// Shades are spread over a radius of at least one, so a tiny button still gets its one ellipse.
int shadeRadius(int w, int h) {
    return std::max(1, Trunc(std::sqrt(static_cast<double>((w / 2) * (w / 2) + (h / 2) * (h / 2)))));
}

}  // namespace

TdxfColorButton::TdxfColorButton(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFaces();
    // The faces cover every pixel the ellipse lets through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_font.SetOnChange([this] {
        CreateBitmaps();
        update();
    });
    resize(100, 40);
    if (parent) show();
}

void TdxfColorButton::SetCaption(const QStringList& value) {
    if (assignIfDiffers(m_caption, value)) update();
}

void TdxfColorButton::SetColor(TColor value) {
    if (!assignIfDiffers(m_color, value)) return;
    CreateBitmaps();
    update();
}

void TdxfColorButton::SetDown(bool value) {
    if (m_groupIndex == 0) value = false;
    if (value == m_showDown) return;
    m_showDown = value;
    m_down = value;
    update();
    if (value) UpdateExclusive();
}

void TdxfColorButton::SetGlyph(const QImage& value) {
    m_glyph = value.isNull() ? QImage() : value.convertToFormat(QImage::Format_RGB32);
    update();
}

void TdxfColorButton::SetLayout(TdxfButtonLayout value) {
    if (assignIfDiffers(m_layout, value)) update();
}

void TdxfColorButton::SetCursor(TCursor value) {
    m_cursor = value;
    applyCursor(*this, value);
}

void TdxfColorButton::SetHint(const QString& value) {
    m_hint = value;
    setToolTip(value);
}

Region TdxfColorButton::BeadRegion() const {
    return CreateEllipticRgn(-1, -1, width() + 1, height() + 1);
}

void TdxfColorButton::CreateBitmaps() {
    m_upFace = QImage(size(), QImage::Format_RGB32);
    m_downFace = QImage(size(), QImage::Format_RGB32);
    if (m_upFace.isNull()) return;
    Canvas up(m_upFace);
    PaintToBmp(up, false);
    Canvas down(m_downFace);
    PaintToBmp(down, true);
}

void TdxfColorButton::PaintToBmp(Canvas& canvas, bool pressed) const {
    const int w = width();
    const int h = height();
    const TColor dark = Blend(m_color, clBlack, 2, 5);
    canvas.Brush() = TBrush{dark, BrushStyle::Solid};
    canvas.FillRect(Rect(0, 0, w, h));
    canvas.Pen() = TPen{};
    auto shade = [&](TColor c) {
        canvas.Pen().Color = c;
        canvas.Brush().Color = c;
    };

    // The dome: ellipses shrinking toward the upper-left point (W5, H5), lightening as they go.
    const int w10 = w / 10, h10 = h / 10, w5 = w / 5, h5 = h / 5;
    const int r = shadeRadius(w, h);
    const int k = std::max(1, Trunc(r * 1.2));
    for (int i = 0; i <= r; ++i) {
        shade(Blend(dark, clWhite, i, k));
        const double t = static_cast<double>(i) / r;
        const int left = Trunc(w5 * t);
        const int top = Trunc(h5 * t);
        canvas.Ellipse(left, top, Trunc(w - (w - w5) * t), Trunc(h - (h - h5) * t));
        if (pressed && left > 3 * w10 && top > 3 * h10) break;
    }
    if (!pressed) return;

    // The dish: the inner rectangle's ellipses shrinking toward its lower right, so it looks concave.
    const int iw = w - 2 * w10, ih = h - 2 * h10, iw5 = iw / 5, ih5 = ih / 5;
    const int r2 = shadeRadius(iw, ih);
    const int k2 = std::max(1, Trunc(r2 * 1.2));
    for (int i = 0; i <= r2; ++i) {
        shade(Blend(dark, clWhite, i, k2));
        const double t = static_cast<double>(i) / r2;
        canvas.Ellipse(w10 + Trunc((iw - iw5) * t), h10 + Trunc((ih - ih5) * t), w10 + iw - Trunc(iw5 * t),
                       h10 + ih - Trunc(ih5 * t));
    }
}

QAccessible::State TdxfColorButton::AccessibleState() const {
    QAccessible::State s;
    s.pressed = m_showDown && !m_down;
    s.checkable = m_groupIndex != 0;
    s.checked = m_down;
    return s;
}

void TdxfColorButton::SetRegion() {
    // The ellipse also while hidden: a hidden widget shows nothing anyway, and it must be right once shown.
    setMask(BeadRegion().ToQRegion());
    update();
}

void TdxfColorButton::Paint(Canvas& canvas) const {
    canvas.Draw(0, 0, m_showDown ? m_downFace : m_upFace);
    DrawCaption(canvas);
}

void TdxfColorButton::DrawCaption(Canvas& canvas) const {
    canvas.SetBkMode(BackgroundMode::Transparent);
    canvas.SetFont(m_font);
    // Without a caption nothing is measured: asking the font would load its file for no pixel.
    const int lh = m_caption.isEmpty() ? 0 : canvas.TextHeight(QStringLiteral("Wg"));
    const int th = static_cast<int>(m_caption.size()) * lh;
    int tw = 0;
    for (const QString& line : m_caption) tw = std::max(tw, canvas.TextWidth(line));
    const int gw = m_glyph.isNull() ? 0 : m_glyph.width();
    const int gh = m_glyph.isNull() ? 0 : m_glyph.height();
    const int g = gw > 0 && tw > 0 ? 4 : 0;
    const int w = width();
    const int h = height();

    TPoint glyphAt;
    TPoint textAt;
    switch (m_layout) {
        case TdxfButtonLayout::dxfGlyphLeft: {
            const int m = (w - gw - g - tw) / 2;
            glyphAt = {m, (h - gh) / 2};
            textAt = {m + gw + g, (h - th) / 2};
            break;
        }
        case TdxfButtonLayout::dxfGlyphRight: {
            const int m = (w - gw - g - tw) / 2;
            textAt = {m, (h - th) / 2};
            glyphAt = {m + tw + g, (h - gh) / 2};
            break;
        }
        case TdxfButtonLayout::dxfGlyphTop: {
            const int m = (h - gh - th - g) / 2;
            glyphAt = {(w - gw) / 2, m};
            textAt = {(w - tw) / 2, m + gh + g};
            break;
        }
        case TdxfButtonLayout::dxfGlyphBottom: {
            const int m = (h - gh - th - g) / 2;
            textAt = {(w - tw) / 2, m};
            glyphAt = {(w - gw) / 2, m + th + g};
            break;
        }
    }
    const int shift = m_showDown ? 1 : 0;
    if (!m_glyph.isNull())
        canvas.DrawTransparent(glyphAt.X + shift, glyphAt.Y + shift, m_glyph,
                               FromQRgb(m_glyph.pixel(0, m_glyph.height() - 1)));

    const TColor own = m_font.Color();
    for (int i = 0; i < m_caption.size(); ++i) {
        const QString& line = m_caption[i];
        const int slack = tw - canvas.TextWidth(line);
        const int indent = m_layout == TdxfButtonLayout::dxfGlyphLeft    ? 0
                           : m_layout == TdxfButtonLayout::dxfGlyphRight ? slack
                                                                         : slack / 2;
        const int x = textAt.X + shift + indent;
        const int y = textAt.Y + shift + i * lh;
        if (isEnabled()) {
            canvas.Font().SetColor(own);
            canvas.TextOut(x, y, line);
        } else {
            canvas.Font().SetColor(clBtnHighlight);
            canvas.TextOut(x + 1, y + 1, line);
            canvas.Font().SetColor(clBtnShadow);
            canvas.TextOut(x, y, line);
        }
    }
}

void TdxfColorButton::UpdateExclusive() {
    if (m_groupIndex == 0 || !parentWidget()) return;
    for (QObject* child : parentWidget()->children())
        if (auto* b = qobject_cast<TdxfColorButton*>(child)) b->ButtonPressed(m_groupIndex, this);
}

void TdxfColorButton::ButtonPressed(int groupIndex, const TdxfColorButton* sender) {
    if (groupIndex != m_groupIndex || !sender || sender == this || !m_showDown) return;
    m_down = false;
    m_mousePressed = false;
    m_showDown = false;
    update();
}

void TdxfColorButton::Click() {
    if (!isEnabled()) return;
    const TNotifyEvent handler = m_onClick;
    if (handler) handler();
}

// --- Pointer -------------------------------------------------------------------------------------------

bool TdxfColorButton::over(int x, int y) const {
    return BeadRegion().Contains({x, y});
}

void TdxfColorButton::setPressedState(bool value) {
    m_down = value;
    m_showDown = value;
    m_mousePressed = value;
}

void TdxfColorButton::MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton || !isEnabled() || m_down) return;
    m_showDown = true;
    m_mousePressed = true;
    update();
}

void TdxfColorButton::MouseUp(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    const bool shownBefore = m_showDown;
    const bool wasDown = m_down;
    const bool isOver = over(x, y);
    const QPointer<TdxfColorButton> alive(this);
    // Qt hands the release to the button that took the press, so over it means a click.
    if (isOver) Click();
    if (!alive) return;
    if (m_groupIndex == 0) {
        setPressedState(false);
    } else {
        if (!isOver) setPressedState(false);
        // With AllowAllUp a click on a down button lets it go up; otherwise a grouped button is down after
        // every release.
        if (m_allowAllUp && wasDown && isOver) {
            setPressedState(false);
        } else if (isEnabled() && !m_down) {
            setPressedState(true);
            UpdateExclusive();
        }
    }
    if (m_showDown != shownBefore) update();
}

void TdxfColorButton::MouseEnter() {
    m_mouseInControl = true;
    if (assignIfDiffers(m_showDown, m_down || m_mousePressed)) update();
}

void TdxfColorButton::MouseLeave() {
    m_mouseInControl = false;
    if (assignIfDiffers(m_showDown, m_groupIndex != 0 && m_down)) update();
}

// --- Qt glue -------------------------------------------------------------------------------------------

void TdxfColorButton::paintEvent(QPaintEvent* e) {
    if (m_upFace.isNull()) return;
    QImage face = m_upFace.copy();
    Canvas canvas(face);
    Paint(canvas);
    QPainter painter(this);
    DrawFace(painter, e->region(), face);
}

void TdxfColorButton::resizeEvent(QResizeEvent* e) {
    CreateBitmaps();
    SetRegion();
    QWidget::resizeEvent(e);
}

void TdxfColorButton::mousePressEvent(QMouseEvent* e) {
    MouseDown(e->button());
}

void TdxfColorButton::mouseDoubleClickEvent(QMouseEvent* e) {
    MouseDown(e->button());
    if (e->button() == Qt::LeftButton && m_onDblClick) m_onDblClick();
}

void TdxfColorButton::mouseMoveEvent(QMouseEvent* e) {
    // While the button holds the pointer, leaving and re-entering its ellipse count as leave and enter.
    if (!m_mousePressed) return;
    const QPoint p = e->position().toPoint();
    const bool inside = over(p.x(), p.y());
    if (inside && !m_mouseInControl) MouseEnter();
    if (!inside && m_mouseInControl) MouseLeave();
}

void TdxfColorButton::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    MouseUp(e->button(), p.x(), p.y());
}

void TdxfColorButton::enterEvent(QEnterEvent*) {
    MouseEnter();
}

void TdxfColorButton::leaveEvent(QEvent*) {
    MouseLeave();
}

void TdxfColorButton::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(e);
}
