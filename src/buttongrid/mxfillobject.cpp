#include "buttongrid/mxfillobject.h"

#include <optional>

#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"
#include "platform/intmath.h"

namespace {

// Where a w × h picture starts inside rect for an alignment.
TPoint AlignedOrigin(const TRect& rect, int w, int h, TMxAlignment alignment) {
    const int column = static_cast<int>(alignment) % 3;
    const int row = static_cast<int>(alignment) / 3;
    const int x = column == 0 ? rect.Left : column == 1 ? rect.Left + (rect.Width() - w) / 2 : rect.Right - w;
    const int y = row == 0 ? rect.Top : row == 1 ? rect.Top + (rect.Height() - h) / 2 : rect.Bottom - h;
    return {x, y};
}

// Repeats picture over rect, with a tile corner at origin; relies on the caller's clip to rect.
void Tile(Canvas& canvas, const TRect& rect, TPoint origin, const QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    const int x0 = origin.X + FloorDiv(rect.Left - origin.X, w) * w;
    const int y0 = origin.Y + FloorDiv(rect.Top - origin.Y, h) * h;
    for (int y = y0; y < rect.Bottom; y += h)
        for (int x = x0; x < rect.Right; x += w) canvas.Draw(x, y, picture);
}

void FillSolid(Canvas& canvas, const TRect& rect, TColor color) {
    canvas.SetBrush({color, BrushStyle::Solid});
    canvas.FillRect(rect);
}

}  // namespace

TMxShapeFill::TMxShapeFill() : TMxShapeFill(TMxFillStyle::sfBrush) {}

TMxShapeFill::TMxShapeFill(TMxFillStyle style) : m_style(style) {
    m_gradient.SetOnChange([this] { Changed(); });
}

void TMxShapeFill::SetBitmap(const QImage& value) {
    m_bitmap = value;
    Changed();
}

void TMxShapeFill::SetStyle(TMxFillStyle value) {
    if (assignIfDiffers(m_style, value)) Changed();
}

void TMxShapeFill::SetGradient(const TMxGradient& value) {
    m_gradient.Assign(value);
}

void TMxShapeFill::SetTileMode(TMxTileMode value) {
    if (assignIfDiffers(m_tileMode, value)) Changed();
}

void TMxShapeFill::SetListBitmap(const QImage& value) {
    m_listBitmap = value;
    Changed();
}

void TMxShapeFill::Assign(const TMxShapeFill& source) {
    if (&source == this) return;
    ChangeBatch batch(*this);
    AssignProperties(source);
    Changed();
}

void TMxShapeFill::AssignProperties(const TMxShapeFill& source) {
    m_bitmap = source.m_bitmap;
    m_listBitmap = source.m_listBitmap;
    m_gradient.Assign(source.m_gradient);
    m_style = source.m_style;
    m_tileMode = source.m_tileMode;
}

bool TMxShapeFill::IsEmpty() const {
    switch (m_style) {
        case TMxFillStyle::sfNone:
            return true;
        case TMxFillStyle::sfBitmap:
        case TMxFillStyle::sfBitmapList:
            return Picture().isNull();
        default:
            return false;
    }
}

const QImage& TMxShapeFill::Picture() const {
    return m_style == TMxFillStyle::sfBitmapList ? m_listBitmap : m_bitmap;
}

TMxFillObject::TMxFillObject() : TMxShapeFill(TMxFillStyle::sfNone) {}

void TMxFillObject::SetAlignment(TMxAlignment value) {
    if (assignIfDiffers(m_alignment, value)) Changed();
}

void TMxFillObject::SetBrush(const TMxBrush& value) {
    if (assignIfDiffers(m_brush, value)) Changed();
}

void TMxFillObject::SetOffsetX(int value) {
    if (assignIfDiffers(m_offsetX, value)) Changed();
}

void TMxFillObject::SetOffsetY(int value) {
    if (assignIfDiffers(m_offsetY, value)) Changed();
}

void TMxFillObject::SetOptions(TMxFillOptions value) {
    if (assignIfDiffers(m_options, value)) Changed();
}

void TMxFillObject::AssignProperties(const TMxShapeFill& source) {
    TMxShapeFill::AssignProperties(source);
    const auto* fill = dynamic_cast<const TMxFillObject*>(&source);
    if (!fill) return;
    m_alignment = fill->m_alignment;
    m_brush = fill->m_brush;
    m_offsetX = fill->m_offsetX;
    m_offsetY = fill->m_offsetY;
    m_options = fill->m_options;
}

bool TMxFillObject::FillCanvas(Canvas& canvas, const TRect& rect, TColor baseColor) const {
    if (IsEmpty()) return false;
    const TPen savedPen = canvas.Pen();
    const TBrush savedBrush = canvas.Brush();
    // Only the picture fills narrow the clip; they give it back afterwards.
    std::optional<Region> savedClip;
    if (Style() == TMxFillStyle::sfBrushBitmap || Style() == TMxFillStyle::sfBitmap ||
        Style() == TMxFillStyle::sfBitmapList)
        savedClip = canvas.ClipRegion();
    bool drawn = true;
    switch (Style()) {
        case TMxFillStyle::sfNone:
            drawn = false;
            break;
        case TMxFillStyle::sfBrushBitmap:
            // A pattern brush is anchored to the canvas's own pixel grid, not to rect.
            if (Bitmap().isNull()) {
                drawn = false;
                break;
            }
            canvas.IntersectClipRect(rect);
            Tile(canvas, rect, {0, 0}, Bitmap());
            break;
        case TMxFillStyle::sfBrush:
            if (m_brush.Style == TMxBrushStyle::bsSolid) FillSolid(canvas, rect, m_brush.Color);
            break;
        case TMxFillStyle::sfBitmap:
        case TMxFillStyle::sfBitmapList:
            fillPicture(canvas, rect, baseColor);
            break;
        case TMxFillStyle::sfGradient: {
            const TMxGradient& gradient = Gradient();
            std::uint16_t flags = m_options.bits() & kMxGradientUseBitmap;
            if (gradient.PaletteRealize()) flags |= kMxGradientPalette;
            MxGradientPaintExt(canvas, rect, gradient.Style(), &gradient.ColorTable(), gradient.Palette(),
                               flags, 0);
            break;
        }
    }
    if (savedClip) canvas.SelectClipRgn(*savedClip);
    canvas.SetPen(savedPen);
    canvas.SetBrush(savedBrush);
    return drawn;
}

void TMxFillObject::fillPicture(Canvas& canvas, const TRect& rect, TColor baseColor) const {
    const QImage& picture = Picture();
    switch (TileMode()) {
        case TMxTileMode::tmNone:
        case TMxTileMode::tmCenter: {
            if (m_options.has(TMxFillOption::foFillInner)) FillSolid(canvas, rect, baseColor);
            const TMxAlignment alignment =
                TileMode() == TMxTileMode::tmCenter ? TMxAlignment::agCenter : m_alignment;
            TPoint at = AlignedOrigin(rect, picture.width(), picture.height(), alignment);
            if (TileMode() == TMxTileMode::tmNone) at = {at.X + m_offsetX, at.Y + m_offsetY};
            canvas.IntersectClipRect(rect);
            canvas.Draw(at.X, at.Y, picture);
            break;
        }
        case TMxTileMode::tmStretch:
            canvas.StretchDraw(rect, picture);
            break;
        case TMxTileMode::tmTile:
            canvas.IntersectClipRect(rect);
            Tile(canvas, rect, {rect.Left, rect.Top}, picture);
            break;
    }
}
