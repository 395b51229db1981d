#include "app/palettelabel.h"

#include "app/glyphs.h"
#include "widgets/dxflabel.h"

void SetUpPaletteLabel(TdxfLabel& label, int k) {
    label.SetColor(clBlack);
    ::Font& font = label.Font();
    font.SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    font.SetCharset(SHIFTJIS_CHARSET);
    font.SetHeight(-133);
    font.SetStyle({FontStyle::Bold});
    // Lime for the first glyph, red rising by 25 a label, yellow for the last.
    font.SetColor(k == 11 ? clYellow : RGB(25 * (k - 1), 255, 0));
    label.SetCaption(GlyphCaption(static_cast<Glyph>(k)));
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfTop);
    label.Effect3D().SetDepth(12);
    label.Effect3D().SetShadowedColor(clSilver);
}
