// The pointer's place comes from the events of the program's own windows while it is over them, and from the
// window system anywhere else.
#include <gtest/gtest.h>

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "platform/pointerpos.h"

namespace {

TEST(PointerPosTest, TheWindowsEventsTellWhereThePointerIsUntilItLeavesThem) {
    const QPoint asked(7, 9);
    QCursor::setPos(asked);
    QWindow window;
    QWidget widget;
    const struct {
        QObject* receiver;
        QEvent::Type type;
        QPoint at;
        QPoint expected;
    } steps[] = {
        {&window, QEvent::Leave, {}, asked},
        {&window, QEvent::Enter, {100, 50}, {100, 50}},
        {&window, QEvent::MouseMove, {101, 52}, {101, 52}},
        // A widget's events are its window's, passed on: they tell nothing new.
        {&widget, QEvent::MouseMove, {300, 300}, {101, 52}},
        {&window, QEvent::MouseButtonPress, {120, 60}, {120, 60}},
        // Held, the pointer is followed past the window's edges.
        {&window, QEvent::MouseMove, {-40, 700}, {-40, 700}},
        {&window, QEvent::Leave, {}, asked},
        {&widget, QEvent::MouseMove, {5, 5}, asked},
    };
    for (const auto& step : steps) {
        // Made one at a time: mouse events of one device share their point until delivered.
        const QPointF at(step.at);
        if (step.type == QEvent::Leave) {
            QEvent e(step.type);
            NotePointerEvent(step.receiver, &e);
        } else if (step.type == QEvent::Enter) {
            QEnterEvent e(at, at, at);
            NotePointerEvent(step.receiver, &e);
        } else {
            QMouseEvent e(step.type, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            NotePointerEvent(step.receiver, &e);
        }
        EXPECT_EQ(PointerPos(), step.expected) << "after event " << step.type;
    }
}

}  // namespace
