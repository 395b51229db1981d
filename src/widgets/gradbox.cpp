#include "widgets/gradbox.h"

#include <QPainter>

#include "platform/canvas.h"
#include "platform/drawface.h"
#include "platform/intmath.h"
#include "platform/sharedface.h"

using enum TGradStyle;

TGradBox::TGradBox(QWidget* parent) : TGraphicControl(parent) {
    m_font.SetOnChange([this] { Invalidate(); });
    resize(200, 100);
}

void TGradBox::SetCaptionLeft(int value) {
    if (assignIfDiffers(m_captionLeft, value)) Invalidate();
}

void TGradBox::SetCaptionTop(int value) {
    if (assignIfDiffers(m_captionTop, value)) Invalidate();
}

void TGradBox::SetTopColor(TColor value) {
    if (assignIfDiffers(m_topColor, value)) Invalidate();
}

void TGradBox::SetLastColor(TColor value) {
    if (assignIfDiffers(m_lastColor, value)) Invalidate();
}

void TGradBox::SetOutLineColor(TColor value) {
    if (assignIfDiffers(m_outLineColor, value) && m_drawOutLine) Invalidate();
}

void TGradBox::SetDrawOutLine(bool value) {
    if (assignIfDiffers(m_drawOutLine, value)) Invalidate();
}

void TGradBox::SetGradStyle(TGradStyle value) {
    if (!assignIfDiffers(m_gradStyle, value)) return;
    Invalidate();
}

void TGradBox::SetFont3D(bool value) {
    if (assignIfDiffers(m_font3D, value)) Invalidate();
}

void TGradBox::SetFontDepth(std::uint8_t value) {
    if (assignIfDiffers(m_fontDepth, value) && m_font3D) Invalidate();
}

void TGradBox::SetStyle3D(TFontStyle3D value) {
    if (assignIfDiffers(m_style3D, value)) Invalidate();
}

void TGradBox::SetBackFont(TColor value) {
    if (assignIfDiffers(m_backFont, value) && m_font3D) Invalidate();
}

void TGradBox::SetCaption(const QString& value) {
    if (assignIfDiffers(m_caption, value)) Invalidate();
}

void TGradBox::SetColarray() {
    if (m_gradStyle == gsNone) return;
    const bool fromTop = m_gradStyle == gsTopBottom || m_gradStyle == gsLeftRight;
    const TColor first = fromTop ? m_topColor : m_lastColor;
    const TColor last = fromTop ? m_lastColor : m_topColor;
    const RgbColor f = ColorToRGB(first);
    const RgbColor l = ColorToRGB(last);
    // The steps accumulate: each entry is one more subtraction from the last, as the bands always had.
    const long double dr = (f.r - l.r) / 255.0L, dg = (f.g - l.g) / 255.0L, db = (f.b - l.b) / 255.0L;
    long double vr = f.r, vg = f.g, vb = f.b;
    m_colarray[0] = RGB(f.r, f.g, f.b);
    for (int i = 1; i <= 254; ++i) {
        vr -= dr;
        vg -= dg;
        vb -= db;
        m_colarray[i] = RGB(static_cast<int>(vr), static_cast<int>(vg), static_cast<int>(vb));
    }
    m_colarray[255] = RGB(l.r, l.g, l.b);
}

std::vector<SolidFill> TGradBox::Fills() {
    SetColarray();
    const int w = width();
    const int h = height();
    std::vector<SolidFill> fills;
    if (m_gradStyle != gsNone) {
        fills.reserve(256 + 4);
        const bool vertical = m_gradStyle == gsTopBottom || m_gradStyle == gsBottomTop;
        const double step = (vertical ? h : w) / 255.0;
        const int band = Trunc(step + 1);
        for (int i = 0; i <= 255; ++i) {
            const int at = i == 0 ? 0 : Trunc((i - 1) * step);
            fills.push_back(
                {vertical ? Rect(0, at, w, at + band) : Rect(at, 0, at + band, h), m_colarray[i]});
        }
    }
    if (m_drawOutLine && w > 0 && h > 0)
        for (const TRect& strip : FrameStrips(Rect(0, 0, w, h))) fills.push_back({strip, m_outLineColor});
    return fills;
}

void TGradBox::Paint(Canvas& canvas) {
    PaintSolidFills(canvas, Fills());
    DrawCaptionText(canvas, Rect(m_captionLeft, m_captionTop, x() + width(), y() + height()));
    if (m_onPaint) m_onPaint();
}

void TGradBox::DrawCaptionText(Canvas& canvas, const TRect& rect) const {
    canvas.SetBkMode(BackgroundMode::Transparent);
    canvas.SetFont(m_font);
    auto pass = [&](TColor color, int d) {
        canvas.Font().SetColor(color);
        TRect r = rect.Offset(d, d);
        canvas.DrawText(m_caption, r, DT_WORDBREAK | DT_EXPANDTABS);
    };
    if (!Enabled()) {
        pass(clWhite, 1);
        pass(clGray, 0);
        return;
    }
    if (m_font3D) {
        const int d = m_fontDepth;
        switch (m_style3D) {
            case TFontStyle3D::fsLowShadow:
                pass(m_backFont, d);
                break;
            case TFontStyle3D::fsRaiseShadow:
                pass(m_backFont, -d);
                break;
            case TFontStyle3D::fsLow3D:
                for (int i = 1; i <= d; ++i) pass(m_backFont, i);
                break;
            case TFontStyle3D::fsRaise3D:
                for (int i = 1; i <= d; ++i) pass(m_backFont, -i);
                break;
        }
    }
    pass(m_font.Color(), 0);
}

void TGradBox::PaintTo(QPainter& painter, const QRegion& region) {
    if (width() <= 0 || height() <= 0) return;
    if (m_caption.isEmpty()) {
        PaintSolidFills(painter, Fills());
        if (m_onPaint) m_onPaint();
        return;
    }
    // The bands of a gradient cover every pixel: that face needs no clearing and is copied rather than
    // blended. With gsNone it is cleared first, and whatever lies behind shows through.
    QImage& face = m_gradStyle != gsNone ? SharedFace(size()) : ClearedSharedFace(size());
    {
        Canvas canvas(face);
        Paint(canvas);
    }
    DrawFace(painter, region, face);
}
