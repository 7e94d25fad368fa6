#include "tests/notices/kept_above.h"

#include <gtest/gtest.h>

void ExpectKeptAbove(Notice, const DialogInfo& box) {
  EXPECT_TRUE(box.topmost);
  EXPECT_TRUE(box.modal);
}
