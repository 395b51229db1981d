#include "widgets/shinebtncolors.h"

void TShineBtnColors::SetHighlight(TColor value) {
    if (assignIfDiffers(m_highlight, value)) Changed();
}

void TShineBtnColors::SetShadow(TColor value) {
    if (assignIfDiffers(m_shadow, value)) Changed();
}

void TShineBtnColors::SetDarkShadow(TColor value) {
    if (assignIfDiffers(m_darkShadow, value)) Changed();
}

void TShineBtnColors::SetGradColor(TColor value) {
    if (assignIfDiffers(m_gradColor, value)) Changed();
}

void TShineBtnColors::SetGradVertical(bool value) {
    if (assignIfDiffers(m_gradVertical, value)) Changed();
}

void TShineBtnColors::SetGradation(bool value) {
    if (assignIfDiffers(m_gradation, value)) Changed();
}

void TShineBtnColors::SetColor(TColor value) {
    if (assignIfDiffers(m_color, value)) Changed();
}

void TShineBtnColors::Assign(const TShineBtnColors& source) {
    m_highlight = source.m_highlight;
    m_shadow = source.m_shadow;
    m_darkShadow = source.m_darkShadow;
    m_gradColor = source.m_gradColor;
    m_gradVertical = source.m_gradVertical;
    m_gradation = source.m_gradation;
    m_color = source.m_color;
    Changed();
}
