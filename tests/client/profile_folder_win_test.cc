#include "client/main/profile_folder.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

TEST(ProfileFolderTest, FollowsAppData) {
  struct Case {
    const char* label;
    const char* appdata;  // UTF-8
    std::wstring folder;
  } const cases[] = {
      {"set", "D:\\Users\\A\\AppData\\Roaming",
       L"D:\\Users\\A\\AppData\\Roaming\\ZTV"},
      {"unset", nullptr, L""},
      {"non-ASCII kept in UTF-16", "C:\\Users\\Z\xC3\xA9na\\\xE2\x9C\x93",
       L"C:\\Users\\Z\u00e9na\\\u2713\\ZTV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScopedEnvironment appdata("APPDATA", c.appdata);
    EXPECT_EQ(GetProfileFolderPath().native(), c.folder);
  }
}

}  // namespace
