#include "buttongrid/mxgradient.h"

#include <algorithm>
#include <array>

#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"
#include "platform/intmath.h"

namespace {

// Kept apart from the exported functions below so that the step shapes may inline them.
int ellipseRadius(int extent) {
    // 5 * extent / 7 lies at least 1/14 from any half, far beyond the error of dividing by the double
    // nearest 1.4, so its integer rounding is the same and spares a floor on every step.
    return static_cast<int>(FloorDiv<std::int64_t>(10 * std::int64_t(extent) + 7, 14));
}

TRect anchor(TMxGradientStyle style, int width, int height) {
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

int MxGradientEllipseRadius(int extent) {
    return ellipseRadius(extent);
}

TRect MxGradientAnchor(TMxGradientStyle style, int width, int height) {
    return anchor(style, width, height);
}

bool MxGradientPaintsUpwards(TMxGradientStyle style) {
    return style == TMxGradientStyle::gstHorizontal;
}

bool MxGradientStepsNest(TMxGradientStyle style, int width, int height, int left, int right) {
    switch (style) {
        case TMxGradientStyle::gstHorizontal:
        case TMxGradientStyle::gstVertical:
            return false;
        // A diagonal band's top and slanted edges both grow from its corner with the step, so on the columns
        // from the corner inwards each band holds the one before; past the corner the slanted tail of a
        // shorter, steeper band can reach beyond that of the next.
        case TMxGradientStyle::gstTopLeftDiagonal:
            return left >= anchor(style, width, height).Left;
        case TMxGradientStyle::gstTopRightDiagonal:
            return right <= anchor(style, width, height).Right;
        case TMxGradientStyle::gstSquare:
        case TMxGradientStyle::gstElliptic:
        case TMxGradientStyle::gstTopLeft:
        case TMxGradientStyle::gstTopRight:
        case TMxGradientStyle::gstBottomLeft:
        case TMxGradientStyle::gstBottomRight:
            return true;
    }
    return false;
}

const char* MxGradientStyleName(TMxGradientStyle style) {
    // In ordinal order.
    static constexpr std::array<const char*, kMxGradientStyleCount> kNames{
        "gstHorizontal", "gstVertical",   "gstSquare",      "gstElliptic",        "gstTopLeft",
        "gstTopRight",   "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal", "gstTopRightDiagonal",
    };
    return kNames.at(static_cast<std::size_t>(style));
}

namespace {

// A step's shape from its anchor and its shares of the width and height: MulDiv(k, width, count) for k =
// step (x0) and step + 1 (x1), and the same of the height.
TMxGradientShape stepShape(TMxGradientStyle style, const TRect& a, int x0, int x1, int y0, int y1) {
    using Kind = TMxGradientShape::Kind;
    const int sx = x1;
    const int sy = y1;
    TMxGradientShape shape;
    switch (style) {
        case TMxGradientStyle::gstHorizontal:
            shape.Box = {a.Left + x0, a.Top, a.Left + x1, a.Bottom};
            break;
        case TMxGradientStyle::gstVertical:
            shape.Box = {a.Left, a.Top + y0, a.Right, a.Top + y1};
            break;
        case TMxGradientStyle::gstSquare: {
            const int hx = sx / 2;
            const int hy = sy / 2;
            shape.ShapeKind = Kind::Rectangle;
            shape.Box = {a.Left - hx, a.Top - hy, a.Left + hx + 2, a.Top + hy + 2};
            break;
        }
        case TMxGradientStyle::gstElliptic: {
            const int rx = ellipseRadius(sx);
            const int ry = ellipseRadius(sy);
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

}  // namespace

TMxGradientShape MxGradientStepShape(TMxGradientStyle style, int width, int height, int count, int step) {
    return stepShape(style, anchor(style, width, height), MulDiv(step, width, count),
                     MulDiv(step + 1, width, count), MulDiv(step, height, count), MulDiv(step + 1, height, count));
}

MxGradientShapes::MxGradientShapes(TMxGradientStyle style, int width, int height, int count)
    : m_style(style),
      m_anchor(anchor(style, width, height)),
      m_x(static_cast<std::size_t>(std::max(count, 0) + 1)),
      m_y(m_x.size()) {
    MulDivSeries(width, count, m_x);
    MulDivSeries(height, count, m_y);
}

TMxGradientShape MxGradientShapes::operator()(int step) const {
    const auto k = static_cast<std::size_t>(step);
    return stepShape(m_style, m_anchor, m_x[k], m_x[k + 1], m_y[k], m_y[k + 1]);
}

TMxGradient::TMxGradient() {
    buildColorTable();
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
    buildColorTable();
    TMxObject::Changed();
}

void TMxGradient::buildColorTable() {
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
