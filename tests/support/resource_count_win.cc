#include "tests/support/resource_count_win.h"

#include <windows.h>

#include <cstdint>

namespace {

// Handle values are multiples of 4; a test program's stay far below this.
constexpr std::uintptr_t kHighestHandle = 0x10000;

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
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
