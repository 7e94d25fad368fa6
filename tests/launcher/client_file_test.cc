#include "launcher/client_file.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

struct ConfigCase {
  const char* label;
  std::string content;
  std::string name;
  std::string extension;
};

TEST(ReadConfigTest, TakesTheFirstTwoWords) {
  const ConfigCase cases[] = {
      {"one line", "client exe", "client", "exe"},
      {"two lines", "client\nexe\n", "client", "exe"},
      {"crlf and tabs", "\r\n\t client \t\r\n exe \r\n", "client", "exe"},
      {"more than two words", "client exe extra words", "client", "exe"},
      {"empty", "", "", ""},
      {"whitespace only", " \t\r\n\v\f ", "", ""},
      {"single word", "solo", "solo", ""},
      {"byte-order mark kept", "\xEF\xBB\xBFgame ztv", "\xEF\xBB\xBFgame",
       "ztv"},
      {"key and value are one word", "name=client\next=exe", "name=client",
       "ext=exe"},
      {"no line end after the last word", "a b", "a", "b"},
  };
  TempDir dir;
  for (const ConfigCase& c : cases) {
    SCOPED_TRACE(c.label);
    const auto path = dir.path() / "config.ini";
    WriteFileBytes(path, c.content);
    ClientFile file;
    EXPECT_TRUE(ReadConfig(path, &file));
    EXPECT_EQ(file.name, c.name);
    EXPECT_EQ(file.extension, c.extension);
  }
}

TEST(ReadConfigTest, NoFileToReadKeepsTheDefaults) {
  for (bool folder : {false, true}) {
    SCOPED_TRACE(folder ? "a folder named config.ini" : "no config.ini");
    TempDir dir;
    const auto path = dir.path() / "config.ini";
    if (folder)
      std::filesystem::create_directories(path / "inside");
    ClientFile file;
    EXPECT_FALSE(ReadConfig(path, &file));
    EXPECT_EQ(file.name, "game");
    EXPECT_EQ(file.extension, "ztv");
  }
}

}  // namespace
