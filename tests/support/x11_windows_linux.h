#ifndef TESTS_SUPPORT_X11_WINDOWS_LINUX_H_
#define TESTS_SUPPORT_X11_WINDOWS_LINUX_H_

#include <chrono>
#include <string>
#include <vector>

#include "platform/x11_display_linux.h"

// What an end-to-end test sees of other programs' windows on the X display,
// and what it does to them as a player would.
class X11Windows : public platform::X11Display {
 public:
  // Other programs' windows go at any time: no X error ends the test.
  X11Windows();

  // Viewable top-level windows whose title starts with |prefix|, bottom
  // first.
  std::vector<unsigned long> FindAll(const std::string& prefix) const {
    return TopLevelWindows(prefix);
  }
  // Waits for one; 0 on time-out.
  unsigned long WaitFor(const std::string& prefix,
                        std::chrono::milliseconds timeout) const;
  // Waits until no such window is left.
  bool WaitGone(const std::string& prefix,
                std::chrono::milliseconds timeout) const;

  // Whether _NET_WM_STATE holds |state|, such as "_NET_WM_STATE_MODAL".
  bool HasState(unsigned long window, const char* state) const;
  // The window it is transient for, or 0.
  unsigned long Owner(unsigned long window) const;
  // Count of viewable windows that bypass the window manager (menus,
  // tooltips).
  int OverrideRedirectCount() const;

  // Opens a plain top-level window of the test's own, titled |title|, above
  // every other; it lasts as long as this object.
  unsigned long OpenWindow(const std::string& title) const;

  // What a window manager's close button does.
  void Close(unsigned long window) const { RequestClose(window); }
  // A real right click in the middle of the window.
  void RightClick(unsigned long window) const;
  // A left click delivered to the window itself.
  void SendClick(unsigned long window) const;
  // A real press and release of the key |keysym| (such as XK_Escape) with
  // the keyboard's focus on |window|.
  void PressKey(unsigned long window, unsigned long keysym) const;
};

#endif  // TESTS_SUPPORT_X11_WINDOWS_LINUX_H_
