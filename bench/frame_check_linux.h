#ifndef BENCH_FRAME_CHECK_LINUX_H_
#define BENCH_FRAME_CHECK_LINUX_H_

#include "platform/x11_display_linux.h"

namespace bench {

// The top-level window of process |pid| (_NET_WM_PID) on screen, or 0.
platform::XWindow WindowOfProcess(const platform::X11Display& display,
                                  unsigned long pid);

// Whether |window| shows a rendered page rather than a blank area: a window
// paints one flat colour until its first frame, and the game's pages never
// do. Reads one column and one row through its middle, as the screen shows
// them.
bool ShowsFrame(const platform::X11Display& display, platform::XWindow window);

}  // namespace bench

#endif  // BENCH_FRAME_CHECK_LINUX_H_
