#include "client/app/desktop_bounds.h"

#include "platform/x11_display_linux.h"

void GetDesktopBounds(int* left, int* top, int* width, int* height) {
  *left = *top = *width = *height = 0;
  platform::SharedX11Display()->ScreenBounds(left, top, width, height);
}
