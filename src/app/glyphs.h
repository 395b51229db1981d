#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The board: 450 cells, 30 columns by 15 rows; cell index = row * 30 + column, row 0 at the top.
constexpr int kBoardColumns = 30;
constexpr int kBoardRows = 15;
constexpr int kCellCount = kBoardColumns * kBoardRows;

// The twelve glyphs a cell can hold, in the order of their glyph codes: the blank first, then the eleven
// heavy box-drawing glyphs.
enum class Glyph {
    Blank,           // "　" U+3000
    DownRight,       // "┏"
    DownLeft,        // "┓"
    UpRight,         // "┗"
    UpLeft,          // "┛"
    Vertical,        // "┃"
    VerticalRight,   // "┣"
    VerticalLeft,    // "┫"
    Horizontal,      // "━"
    DownHorizontal,  // "┳"
    UpHorizontal,    // "┻"
    Cross,           // "╋"
};
constexpr int kGlyphCount = 12;

// The caption a cell shows for the glyph: one full-width character.
QString GlyphCaption(Glyph glyph);
// The glyph's one-character code in the board string: '0' … '9', 'a', 'b'.
char GlyphCode(Glyph glyph);
// The glyph's sound file, a bare name: "chma00.wav" for "┏" … "chma10.wav" for "╋", "chma11.wav" for the
// blank.
QString GlyphSound(Glyph glyph);
// The number n of the palette label dxfLabel<n> that shows the glyph (1 for "┏" … 11 for "╋"); the blank has
// none.
std::optional<int> GlyphPaletteLabel(Glyph glyph);

// The glyph whose caption equals the text as a whole; none for any other text.
std::optional<Glyph> GlyphOfCaption(const QString& caption);
// The glyph whose code is exactly this character (lower case only: 'A' is no code); none otherwise.
std::optional<Glyph> GlyphOfCode(QChar code);
