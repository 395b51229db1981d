#pragma once

#include <QString>

#include "platform/color.h"
#include "platform/font.h"

// A font of the stored layout: its Windows name, the Shift-JIS character set, a pixel height, a colour and a
// style.
::Font LayoutFont(const QString& name, int height, TColor color, FontStyles style = {});
