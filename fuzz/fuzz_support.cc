#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

std::filesystem::path& ScratchFolder() {
  static std::filesystem::path folder;
  return folder;
}

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder(), ignored);
}

}  // namespace

bool IsFileWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

std::vector<std::string> FirstWords(const std::string& text, size_t count) {
  std::vector<std::string> words;
  size_t i = 0;
  while (words.size() < count) {
    while (i < text.size() && IsFileWhitespace(text[i]))
      ++i;
    if (i == text.size())
      break;
    const size_t start = i;
    while (i < text.size() && !IsFileWhitespace(text[i]))
      ++i;
    words.push_back(text.substr(start, i - start));
  }
  return words;
}

void EnterScratchFolder() {
  // Under $TMPDIR, which a long run may point at a memory file system.
  std::string name =
      (std::filesystem::temp_directory_path() / "ztv-fuzz-XXXXXX").string();
  FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
  ScratchFolder() = name;
  std::atexit(RemoveScratchFolder);
  std::filesystem::current_path(ScratchFolder());
}

void WriteScratchFile(const char* name, const std::string& bytes) {
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  FUZZ_CHECK(file.good());
}
