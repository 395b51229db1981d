#include "buttongrid/mxbuttonpanel.h"

#include <gtest/gtest.h>

#include <vector>

#include "buttongrid/mxspeedbutton.h"

namespace {

using enum TMxUserButtonStyle;

TEST(MxButtonPanel, NewPanelDefaults) {
    TMxButtonPanel panel;
    EXPECT_EQ(panel.ButtonWidth(), 20);
    EXPECT_EQ(panel.ButtonHeight(), 20);
    EXPECT_EQ(panel.ButtonStyle(), ubsAutoDetect);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_EQ(panel.FillObject().Style(), TMxFillStyle::sfNone);
    EXPECT_TRUE(panel.GetEmpty());
    EXPECT_EQ(panel.BackBitmap(), nullptr);
}

TEST(MxButtonPanel, NoItemsMakeTheSmallestPanel) {
    TMxButtonPanel panel;
    panel.resize(300, 200);
    panel.Bevel().SetStyleOuter(TMxBevelStyle::bvNormal);
    EXPECT_EQ(panel.size(), QSize(22, 22));
}

TEST(MxButtonPanel, FewItemsNarrowThePanelAndAWiderCellWidensIt) {
    TMxButtonPanel panel;
    panel.BeginLoading();
    panel.resize(300, 200);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(panel.AddButton(), i);
    panel.Loaded();
    EXPECT_EQ(panel.size(), QSize(80, 20));
    // The width now holds two 30-pixel cells.
    panel.SetButtonWidth(30);
    EXPECT_EQ(panel.size(), QSize(60, 40));
    EXPECT_EQ(panel.Buttons()[3].Btn()->geometry(), QRect(30, 20, 30, 20));
}

TEST(MxButtonPanel, CellSizeBelowOneIsTakenAsOne) {
    TMxButtonPanel panel;
    panel.AddButton();
    panel.SetButtonWidth(0);
    panel.SetButtonHeight(-5);
    EXPECT_EQ(panel.ButtonWidth(), 1);
    EXPECT_EQ(panel.ButtonHeight(), 1);
    EXPECT_EQ(panel.size(), QSize(1, 1));
}

TEST(MxButtonPanel, LoadingHoldsTheLayoutUntilLoaded) {
    TMxButtonPanel panel;
    panel.BeginLoading();
    panel.resize(100, 100);
    for (int i = 0; i < 3; ++i) panel.AddButton();
    EXPECT_EQ(panel.size(), QSize(100, 100));
    EXPECT_EQ(panel.Buttons()[2].Btn()->geometry(), QRect(0, 0, 23, 22));
    panel.Loaded();
    EXPECT_EQ(panel.size(), QSize(60, 20));
    EXPECT_EQ(panel.Buttons()[2].Btn()->geometry(), QRect(40, 0, 20, 20));
}

TEST(MxButtonPanel, ItemClicksGoToTheItemUntilALayoutHooksTheDispatcher) {
    TMxButtonPanel panel;
    for (int i = 0; i < 3; ++i) panel.AddButton();
    std::vector<int> itemClicks;
    panel.Buttons()[1].SetOnClick([&](TMxSpecialButton*, int index) { itemClicks.push_back(index); });
    std::vector<int> panelClicks;
    panel.SetOnButtonClick([&](TMxButtonPanel*, TMxSpeedButton*, int btn) { panelClicks.push_back(btn); });
    panel.Buttons()[1].Btn()->Click();
    EXPECT_EQ(itemClicks, std::vector<int>{1});
    EXPECT_TRUE(panelClicks.empty());
    panel.LayoutButtons();
    panel.Buttons()[1].Btn()->Click();
    EXPECT_EQ(itemClicks, std::vector<int>{1});
    EXPECT_EQ(panelClicks, std::vector<int>{1});
    // A handler put on a button since gives way to the dispatcher again at the next layout.
    panel.Buttons()[1].Btn()->SetOnClick([](TMxSpeedButton*) {});
    panel.LayoutButtons();
    panel.Buttons()[1].Btn()->Click();
    EXPECT_EQ(panelClicks, (std::vector<int>{1, 1}));
}

TEST(MxButtonPanel, BtnIsTheIndexAtCreationNotAfterInsertion) {
    TMxButtonPanel panel;
    std::vector<int> reported;
    panel.SetOnButtonClick([&](TMxButtonPanel*, TMxSpeedButton*, int btn) { reported.push_back(btn); });
    for (int i = 0; i < 3; ++i) panel.AddButton();
    TMxSpecialButton& inserted = panel.InsertButton(0);
    EXPECT_EQ(inserted.Index(), 0);
    EXPECT_EQ(panel.Buttons()[1].Index(), 1);
    inserted.Btn()->Click();
    panel.Buttons()[1].Btn()->Click();
    EXPECT_EQ(reported, (std::vector<int>{3, 0}));
    EXPECT_EQ(inserted.Btn()->geometry().topLeft(), QPoint(0, 0));
}

TEST(MxButtonPanel, ItemValuesReachTheirButton) {
    TMxButtonPanel panel;
    TMxSpecialButton& item = panel.Buttons()[panel.AddButton()];
    item.SetCaption(QStringLiteral("┃"));
    item.SetHint(QStringLiteral(" 開く"));
    item.SetEnabled(false);
    item.SetGroupIndex(2);
    EXPECT_EQ(item.Btn()->Caption(), QStringLiteral("┃"));
    EXPECT_EQ(item.Btn()->Hint(), QStringLiteral(" 開く"));
    EXPECT_FALSE(item.Btn()->Enabled());
    EXPECT_EQ(item.Btn()->GroupIndex(), 2);

    EXPECT_TRUE(item.ParentFont());
    Font font;
    font.SetHeight(-20);
    item.SetFont(font);
    EXPECT_FALSE(item.ParentFont());
    EXPECT_EQ(item.Btn()->Font().Height(), -20);
}

TEST(MxButtonPanel, ParentFontFollowsThePanel) {
    TMxButtonPanel panel;
    panel.AddButton();
    panel.AddButton();
    Font own;
    own.SetHeight(-15);
    panel.Buttons()[0].SetFont(own);
    Font panelFont;
    panelFont.SetHeight(-12);
    panel.SetFont(panelFont);
    EXPECT_EQ(panel.Buttons()[0].Btn()->Font().Height(), -15);
    EXPECT_EQ(panel.Buttons()[1].Btn()->Font().Height(), -12);
}

TEST(MxButtonPanel, AssignCopiesEveryItem) {
    TMxButtonPanel source;
    source.AddButton();
    source.AddButton();
    source.Buttons()[1].SetCaption(QStringLiteral("╋"));
    source.Buttons()[1].SetCursor(crHandPoint);
    TMxButtonPanel target;
    target.AddButton();
    target.SetButtons(source.Buttons());
    ASSERT_EQ(target.Buttons().Count(), 2);
    EXPECT_EQ(target.Buttons()[1].Caption(), QStringLiteral("╋"));
    EXPECT_EQ(target.Buttons()[1].Btn()->Caption(), QStringLiteral("╋"));
    EXPECT_EQ(target.Buttons()[1].Cursor(), crHandPoint);
}

TEST(MxButtonPanel, TransparentPanelKeepsNoBackBitmap) {
    TMxButtonPanel panel;
    panel.AddButton();
    panel.FillObject().SetStyle(TMxFillStyle::sfGradient);
    ASSERT_NE(panel.BackBitmap(), nullptr);
    panel.SetTransparent(true);
    EXPECT_EQ(panel.BackBitmap(), nullptr);
}

TEST(MxButtonPanel, PixelsTheFillLeavesShowThePanelColour) {
    TMxButtonPanel panel;
    panel.SetColor(clRed);
    panel.AddButton();
    panel.FillObject().SetBrush(TMxBrush{clBlue, TMxBrushStyle::bsClear});
    panel.FillObject().SetStyle(TMxFillStyle::sfBrush);
    const QImage* back = panel.BackBitmap();
    ASSERT_NE(back, nullptr);
    for (int y = 0; y < back->height(); ++y)
        for (int x = 0; x < back->width(); ++x)
            ASSERT_EQ(back->pixel(x, y), qRgb(255, 0, 0)) << x << ',' << y;
}

TEST(MxButtonPanel, DeletingItemsRemovesTheirButtons) {
    TMxButtonPanel panel;
    for (int i = 0; i < 3; ++i) panel.AddButton();
    panel.Buttons().Delete(1);
    EXPECT_EQ(panel.findChildren<TMxSpeedButton*>().size(), 2);
    // Added one by one to a hidden panel, the items stand in one column.
    EXPECT_EQ(panel.size(), QSize(20, 40));
    panel.Buttons().Delete(7);
    EXPECT_EQ(panel.Buttons().Count(), 2);
}

}  // namespace
