#include "client/main/profile_folder.h"

#include <limits.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

// Room kept for the longest name the client and the engine use in or beside
// the folder ("Local Storage/leveldb/MANIFEST-000001", "ZTV.lock").
constexpr size_t kNamesInside = 64;

// Whether |text| is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 1;
    unsigned int low = 0x80;
    unsigned int high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      low = lead == 0xE0 ? 0xA0 : 0x80;
      high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      low = lead == 0xF0 ? 0x90 : 0x80;
      high = lead == 0xF4 ? 0x8F : 0xBF;
    } else if (lead >= 0x80) {
      return false;
    }
    if (text.size() - i < length)
      return false;
    for (size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
        return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

std::filesystem::path GetProfileFolderPath() {
  // A relative value would move the profile with the working folder; the
  // XDG rules have it ignored, and the same goes for HOME.
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home && *data_home == '/')
    return std::filesystem::path(std::string(data_home) + "/ZTV");
  const char* home = std::getenv("HOME");
  if (home && *home == '/')
    return std::filesystem::path(std::string(home) + "/.local/share/ZTV");
  return std::filesystem::path();
}

std::string ProfileFolderProblem(const std::filesystem::path& folder,
                                 int* code) {
  *code = EILSEQ;
  if (!IsUtf8(folder.native()))
    return "its path is not UTF-8";
  *code = ENAMETOOLONG;
  if (folder.native().size() + kNamesInside >= PATH_MAX)
    return "its path is too long";
  for (const std::filesystem::path& part : folder) {
    if (part.native().size() > NAME_MAX)
      return "a name in its path is too long";
  }
  *code = 0;
  return std::string();
}
