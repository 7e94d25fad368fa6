#include "client/main/profile_folder.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

TEST(ProfileFolderTest, FollowsTheXdgDataDirectory) {
  struct Case {
    const char* label;
    const char* data_home;
    const char* home;
    std::string folder;
  } const cases[] = {
      {"data home", "/d/share", "/h", "/d/share/ZTV"},
      {"home only", nullptr, "/h", "/h/.local/share/ZTV"},
      {"empty data home falls back", "", "/h", "/h/.local/share/ZTV"},
      {"neither", nullptr, nullptr, ""},
      {"both empty", "", "", ""},
      {"non-ASCII kept as bytes", "/d/Z\xC3\xA9", "/h", "/d/Z\xC3\xA9/ZTV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScopedEnvironment data_home("XDG_DATA_HOME", c.data_home);
    ScopedEnvironment home("HOME", c.home);
    EXPECT_EQ(GetProfileFolderPath().native(), c.folder);
  }
}

}  // namespace
