#include "widgets/shinespdbtn.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QWidget>
#include <memory>

#include "platform/canvas.h"
#include "support/pixels.h"

namespace {

using enum TShineDrawState;

constexpr TColor kKey = clOlive;
constexpr TColor kA = RGB(100, 50, 200);
constexpr TColor kB = RGB(10, 20, 30);

// A 4 x 4 glyph on the key colour with two opaque pixels, A at (1, 1) and B at (2, 1).
QImage smallGlyph() {
    QImage g = Blank(4, 4, kKey);
    g.setPixel(1, 1, ToQRgb(kA));
    g.setPixel(2, 1, ToQRgb(kB));
    return g;
}

class ShineSpeedButtonTest : public testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(100, 40);
        a = new TShineSpeedButton(host.get());
        b = new TShineSpeedButton(host.get());
        a->setGeometry(0, 0, 40, 20);
        b->setGeometry(50, 0, 40, 20);
        for (TShineSpeedButton* btn : {a, b}) btn->SetOnClick([this, btn] { clicks.push_back(btn); });
        host->move(300, 300);
        QCursor::setPos(QPoint(10, 10));
        host->show();
        QCoreApplication::processEvents();
    }

    // What the host hands a button, as it would for that pointer event.
    static void mouse(TShineSpeedButton* btn, QEvent::Type type, QPoint local) {
        if (type == QEvent::MouseButtonPress)
            btn->PointerPress(Qt::LeftButton, local);
        else if (type == QEvent::MouseMove)
            btn->PointerMove(local);
        else
            btn->PointerRelease(Qt::LeftButton, local);
    }
    // Presses at (5, 5), then releases at `release`, where the pointer stays.
    static void click(TShineSpeedButton* btn, QPoint release = {5, 5}) {
        mouse(btn, QEvent::MouseButtonPress, {5, 5});
        QCursor::setPos(btn->mapToGlobal(release));
        mouse(btn, QEvent::MouseMove, release);
        mouse(btn, QEvent::MouseButtonRelease, release);
    }

    std::unique_ptr<QWidget> host;
    TShineSpeedButton* a = nullptr;
    TShineSpeedButton* b = nullptr;
    std::vector<TShineSpeedButton*> clicks;
};

TEST(ShineSpeedButtonFace, VerticalGradientRunsFromStartColourAtTheTopToEndColourAtTheBottom) {
    TShineSpeedButton b;
    b.resize(58, 16);
    b.SetUpFrame(false);
    b.Colors().SetColor(clLime);
    b.Colors().SetGradColor(clYellow);
    b.Colors().SetGradation(true);
    b.Colors().SetGradVertical(true);
    const QImage image = FaceOf(b);
    for (int x : {0, 29, 57}) {
        EXPECT_EQ(At(image, x, 0), clLime) << x;
        EXPECT_EQ(At(image, x, 15), clYellow) << x;
    }
    b.Colors().SetGradVertical(false);
    const QImage across = FaceOf(b);
    EXPECT_EQ(At(across, 0, 8), clLime);
    EXPECT_EQ(At(across, 57, 8), clYellow);
}

