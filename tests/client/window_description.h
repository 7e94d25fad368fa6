#ifndef TESTS_CLIENT_WINDOW_DESCRIPTION_H_
#define TESTS_CLIENT_WINDOW_DESCRIPTION_H_

#include "include/cef_base.h"

// Checks the parts of the native window description that only one
// platform's layout has.
void ExpectPlatformWindowDescription(const CefWindowInfo& info);

#endif  // TESTS_CLIENT_WINDOW_DESCRIPTION_H_
