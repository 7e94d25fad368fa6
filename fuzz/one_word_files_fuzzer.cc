// The client's one-word files, "version.ini", "client_version.ini" and
// "landing_page.ini": each gives its first word, never white space, and
// keeps its default when it has none.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "client/app/landing_page.h"
#include "client/main/version_gate.h"
#include "fuzz/fuzz_support.h"

namespace {

bool HasWhitespace(const std::string& text) {
  for (char c : text) {
    if (IsFileWhitespace(c))
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterScratchFolder();
  // All three read the one file each input is written to.
  for (const char* name : {"client_version.ini", "landing_page.ini"})
    std::filesystem::create_symlink("version.ini", name);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  WriteScratchFile("version.ini", content);
  web_version = client_version = "0.0.0.0";
  update_required = false;
  ReadWebVersion();
  ReadClientVersion();
  const std::string url = ReadLandingPage("landing_page.ini");

  const std::vector<std::string> words = FirstWords(content, 1);
  const bool has_word = !words.empty();
  FUZZ_CHECK(web_version == (has_word ? words[0] : "0.0.0.0"));
  FUZZ_CHECK(client_version == web_version);
  FUZZ_CHECK(url == (has_word ? words[0] : DefaultLandingPage()));
  FUZZ_CHECK(!web_version.empty() && !HasWhitespace(web_version));
  FUZZ_CHECK(!update_required);
  return 0;
}
