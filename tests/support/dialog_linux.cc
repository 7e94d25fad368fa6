#include "tests/support/dialog.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

#include "tests/support/test_files.h"

namespace {

// Windows of other programs come and go while they are inspected; an error
// about one that has gone is expected and must not end the test.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

class Connection {
 public:
  Connection() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(IgnoreXError);
  }
  ~Connection() {
    if (display_)
      XCloseDisplay(display_);
  }
  Display* get() const { return display_; }

 private:
  Display* display_;
};

std::string Name(Display* display, Window window) {
  char* name = nullptr;
  std::string result;
  if (XFetchName(display, window, &name) && name)
    result = name;
  if (name)
    XFree(name);
  return result;
}

std::vector<Window> Children(Display* display, Window parent) {
  Window root = 0;
  Window parent_of = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display, parent, &root, &parent_of, &children, &count)) {
    result.assign(children, children + count);
    if (children)
      XFree(children);
  }
  return result;
}

Window FindTopLevel(Display* display, const std::string& title) {
  for (Window window : Children(display, DefaultRootWindow(display))) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) &&
        attributes.map_state == IsViewable && Name(display, window) == title) {
      return window;
    }
  }
  return 0;
}

bool HasState(Display* display, Window window, const char* state) {
  const Atom wanted = XInternAtom(display, state, False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display, window,
                         XInternAtom(display, "_NET_WM_STATE", False), 0, 64,
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

void Click(Display* display, Window button) {
  XEvent event;
  std::memset(&event, 0, sizeof(event));
  event.xbutton.window = button;
  event.xbutton.button = Button1;
  event.xbutton.same_screen = True;
  event.type = ButtonPress;
  XSendEvent(display, button, True, ButtonPressMask, &event);
  event.type = ButtonRelease;
  XSendEvent(display, button, True, ButtonReleaseMask, &event);
  XFlush(display);
}

}  // namespace

bool ReadAndDismissDialog(const std::string& title,
                          std::chrono::milliseconds timeout,
                          DialogInfo* info) {
  Connection connection;
  Display* display = connection.get();
  if (!display)
    return false;
  Window box = 0;
  if (!WaitUntil(
          [&] {
            box = FindTopLevel(display, title);
            return box != 0;
          },
          timeout)) {
    return false;
  }
  Window ok = 0;
  info->buttons.clear();
  for (Window child : Children(display, box)) {
    const std::string name = Name(display, child);
    if (name == "error" || name == "warning" || name == "information") {
      info->icon = name;
    } else if (name == "OK") {
      info->buttons.push_back(name);
      ok = child;
    } else {
      info->text = name;
    }
  }
  Window owner = 0;
  info->has_owner = XGetTransientForHint(display, box, &owner) && owner;
  info->topmost = HasState(display, box, "_NET_WM_STATE_ABOVE");
  info->modal = HasState(display, box, "_NET_WM_STATE_MODAL");
  if (!ok)
    return false;
  Click(display, ok);
  return WaitUntil([&] { return FindTopLevel(display, title) == 0; }, timeout);
}

bool TopLevelWindowExists(const std::string& title) {
  Connection connection;
  return connection.get() && FindTopLevel(connection.get(), title) != 0;
}
