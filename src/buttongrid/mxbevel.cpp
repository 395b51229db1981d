#include "buttongrid/mxbevel.h"

#include "platform/canvas.h"

using enum TMxBevelStyle;

int MxStandardFrameWidth(TMxBorderStyle style) {
    switch (style) {
        case TMxBorderStyle::lsNone:
            return 0;
        case TMxBorderStyle::lsSingle:
        case TMxBorderStyle::lsSingleRaised:
        case TMxBorderStyle::lsSingleLowered:
            return 1;
        default:
            return 2;
    }
}

void MxDrawStandardFrame(Canvas& canvas, TRect& rect, TMxBorderStyle style) {
    // Every frame drawn on all four sides moves rect inwards by itself; the half frames step in by hand.
    switch (style) {
        case TMxBorderStyle::lsNone:
            break;
        case TMxBorderStyle::lsSingle:
            canvas.FrameRect(rect, clWindowFrame);
            rect = rect.Inflated(-1, -1);
            break;
        case TMxBorderStyle::lsSingleRaised:
            canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT);
            break;
        case TMxBorderStyle::lsSingleLowered:
            canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
            break;
        case TMxBorderStyle::lsLowered:
            canvas.DrawEdge(rect, EDGE_SUNKEN, BF_RECT | BF_SOFT);
            break;
        case TMxBorderStyle::lsRaised:
            canvas.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_SOFT);
            break;
        case TMxBorderStyle::lsRaisedspb:
            canvas.DrawEdge(rect, BDR_RAISEDOUTER, BF_RECT | BF_SOFT);
            canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
            rect = rect.Inflated(-1, -1);
            break;
        case TMxBorderStyle::lsLoweredspb:
            canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT | BF_SOFT);
            canvas.DrawEdge(rect, BDR_SUNKENINNER, BF_TOPLEFT);
            rect = rect.Inflated(-1, -1);
            break;
        case TMxBorderStyle::lsRaisedExt:
            canvas.DrawEdge(rect, EDGE_RAISED, BF_RECT);
            break;
        case TMxBorderStyle::lsLoweredExt:
            canvas.DrawEdge(rect, EDGE_SUNKEN, BF_RECT);
            break;
        case TMxBorderStyle::lsFrameInset:
            canvas.DrawEdge(rect, EDGE_ETCHED, BF_RECT);
            break;
        case TMxBorderStyle::lsFrameOffset:
            canvas.DrawEdge(rect, EDGE_BUMP, BF_RECT);
            break;
        case TMxBorderStyle::lsWindowBorder:
            canvas.FrameRect(rect, clWindowFrame);
            rect = rect.Inflated(-1, -1);
            canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT);
            break;
        case TMxBorderStyle::lsDoubleRaised:
            canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT);
            canvas.DrawEdge(rect, BDR_RAISEDINNER, BF_RECT);
            break;
        case TMxBorderStyle::lsDoubleLowered:
            canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
            canvas.DrawEdge(rect, BDR_SUNKENOUTER, BF_RECT);
            break;
    }
}

namespace {

bool isFrameStyle(TMxBevelStyle s) {
    return s == bvFrameLowered || s == bvFrameRaised;
}

unsigned edgeOf(TMxEdgeStyle style) {
    switch (style) {
        case TMxEdgeStyle::etRaised:
            return EDGE_RAISED;
        case TMxEdgeStyle::etSunken:
            return EDGE_SUNKEN;
        case TMxEdgeStyle::etEtched:
            return EDGE_ETCHED;
        case TMxEdgeStyle::etBump:
            return EDGE_BUMP;
    }
    return EDGE_ETCHED;
}

unsigned sideFlags(TMxBorderSides sides) {
    unsigned flags = 0;
    if (sides.has(TMxBorderSide::sdLeft)) flags |= BF_LEFT;
    if (sides.has(TMxBorderSide::sdTop)) flags |= BF_TOP;
    if (sides.has(TMxBorderSide::sdRight)) flags |= BF_RIGHT;
    if (sides.has(TMxBorderSide::sdBottom)) flags |= BF_BOTTOM;
    return flags;
}

void fill(std::vector<SolidFill>& fills, const TRect& r, TColor color) {
    fills.push_back({r, color});
}

void frame(std::vector<SolidFill>& fills, const TRect& rect, TColor color) {
    const TRect r = rect.Normalized();
    if (r.IsEmpty()) return;
    for (const TRect& strip : FrameStrips(r)) fills.push_back({strip, color});
}

// Width nested one-pixel rings, topLeft on the top and left, bottomRight on the other two sides, meeting
// on the diagonals as two mitred polygons would.
void drawRings(std::vector<SolidFill>& fills, const TRect& r, int width, TColor topLeft, TColor bottomRight) {
    for (int k = 0; k < width; ++k) {
        const TRect q = r.Inflated(-k, -k);
        if (q.IsEmpty()) return;
        fill(fills, Rect(q.Left, q.Top, q.Right - 1, q.Top + 1), topLeft);
        fill(fills, Rect(q.Left, q.Top, q.Left + 1, q.Bottom - 1), topLeft);
        fill(fills, Rect(q.Left, q.Bottom - 1, q.Right, q.Bottom), bottomRight);
        fill(fills, Rect(q.Right - 1, q.Top, q.Right, q.Bottom), bottomRight);
    }
}

}  // namespace

#define MX_BEVEL_SETTER(Name, Type)                      \
    void TMxBevel::Set##Name(Type value) {               \
        if (assignIfDiffers(m_v.Name, value)) Changed(); \
    }

