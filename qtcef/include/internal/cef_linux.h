// The Linux C++ types of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_LINUX_H_
#define CEF_INCLUDE_INTERNAL_CEF_LINUX_H_

#include "include/base/cef_build.h"

#if defined(OS_LINUX)
#include "include/internal/cef_types_linux.h"
#include "include/internal/cef_types_wrappers.h"

#define CefCursorHandle cef_cursor_handle_t
#define CefEventHandle cef_event_handle_t
#define CefWindowHandle cef_window_handle_t

struct CefMainArgsTraits : CefStructTraits<cef_main_args_t> {};

// The arguments of main().
class CefMainArgs : public CefStructBase<CefMainArgsTraits> {
 public:
  CefMainArgs() {}
  explicit CefMainArgs(const cef_main_args_t& r)
      : CefStructBase<CefMainArgsTraits>(r) {}
  explicit CefMainArgs(const CefMainArgs& r)
      : CefStructBase<CefMainArgsTraits>(r) {}
  CefMainArgs(int argc_arg, char** argv_arg) {
    argc = argc_arg;
    argv = argv_arg;
  }
};

struct CefWindowInfoTraits : CefStructTraits<cef_window_info_t> {};

// How a browser's X11 window is created.
class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  CefWindowInfo() {}
  explicit CefWindowInfo(const cef_window_info_t& r)
      : CefStructBase<CefWindowInfoTraits>(r) {}
  explicit CefWindowInfo(const CefWindowInfo& r)
      : CefStructBase<CefWindowInfoTraits>(r) {}

  // A child window of |parent| that fills |windowRect|.
  void SetAsChild(CefWindowHandle parent, const CefRect& windowRect) {
    parent_window = parent;
    x = static_cast<unsigned int>(windowRect.x);
    y = static_cast<unsigned int>(windowRect.y);
    width = static_cast<unsigned int>(windowRect.width);
    height = static_cast<unsigned int>(windowRect.height);
  }

  // Off-screen rendering; |parent| serves for screen information and
  // positioning dialogs.
  void SetAsWindowless(CefWindowHandle parent) {
    windowless_rendering_enabled = 1;
    parent_window = parent;
  }
};

#endif  // OS_LINUX

#endif  // CEF_INCLUDE_INTERNAL_CEF_LINUX_H_
