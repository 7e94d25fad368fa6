#include "client/app/native_window_info.h"

#include <algorithm>

void FillNativeWindowInfo(CefWindowInfo* info) {
  const GameWindowBounds bounds = GetGameWindowBounds();
  // The Linux layout has unsigned fields and no title or style: the window is
  // titled once it exists. A screen too small for the inset gets none.
  info->x = static_cast<unsigned int>(std::max(0, bounds.x));
  info->y = static_cast<unsigned int>(std::max(0, bounds.y));
  info->width = static_cast<unsigned int>(std::max(0, bounds.width));
  info->height = static_cast<unsigned int>(std::max(0, bounds.height));
  info->parent_window = kNullWindowHandle;
  info->windowless_rendering_enabled = 0;
}