TEST(ShineSpeedButtonFace, FrameKindsInPressedAndOtherStatesLeaveOutEndPoints) {
    constexpr TColor H = clRed, S = clLime, D = clBlue, PD = clFuchsia, F = clWhite;
    constexpr int W = 20, Ht = 10;
    struct Row {
        TFrameType frame;
        bool pressed;
        TPoint p;
        TColor expected;
    };
    using enum TFrameType;
    const Row rows[] = {
        {ftFlatFrame, false, {0, 0}, H},
        {ftFlatFrame, false, {W - 1, Ht - 1}, S},
        {ftFlatFrame, false, {W - 1, 0}, F},
        {ftFlatFrame, false, {0, Ht - 1}, F},
        {ftFlatFrame, true, {0, 0}, S},
        {ftFlatFrame, true, {W - 1, Ht - 1}, H},
        {ftNormalFrame, false, {0, 0}, H},
        {ftNormalFrame, false, {W - 2, Ht - 2}, S},
        {ftNormalFrame, false, {W - 1, Ht - 1}, D},
        {ftNormalFrame, false, {0, Ht - 1}, F},
        {ftNormalFrame, false, {1, 1}, F},
        {ftNormalFrame, true, {0, 0}, PD},
        {ftNormalFrame, true, {1, 1}, S},
        {ftNormalFrame, true, {W - 1, Ht - 1}, H},
        {ftNormalFrame, true, {W - 1, 0}, F},
        {ftEnclosedFrame, false, {1, 1}, H},
        {ftEnclosedFrame, false, {W - 2, Ht - 2}, S},
        {ftEnclosedFrame, false, {0, 0}, D},
        {ftEnclosedFrame, true, {1, 1}, S},
        {ftEnclosedFrame, true, {W - 2, Ht - 2}, H},
        {ftEnclosedFrame, true, {W - 1, Ht - 1}, D},
    };
    for (const Row& row : rows) {
        QWidget host;
        TShineSpeedButton b(&host);
        b.resize(W, Ht);
        for (TShineBtnColors* set : {&b.Colors(), &b.PressedColors()}) {
            set->SetHighlight(H);
            set->SetShadow(S);
            set->SetDarkShadow(set == &b.Colors() ? D : PD);
            set->SetColor(F);
        }
        b.SetFrameType(row.frame);
        if (row.pressed) {
            b.SetGroupIndex(1);
            b.SetDown(true);
        }
        EXPECT_EQ(At(FaceOf(b), row.p.X, row.p.Y), row.expected)
            << static_cast<int>(row.frame) << " pressed " << row.pressed << " at " << row.p.X << ","
            << row.p.Y;
    }
}

TEST(ShineSpeedButtonFace, StateGlyphEffectsRecolourOpaquePixelsOnly) {
    constexpr TColor S = clYellow;
    struct Row {
        bool hot;
        int effect;
        TPoint p;
        TColor expected;
    };
    using AI = TActiveImageType;
    using DI = TDisabledImageType;
    const Row rows[] = {
        {true, int(AI::aiNormal), {1, 1}, kA},
        {true, int(AI::aiXorLight), {1, 1}, RGB(155, 205, 200)},
        {true, int(AI::aiHalfLight), {1, 1}, RGB(177, 152, 100)},
        {true, int(AI::aiQuaterLight), {1, 1}, RGB(216, 203, 50)},
        {true, int(AI::aiAddLight), {1, 1}, RGB(255, 255, 200)},
        {true, int(AI::aiFrameLight), {0, 1}, S},
        {true, int(AI::aiFrameLight), {0, 0}, kKey},
        {true, int(AI::aiFrameLight2), {0, 0}, S},
        {true, int(AI::aiFrameLight2), {0, 3}, kKey},
        {true, int(AI::aiMaskLight), {1, 1}, kA},
        {true, int(AI::aiMaskLight), {2, 1}, S},
        {false, int(DI::diGrayscale), {1, 1}, RGB(116, 116, 116)},
        {false, int(DI::diAlphaHalfTrans), {1, 1}, RGB(177, 152, 227)},
        {false, int(DI::diAlphaQuaterTrans), {1, 1}, RGB(216, 203, 241)},
        {false, int(DI::diMaskTrans), {2, 1}, kKey},
        {false, int(DI::diMaskTrans), {1, 1}, kA},
        {false, int(DI::diDefault), {0, 0}, clWhite},
        {false, int(DI::diDefault), {2, 1}, clWhite},
        {false, int(DI::diDefault), {0, 2}, clBlack},
        {false, int(DI::diDefault), {3, 0}, clBlack},
    };
    for (const Row& row : rows) {
        QWidget host;
        TShineSpeedButton b(&host);
        b.SetGlyph(smallGlyph());
        b.SetShineColor(S);
        b.Colors().SetColor(clWhite);
        if (row.hot) {
            b.SetActiveImage(static_cast<AI>(row.effect));
            b.MouseEnter({}, 0, 0);
        } else {
            b.SetDisabledImage(static_cast<DI>(row.effect));
            b.SetEnabled(false);
        }
        EXPECT_EQ(At(b.CreateStateGlyph(), row.p.X, row.p.Y), row.expected)
            << (row.hot ? "active " : "disabled ") << row.effect << " at " << row.p.X << "," << row.p.Y;
    }
}

