#include "client/app/native_window_info.h"

#include "client/app/desktop_bounds.h"
#include "client/handler/game_window.h"

void FillNativeWindowInfo(CefWindowInfo* info) {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  GetDesktopBounds(&left, &top, &width, &height);
  info->ex_style = 0;
  CefString(&info->window_name) = kGameWindowTitle;
  info->style =
      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
  info->x = left + kGameWindowInset;
  info->y = top + kGameWindowInset;
  info->width = width - 2 * kGameWindowInset;
  info->height = height - 2 * kGameWindowInset;
  info->parent_window = kNullWindowHandle;
  info->menu = nullptr;
  info->windowless_rendering_enabled = 0;
}
