#include "buttongrid/mxspeedbutton.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/hintmanager.h"
#include "support/events.h"
#include "support/pixels.h"

namespace {

using enum TMxButtonState;
using enum TMxUserButtonStyle;

// Two 18-pixel cells side by side on a shown host, as on the board.
class MxSpeedButtonTest : public testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(60, 30);
        a = new TMxSpeedButton(host.get());
        b = new TMxSpeedButton(host.get());
        a->setGeometry(0, 0, 18, 18);
        b->setGeometry(18, 0, 18, 18);
        for (TMxSpeedButton* btn : {a, b})
            btn->SetOnClick([this](TMxSpeedButton* s) { clicks.push_back(s); });
        // The pointer stays off the buttons unless a test puts it there, so showing enters none of them.
        host->move(200, 200);
        QCursor::setPos(QPoint(250, 225));
        host->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(a->State(), bsUp);
        ASSERT_EQ(b->State(), bsUp);
    }

    void pointerOver(TMxSpeedButton* btn, QPoint local = {9, 9}) { QCursor::setPos(btn->mapToGlobal(local)); }

    // What the host hands a button, as it would for that pointer event.
    static void send(TMxSpeedButton* btn, QEvent::Type type, QPoint local,
                     Qt::MouseButton button = Qt::LeftButton) {
        if (type == QEvent::MouseButtonPress)
            btn->PointerPress(button, local);
        else if (type == QEvent::MouseMove)
            btn->PointerMove(local);
        else
            btn->PointerRelease(button, local);
    }
    static void enter(TMxSpeedButton* btn) { btn->PointerEnter(); }
    static void leave(TMxSpeedButton* btn) { btn->PointerLeave(); }

    std::unique_ptr<QWidget> host;
    TMxSpeedButton* a = nullptr;
    TMxSpeedButton* b = nullptr;
    std::vector<TMxSpeedButton*> clicks;
};

TEST_F(MxSpeedButtonTest, ExplorerStylesAreTransparentAndExplorerIsUncoloured) {
    a->SetStyle(ubsExplorer);
    EXPECT_TRUE(a->Transparent());
    EXPECT_TRUE(a->UnColored());
    a->SetStyle(ubsExplorerColored);
    EXPECT_TRUE(a->Transparent());
    EXPECT_FALSE(a->UnColored());
    a->SetStyle(ubsAutoDetect);
    EXPECT_FALSE(a->Transparent());
}

TEST_F(MxSpeedButtonTest, PressOnOneCellAndReleaseOnAnotherFiresNoClick) {
    a->SetStyle(ubsExplorer);
    b->SetStyle(ubsExplorer);
    enter(a);
    send(a, QEvent::MouseButtonPress, {9, 9});
    EXPECT_EQ(a->State(), bsDown);
    // The pointer goes over b; a keeps the capture and hears the move and the release.
    send(a, QEvent::MouseMove, {27, 9});
    EXPECT_EQ(a->State(), bsUp);
    send(a, QEvent::MouseButtonRelease, {27, 9});
    leave(a);
    enter(b);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_FALSE(a->Tracking());
    EXPECT_EQ(b->State(), bsMouseOver);
}

TEST_F(MxSpeedButtonTest, HoverEntersAndLeaves) {
    a->SetStyle(ubsExplorer);
    enter(a);
    EXPECT_TRUE(a->MouseInside());
    EXPECT_EQ(a->State(), bsMouseOver);
    EXPECT_EQ(a->PreviousState(), bsUp);
    EXPECT_TRUE(a->HoverTimerActive());
    leave(a);
    EXPECT_FALSE(a->MouseInside());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_FALSE(a->HoverTimerActive());
}

TEST_F(MxSpeedButtonTest, NoHotStateWithoutMouseOverOrWhenDisabled) {
    a->SetAllowMouseOver(false);
    enter(a);
    EXPECT_EQ(a->State(), bsUp);
    b->SetEnabled(false);
    enter(b);
    EXPECT_EQ(b->State(), bsDisabledUp);
}

