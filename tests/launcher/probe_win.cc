// Stands in for the client: records how it was started.
#include <windows.h>

#include "tests/launcher/probe.h"

int main() {
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  wchar_t program[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  char utf8[4 * MAX_PATH] = {};
  if (length == 0 || length >= MAX_PATH ||
      !WideCharToMultiByte(CP_UTF8, 0, program, -1, utf8, sizeof(utf8), nullptr,
                           nullptr)) {
    return 2;
  }
  return RunProbe(cwd, utf8, GetCommandLineA());
}