MX_BEVEL_SETTER(StyleOuter, TMxBevelStyle)
MX_BEVEL_SETTER(StyleInner, TMxBevelStyle)
MX_BEVEL_SETTER(WidthOuter, int)
MX_BEVEL_SETTER(WidthInner, int)
MX_BEVEL_SETTER(BorderWidth, int)
MX_BEVEL_SETTER(BorderInnerWidth, int)
MX_BEVEL_SETTER(BorderSides, TMxBorderSides)
MX_BEVEL_SETTER(Mode, TMxBevelMode)
MX_BEVEL_SETTER(EdgeStyle, TMxEdgeStyle)
MX_BEVEL_SETTER(StandardStyle, TMxBorderStyle)
MX_BEVEL_SETTER(BorderColor, TColor)
MX_BEVEL_SETTER(LightColor, TColor)
MX_BEVEL_SETTER(ShadowColor, TColor)

#undef MX_BEVEL_SETTER

void TMxBevel::Assign(const TMxBevel& source) {
    if (assignIfDiffers(m_v, source.m_v)) Changed();
}

void TMxBevel::Changed() {
    m_extent = computeExtent();
    TMxObject::Changed();
}

int TMxBevel::computeExtent() const {
    switch (m_v.Mode) {
        case TMxBevelMode::bmCustom: {
            if (m_v.StyleInner == bvShadow) return m_v.WidthInner + m_v.BorderInnerWidth;
            int e = m_v.BorderWidth + m_v.BorderInnerWidth;
            if (m_v.StyleOuter == bvNone && m_v.StyleInner == bvNone) return e;
            if (m_v.StyleOuter != bvNone) e += m_v.WidthOuter;
            if (isFrameStyle(m_v.StyleOuter)) e += 1;
            if (m_v.StyleInner != bvNone) e += m_v.WidthInner;
            if (isFrameStyle(m_v.StyleInner)) e += 1;
            return e;
        }
        case TMxBevelMode::bmStandard:
            return MxStandardFrameWidth(m_v.StandardStyle) + m_v.BorderInnerWidth;
        case TMxBevelMode::bmEdge:
            return (m_v.BorderSides.isEmpty() ? 0 : 2) + m_v.BorderInnerWidth;
        case TMxBevelMode::bmWindows:
            // The sunken window edge is ours to draw, so it always counts; it never drops to 0 after a
            // change, which would leave the last cells under the edge.
            return m_v.BorderInnerWidth + 2;
    }
    return 0;
}

std::optional<std::vector<SolidFill>> TMxBevel::Fills(const TRect& rect) const {
    if (m_v.Mode != TMxBevelMode::bmCustom) return std::nullopt;
    std::vector<SolidFill> fills;
    TRect r = rect;
    drawBevel(fills, r, m_v.StyleOuter, m_v.WidthOuter);
    drawBorder(fills, r, m_v.BorderWidth);
    drawBevel(fills, r, m_v.StyleInner, m_v.WidthInner);
    drawBorder(fills, r, m_v.BorderInnerWidth);
    return fills;
}

void TMxBevel::Draw(Canvas& canvas, const TRect& rect) const {
    if (const auto fills = Fills(rect)) {
        PaintSolidFills(canvas, *fills);
        return;
    }
    TRect r = rect;
    switch (m_v.Mode) {
        case TMxBevelMode::bmCustom:
            // Laid whole as fills above.
            return;
        case TMxBevelMode::bmStandard:
            MxDrawStandardFrame(canvas, r, m_v.StandardStyle);
            break;
        case TMxBevelMode::bmEdge:
            if (!m_v.BorderSides.isEmpty())
                canvas.DrawEdge(r, edgeOf(m_v.EdgeStyle), sideFlags(m_v.BorderSides) | BF_ADJUST);
            break;
        case TMxBevelMode::bmWindows:
            canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
            return;
    }
    std::vector<SolidFill> inner;
    drawBorder(inner, r, m_v.BorderInnerWidth);
    PaintSolidFills(canvas, inner);
}

void TMxBevel::drawBevel(std::vector<SolidFill>& fills, TRect& rect, TMxBevelStyle style, int width) const {
    switch (style) {
        case bvNone:
            return;
        case bvNormal:
            for (int k = 0; k < width; ++k) frame(fills, rect.Inflated(-k, -k), clBlack);
            break;
        case bvLowered:
            drawRings(fills, rect, width, m_v.ShadowColor, m_v.LightColor);
            break;
        case bvRaised:
            drawRings(fills, rect, width, m_v.LightColor, m_v.ShadowColor);
            break;
        case bvFrameLowered:
        case bvFrameRaised: {
            const TColor first = style == bvFrameLowered ? m_v.ShadowColor : m_v.LightColor;
            const TColor second = style == bvFrameLowered ? m_v.LightColor : m_v.ShadowColor;
            for (int k = 0; k < width; ++k) {
                const TRect q = rect.Inflated(-k, -k);
                frame(fills, Rect(q.Left, q.Top, q.Right - 1, q.Bottom - 1), first);
                frame(fills, Rect(q.Left + 1, q.Top + 1, q.Right, q.Bottom), second);
            }
            rect = rect.Inflated(-1, -1);
            break;
        }
        case bvShadow:
            // A drop shadow along the right and bottom sides, our reading of the shadow bevel.
            fill(fills, Rect(rect.Right - width, rect.Top + width, rect.Right, rect.Bottom), m_v.ShadowColor);
            fill(fills, Rect(rect.Left + width, rect.Bottom - width, rect.Right, rect.Bottom), m_v.ShadowColor);
            break;
    }
    rect = rect.Inflated(-width, -width);
}

void TMxBevel::drawBorder(std::vector<SolidFill>& fills, TRect& rect, int width) const {
    for (int k = 0; k < width; ++k) {
        frame(fills, rect, m_v.BorderColor);
        rect = rect.Inflated(-1, -1);
    }
}
