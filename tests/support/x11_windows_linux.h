#ifndef TESTS_SUPPORT_X11_WINDOWS_LINUX_H_
#define TESTS_SUPPORT_X11_WINDOWS_LINUX_H_

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// What an end-to-end test sees of other programs' windows on the X display.
class X11Windows {
 public:
  X11Windows();
  ~X11Windows();
  X11Windows(const X11Windows&) = delete;
  X11Windows& operator=(const X11Windows&) = delete;

  bool connected() const { return display_ != nullptr; }

  // Viewable top-level windows whose title starts with |prefix|.
  std::vector<unsigned long> FindAll(const std::string& prefix);
  // Waits for one; 0 on time-out.
  unsigned long WaitFor(const std::string& prefix,
                        std::chrono::milliseconds timeout);
  // Waits until no such window is left.
  bool WaitGone(const std::string& prefix, std::chrono::milliseconds timeout);

  std::string Title(unsigned long window);
  // WM_NAME, which child windows carry too.
  std::string Name(unsigned long window);
  std::vector<unsigned long> Children(unsigned long window);
  // Whether _NET_WM_STATE holds |state|, such as "_NET_WM_STATE_MODAL".
  bool HasState(unsigned long window, const char* state);
  // The window it is transient for, or 0.
  unsigned long Owner(unsigned long window);
  // Position on the screen and size.
  bool Geometry(unsigned long window, int* x, int* y, int* width, int* height);
  // _NET_WM_ICON as (size, size, pixels...) runs, 32-bit values.
  std::vector<uint32_t> Icons(unsigned long window);
  // Count of viewable windows that bypass the window manager (menus,
  // tooltips).
  int OverrideRedirectCount();

  // Opens a plain top-level window of the test's own, titled |title|, above
  // every other; it lasts as long as this object.
  unsigned long OpenWindow(const std::string& title);

  // What a window manager's close button does.
  void Close(unsigned long window);
  // A real right click in the middle of the window.
  void RightClick(unsigned long window);
  // A left click delivered to the window itself.
  void SendClick(unsigned long window);

 private:
  struct _XDisplay* display_;
};

#endif  // TESTS_SUPPORT_X11_WINDOWS_LINUX_H_
