#pragma once

class QWindow;

// A move of a top-level window by the window manager, for a press on the window's own surface.

// Hands the move to the window manager; false where none moves windows, and the caller moves it itself.
bool StartWindowMove(QWindow& window);

// For the press's release reaching the window after all: the window manager had not taken the pointer yet
// and would begin the move with no button held, carrying the window along until the next click. Tells it
// to drop the move; nothing where no window manager took one.
void CancelWindowMove(QWindow& window);
