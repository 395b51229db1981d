#pragma once

#include <cstdint>

#include "platform/change.h"
#include "platform/color.h"
#include "platform/geometry.h"

enum class TdxfEffectStyle { dxfFun, dxfExtrude, dxfCool };
enum class TdxfOrientation {
    dxfLeft,
    dxfRight,
    dxfTop,
    dxfBottom,
    dxfLeftTop,
    dxfLeftBottom,
    dxfRightTop,
    dxfRightBottom,
};

// The direction of the effect's copies, one pixel per step of depth.
inline TPoint orientationStep(TdxfOrientation orientation) {
    switch (orientation) {
        case TdxfOrientation::dxfLeft:
            return {-1, 0};
        case TdxfOrientation::dxfRight:
            return {1, 0};
        case TdxfOrientation::dxfTop:
            return {0, -1};
        case TdxfOrientation::dxfBottom:
            return {0, 1};
        case TdxfOrientation::dxfLeftTop:
            return {-1, -1};
        case TdxfOrientation::dxfLeftBottom:
            return {-1, 1};
        case TdxfOrientation::dxfRightTop:
            return {1, -1};
        case TdxfOrientation::dxfRightBottom:
            return {1, 1};
    }
    return {0, 0};
}

// The 3D effect of a rotated label: copies of the caption behind the face. The owning label listens to
// the change notification and repaints.
class Tdxf3DEffect : public ChangeNotify {
public:
    TdxfEffectStyle Style() const { return m_style; }
    void SetStyle(TdxfEffectStyle value) {
        if (assignIfDiffers(m_style, value)) Changed();
    }
    TdxfOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TdxfOrientation value) {
        if (assignIfDiffers(m_orientation, value)) Changed();
    }
    // Pixels between the face and the farthest copy; 0 draws no copy.
    std::uint16_t Depth() const { return m_depth; }
    void SetDepth(std::uint16_t value) {
        if (assignIfDiffers(m_depth, value)) Changed();
    }
    TColor ShadowedColor() const { return m_shadowedColor; }
    void SetShadowedColor(TColor value) {
        if (assignIfDiffers(m_shadowedColor, value)) Changed();
    }

private:
    TdxfEffectStyle m_style = TdxfEffectStyle::dxfCool;
    TdxfOrientation m_orientation = TdxfOrientation::dxfRightBottom;
    std::uint16_t m_depth = 0;
    TColor m_shadowedColor = clGray;
};
