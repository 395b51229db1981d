#pragma once

#include "platform/color.h"

// The colour dialog: starts at Color and, when the user confirms, holds the colour chosen.
class TColorDialog {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor value) { m_color = value; }

    // True when the user confirmed; false when cancelled, Color unchanged.
    bool Execute();

private:
    TColor m_color = clBlack;
};
