#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

// How much of each pixel a caption's glyphs cover, 1 to 255, kept as runs of covered pixels.
class TdxfGlyphMask {
public:
    // The pixels of image whose colour is not black, each covered as far as its red channel says (a
    // caption drawn in white on black), with the image's top-left at origin.
    static TdxfGlyphMask FromWhiteOnBlack(const QImage& image, TPoint origin);

    // The same coverage moved by offset, only what falls inside a size-sized image at (0, 0).
    TdxfGlyphMask MovedWithin(TPoint offset, QSize size) const;

    // Draws the glyphs in color, moved by offset, onto an image of 32-bit pixels, blending the partly
    // covered pixels as drawing the text itself does.
    void Fill(QImage& image, TPoint offset, TColor color) const;

    friend bool operator==(const TdxfGlyphMask& a, const TdxfGlyphMask& b);

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

// The coverage of every copy of a label's caption that the label draws, at its offset from the text's
// start: one mask drawn once and moved to each copy, and a mask of its own for the rare copy whose glyphs
// land differently there, since their sub-pixel placement can round differently at another position.
class TdxfCaptionMasks {
public:
    TdxfCaptionMasks(TdxfGlyphMask drawn, std::vector<std::optional<TdxfGlyphMask>> own);

    // Draws copy number copy (at offset) in color onto image.
    void Fill(QImage& image, std::size_t copy, TPoint offset, TColor color) const;

private:
    TdxfGlyphMask m_drawn;
    std::vector<std::optional<TdxfGlyphMask>> m_own;
};

// The masks of the copies of caption at offsets on a label of the given size, drawn with the label's font
// turned by angle and placed as the label places its text. The colours play no part, so a pulsing label
// draws its copies once per size and angle and then only fills them. Masks cost about twice what drawing
// the copies once does and a label keeps the faces of its turn, so they are made only when a caption, size
// and angle are asked for again: null the first time.
const TdxfCaptionMasks* CaptionMasks(const ::Font& font, const QString& caption, int angle, QSize size,
                                     const std::vector<TPoint>& offsets);
