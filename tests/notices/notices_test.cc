// The real notices: each kind appears as a modal box with its exact title,
// text and icon and one OK button, above other windows, and goes on OK.
#include "client/main/notices.h"

#include <gtest/gtest.h>

#include <thread>

#include "include/cef_base.h"
#include "tests/notices/kept_above.h"
#include "tests/support/dialog.h"

namespace {

struct NoticeCase {
  const char* label;
  Notice notice;
  std::string title;
  std::string text;
  std::string icon;
};

class NoticeTest : public testing::TestWithParam<NoticeCase> {};

void PrintTo(const NoticeCase& c, std::ostream* out) {
  *out << c.label;
}

TEST_P(NoticeTest, ShowsTheBoxUntilOk) {
  const NoticeCase& c = GetParam();
  bool returned = false;
  std::thread shown([&] {
    ShowNotice(c.notice);
    returned = true;
  });
  DialogInfo box;
  const bool dismissed =
      ReadAndDismissDialog(c.title, std::chrono::seconds(60), &box);
  shown.join();
  ASSERT_TRUE(dismissed);
  EXPECT_TRUE(returned);
  EXPECT_EQ(box.text, c.text);
  EXPECT_EQ(box.icon, c.icon);
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_FALSE(box.has_owner);
  ExpectKeptAbove(c.notice, box);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    NoticeTest,
    testing::Values(
        NoticeCase{"ClientOutdated", Notice::kClientOutdated,
                   "ZTV - Client Outdated",
                   "This client version is too old. Please download new "
                   "version of the Client.",
                   "error"},
        NoticeCase{"UpdateError", Notice::kUpdateError, "ZTV - Error",
                   "An error occured during the update, please restart the "
                   "application.",
                   "warning"},
        NoticeCase{"Update", Notice::kUpdate, "ZTV - Client Update",
                   "Client was closed due to update. Please restart the "
                   "application.",
                   "information"}),
    [](const testing::TestParamInfo<NoticeCase>& info) {
      return std::string(info.param.label);
    });

}  // namespace
