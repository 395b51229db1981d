#include "platform/font.h"

#include "platform/intmath.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <vector>

namespace {

struct Substitution {
    QString windowsName;
    QString family;
    QFont::StyleHint hint;
};

// The one table from the stored layout's Windows names to the metric-compatible IPA fonts.
const std::vector<Substitution>& substitutions() {
    static const std::vector<Substitution> table = {
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QFont::SansSerif},
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"), QFont::Serif},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QFont::SansSerif},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"), QFont::Serif},
    };
    return table;
}

const Substitution* findSubstitution(const QString& windowsName) {
    for (const Substitution& s : substitutions())
        if (s.windowsName == windowsName) return &s;
    return nullptr;
}

// Pixel size whose cell (ascent + descent) is the given height, found from the family's proportions.
int pixelSizeForCellHeight(QFont font, int cellHeight) {
    constexpr int kReference = 1000;
    font.setPixelSize(kReference);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell <= 0) return cellHeight;
    return std::max(1, static_cast<int>(std::lround(cellHeight * kReference / cell)));
}

}  // namespace

QString SubstituteFontFamily(const QString& windowsName) {
    const Substitution* s = findSubstitution(windowsName);
    return s ? s->family : windowsName;
}

Font::Font(const Font& other)
    : ChangeNotify(),
      m_name(other.m_name),
      m_height(other.m_height),
      m_style(other.m_style),
      m_color(other.m_color),
      m_charset(other.m_charset),
      m_escapement(other.m_escapement) {}

Font& Font::operator=(const Font& other) {
    Assign(other);
    return *this;
}

void Font::SetName(const QString& name) {
    if (assignIfDiffers(m_name, name)) Changed();
}

void Font::SetHeight(int height) {
    if (assignIfDiffers(m_height, height)) Changed();
}

int Font::Size() const {
    return -MulDiv(m_height, 72, kPixelsPerInch);
}

void Font::SetSize(int points) {
    SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void Font::SetStyle(FontStyles style) {
    if (assignIfDiffers(m_style, style)) Changed();
}

void Font::SetColor(TColor color) {
    if (assignIfDiffers(m_color, color)) Changed();
}

void Font::SetCharset(int charset) {
    if (assignIfDiffers(m_charset, charset)) Changed();
}

void Font::SetEscapement(int tenthsOfDegree) {
    if (assignIfDiffers(m_escapement, tenthsOfDegree)) Changed();
}

void Font::Assign(const Font& source) {
    if (&source == this || source == *this) return;
    m_name = source.m_name;
    m_height = source.m_height;
    m_style = source.m_style;
    m_color = source.m_color;
    m_charset = source.m_charset;
    m_escapement = source.m_escapement;
    Changed();
}

QFont Font::ToQFont() const {
    // A fresh QFont resolves its families again and finds its engine again on the first measure: copies of
    // one made before share both.
    return KeptPerFont<QFont>(*this, QString(), [this] { return makeQFont(); });
}

QFont Font::makeQFont() const {
    QFont font;
    const Substitution* s = findSubstitution(m_name);
    // Unknown names keep their own family; Qt falls back through the style hint to its default font.
    const QString family = s ? s->family : m_name;
    const QFont::StyleHint hint = s ? s->hint : QFont::SansSerif;
    const bool serif = hint == QFont::Serif;
    font.setFamilies({family, serif ? QStringLiteral("IPAMincho") : QStringLiteral("IPAGothic"),
                      serif ? QStringLiteral("serif") : QStringLiteral("sans-serif")});
    font.setStyleHint(hint, QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setBold(m_style.has(FontStyle::Bold));
    font.setItalic(m_style.has(FontStyle::Italic));
    font.setUnderline(m_style.has(FontStyle::Underline));
    font.setStrikeOut(m_style.has(FontStyle::StrikeOut));
    if (m_height < 0)
        font.setPixelSize(-m_height);
    else if (m_height > 0)
        font.setPixelSize(pixelSizeForCellHeight(font, m_height));
    else
        font.setPixelSize(MulDiv(8, kPixelsPerInch, 72));  // the platform's default: 8 points
    return font;
}

bool operator==(const Font& a, const Font& b) {
    return a.m_name == b.m_name && a.m_height == b.m_height && a.m_style == b.m_style &&
           a.m_color == b.m_color && a.m_charset == b.m_charset && a.m_escapement == b.m_escapement;
}
