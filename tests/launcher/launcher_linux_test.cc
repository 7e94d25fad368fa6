#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

namespace {

using std::chrono::seconds;

TEST(LauncherLinuxTest, WithoutADisplayReportsOnStandardErrorAlone) {
  TempDir dir;
  ChildProcess::Options options;
  options.program = ZTV_LAUNCHER_PATH;
  options.working_dir = dir.path();
  options.environment["DISPLAY"] = std::nullopt;
  options.stderr_file = dir.path() / "stderr";
  ChildProcess launcher(options);
  ASSERT_TRUE(launcher.started());
  int exit_code = -1;
  ASSERT_TRUE(launcher.Wait(seconds(30), &exit_code));
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(ReadFileBytes(dir.path() / "stderr"),
            "Launching Error: Files are missing or corrupted\n");
}

}  // namespace
