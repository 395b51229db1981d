#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

// How much of each pixel of a label a caption's glyphs cover, 1 to 255, kept as runs of covered pixels.
class TdxfGlyphMask {
public:
    // The pixels of image whose colour is not black, each covered as far as its red channel says: a
    // caption drawn in white on black.
    static TdxfGlyphMask FromWhiteOnBlack(const QImage& image);

    // Draws the glyphs in color onto an image of 32-bit pixels of the mask's size, blending the partly
    // covered pixels as drawing the text itself does.
    void Fill(QImage& image, TColor color) const;

private:
    struct Run {
        qint16 y = 0;
        qint16 x0 = 0;
        qint16 x1 = 0;
        quint32 at = 0;  // first coverage value
    };
    std::vector<Run> m_runs;
    std::vector<unsigned char> m_coverage;
};

// Where one copy of a label's caption lands on a label of the given size: drawn with the label's font turned
// by angle, placed as the label places its text, moved by offset. The colour plays no part, so a spinning,
// pulsing label draws each of its copies once per size and angle and then only fills them. Each copy is
// drawn where it lies rather than moved from another, since the glyphs' sub-pixel placement can round
// differently elsewhere.
const TdxfGlyphMask& CaptionMask(const ::Font& font, const QString& caption, int angle, QSize size,
                                 TPoint offset);
