// The launcher's command line: it never outgrows its buffer, it names only a
// file of bin/ itself, and it is either complete, switches and all, or
// reported as a failed start.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "fuzz/fuzz_support.h"
#include "launcher/launch_command.h"

namespace {

// Could name something outside bin/ or break the command line.
bool Unsafe(const std::string& word) {
  std::string forbidden = "/\\:\x7f";
  for (char c = 0; c < 0x20; ++c)
    forbidden.push_back(c);
  return word.find_first_of(forbidden) != std::string::npos ||
         word.find("..") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  ClientFile file;
  file.name = input.ConsumeRandomLengthString(256);
  file.extension = input.ConsumeRemainingBytesAsString();

  LaunchCommand command;
  std::memset(command.command_line, 'X', sizeof(command.command_line));
  const bool composed = ComposeLaunchCommand(file, &command);

  const std::string application =
      kClientFolderPrefix + file.name + "." + file.extension;
  const std::string line = application + kClientSwitches;
  FUZZ_CHECK(command.application_name == application);
  FUZZ_CHECK(composed == (line.size() < kCommandLineSize &&
                          !Unsafe(file.name) && !Unsafe(file.extension)));
  const size_t used = composed ? line.size() : 0;
  FUZZ_CHECK(std::memcmp(command.command_line, line.data(), used) == 0);
  for (size_t i = used; i < kCommandLineSize; ++i)
    FUZZ_CHECK(command.command_line[i] == '\0');
  return 0;
}
