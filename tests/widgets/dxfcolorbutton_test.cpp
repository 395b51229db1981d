#include "widgets/dxfcolorbutton.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <memory>
#include <vector>

namespace {

TEST(DxfColorButtonFace, LimeBeadOfTwelvePixelsShadesFromItsDarkColour) {
    QWidget host;
    TdxfColorButton b(&host);
    b.setGeometry(0, 0, 12, 12);
    b.SetColor(clLime);
    host.show();
    // 60 % of lime, truncated, outside the outermost ellipse.
    EXPECT_EQ(At(b.UpFace(), 0, 0), RGB(0, 153, 0));
    // R = 8, K = 9: the last ellipse drawn is i = 7 on (1, 1, 3, 3), 7/9 of the way to white.
    EXPECT_EQ(At(b.UpFace(), 2, 2), RGB(198, 232, 198));
    // The down face stops its dome early and sinks a dish lit from the lower right.
    EXPECT_NE(b.DownFace(), b.UpFace());
    EXPECT_EQ(b.mask(), b.BeadRegion().ToQRegion());
    EXPECT_FALSE(b.BeadRegion().Contains({0, 0}));
    EXPECT_TRUE(b.BeadRegion().Contains({6, 0}));
}

TEST(DxfColorButtonFace, TinyButtonsStillGetAFace) {
    for (int size : {1, 2, 3}) {
        QWidget host;
        TdxfColorButton b(&host);
        b.setGeometry(0, 0, size, size);
        b.SetColor(clLime);
        EXPECT_EQ(b.UpFace().size(), QSize(size, size));
    }
}

class DxfColorButtonTest : public testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(100, 30);
        for (int i = 0; i < 3; ++i) {
            auto* b = new TdxfColorButton(host.get());
            b->setGeometry(i * 20, 0, 12, 12);
            b->SetGroupIndex(9);
            b->SetOnClick([this, b] { clicks.push_back(b); });
            beads.push_back(b);
        }
        host->show();
    }

    static void mouse(TdxfColorButton* b, QEvent::Type type, QPoint local) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, b->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &e);
    }
    static void click(TdxfColorButton* b) {
        mouse(b, QEvent::MouseButtonPress, {6, 6});
        mouse(b, QEvent::MouseButtonRelease, {6, 6});
    }
    std::vector<bool> downs() const {
        std::vector<bool> out;
        for (TdxfColorButton* b : beads) out.push_back(b->Down());
        return out;
    }

    std::unique_ptr<QWidget> host;
    std::vector<TdxfColorButton*> beads;
    std::vector<TdxfColorButton*> clicks;
};

TEST_F(DxfColorButtonTest, ClickedGroupMemberStaysDownAndRaisesTheOthers) {
    click(beads[0]);
    EXPECT_EQ(downs(), (std::vector<bool>{true, false, false}));
    click(beads[2]);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(beads[0]->ShowDown());
    click(beads[2]);
    EXPECT_EQ(downs(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(clicks, (std::vector<TdxfColorButton*>{beads[0], beads[2], beads[2]}));
}

TEST_F(DxfColorButtonTest, DraggingOutPopsTheFaceUpAndBackInPressesItAgain) {
    TdxfColorButton* b = beads[1];
    mouse(b, QEvent::MouseButtonPress, {6, 6});
    b->MouseEnter();
    EXPECT_TRUE(b->ShowDown());
    mouse(b, QEvent::MouseMove, {30, 6});
    EXPECT_FALSE(b->ShowDown());
    mouse(b, QEvent::MouseMove, {6, 6});
    EXPECT_TRUE(b->ShowDown());
    mouse(b, QEvent::MouseMove, {30, 6});
    mouse(b, QEvent::MouseButtonRelease, {30, 6});
    // Released outside: no click, yet a grouped button is down after every release.
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(b->Down());
}

TEST_F(DxfColorButtonTest, UngroupedButtonNeverStaysDownAndDisabledOneIgnoresClicks) {
    TdxfColorButton* close = beads[0];
    close->SetGroupIndex(0);
    close->SetDown(true);
    EXPECT_FALSE(close->Down());
    mouse(close, QEvent::MouseButtonPress, {6, 6});
    EXPECT_TRUE(close->ShowDown());
    mouse(close, QEvent::MouseButtonRelease, {6, 6});
    EXPECT_FALSE(close->Down());
    EXPECT_FALSE(close->ShowDown());
    EXPECT_EQ(clicks.size(), 1u);

    beads[1]->setEnabled(false);
    click(beads[1]);
    EXPECT_FALSE(beads[1]->Down());
    EXPECT_EQ(clicks.size(), 1u);
}

}  // namespace
