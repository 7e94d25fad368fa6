// The launcher's command line: it never outgrows its buffer, and it is
// either complete, switches and all, or reported as a failed start.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "fuzz/fuzz_support.h"
#include "launcher/launch_command.h"

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
                          application.find('\0') == std::string::npos));
  const size_t used = composed ? line.size() : 0;
  FUZZ_CHECK(std::memcmp(command.command_line, line.data(), used) == 0);
  for (size_t i = used; i < kCommandLineSize; ++i)
    FUZZ_CHECK(command.command_line[i] == '\0');
  return 0;
}
