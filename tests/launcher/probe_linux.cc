// Stands in for the client: records how it was started.
#include <unistd.h>

#include <string>

#include "tests/launcher/probe.h"

int main(int argc, char** argv) {
  char cwd[4096] = {};
  char program[4096] = {};
  if (!getcwd(cwd, sizeof(cwd)) ||
      readlink("/proc/self/exe", program, sizeof(program) - 1) <= 0) {
    return 2;
  }
  std::string command;
  for (int i = 0; i < argc; ++i)
    command += std::string(i ? "\n" : "") + argv[i];
  return RunProbe(cwd, program, command);
}
