#include "client/app/client_app.h"

#include <windows.h>

#include "client/handler/game_window.h"

namespace {

// Icon group 100 of the executable, at |size| pixels square.
HICON LoadGameIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(100), IMAGE_ICON, size,
                                       size, LR_DEFAULTCOLOR));
}

}  // namespace

void ClientApp::SetWindowIcons() {
  const HWND window = FindWindowW(nullptr, kGameWindowTitle);
  if (!window)
    return;
  // Loaded once for the life of the process: the window keeps using the
  // handles it is sent, and loading them afresh on every call would leak two
  // handles each time CEF asks for the handler.
  static const HICON small_icon = LoadGameIcon(32);
  static const HICON big_icon = LoadGameIcon(64);
  if (small_icon) {
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(small_icon));
  }
  if (big_icon) {
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(big_icon));
  }
}
