#pragma once

class QWidget;

// Start-up measurement: when the environment variable MOXEL_FIRST_FRAME_FILE names a file, the moment the
// window's first frame has been painted and handed to the window system is written there once, as
// nanoseconds of the real-time clock. Without the variable it costs one look-up and does nothing.
void WatchFirstFrame(QWidget* window);
