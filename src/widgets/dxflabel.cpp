#include "widgets/dxflabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "platform/canvas.h"
#include "platform/errorbox.h"
#include "platform/intmath.h"
#include "widgets/dxfres.h"

namespace {

// The direction of the effect's copies, one pixel per step of depth.
TPoint orientationStep(TdxfOrientation orientation) {
    switch (orientation) {
        case TdxfOrientation::dxfLeft:
            return {-1, 0};
        case TdxfOrientation::dxfRight:
            return {1, 0};
        case TdxfOrientation::dxfTop:
            return {0, -1};
        case TdxfOrientation::dxfBottom:
            return {0, 1};
        case TdxfOrientation::dxfLeftTop:
            return {-1, -1};
        case TdxfOrientation::dxfLeftBottom:
            return {-1, 1};
        case TdxfOrientation::dxfRightTop:
            return {1, -1};
        case TdxfOrientation::dxfRightBottom:
            return {1, 1};
    }
    return {0, 0};
}

}  // namespace

TdxfLabel::TdxfLabel(QWidget* parent) : QWidget(parent) {
    m_font.SetOnChange([this] { update(); });
    m_effect3D.SetOnChange([this] { update(); });
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TdxfLabel::SetStyle(TdxfLabelStyle value) {
    m_style = value;
    // A lowered face is cut into its parent's surface.
    if (value == TdxfLabelStyle::dxfLowered) m_parentColor = true;
    update();
}

void TdxfLabel::SetAngle(int value) {
    if (value != 0) {
        Canvas canvas(DrawBmp());
        canvas.SetFont(m_font);
        if (!canvas.GetTextMetrics().IsTrueType()) {
            QApplication::beep();
            ShowMessage(QStringLiteral("The Angle property is applicable for the TrueType fonts only"));
            return;
        }
    }
    if (value < 0 || value > 360) return;
    if (assignIfDiffers(m_angle, value)) update();
}

void TdxfLabel::SetGlyph(const QImage& value) {
    m_glyph = value;
    update();
}

void TdxfLabel::SetPenWidth(int value) {
    if (assignIfDiffers(m_penWidth, value) && m_style == TdxfLabelStyle::dxfOutLine) update();
}

void TdxfLabel::SetCaption(const QString& value) {
    if (assignIfDiffers(m_caption, value)) update();
}

TColor TdxfLabel::Color() const {
    if (m_parentColor && parentWidget())
        return FromQRgb(parentWidget()->palette().color(QPalette::Window).rgb());
    return m_color;
}

void TdxfLabel::SetColor(TColor value) {
    const bool wasParent = std::exchange(m_parentColor, false);
    if (assignIfDiffers(m_color, value) || wasParent) update();
}

void TdxfLabel::SetParentColor(bool value) {
    if (assignIfDiffers(m_parentColor, value)) update();
}

void TdxfLabel::SetTransparent(bool value) {
    if (!assignIfDiffers(m_transparent, value)) return;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    update();
}

void TdxfLabel::SetCursor(TCursor value) {
    m_cursor = value;
    applyCursor(*this, value);
}

TColor TdxfLabel::GetColor(TColor color1, TColor color2, int a, int b) {
    const RgbColor c1 = ColorToRGB(color1);
    const RgbColor c2 = ColorToRGB(color2);
    // A zero step count has no ramp to walk; it stays at the first colour.
    if (b == 0) return RGB(c1.r, c1.g, c1.b);
    const auto channel = [&](int v1, int v2) { return Trunc(static_cast<double>(a) * (v2 - v1) / b + v1); };
    return RGB(channel(c1.r, c2.r), channel(c1.g, c2.g), channel(c1.b, c2.b));
}

TPoint TdxfLabel::TextStart(int cx, int cy, int angle, int w, int h) {
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    const long double a = angle * kPi / 180;
    const long double halfW = w / 2.0L;
    const long double halfH = h / 2.0L;
    const auto nearest = [](long double v) { return RoundHalfEven(static_cast<double>(v)); };
    return {cx - nearest(std::cos(a) * halfW) - nearest(std::sin(a) * halfH),
            cy + nearest(std::sin(a) * halfW) - nearest(std::cos(a) * halfH)};
}

void TdxfLabel::Paint(QPainter& screen) const {
    EnlargeDrawBmp(width(), height());
    QImage& bitmap = DrawBmp();
    {
        Canvas canvas(bitmap);
        compose(canvas);
    }
    const QRect part(0, 0, width(), height());
    if (m_transparent)
        screen.drawImage(QPoint(0, 0), ColorKeyedImage(bitmap.copy(part), Color()));
    else
        screen.drawImage(QPoint(0, 0), bitmap, part);
}

void TdxfLabel::compose(Canvas& canvas) const {
    canvas.SetFont(m_font);
    const bool trueType = canvas.GetTextMetrics().IsTrueType();
    const bool textureFill = !m_glyph.isNull() && trueType;
    const TPoint extent = canvas.TextExtent(m_caption);
    ::Font rotated = m_font;
    rotated.SetEscapement(((m_angle % 360) + 360) % 360 * 10);
    canvas.SetFont(rotated);
    const TPoint start = TextStart(width() / 2, height() / 2, m_angle, extent.X, extent.Y);

    canvas.SetBrush({Color(), BrushStyle::Solid});
    canvas.FillRect(Rect(0, 0, canvas.Width(), canvas.Height()));
    canvas.Brush().Style = BrushStyle::Clear;
    canvas.SetBkMode(BackgroundMode::Transparent);
    if (m_effect3D.Depth() > 0) drawEffect(canvas, start);
    drawFace(canvas, start, textureFill, trueType);
    if (textureFill && m_glyph.width() >= 1 && m_glyph.height() >= 1) drawTexture(canvas, start);
}

void TdxfLabel::drawEffect(Canvas& canvas, TPoint start) const {
    const int depth = m_effect3D.Depth();
    const TPoint step = orientationStep(m_effect3D.Orientation());
    const TColor shadowed = m_effect3D.ShadowedColor();
    // The ramp fades towards the label's colour; a system colour has no fixed value to fade to.
    const TColor background = Color().IsSystem() ? clSilver : Color();
    const auto copyAt = [&](int s, TColor color) {
        canvas.Font().SetColor(color);
        canvas.TextOut(start.X + step.X * s, start.Y + step.Y * s, m_caption);
    };
    switch (m_effect3D.Style()) {
        case TdxfEffectStyle::dxfCool:
            copyAt(depth, shadowed);
            break;
        case TdxfEffectStyle::dxfExtrude:
            for (int s = depth; s >= 1; --s) copyAt(s, shadowed);
            break;
        case TdxfEffectStyle::dxfFun:
            for (int s = depth; s >= 1; --s) copyAt(s, GetColor(shadowed, background, s - 1, depth));
            break;
    }
}

void TdxfLabel::drawFace(Canvas& canvas, TPoint start, bool textureFill, bool trueType) const {
    const TColor fontColor = m_font.Color();
    const auto textAt = [&](int dx, int dy, TColor color) {
        canvas.Font().SetColor(color);
        canvas.TextOut(start.X + dx, start.Y + dy, m_caption);
    };
    switch (m_style) {
        case TdxfLabelStyle::dxfNormal:
            if (!textureFill) textAt(0, 0, fontColor);
            break;
        case TdxfLabelStyle::dxfRaised:
            textAt(0, 0, clBtnHighlight);
            if (m_font.Size() >= 12) textAt(2, 2, clBtnShadow);
            if (!textureFill) textAt(1, 1, fontColor);
            break;
        case TdxfLabelStyle::dxfLowered:
            textAt(2, 2, clBtnHighlight);
            if (!textureFill)
                textAt(1, 1, Color().IsSystem() ? clBtnShadow : GetColor(Color(), clBlack, 1, 3));
            break;
        case TdxfLabelStyle::dxfOutLine:
            if (!trueType) {
                textAt(0, 0, fontColor);
                break;
            }
            canvas.BeginPath();
            canvas.TextOut(start.X, start.Y, m_caption);
            canvas.EndPath();
            canvas.SetPen({fontColor, m_penWidth, PenStyle::Solid});
            canvas.StrokePath();
            canvas.Pen().Width = 1;
            break;
    }
}

void TdxfLabel::drawTexture(Canvas& canvas, TPoint start) const {
    const int offset = m_style == TdxfLabelStyle::dxfNormal ? 0 : 1;
    canvas.BeginPath();
    canvas.TextOut(start.X + offset, start.Y + offset, m_caption);
    canvas.EndPath();
    canvas.SelectClipPath();
    for (int y = 0; y < height(); y += m_glyph.height())
        for (int x = 0; x < width(); x += m_glyph.width()) canvas.Draw(x, y, m_glyph);
    canvas.ResetClip();
}

void TdxfLabel::paintEvent(QPaintEvent*) {
    QPainter screen(this);
    Paint(screen);
}

void TdxfLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    QWidget::mousePressEvent(event);
}

void TdxfLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const bool click = m_pressed && rect().contains(event->position().toPoint());
        m_pressed = false;
        if (click && m_onClick) m_onClick(this);
    }
    QWidget::mouseReleaseEvent(event);
}
