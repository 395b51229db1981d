#include "app/boardpanel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QObject>
#include <memory>
#include <vector>

#include "buttongrid/mxcustomcontrol.h"
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

// Hears the back-changed notifications a cell receives, with the size of the panel's back bitmap then.
class BackChangeListener : public QObject {
public:
    explicit BackChangeListener(const TMxButtonPanel& panel) : m_panel(panel) {}
    std::vector<QSize> backSizes;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == MxBackChangedEvent()) backSizes.push_back(m_panel.BackBitmap()->size());
        return false;
    }

private:
    const TMxButtonPanel& m_panel;
};

TEST_F(MxBoardPanelTest, ResizingAShownBoardRendersTheBackFirstAndThenTellsEveryCell) {
    host->show();
    QCoreApplication::processEvents();
    std::vector<std::unique_ptr<BackChangeListener>> listeners;
    for (int i = 0; i < 450; ++i) {
        listeners.push_back(std::make_unique<BackChangeListener>(*board));
        cell(i)->installEventFilter(listeners.back().get());
    }
    const int renders = board->BackRenderCount();
    // Taller than the 15 rows need: the back is rendered at that size, then the layout shrinks it again.
    board->resize(542, 300);
    EXPECT_EQ(board->size(), QSize(542, 272));
    EXPECT_EQ(board->BackBitmap()->size(), QSize(542, 272));
    EXPECT_GT(board->BackRenderCount(), renders);
    for (int i = 0; i < 450; ++i) {
        const std::vector<QSize>& seen = listeners[static_cast<std::size_t>(i)]->backSizes;
        ASSERT_FALSE(seen.empty()) << i;
        ASSERT_EQ(seen.front(), QSize(542, 300)) << i;
        ASSERT_EQ(seen.back(), QSize(542, 272)) << i;
    }
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

}  // namespace
