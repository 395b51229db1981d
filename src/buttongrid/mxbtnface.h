#pragma once

#include "buttongrid/mxbuttonstyle.h"
#include "platform/color.h"
#include "platform/geometry.h"

class Canvas;

// Bits of the flag word of MxDrawBtnFace.
constexpr unsigned kMxFaceNewStyle = 0x04;    // draw the Win40 look with its standard frames
constexpr unsigned kMxFaceFullSunken = 0x08;  // a pressed Win40 face gets the full, not the soft, sunken edge
// What a speed button always passes.
constexpr unsigned kMxSpeedButtonFaceFlags = 0x05;

// The frame recipe a style draws with, after resolving ubsAutoDetect.
TMxFaceKind MxFaceKind(TMxUserButtonStyle style, unsigned flags);

// Draws a button face of `style` in `state` into rect: the fill (none for the see-through styles, a
// checkered one while latched) and the frame. The caption is drawn by the button afterwards.
void MxDrawBtnFace(Canvas& canvas, const TRect& rect, TMxUserButtonStyle style, TMxButtonState state,
                   unsigned flags, TColor color);
