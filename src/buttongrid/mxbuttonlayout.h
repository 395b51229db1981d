#pragma once

#include "platform/alignment.h"
#include "buttongrid/mxobject.h"
#include "platform/geometry.h"

// Which side of the glyph the caption goes.
enum class TMxTextSide { tsRight, tsLeft, tsBottom, tsTop };

// Where a button puts its glyph and caption.
class TMxButtonLayout : public TMxObject {
public:
    TMxAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TMxAlignment value);
    int OffsetX() const { return m_offsetX; }
    void SetOffsetX(int value);
    int OffsetY() const { return m_offsetY; }
    void SetOffsetY(int value);
    // Pixels between glyph and caption when both are shown.
    int Spacing() const { return m_spacing; }
    void SetSpacing(int value);
    TMxTextSide TextSide() const { return m_textSide; }
    void SetTextSide(TMxTextSide value);

    // Copies every value, then notifies once when anything changed.
    void Assign(const TMxButtonLayout& source);

private:
    TMxAlignment m_alignment = TMxAlignment::agCenter;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_spacing = 2;
    TMxTextSide m_textSide = TMxTextSide::tsRight;
};

// The places of glyph and caption inside a button's caption area.
struct TMxGlyphTextPlaces {
    TRect Glyph;    // empty when there is no glyph
    TRect Caption;  // empty when there is no caption
};

// Lays out a glyph of glyphWidth × glyphHeight and a caption of textWidth × textHeight (either may be 0 × 0)
// inside area: the combined block is aligned by the layout, then the caption moves one pixel right and down
// (the face's text always sits that way) and both move by the layout's offsets.
TMxGlyphTextPlaces MxLayoutGlyphAndText(const TRect& area, int glyphWidth, int glyphHeight, int textWidth,
                                        int textHeight, const TMxButtonLayout& layout);
