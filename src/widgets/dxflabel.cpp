#include "widgets/dxflabel.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <utility>

#include "platform/canvas.h"
#include "platform/errorbox.h"
#include "platform/intmath.h"
#include "widgets/dxfcaptionplacement.h"
#include "widgets/dxfglyphmasks.h"
#include "widgets/dxfres.h"

TdxfLabel::TdxfLabel(QWidget* parent) : TGraphicControl(parent) {
    m_font.SetOnChange([this] { Invalidate(); });
    m_effect3D.SetOnChange([this] { Invalidate(); });
}

void TdxfLabel::SetStyle(TdxfLabelStyle value) {
    m_style = value;
    // A lowered face is cut into its parent's surface.
    if (value == TdxfLabelStyle::dxfLowered) m_parentColor = true;
    Invalidate();
}

void TdxfLabel::SetAngle(int value) {
    if (value != 0) {
        if (!fontIsTrueType()) {
            QApplication::beep();
            ShowMessage(QStringLiteral("The Angle property is applicable for the TrueType fonts only"));
            return;
        }
    }
    if (value < 0 || value > 360) return;
    if (assignIfDiffers(m_angle, value)) Invalidate();
}

bool TdxfLabel::fontIsTrueType() {
    // Reading the metrics means a canvas and a font lookup, and a spinning label asks every tick; the
    // answer changes only with the font.
    if (!m_trueTypeChecked || !(*m_trueTypeChecked == m_font)) {
        Canvas canvas(DrawBmp());
        canvas.SetFont(m_font);
        m_isTrueType = canvas.GetTextMetrics().IsTrueType();
        m_trueTypeChecked = m_font;
    }
    return m_isTrueType;
}

void TdxfLabel::SetGlyph(const QImage& value) {
    m_glyph = value;
    Invalidate();
}

void TdxfLabel::SetPenWidth(int value) {
    if (assignIfDiffers(m_penWidth, value) && m_style == TdxfLabelStyle::dxfOutLine) Invalidate();
}

void TdxfLabel::SetCaption(const QString& value) {
    if (assignIfDiffers(m_caption, value)) Invalidate();
}

TColor TdxfLabel::Color() const {
    if (m_parentColor && Parent()) return FromQRgb(Parent()->palette().color(QPalette::Window).rgb());
    return m_color;
}

void TdxfLabel::SetColor(TColor value) {
    const bool wasParent = std::exchange(m_parentColor, false);
    if (assignIfDiffers(m_color, value) || wasParent) Invalidate();
}

void TdxfLabel::SetParentColor(bool value) {
    if (assignIfDiffers(m_parentColor, value)) Invalidate();
}

void TdxfLabel::SetTransparent(bool value) {
    if (!assignIfDiffers(m_transparent, value)) return;
    Invalidate();
}

TColor TdxfLabel::GetColor(TColor color1, TColor color2, int a, int b) {
    const RgbColor c1 = ColorToRGB(color1);
    const RgbColor c2 = ColorToRGB(color2);
    // A zero step count has no ramp to walk; it stays at the first colour.
    if (b == 0) return RGB(c1.r, c1.g, c1.b);
    const auto channel = [&](int v1, int v2) { return Trunc(static_cast<double>(a) * (v2 - v1) / b + v1); };
    return RGB(channel(c1.r, c2.r), channel(c1.g, c2.g), channel(c1.b, c2.b));
}

void TdxfLabel::Paint(QPainter& screen) const {
    TdxfFaceKey key = faceKey();
    const QImage* face = m_faces.Find(key);
    if (face == nullptr) face = &m_faces.Insert(std::move(key), composeFace());
    screen.drawImage(QPoint(0, 0), *face);
}

TdxfFaceKey TdxfLabel::faceKey() const {
    return {m_angle,
            m_font,
            m_caption,
            m_style,
            m_effect3D.Style(),
            m_effect3D.Orientation(),
            m_effect3D.Depth(),
            m_effect3D.ShadowedColor(),
            Color(),
            m_penWidth,
            m_glyph.cacheKey(),
            size(),
            m_transparent};
}

QImage TdxfLabel::composeFace() const {
    // Plain copies of the caption are filled from their masks once those are made; outlines and textures
    // need the drawn path.
    if (m_glyph.isNull() && m_style != TdxfLabelStyle::dxfOutLine)
        if (std::optional<QImage> face = fillFace()) return std::move(*face);
    EnlargeDrawBmp(width(), height());
    QImage& bitmap = DrawBmp();
    {
        Canvas canvas(bitmap);
        compose(canvas);
    }
    const QImage part = bitmap.copy(0, 0, width(), height());
    return m_transparent ? ColorKeyedImage(part, Color()) : part;
}

