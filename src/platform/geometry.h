#pragma once

#include <algorithm>
#include <array>

// Points and rectangles with the platform's convention: right and bottom are exclusive.
struct TPoint {
    int X = 0;
    int Y = 0;

    friend constexpr bool operator==(TPoint, TPoint) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }

    // The same rectangle with its corners in order, as the platform fills reversed rectangles.
    constexpr TRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
    }
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
    constexpr TRect Intersected(const TRect& o) const {
        return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The one-pixel frame just inside a normalised, non-empty rectangle as four strips: the top and bottom rows
// whole, then the left and right columns between them.
constexpr std::array<TRect, 4> FrameStrips(const TRect& r) {
    return {{{r.Left, r.Top, r.Right, r.Top + 1},
             {r.Left, r.Bottom - 1, r.Right, r.Bottom},
             {r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1},
             {r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}}};
}
