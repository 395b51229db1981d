#include "buttongrid/mxbtnface.h"

#include "buttongrid/mxbevel.h"
#include "platform/canvas.h"

using enum TMxUserButtonStyle;

TMxFaceKind MxFaceKind(TMxUserButtonStyle style, unsigned flags) {
    switch (MxResolveButtonStyle(style)) {
        case ubsWin31:
            return TMxFaceKind::Win31;
        case ubsWin40:
            return (flags & kMxFaceNewStyle) != 0 ? TMxFaceKind::Win40 : TMxFaceKind::Win40Plain;
        case ubsDelphi:
            return TMxFaceKind::Delphi;
        case ubsIntegrated:
            return TMxFaceKind::Integrated;
        default:
            return TMxFaceKind::Flat;
    }
}

namespace {

constexpr TColor kGrey = RGB(128, 128, 128);

void line(Canvas& canvas, const TRect& r, TColor color) {
    canvas.Brush() = TBrush{color, BrushStyle::Solid};
    canvas.FillRect(r);
}

void drawWin31(Canvas& canvas, TRect r, bool down) {
    canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_TOPLEFT | BF_SOFT);
    canvas.DrawEdge(r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    // The two half edges together make one ring, so the inner edges start inside it.
    r = r.Inflated(-1, -1);
    if (down) {
        canvas.DrawEdge(r, BDR_SUNKENINNER, BF_TOPLEFT);
    } else {
        canvas.DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
        canvas.DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
    }
}

void drawWin40(Canvas& canvas, TRect r, bool down, unsigned flags) {
    if (!down)
        MxDrawStandardFrame(canvas, r, TMxBorderStyle::lsRaisedspb);
    else if ((flags & kMxFaceFullSunken) != 0)
        canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    else
        MxDrawStandardFrame(canvas, r, TMxBorderStyle::lsLowered);
}

void drawWin40Plain(Canvas& canvas, TRect r, bool down) {
    if (!down) {
        MxDrawStandardFrame(canvas, r, TMxBorderStyle::lsRaisedspb);
        return;
    }
    canvas.FrameRect(r, clBlack);
    canvas.FrameRect(r.Inflated(-1, -1), kGrey);
}

void drawFlat(Canvas& canvas, TRect r, TMxUserButtonStyle style, TMxButtonState state, bool down) {
    const bool hot = state == TMxButtonState::bsMouseOver;
    if (!hot && !down) return;
    if (style == ubsDelphiFlat || style == ubsNavigator) {
        canvas.Pen() = TPen{};
        canvas.Rectangle(r);
        r = r.Inflated(-1, -1);
    }
    canvas.DrawEdge(r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

void drawDelphi(Canvas& canvas, TRect r, bool down) {
    canvas.FrameRect(r, clBlack);
    r = r.Inflated(-1, -1);
    if (!down) {
        canvas.DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    line(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), kGrey);
    line(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), kGrey);
}

void drawIntegrated(Canvas& canvas, TRect r, bool down) {
    if (down) {
        canvas.FrameRect(r, kGrey);
        return;
    }
    canvas.FrameRect(r, clBlack);
    const TRect r1 = r.Inflated(-1, -1);
    line(canvas, Rect(r1.Left, r1.Top, r1.Right, r1.Top + 1), clBtnFace);
    line(canvas, Rect(r1.Left, r1.Top, r1.Left + 1, r1.Bottom), clBtnFace);
    line(canvas, Rect(r1.Left, r1.Bottom - 1, r1.Right, r1.Bottom), kGrey);
    line(canvas, Rect(r1.Right - 1, r1.Top, r1.Right, r1.Bottom), kGrey);
    canvas.FrameRect(r1.Inflated(-1, -1), clWhite);
}

}  // namespace

void MxDrawBtnFace(Canvas& canvas, const TRect& rect, TMxUserButtonStyle style, TMxButtonState state,
                   unsigned flags, TColor color) {
    style = MxResolveButtonStyle(style);
    const bool down = MxIsDownState(state);

    // The see-through styles keep whatever background the button laid down.
    if (!MxIsExplorerStyle(style)) {
        const BrushStyle fillStyle =
            state == TMxButtonState::bsOptionSet ? BrushStyle::Checkered : BrushStyle::Solid;
        canvas.Brush() = TBrush{color, fillStyle};
        canvas.FillRect(rect);
    }

    switch (MxFaceKind(style, flags)) {
        case TMxFaceKind::Win31:
            drawWin31(canvas, rect, down);
            break;
        case TMxFaceKind::Win40:
            drawWin40(canvas, rect, down, flags);
            break;
        case TMxFaceKind::Win40Plain:
            drawWin40Plain(canvas, rect, down);
            break;
        case TMxFaceKind::Flat:
            drawFlat(canvas, rect, style, state, down);
            break;
        case TMxFaceKind::Delphi:
            drawDelphi(canvas, rect, down);
            break;
        case TMxFaceKind::Integrated:
            drawIntegrated(canvas, rect, down);
            break;
    }
}
