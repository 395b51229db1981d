#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/region.h"
#include "platform/textlayout.h"

#include <QImage>
#include <QPainterPath>
#include <QString>
#include <optional>
#include <vector>

enum class PenStyle { Solid, Dash, Clear };
// Checkered: a checkerboard of the brush colour and clBtnHighlight on the image's own pixel grid.
enum class BrushStyle { Solid, Clear, Checkered };
enum class BackgroundMode { Transparent, Opaque };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;

    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;

    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// 3D edge kinds, one pixel each.
constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr unsigned BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
// Sides and options of DrawEdge.
constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Bit of tmPitchAndFamily set for outline (TrueType) fonts.
constexpr unsigned TMPF_TRUETYPE = 0x04;

struct TTextMetric {
    int tmHeight = 0;  // ascent + descent: the cell height
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;  // cell height minus the em height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    unsigned tmPitchAndFamily = 0;

    bool IsTrueType() const { return (tmPitchAndFamily & TMPF_TRUETYPE) != 0; }
};

// A GDI-like drawing object over a 32-bit QImage (RGB32 or ARGB32) that the caller owns and keeps alive
// while the canvas lives. Shapes are rasterised by our own integer scanline code with the platform's fill
// rules; only glyphs go through QPainter, without antialiasing. Colours are resolved with ColorToRGB when
// drawn, so system colours work. Every primitive draws only inside the image and the clip; pixels written
// are opaque (alpha 255).
//
// Geometry rules: right and bottom are exclusive; reversed corners are normalised; an outline-less
// rectangle, ellipse or round rectangle covers one pixel less in width and height than an outlined one, and
// nothing when that leaves it empty; a polygon fills the pixels whose integer point lies inside it, left and
// top edges in, right and bottom edges out; LineTo leaves out its end point.
//
// Names: the public operations are the platform's drawing calls and keep their names (FillRect, Polygon);
// the private helpers are our own and camelCase.
class QFontMetrics;

class Canvas {
public:
    explicit Canvas(QImage& image);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage& Image() { return m_image; }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }

    // Drawing state; the accessors hand out the live objects, as the framework's canvas does.
    TPen& Pen() { return m_pen; }
    const TPen& Pen() const { return m_pen; }
    void SetPen(const TPen& pen) { m_pen = pen; }
    TBrush& Brush() { return m_brush; }
    const TBrush& Brush() const { return m_brush; }
    void SetBrush(const TBrush& brush) { m_brush = brush; }
    // Text is drawn in the font's colour. The canvas's font never notifies anyone.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& font);
    // The background colour fills the text cell in opaque mode.
    TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(TColor color) { m_backgroundColor = color; }
    BackgroundMode BkMode() const { return m_bkMode; }
    void SetBkMode(BackgroundMode mode) { m_bkMode = mode; }

    // Pixels. Reading outside the image gives clNone; writing there (or outside the clip) does nothing.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Lines with the pen. LineTo paints from the current position up to but without (x, y) and moves there.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return m_penPos; }
    // MoveTo the first point, LineTo each following one.
    void Polyline(const std::vector<TPoint>& points);

    // Shapes.
    // left .. right - 1 by top .. bottom - 1 with the brush; no pen.
    void FillRect(const TRect& rect);
    // A one-pixel frame just inside rect in the given colour.
    void FrameRect(const TRect& rect, TColor color);
    // Pen outline on left .. right - 1 by top .. bottom - 1 with the brush inside; with the pen clear the
    // brush covers left .. right - 2 by top .. bottom - 2.
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect(left, top, right, bottom)); }
    // The ellipse inscribed in the box: outlined with the pen it covers left .. right - 1; outline-less it
    // covers the symmetric ellipse inside left .. right - 2 by top .. bottom - 2.
    void Ellipse(const TRect& box);
    void Ellipse(int left, int top, int right, int bottom) { Ellipse(Rect(left, top, right, bottom)); }
    // Closed polygon: brush interior by the fill mode (pixel centres inside, top-left rule on edges), then
    // the pen outline through every vertex.
    void Polygon(const std::vector<TPoint>& points);
    void SetPolyFillMode(FillMode mode) { m_polyFillMode = mode; }
    FillMode PolyFillMode() const { return m_polyFillMode; }
    // A rectangle whose corners are quarters of an ellipseWidth x ellipseHeight ellipse.
    void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);

    // The platform's 3D edges, one pixel per edge kind, on the sides given. With BF_ADJUST, or when all
    // four sides are drawn, rect moves inwards by the edges drawn. BF_MIDDLE fills the rest with
    // clBtnFace. Outer raised: cl3DLight top-left, cl3DDkShadow bottom-right; inner raised: clBtnHighlight,
    // clBtnShadow; sunken the reverse; BF_SOFT swaps the two light colours of raised edges.
    void DrawEdge(TRect& rect, unsigned edge, unsigned flags);

    // Transfers. Sources are read as RGB (alpha ignored); parts outside either image are left out.
    // Copies src at its own size with its top-left at (x, y).
    void Draw(int x, int y, const QImage& src);
    // Copies srcRect of src into dest, stretched by nearest neighbour when the sizes differ.
    void CopyRect(const TRect& dest, const QImage& src, const TRect& srcRect);
    // The whole of src stretched over dest (nearest neighbour).
    void StretchDraw(const TRect& dest, const QImage& src);
    // As Draw, leaving out every source pixel of exactly the key colour.
    void DrawTransparent(int x, int y, const QImage& src, TColor key);
    // As CopyRect, leaving out every source pixel of exactly the key colour.
    void CopyRectTransparent(const TRect& dest, const QImage& src, const TRect& srcRect, TColor key);
    // Raster operation 0x00E20746 with a monochrome mask at (x, y): where the mask is black the brush
    // colour is painted, where it is white the destination stays.
    void StampMask(int x, int y, const QImage& mask);

    // Clipping. The clip is always limited to the image; ResetClip makes it the whole image again.
    void SetClipRect(const TRect& rect);
    void IntersectClipRect(const TRect& rect);
    void SelectClipRgn(const Region& region);
    // Makes the path recorded by BeginPath .. EndPath the clip (its filled area); the path is used up.
    void SelectClipPath();
    void ResetClip();
    // The current clip, within the image.
    Region ClipRegion() const;

    // Text. TextOut puts the top-left of the text cell at (x, y), turned by the font's escapement about that
    // point; in opaque mode the cell is first filled with the background colour.
    void TextOut(int x, int y, const QString& text);
    // Width = the advance, height = the cell height (ascent + descent) of the unrotated text.
    TPoint TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).X; }
    int TextHeight(const QString& text) const { return TextExtent(text).Y; }
    TTextMetric GetTextMetrics() const;
    // Draws (or with DT_CALCRECT only measures) text in rect; returns the height of the text drawn.
    // DT_CALCRECT sets rect's right and bottom to the widest line and lines x line height. Line breaks are
    // kept unless DT_SINGLELINE; DT_WORDBREAK wraps at rect's width; DT_VCENTER and DT_BOTTOM act only
    // with DT_SINGLELINE, as on the platform. Without DT_NOPREFIX "&" underlines the next character and
    // "&&" draws "&". Text is clipped to rect unless DT_NOCLIP. Lines are laid out unrotated, whatever the
    // font's escapement.
    int DrawText(const QString& text, TRect& rect, unsigned flags);

    // Paths: between BeginPath and EndPath TextOut records its glyph outlines instead of drawing.
    void BeginPath();
    void EndPath();
    // Outlines the recorded path with the pen, then drops it.
    void StrokePath();