std::optional<QImage> TdxfLabel::fillFace() const {
    const std::vector<TextCopy> copies = textCopies(false, true);
    std::vector<TPoint> offsets;
    for (const TextCopy& copy : copies) offsets.push_back(copy.offset);
    const TdxfCaptionMasks* masks = CaptionMasks(m_font, m_caption, m_angle, size(), offsets);
    if (!masks) return std::nullopt;
    QImage face(size(), QImage::Format_RGB32);
    Canvas canvas(face);
    canvas.SetBrush({Color(), BrushStyle::Solid});
    canvas.FillRect(Rect(0, 0, width(), height()));
    for (std::size_t i = 0; i < copies.size(); ++i) masks->Fill(face, i, copies[i].offset, copies[i].color);
    return m_transparent ? ColorKeyedImage(face, Color()) : face;
}

void TdxfLabel::compose(Canvas& canvas) const {
    canvas.SetFont(m_font);
    const bool trueType = canvas.GetTextMetrics().IsTrueType();
    const bool textureFill = !m_glyph.isNull() && trueType;
    const TPoint start = CaptionStart(m_font, m_caption, m_angle, size());
    ::Font rotated = m_font;
    rotated.SetEscapement(CaptionEscapement(m_angle));
    canvas.SetFont(rotated);

    canvas.SetBrush({Color(), BrushStyle::Solid});
    canvas.FillRect(Rect(0, 0, canvas.Width(), canvas.Height()));
    canvas.Brush().Style = BrushStyle::Clear;
    canvas.SetBkMode(BackgroundMode::Transparent);
    for (const TextCopy& copy : textCopies(textureFill, trueType)) {
        canvas.Font().SetColor(copy.color);
        canvas.TextOut(start.X + copy.offset.X, start.Y + copy.offset.Y, m_caption);
    }
    if (m_style == TdxfLabelStyle::dxfOutLine && trueType) drawOutline(canvas, start);
    if (textureFill && m_glyph.width() >= 1 && m_glyph.height() >= 1) drawTexture(canvas, start);
}

std::vector<TdxfLabel::TextCopy> TdxfLabel::textCopies(bool textureFill, bool trueType) const {
    std::vector<TextCopy> copies;
    const int depth = m_effect3D.Depth();
    if (depth > 0) {
        const TPoint step = orientationStep(m_effect3D.Orientation());
        const TColor shadowed = m_effect3D.ShadowedColor();
        // The ramp fades towards the label's colour; a system colour has no fixed value to fade to.
        const TColor background = Color().IsSystem() ? clSilver : Color();
        const auto copyAt = [&](int s, TColor color) { copies.push_back({{step.X * s, step.Y * s}, color}); };
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
    const TColor fontColor = m_font.Color();
    switch (m_style) {
        case TdxfLabelStyle::dxfNormal:
            if (!textureFill) copies.push_back({{0, 0}, fontColor});
            break;
        case TdxfLabelStyle::dxfRaised:
            copies.push_back({{0, 0}, clBtnHighlight});
            if (m_font.Size() >= 12) copies.push_back({{2, 2}, clBtnShadow});
            if (!textureFill) copies.push_back({{1, 1}, fontColor});
            break;
        case TdxfLabelStyle::dxfLowered:
            copies.push_back({{2, 2}, clBtnHighlight});
            if (!textureFill)
                copies.push_back(
                    {{1, 1}, Color().IsSystem() ? clBtnShadow : GetColor(Color(), clBlack, 1, 3)});
            break;
        case TdxfLabelStyle::dxfOutLine:
            // A TrueType caption is stroked as a path instead.
            if (!trueType) copies.push_back({{0, 0}, fontColor});
            break;
    }
    return copies;
}

void TdxfLabel::drawOutline(Canvas& canvas, TPoint start) const {
    canvas.BeginPath();
    canvas.TextOut(start.X, start.Y, m_caption);
    canvas.EndPath();
    canvas.SetPen({m_font.Color(), m_penWidth, PenStyle::Solid});
    canvas.StrokePath();
    canvas.Pen().Width = 1;
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

void TdxfLabel::PaintTo(QPainter& painter, const QRegion&) {
    Paint(painter);
}

void TdxfLabel::PointerPress(Qt::MouseButton button, QPoint) {
    if (button == Qt::LeftButton) m_pressed = true;
}

void TdxfLabel::PointerRelease(Qt::MouseButton button, QPoint local) {
    if (button != Qt::LeftButton) return;
    const bool click = m_pressed && rect().contains(local);
    m_pressed = false;
    if (click && m_onClick) m_onClick(this);
}
