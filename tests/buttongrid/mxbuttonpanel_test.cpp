#include "buttongrid/mxbuttonpanel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <memory>
#include <vector>

#include "buttongrid/mxboardpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/canvas.h"

namespace {

using enum TMxUserButtonStyle;

struct Report {
    TMxButtonPanel* sender;
    TMxSpeedButton* button;
    int index;
};

class MxBoardPanelTest : public testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->setGeometry(0, 0, 632, 446);
        // The pointer rests beside the board, so showing the host makes no cell hot.
        QCursor::setPos(QPoint(620, 440));
        board = CreateBoardPanel(host.get(), [this](TMxButtonPanel* s, TMxSpeedButton* b, int i) {
            reports.push_back({s, b, i});
        });
    }

    TMxSpeedButton* cell(int i) { return board->Buttons()[i].Btn(); }

    std::unique_ptr<QWidget> host;
    TMxButtonPanel* board = nullptr;
    std::vector<Report> reports;
};

TEST_F(MxBoardPanelTest, BoardHasTheFormsSettings) {
    EXPECT_EQ(board->objectName(), QStringLiteral("MultiButton1"));
    EXPECT_EQ(board->geometry(), QRect(34, 78, 542, 272));
    EXPECT_EQ(board->Buttons().Count(), 450);
    EXPECT_EQ(board->ButtonWidth(), 18);
    EXPECT_EQ(board->ButtonHeight(), 18);
    EXPECT_EQ(board->ButtonStyle(), ubsExplorer);
    EXPECT_EQ(board->Color(), clWhite);
    EXPECT_EQ(board->Bevel().Extent(), 1);
    const TMxGradient& g = board->FillObject().Gradient();
    EXPECT_EQ(board->FillObject().Style(), TMxFillStyle::sfGradient);
    EXPECT_EQ(g.Color(), TColor(8454143));
    EXPECT_EQ(g.EndColor(), clWhite);
    EXPECT_EQ(g.ColorCount(), 236);
    EXPECT_EQ(g.Style(), TMxGradientStyle::gstElliptic);
    EXPECT_FALSE(board->Loading());
}

TEST_F(MxBoardPanelTest, EveryCellSitsInItsGridPlaceWithItsIndexAsTag) {
    for (int i = 0; i < 450; ++i) {
        const TMxSpeedButton* b = cell(i);
        ASSERT_EQ(b->geometry(), QRect(1 + 18 * (i % 30), 1 + 18 * (i / 30), 18, 18)) << i;
        ASSERT_EQ(b->Tag(), i);
        ASSERT_EQ(b->Style(), ubsExplorer);
        ASSERT_EQ(board->Buttons()[i].Cursor(), crDefault);
    }
}

TEST_F(MxBoardPanelTest, CellFontsAreFifteenPixelsUpToCell298AndTwelveAfter) {
    for (int i = 0; i < 450; ++i) {
        const Font& f = cell(i)->Font();
        ASSERT_EQ(f.Height(), i < 299 ? -15 : -12) << i;
        ASSERT_EQ(f.Name(), QStringLiteral("ＭＳ Ｐゴシック"));
        ASSERT_EQ(f.Charset(), SHIFTJIS_CHARSET);
        ASSERT_EQ(f.Color(), clWindowText);
    }
}

TEST_F(MxBoardPanelTest, BackBitmapIsRenderedOnceAtTheFullSize) {
    EXPECT_EQ(board->BackRenderCount(), 1);
    ASSERT_NE(board->BackBitmap(), nullptr);
    EXPECT_EQ(board->BackBitmap()->size(), QSize(542, 272));
    host->show();
    QCoreApplication::processEvents();
    board->repaint();
    EXPECT_EQ(board->BackRenderCount(), 1);
}

TEST_F(MxBoardPanelTest, BackBitmapCentreHoldsTheStartColour) {
    Canvas canvas(const_cast<QImage&>(*board->BackBitmap()));
    EXPECT_EQ(canvas.Pixel(270, 135), RGB(255, 255, 128));
    EXPECT_EQ(canvas.Pixel(541, 271).value & 0xFFFF, 0xFFFFu);
}

TEST_F(MxBoardPanelTest, ClickReportsThePanelTheButtonAndItsIndex) {
    cell(37)->Click();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].sender, board);
    EXPECT_EQ(reports[0].button, cell(37));
    EXPECT_EQ(reports[0].index, 37);
}

TEST_F(MxBoardPanelTest, ClearedHandlerSilencesTheDispatcher) {
    board->SetOnButtonClick({});
    cell(3)->Click();
    EXPECT_TRUE(reports.empty());
}

