#ifndef CLIENT_APP_DESKTOP_BOUNDS_H_
#define CLIENT_APP_DESKTOP_BOUNDS_H_

// The rectangle of the desktop (the primary screen, taskbar included) in the
// pixels the platform reports to this DPI-aware process. All zero when the
// platform gives none.
void GetDesktopBounds(int* left, int* top, int* width, int* height);

#endif  // CLIENT_APP_DESKTOP_BOUNDS_H_
