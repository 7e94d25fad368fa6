// qtcef's conversions from UTF-16 (to UTF-8 and to wide strings) and from
// wide strings and ASCII. Well-formed input converts as glibc converts it
// and round-trips; a lone surrogate, or a wide value that is no Unicode
// scalar value, is reported (0) and becomes U+FFFD.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "fuzz/string_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const String16 units = UnitsOf(bytes);
  std::string oracle;
  const bool well_formed =
      OracleConvert("UTF-8", "UTF-16LE", BytesOf(units), &oracle);

  cef_string_utf8_t utf8 = {};
  FUZZ_CHECK(cef_string_utf16_to_utf8(units.data(), units.size(), &utf8) ==
             (well_formed ? 1 : 0));
  if (well_formed)
    FUZZ_CHECK(Text(utf8) == oracle);
  cef_string_utf16_t back = {};
  FUZZ_CHECK(cef_string_utf8_to_utf16(utf8.str, utf8.length, &back) == 1);
  if (well_formed)
    FUZZ_CHECK(Text(back) == units);

  cef_string_wide_t wide = {};
  FUZZ_CHECK(cef_string_utf16_to_wide(units.data(), units.size(), &wide) ==
             (well_formed ? 1 : 0));
  cef_string_utf16_t from_wide = {};
  FUZZ_CHECK(cef_string_wide_to_utf16(wide.str, wide.length, &from_wide) == 1);
  FUZZ_CHECK(Text(from_wide) == Text(back));

  // The same bytes as wide characters.
  std::wstring wide_input(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(wide_input.data(), bytes.data(),
              wide_input.size() * sizeof(wchar_t));
  std::string wide_oracle;
  const bool scalar_values = OracleConvert(
      "UTF-16LE", "WCHAR_T",
      std::string(bytes.data(), wide_input.size() * sizeof(wchar_t)),
      &wide_oracle);
  cef_string_utf16_t converted = {};
  FUZZ_CHECK(cef_string_wide_to_utf16(wide_input.data(), wide_input.size(),
                                      &converted) == (scalar_values ? 1 : 0));
  if (scalar_values)
    FUZZ_CHECK(Text(converted) == UnitsOf(wide_oracle));

  // ASCII conversion widens each byte, whatever it is.
  cef_string_utf16_t ascii = {};
  FUZZ_CHECK(cef_string_ascii_to_utf16(bytes.data(), bytes.size(), &ascii) ==
             1);
  FUZZ_CHECK(Text(ascii).size() == bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i)
    FUZZ_CHECK(Text(ascii)[i] == static_cast<unsigned char>(bytes[i]));

  cef_string_utf8_clear(&utf8);
  cef_string_utf16_clear(&back);
  cef_string_wide_clear(&wide);
  cef_string_utf16_clear(&from_wide);
  cef_string_utf16_clear(&converted);
  cef_string_utf16_clear(&ascii);
  return 0;
}