TEST_F(MxBoardPanelTest, StyleChangeRestylesEveryCellAndAnEqualOneNothing) {
    board->SetButtonStyle(ubsAutoDetect);
    for (int i = 0; i < 450; ++i) ASSERT_EQ(cell(i)->Style(), ubsAutoDetect);
    board->Buttons()[5].Btn()->SetStyle(ubsFlat);
    board->SetButtonStyle(ubsAutoDetect);
    EXPECT_EQ(cell(5)->Style(), ubsFlat);
    board->SetButtonStyle(ubsExplorer);
    EXPECT_EQ(cell(5)->Style(), ubsExplorer);
}

TEST_F(MxBoardPanelTest, ButtonAddedLaterKeepsItsOwnStyle) {
    board->AddButton();
    EXPECT_EQ(cell(450)->Style(), ubsAutoDetect);
    EXPECT_EQ(board->height(), 16 * 18 + 2);
}

TEST_F(MxBoardPanelTest, GradientChangeRendersAgainAndRepaintsEveryCell) {
    host->show();
    QCoreApplication::processEvents();
    std::vector<int> before;
    for (int i = 0; i < 450; ++i) before.push_back(cell(i)->PaintCount());
    board->FillObject().Gradient().SetStyle(TMxGradientStyle::gstHorizontal);
    EXPECT_EQ(board->BackRenderCount(), 2);
    QCoreApplication::processEvents();
    for (int i = 0; i < 450; ++i) ASSERT_GT(cell(i)->PaintCount(), before[static_cast<std::size_t>(i)]) << i;
    board->FillObject().Gradient().SetStyle(TMxGradientStyle::gstHorizontal);
    EXPECT_EQ(board->BackRenderCount(), 2);
}

TEST_F(MxBoardPanelTest, ExplorerCellShowsTheBackBitmapUnderItself) {
    QImage image(18, 18, QImage::Format_RGB32);
    Canvas canvas(image);
    cell(31)->Paint(canvas);
    const QImage& back = *board->BackBitmap();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_EQ(image.pixel(x, y), back.pixel(19 + x, 19 + y)) << x << ", " << y;
}

TEST_F(MxBoardPanelTest, HoveringACellRepaintsThatCellAlone) {
    host->show();
    QCoreApplication::processEvents();
    const int panelPaints = board->PaintCount();
    std::vector<int> before;
    for (int i = 0; i < 450; ++i) before.push_back(cell(i)->PaintCount());
    cell(40)->MouseEnter();
    cell(40)->MouseExit();
    cell(41)->MouseEnter();
    QCoreApplication::processEvents();
    EXPECT_EQ(board->PaintCount(), panelPaints);
    for (int i = 0; i < 450; ++i) {
        const int expected = i == 40 ? 2 : i == 41 ? 1 : 0;
        ASSERT_EQ(cell(i)->PaintCount() - before[static_cast<std::size_t>(i)], expected) << i;
    }
}

TEST_F(MxBoardPanelTest, GridLookHoverRepaintsNothingAtAll) {
    board->SetButtonStyle(ubsAutoDetect);
    host->show();
    QCoreApplication::processEvents();
    const int panelPaints = board->PaintCount();
    const int cellPaints = cell(40)->PaintCount();
    cell(40)->MouseEnter();
    cell(40)->MouseExit();
    QCoreApplication::processEvents();
    EXPECT_EQ(board->PaintCount(), panelPaints);
    EXPECT_EQ(cell(40)->PaintCount(), cellPaints);
}

TEST_F(MxBoardPanelTest, PanelPaintTouchesOnlyTheDirtyRectangle) {
    QImage surface(542, 272, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    Canvas canvas(surface);
    const TRect dirty = Rect(100, 0, 140, 30);
    canvas.SetClipRect(dirty);
    board->Paint(canvas, dirty);
    const QImage& back = *board->BackBitmap();
    for (int y = 0; y < 272; y += 3) {
        for (int x = 0; x < 542; x += 3) {
            const QRgb p = surface.pixel(x, y);
            if (!dirty.Contains({x, y})) {
                ASSERT_EQ(p, QColor(Qt::magenta).rgb()) << x << ", " << y;
            } else if (y == 0) {
                ASSERT_EQ(p & 0xFFFFFF, 0u) << "bevel at " << x;
            } else {
                ASSERT_EQ(p, back.pixel(x, y)) << x << ", " << y;
            }
        }
    }
}

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
        for (int x = 0; x < back->width(); ++x) ASSERT_EQ(back->pixel(x, y), qRgb(255, 0, 0)) << x << ',' << y;
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
