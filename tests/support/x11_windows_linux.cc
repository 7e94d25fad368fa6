#include "tests/support/x11_windows_linux.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <thread>

namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

X11Windows::X11Windows() {
  XSetErrorHandler(IgnoreXError);
}

unsigned long X11Windows::WaitFor(const std::string& prefix,
                                  std::chrono::milliseconds timeout) const {
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
                          std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!FindAll(prefix).empty()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

bool X11Windows::HasState(unsigned long window, const char* state) const {
  Display* x = display();
  const Atom wanted = XInternAtom(x, state, False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(x, window, XInternAtom(x, "_NET_WM_STATE", False), 0,
                         64, False, XA_ATOM, &type, &format, &count, &remaining,
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

unsigned long X11Windows::Owner(unsigned long window) const {
  Window owner = 0;
  return XGetTransientForHint(display(), window, &owner) ? owner : 0;
}

int X11Windows::OverrideRedirectCount() const {
  int count = 0;
  for (unsigned long window : Children(Root())) {
    bool override_redirect = false;
    if (Viewable(window, &override_redirect) && override_redirect)
      ++count;
  }
  return count;
}

unsigned long X11Windows::OpenWindow(const std::string& title) const {
  const Window window =
      XCreateSimpleWindow(display(), Root(), 0, 0, 400, 300, 0, 0, 0);
  SetTitle(window, title);
  XMapRaised(display(), window);
  Sync();
  return window;
}

void X11Windows::RightClick(unsigned long window) const {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  if (!Geometry(window, &x, &y, &width, &height))
    return;
  Display* xd = display();
  XTestFakeMotionEvent(xd, DefaultScreen(xd), x + width / 2, y + height / 2,
                       CurrentTime);
  XTestFakeButtonEvent(xd, Button3, True, CurrentTime);
  XTestFakeButtonEvent(xd, Button3, False, CurrentTime);
  XFlush(xd);
}

void X11Windows::SendClick(unsigned long window) const {
  XEvent event = {};
  event.xbutton.window = window;
  event.xbutton.button = Button1;
  event.xbutton.same_screen = True;
  event.type = ButtonPress;
  XSendEvent(display(), window, True, ButtonPressMask, &event);
  event.type = ButtonRelease;
  XSendEvent(display(), window, True, ButtonReleaseMask, &event);
  XFlush(display());
}

void X11Windows::PressKey(unsigned long window, unsigned long keysym) const {
  Display* xd = display();
  XSetInputFocus(xd, window, RevertToParent, CurrentTime);
  const KeyCode code = XKeysymToKeycode(xd, keysym);
  XTestFakeKeyEvent(xd, code, True, CurrentTime);
  XTestFakeKeyEvent(xd, code, False, CurrentTime);
  XFlush(xd);
}
