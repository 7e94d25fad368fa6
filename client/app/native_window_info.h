#ifndef CLIENT_APP_NATIVE_WINDOW_INFO_H_
#define CLIENT_APP_NATIVE_WINDOW_INFO_H_

#include "include/cef_base.h"

// Describes the game's visible top-level window, inset from the desktop's
// edges and without a parent, in the platform's CefWindowInfo layout.
void FillNativeWindowInfo(CefWindowInfo* info);

// The game window's place: the desktop, inset on every edge.
struct GameWindowBounds {
  int x;
  int y;
  int width;
  int height;
};
GameWindowBounds GetGameWindowBounds();

#endif  // CLIENT_APP_NATIVE_WINDOW_INFO_H_
