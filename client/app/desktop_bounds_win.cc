#include "client/app/desktop_bounds.h"

#include <windows.h>

void GetDesktopBounds(int* left, int* top, int* width, int* height) {
  RECT rect = {};
  GetWindowRect(GetDesktopWindow(), &rect);
  *left = rect.left;
  *top = rect.top;
  *width = rect.right - rect.left;
  *height = rect.bottom - rect.top;
}
