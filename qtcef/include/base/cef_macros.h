// Class and array helper macros used throughout the CEF 3538 API.

#ifndef CEF_INCLUDE_BASE_CEF_MACROS_H_
#define CEF_INCLUDE_BASE_CEF_MACROS_H_

#include <stddef.h>

#include "include/base/cef_build.h"

// Declares, without defining, the copy constructor and copy assignment. In a
// private section it makes copying fail to compile (or, from inside the
// class, to link).
#if !defined(DISALLOW_COPY_AND_ASSIGN)
#define DISALLOW_COPY_AND_ASSIGN(TypeName) \
  TypeName(const TypeName&);               \
  void operator=(const TypeName&)
#endif

#if !defined(DISALLOW_IMPLICIT_CONSTRUCTORS)
#define DISALLOW_IMPLICIT_CONSTRUCTORS(TypeName) \
  TypeName();                                    \
  DISALLOW_COPY_AND_ASSIGN(TypeName)
#endif

// Number of elements of a true array; a pointer argument fails to compile.
#if !defined(arraysize)
template <typename T, size_t N>
char (&ArraySizeHelper(T (&array)[N]))[N];
#define arraysize(array) (sizeof(ArraySizeHelper(array)))
#endif

#endif  // CEF_INCLUDE_BASE_CEF_MACROS_H_
