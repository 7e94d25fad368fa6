#include "client/app/client_app.h"

#include "client/app/game_window.h"
#include "client/app/icon_image.h"
#include "client/app/x11_window_linux.h"
#include "client/resources/client_icon_data.h"

namespace {

X11Icon GameIcon(int size) {
  X11Icon icon;
  if (ReadIconImage(kClientIconData, kClientIconDataSize, size, &icon.argb))
    icon.size = size;
  return icon;
}

}  // namespace

void ClientApp::SetWindowIcons() {
  const unsigned long window =
      FindX11WindowByTitle(CefString(kGameWindowTitle).ToString());
  if (!window)
    return;
  // The same two images as on Windows: 32 pixels for the small icon and 64
  // for the big one, decoded once.
  static const std::vector<X11Icon> icons = [] {
    std::vector<X11Icon> found;
    for (int size : {32, 64}) {
      X11Icon icon = GameIcon(size);
      if (icon.size)
        found.push_back(icon);
    }
    return found;
  }();
  if (!icons.empty())
    SetX11WindowIcons(window, icons);
}
