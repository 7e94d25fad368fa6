// The Debian package as a player meets it: installed for real on this
// machine, then the game started through its start script by an
// unprivileged player against the demo game server. Needs root, to install
// the package and create the player; removes both again.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/e2e/e2e_test_base.h"

namespace {

namespace fs = std::filesystem;

const char kPlayer[] = "ztv-test-player";

bool Shell(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

class PackageTest : public E2ETest {
 protected:
  void SetUp() override {
    if (geteuid() != 0)
      GTEST_SKIP() << "installing a package and adding a player need root";
    E2ETest::SetUp();
    Shell("dpkg -r zentrova >/dev/null 2>&1");
    Shell(std::string("userdel -r ") + kPlayer + " >/dev/null 2>&1");
    ASSERT_TRUE(Shell(std::string("dpkg -i ") + ZTV_DEB_PATH + " >/dev/null"));
    ASSERT_TRUE(Shell(std::string("useradd -m ") + kPlayer));
    const passwd* player = getpwnam(kPlayer);
    ASSERT_NE(player, nullptr);
    home_ = player->pw_dir;
    // The player may use the display too: a copy of its key they can read.
    xauthority_ = install_.root() / "Xauthority";
    const char* own = std::getenv("XAUTHORITY");
    if (own)
      fs::copy_file(own, xauthority_);
    fs::permissions(install_.root(), fs::perms::others_exec,
                    fs::perm_options::add);
    fs::permissions(xauthority_, fs::perms::others_read, fs::perm_options::add);
  }

  void TearDown() override {
    if (home_.empty())
      return;
    Shell(std::string("pkill -KILL -u ") + kPlayer + " >/dev/null 2>&1");
    Shell("dpkg -r zentrova >/dev/null 2>&1");
    Shell(std::string("userdel -r ") + kPlayer + " >/dev/null 2>&1");
  }

  fs::path RunFolder() const { return home_ / ".local/share/zentrova"; }

  // The game started from the player's menu: the start script on the PATH.
  std::unique_ptr<ChildProcess> Play() {
    ChildProcess::Options options;
    options.program = "/usr/sbin/runuser";
    options.args = {"-u",
                    kPlayer,
                    "--",
                    "env",
                    "-i",
                    "HOME=" + home_.string(),
                    "PATH=/usr/games:/usr/bin:/bin",
                    std::string("DISPLAY=") + std::getenv("DISPLAY"),
                    "XAUTHORITY=" + xauthority_.string(),
                    "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu",
                    "zentrova"};
    options.working_dir = "/";
    options.stderr_file = install_.root() / "player.log";
    return std::make_unique<ChildProcess>(options);
  }

  // Writes a file of the player's own into their run folder.
  void WritePlayerFile(const std::string& name, const std::string& bytes) {
    fs::create_directories(RunFolder() / "bin");
    WriteFileBytes(RunFolder() / "bin" / name, bytes);
    Shell(std::string("chown -R ") + kPlayer + ": " + home_.string());
  }

  // The launcher ends at once; the game is over when the player's client
  // has ended.
  bool ClientEnded() {
    return WaitUntil(
        [] {
          return !Shell(std::string("pgrep -u ") + kPlayer +
                        " -f game.ztv >/dev/null");
        },
        kTimeout);
  }

  std::string PlayerLog() const {
    return ReadFileBytes(install_.root() / "player.log");
  }

  fs::path home_;
  fs::path xauthority_;
};

TEST_F(PackageTest, PlayerInstallsPlaysUpdatesAndUninstalls) {
  WritePlayerFile("landing_page.ini", server_.Url("/login_standalone.html"));

  // A fresh install holds web version 0: the first start records the
  // server's, resetting the new profile once.
  auto first = Play();
  DialogInfo box;
  ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Update", kTimeout, &box))
      << PlayerLog();
  ASSERT_TRUE(ClientEnded());
  EXPECT_EQ(ReadFileBytes(RunFolder() / "bin/version.ini"), "1");
  EXPECT_EQ(fs::read_symlink(RunFolder() / "bin/client_version.ini"),
            "/usr/lib/games/zentrova/bin/client_version.ini");
  EXPECT_FALSE(fs::exists("/usr/lib/games/zentrova/bin/update_error.log"));

  // Then the game stays on the configured page.
  auto second = Play();
  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u) << PlayerLog();
  windows_.Close(window);
  ASSERT_TRUE(ClientEnded());
  EXPECT_FALSE(TopLevelWindowExists("ZTV - Client Update"));
  const fs::path profile = home_ / ".local/share/ZTV";
  EXPECT_TRUE(fs::exists(profile / "Cookies"));

  // Removing the package leaves the player's profile and run folder.
  ASSERT_TRUE(Shell("dpkg -r zentrova >/dev/null"));
  EXPECT_FALSE(fs::exists("/usr/lib/games/zentrova"));
  EXPECT_FALSE(fs::exists("/usr/games/zentrova"));
  EXPECT_TRUE(fs::exists(profile / "Cookies"));
  EXPECT_EQ(ReadFileBytes(RunFolder() / "bin/version.ini"), "1");
}

TEST_F(PackageTest, APlayersFileWhereALinkGoesStopsTheStartUntouched) {
  struct Case {
    const char* label;
    const char* path;  // In the run folder.
    bool folder;
  };
  const Case cases[] = {
      {"a file for an installed file", "bin/client_version.ini", false},
      {"a folder for an installed file", "bin/game.ztv", true},
      {"a folder for the launcher", "ZTV", true},
      {"a file for bin", "bin", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fs::remove_all(RunFolder());
    const fs::path path = RunFolder() / c.path;
    fs::create_directories(path.parent_path());
    const fs::path file = c.folder ? path / "mine" : path;
    fs::create_directories(file.parent_path());
    WriteFileBytes(file, "the player's own");
    Shell(std::string("chown -R ") + kPlayer + ": " + home_.string());

    auto start = Play();
    int exit_code = 0;
    ASSERT_TRUE(start->Wait(kTimeout, &exit_code));
    EXPECT_EQ(exit_code, 1);
    EXPECT_NE(PlayerLog().find("zentrova: " + path.string() + " is not"),
              std::string::npos)
        << PlayerLog();
    EXPECT_EQ(ReadFileBytes(file), "the player's own");
    EXPECT_FALSE(Shell(std::string("pgrep -u ") + kPlayer + " >/dev/null"));
  }
}

}  // namespace
