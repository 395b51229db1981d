#include "buttongrid/mxgradientpaint.h"

#include <optional>

#include "buttongrid/mxgradientrows.h"
#include "platform/canvas.h"
#include "platform/rowtarget.h"

void MxGradientPaintExt(Canvas& canvas, const TRect& rect, TMxGradientStyle style, const TMxColorList* colors,
                        [[maybe_unused]] const TMxLogPalette* palette, std::uint16_t flags,
                        std::uint32_t offset) {
    // Our images hold every table colour exactly, so selecting and realising the palette (and painting in
    // palette-relative colours) leaves the pixels as the table gives them.
    if (!colors || colors->empty() || rect.IsEmpty()) return;
    const int width = rect.Width();
    const int height = rect.Height();

    if (flags & kMxGradientUseBitmap) {
        // As if painted into a bitmap of the rectangle's size and copied: the few pixels no shape covers (a
        // corner of some elliptic sizes) lie on the far side, so they take the last table colour rather
        // than whatever the target held. Each row is composed whole and copied once.
        const auto rows = MxGradientRowsFor(style, width, height, *colors, 0, width);
        RowTarget target(canvas, rect);
        MxPaintGradientRows(*rows, target, Rect(0, 0, width, height), ToQRgb(colors->back()));
        return;
    }

    // The larger shapes reach past the rectangle, onto whatever part of the canvas they cover.
    const TRect whole = Rect(0, 0, canvas.Width(), canvas.Height());
    if (whole.IsEmpty()) return;
    // The clip narrows the caller's clip for the painting and gives it back afterwards.
    std::optional<Region> savedClip;
    if (flags & kMxGradientClip) {
        savedClip = canvas.ClipRegion();
        const int dx = static_cast<std::int16_t>(offset & 0xFFFFu);
        const int dy = static_cast<std::int16_t>(offset >> 16);
        canvas.IntersectClipRect(rect.Offset(dx, dy));
    }
    const TRect window = whole.Offset(-rect.Left, -rect.Top);
    const auto rows = MxGradientRowsFor(style, width, height, *colors, window.Left, window.Right);
    RowTarget target(canvas, whole);
    MxPaintGradientRows(*rows, target, window, std::nullopt);
    if (savedClip) canvas.SelectClipRgn(*savedClip);
}
