#include "bench/frame_check_linux.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace bench {

namespace {

// Whether the screen's pixels in the given rectangle are not all alike.
bool Varies(Display* display, int x, int y, int width, int height) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y,
                            static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (!image)
    return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varies = false;
  for (int i = 0; i < width && !varies; ++i) {
    for (int j = 0; j < height && !varies; ++j)
      varies = XGetPixel(image, i, j) != first;
  }
  XDestroyImage(image);
  return varies;
}

}  // namespace

platform::XWindow WindowOfProcess(const platform::X11Display& display,
                                  unsigned long pid) {
  for (platform::XWindow window : display.TopLevelWindows("")) {
    if (display.CardinalProperty(window, "_NET_WM_PID", 0) ==
        static_cast<long>(pid)) {
      return window;
    }
  }
  return 0;
}

bool ShowsFrame(const platform::X11Display& display, platform::XWindow window) {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int screen_x = 0;
  int screen_y = 0;
  int screen_width = 0;
  int screen_height = 0;
  if (!display.Viewable(window) ||
      !display.Geometry(window, &x, &y, &width, &height) ||
      !display.ScreenBounds(&screen_x, &screen_y, &screen_width,
                            &screen_height)) {
    return false;
  }
  // Only what is on the screen can be read.
  width = std::min(x + width, screen_x + screen_width) - std::max(x, screen_x);
  height =
      std::min(y + height, screen_y + screen_height) - std::max(y, screen_y);
  x = std::max(x, screen_x);
  y = std::max(y, screen_y);
  if (width < 1 || height < 1)
    return false;
  return Varies(display.display(), x + width / 2, y, 1, height) ||
         Varies(display.display(), x, y + height / 2, width, 1);
}

}  // namespace bench
