#pragma once

#include <QPoint>

class QEvent;
class QObject;

// Where the pointer is on the screen, as the platform's GetCursorPos tells it. While the pointer is over one
// of the program's windows, each of its moves reaches the program, so the last one tells where it is; asking
// the window system is a round trip, which a check every 100 ms would pay for as long as the pointer rests on
// a button. Anywhere else the window system is asked.
QPoint PointerPos();

// Takes note of the pointer from an event about to be delivered: a move, press or entry into one of the
// program's windows tells where it is, leaving one says it is no longer known.
void NotePointerEvent(const QObject* receiver, const QEvent* event);
