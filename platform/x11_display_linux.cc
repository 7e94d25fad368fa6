#include "platform/x11_display_linux.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {

namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// Swallows the X errors of one call, and only those: the server has answered
// every request of it before the process's own handler (Qt's, say) is back.
class IgnoreErrors {
 public:
  explicit IgnoreErrors(Display* display)
      : display_(display), previous_(XSetErrorHandler(IgnoreXError)) {}
  ~IgnoreErrors() {
    if (display_)
      XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  IgnoreErrors(const IgnoreErrors&) = delete;
  IgnoreErrors& operator=(const IgnoreErrors&) = delete;

 private:
  Display* display_;
  XErrorHandler previous_;
};

Atom Intern(Display* display, const char* name) {
  return XInternAtom(display, name, False);
}

// The raw bytes of a property, or empty.
std::string Property(Display* display,
                     XWindow window,
                     const char* name,
                     Atom type,
                     int* format,
                     unsigned long* count) {
  Atom actual_type = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string bytes;
  *format = 0;
  *count = 0;
  if (XGetWindowProperty(display, window, Intern(display, name), 0, 1 << 20,
                         False, type, &actual_type, format, count, &remaining,
                         &data) == Success &&
      data) {
    // Format-32 items travel as longs, whatever their width.
    const size_t item = *format == 32 ? sizeof(long) : *format / 8;
    bytes.assign(reinterpret_cast<char*>(data), *count * item);
  }
  if (data)
    XFree(data);
  return bytes;
}

void SendClientMessage(Display* display,
                       XWindow to,
                       XWindow window,
                       const char* type,
                       long first,
                       long second,
                       long mask) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = Intern(display, type);
  event.xclient.format = 32;
  event.xclient.data.l[0] = first;
  event.xclient.data.l[1] = second;
  XSendEvent(display, to, False, mask, &event);
  XFlush(display);
}

}  // namespace

X11Display::X11Display() : display_(XOpenDisplay(nullptr)) {}

X11Display::~X11Display() {
  if (display_)
    XCloseDisplay(display_);
}

XWindow X11Display::Root() const {
  return display_ ? DefaultRootWindow(display_) : 0;
}

std::vector<XWindow> X11Display::Children(XWindow window) const {
  const IgnoreErrors guard(display_);
  std::vector<XWindow> result;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (display_ &&
      XQueryTree(display_, window, &root, &parent, &children, &count) &&
      children) {
    result.assign(children, children + count);
    XFree(children);
  }
  return result;
}

std::vector<XWindow> X11Display::TopLevelWindows(
    const std::string& prefix) const {
  const IgnoreErrors guard(display_);
  std::vector<XWindow> found;
  for (XWindow window : Children(Root())) {
    bool override_redirect = false;
    if (Viewable(window, &override_redirect) && !override_redirect &&
        Title(window).rfind(prefix, 0) == 0) {
      found.push_back(window);
    }
  }
  return found;
}

XWindow X11Display::FindWindowByTitle(const std::string& title) const {
  const IgnoreErrors guard(display_);
  for (XWindow top : Children(Root())) {
    if (Title(top) == title)
      return top;
    for (XWindow client : Children(top)) {
      if (Title(client) == title)
        return client;
    }
  }
  return 0;
}

std::string X11Display::NetWmName(XWindow window) const {
  const IgnoreErrors guard(display_);
  if (!display_)
    return std::string();
  int format = 0;
  unsigned long count = 0;
  return Property(display_, window, "_NET_WM_NAME",
                  Intern(display_, "UTF8_STRING"), &format, &count);
}

std::string X11Display::Title(XWindow window) const {
  const std::string title = NetWmName(window);
  return title.empty() ? Name(window) : title;
}

std::string X11Display::Name(XWindow window) const {
  const IgnoreErrors guard(display_);
  char* name = nullptr;
  std::string result;
  if (display_ && XFetchName(display_, window, &name) && name)
    result = name;
  if (name)
    XFree(name);
  return result;
}

void X11Display::SetTitle(XWindow window, const std::string& title) const {
  const IgnoreErrors guard(display_);
  if (!display_ || !window)
    return;
  XChangeProperty(display_, window, Intern(display_, "_NET_WM_NAME"),
                  Intern(display_, "UTF8_STRING"), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
  XStoreName(display_, window, title.c_str());
  XFlush(display_);
}

std::vector<uint32_t> X11Display::Icons(XWindow window) const {
  const IgnoreErrors guard(display_);
  std::vector<uint32_t> values;
  if (!display_)
    return values;
  int format = 0;
  unsigned long count = 0;
  const std::string bytes =
      Property(display_, window, "_NET_WM_ICON", XA_CARDINAL, &format, &count);
  if (format != 32)
    return values;
  const long* longs = reinterpret_cast<const long*>(bytes.data());
  for (unsigned long i = 0; i < count; ++i)
    values.push_back(static_cast<uint32_t>(longs[i]));
  return values;
}

void X11Display::SetIcons(XWindow window,
                          const std::vector<WindowIcon>& icons) const {
  const IgnoreErrors guard(display_);
  if (!display_ || !window)
    return;
  std::vector<long> data;
  for (const WindowIcon& icon : icons) {
    data.push_back(icon.size);
    data.push_back(icon.size);
    data.insert(data.end(), icon.argb.begin(), icon.argb.end());
  }
  XChangeProperty(display_, window, Intern(display_, "_NET_WM_ICON"),
                  XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()),
                  static_cast<int>(data.size()));
  XFlush(display_);
}

