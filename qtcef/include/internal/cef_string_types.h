// The C string structures of the CEF 3538 API and the functions that manage
// them. They are implemented in qtcef/src/cef_string_types.cc.

#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_

#include <stddef.h>

#include "include/base/cef_basictypes.h"

#ifdef __cplusplus
extern "C" {
#endif

// Each string is a buffer of |length| characters (not counting a terminating
// zero) and the function that frees the buffer, or NULL when the structure
// does not own it.
typedef struct _cef_string_wide_t {
  wchar_t* str;
  size_t length;
  void (*dtor)(wchar_t* str);
} cef_string_wide_t;

typedef struct _cef_string_utf8_t {
  char* str;
  size_t length;
  void (*dtor)(char* str);
} cef_string_utf8_t;

typedef struct _cef_string_utf16_t {
  char16* str;
  size_t length;
  void (*dtor)(char16* str);
} cef_string_utf16_t;

// A heap-allocated structure whose receiver frees it with the matching
// userfree function.
typedef cef_string_utf16_t* cef_string_userfree_utf16_t;

// Frees the contents of |str| (when owned) and leaves it empty.
void cef_string_wide_clear(cef_string_wide_t* str);
void cef_string_utf8_clear(cef_string_utf8_t* str);
void cef_string_utf16_clear(cef_string_utf16_t* str);

// Replaces the contents of |output| with |src_len| characters of |src|: an
// owned copy when |copy| is non-zero, otherwise a reference to |src|. Returns
// 0 when memory runs out.
int cef_string_utf16_set(const char16* src,
                         size_t src_len,
                         cef_string_utf16_t* output,
                         int copy);
#define cef_string_utf16_copy(src, src_len, output) \
  cef_string_utf16_set(src, src_len, output, 1)

// Compares code unit by code unit; returns <0, 0 or >0.
int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                         const cef_string_utf16_t* str2);

// Each conversion replaces |output| with an owned copy of |src| in the target
// encoding. Ill-formed input (invalid or truncated UTF-8, unpaired
// surrogates, code points beyond U+10FFFF) becomes U+FFFD, and the function
// returns 0; otherwise it returns 1. Wide strings are UTF-32 on Linux and
// UTF-16 on Windows, where the wide conversions copy the code units as they
// are.
int cef_string_wide_to_utf16(const wchar_t* src,
                             size_t src_len,
                             cef_string_utf16_t* output);
int cef_string_utf16_to_wide(const char16* src,
                             size_t src_len,
                             cef_string_wide_t* output);
int cef_string_utf8_to_utf16(const char* src,
                             size_t src_len,
                             cef_string_utf16_t* output);
int cef_string_utf16_to_utf8(const char16* src,
                             size_t src_len,
                             cef_string_utf8_t* output);

// Widens each byte of |src|, taken as unsigned, to one UTF-16 code unit.
int cef_string_ascii_to_utf16(const char* src,
                              size_t src_len,
                              cef_string_utf16_t* output);

// Allocates an empty structure; the free function also frees its contents.
cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void);
void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_TYPES_H_
