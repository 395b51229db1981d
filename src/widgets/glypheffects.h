#pragma once

#include <QImage>
#include <QRgb>

// The effects a glossy button lays on its glyph. Each works in place on a 32-bit image and leaves the
// pixels of the key colour (the glyph's transparent colour, compared on the RGB channels) alone.

// Each channel exclusive-ored with colour's.
void XorGlyph(QImage& image, QRgb key, QRgb colour);
// Each channel moved quarters fourths of the way toward toward's: (q * toward + (4 - q) * own) / 4.
void BlendGlyph(QImage& image, QRgb key, QRgb toward, int quarters);
// Each channel with light's added, at most 255.
void AddGlyph(QImage& image, QRgb key, QRgb light);
// Each pixel the mean of its three channels.
void GreyGlyph(QImage& image, QRgb key);
// Every other pixel in colour: every pixel counts, and a row of even height count shifts the pattern by
// one more, so the pattern follows the glyph's height rather than its width.
void CheckerGlyph(QImage& image, QRgb key, QRgb colour);
// The key-coloured pixels touching the glyph on a side painted in shine, and with twoWide their key-coloured
// neighbours too.
void FrameGlyph(QImage& image, QRgb key, QRgb shine, bool twoWide);
// White where a pixel differs from its diagonal neighbour, or its lower neighbour from its right one: the
// glyph's edges. The last row and column have no neighbours to compare with and stay black.
QImage EdgeMask(const QImage& src);
