// The Linux C types of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_

#include "include/base/cef_build.h"

#if defined(OS_LINUX)
#include <stddef.h>

typedef union _XEvent XEvent;

// Macros rather than typedefs, as CEF 3538 declares them; the handles are X11
// resource IDs.
#define cef_cursor_handle_t unsigned long
#define cef_event_handle_t XEvent*
#define cef_window_handle_t unsigned long

#define kNullCursorHandle 0
#define kNullEventHandle NULL
#define kNullWindowHandle 0

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_main_args_t {
  int argc;
  char** argv;
} cef_main_args_t;

// Parameters of the X11 window that hosts a browser.
typedef struct _cef_window_info_t {
  unsigned int x;
  unsigned int y;
  unsigned int width;
  unsigned int height;
  cef_window_handle_t parent_window;

  // Non-zero renders off screen, without a window.
  int windowless_rendering_enabled;

  // The browser's window, set by CEF once it exists.
  cef_window_handle_t window;
} cef_window_info_t;

#ifdef __cplusplus
}
#endif

#endif  // OS_LINUX

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_LINUX_H_