TEST_F(MxSpeedButtonTest, ExplorerFiresTheClickBeforeItSetsTheState) {
    a->SetStyle(ubsExplorer);
    std::vector<TMxButtonState> seen;
    a->SetOnClick([&](TMxSpeedButton* s) { seen.push_back(s->State()); });
    pointerOver(a);
    enter(a);
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseButtonRelease, {9, 9});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], bsDown);
    EXPECT_EQ(a->State(), bsMouseOver);
}

TEST_F(MxSpeedButtonTest, ExplorerSettlesWherethePointerIsAfterTheClick) {
    a->SetStyle(ubsExplorer);
    enter(a);
    send(a, QEvent::MouseButtonPress, {9, 9});
    // The click handler moved the pointer away, so a fresh check finds it outside.
    a->SetOnClick([this](TMxSpeedButton*) { QCursor::setPos(host->mapToGlobal(QPoint(50, 25))); });
    send(a, QEvent::MouseButtonRelease, {9, 9});
    EXPECT_EQ(a->State(), bsUp);
}

TEST_F(MxSpeedButtonTest, AClickThatRemovesTheButtonEndsItsRelease) {
    a->SetStyle(ubsExplorer);
    a->SetOnClick([](TMxSpeedButton* s) { delete s; });
    a->MouseDown(Qt::LeftButton, 9, 9);
    a->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_EQ(host->findChildren<TMxSpeedButton*>().size(), 1);
}

TEST_F(MxSpeedButtonTest, AHandlerMayReplaceItselfWhileItRuns) {
    int first = 0;
    int second = 0;
    a->SetOnClick([&](TMxSpeedButton* s) {
        s->SetOnClick([&](TMxSpeedButton*) { ++second; });
        ++first;
    });
    a->Click();
    a->Click();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST_F(MxSpeedButtonTest, ColouredStylesTurnHotBeforeTheClick) {
    for (TMxUserButtonStyle style : {ubsAutoDetect, ubsExplorerColored, ubsFlat}) {
        a->SetStyle(style);
        std::vector<TMxButtonState> seen;
        a->SetOnClick([&](TMxSpeedButton* s) { seen.push_back(s->State()); });
        enter(a);
        send(a, QEvent::MouseButtonPress, {9, 9});
        send(a, QEvent::MouseButtonRelease, {9, 9});
        ASSERT_EQ(seen.size(), 1u) << static_cast<int>(style);
        EXPECT_EQ(seen[0], bsMouseOver) << static_cast<int>(style);
        leave(a);
        EXPECT_EQ(a->State(), bsUp);
    }
}

TEST_F(MxSpeedButtonTest, ExplorerCellShowsItsNewCaptionWhileStillPressed) {
    a->SetStyle(ubsExplorer);
    int paintsInHandler = -1;
    a->SetOnClick([&](TMxSpeedButton* s) {
        const int before = s->PaintCount();
        s->SetCaption(QStringLiteral("┏"));
        paintsInHandler = s->PaintCount() - before;
    });
    enter(a);
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseButtonRelease, {9, 9});
    EXPECT_EQ(paintsInHandler, 1);
}

TEST_F(MxSpeedButtonTest, ReleaseCountsTheLineBelowButNotTheColumnRightOfTheButton) {
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseButtonRelease, {9, 18});
    EXPECT_EQ(clicks.size(), 1u);
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseButtonRelease, {18, 9});
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(a->State(), bsUp);
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseButtonRelease, {-1, 9});
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(MxSpeedButtonTest, MovesCountBothLinesJustBeyondTheButton) {
    send(a, QEvent::MouseButtonPress, {9, 9});
    send(a, QEvent::MouseMove, {18, 18});
    EXPECT_EQ(a->State(), bsDown);
    send(a, QEvent::MouseMove, {19, 9});
    EXPECT_EQ(a->State(), bsUp);
    send(a, QEvent::MouseMove, {9, 19});
    EXPECT_EQ(a->State(), bsUp);
    send(a, QEvent::MouseMove, {0, 0});
    EXPECT_EQ(a->State(), bsDown);
}

