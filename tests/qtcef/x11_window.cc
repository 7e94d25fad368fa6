#include "tests/qtcef/x11_window.h"

#include <X11/Xlib.h>

#include <algorithm>

X11Geometry QueryWindow(unsigned long window) {
  X11Geometry geometry;
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return geometry;
  XWindowAttributes attributes = {};
  if (XGetWindowAttributes(display, window, &attributes)) {
    geometry.viewable = attributes.map_state == IsViewable;
    geometry.width = attributes.width;
    geometry.height = attributes.height;
    Window child = 0;
    XTranslateCoordinates(display, window, attributes.root, 0, 0, &geometry.x,
                          &geometry.y, &child);
  }
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children,
                 &count)) {
    geometry.top_level =
        std::find(children, children + count, window) != children + count;
    XFree(children);
  }
  XCloseDisplay(display);
  return geometry;
}

std::string ReadNetWmName(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return std::string();
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display, window,
                         XInternAtom(display, "_NET_WM_NAME", False), 0, 64,
                         False, XInternAtom(display, "UTF8_STRING", False),
                         &type, &format, &items, &after, &data) == Success &&
      data) {
    name.assign(reinterpret_cast<char*>(data), items);
    XFree(data);
  }
  XCloseDisplay(display);
  return name;
}

std::string SetAndReadNetWmName(unsigned long window, const std::string& name) {
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return std::string();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8,
                  PropModeReplace,
                  reinterpret_cast<const unsigned char*>(name.data()),
                  static_cast<int>(name.size()));
  XSync(display, False);
  XCloseDisplay(display);
  return ReadNetWmName(window);
}

void SendDeleteWindow(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return;
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] =
      static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XCloseDisplay(display);
}
