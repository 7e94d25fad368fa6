#include "client/app/desktop_bounds.h"

#include "client/app/x11_window_linux.h"

void GetDesktopBounds(int* left, int* top, int* width, int* height) {
  *left = *top = *width = *height = 0;
  GetX11ScreenBounds(left, top, width, height);
}
