// glibc's own converters, through iconv, as the oracle for qtcef's: whether
// the input is well-formed, and what it converts to when it is.

#ifndef FUZZ_STRING_ORACLE_H_
#define FUZZ_STRING_ORACLE_H_

#include <string>

#include "include/internal/cef_string_types.h"

using String16 = std::basic_string<char16>;

// False when |from| is not well-formed in |from_code|.
bool OracleConvert(const char* to_code,
                   const char* from_code,
                   const std::string& from,
                   std::string* to);

// The bytes of |units| in memory and back, for the oracle.
std::string BytesOf(const String16& units);
String16 UnitsOf(const std::string& bytes);

template <typename CefStringStruct>
auto Text(const CefStringStruct& str) {
  using Char = std::remove_pointer_t<decltype(str.str)>;
  return str.str ? std::basic_string<Char>(str.str, str.length)
                 : std::basic_string<Char>();
}

#endif  // FUZZ_STRING_ORACLE_H_
