#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/geometry.h"

// DrawText options.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

// What laying out text needs of a font: a line's height, the average character width (tab stops are eight
// of them) and the advance of a piece of text.
struct TextMetrics {
    int lineHeight = 0;
    int averageCharWidth = 0;
    std::function<int(const QString&)> advance;
};

// A piece of text to draw unrotated with its top-left at (x, y), underlining one character (-1 none).
struct TextRun {
    int x = 0;
    int y = 0;
    QString text;
    int underline = -1;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// Where DrawText puts text in rect: the runs it draws, the widest line and the lines' total height, and
// the height it reports having drawn (from rect's top to the last line's bottom when the text is centred
// or at the bottom).
struct TextLayout {
    std::vector<TextRun> runs;
    int width = 0;
    int height = 0;
    int drawnHeight = 0;
};

// Lays text out in rect as DrawText draws it: line breaks are kept unless DT_SINGLELINE; DT_WORDBREAK
// wraps at rect's width; DT_VCENTER and DT_BOTTOM act only with DT_SINGLELINE; without DT_NOPREFIX "&"
// underlines the next character and "&&" stands for "&"; DT_EXPANDTABS splits a line at its tabs.
TextLayout LayOutText(const QString& text, const TRect& rect, unsigned flags, const TextMetrics& metrics);
