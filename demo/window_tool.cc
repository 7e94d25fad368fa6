// Finds and closes the game's windows for the demo run without a display of
// its own: `find <seconds> <title-prefix>...` waits for a top-level window
// whose title starts with one of the prefixes and prints its id and title;
// `close <id>` asks it to close the way a window manager's close button
// does.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

std::string Title(Display* display, Window window) {
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
      data) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data)
    XFree(data);
  return title;
}

Window Find(Display* display, const std::string& prefix, std::string* title) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  Window found = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent,
                  &children, &count)) {
    return 0;
  }
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) &&
        attributes.map_state == IsViewable) {
      const std::string name = Title(display, children[i]);
      if (name.rfind(prefix, 0) == 0) {
        found = children[i];
        *title = name;
      }
    }
  }
  if (children)
    XFree(children);
  return found;
}

void Close(Display* display, Window window) {
  XEvent event;
  std::memset(&event, 0, sizeof(event));
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display || argc < 3) {
    std::fprintf(stderr,
                 "usage: %s find <seconds> <title-prefix>... | close <id>\n",
                 argv[0]);
    return 2;
  }
  XSetErrorHandler(IgnoreXError);
  const std::string command = argv[1];
  int status = 1;
  if (command == "find" && argc >= 4) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::seconds(std::atoi(argv[2]));
    while (status != 0 && std::chrono::steady_clock::now() < deadline) {
      for (int i = 3; i < argc && status != 0; ++i) {
        std::string title;
        if (const Window window = Find(display, argv[i], &title)) {
          std::printf("%lu %s\n", window, title.c_str());
          status = 0;
        }
      }
      if (status != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  } else if (command == "close") {
    Close(display, std::strtoul(argv[2], nullptr, 0));
    status = 0;
  }
  XCloseDisplay(display);
  return status;
}
