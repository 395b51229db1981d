#include <gtest/gtest.h>

#include <QWidget>
#include <optional>

#include "platform/hintmanager.h"
#include "support/pixels.h"
#include "widgets/newhint.h"

namespace {

// A TAppHint in the main window's settings and a control with a hint.
class AppHintTest : public ::testing::Test {
protected:
    void SetUp() override {
        hints().CancelHint();
        hints().PointerAt(nullptr, {});
        appHint.emplace();
        appHint->SetBrush({clLime, BrushStyle::Solid});
        appHint->Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
        appHint->Font().SetCharset(SHIFTJIS_CHARSET);
        appHint->Font().SetHeight(-16);
        appHint->Font().SetColor(clWhite);
        appHint->SetHintPause(500);
        appHint->SetHintHidePause(2500);
        appHint->SetHintShortPause(0);
        appHint->SetHintStyle(THintStyle::hsRoundRect);
        appHint->SetPen({clWhite, 1, PenStyle::Solid});
        appHint->SetShadowColor(clGray);
        appHint->Loaded();
        control.setToolTip(QStringLiteral(" 開く"));
    }
    void TearDown() override {
        hints().CancelHint();
        hints().PointerAt(nullptr, {});
        appHint.reset();
    }
    static HintManager& hints() { return HintManager::Instance(); }
    // The hint of control, shown with the pointer at (100, 100).
    THintEx& showHint() {
        hints().CancelHint();
        hints().PointerAt(nullptr, {});
        hints().PointerAt(&control, {100, 100});
        hints().TimerExpired();
        return dynamic_cast<THintEx&>(*hints().CurrentHintWindow());
    }

    std::optional<TAppHint> appHint;
    QWidget control;
};

int countOf(const QImage& face, TColor colour) {
    int n = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            n += qAlpha(face.pixel(x, y)) == 255 && At(face, x, y) == colour;
    return n;
}

TEST_F(AppHintTest, MainWindowHintIsALimeRoundedBoxWithShadowedWhiteText) {
    EXPECT_EQ(hints().HintPause(), 500);
    EXPECT_EQ(hints().HintHidePause(), 2500);
    EXPECT_EQ(hints().HintShortPause(), 0);
    hints().PointerAt(&control, {100, 100});
    EXPECT_EQ(hints().TimerInterval(), 500);
    hints().TimerExpired();
    auto& window = dynamic_cast<THintEx&>(*hints().CurrentHintWindow());
    // Eight pixels above where the hint would go below the pointer.
    EXPECT_EQ(window.geometry().topLeft(), QPoint(100, 100 + HintManager::kCursorHeight - 8));

    const QImage face = window.Render();
    const int w = window.HintRect().Width();
    const int h = window.HintRect().Height();
    EXPECT_EQ(At(face, w / 2, 0), clWhite);
    EXPECT_EQ(At(face, 0, h / 2), clWhite);
    EXPECT_EQ(At(face, w / 2, h - 1), clWhite);
    EXPECT_EQ(At(face, 3, 3), clLime);
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0);  // the rounded corner is cut off
    int shadow = 0;
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            if (At(face, x, y) != clGray) continue;
            ++shadow;
            EXPECT_EQ(At(face, x - 1, y - 1), clWhite) << x << ',' << y;
        }
    }
    EXPECT_GT(shadow, 0);

    EXPECT_EQ(hints().TimerInterval(), 2500);
    hints().TimerExpired();
    EXPECT_FALSE(hints().HintShowing());
}

TEST_F(AppHintTest, ShadowPassesOnlyWhenVisible) {
    for (const bool visible : {true, false}) {
        appHint->SetShadowVisible(visible);
        const QImage face = showHint().Render();
        EXPECT_EQ(countOf(face, clGray) > 0, visible) << visible;
        EXPECT_GT(countOf(face, clWhite), 0) << visible;
    }
}

// The styles are switched on one running TAppHint: each takes effect at the next hint.
TEST_F(AppHintTest, EachStyleShapesTheNextHint) {
    struct Row {
        THintStyle style;
        int wider;
        int taller;
    };
    const Row rows[] = {
        {THintStyle::hsLineString, 21, 12},
        {THintStyle::hsFukidashi, 0, 9},
        {THintStyle::hsOwnerDraw, 0, 0},
        {THintStyle::hsRoundRect, 0, 0},
    };
    QSize painted;
    appHint->SetOnPaint(
        [&](const QString&, Canvas&, int width, int height) { painted = QSize(width, height); });
    for (const Row& row : rows) {
        appHint->SetHintStyle(row.style);
        THintEx& window = showHint();
        const TRect text = window.CalcHintRect(10000, QStringLiteral(" 開く"));
        const TRect rect = window.HintRect();
        EXPECT_EQ(rect.Width(), text.Width() + row.wider) << static_cast<int>(row.style);
        EXPECT_EQ(rect.Height(), text.Height() + row.taller) << static_cast<int>(row.style);
        EXPECT_EQ(window.width(), rect.Width()) << static_cast<int>(row.style);
        const QImage face = window.Render();
        const int w = rect.Width();
        const int h = rect.Height();
        switch (row.style) {
            case THintStyle::hsLineString:
                EXPECT_EQ(At(face, 1, 1), clWhite);          // the leader starts here
                EXPECT_EQ(At(face, w - 2, h - 2), clWhite);  // and runs under the text
                EXPECT_EQ(qAlpha(face.pixel(w - 2, 2)), 0);  // no background anywhere else
                EXPECT_EQ(qAlpha(face.pixel(w - 3, h / 2)), 0);
                break;
            case THintStyle::hsFukidashi:
                EXPECT_EQ(
                    window.OutlinePoints(),
                    (std::vector<TPoint>{
                        {14, 0}, {9, 9}, {0, 9}, {0, h - 1}, {w - 1, h - 1}, {w - 1, 9}, {13, 9}, {13, 0}}));
                EXPECT_EQ(At(face, 13, 3), clWhite);     // the tail's outline
                EXPECT_EQ(qAlpha(face.pixel(2, 2)), 0);  // beside the tail
                break;
            case THintStyle::hsOwnerDraw:
                EXPECT_EQ(painted, window.size());
                EXPECT_TRUE(window.WindowRegion().IsEmpty());
                break;
            case THintStyle::hsRoundRect:
                EXPECT_EQ(At(face, w / 2, 0), clWhite);
                break;
        }
    }
}

// A destroyed TAppHint no longer moves hints: its handlers go with it.
TEST_F(AppHintTest, HandlersGoWithTheAppHint) {
    int shown = 0;
    appHint->SetOnShowHint([&](QString&, bool&, THintInfo&) { ++shown; });
    EXPECT_EQ(showHint().geometry().top(), 100 + HintManager::kCursorHeight - 8);
    appHint.reset();
    EXPECT_EQ(showHint().geometry().top(), 100 + HintManager::kCursorHeight);
    EXPECT_EQ(shown, 1);
}

TEST(HintExTest, PaintsNothingOfItsOwnWithoutAnAppHint) {
    ASSERT_EQ(TAppHint::Instance(), nullptr);
    THintEx window;
    window.ActivateHint(Rect(0, 0, 40, 20), QStringLiteral(" 開く"));
    const QImage face = window.Render();
    window.hide();
    int erased = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (qAlpha(face.pixel(x, y)) == 0) continue;
            EXPECT_EQ(face.pixel(x, y), ToQRgb(clInfoBk)) << x << ',' << y;
            ++erased;
        }
    }
    EXPECT_GT(erased, 0);
}

}  // namespace
