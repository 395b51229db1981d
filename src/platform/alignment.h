#pragma once

// Where a picture or a glyph-and-caption block sits inside a rectangle; ordinals as stored.
enum class TMxAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight,
};
