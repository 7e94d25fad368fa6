#include "tests/client/window_description.h"

#include <gtest/gtest.h>

void ExpectPlatformWindowDescription(const CefWindowInfo& info) {
  // The Linux layout has no title or style; the window is titled once it
  // exists.
  EXPECT_EQ(info.window, 0u);
}