TEST_F(MxSpeedButtonTest, OnlyTheLeftButtonPresses) {
    send(a, QEvent::MouseButtonPress, {9, 9}, Qt::RightButton);
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_FALSE(a->Tracking());
    send(a, QEvent::MouseButtonRelease, {9, 9}, Qt::RightButton);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MxSpeedButtonTest, DisabledButtonIgnoresPressesAndShowsTheDisabledStates) {
    a->SetEnabled(false);
    EXPECT_EQ(a->State(), bsDisabledUp);
    a->MouseDown(Qt::LeftButton, 9, 9);
    a->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(a->State(), bsDisabledUp);
    a->SetEnabled(true);
    EXPECT_EQ(a->State(), bsUp);
}

TEST_F(MxSpeedButtonTest, HoverTimerDropsAHotButtonWhosePointerHasGone) {
    a->SetStyle(ubsExplorer);
    pointerOver(a);
    enter(a);
    a->VerifyMouseOver();
    EXPECT_EQ(a->State(), bsMouseOver);
    // The leave notification never comes: the hover timer's own check notices.
    QCursor::setPos(host->mapToGlobal(QPoint(50, 25)));
    EXPECT_TRUE(RunEventsUntil([&] { return a->State() == bsUp; }, 5000));
    EXPECT_FALSE(a->MouseInside());
    EXPECT_FALSE(a->HoverTimerActive());
}

TEST_F(MxSpeedButtonTest, HoverTimerRunsOnlyWhileHot) {
    enter(a);
    EXPECT_TRUE(a->HoverTimerActive());
    send(a, QEvent::MouseButtonPress, {9, 9});
    EXPECT_FALSE(a->HoverTimerActive());
    send(a, QEvent::MouseButtonRelease, {9, 9});
    EXPECT_EQ(a->State(), bsMouseOver);
    EXPECT_TRUE(a->HoverTimerActive());
}

TEST_F(MxSpeedButtonTest, GridLookRepaintsNothingOnHoverButPressAndReleaseDo) {
    a->SetStyle(ubsAutoDetect);
    QCoreApplication::processEvents();
    const int before = a->PaintCount();
    enter(a);
    leave(a);
    enter(a);
    EXPECT_EQ(a->PaintCount(), before);
    send(a, QEvent::MouseButtonPress, {9, 9});
    EXPECT_EQ(a->PaintCount(), before + 1);
    send(a, QEvent::MouseButtonRelease, {9, 9});
    EXPECT_EQ(a->PaintCount(), before + 2);
}

TEST_F(MxSpeedButtonTest, ExplorerWithoutABackBitmapWaitsForThePaintCycle) {
    // The host offers no back bitmap, so a see-through face is only invalidated.
    a->SetStyle(ubsExplorer);
    b->SetStyle(ubsExplorer);
    QCoreApplication::processEvents();
    const int beforeA = a->PaintCount();
    const int beforeB = b->PaintCount();
    enter(a);
    EXPECT_EQ(a->PaintCount(), beforeA);
    QCoreApplication::processEvents();
    EXPECT_EQ(a->PaintCount(), beforeA + 1);
    leave(a);
    QCoreApplication::processEvents();
    EXPECT_EQ(a->PaintCount(), beforeA + 2);
    EXPECT_EQ(b->PaintCount(), beforeB);
}

TEST_F(MxSpeedButtonTest, GroupedButtonsLatchAndReleaseEachOther) {
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->MouseDown(Qt::LeftButton, 9, 9);
    a->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_TRUE(a->Pressed());
    a->MouseExit();
    EXPECT_EQ(a->State(), bsOptionSet);
    b->MouseDown(Qt::LeftButton, 9, 9);
    b->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_TRUE(b->Pressed());
    EXPECT_FALSE(a->Pressed());
    EXPECT_EQ(a->State(), bsUp);
    // Without AllowAllUp a latched button stays latched when clicked again.
    b->MouseDown(Qt::LeftButton, 9, 9);
    b->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_TRUE(b->Pressed());
    b->SetAllowAllUp(true);
    b->MouseDown(Qt::LeftButton, 9, 9);
    b->MouseUp(Qt::LeftButton, 9, 9);
    EXPECT_FALSE(b->Pressed());
}

