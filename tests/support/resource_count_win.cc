#include "tests/support/resource_count_win.h"

#include <windows.h>

#include <cstdint>

namespace {

// Handle values are multiples of 4; a test program's stay far below this.
constexpr std::uintptr_t kHighestHandle = 0x10000;

// The default IME window, of class "IME", which the system's input method
// support (Wine's imm32 here) adds to a thread when the thread makes its
// first window, and which stays until the thread ends. It is the system's,
// not the program's, so it is not counted.
bool IsSystemImeWindow(HWND window) {
  wchar_t name[8] = {};
  return GetClassNameW(window, name, 8) == 3 && lstrcmpW(name, L"IME") == 0;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  if (IsSystemImeWindow(window))
    return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

}  // namespace

int CountOpenHandles() {
  int count = 0;
  for (std::uintptr_t value = 4; value <= kHighestHandle; value += 4) {
    DWORD flags = 0;
    count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
  }
  return count;
}

int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow,
                    reinterpret_cast<LPARAM>(&count));
  return count;
}
