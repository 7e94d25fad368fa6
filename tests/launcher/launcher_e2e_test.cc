// Runs the real launcher in a folder laid out like an install, with a probe
// program standing in for the client.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "launcher/launch_command.h"
#include "tests/launcher/expected_record.h"
#include "tests/launcher/probe.h"
#include "tests/support/child_process.h"
#include "tests/support/dialog.h"
#include "tests/support/test_files.h"

namespace {

using std::chrono::seconds;
namespace fs = std::filesystem;

struct LaunchCase {
  const char* label;
  std::optional<std::string> config;
  // Where the probe is installed, relative to bin/.
  std::string installed_as;
  // The client file the launcher should start; empty when it must fail.
  std::string started;
  bool config_is_a_folder = false;
  // Started from a folder outside the install that holds a bin/ of its own,
  // with the probe as its client.
  bool from_elsewhere = false;
  // What of the install everyone may change, relative to it, if anything.
  const char* open_to_everyone = nullptr;
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
  *out << c.label;
}

class LauncherTest : public testing::TestWithParam<LaunchCase> {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.path() / "bin");
    const LaunchCase& c = GetParam();
    if (c.config)
      WriteFileBytes(dir_.path() / "bin" / "config.ini", *c.config);
    if (c.config_is_a_folder)
      fs::create_directories(dir_.path() / "bin" / "config.ini" / "inside");
    const fs::path installed = dir_.path() / "bin" / c.installed_as;
    fs::create_directories(installed.parent_path());
    fs::copy_file(BuildTreePath(ZTV_PROBE_PATH), installed);
    // The launcher belongs to the install it starts.
    const fs::path launcher = BuildTreePath(ZTV_LAUNCHER_PATH);
    fs::copy_file(launcher, launcher_ = dir_.path() / launcher.filename());
    if (c.open_to_everyone) {
      ASSERT_TRUE(OpenToEveryone(dir_.path() / c.open_to_everyone));
    }
    if (c.from_elsewhere) {
      fs::create_directories(elsewhere() / "bin");
      fs::copy_file(BuildTreePath(ZTV_PROBE_PATH),
                    elsewhere() / "bin" / "game.ztv");
    }
  }

  ChildProcess::Options LauncherOptions() const {
    ChildProcess::Options options;
    options.program = launcher_;
    options.working_dir = GetParam().from_elsewhere ? elsewhere() : dir_.path();
    options.environment[kProbeRecordVariable] = record().string();
    options.environment[kProbeReleaseVariable] =
        (dir_.path() / "release").string();
    return options;
  }

  fs::path record() const { return dir_.path() / "record"; }
  fs::path elsewhere() const { return dir_.path() / "elsewhere"; }

  TempDir dir_;
  fs::path launcher_;
};

TEST_P(LauncherTest, StartsTheConfiguredClientOrReportsTheFailure) {
  const LaunchCase& c = GetParam();
  ChildProcess launcher(LauncherOptions());
  ASSERT_TRUE(launcher.started());

  if (c.started.empty()) {
    DialogInfo box;
    ASSERT_TRUE(ReadAndDismissDialog("Launching Error", seconds(60), &box));
    EXPECT_EQ(box.text, "Files are missing or corrupted");
    EXPECT_EQ(box.icon, "error");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(box.has_owner);
  }
  // The launcher ends at once, without waiting for the client, which is
  // still held back by the probe's release file.
  int exit_code = -1;
  ASSERT_TRUE(launcher.Wait(seconds(60), &exit_code));
  EXPECT_EQ(exit_code, 0);

  if (c.started.empty()) {
    EXPECT_FALSE(fs::exists(record()));
    return;
  }
  ASSERT_TRUE(WaitUntil([&] { return fs::exists(record()); }, seconds(60)));
  const std::string text = ReadFileBytes(record());
  const size_t cwd_end = text.find('\n');
  const size_t program_end = text.find('\n', cwd_end + 1);
  ASSERT_NE(program_end, std::string::npos) << text;
  const fs::path expected_folder =
      (c.from_elsewhere && !kLauncherTrustsOnlyItsOwnFolder ? elsewhere()
                                                            : dir_.path()) /
      "bin";
  EXPECT_TRUE(fs::equivalent(text.substr(0, cwd_end), expected_folder)) << text;
  // The very file: a client of the same name elsewhere would record the
  // same folder and command line.
  EXPECT_TRUE(fs::equivalent(
      fs::u8path(text.substr(cwd_end + 1, program_end - cwd_end - 1)),
      expected_folder / c.started))
      << text;
  EXPECT_EQ(
      text.substr(program_end + 1),
      ExpectedCommandRecord(kClientFolderPrefix + c.started + kClientSwitches));

  WriteFileBytes(dir_.path() / "release", "");
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(record().string() + ".done"); },
                        seconds(60)));
}