// Bounding box of the black pixels inside the caption area of a face.
TRect ink(const QImage& image) {
    TRect box{99, 99, -1, -1};
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0) continue;
            box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                   std::max(box.Bottom, y + 1)};
        }
    }
    return box;
}

TEST_F(MxSpeedButtonTest, PressedCaptionMovesOnePixelRightAndDown) {
    for (TMxUserButtonStyle style : {ubsExplorer, ubsAutoDetect}) {
        a->SetStyle(style);
        a->SetCaption(QStringLiteral("╋"));
        const TRect up = ink(FaceOf(*a));
        ASSERT_FALSE(up.IsEmpty());
        a->MouseDown(Qt::LeftButton, 9, 9);
        EXPECT_EQ(ink(FaceOf(*a)), up.Offset(1, 1)) << static_cast<int>(style);
        a->MouseUp(Qt::LeftButton, 30, 9);
    }
}

TEST_F(MxSpeedButtonTest, CaptionIsCentredInTheCell) {
    a->SetStyle(ubsExplorer);
    a->SetCaption(QStringLiteral("╋"));
    const TRect box = ink(FaceOf(*a));
    // A cross is symmetric: its ink centre lies on the caption area's centre, one pixel on, give or take
    // the glyph's own rounding.
    const int cx2 = box.Left + box.Right;
    const int cy2 = box.Top + box.Bottom;
    EXPECT_NEAR(cx2, 2 * 9 + 2, 3);
    EXPECT_NEAR(cy2, 2 * 9 + 2, 3);
}

TEST_F(MxSpeedButtonTest, DisabledCaptionIsEmbossed) {
    a->SetCaption(QStringLiteral("━"));
    a->SetEnabled(false);
    const QImage image = FaceOf(*a);
    bool grey = false;
    bool white = false;
    for (int y = 2; y < 16; ++y) {
        for (int x = 2; x < 16; ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            grey |= p == 0x808080;
            white |= p == 0xFFFFFF;
            EXPECT_NE(p, 0u) << "no black ink on a disabled face";
        }
    }
    EXPECT_TRUE(grey);
    EXPECT_TRUE(white);
}

TEST_F(MxSpeedButtonTest, EnterColourAppliesOnlyWhileHotOrPressed) {
    a->SetStyle(ubsFlat);
    a->SetCaption(QStringLiteral("━"));
    a->SetEnterColor(clRed);
    a->SetEnterColorChange(true);
    auto hasRed = [&] {
        const QImage image = FaceOf(*a);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF0000) return true;
        return false;
    };
    EXPECT_FALSE(hasRed());
    a->MouseEnter();
    EXPECT_TRUE(hasRed());
}

TEST_F(MxSpeedButtonTest, RepeatedClickFiresOnPressThenAfterTheDelayAndEachIntervalWhileInside) {
    a->SetRepeatedClick(true);
    a->SetRepeatingDelay(300);
    a->SetRepeatingInterval(40);
    struct Step {
        QEvent::Type event;  // None: the repeat timer's tick
        QPoint at;
        std::size_t clicks;
        int wait;
    };
    const Step steps[] = {
        {QEvent::MouseButtonPress, {9, 9}, 1, 300}, {QEvent::None, {}, 2, 40},
        {QEvent::MouseMove, {30, 9}, 2, 40},        {QEvent::None, {}, 2, 40},
        {QEvent::MouseMove, {9, 9}, 2, 40},         {QEvent::None, {}, 3, 40},
        {QEvent::MouseButtonRelease, {9, 9}, 3, 0}, {QEvent::None, {}, 3, 0},
    };
    for (const Step& step : steps) {
        if (step.event == QEvent::None)
            a->DoRepeatedClick();
        else
            send(a, step.event, step.at);
        EXPECT_EQ(clicks.size(), step.clicks) << step.event;
        EXPECT_EQ(a->RepeatWait(), step.wait) << step.event;
    }
}

