#include "client/handler/client_handler.h"

#include <windows.h>

#include <map>

namespace {

// Where a window was before it filled its screen.
struct WindowedPlace {
  LONG style = 0;
  WINDOWPLACEMENT placement = {};
};

std::map<HWND, WindowedPlace>& WindowedPlaces() {
  static std::map<HWND, WindowedPlace> places;
  return places;
}

}  // namespace

void ClientHandler::SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                                         const CefString& title) {
  const HWND window = browser->GetHost()->GetWindowHandle();
  const std::wstring text = title.ToWString();
  SetWindowTextW(window, text.c_str());
}

void ClientHandler::SetNativeWindowFullscreen(CefRefPtr<CefBrowser> browser,
                                              bool fullscreen) {
  const HWND window = browser->GetHost()->GetWindowHandle();
  if (!window)
    return;
  std::map<HWND, WindowedPlace>& places = WindowedPlaces();
  const auto saved = places.find(window);
  if (fullscreen && saved == places.end()) {
    WindowedPlace place;
    place.style = GetWindowLongW(window, GWL_STYLE);
    place.placement.length = sizeof(place.placement);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowPlacement(window, &place.placement) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                         &monitor)) {
      return;
    }
    places[window] = place;
    // No frame or caption: the page covers the monitor it is on.
    SetWindowLongW(window, GWL_STYLE,
                   (place.style & ~WS_OVERLAPPEDWINDOW) | WS_POPUP);
    const RECT& area = monitor.rcMonitor;
    SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  } else if (!fullscreen && saved != places.end()) {
    SetWindowLongW(window, GWL_STYLE, saved->second.style);
    SetWindowPlacement(window, &saved->second.placement);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                     SWP_NOOWNERZORDER);
    places.erase(saved);
  }
}
