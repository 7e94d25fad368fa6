// qtcef's UTF-8 to UTF-16 conversion. Well-formed UTF-8 converts exactly as
// glibc converts it and back to the same bytes; anything else is reported
// (0) and gives U+FFFD in place of each ill-formed part, so that the result
// is always well-formed and converts back and forth unchanged.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "fuzz/string_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string oracle;
  const bool well_formed = OracleConvert("UTF-16LE", "UTF-8", bytes, &oracle);

  cef_string_utf16_t utf16 = {};
  FUZZ_CHECK(cef_string_utf8_to_utf16(bytes.data(), bytes.size(), &utf16) ==
             (well_formed ? 1 : 0));
  if (well_formed)
    FUZZ_CHECK(Text(utf16) == UnitsOf(oracle));

  cef_string_utf8_t back = {};
  FUZZ_CHECK(cef_string_utf16_to_utf8(utf16.str, utf16.length, &back) == 1);
  if (well_formed)
    FUZZ_CHECK(Text(back) == bytes);
  cef_string_utf16_t again = {};
  FUZZ_CHECK(cef_string_utf8_to_utf16(back.str, back.length, &again) == 1);
  FUZZ_CHECK(Text(again) == Text(utf16));

  cef_string_utf16_clear(&utf16);
  cef_string_utf8_clear(&back);
  cef_string_utf16_clear(&again);
  return 0;
}
