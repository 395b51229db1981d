#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/hintmanager.h"

namespace {

class HintManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        HintManager& h = hints();
        h.CancelHint();
        h.PointerAt(nullptr, {});
        h.SetHintWindowClass([] { return std::make_unique<HintWindow>(); });
        h.SetShowHint(false);
        h.SetShowHint(true);
        h.SetHintPause(500);
        h.SetHintHidePause(2500);
        h.SetHintShortPause(0);
        h.SetOnShowHint({});
        a.setToolTip(QStringLiteral(" 開く"));
        b.setToolTip(QStringLiteral(" 保存"));
    }
    void TearDown() override {
        hints().CancelHint();
        hints().PointerAt(nullptr, {});
        hints().SetOnShowHint({});
    }
    static HintManager& hints() { return HintManager::Instance(); }
    QString shownText() const {
        HintWindow* window = hints().CurrentHintWindow();
        return hints().HintShowing() && window ? window->Caption() : QString();
    }

    QWidget a;
    QWidget b;
    QWidget* aChild = new QWidget(&a);
};

TEST_F(HintManagerTest, PausesDecideWhenHintsComeAndGo) {
    // One step of the pointer's (fire false) or the timer's, and what the hints look like afterwards.
    struct Step {
        const char* what;
        bool fire;
        QWidget* over;
        QString shown;
        int timer;  // interval of the pending timer, -1: none
    };
    const Step steps[] = {
        {"rest on a", false, &a, {}, 500},
        {"HintPause over", true, nullptr, QStringLiteral(" 開く"), 2500},
        {"HintHidePause over", true, nullptr, {}, 500},
        {"on to b at once", false, &b, {}, 0},
        {"short pause over", true, nullptr, QStringLiteral(" 保存"), 2500},
        {"back to a", false, &a, {}, 0},
        {"a shows", true, nullptr, QStringLiteral(" 開く"), 2500},
        {"off to nothing", false, nullptr, {}, 500},
        {"quick phase ends", true, nullptr, {}, -1},
        {"child of a", false, aChild, {}, 500},
        {"parent's hint", true, nullptr, QStringLiteral(" 開く"), 2500},
    };
    for (const Step& step : steps) {
        if (step.fire)
            hints().TimerExpired();
        else
            hints().PointerAt(step.over, {100, 100});
        EXPECT_EQ(shownText(), step.shown) << step.what;
        EXPECT_EQ(hints().TimerActive() ? hints().TimerInterval() : -1, step.timer) << step.what;
    }
}

TEST_F(HintManagerTest, HintGoesBelowThePointerUnlessTheHandlerMovesIt) {
    struct Row {
        int dy;
        bool canShow;
        bool shown;
        int top;
    };
    for (const Row& row : {Row{0, true, true, 120}, Row{-8, true, true, 112}, Row{0, false, false, 0}}) {
        hints().CancelHint();
        hints().PointerAt(nullptr, {});
        hints().SetOnShowHint([&](QString&, bool& canShow, THintInfo& info) {
            info.HintPos.ry() += row.dy;
            canShow = row.canShow;
        });
        hints().PointerAt(&a, {100, 100});
        hints().TimerExpired();
        EXPECT_EQ(hints().HintShowing(), row.shown) << row.dy;
        if (row.shown) {
            EXPECT_EQ(hints().CurrentHintWindow()->geometry().topLeft(), QPoint(100, row.top));
        }
    }
}

TEST_F(HintManagerTest, EventsOfTheWidgetsDriveTheHints) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(100, 100));
    QCoreApplication::sendEvent(&a, &enter);
    EXPECT_EQ(hints().HintControl(), &a);
    EXPECT_EQ(hints().TimerInterval(), 500);
    hints().TimerExpired();
    EXPECT_TRUE(hints().HintShowing());

    QHelpEvent qtTip(QEvent::ToolTip, QPoint(5, 5), QPoint(100, 100));
    EXPECT_TRUE(QCoreApplication::sendEvent(&a, &qtTip));

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(100, 100), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&a, &press);
    EXPECT_FALSE(hints().HintShowing());
    EXPECT_FALSE(hints().TimerActive());
}

TEST_F(HintManagerTest, ShowHintOffDropsTheWindowAndShowsNothing) {
    hints().PointerAt(&a, {100, 100});
    hints().TimerExpired();
    hints().SetShowHint(false);
    EXPECT_EQ(hints().CurrentHintWindow(), nullptr);
    hints().PointerAt(&b, {100, 100});
    EXPECT_FALSE(hints().TimerActive());
    hints().SetShowHint(true);
}

}  // namespace
