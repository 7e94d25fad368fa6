#include "client/app/x11_window_linux.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <mutex>

namespace {

std::mutex& X11Mutex() {
  static std::mutex mutex;
  return mutex;
}

// Opened on first use and kept for the life of the process.
Display* ClientDisplay() {
  static Display* display = XOpenDisplay(nullptr);
  return display;
}

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// Runs the calls of one operation with X errors swallowed: a window that
// has just gone must not end the client.
class X11Call {
 public:
  X11Call() : lock_(X11Mutex()), display_(ClientDisplay()) {
    if (display_)
      previous_ = XSetErrorHandler(IgnoreXError);
  }
  ~X11Call() {
    if (!display_)
      return;
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  Display* display() const { return display_; }

 private:
  std::lock_guard<std::mutex> lock_;
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

std::string WindowTitle(Display* display, Window window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(
          display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
          False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
          &count, &remaining, &data) == Success &&
      data && format == 8) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  if (data)
    XFree(data);
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

std::vector<Window> Children(Display* display, Window parent) {
  Window root = 0;
  Window parent_of = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display, parent, &root, &parent_of, &children, &count) &&
      children) {
    result.assign(children, children + count);
    XFree(children);
  }
  return result;
}

// The first 32-bit value of a CARDINAL-like property, or |fallback|.
long LongProperty(Display* display,
                  Window window,
                  const char* name,
                  long fallback) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  long value = fallback;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0,
                         1, False, AnyPropertyType, &type, &format, &count,
                         &remaining, &data) == Success &&
      data && format == 32 && count == 1) {
    value = *reinterpret_cast<long*>(data);
  }
  if (data)
    XFree(data);
  return value;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes;
  return XGetWindowAttributes(display, window, &attributes) &&
         attributes.map_state == IsViewable;
}

void RequestActivation(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type =
      XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  // Source 1: a request from an application.
  event.xclient.data.l[0] = 1;
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace

void RaiseX11WindowsOfProcess(unsigned long pid) {
  X11Call call;
  Display* display = call.display();
  if (!display)
    return;
  constexpr long kIconicState = 3;
  // The root's children come bottom first; a window manager's frames hold
  // the clients.
  for (Window top : Children(display, DefaultRootWindow(display))) {
    std::vector<Window> candidates = Children(display, top);
    candidates.insert(candidates.begin(), top);
    for (Window window : candidates) {
      if (static_cast<unsigned long>(
              LongProperty(display, window, "_NET_WM_PID", 0)) != pid) {
        continue;
      }
      const bool viewable = Viewable(display, window);
      if (!viewable &&
          LongProperty(display, window, "WM_STATE", 0) != kIconicState) {
        continue;
      }
      if (viewable)
        XRaiseWindow(display, window);
      RequestActivation(display, window);
    }
  }
}

void SetX11WindowTitle(unsigned long window, const std::string& title) {
  X11Call call;
  Display* display = call.display();
  if (!display || !window)
    return;
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8,
                  PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
  XStoreName(display, window, title.c_str());
}

unsigned long FindX11WindowByTitle(const std::string& title) {
  X11Call call;
  Display* display = call.display();
  if (!display)
    return 0;
  // Top-level windows are children of the root, or of the frames a window
  // manager puts them in.
  for (Window top : Children(display, DefaultRootWindow(display))) {
    if (WindowTitle(display, top) == title)
      return top;
    for (Window client : Children(display, top)) {
      if (WindowTitle(display, client) == title)
        return client;
    }
  }
  return 0;
}

void SetX11WindowIcons(unsigned long window,
                       const std::vector<X11Icon>& icons) {
  X11Call call;
  Display* display = call.display();
  if (!display || !window)
    return;
  // Format-32 properties travel as longs, whatever their width.
  std::vector<long> data;
  for (const X11Icon& icon : icons) {
    data.push_back(icon.size);
    data.push_back(icon.size);
    data.insert(data.end(), icon.argb.begin(), icon.argb.end());
  }
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False),
                  XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()),
                  static_cast<int>(data.size()));
}

bool GetX11ScreenBounds(int* left, int* top, int* width, int* height) {
  X11Call call;
  Display* display = call.display();
  if (!display)
    return false;
  const int screen = DefaultScreen(display);
  *left = 0;
  *top = 0;
  *width = DisplayWidth(display, screen);
  *height = DisplayHeight(display, screen);
  return true;
}
