#pragma once

// Face styles and visual states of the grid's buttons, and what each style implies. Ordinals are fixed:
// the stored layout and the grid-line switch use them.

enum class TMxUserButtonStyle {
    ubsAutoDetect,
    ubsWin31,
    ubsWin40,
    ubsDelphi,
    ubsDelphiFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated,
};
constexpr int kMxUserButtonStyleCount = 11;

enum class TMxButtonState {
    bsUp,
    bsDisabledUp,
    bsMouseOver,
    bsOptionSet,
    bsDown,
    bsDragOver,
    bsDropDownOpen,
    bsDisabledDown,
};

// The frame recipes of MxDrawBtnFace.
enum class TMxFaceKind {
    Win31 = 1,
    Win40 = 2,
    Win40Plain = 3,  // Win40 without the new-style flag
    Flat = 4,
    Delphi = 5,
    Integrated = 10,
};

// ubsAutoDetect stands for the new-style look, which every desktop we run on has.
TMxUserButtonStyle MxResolveButtonStyle(TMxUserButtonStyle style);

// Pixels of frame on each side; the caption area is inset by this much. The state does not change it.
int MxGetButtonBevel(TMxUserButtonStyle style);

// See-through styles: the face shows the parent's back bitmap instead of a fill.
bool MxIsExplorerStyle(TMxUserButtonStyle style);

// Styles that draw their glyph uncoloured; they also fire the click before settling their state.
bool MxIsUnColoredStyle(TMxUserButtonStyle style);

// Flat styles look different when hot, so moving between up and hot needs a repaint.
bool MxIsFlatStyle(TMxUserButtonStyle style);

// The states drawn with the pressed frame.
bool MxIsDownState(TMxButtonState state);

// The states whose caption moves one pixel right and down.
bool MxIsShiftedState(TMxButtonState state);
