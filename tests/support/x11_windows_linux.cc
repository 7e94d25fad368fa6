#include "tests/support/x11_windows_linux.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstring>
#include <thread>

namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

std::vector<Window> ChildrenOf(Display* display, Window parent) {
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

bool Viewable(Display* display, Window window, bool* override_redirect) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes))
    return false;
  if (override_redirect)
    *override_redirect = attributes.override_redirect;
  return attributes.map_state == IsViewable;
}

}  // namespace

X11Windows::X11Windows() : display_(XOpenDisplay(nullptr)) {
  // Windows of other programs come and go while they are inspected.
  XSetErrorHandler(IgnoreXError);
}

X11Windows::~X11Windows() {
  if (display_)
    XCloseDisplay(display_);
}

std::vector<unsigned long> X11Windows::FindAll(const std::string& prefix) {
  std::vector<unsigned long> found;
  if (!display_)
    return found;
  for (Window window : ChildrenOf(display_, DefaultRootWindow(display_))) {
    bool override_redirect = false;
    if (Viewable(display_, window, &override_redirect) && !override_redirect &&
        Title(window).rfind(prefix, 0) == 0) {
      found.push_back(window);
    }
  }
  return found;
}

unsigned long X11Windows::WaitFor(const std::string& prefix,
                                  std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    const std::vector<unsigned long> found = FindAll(prefix);
    if (!found.empty())
      return found[0];
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  } while (std::chrono::steady_clock::now() < deadline);
  return 0;
}

bool X11Windows::WaitGone(const std::string& prefix,
                          std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!FindAll(prefix).empty()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

std::string X11Windows::Title(unsigned long window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(
          display_, window, XInternAtom(display_, "_NET_WM_NAME", False), 0,
          4096, False, XInternAtom(display_, "UTF8_STRING", False), &type,
          &format, &count, &remaining, &data) == Success &&
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data)
    XFree(data);
  return title;
}

std::string X11Windows::Name(unsigned long window) {
  char* name = nullptr;
  std::string result;
  if (XFetchName(display_, window, &name) && name)
    result = name;
  if (name)
    XFree(name);
  return result;
}

std::vector<unsigned long> X11Windows::Children(unsigned long window) {
  const std::vector<Window> children = ChildrenOf(display_, window);
  return std::vector<unsigned long>(children.begin(), children.end());
}

bool X11Windows::HasState(unsigned long window, const char* state) {
  const Atom wanted = XInternAtom(display_, state, False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display_, window,
                         XInternAtom(display_, "_NET_WM_STATE", False), 0, 64,
                         False, XA_ATOM, &type, &format, &count, &remaining,
                         &data) == Success &&
      data) {
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i)
      found = found || atoms[i] == wanted;
  }
  if (data)
    XFree(data);
  return found;
}

unsigned long X11Windows::Owner(unsigned long window) {
  Window owner = 0;
  return XGetTransientForHint(display_, window, &owner) ? owner : 0;
}

bool X11Windows::Geometry(unsigned long window,
                          int* x,
                          int* y,
                          int* width,
                          int* height) {
  XWindowAttributes attributes;
  Window child = 0;
  if (!XGetWindowAttributes(display_, window, &attributes) ||
      !XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0,
                             0, x, y, &child)) {
    return false;
  }
  *width = attributes.width;
  *height = attributes.height;
  return true;
}

std::vector<uint32_t> X11Windows::Icons(unsigned long window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::vector<uint32_t> values;
  if (XGetWindowProperty(display_, window,
                         XInternAtom(display_, "_NET_WM_ICON", False), 0,
                         1 << 20, False, XA_CARDINAL, &type, &format, &count,
                         &remaining, &data) == Success &&
      data && format == 32) {
    const long* longs = reinterpret_cast<const long*>(data);
    for (unsigned long i = 0; i < count; ++i)
      values.push_back(static_cast<uint32_t>(longs[i]));
  }
  if (data)
    XFree(data);
  return values;
}

int X11Windows::OverrideRedirectCount() {
  int count = 0;
  for (Window window : ChildrenOf(display_, DefaultRootWindow(display_))) {
    bool override_redirect = false;
    if (Viewable(display_, window, &override_redirect) && override_redirect)
      ++count;
  }
  return count;
}

unsigned long X11Windows::OpenWindow(const std::string& title) {
  const Window window = XCreateSimpleWindow(
      display_, DefaultRootWindow(display_), 0, 0, 400, 300, 0, 0, 0);
  XChangeProperty(
      display_, window, XInternAtom(display_, "_NET_WM_NAME", False),
      XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
      reinterpret_cast<const unsigned char*>(title.data()),
      static_cast<int>(title.size()));
  XMapRaised(display_, window);
  XSync(display_, False);
  return window;
}

void X11Windows::Close(unsigned long window) {
  XEvent event;
  std::memset(&event, 0, sizeof(event));
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = XInternAtom(display_, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

void X11Windows::RightClick(unsigned long window) {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  if (!Geometry(window, &x, &y, &width, &height))
    return;
  XTestFakeMotionEvent(display_, DefaultScreen(display_), x + width / 2,
                       y + height / 2, CurrentTime);
  XTestFakeButtonEvent(display_, Button3, True, CurrentTime);
  XTestFakeButtonEvent(display_, Button3, False, CurrentTime);
  XFlush(display_);
}

void X11Windows::SendClick(unsigned long window) {
  XEvent event;
  std::memset(&event, 0, sizeof(event));
  event.xbutton.window = window;
  event.xbutton.button = Button1;
  event.xbutton.same_screen = True;
  event.type = ButtonPress;
  XSendEvent(display_, window, True, ButtonPressMask, &event);
  event.type = ButtonRelease;
  XSendEvent(display_, window, True, ButtonReleaseMask, &event);
  XFlush(display_);
}
