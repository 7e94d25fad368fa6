#include "client/app/native_window_info.h"

#include "client/handler/game_window.h"

void FillNativeWindowInfo(CefWindowInfo* info) {
  const GameWindowBounds bounds = GetGameWindowBounds();
  info->ex_style = 0;
  CefString(&info->window_name) = kGameWindowTitle;
  info->style =
      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
  info->x = bounds.x;
  info->y = bounds.y;
  info->width = bounds.width;
  info->height = bounds.height;
  info->parent_window = kNullWindowHandle;
  info->menu = nullptr;
  info->windowless_rendering_enabled = 0;
}
