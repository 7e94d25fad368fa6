#include "client/app/native_window_info.h"

#include "client/app/desktop_bounds.h"
#include "client/handler/game_window.h"

GameWindowBounds GetGameWindowBounds() {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  GetDesktopBounds(&left, &top, &width, &height);
  return {left + kGameWindowInset, top + kGameWindowInset,
          width - 2 * kGameWindowInset, height - 2 * kGameWindowInset};
}
