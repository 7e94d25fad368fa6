#include "client/handler/client_handler.h"

#include <map>

#include "platform/x11_display_linux.h"

namespace {

// Where each window was before it filled its screen.
std::map<platform::XWindow, platform::WindowPlace>& WindowedPlaces() {
  static std::map<platform::XWindow, platform::WindowPlace> places;
  return places;
}

}  // namespace

void ClientHandler::SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                                         const CefString& title) {
  platform::SharedX11Display()->SetTitle(browser->GetHost()->GetWindowHandle(),
                                         title.ToString());
}

void ClientHandler::SetNativeWindowFullscreen(CefRefPtr<CefBrowser> browser,
                                              bool fullscreen) {
  const platform::XWindow window = browser->GetHost()->GetWindowHandle();
  if (!window)
    return;
  std::map<platform::XWindow, platform::WindowPlace>& places = WindowedPlaces();
  const auto saved = places.find(window);
  platform::SharedX11Display display;
  if (fullscreen && saved == places.end()) {
    platform::WindowPlace place;
    if (display->EnterFullscreen(window, &place))
      places[window] = place;
  } else if (!fullscreen && saved != places.end()) {
    display->LeaveFullscreen(window, saved->second);
    places.erase(saved);
  }
}
