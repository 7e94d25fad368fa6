#include "client/app/client_app.h"

#include "client/app/icon_image.h"
#include "client/handler/game_window.h"
#include "client/resources/client_icon_data.h"
#include "platform/x11_display_linux.h"

namespace {

platform::WindowIcon GameIcon(int size) {
  platform::WindowIcon icon;
  if (ReadIconImage(kClientIconData, kClientIconDataSize, size, &icon.argb))
    icon.size = size;
  return icon;
}

}  // namespace

void ClientApp::SetWindowIcons() {
  const platform::XWindow window =
      platform::SharedX11Display()->FindWindowByTitle(
          CefString(kGameWindowTitle).ToString());
  if (!window)
    return;
  // The same two images as on Windows: 32 pixels for the small icon and 64
  // for the big one, decoded once.
  static const std::vector<platform::WindowIcon> icons = [] {
    std::vector<platform::WindowIcon> found;
    for (int size : {32, 64}) {
      platform::WindowIcon icon = GameIcon(size);
      if (icon.size)
        found.push_back(icon);
    }
    return found;
  }();
  if (!icons.empty())
    platform::SharedX11Display()->SetIcons(window, icons);
}
