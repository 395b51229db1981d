#pragma once

class TdxfLabel;

// The look of palette label k (1 .. 11): glyph k of the full cycle on black, far larger than the label, in
// a colour running from lime to yellow, with the fun 3D effect. Position, cursor and click stay with the
// caller, so the main form and the snapshot tool show the same label.
void SetUpPaletteLabel(TdxfLabel& label, int k);
