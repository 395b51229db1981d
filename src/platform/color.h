#pragma once

#include <QRgb>
#include <cstdint>

// A colour value as the stored layout and board files hold it: 0x00BBGGRR for an RGB colour (red in the
// low byte), 0x80000000 + n for the n-th system colour, clNone 0x1FFFFFFF. It never turns into an RGB value
// by accident: ColorToRGB resolves it, and only resolved colours take part in arithmetic.
struct TColor {
    std::uint32_t value = 0;

    constexpr TColor() = default;
    constexpr explicit TColor(std::uint32_t v) : value(v) {}

    // The signed view that board files store ("Color" is a 32-bit signed decimal).
    constexpr std::int32_t ToInt() const { return static_cast<std::int32_t>(value); }
    static constexpr TColor FromInt(std::int32_t v) { return TColor(static_cast<std::uint32_t>(v)); }

    constexpr bool IsSystem() const { return (value & 0xFF000000u) == 0x80000000u; }

    friend constexpr bool operator==(TColor, TColor) = default;
};

// A colour resolved to plain channels.
struct RgbColor {
    int r = 0;
    int g = 0;
    int b = 0;

    friend constexpr bool operator==(RgbColor, RgbColor) = default;
};

constexpr TColor RGB(int r, int g, int b) {
    return TColor(static_cast<std::uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16)));
}

// The system colour indices of the classic desktop, in the platform's order.
enum class SystemColor {
    ScrollBar,
    Background,
    ActiveCaption,
    InactiveCaption,
    Menu,
    Window,
    WindowFrame,
    MenuText,
    WindowText,
    CaptionText,
    ActiveBorder,
    InactiveBorder,
    AppWorkSpace,
    Highlight,
    HighlightText,
    BtnFace,
    BtnShadow,
    GrayText,
    BtnText,
    InactiveCaptionText,
    BtnHighlight,
    DkShadow3D,
    Light3D,
    InfoText,
    InfoBk,
};
constexpr int kSystemColorCount = 25;

constexpr TColor SysColor(SystemColor index) {
    return TColor(0x80000000u + static_cast<std::uint32_t>(index));
}

// The current value of a system colour; this program always runs with the classic scheme.
TColor GetSysColor(SystemColor index);

// Resolves system colours to their RGB value; any other value keeps its three low bytes.
RgbColor ColorToRGB(TColor c);
// The same colour as Qt's 0xFFRRGGBB.
QRgb ToQRgb(TColor c);
TColor FromQRgb(QRgb rgb);

constexpr TColor clBlack{0x000000};
constexpr TColor clMaroon{0x000080};
constexpr TColor clGreen{0x008000};
constexpr TColor clOlive{0x008080};
constexpr TColor clNavy{0x800000};
constexpr TColor clPurple{0x800080};
constexpr TColor clTeal{0x808000};
constexpr TColor clGray{0x808080};
constexpr TColor clSilver{0xC0C0C0};
constexpr TColor clRed{0x0000FF};
constexpr TColor clLime{0x00FF00};
constexpr TColor clYellow{0x00FFFF};
constexpr TColor clBlue{0xFF0000};
constexpr TColor clFuchsia{0xFF00FF};
constexpr TColor clAqua{0xFFFF00};
constexpr TColor clWhite{0xFFFFFF};
constexpr TColor clNone{0x1FFFFFFF};

// The program's two design colours: the pale yellow of a new board's gradient and of the colour dialog,
// and the pale green of a pressed palette button.
constexpr TColor clPaleYellow{8454143};
constexpr TColor clPaleGreen{8454016};

// Masks on Qt's 0xAARRGGBB pixels: the three colour channels, and the alpha of a fully opaque pixel.
constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr QRgb kOpaqueAlpha = 0xFF000000u;

constexpr TColor clScrollBar = SysColor(SystemColor::ScrollBar);
constexpr TColor clBackground = SysColor(SystemColor::Background);
constexpr TColor clActiveCaption = SysColor(SystemColor::ActiveCaption);
constexpr TColor clInactiveCaption = SysColor(SystemColor::InactiveCaption);
constexpr TColor clMenu = SysColor(SystemColor::Menu);
constexpr TColor clWindow = SysColor(SystemColor::Window);
constexpr TColor clWindowFrame = SysColor(SystemColor::WindowFrame);
constexpr TColor clMenuText = SysColor(SystemColor::MenuText);
constexpr TColor clWindowText = SysColor(SystemColor::WindowText);
constexpr TColor clCaptionText = SysColor(SystemColor::CaptionText);
constexpr TColor clActiveBorder = SysColor(SystemColor::ActiveBorder);
constexpr TColor clInactiveBorder = SysColor(SystemColor::InactiveBorder);
constexpr TColor clAppWorkSpace = SysColor(SystemColor::AppWorkSpace);
constexpr TColor clHighlight = SysColor(SystemColor::Highlight);
constexpr TColor clHighlightText = SysColor(SystemColor::HighlightText);
constexpr TColor clBtnFace = SysColor(SystemColor::BtnFace);
constexpr TColor clBtnShadow = SysColor(SystemColor::BtnShadow);
constexpr TColor clGrayText = SysColor(SystemColor::GrayText);
constexpr TColor clBtnText = SysColor(SystemColor::BtnText);
constexpr TColor clInactiveCaptionText = SysColor(SystemColor::InactiveCaptionText);
constexpr TColor clBtnHighlight = SysColor(SystemColor::BtnHighlight);
constexpr TColor cl3DDkShadow = SysColor(SystemColor::DkShadow3D);
constexpr TColor cl3DLight = SysColor(SystemColor::Light3D);
constexpr TColor clInfoText = SysColor(SystemColor::InfoText);
constexpr TColor clInfoBk = SysColor(SystemColor::InfoBk);