// As long a client file name as the command line has room for, and one
// character more.
const size_t kRoom = kCommandLineSize - 1 - std::strlen(kClientFolderPrefix) -
                     std::strlen(kClientSwitches);
const std::string kLongest = std::string(kRoom - 5, 'n') + ".abcd";
const std::string kTooLong = std::string(kRoom - 4, 'n') + ".abcd";
// What the launcher starts from an install that everyone may change: on
// Windows, where it runs elevated, nothing.
const std::string kOpenInstallStarts =
    kLauncherTrustsOnlyItsOwnFolder ? "" : "game.ztv";

INSTANTIATE_TEST_SUITE_P(
    ConfigShapes,
    LauncherTest,
    testing::Values(
        LaunchCase{"NoConfig", std::nullopt, "game.ztv", "game.ztv"},
        LaunchCase{"OneLine", "client exe", "client.exe", "client.exe"},
        LaunchCase{"TwoLines", "client\r\nexe\r\n", "client.exe", "client.exe"},
        LaunchCase{"MoreWords", "client exe and more", "client.exe",
                   "client.exe"},
        LaunchCase{"Empty", "", "game.ztv", ""},
        LaunchCase{"WhitespaceOnly", " \r\n\t", "game.ztv", ""},
        LaunchCase{"SingleWord", "solo", "solo.", "solo."},
        LaunchCase{"ByteOrderMark", "\xEF\xBB\xBFgame ztv", "game.ztv", ""},
        LaunchCase{"KeyValueLine", "client=game.ztv", "game.ztv", ""},
        LaunchCase{"LongestThatFits", std::string(kRoom - 5, 'n') + " abcd",
                   kLongest, kLongest},
        LaunchCase{"TooLong", std::string(kRoom - 4, 'n') + " abcd", kTooLong,
                   ""},
        LaunchCase{"OnlyInsideBin", std::nullopt, "bin/game.ztv", ""},
        // The composed command line would lose its switches at the NUL.
        LaunchCase{"NulInTheName", std::string("game.ztv\0junk x", 15),
                   "game.ztv", ""},
        LaunchCase{"ConfigIsAFolder", std::nullopt, "game.ztv", "game.ztv",
                   true},
        LaunchCase{"SeparatorInTheName", "sub/game ztv", "sub/game.ztv", ""},
        LaunchCase{"ColonInTheName", "game ztv:x", "game.ztv", ""},
        LaunchCase{"StartedFromAnotherFolder", std::nullopt, "game.ztv",
                   "game.ztv", false, true},
        // Anyone else could change what the elevated launcher starts.
        LaunchCase{"FolderOpenToEveryone", std::nullopt, "game.ztv",
                   kOpenInstallStarts, false, false, "."},
        LaunchCase{"BinOpenToEveryone", std::nullopt, "game.ztv",
                   kOpenInstallStarts, false, false, "bin"},
        LaunchCase{"ClientOpenToEveryone", std::nullopt, "game.ztv",
                   kOpenInstallStarts, false, false, "bin/game.ztv"},
        LaunchCase{"ConfigOpenToEveryone", "game ztv", "game.ztv",
                   kOpenInstallStarts, false, false, "bin/config.ini"}),
    [](const testing::TestParamInfo<LaunchCase>& info) {
      return std::string(info.param.label);
    });

}  // namespace
