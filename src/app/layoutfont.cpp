#include "app/layoutfont.h"

::Font LayoutFont(const QString& name, int height, TColor color, FontStyles style) {
    ::Font font;
    font.SetName(name);
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetHeight(height);
    font.SetColor(color);
    font.SetStyle(style);
    return font;
}
