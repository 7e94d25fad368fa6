// Platform detection for the CEF 3538 API declarations.

#ifndef CEF_INCLUDE_BASE_CEF_BUILD_H_
#define CEF_INCLUDE_BASE_CEF_BUILD_H_

#if defined(_WIN32)
#ifndef OS_WIN
#define OS_WIN 1
#endif
#elif defined(__linux__)
#ifndef OS_LINUX
#define OS_LINUX 1
#endif
#ifndef OS_POSIX
#define OS_POSIX 1
#endif
#else
#error Only Windows and Linux are supported.
#endif

// wchar_t holds a UTF-16 code unit on Windows and a UTF-32 code point on Linux.
#if defined(OS_WIN)
#define WCHAR_T_IS_UTF16
#else
#define WCHAR_T_IS_UTF32
#endif

#if !defined(OVERRIDE)
#define OVERRIDE override
#endif

#endif  // CEF_INCLUDE_BASE_CEF_BUILD_H_
