// The operating system's identifier of a thread.

#ifndef CEF_INCLUDE_INTERNAL_CEF_THREAD_INTERNAL_H_
#define CEF_INCLUDE_INTERNAL_CEF_THREAD_INTERNAL_H_

#include "include/base/cef_build.h"

#if defined(OS_WIN)
#include <windows.h>
#else
#include <sys/types.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(OS_WIN)
typedef DWORD cef_platform_thread_id_t;
#define kInvalidPlatformThreadId 0U
#else
typedef pid_t cef_platform_thread_id_t;
#define kInvalidPlatformThreadId 0
#endif

// The calling thread's identifier.
cef_platform_thread_id_t cef_get_current_platform_thread_id();

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_THREAD_INTERNAL_H_
