#include "tests/qtcef/x11_window.h"

#include <algorithm>

#include "platform/x11_display_linux.h"

X11Geometry QueryWindow(unsigned long window) {
  const platform::X11Display display;
  X11Geometry geometry;
  geometry.viewable = display.Viewable(window);
  display.Geometry(window, &geometry.x, &geometry.y, &geometry.width,
                   &geometry.height);
  const std::vector<platform::XWindow> top = display.Children(display.Root());
  geometry.top_level = std::find(top.begin(), top.end(), window) != top.end();
  return geometry;
}

std::string ReadNetWmName(unsigned long window) {
  return platform::X11Display().NetWmName(window);
}

std::string SetAndReadNetWmName(unsigned long window, const std::string& name) {
  const platform::X11Display display;
  display.SetTitle(window, name);
  display.Sync();
  return display.NetWmName(window);
}

void SendDeleteWindow(unsigned long window) {
  platform::X11Display().RequestClose(window);
}
