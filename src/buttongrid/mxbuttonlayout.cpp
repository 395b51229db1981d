#include "buttongrid/mxbuttonlayout.h"

#include <algorithm>

void TMxButtonLayout::SetAlignment(TMxAlignment value) {
    if (assignIfDiffers(m_alignment, value)) Changed();
}

void TMxButtonLayout::SetOffsetX(int value) {
    if (assignIfDiffers(m_offsetX, value)) Changed();
}

void TMxButtonLayout::SetOffsetY(int value) {
    if (assignIfDiffers(m_offsetY, value)) Changed();
}

void TMxButtonLayout::SetSpacing(int value) {
    if (assignIfDiffers(m_spacing, value)) Changed();
}

void TMxButtonLayout::SetTextSide(TMxTextSide value) {
    if (assignIfDiffers(m_textSide, value)) Changed();
}

void TMxButtonLayout::Assign(const TMxButtonLayout& source) {
    const bool differs = m_alignment != source.m_alignment || m_offsetX != source.m_offsetX ||
                         m_offsetY != source.m_offsetY || m_spacing != source.m_spacing ||
                         m_textSide != source.m_textSide;
    if (!differs) return;
    m_alignment = source.m_alignment;
    m_offsetX = source.m_offsetX;
    m_offsetY = source.m_offsetY;
    m_spacing = source.m_spacing;
    m_textSide = source.m_textSide;
    Changed();
}

namespace {

// 0, 1, 2 for the near, middle and far third of an alignment along one axis.
int column(TMxAlignment a) {
    return static_cast<int>(a) % 3;
}
int row(TMxAlignment a) {
    return static_cast<int>(a) / 3;
}

// Start of a block of `size` placed at `third` of [lo, hi); the centre rounds toward zero.
int place(int lo, int hi, int size, int third) {
    switch (third) {
        case 0:
            return lo;
        case 1:
            return lo + (hi - lo - size) / 2;
        default:
            return hi - size;
    }
}

}  // namespace

TMxGlyphTextPlaces MxLayoutGlyphAndText(const TRect& area, int glyphWidth, int glyphHeight, int textWidth,
                                        int textHeight, const TMxButtonLayout& layout) {
    const bool hasGlyph = glyphWidth > 0 && glyphHeight > 0;
    const bool hasText = textWidth > 0 && textHeight > 0;
    const int gap = hasGlyph && hasText ? layout.Spacing() : 0;
    const TMxTextSide side = layout.TextSide();
    const bool beside = side == TMxTextSide::tsLeft || side == TMxTextSide::tsRight;

    const int blockWidth = beside ? glyphWidth + gap + textWidth : std::max(glyphWidth, textWidth);
    const int blockHeight = beside ? std::max(glyphHeight, textHeight) : glyphHeight + gap + textHeight;
    const int left = place(area.Left, area.Right, blockWidth, column(layout.Alignment()));
    const int top = place(area.Top, area.Bottom, blockHeight, row(layout.Alignment()));

    // Inside the block the glyph and the caption are centred across the axis they share.
    TPoint glyph{left, top};
    TPoint text{left, top};
    switch (side) {
        case TMxTextSide::tsRight:
            text.X += glyphWidth + gap;
            break;
        case TMxTextSide::tsLeft:
            glyph.X += textWidth + gap;
            break;
        case TMxTextSide::tsBottom:
            text.Y += glyphHeight + gap;
            break;
        case TMxTextSide::tsTop:
            glyph.Y += textHeight + gap;
            break;
    }
    if (beside) {
        glyph.Y += (blockHeight - glyphHeight) / 2;
        text.Y += (blockHeight - textHeight) / 2;
    } else {
        glyph.X += (blockWidth - glyphWidth) / 2;
        text.X += (blockWidth - textWidth) / 2;
    }

    const int dx = layout.OffsetX();
    const int dy = layout.OffsetY();
    TMxGlyphTextPlaces places;
    if (hasGlyph) places.Glyph = Bounds(glyph.X + dx, glyph.Y + dy, glyphWidth, glyphHeight);
    if (hasText) places.Caption = Bounds(text.X + 1 + dx, text.Y + 1 + dy, textWidth, textHeight);
    return places;
}
