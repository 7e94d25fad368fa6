#include "tests/qtcef/x11_title.h"

#include <X11/Xlib.h>

std::string ReadNetWmName(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return std::string();
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display, window, net_wm_name, 0, 64, False, utf8,
                         &type, &format, &items, &after, &data) == Success &&
      data) {
    name.assign(reinterpret_cast<char*>(data), items);
    XFree(data);
  }
  XCloseDisplay(display);
  return name;
}
