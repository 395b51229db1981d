#include "buttongrid/mxgradient.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/intmath.h"

namespace {

// Paints every step into canvas with the anchor moved to origin; pen and brush are set by the caller.
void PaintSteps(Canvas& canvas, TPoint origin, int width, int height, TMxGradientStyle style,
                const TMxColorList& colors) {
    const int count = static_cast<int>(colors.size());
    const bool upwards = MxGradientPaintsUpwards(style);
    for (int n = 0; n < count; ++n) {
        const int step = upwards ? n : count - 1 - n;
        const TMxGradientShape shape = MxGradientStepShape(style, width, height, count, step);
        const TRect box = shape.Box.Offset(origin.X, origin.Y);
        canvas.Brush().Color = colors[static_cast<std::size_t>(step)];
        switch (shape.ShapeKind) {
            case TMxGradientShape::Kind::Band:
                canvas.FillRect(box);
                break;
            case TMxGradientShape::Kind::Rectangle:
                canvas.Rectangle(box);
                break;
            case TMxGradientShape::Kind::Ellipse:
                canvas.Ellipse(box);
                break;
            case TMxGradientShape::Kind::Polygon: {
                std::vector<TPoint> points(shape.Points.begin(), shape.Points.end());
                for (TPoint& p : points) p = {p.X + origin.X, p.Y + origin.Y};
                canvas.Polygon(points);
                break;
            }
        }
    }
}

}  // namespace

void MxGradientCreateColorList(TColor startColor, TColor endColor, int count, bool clear,
                               TMxColorList* list) {
    if (!list || count == 0) return;
    if (clear) list->clear();
    const RgbColor from = ColorToRGB(startColor);
    const RgbColor to = ColorToRGB(endColor);
    const int dR = to.r - from.r;
    const int dG = to.g - from.g;
    const int dB = to.b - from.b;
    const int first = clear ? 0 : 1;
    const int last = count - 1;
    if (last < first) return;
    for (int k = first; k <= last; ++k) {
        // A single-entry run has last == 0; MulDiv's zero divisor would give -1, so the run is its start.
        if (last == 0) {
            list->push_back(RGB(from.r, from.g, from.b));
            continue;
        }
        list->push_back(
            RGB(from.r + MulDiv(k, dR, last), from.g + MulDiv(k, dG, last), from.b + MulDiv(k, dB, last)));
    }
}

TRect MxGradientAnchor(TMxGradientStyle style, int width, int height) {
    switch (style) {
        case TMxGradientStyle::gstHorizontal:
        case TMxGradientStyle::gstVertical:
            return {0, 0, width, height};
        case TMxGradientStyle::gstSquare:
        case TMxGradientStyle::gstElliptic:
            return {width / 2, height / 2, width / 2, height / 2};
        case TMxGradientStyle::gstTopLeft:
        case TMxGradientStyle::gstTopLeftDiagonal:
            return {0, 0, 1, 1};
        case TMxGradientStyle::gstTopRight:
            return {width, 1, width + 1, 0};
        case TMxGradientStyle::gstBottomLeft:
            return {1, height, 0, height + 1};
        case TMxGradientStyle::gstBottomRight:
            return {width, height, width + 1, height + 1};
        case TMxGradientStyle::gstTopRightDiagonal:
            return {width, 0, width + 1, 0};
    }
    return {};
}

bool MxGradientPaintsUpwards(TMxGradientStyle style) {
    return style == TMxGradientStyle::gstHorizontal;
}

TMxGradientShape MxGradientStepShape(TMxGradientStyle style, int width, int height, int count, int step) {
    using Kind = TMxGradientShape::Kind;
    const TRect a = MxGradientAnchor(style, width, height);
    const int k = step + 1;
    const int sx = MulDiv(k, width, count);
    const int sy = MulDiv(k, height, count);
    TMxGradientShape shape;
    switch (style) {
        case TMxGradientStyle::gstHorizontal:
            shape.Box = {a.Left + MulDiv(step, width, count), a.Top, a.Left + MulDiv(step + 1, width, count),
                         a.Bottom};
            break;
        case TMxGradientStyle::gstVertical:
            shape.Box = {a.Left, a.Top + MulDiv(step, height, count), a.Right,
                         a.Top + MulDiv(step + 1, height, count)};
            break;
        case TMxGradientStyle::gstSquare: {
            const int hx = sx / 2;
            const int hy = sy / 2;
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left - hx, a.Top - hy, a.Left + hx + 2, a.Top + hy + 2};
            break;
        }
        case TMxGradientStyle::gstElliptic: {
            // 1.4 is a little under the square root of 2, so the largest ellipse reaches past the corners.
            const int rx = RoundHalfEven(sx / 1.4);
            const int ry = RoundHalfEven(sy / 1.4);
            shape.ShapeKind = Kind::Ellipse;
            shape.Box = {a.Left - rx, a.Top - ry, a.Left + rx, a.Top + ry};
            break;
        }
        case TMxGradientStyle::gstTopLeft:
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left, a.Top, a.Right + sx, a.Bottom + sy};
            break;
        case TMxGradientStyle::gstTopRight:
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left - sx, a.Top + sy, a.Right, a.Bottom};
            break;
        case TMxGradientStyle::gstBottomLeft:
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left + sx, a.Top - sy, a.Right, a.Bottom};
            break;
        case TMxGradientStyle::gstBottomRight:
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left - sx, a.Top - sy, a.Right, a.Bottom};
            break;
        case TMxGradientStyle::gstTopLeftDiagonal: {
            const int dx = 2 * sx;
            const int dy = 2 * sy;
            shape.ShapeKind = Kind::Polygon;
            shape.Points = {TPoint{a.Left, a.Top}, TPoint{a.Left + dx, a.Top}, TPoint{a.Left, a.Bottom + dy},
                            TPoint{a.Left - dx, a.Bottom + dy}};
            break;
        }
        case TMxGradientStyle::gstTopRightDiagonal: {
            const int dx = 2 * sx;
            const int dy = 2 * sy;
            shape.ShapeKind = Kind::Polygon;
            shape.Points = {TPoint{a.Right, a.Top}, TPoint{a.Right - dx, a.Top},
                            TPoint{a.Right, a.Bottom + dy}, TPoint{a.Right + dx, a.Bottom + dy}};
            break;
        }
    }
    return shape;
}