TEST(ShineSpeedButtonFace, DisabledGlyphIsEmbossedOnItsEdges) {
    QWidget host;
    TShineSpeedButton b(&host);
    b.SetUpFrame(false);
    b.Colors().SetColor(clWhite);
    b.SetDisabledHighlight(clRed);
    b.SetDisabledShadow(clBlue);
    b.SetGlyph(smallGlyph());
    b.SetEnabled(false);
    const QImage image = FaceOf(b);
    // The 4 x 4 glyph sits at (10, 10); its edges are its top two rows' first three columns.
    EXPECT_EQ(At(image, 10, 10), clBlue);
    EXPECT_EQ(At(image, 12, 11), clBlue);
    EXPECT_EQ(At(image, 13, 12), clRed);
    EXPECT_EQ(At(image, 10, 12), clWhite);
    EXPECT_EQ(At(image, 13, 10), clWhite);
}

TEST(ShineSpeedButtonFace, PressedCaptionMovesOnePixelRightAndDown) {
    QWidget host;
    TShineSpeedButton b(&host);
    b.resize(58, 16);
    b.SetUpFrame(false);
    b.SetDownFrame(false);
    b.SetActiveFrame(false);
    b.PressedColors().SetColor(b.Colors().Color());
    b.SetActiveFont(b.Font());
    b.SetCaption(QStringLiteral("Load"));
    const auto ink = [&] {
        QRect box;
        const QImage image = FaceOf(b);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(image, x, y) == clBlack) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect up = ink();
    ASSERT_FALSE(up.isEmpty());
    b.MouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(ink(), up.translated(1, 1)) << "pressed by the mouse";
    b.MouseUp(Qt::LeftButton, {}, 100, 100);
    b.SetGroupIndex(1);
    b.SetDown(true);
    EXPECT_EQ(ink(), up.translated(1, 1)) << "latched down";
}

TEST(ShineSpeedButtonFace, LayoutsPlaceGlyphAndCaptionAsOneBlock) {
    struct Row {
        TButtonLayout layout;
        int margin;
        bool caption;
    };
    using enum TButtonLayout;
    const Row rows[] = {
        {blGlyphLeft, -1, true},   {blGlyphRight, -1, true}, {blGlyphTop, -1, true},
        {blGlyphBottom, -1, true}, {blGlyphLeft, 3, true},   {blGlyphRight, 3, true},
        {blGlyphTop, 3, true},     {blGlyphBottom, 3, true}, {blGlyphLeft, -1, false},
    };
    constexpr int CW = 80, CH = 60, GW = 4, GH = 4;
    for (const Row& row : rows) {
        TShineSpeedButton b;
        b.resize(CW, CH);
        b.SetGlyph(smallGlyph());
        b.SetCaption(row.caption ? QStringLiteral("Ab") : QString());
        b.SetLayout(row.layout);
        b.SetMargin(row.margin);
        QImage image(b.size(), QImage::Format_RGB32);
        Canvas canvas(image);
        canvas.SetFont(b.Font());
        TRect measured = Rect(0, 0, CW, 0);
        canvas.DrawText(QStringLiteral("Ab"), measured, DT_CALCRECT);
        const int tw = row.caption ? measured.Width() : 0, th = row.caption ? measured.Height() : 0;
        const int sp = row.caption ? 4 : 0;
        const bool across = row.layout == blGlyphLeft || row.layout == blGlyphRight;
        const int w = across ? GW + sp + tw : std::max(GW, tw);
        const int h = across ? std::max(GH, th) : GH + sp + th;
        int x0 = (CW - w) / 2, y0 = (CH - h) / 2;
        if (row.margin >= 0) {
            if (row.layout == blGlyphLeft) x0 = row.margin;
            if (row.layout == blGlyphRight) x0 = CW - w - row.margin;
            if (row.layout == blGlyphTop) y0 = row.margin;
            if (row.layout == blGlyphBottom) y0 = CH - h - row.margin;
        }
        TPoint glyph, text;
        switch (row.layout) {
            case blGlyphLeft:
                glyph = {x0, y0 + (h - GH) / 2}, text = {x0 + GW + sp, y0 + (h - th) / 2};
                break;
            case blGlyphRight:
                text = {x0, y0 + (h - th) / 2}, glyph = {x0 + tw + sp, y0 + (h - GH) / 2};
                break;
            case blGlyphTop:
                glyph = {x0 + (w - GW) / 2, y0}, text = {x0 + (w - tw) / 2, y0 + GH + sp};
                break;
            case blGlyphBottom:
                text = {x0 + (w - tw) / 2, y0}, glyph = {x0 + (w - GW) / 2, y0 + th + sp};
                break;
        }
        TPoint gotGlyph;
        TRect gotText;
        b.CalcDrawPosition(canvas, gotGlyph, gotText);
        const std::string what = std::to_string(int(row.layout)) + " margin " + std::to_string(row.margin);
        EXPECT_EQ(gotGlyph, glyph) << what;
        if (row.caption) {
            EXPECT_EQ(gotText, Bounds(text.X, text.Y, tw, th)) << what;
        }
    }
}

