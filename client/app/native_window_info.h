#ifndef CLIENT_APP_NATIVE_WINDOW_INFO_H_
#define CLIENT_APP_NATIVE_WINDOW_INFO_H_

#include "include/cef_base.h"

// Describes the game's visible top-level window, inset from the desktop's
// edges and without a parent, in the platform's CefWindowInfo layout.
void FillNativeWindowInfo(CefWindowInfo* info);

#endif  // CLIENT_APP_NATIVE_WINDOW_INFO_H_