void MxGradientPaintExt(Canvas& canvas, const TRect& rect, TMxGradientStyle style, const TMxColorList* colors,
                        [[maybe_unused]] const TMxLogPalette* palette, std::uint16_t flags,
                        std::uint32_t offset) {
    // Our images hold every table colour exactly, so selecting and realising the palette (and painting in
    // palette-relative colours) leaves the pixels as the table gives them.
    if (!colors || colors->empty() || rect.IsEmpty()) return;
    const int width = rect.Width();
    const int height = rect.Height();
    const TPen savedPen = canvas.Pen();
    const TBrush savedBrush = canvas.Brush();

    if (flags & kMxGradientUseBitmap) {
        // The few pixels no shape covers (a corner of some elliptic sizes) lie on the far side, so the
        // buffer starts in the last table colour rather than in whatever the target held.
        QImage buffer(width, height, QImage::Format_RGB32);
        buffer.fill(ToQRgb(colors->back()));
        Canvas target(buffer);
        target.SetPen({clBlack, 1, PenStyle::Clear});
        target.SetBrush({clBlack, BrushStyle::Solid});
        PaintSteps(target, {0, 0}, width, height, style, *colors);
        canvas.Draw(rect.Left, rect.Top, buffer);
        return;
    }

    canvas.SetPen({clBlack, 1, PenStyle::Clear});
    canvas.SetBrush({clBlack, BrushStyle::Solid});
    // The clip narrows the caller's clip for the painting and gives it back afterwards.
    const Region savedClip = canvas.ClipRegion();
    if (flags & kMxGradientClip) {
        const int dx = static_cast<std::int16_t>(offset & 0xFFFFu);
        const int dy = static_cast<std::int16_t>(offset >> 16);
        canvas.IntersectClipRect(rect.Offset(dx, dy));
    }
    PaintSteps(canvas, {rect.Left, rect.Top}, width, height, style, *colors);
    if (flags & kMxGradientClip) canvas.SelectClipRgn(savedClip);
    canvas.SetPen(savedPen);
    canvas.SetBrush(savedBrush);
}

TMxGradient::TMxGradient() {
    BuildColorTable();
}

void TMxGradient::SetColor(TColor value) {
    if (assignIfDiffers(m_color, value)) Changed();
}

void TMxGradient::SetColorCount(int value) {
    const auto clamped = static_cast<TMxColorCount>(std::clamp(value, kMxColorCountMin, kMxColorCountMax));
    if (assignIfDiffers(m_colorCount, clamped)) Changed();
}

void TMxGradient::SetStyle(TMxGradientStyle value) {
    if (assignIfDiffers(m_style, value)) Changed();
}

void TMxGradient::SetEndColor(TColor value) {
    if (assignIfDiffers(m_endColor, value)) Changed();
}

void TMxGradient::SetPaletteRealize(bool value) {
    if (assignIfDiffers(m_paletteRealize, value)) Changed();
}

void TMxGradient::SetTwoColors(bool value) {
    if (assignIfDiffers(m_twoColors, value)) Changed();
}

void TMxGradient::SetColors(const TMxColorList& value) {
    if (assignIfDiffers(m_colors, value)) Changed();
}

void TMxGradient::Assign(const TMxGradient& source) {
    if (&source == this) return;
    ChangeBatch batch(*this);
    m_colorCount = source.m_colorCount;
    m_color = source.m_color;
    m_style = source.m_style;
    m_endColor = source.m_endColor;
    m_paletteRealize = source.m_paletteRealize;
    m_twoColors = source.m_twoColors;
    m_colors = source.m_colors;
    Changed();
}

void TMxGradient::PaintGradient(Canvas& canvas, const TRect& rect) const {
    const std::uint16_t flags = m_paletteRealize ? kMxGradientPalette : 0;
    MxGradientPaintExt(canvas, rect, m_style, &m_table, m_palette.get(), flags, 0);
}

void TMxGradient::Changed() {
    BuildColorTable();
    TMxObject::Changed();
}

void TMxGradient::BuildColorTable() {
    m_palette.reset();
    m_table.clear();
    if (m_twoColors) {
        MxGradientCreateColorList(m_color, m_endColor, m_colorCount, true, &m_table);
    } else if (m_colors.size() >= 2) {
        const int steps = m_colorCount / static_cast<int>(m_colors.size());
        MxGradientCreateColorList(m_colors[0], m_colors[1], steps, true, &m_table);
        for (std::size_t i = 1; i + 1 < m_colors.size(); ++i)
            MxGradientCreateColorList(m_colors[i], m_colors[i + 1], steps, false, &m_table);
    }
    if (!m_paletteRealize) return;
    m_palette = std::make_unique<TMxLogPalette>();
    m_palette->Entries.reserve(m_table.size());
    for (TColor c : m_table) {
        const RgbColor rgb = ColorToRGB(c);
        m_palette->Entries.push_back({static_cast<std::uint8_t>(rgb.r), static_cast<std::uint8_t>(rgb.g),
                                      static_cast<std::uint8_t>(rgb.b), kMxPaletteNoCollapse});
    }
}
