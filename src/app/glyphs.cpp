#include "app/glyphs.h"

#include <array>

namespace {

struct GlyphRow {
    char16_t caption;
    char code;
    const char* sound;
    int paletteLabel;  // 0: none
};

// In glyph-code order; sounds and palette labels follow the full cycle, which ends with the blank.
constexpr std::array<GlyphRow, kGlyphCount> kGlyphTable{{
    {u'　', '0', "chma11.wav", 0},
    {u'┏', '1', "chma00.wav", 1},
    {u'┓', '2', "chma01.wav", 2},
    {u'┗', '3', "chma02.wav", 3},
    {u'┛', '4', "chma03.wav", 4},
    {u'┃', '5', "chma04.wav", 5},
    {u'┣', '6', "chma05.wav", 6},
    {u'┫', '7', "chma06.wav", 7},
    {u'━', '8', "chma07.wav", 8},
    {u'┳', '9', "chma08.wav", 9},
    {u'┻', 'a', "chma09.wav", 10},
    {u'╋', 'b', "chma10.wav", 11},
}};

const GlyphRow& rowOf(Glyph glyph) {
    return kGlyphTable[static_cast<std::size_t>(glyph)];
}

}  // namespace

QString GlyphCaption(Glyph glyph) {
    return QString(QChar(rowOf(glyph).caption));
}

char GlyphCode(Glyph glyph) {
    return rowOf(glyph).code;
}

QString GlyphSound(Glyph glyph) {
    return QString::fromLatin1(rowOf(glyph).sound);
}

std::optional<int> GlyphPaletteLabel(Glyph glyph) {
    const int label = rowOf(glyph).paletteLabel;
    if (label == 0) return std::nullopt;
    return label;
}

std::optional<Glyph> GlyphOfCaption(const QString& caption) {
    if (caption.size() != 1) return std::nullopt;
    for (std::size_t i = 0; i < kGlyphTable.size(); ++i) {
        if (caption.front().unicode() == kGlyphTable[i].caption) return static_cast<Glyph>(i);
    }
    return std::nullopt;
}

std::optional<Glyph> GlyphOfCode(QChar code) {
    for (std::size_t i = 0; i < kGlyphTable.size(); ++i) {
        if (code.unicode() == static_cast<char16_t>(kGlyphTable[i].code)) return static_cast<Glyph>(i);
    }
    return std::nullopt;
}
