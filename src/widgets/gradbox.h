#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/graphiccontrol.h"
#include "platform/solidfill.h"

class Canvas;

enum class TGradStyle { gsTopBottom, gsBottomTop, gsLeftRight, gsRightLeft, gsNone };
enum class TFontStyle3D { fsLowShadow, fsRaiseShadow, fsLow3D, fsRaise3D };

// A rectangle filled with a two-colour linear gradient in 256 bands, with an optional outline and a
// caption drawn plain, with a shadow or with a stepped relief.
class TGradBox : public TGraphicControl {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void()>;
    using ColorTable = std::array<TColor, 256>;

    explicit TGradBox(QWidget* parent = nullptr);

    int CaptionLeft() const { return m_captionLeft; }
    void SetCaptionLeft(int value);
    int CaptionTop() const { return m_captionTop; }
    void SetCaptionTop(int value);
    TColor TopColor() const { return m_topColor; }
    void SetTopColor(TColor value);
    TColor LastColor() const { return m_lastColor; }
    void SetLastColor(TColor value);
    TColor OutLineColor() const { return m_outLineColor; }
    void SetOutLineColor(TColor value);
    bool DrawOutLine() const { return m_drawOutLine; }
    void SetDrawOutLine(bool value);
    TGradStyle GradStyle() const { return m_gradStyle; }
    void SetGradStyle(TGradStyle value);
    bool Font3D() const { return m_font3D; }
    void SetFont3D(bool value);
    std::uint8_t FontDepth() const { return m_fontDepth; }
    void SetFontDepth(std::uint8_t value);
    TFontStyle3D Style3D() const { return m_style3D; }
    void SetStyle3D(TFontStyle3D value);
    TColor BackFont() const { return m_backFont; }
    void SetBackFont(TColor value);
    void SetOnPaint(TNotifyEvent handler) { m_onPaint = std::move(handler); }

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value);
    // The live font; a change repaints.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }

    // The colour table as the last paint built it.
    const ColorTable& Colarray() const { return m_colarray; }
    void SetColarray();
    // The face's solid parts in painting order: the gradient's bands (each as wide as a step and a pixel,
    // over the one before), then the outline's strips. Rebuilds the table first.
    std::vector<SolidFill> Fills();
    // Draws the fills and the caption, then fires OnPaint.
    void Paint(Canvas& canvas);
    void DrawCaptionText(Canvas& canvas, const TRect& rect) const;

    // Without a caption the fills go straight onto the parent's surface; with one, the face is composed in
    // an image for the canvas's text.
    void PaintTo(QPainter& painter, const QRegion& region) override;
    bool Opaque() const override { return m_gradStyle != TGradStyle::gsNone; }
    QString AccessibleName() const override { return CaptionOrHint(m_caption, Hint()); }

private:
    int m_captionLeft = 10;
    int m_captionTop = 10;
    TColor m_topColor = clGreen;
    TColor m_lastColor = clLime;
    TColor m_outLineColor = clBlack;
    bool m_drawOutLine = false;
    TGradStyle m_gradStyle = TGradStyle::gsTopBottom;
    bool m_font3D = false;
    std::uint8_t m_fontDepth = 1;
    TFontStyle3D m_style3D = TFontStyle3D::fsRaise3D;
    TColor m_backFont = clYellow;
    TNotifyEvent m_onPaint;
    QString m_caption;
    ::Font m_font;
    ColorTable m_colarray{};
};
