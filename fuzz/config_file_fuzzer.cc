// The launcher's bin/config.ini: the client's name and extension are the
// file's first two words, whatever else it holds.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "launcher/client_file.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  WriteScratchFile("config.ini", content);
  ClientFile file;
  FUZZ_CHECK(ReadConfig("config.ini", &file));
  const std::vector<std::string> words = FirstWords(content, 2);
  FUZZ_CHECK(file.name == (words.size() > 0 ? words[0] : ""));
  FUZZ_CHECK(file.extension == (words.size() > 1 ? words[1] : ""));
  return 0;
}
