// Stands in for the client: records how it was started.
#include <windows.h>

#include "tests/launcher/probe.h"

int main() {
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  return RunProbe(cwd, GetCommandLineA());
}
