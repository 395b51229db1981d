#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "buttongrid/mxobject.h"
#include "platform/color.h"
#include "platform/flagset.h"
#include "platform/geometry.h"
#include "platform/solidfill.h"

class Canvas;

enum class TMxBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
enum class TMxBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum class TMxBorderStyle {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered,
};
// The platform's four 3D edge kinds, for the edge mode.
enum class TMxEdgeStyle { etRaised, etSunken, etEtched, etBump };

enum class TMxBorderSide { sdLeft, sdTop, sdRight, sdBottom };

using TMxBorderSides = FlagSet<TMxBorderSide>;
constexpr TMxBorderSides kMxAllBorderSides{TMxBorderSide::sdLeft, TMxBorderSide::sdTop,
                                           TMxBorderSide::sdRight, TMxBorderSide::sdBottom};

// Draws one of the standard frames into rect and moves rect inside it. Button faces share these frames.
void MxDrawStandardFrame(Canvas& canvas, TRect& rect, TMxBorderStyle style);
// Pixels of frame that a standard frame style draws on each side.
int MxStandardFrameWidth(TMxBorderStyle style);

// The frame a panel draws inside its client area. Its extent is how far the panel's contents stay inside.
class TMxBevel : public TMxObject {
public:
    TMxBevelStyle StyleOuter() const { return m_v.StyleOuter; }
    void SetStyleOuter(TMxBevelStyle value);
    TMxBevelStyle StyleInner() const { return m_v.StyleInner; }
    void SetStyleInner(TMxBevelStyle value);
    int WidthOuter() const { return m_v.WidthOuter; }
    void SetWidthOuter(int value);
    int WidthInner() const { return m_v.WidthInner; }
    void SetWidthInner(int value);
    int BorderWidth() const { return m_v.BorderWidth; }
    void SetBorderWidth(int value);
    int BorderInnerWidth() const { return m_v.BorderInnerWidth; }
    void SetBorderInnerWidth(int value);
    TMxBorderSides BorderSides() const { return m_v.BorderSides; }
    void SetBorderSides(TMxBorderSides value);
    TMxBevelMode Mode() const { return m_v.Mode; }
    void SetMode(TMxBevelMode value);
    TMxEdgeStyle EdgeStyle() const { return m_v.EdgeStyle; }
    void SetEdgeStyle(TMxEdgeStyle value);
    TMxBorderStyle StandardStyle() const { return m_v.StandardStyle; }
    void SetStandardStyle(TMxBorderStyle value);
    TColor BorderColor() const { return m_v.BorderColor; }
    void SetBorderColor(TColor value);
    TColor LightColor() const { return m_v.LightColor; }
    void SetLightColor(TColor value);
    TColor ShadowColor() const { return m_v.ShadowColor; }
    void SetShadowColor(TColor value);

    // Pixels between the client edge and the panel's contents on every side, kept up to date by every
    // setter. In the windows mode it counts the sunken window edge.
    int Extent() const { return m_extent; }

    // Copies every value, then notifies once when anything changed.
    void Assign(const TMxBevel& source);

    // Draws the frame over rect, the panel's client rectangle.
    void Draw(Canvas& canvas, const TRect& rect) const;
    // The frame over rect as solid fills in painting order, where it is made of them only (the custom mode);
    // nothing for the platform's edges.
    std::optional<std::vector<SolidFill>> Fills(const TRect& rect) const;

protected:
    void Changed() override;

private:
    int computeExtent() const;
    void drawBevel(std::vector<SolidFill>& fills, TRect& rect, TMxBevelStyle style, int width) const;
    void drawBorder(std::vector<SolidFill>& fills, TRect& rect, int width) const;

    // Everything Assign copies, compared as a whole.
    struct Values {
        TMxBevelStyle StyleOuter = TMxBevelStyle::bvNone;
        TMxBevelStyle StyleInner = TMxBevelStyle::bvNone;
        int WidthOuter = 1;
        int WidthInner = 1;
        int BorderWidth = 0;
        int BorderInnerWidth = 0;
        TMxBorderSides BorderSides = kMxAllBorderSides;
        TMxBevelMode Mode = TMxBevelMode::bmCustom;
        TMxEdgeStyle EdgeStyle = TMxEdgeStyle::etEtched;
        TMxBorderStyle StandardStyle = TMxBorderStyle::lsSingleLowered;
        TColor BorderColor = clBtnFace;
        TColor LightColor = clBtnHighlight;
        TColor ShadowColor = clBtnShadow;

        friend bool operator==(const Values&, const Values&) = default;
    };
    Values m_v;
    int m_extent = 0;
};
