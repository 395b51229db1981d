#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/color.h"
#include "platform/cursor.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/graphiccontrol.h"
#include "widgets/dxf3deffect.h"
#include "widgets/dxffacecache.h"

class Canvas;
class QPainter;

enum class TdxfLabelStyle { dxfNormal, dxfRaised, dxfLowered, dxfOutLine };

// A label that draws its caption turned by a whole angle about the control's centre, with an optional
// 3D effect behind it, a raised, lowered or outlined face, and an optional texture inside the letters.
// The face is composed in the shared DrawBmp and then copied to the screen, colour-keyed when Transparent.
class TdxfLabel : public TGraphicControl {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TdxfLabel* sender)>;

    explicit TdxfLabel(QWidget* parent = nullptr);

    TdxfLabelStyle Style() const { return m_style; }
    void SetStyle(TdxfLabelStyle value);
    // Degrees counter-clockwise, 0 .. 360.
    int Angle() const { return m_angle; }
    void SetAngle(int value);
    Tdxf3DEffect& Effect3D() { return m_effect3D; }
    const Tdxf3DEffect& Effect3D() const { return m_effect3D; }
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& value);
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int value);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    // With ParentColor the parent's background colour.
    TColor Color() const;
    // Also turns ParentColor off.
    void SetColor(TColor value);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);
    // The live font: a change of any of its values repaints the label.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    void SetOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }

    // Each channel: Trunc(a * (color2 - color1) / b + color1), in floating point.
    static TColor GetColor(TColor color1, TColor color2, int a, int b);
    // Composes the face in DrawBmp and copies the label-sized part to screen at (0, 0).
    void Paint(QPainter& screen) const;
    void PaintTo(QPainter& painter, const QRegion& region) override;
    bool Opaque() const override { return !m_transparent; }
    void PointerPress(Qt::MouseButton button, QPoint local) override;
    void PointerRelease(Qt::MouseButton button, QPoint local) override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleName() const override { return CaptionOrHint(m_caption, Hint()); }

private:
    bool fontIsTrueType();
    TdxfFaceKey faceKey() const;
    // The label-sized face, composed in DrawBmp and colour-keyed when Transparent.
    QImage composeFace() const;
    // The face from the caption's masks, for a face that is only plain copies of the caption, once the
    // masks are made.
    std::optional<QImage> fillFace() const;
    void compose(Canvas& canvas) const;
    // One copy of the caption: where it lies from the text's start, and its colour.
    struct TextCopy {
        TPoint offset;
        TColor color;
    };
    // The effect's copies, farthest first, then the face's, in drawing order; an outline's stroked path
    // and a texture are not among them.
    std::vector<TextCopy> textCopies(bool textureFill, bool trueType) const;
    void drawOutline(Canvas& canvas, TPoint start) const;
    void drawTexture(Canvas& canvas, TPoint start) const;

    TdxfLabelStyle m_style = TdxfLabelStyle::dxfNormal;
    int m_angle = 0;
    Tdxf3DEffect m_effect3D;
    QImage m_glyph;
    int m_penWidth = 1;
    QString m_caption;
    TColor m_color = clBtnFace;
    bool m_parentColor = false;
    ::Font m_font;
    bool m_transparent = false;
    int m_tag = 0;
    TNotifyEvent m_onClick;
    bool m_pressed = false;
    std::optional<::Font> m_trueTypeChecked;
    bool m_isTrueType = false;
    // Painting reads the state only; the faces it has composed are kept to be shown again.
    mutable TdxfFaceCache m_faces;
};
