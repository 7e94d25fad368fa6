#include "launcher/launch_command.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/launcher/expected_record.h"

namespace {

const std::string kSwitches = kExpectedClientSwitches;

TEST(LaunchCommandTest, SwitchesAreFixed) {
  EXPECT_EQ(std::string(kClientSwitches), kSwitches);
}

struct ComposeCase {
  const char* label;
  std::string name;
  std::string extension;
  bool fits;
};

TEST(LaunchCommandTest, ComposesWithinTheBuffer) {
  const std::string prefix = kClientFolderPrefix;
  // Name, dot and extension share what the buffer leaves.
  const size_t room =
      kCommandLineSize - 1 - prefix.size() - 1 - kSwitches.size();
  const ComposeCase cases[] = {
      {"defaults", "game", "ztv", true},
      {"empty name and extension", "", "", true},
      {"as many as there is room for", std::string(room - 4, 'n'), "abcd",
       true},
      {"one more", std::string(room - 3, 'n'), "abcd", false},
      {"all in the extension", "", std::string(room + 1, 'e'), false},
      {"far too long", std::string(500, 'x'), "ztv", false},
      {"NUL in the name", std::string("game.ztv\0junk", 13), "x", false},
      {"NUL in the extension", "game", std::string("z\0tv", 4), false},
      {"slash", "sub/game", "ztv", false},
      {"backslash", "..\\ZTV", "exe", false},
      {"dot dot alone", "..", "ztv", false},
      {"dot dot in the extension", "game", "..", false},
      {"drive colon", "C:game", "ztv", false},
      {"stream colon", "game", "ztv:evil", false},
      {"control character", "ga\x01me", "ztv", false},
      {"delete character", "game", "ztv\x7f", false},
      {"single dots are plain", "game.v2", ".ztv", true},
      {"bytes above ASCII are plain", "j\xC3\xA9u", "ztv", true},
  };
  for (const ComposeCase& c : cases) {
    SCOPED_TRACE(c.label);
    LaunchCommand command;
    std::memset(command.command_line, 'X', sizeof(command.command_line));
    EXPECT_EQ(ComposeLaunchCommand({c.name, c.extension}, &command), c.fits);
    const std::string application = prefix + c.name + "." + c.extension;
    EXPECT_EQ(command.application_name, application);
    const std::string expected = c.fits ? application + kSwitches : "";
    EXPECT_EQ(std::string(command.command_line), expected);
    // Whatever the outcome, the rest of the buffer is zero.
    for (size_t i = expected.size(); i < kCommandLineSize; ++i)
      ASSERT_EQ(command.command_line[i], '\0') << "at " << i;
  }
}

TEST(LaunchCommandTest, DefaultCommandLine) {
  LaunchCommand command;
  ASSERT_TRUE(ComposeLaunchCommand(ClientFile(), &command));
  EXPECT_EQ(std::string(command.command_line),
            std::string(kClientFolderPrefix) + "game.ztv" + kSwitches);
}

}  // namespace
