#pragma once

#include <QString>
#include <vector>

#include "platform/font.h"

// Logical fonts asked for in turn, each differing from the one before in one of the values a Qt font is
// made from, then the first again: what is kept per font must follow every change.
struct FontInTurn {
    const char16_t* name;
    int height;
    FontStyles style;
    const char* family;  // the family the name stands for

    ::Font Make() const {
        ::Font font;
        font.SetName(QString::fromUtf16(name));
        font.SetHeight(height);
        font.SetStyle(style);
        font.SetColor(clBlack);
        return font;
    }
};

inline const std::vector<FontInTurn>& FontsInTurn() {
    static const std::vector<FontInTurn> fonts = {
        {u"ＭＳ Ｐゴシック", -16, {}, "IPAPGothic"}, {u"ＭＳ Ｐ明朝", -16, {}, "IPAPMincho"},
        {u"ＭＳ Ｐ明朝", -24, {}, "IPAPMincho"},     {u"ＭＳ Ｐ明朝", -24, {FontStyle::Italic}, "IPAPMincho"},
        {u"ＭＳ Ｐゴシック", -16, {}, "IPAPGothic"},
    };
    return fonts;
}
