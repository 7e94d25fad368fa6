// Fixed-width integer, character and colour types of the CEF 3538 API.

#ifndef CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
#define CEF_INCLUDE_BASE_CEF_BASICTYPES_H_

#include <limits.h>
#include <stddef.h>
#include <stdint.h>

#include "include/base/cef_build.h"

typedef signed char int8;
typedef unsigned char uint8;
typedef short int16;
typedef unsigned short uint16;
typedef int int32;
typedef unsigned int uint32;
typedef long long int64;
typedef unsigned long long uint64;

// A UTF-16 code unit: wchar_t where that is 16 bits wide, so that Windows
// strings pass through unchanged.
#if defined(WCHAR_T_IS_UTF16)
typedef wchar_t char16;
#else
typedef unsigned short char16;
#endif

// A 32-bit ARGB colour value.
typedef uint32 cef_color_t;

#endif  // CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
