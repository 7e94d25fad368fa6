#ifndef PLATFORM_X11_DISPLAY_LINUX_H_
#define PLATFORM_X11_DISPLAY_LINUX_H_

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Xlib's display type, so that users need not see Xlib's macros.
struct _XDisplay;  // NOLINT(bugprone-reserved-identifier)

namespace platform {

// An X11 window ID.
using XWindow = unsigned long;

// One square image of _NET_WM_ICON: |size| by |size| ARGB pixels, row by row.
struct WindowIcon {
  int size = 0;
  std::vector<uint32_t> argb;
};

// Where a top-level window is on the screen, and its size.
struct WindowPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A connection of its own to the X display, and what the programs and their
// tests do through it with top-level windows: titles, icons, the window
// tree, geometry, close and raise requests. Windows of other programs come
// and go while they are looked at, so X errors never end the process; a call
// on a window that has gone finds nothing. Without a display every call
// finds nothing. One thread at a time.
class X11Display {
 public:
  X11Display();
  ~X11Display();
  X11Display(const X11Display&) = delete;
  X11Display& operator=(const X11Display&) = delete;

  bool connected() const { return display_ != nullptr; }
  // For Xlib calls of the caller's own; null without a display.
  _XDisplay* display() const { return display_; }

  XWindow Root() const;
  // Whether an EWMH window manager runs: the window that the root names in
  // _NET_SUPPORTING_WM_CHECK names itself there too.
  bool WindowManagerRuns() const;
  // Bottom first, as X stacks them.
  std::vector<XWindow> Children(XWindow window) const;
  // Mapped top-level windows, not override-redirect (menus, tooltips),
  // whose title starts with |prefix|, bottom first.
  std::vector<XWindow> TopLevelWindows(const std::string& prefix) const;
  // The top-level window titled exactly |title|, or the client window of
  // that title inside a window manager's frame; 0 when there is none.
  XWindow FindWindowByTitle(const std::string& title) const;

  // _NET_WM_NAME (UTF-8) alone, and the title as window managers show it:
  // _NET_WM_NAME, else WM_NAME.
  std::string NetWmName(XWindow window) const;
  std::string Title(XWindow window) const;
  // WM_NAME, which child windows carry too.
  std::string Name(XWindow window) const;
  // Sets _NET_WM_NAME and WM_NAME.
  void SetTitle(XWindow window, const std::string& title) const;

  // _NET_WM_ICON as (size, size, pixels...) runs of 32-bit values.
  std::vector<uint32_t> Icons(XWindow window) const;
  void SetIcons(XWindow window, const std::vector<WindowIcon>& icons) const;

  // The first value of a 32-bit property such as _NET_WM_PID, or
  // |fallback|.
  long CardinalProperty(XWindow window, const char* name, long fallback) const;
  bool Viewable(XWindow window, bool* override_redirect = nullptr) const;
  // Position on the screen and size.
  bool Geometry(XWindow window, int* x, int* y, int* width, int* height) const;
  bool ScreenBounds(int* left, int* top, int* width, int* height) const;

  // Makes |window| fill its screen: through the window manager where one
  // runs (the EWMH state _NET_WM_STATE_FULLSCREEN), else by moving and
  // resizing the window itself. |place| gets where it was. False when the
  // window is gone.
  bool EnterFullscreen(XWindow window, WindowPlace* place) const;
  // Brings |window| back out of fullscreen, to |place| without a window
  // manager.
  void LeaveFullscreen(XWindow window, const WindowPlace& place) const;

  // What a window manager's close button does.
  void RequestClose(XWindow window) const;
  // Brings the visible top-level windows of process |pid| (_NET_WM_PID) to
  // the front, keeping their order among themselves, and asks the window
  // manager to activate them, which also restores minimised ones.
  void RaiseWindowsOfProcess(unsigned long pid) const;

  // Waits until the server has handled every request sent so far.
  void Sync() const;

 private:
  // Asks the window manager to add or remove _NET_WM_STATE_FULLSCREEN.
  void AskForFullscreenState(XWindow window, bool fullscreen) const;

  _XDisplay* display_;
};

// The process's one shared connection, for a program that talks to X from
// more than one place: a handle holds the lock for as long as it lives, so
// `SharedX11Display()->SetTitle(...)` is one locked call.
class SharedX11Display {
 public:
  SharedX11Display();
  const X11Display* operator->() const { return &display_; }

 private:
  static std::mutex& Mutex();
  static const X11Display& Connection();

  std::lock_guard<std::mutex> lock_;
  const X11Display& display_;
};

}  // namespace platform

#endif  // PLATFORM_X11_DISPLAY_LINUX_H_
