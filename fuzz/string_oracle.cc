#include "fuzz/string_oracle.h"

#include <iconv.h>

#include <cstring>
#include <map>
#include <utility>

#include "fuzz/fuzz_support.h"

bool OracleConvert(const char* to_code,
                   const char* from_code,
                   const std::string& from,
                   std::string* to) {
  // One converter per pair of encodings for the whole run, reset each time;
  // kept to the end, so never freed.
  static auto* converters =
      new std::map<std::pair<std::string, std::string>, iconv_t>();
  iconv_t& converter = (*converters)[{to_code, from_code}];
  if (!converter)
    converter = iconv_open(to_code, from_code);
  FUZZ_CHECK(converter != reinterpret_cast<iconv_t>(-1));
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  // Four output bytes for every input byte cover every pair of encodings
  // used here.
  std::string out(from.size() * 4, '\0');
  char* in_at = const_cast<char*>(from.data());
  size_t in_left = from.size();
  char* out_at = out.data();
  size_t out_left = out.size();
  const bool converted = iconv(converter, &in_at, &in_left, &out_at,
                               &out_left) != static_cast<size_t>(-1);
  out.resize(out.size() - out_left);
  *to = out;
  return converted && in_left == 0;
}

std::string BytesOf(const String16& units) {
  return std::string(reinterpret_cast<const char*>(units.data()),
                     units.size() * sizeof(char16));
}

String16 UnitsOf(const std::string& bytes) {
  String16 units(bytes.size() / sizeof(char16), 0);
  std::memcpy(units.data(), bytes.data(), units.size() * sizeof(char16));
  return units;
}
