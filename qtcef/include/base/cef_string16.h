// The UTF-16 standard string type of the CEF 3538 API.

#ifndef CEF_INCLUDE_BASE_CEF_STRING16_H_
#define CEF_INCLUDE_BASE_CEF_STRING16_H_

#include <string>

#include "include/base/cef_basictypes.h"

namespace base {

// std::wstring on Windows, where char16 is wchar_t.
typedef std::basic_string<char16> string16;

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_STRING16_H_