TEST_F(ShineSpeedButtonTest, ReleaseOutcomesByGroupAllowAllUpAndPlace) {
    struct Row {
        int group;
        bool allowAllUp;
        bool startDown;
        bool inside;
        bool down;
        int clicks;
        TShineDrawState state;
    };
    const Row rows[] = {
        {0, false, false, true, false, 1, sdHot},   {0, false, false, false, false, 0, sdUp},
        {1, false, true, true, true, 1, sdDownHot}, {1, true, true, true, false, 1, sdHot},
        {1, true, false, true, true, 1, sdDownHot}, {1, false, false, false, false, 0, sdUp},
        {1, false, true, false, true, 0, sdDown},
    };
    for (const Row& row : rows) {
        a->SetGroupIndex(row.group);
        a->SetAllowAllUp(row.allowAllUp);
        if (row.startDown) a->SetDown(true);
        clicks.clear();
        click(a, row.inside ? QPoint(5, 5) : QPoint(45, 30));
        const std::string what = "group " + std::to_string(row.group) + " allowAllUp " +
                                 std::to_string(row.allowAllUp) + " down " + std::to_string(row.startDown) +
                                 " inside " + std::to_string(row.inside);
        EXPECT_EQ(a->Down(), row.down) << what;
        EXPECT_EQ(clicks.size(), std::size_t(row.clicks)) << what;
        EXPECT_EQ(a->DrawState(), row.state) << what;
        EXPECT_FALSE(a->Tracking()) << what;
        // Back to a plain up button for the next row.
        a->SetEnabled(false);
        a->SetEnabled(true);
        a->SetGroupIndex(0);
    }
}

TEST_F(ShineSpeedButtonTest, GroupMembersReleaseEachOtherAndShareAllowAllUp) {
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->DrawState(), sdUp);
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    TShineSpeedButton loose(host.get());
    loose.SetDown(true);
    EXPECT_FALSE(loose.Down());
}

TEST_F(ShineSpeedButtonTest, HotStateFollowsThePointerAndTheTimerCatchesAMissedLeave) {
    QCursor::setPos(a->mapToGlobal(QPoint(5, 5)));
    a->UpdateTracking();
    EXPECT_EQ(a->DrawState(), sdHot);
    EXPECT_TRUE(a->LeaveTimerActive());
    QCursor::setPos(QPoint(10, 10));
    a->ActiveButtonTimerOnTimer();
    EXPECT_EQ(a->DrawState(), sdUp);
    EXPECT_FALSE(a->MouseInControl());
    a->ActiveButtonTimerOnTimer();
    EXPECT_FALSE(a->LeaveTimerActive());
}

}  // namespace
