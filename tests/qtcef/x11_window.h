// What the engine tests read of a window on the X display, and the
// player's close request.

#ifndef TESTS_QTCEF_X11_WINDOW_H_
#define TESTS_QTCEF_X11_WINDOW_H_

#include <string>

struct X11Geometry {
  bool viewable = false;
  // A child of the root window.
  bool top_level = false;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

X11Geometry QueryWindow(unsigned long window);

// The window's _NET_WM_NAME, empty when it has none.
std::string ReadNetWmName(unsigned long window);

// Sets _NET_WM_NAME as the client does, then reads it back.
std::string SetAndReadNetWmName(unsigned long window, const std::string& name);

// Sends the window manager's WM_DELETE_WINDOW request, as when the player
// closes the window.
void SendDeleteWindow(unsigned long window);

#endif  // TESTS_QTCEF_X11_WINDOW_H_
