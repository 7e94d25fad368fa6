#include "tests/notices/kept_above.h"

#include <gtest/gtest.h>

#include "client/main/notice_style_win.h"

void ExpectKeptAbove(Notice notice, const DialogInfo& box) {
  // Wine keeps only system-modal boxes topmost, so the style passed to
  // MessageBoxW is what can be checked here.
  const UINT expected[] = {0x40010, 0x40030, 0x40040};
  EXPECT_EQ(NoticeStyle(notice), expected[static_cast<int>(notice)]);
  EXPECT_TRUE(box.modal);
}
