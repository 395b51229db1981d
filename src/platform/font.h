#pragma once

#include "platform/change.h"
#include "platform/color.h"
#include "platform/flagset.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <unordered_map>

enum class FontStyle { Bold, Italic, Underline, StrikeOut };
using FontStyles = FlagSet<FontStyle>;

// Character sets as the stored layout names them; kept with the font, never used for drawing.
constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;

// Screen resolution that every size in points is converted at.
constexpr int kPixelsPerInch = 96;

// The Windows font name mapped to the family installed here ("ＭＳ Ｐゴシック" → "IPAPGothic" and so on);
// any other name comes back unchanged.
QString SubstituteFontFamily(const QString& windowsName);

// A logical font in the platform's terms. The stored layout keeps Windows font names; ToQFont maps them.
//
// Height: negative is the character (em) height in pixels, positive the cell height (ascent + descent),
// 0 the default height. Size is in points at 96 pixels per inch: Size = -MulDiv(Height, 72, 96), and
// SetSize(s) sets Height = -MulDiv(s, 96, 72).
//
// Change notification: setting a property to a different value (or an Assign that changes anything)
// notifies once. The handler belongs to this object: a copy starts without one, and assignment keeps the
// target's own handler.
class Font : public ChangeNotify {
public:
    Font() = default;
    Font(const Font& other);
    // Same as Assign: the values are copied, the handler stays.
    Font& operator=(const Font& other);

    const QString& Name() const { return m_name; }
    void SetName(const QString& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    FontStyles Style() const { return m_style; }
    void SetStyle(FontStyles style);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Charset() const { return m_charset; }
    void SetCharset(int charset);
    // Tenths of a degree, counter-clockwise; only the canvas's text output reads it.
    int Escapement() const { return m_escapement; }
    void SetEscapement(int tenthsOfDegree);

    // Copies every value from source; notifies once when anything changed.
    void Assign(const Font& source);

    // The Qt font to draw with: substituted family (with a Japanese sans or serif fallback, then Qt's
    // default), pixel size from Height, no antialiasing so that colour keys hold. Escapement is left to
    // the canvas.
    QFont ToQFont() const;

    // Values only; the handler takes no part.
    friend bool operator==(const Font& a, const Font& b);

private:
    QFont makeQFont() const;

    QString m_name = QStringLiteral("MS Sans Serif");
    int m_height = -11;
    FontStyles m_style;
    TColor m_color = clWindowText;
    int m_charset = DEFAULT_CHARSET;
    int m_escapement = 0;
};

// Something made from a logical font's Qt font (and a text), kept per call site and thread (as Qt's fonts
// are): drawing asks for the same few fonts and captions over and over, and resolving a font or laying text
// out is the dear part of it. The key is what ToQFont makes the Qt font from.
template <typename Value, typename MakeFn>
Value KeptPerFont(const Font& font, const QString& text, MakeFn&& make) {
    struct Key {
        QString name;
        int height;
        FontStyles style;
        QString text;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Key& k) const {
            return qHashMulti(0, k.name, k.height, k.style.bits(), k.text);
        }
    };
    constexpr std::size_t kKept = 1024;
    thread_local std::unordered_map<Key, Value, Hash> kept;
    Key key{font.Name(), font.Height(), font.Style(), text};
    if (const auto found = kept.find(key); found != kept.end()) return found->second;
    if (kept.size() >= kKept) kept.clear();
    return kept.emplace(std::move(key), make()).first->second;
}
