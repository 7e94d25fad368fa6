// The smart pointer aliases of the CEF 3538 API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#define CEF_INCLUDE_INTERNAL_CEF_PTR_H_

#include <memory>

#include "include/base/cef_build.h"
#include "include/base/cef_ref_counted.h"

// Holds a reference to a reference-counted CEF object.
template <class T>
using CefRefPtr = scoped_refptr<T>;

// Sole owner of an object that is not reference counted.
template <class T, class D = std::default_delete<T>>
using CefOwnPtr = std::unique_ptr<T, D>;

// A pointer that neither owns nor counts, valid only for the call it is
// passed to.
template <class T>
using CefRawPtr = T*;

#endif  // CEF_INCLUDE_INTERNAL_CEF_PTR_H_
