#include "buttongrid/mxbuttonstyle.h"

using enum TMxUserButtonStyle;

TMxUserButtonStyle MxResolveButtonStyle(TMxUserButtonStyle style) {
    return style == ubsAutoDetect ? ubsWin40 : style;
}

int MxGetButtonBevel(TMxUserButtonStyle style) {
    switch (MxResolveButtonStyle(style)) {
        case ubsWin31:
            return 3;
        case ubsFlat:
        case ubsFlatUnColored:
        case ubsExplorer:
        case ubsExplorerColored:
            return 1;
        default:
            return 2;
    }
}

bool MxIsExplorerStyle(TMxUserButtonStyle style) {
    return style == ubsExplorer || style == ubsExplorerColored;
}

bool MxIsUnColoredStyle(TMxUserButtonStyle style) {
    return style == ubsFlatUnColored || style == ubsNavigator || style == ubsExplorer;
}

bool MxIsFlatStyle(TMxUserButtonStyle style) {
    return style >= ubsDelphiFlat && style <= ubsExplorerColored;
}

bool MxIsDownState(TMxButtonState state) {
    using enum TMxButtonState;
    return state == bsOptionSet || state == bsDown || state == bsDropDownOpen || state == bsDisabledDown;
}

bool MxIsShiftedState(TMxButtonState state) {
    using enum TMxButtonState;
    return state == bsOptionSet || state == bsDown || state == bsDropDownOpen;
}
