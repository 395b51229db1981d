#pragma once

#include <QImage>
#include <cstdint>

#include "buttongrid/mxgradient.h"
#include "buttongrid/mxobject.h"
#include "platform/alignment.h"
#include "platform/color.h"
#include "platform/flagset.h"
#include "platform/geometry.h"

class Canvas;

enum class TMxFillStyle { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };
enum class TMxTileMode { tmNone, tmCenter, tmStretch, tmTile };

enum class TMxFillOption { foFillInner, foQuickDraw, foGrUseBitmap };

// Stored as the bits 1, 2 and 4.
using TMxFillOptions = FlagSet<TMxFillOption>;

enum class TMxBrushStyle { bsSolid, bsClear };

// The brush of sfBrush.
struct TMxBrush {
    TColor Color = clWhite;
    TMxBrushStyle Style = TMxBrushStyle::bsSolid;

    friend constexpr bool operator==(const TMxBrush&, const TMxBrush&) = default;
};

// How a rectangle is filled: not at all, with a brush, with a picture, or with a gradient. Changes of the
// owned gradient and bitmaps reach the owner through this object's own notification.
class TMxShapeFill : public TMxObject {
public:
    TMxShapeFill();

    const QImage& Bitmap() const { return m_bitmap; }
    void SetBitmap(const QImage& value);
    TMxFillStyle Style() const { return m_style; }
    void SetStyle(TMxFillStyle value);
    TMxGradient& Gradient() { return m_gradient; }
    const TMxGradient& Gradient() const { return m_gradient; }
    // Copies the given gradient.
    void SetGradient(const TMxGradient& value);
    TMxTileMode TileMode() const { return m_tileMode; }
    void SetTileMode(TMxTileMode value);

    // The picture of sfBitmapList, as taken from an image list.
    const QImage& ListBitmap() const { return m_listBitmap; }
    void SetListBitmap(const QImage& value);

    // Copies all properties inside one update, then notifies once.
    void Assign(const TMxShapeFill& source);

    // True when filling would draw nothing: sfNone, or a picture style without a picture.
    bool IsEmpty() const;

protected:
    explicit TMxShapeFill(TMxFillStyle style);
    // Copies the properties without notifying; Assign wraps it in an update.
    virtual void AssignProperties(const TMxShapeFill& source);
    // The picture that the current picture style draws.
    const QImage& Picture() const;

private:
    QImage m_bitmap;
    QImage m_listBitmap;
    TMxFillStyle m_style = TMxFillStyle::sfBrush;
    TMxGradient m_gradient;
    TMxTileMode m_tileMode = TMxTileMode::tmTile;
};

// The fill object that a panel owns for its background.
class TMxFillObject : public TMxShapeFill {
public:
    TMxFillObject();

    TMxAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TMxAlignment value);
    const TMxBrush& Brush() const { return m_brush; }
    void SetBrush(const TMxBrush& value);
    int OffsetX() const { return m_offsetX; }
    void SetOffsetX(int value);
    int OffsetY() const { return m_offsetY; }
    void SetOffsetY(int value);
    TMxFillOptions Options() const { return m_options; }
    void SetOptions(TMxFillOptions value);

    // Fills rect by Style; baseColor is the owner's colour (pen, hatch background, fill behind pictures).
    // Returns false when nothing was drawn because the fill is empty.
    bool FillCanvas(Canvas& canvas, const TRect& rect, TColor baseColor) const;

protected:
    void AssignProperties(const TMxShapeFill& source) override;

private:
    void fillPicture(Canvas& canvas, const TRect& rect, TColor baseColor) const;

    TMxAlignment m_alignment = TMxAlignment::agTopLeft;
    TMxBrush m_brush;
    int m_offsetX = 0;
    int m_offsetY = 0;
    TMxFillOptions m_options{TMxFillOption::foFillInner, TMxFillOption::foGrUseBitmap};
};
