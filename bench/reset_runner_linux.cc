// Runs the client's update reset on the profile folder given, as the client
// does after its engine has shut down, and prints the memory the reset
// added to the process at its peak: "extra_kib <n>". Exits 1 if the reset
// failed.
//
// ztv_reset_runner <profile folder>
#include <cstdio>
#include <fstream>
#include <string>

#include "client/main/post_shutdown.h"

namespace {

// A "Vm...:" figure of this process, in KiB.
long StatusKib(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0)
      return std::stol(line.substr(field.size()));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2)
    return 2;
  UsedProfileFolder folder{argv[1], {}};
  if (MakeFolderAndIdentify(folder.path, &folder.identity) != 0)
    return 1;
  const long before = StatusKib("VmRSS:");
  const bool reset = ResetProfileFolder(folder);
  std::printf("extra_kib %ld\n", StatusKib("VmHWM:") - before);
  return reset ? 0 : 1;
}
