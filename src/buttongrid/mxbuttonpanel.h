#pragma once

#include <QImage>
#include <functional>

#include "buttongrid/mxbevel.h"
#include "buttongrid/mxbuttonitems.h"
#include "buttongrid/mxbuttonstyle.h"
#include "buttongrid/mxcustomcontrol.h"
#include "buttongrid/mxfillobject.h"
#include "buttongrid/mxgridlayout.h"
#include "platform/color.h"

class Canvas;
class TMxSpeedButton;

// A panel that lays out its buttons row by row in equal cells, sizes itself to fit them exactly, paints
// its background from its fill object inside a bevel, and reports every button click with its index.
class TMxButtonPanel : public TMxCustomControl {
    Q_OBJECT

public:
    using TMxBtnClickEvent = std::function<void(TMxButtonPanel* Sender, TMxSpeedButton* SendBtn, int Btn)>;

    explicit TMxButtonPanel(QWidget* parent = nullptr);
    ~TMxButtonPanel() override;

    TMxSpecialButtons& Buttons() { return m_buttons; }
    const TMxSpecialButtons& Buttons() const { return m_buttons; }
    // Replaces the items with copies of value's.
    void SetButtons(const TMxSpecialButtons& value) { m_buttons.Assign(value); }
    int ButtonHeight() const { return m_buttonHeight; }
    // Cell sizes below 1 are taken as 1: the layout divides by them.
    void SetButtonHeight(int value);
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int value);
    TMxUserButtonStyle ButtonStyle() const { return m_buttonStyle; }
    // Restyles every existing button; buttons added later keep their own default.
    void SetButtonStyle(TMxUserButtonStyle value);
    const TMxBtnClickEvent& OnButtonClick() const { return m_onButtonClick; }
    // Takes effect at the next layout, which routes the buttons' clicks here.
    void SetOnButtonClick(TMxBtnClickEvent handler) { m_onButtonClick = std::move(handler); }
    TMxBevel& Bevel() { return m_bevel; }
    const TMxBevel& Bevel() const { return m_bevel; }
    TMxFillObject& FillObject() { return m_fill; }
    const TMxFillObject& FillObject() const { return m_fill; }
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    // A transparent panel keeps no back bitmap and shows its parent's instead.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    // Appends an item and returns its index.
    int AddButton();
    TMxSpecialButton& InsertButton(int index);
    bool GetEmpty() const { return m_buttons.Count() == 0; }

    // The button a keyboard cursor stands on, which assistive technology hears of as focused; -1 for none.
    int FocusedButton() const { return m_focusedButton; }
    void SetFocusedButton(int index);

    // Between BeginLoading and Loaded the panel is being set up as a whole: no layout, no rendering, no
    // painting. Loaded renders the back bitmap once and lays out.
    void BeginLoading() { m_loading = true; }
    void Loaded();
    bool Loading() const { return m_loading; }

    // Places every button in the grid and resizes the panel to fit it.
    void LayoutButtons();
    TMxGridLayout CurrentLayout() const;

    const QImage* BackBitmap() const override;
    // How many times the back bitmap has been rendered.
    int BackRenderCount() const { return m_backRenders; }
    // Paints the background and the bevel, clipped by the caller to `dirty`.
    void Paint(Canvas& canvas, const TRect& dirty) const;
    int PaintCount() const { return m_paintCount; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // A owned object (fill, bevel) or, with no sender, a cell size changed.
    void GetChange(TMxObject* sender);
    void sizeChanged();
    // Renders the fill into the back bitmap; unforced, a fill that does not depend on the size is only
    // rendered again when the panel outgrew the bitmap.
    void CreateBack(bool force);
    void buttonClick(TMxSpeedButton* button);
    // The click handler the panel gives each button; a button that holds the panel's already keeps it.
    struct ForwardClick {
        TMxButtonPanel* panel;
        void operator()(TMxSpeedButton* sender) const { panel->buttonClick(sender); }
    };

    TMxSpecialButtons m_buttons;
    int m_buttonHeight = 20;
    int m_buttonWidth = 20;
    TMxUserButtonStyle m_buttonStyle = TMxUserButtonStyle::ubsAutoDetect;
    TMxBtnClickEvent m_onButtonClick;
    TMxBevel m_bevel;
    TMxFillObject m_fill;
    TColor m_color = clBtnFace;
    bool m_flat = false;
    bool m_transparent = false;
    bool m_loading = false;
    bool m_destroying = false;
    int m_focusedButton = -1;
    QImage m_back;
    int m_backRenders = 0;
    int m_sizeChanges = 0;
    int m_paintCount = 0;
};
