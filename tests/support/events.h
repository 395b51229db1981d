#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

// Runs the event loop until done() holds or ms milliseconds have passed, and says whether done() held.
template <typename Done>
bool RunEventsUntil(Done&& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Runs the event loop for ms milliseconds.
inline void RunEventsFor(int ms) {
    RunEventsUntil([] { return false; }, ms);
}
