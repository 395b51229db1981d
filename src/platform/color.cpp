#include "platform/color.h"

#include <array>

namespace {

// The classic desktop scheme, the one place where system colours get their values.
constexpr std::array<TColor, kSystemColorCount> kClassicScheme = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop background
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3D dark shadow
    RGB(192, 192, 192),  // 3D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
};

// The colour's 0x00BBGGRR value, a system colour looked up.
std::uint32_t resolved(TColor c) {
    if (!c.IsSystem()) return c.value;
    const std::uint32_t n = c.value & 0xFFu;
    // An index beyond the table resolves like the platform's unknown system colour: black.
    return n < kSystemColorCount ? kClassicScheme[n].value : 0;
}

}  // namespace

TColor GetSysColor(SystemColor index) {
    return kClassicScheme.at(static_cast<std::size_t>(index));
}

RgbColor ColorToRGB(TColor c) {
    const std::uint32_t v = resolved(c);
    return RgbColor{static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                    static_cast<int>((v >> 16) & 0xFF)};
}

QRgb ToQRgb(TColor c) {
    // Straight from the value: going through RgbColor's three ints costs a stall on every call.
    const std::uint32_t v = resolved(c);
    return qRgb(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

TColor FromQRgb(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
