#include "client/main/profile_folder.h"

#include <gtest/gtest.h>

#include <cerrno>

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
      {"relative data home is ignored", "share", "/h", "/h/.local/share/ZTV"},
      {"relative home too", "share", "h", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScopedEnvironment data_home("XDG_DATA_HOME", c.data_home);
    ScopedEnvironment home("HOME", c.home);
    EXPECT_EQ(GetProfileFolderPath().native(), c.folder);
  }
}

}  // namespace

namespace {

TEST(ProfileFolderTest, PathsTheEngineCannotUseAreNamed) {
  const std::string long_name(256, 'n');
  struct Case {
    const char* label;
    std::string folder;
    std::string problem;
    int code;
  } const cases[] = {
      {"plain", "/h/.local/share/ZTV", "", 0},
      {"UTF-8 of every length", "/d/\xC3\xA9\xE2\x9C\x93\xF0\x9F\x8E\xB2/ZTV",
       "", 0},
      {"a byte that is no UTF-8", "/d/\xFF/ZTV", "its path is not UTF-8",
       EILSEQ},
      {"a lone continuation byte", "/d/\x80/ZTV", "its path is not UTF-8",
       EILSEQ},
      {"cut short", "/d/\xE2\x9C", "its path is not UTF-8", EILSEQ},
      {"overlong slash", "/d/\xC0\xAF/ZTV", "its path is not UTF-8", EILSEQ},
      {"overlong three bytes", "/d/\xE0\x80\xAF", "its path is not UTF-8",
       EILSEQ},
      {"a surrogate", "/d/\xED\xA0\x80/ZTV", "its path is not UTF-8", EILSEQ},
      {"beyond U+10FFFF", "/d/\xF4\x90\x80\x80", "its path is not UTF-8",
       EILSEQ},
      {"a name too long", "/d/" + long_name + "/ZTV",
       "a name in its path is too long", ENAMETOOLONG},
      {"the longest name", "/d/" + long_name.substr(1) + "/ZTV", "", 0},
      {"a path too long", "/d" + std::string(4030, '/') + "ZTV",
       "its path is too long", ENAMETOOLONG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    int code = -1;
    EXPECT_EQ(ProfileFolderProblem(c.folder, &code), c.problem);
    EXPECT_EQ(code, c.code);
  }
}

}  // namespace