long X11Display::CardinalProperty(XWindow window,
                                  const char* name,
                                  long fallback) const {
  const IgnoreErrors guard(display_);
  if (!display_)
    return fallback;
  int format = 0;
  unsigned long count = 0;
  const std::string bytes =
      Property(display_, window, name, AnyPropertyType, &format, &count);
  if (format != 32 || count == 0)
    return fallback;
  return *reinterpret_cast<const long*>(bytes.data());
}

bool X11Display::Viewable(XWindow window, bool* override_redirect) const {
  const IgnoreErrors guard(display_);
  XWindowAttributes attributes;
  if (!display_ || !XGetWindowAttributes(display_, window, &attributes))
    return false;
  if (override_redirect)
    *override_redirect = attributes.override_redirect;
  return attributes.map_state == IsViewable;
}

bool X11Display::Geometry(XWindow window,
                          int* x,
                          int* y,
                          int* width,
                          int* height) const {
  const IgnoreErrors guard(display_);
  XWindowAttributes attributes;
  Window child = 0;
  if (!display_ || !XGetWindowAttributes(display_, window, &attributes) ||
      !XTranslateCoordinates(display_, window, Root(), 0, 0, x, y, &child)) {
    return false;
  }
  *width = attributes.width;
  *height = attributes.height;
  return true;
}

bool X11Display::ScreenBounds(int* left,
                              int* top,
                              int* width,
                              int* height) const {
  if (!display_)
    return false;
  const int screen = DefaultScreen(display_);
  *left = 0;
  *top = 0;
  *width = DisplayWidth(display_, screen);
  *height = DisplayHeight(display_, screen);
  return true;
}

bool X11Display::WindowManagerRuns() const {
  const long check = CardinalProperty(Root(), "_NET_SUPPORTING_WM_CHECK", 0);
  return check != 0 && CardinalProperty(static_cast<XWindow>(check),
                                        "_NET_SUPPORTING_WM_CHECK", 0) == check;
}

void X11Display::AskForFullscreenState(XWindow window, bool fullscreen) const {
  // EWMH: 1 adds the state, 0 removes it.
  SendClientMessage(
      display_, Root(), window, "_NET_WM_STATE", fullscreen ? 1 : 0,
      static_cast<long>(Intern(display_, "_NET_WM_STATE_FULLSCREEN")),
      SubstructureRedirectMask | SubstructureNotifyMask);
}

bool X11Display::EnterFullscreen(XWindow window, WindowPlace* place) const {
  const IgnoreErrors guard(display_);
  if (!Geometry(window, &place->x, &place->y, &place->width, &place->height))
    return false;
  if (WindowManagerRuns()) {
    AskForFullscreenState(window, true);
    return true;
  }
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  if (!ScreenBounds(&left, &top, &width, &height))
    return false;
  XMoveResizeWindow(display_, window, left, top, static_cast<unsigned>(width),
                    static_cast<unsigned>(height));
  XRaiseWindow(display_, window);
  XFlush(display_);
  return true;
}

void X11Display::LeaveFullscreen(XWindow window,
                                 const WindowPlace& place) const {
  const IgnoreErrors guard(display_);
  if (!display_)
    return;
  if (WindowManagerRuns()) {
    AskForFullscreenState(window, false);
    return;
  }
  XMoveResizeWindow(display_, window, place.x, place.y,
                    static_cast<unsigned>(place.width),
                    static_cast<unsigned>(place.height));
  XFlush(display_);
}

void X11Display::RequestClose(XWindow window) const {
  const IgnoreErrors guard(display_);
  if (!display_)
    return;
  SendClientMessage(display_, window, window, "WM_PROTOCOLS",
                    static_cast<long>(Intern(display_, "WM_DELETE_WINDOW")),
                    CurrentTime, NoEventMask);
}

void X11Display::RaiseWindowsOfProcess(unsigned long pid) const {
  const IgnoreErrors guard(display_);
  constexpr long kIconicState = 3;
  // A window manager's frames hold the clients.
  for (XWindow top : Children(Root())) {
    std::vector<XWindow> candidates = Children(top);
    candidates.insert(candidates.begin(), top);
    for (XWindow window : candidates) {
      if (static_cast<unsigned long>(
              CardinalProperty(window, "_NET_WM_PID", 0)) != pid) {
        continue;
      }
      const bool viewable = Viewable(window);
      if (!viewable &&
          CardinalProperty(window, "WM_STATE", 0) != kIconicState) {
        continue;
      }
      if (viewable)
        XRaiseWindow(display_, window);
      // Source 1: a request from an application.
      SendClientMessage(display_, Root(), window, "_NET_ACTIVE_WINDOW", 1, 0,
                        SubstructureRedirectMask | SubstructureNotifyMask);
    }
  }
  Sync();
}

void X11Display::Sync() const {
  if (display_)
    XSync(display_, False);
}

SharedX11Display::SharedX11Display() : lock_(Mutex()), display_(Connection()) {}

std::mutex& SharedX11Display::Mutex() {
  static std::mutex* mutex = new std::mutex();
  return *mutex;
}

const X11Display& SharedX11Display::Connection() {
  // Opened on first use and kept for the life of the process.
  static const X11Display* display = new X11Display();
  return *display;
}

}  // namespace platform
