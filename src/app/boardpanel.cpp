#include "app/boardpanel.h"

#include "app/boardfile.h"
#include "app/glyphs.h"
#include "app/layoutfont.h"

namespace {

::Font boardFont(int height) {
    return LayoutFont(QStringLiteral("ＭＳ Ｐゴシック"), height, clWindowText);
}

}  // namespace

TMxButtonPanel* CreateBoardPanel(QWidget* parent, TMxButtonPanel::TMxBtnClickEvent onButtonClick) {
    auto* panel = new TMxButtonPanel(parent);
    panel->setObjectName(QStringLiteral("MultiButton1"));
    panel->BeginLoading();
    panel->setGeometry(34, 78, 542, 272);
    // The form's font, which the cells from 299 on follow.
    panel->SetFont(boardFont(-12));

    const Font cellFont = boardFont(-15);
    for (int i = 0; i < kCellCount; ++i) {
        TMxSpecialButton& item = panel->Buttons().Add();
        item.SetCursor(crDefault);
        if (i < kBoardLargeFontCells) item.SetFont(cellFont);
    }

    panel->SetButtonHeight(18);
    panel->SetButtonWidth(18);
    panel->SetButtonStyle(TMxUserButtonStyle::ubsExplorer);
    panel->SetColor(clWhite);

    TMxBevel& bevel = panel->Bevel();
    bevel.SetStyleOuter(TMxBevelStyle::bvNormal);
    bevel.SetBorderSides({});
    bevel.SetMode(TMxBevelMode::bmCustom);

    TMxFillObject& fill = panel->FillObject();
    fill.SetStyle(TMxFillStyle::sfGradient);
    TMxGradient& gradient = fill.Gradient();
    gradient.SetColor(kNewBoardGradientColor);
    gradient.SetEndColor(clWhite);
    gradient.SetColorCount(236);
    gradient.SetStyle(TMxGradientStyle::gstElliptic);

    panel->SetOnButtonClick(std::move(onButtonClick));
    panel->Loaded();
    return panel;
}
