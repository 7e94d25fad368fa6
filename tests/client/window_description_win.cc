#include "tests/client/window_description.h"

#include <gtest/gtest.h>

void ExpectPlatformWindowDescription(const CefWindowInfo& info) {
  EXPECT_EQ(info.ex_style, 0u);
  EXPECT_EQ(CefString(&info.window_name).ToString(), "Zentrova");
  EXPECT_EQ(info.style, 0x16CF0000u);
  EXPECT_EQ(info.style,
            static_cast<DWORD>(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
                               WS_CLIPSIBLINGS | WS_VISIBLE));
  EXPECT_EQ(info.menu, nullptr);
}
