#pragma once

#include "platform/change.h"
#include "platform/color.h"

// One colour set of a glossy button: its bevel colours and its face, solid or a two-colour gradient.
// Every change notifies the owning button, which repaints.
class TShineBtnColors : public ChangeNotify {
public:
    TShineBtnColors() = default;
    explicit TShineBtnColors(TColor color) : m_color(color) {}

    TColor Highlight() const { return m_highlight; }
    void SetHighlight(TColor value);
    TColor Shadow() const { return m_shadow; }
    void SetShadow(TColor value);
    TColor DarkShadow() const { return m_darkShadow; }
    void SetDarkShadow(TColor value);
    TColor GradColor() const { return m_gradColor; }
    void SetGradColor(TColor value);
    bool GradVertical() const { return m_gradVertical; }
    void SetGradVertical(bool value);
    bool Gradation() const { return m_gradation; }
    void SetGradation(bool value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);

    // Copies all seven values and notifies once.
    void Assign(const TShineBtnColors& source);

private:
    TColor m_highlight = clBtnHighlight;
    TColor m_shadow = clBtnShadow;
    TColor m_darkShadow = clWindowFrame;
    TColor m_gradColor = clBlue;
    bool m_gradVertical = false;
    bool m_gradation = false;
    TColor m_color = clBtnFace;
};