private:
    // Painters that resolve whole rows write them through a RowTarget.
    friend class RowTarget;
    // The pixels [x, x + count) of row y to write straight into, when all of them lie in the image and the
    // clip; null otherwise.
    QRgb* unclippedRow(int x, int y, int count);
    // The same for every row of rect at once, where the canvas has no clip and rect lies in the image: row
    // y of rect starts at the result + y * stride. Null otherwise, leaving the rows to unclippedRow.
    QRgb* unclippedBlock(const TRect& rect, std::ptrdiff_t& stride);

    // A brush or pen colour as it lands on pixels: solid, or the checkerboard (odd on odd x + y).
    struct Paint {
        QRgb even = 0;
        QRgb odd = 0;
    };
    Paint brushPaint() const;
    static Paint solidPaint(TColor color);
    // Every primitive ends here: clipped to the image and the clip, then a plain loop over the row.
    void fillSpan(int y, int x0, int x1, const Paint& paint);
    // Calls run(a, b) for each part of row y, columns x0 .. x1 - 1, inside the image and the clip.
    template <typename RunFn>
    void forEachClippedRun(int y, int x0, int x1, RunFn&& run) const;
    void fillSpans(const std::vector<Span>& spans, const Paint& paint);
    void fillRectPaint(const TRect& rect, const Paint& paint);
    void plotPen(TPoint p);
    // metrics.horizontalAdvance(text), for metrics of the canvas's font, measured once per font and text.
    int advance(const QFontMetrics& metrics, const QString& text) const;
    // Outlined convex shapes (ellipse, round rectangle): spans of the outer shape, eroded by the pen.
    void drawOutlinedConvex(const std::vector<Span>& outer, int rowBegin, int rowEnd);
    void setClip(const Region& region);
    // Whether source pixels may carry an alpha other than opaque.
    enum class SourceAlpha { Opaque, Any };
    // A row of pixels with the first at (x, y), clipped; with SourceAlpha::Any they land opaque whatever
    // their alpha.
    void copyRow(int x, int y, const QRgb* pixels, int count, SourceAlpha alpha);
    // An unstretched copy of the whole of source onto the whole image in one block, when the layouts
    // allow it; false when they do not and nothing was done.
    bool copyWholeImage(const TRect& dest, const QImage& source);
    void transfer(const TRect& dest, const QImage& src, const TRect& srcRect, std::optional<TColor> key);
    void drawTextLine(int x, int y, const QString& text, int escapement, int underlineIndex);
    // Rows the clip can touch: shapes compute spans only for these.
    int clipTop() const;
    int clipBottom() const;

    QImage& m_image;
    TPen m_pen;
    TBrush m_brush;
    ::Font m_font;
    TColor m_backgroundColor = clWhite;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
    FillMode m_polyFillMode = FillMode::Alternate;
    TPoint m_penPos;
    // The clip's spans, kept only while it is narrower than the image: most canvases never clip, and the
    // spans of a whole image are a row each.
    Region m_clip;
    bool m_clipIsImage = true;
    std::vector<std::size_t> m_clipRowStart;  // index of each row's first clip span, one entry per row + 1
    QRegion m_clipQRegion;
    TRect m_clipBounds;
    int m_dashPos = 0;
    bool m_recordingPath = false;
    std::optional<QPainterPath> m_path;
};

// A copy of image (as premultiplied ARGB32) with every pixel of exactly the key colour made fully
// transparent, so that a colour-keyed face can be handed to Qt with whatever lies behind showing through.
QImage ColorKeyedImage(const QImage& image, TColor key);
