// The Windows C++ types of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_WIN_H_

#include "include/base/cef_build.h"

#if defined(OS_WIN)
#include <windows.h>

#include "include/internal/cef_types_win.h"
#include "include/internal/cef_types_wrappers.h"

#define CefCursorHandle cef_cursor_handle_t
#define CefEventHandle cef_event_handle_t
#define CefWindowHandle cef_window_handle_t

struct CefMainArgsTraits : CefStructTraits<cef_main_args_t> {};

// The arguments of the program's entry point.
class CefMainArgs : public CefStructBase<CefMainArgsTraits> {
 public:
  CefMainArgs() {}
  explicit CefMainArgs(const cef_main_args_t& r)
      : CefStructBase<CefMainArgsTraits>(r) {}
  explicit CefMainArgs(const CefMainArgs& r)
      : CefStructBase<CefMainArgsTraits>(r) {}
  explicit CefMainArgs(HINSTANCE hInstance) { instance = hInstance; }
};

struct CefWindowInfoTraits
    : CefStructTraits<cef_window_info_t, &cef_window_info_t::window_name> {};

// How a browser's native window is created.
class CefWindowInfo : public CefStructBase<CefWindowInfoTraits> {
 public:
  CefWindowInfo() {}
  explicit CefWindowInfo(const cef_window_info_t& r)
      : CefStructBase<CefWindowInfoTraits>(r) {}
  explicit CefWindowInfo(const CefWindowInfo& r)
      : CefStructBase<CefWindowInfoTraits>(r) {}

  // A visible child window of |parent| that fills |windowRect|.
  void SetAsChild(CefWindowHandle parent, RECT windowRect) {
    style =
        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
    parent_window = parent;
    x = windowRect.left;
    y = windowRect.top;
    width = windowRect.right - windowRect.left;
    height = windowRect.bottom - windowRect.top;
  }

  // A visible top-level window, owned by |parent| (which may be NULL), with
  // the system's default position and size.
  void SetAsPopup(CefWindowHandle parent, const CefString& windowName) {
    style =
        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
    parent_window = parent;
    x = CW_USEDEFAULT;
    y = CW_USEDEFAULT;
    width = CW_USEDEFAULT;
    height = CW_USEDEFAULT;
    cef_string_copy(windowName.c_str(), windowName.length(), &window_name);
  }

  // Off-screen rendering; |parent| serves for screen information and
  // positioning dialogs.
  void SetAsWindowless(CefWindowHandle parent) {
    windowless_rendering_enabled = TRUE;
    parent_window = parent;
  }
};

#endif  // OS_WIN

#endif  // CEF_INCLUDE_INTERNAL_CEF_WIN_H_
