// The pointer's place comes from the window system's own events while it is over one of the program's
// windows, and from the window system anywhere else.
#include <gtest/gtest.h>

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "platform/pointerpos.h"

namespace {

class PointerPosTest : public testing::Test {
protected:
    void TearDown() override { leave(); }
    void leave() {
        QEvent e(QEvent::Leave);
        NotePointerEvent(&window, &e);
    }

    QWindow window;
    QWidget widget;
};

TEST_F(PointerPosTest, EventsToTheWindowsTellWhereThePointerIsUntilItLeaves) {
    const QPoint asked(7, 9);
    QCursor::setPos(asked);
    struct Step {
        QEvent::Type type;
        bool toWindow;
        QPoint at;
        QPoint expected;
    };
    const std::vector<Step> steps = {
        {QEvent::Leave, true, {}, asked},
        {QEvent::Enter, true, {100, 50}, {100, 50}},
        {QEvent::MouseMove, true, {101, 52}, {101, 52}},
        // A widget's events are the window's, passed on: they tell nothing new.
        {QEvent::MouseMove, false, {300, 300}, {101, 52}},
        {QEvent::MouseButtonPress, true, {120, 60}, {120, 60}},
        // Held, the pointer is followed past the window's edge.
        {QEvent::MouseMove, true, {-40, 700}, {-40, 700}},
        {QEvent::MouseButtonRelease, true, {-41, 701}, {-41, 701}},
        {QEvent::Leave, true, {}, asked},
        {QEvent::MouseMove, false, {5, 5}, asked},
    };
    for (const Step& step : steps) {
        QObject* receiver = step.toWindow ? static_cast<QObject*>(&window) : &widget;
        const QPointF at(step.at);
        if (step.type == QEvent::Enter) {
            QEnterEvent e(at, at, at);
            NotePointerEvent(receiver, &e);
        } else if (step.type == QEvent::Leave) {
            leave();
        } else {
            const Qt::MouseButton button = step.type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent e(step.type, at, at, button, button, Qt::NoModifier);
            NotePointerEvent(receiver, &e);
        }
        EXPECT_EQ(PointerPos(), step.expected)
            << "after event " << step.type << " at " << step.at.x() << "," << step.at.y();
    }
}

}  // namespace