TEST_F(MxSpeedButtonTest, LeavingHidesTheHintUnlessHideHintIsOff) {
    HintManager& hints = HintManager::Instance();
    a->SetHint(QStringLiteral(" 開く"));
    for (const bool hide : {true, false}) {
        a->SetHideHint(hide);
        hints.PointerAtGraphic(host.get(), a, a->mapToGlobal(QPoint(9, 9)));
        hints.TimerExpired();
        leave(a);
        EXPECT_EQ(hints.HintShowing(), !hide);
        hints.CancelHint();
        hints.PointerAt(nullptr, {});
    }
}

TEST_F(MxSpeedButtonTest, MultiLineCaptionAlignsItsLinesInTheBlock) {
    a->resize(60, 40);
    a->SetStyle(ubsExplorer);
    a->SetCaption(QStringLiteral("━\n━━━"));
    a->SetMultiLine(true);
    // Left, centre, right: where the short first line sits against the long second one.
    for (const TMxAlignment alignment :
         {TMxAlignment::agCenterLeft, TMxAlignment::agCenter, TMxAlignment::agCenterRight}) {
        a->ButtonLayout().SetAlignment(alignment);
        const QImage image = FaceOf(*a);
        QRect lines[2];
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0) lines[y < 20 ? 0 : 1] |= QRect(x, y, 1, 1);
        ASSERT_GT(lines[1].width(), 2 * lines[0].width());
        const int column = static_cast<int>(alignment) % 3;
        const int spare = lines[1].width() - lines[0].width();
        EXPECT_NEAR(lines[0].left() - lines[1].left(), column * spare / 2, 1) << column;
    }
}

TEST_F(MxSpeedButtonTest, OwnFontStopsFollowingTheParent) {
    EXPECT_TRUE(a->ParentFont());
    Font font;
    font.SetHeight(-15);
    a->SetFont(font);
    EXPECT_FALSE(a->ParentFont());
    EXPECT_EQ(a->Font().Height(), -15);
}

}  // namespace

// Every button composes its face in one image that all buttons share: what each shows is its own face,
// whatever a button of another size, style or state left there before.
TEST_F(MxSpeedButtonTest, ShownFaceIsTheButtonsOwnAfterAnyOther) {
    struct Row {
        TMxUserButtonStyle style;
        const char* caption;
        QSize size;
        bool pressed;
    };
    const Row rows[] = {
        {ubsExplorer, "╋", {18, 18}, false}, {ubsAutoDetect, "┏", {40, 26}, true},
        {ubsExplorer, "", {18, 18}, true},   {ubsAutoDetect, "━", {12, 30}, false},
        {ubsExplorer, "┻", {18, 18}, false},
    };
    for (const Row& row : rows) {
        for (TMxSpeedButton* btn : {a, b}) {
            btn->SetStyle(row.style);
            btn->SetCaption(QString::fromUtf8(row.caption));
        }
        a->resize(row.size);
        if (row.pressed) a->MouseDown(Qt::LeftButton, 5, 5);
        // The other button first, at its own size, so the shared image holds its face.
        (void)host->grab(b->geometry());
        b->SetVisible(false);
        const QImage shown = host->grab(a->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        b->SetVisible(true);
        QImage onBlack(a->size(), QImage::Format_RGB32);
        onBlack.fill(Qt::black);
        {
            Canvas canvas(onBlack);
            a->Paint(canvas);
        }
        EXPECT_EQ(shown, FaceOf(*a)) << row.caption << " " << row.size.width();
        EXPECT_EQ(onBlack, FaceOf(*a)) << "the face covers every pixel: " << row.caption;
        if (row.pressed) a->MouseUp(Qt::LeftButton, 100, 100);
    }
}
