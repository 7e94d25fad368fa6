#ifndef TESTS_SUPPORT_RESOURCE_COUNT_WIN_H_
#define TESTS_SUPPORT_RESOURCE_COUNT_WIN_H_

// What this process holds, counted in ways that work under Wine too, whose
// GetGuiResources and GetProcessHandleCount answer 0.

// The kernel handles open in this process: each handle value up to a bound
// that the system still knows.
int CountOpenHandles();

// The windows the calling thread owns, top-level and child, but for the
// system's default IME window.
int CountThreadWindows();

#endif  // TESTS_SUPPORT_RESOURCE_COUNT_WIN_H_
