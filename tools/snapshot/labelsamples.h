#pragma once

#include <QString>
#include <QWidget>
#include <memory>

// Stand-alone pictures of the rotated labels and the hint windows for looking at, each scaled up so single pixels show.

// The palette's label k (1 .. 11) at one angle and font size, on the palette's silver.
std::unique_ptr<QWidget> makePaletteLabel(int k, int angle, int size);
// Every palette label at every angle 0 .. 350 (step 10), and at every size 100 .. 10 of the pulse.
std::unique_ptr<QWidget> makePaletteSweep();
// Palette label 6 in each face style (normal, raised, lowered, outline), plain and with a texture fill.
std::unique_ptr<QWidget> makeLabelStyles();
// The counter caption, the counter and the vertical title as the main window shows them, on gold.
std::unique_ptr<QWidget> makeTextLabels();
// A hint in the main window's settings and the given style (0 .. 3), over a striped background.
std::unique_ptr<QWidget> makeHint(int style);
