// The Windows C types of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_

#include "include/base/cef_build.h"

#if defined(OS_WIN)
#include <windows.h>

#include "include/internal/cef_string.h"

// Macros rather than typedefs, as CEF 3538 declares them.
#define cef_cursor_handle_t HCURSOR
#define cef_event_handle_t MSG*
#define cef_window_handle_t HWND

#define kNullCursorHandle NULL
#define kNullEventHandle NULL
#define kNullWindowHandle NULL

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_main_args_t {
  HINSTANCE instance;
} cef_main_args_t;

// Parameters of the native window that hosts a browser.
typedef struct _cef_window_info_t {
  // Arguments of CreateWindowEx.
  DWORD ex_style;
  cef_string_t window_name;
  DWORD style;
  int x;
  int y;
  int width;
  int height;
  cef_window_handle_t parent_window;
  HMENU menu;

  // Non-zero renders off screen, without a window.
  int windowless_rendering_enabled;

  // The browser's window, set by CEF once it exists.
  cef_window_handle_t window;
} cef_window_info_t;

#ifdef __cplusplus
}
#endif

#endif  // OS_WIN

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WIN_H_
