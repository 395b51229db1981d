#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "buttongrid/mxobject.h"
#include "platform/color.h"
#include "platform/geometry.h"

class Canvas;

// Shape of the colour bands; the board's style buttons set it by ordinal, so the order is fixed.
enum class TMxGradientStyle {
    gstHorizontal,
    gstVertical,
    gstSquare,
    gstElliptic,
    gstTopLeft,
    gstTopRight,
    gstBottomLeft,
    gstBottomRight,
    gstTopLeftDiagonal,
    gstTopRightDiagonal,
};
constexpr int kMxGradientStyleCount = 10;

// The number of colours of a table, held in one byte.
using TMxColorCount = std::uint8_t;
constexpr int kMxColorCountMin = 2;
constexpr int kMxColorCountMax = 236;

using TMxColorList = std::vector<TColor>;

// A logical palette of the table's colours. Our images are 32-bit, so it only records what a palette
// display would be given; painting uses the table colours as they are.
struct TMxPaletteEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Flags = 0;

    friend constexpr bool operator==(const TMxPaletteEntry&, const TMxPaletteEntry&) = default;
};
constexpr std::uint8_t kMxPaletteNoCollapse = 4;

struct TMxLogPalette {
    std::uint16_t Version = 0x300;
    std::vector<TMxPaletteEntry> Entries;
};

// Appends the run from startColor to endColor with `count` entries to *list (emptied first when clear is
// set; a continued run leaves out its first colour, which ended the previous run). Channels are
// interpolated with MulDiv. Nothing happens without a list or with a count of 0.
void MxGradientCreateColorList(TColor startColor, TColor endColor, int count, bool clear, TMxColorList* list);

// One painting step of a gradient, relative to the painted rectangle's top-left corner.
struct TMxGradientShape {
    enum class Kind {
        Band,       // a plain fill covering exactly Box
        Rectangle,  // an outline-less rectangle: Box normalised, one pixel less in width and height
        Ellipse,    // an outline-less ellipse inside Box
        Polygon,    // Points, filled without outline
    };
    Kind ShapeKind = Kind::Band;
    TRect Box;
    std::array<TPoint, 4> Points{};
};

// The anchor rectangle of a style for a width × height rectangle (not normalised).
TRect MxGradientAnchor(TMxGradientStyle style, int width, int height);
// An elliptic step's radius for its extent: extent / 1.4 to the nearest integer, halves to the even one. 1.4
// is a little under the square root of 2, so the largest ellipse reaches past the corners.
int MxGradientEllipseRadius(int extent);
// The shape painted with table entry `step` of `count` entries.
TMxGradientShape MxGradientStepShape(TMxGradientStyle style, int width, int height, int count, int step);
// The same for every step of one gradient, its shares of the width and height worked out once for all steps
// without a division each.
class MxGradientShapes {
public:
    MxGradientShapes(TMxGradientStyle style, int width, int height, int count);
    // The shape of step `step`, in [0, count).
    TMxGradientShape operator()(int step) const;

private:
    TMxGradientStyle m_style;
    TRect m_anchor;
    std::vector<int> m_x;  // MulDiv(k, width, count) for k in [0, count]
    std::vector<int> m_y;
};
// Whether, on the columns [left, right) of a width × height gradient, each step's shape holds that of the
// step numbered one lower (the one painted over it): centred or cornered shapes growing with the step, and
// the diagonal bands on their corner's side.
bool MxGradientStepsNest(TMxGradientStyle style, int width, int height, int left, int right);
// Table entries in painting order: 0 upwards for gstHorizontal, downwards from count - 1 for the others,
// so each smaller shape lies over the larger ones.
bool MxGradientPaintsUpwards(TMxGradientStyle style);

// The style's name as the code spells it ("gstElliptic"), for people choosing or reading one.
const char* MxGradientStyleName(TMxGradientStyle style);

// A colour table from two colours, or through a list of colours, with the shape it is painted in.
class TMxGradient : public TMxObject {
public:
    TMxGradient();

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    int ColorCount() const { return m_colorCount; }
    // Values outside 2…236 are clamped to the nearest end, since the count must fit its byte.
    void SetColorCount(int value);
    TMxGradientStyle Style() const { return m_style; }
    void SetStyle(TMxGradientStyle value);
    TColor EndColor() const { return m_endColor; }
    void SetEndColor(TColor value);
    bool PaletteRealize() const { return m_paletteRealize; }
    void SetPaletteRealize(bool value);
    bool TwoColors() const { return m_twoColors; }
    void SetTwoColors(bool value);

    // The colours of the multi-colour mode ("ColorList" in stored form data).
    const TMxColorList& Colors() const { return m_colors; }
    void SetColors(const TMxColorList& value);

    // The table built from the properties above; rebuilt on every change.
    const TMxColorList& ColorTable() const { return m_table; }
    // The logical palette while PaletteRealize is set, else null.
    const TMxLogPalette* Palette() const { return m_palette.get(); }

    // Copies every property and the Colors list, then notifies once.
    void Assign(const TMxGradient& source);

    // Paints straight into rect (no temporary bitmap), with the palette when PaletteRealize is set.
    void PaintGradient(Canvas& canvas, const TRect& rect) const;

protected:
    void Changed() override;

private:
    void buildColorTable();

    TColor m_color = clBlue;
    TMxColorCount m_colorCount = 16;
    TMxGradientStyle m_style = TMxGradientStyle::gstVertical;
    TColor m_endColor = clBlack;
    bool m_paletteRealize = false;
    bool m_twoColors = true;
    TMxColorList m_colors;
    TMxColorList m_table;
    std::unique_ptr<TMxLogPalette> m_palette;
};
