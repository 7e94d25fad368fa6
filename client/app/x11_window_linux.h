#ifndef CLIENT_APP_X11_WINDOW_LINUX_H_
#define CLIENT_APP_X11_WINDOW_LINUX_H_

#include <cstdint>
#include <string>
#include <vector>

// The client's own small X11 connection, for what CEF on Linux leaves to
// its host: window titles, icons and the screen's size. Every call is a no-op
// (or finds nothing) without a display.

// Sets the window's title, as _NET_WM_NAME (UTF-8) and WM_NAME.
void SetX11WindowTitle(unsigned long window, const std::string& title);

// A top-level window whose _NET_WM_NAME or WM_NAME is exactly |title|, or 0.
unsigned long FindX11WindowByTitle(const std::string& title);

// Brings the visible top-level windows of process |pid| (by _NET_WM_PID) to
// the front, in their order among themselves, and asks the window manager to
// activate them, which also restores minimised ones.
void RaiseX11WindowsOfProcess(unsigned long pid);

// One square image of _NET_WM_ICON: |size| by |size| ARGB pixels, row by row.
struct X11Icon {
  int size = 0;
  std::vector<uint32_t> argb;
};

// Replaces the window's _NET_WM_ICON with |icons|.
void SetX11WindowIcons(unsigned long window, const std::vector<X11Icon>& icons);

// The default screen's rectangle; false without a display.
bool GetX11ScreenBounds(int* left, int* top, int* width, int* height);

#endif  // CLIENT_APP_X11_WINDOW_LINUX_H_
