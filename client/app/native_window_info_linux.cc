#include "client/app/native_window_info.h"

#include <algorithm>

#include "client/app/desktop_bounds.h"
#include "client/handler/game_window.h"

void FillNativeWindowInfo(CefWindowInfo* info) {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  GetDesktopBounds(&left, &top, &width, &height);
  // The Linux layout has unsigned fields and no title or style: the window is
  // titled once it exists. A screen too small for the inset gets none.
  info->x = static_cast<unsigned int>(std::max(0, left + kGameWindowInset));
  info->y = static_cast<unsigned int>(std::max(0, top + kGameWindowInset));
  info->width =
      static_cast<unsigned int>(std::max(0, width - 2 * kGameWindowInset));
  info->height =
      static_cast<unsigned int>(std::max(0, height - 2 * kGameWindowInset));
  info->parent_window = kNullWindowHandle;
  info->windowless_rendering_enabled = 0;
}
