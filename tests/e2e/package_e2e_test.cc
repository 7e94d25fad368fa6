// The Debian package as a player meets it: installed for real on this
// machine, then the game started through its start script by an
// unprivileged player against the demo game server. Needs root, to install
// the package and create the player; removes both again.
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/e2e_test_base.h"
#include "tests/support/process_tree_linux.h"

namespace {

namespace fs = std::filesystem;

const char kPlayer[] = "ztv-test-player";
const fs::path kInstalled = "/usr/lib/games/zentrova";

bool Shell(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

// The first line of what |command| prints.
std::string ShellLine(const std::string& command) {
  std::string line;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    if (std::fgets(buffer, sizeof(buffer), pipe))
      line = buffer;
    pclose(pipe);
  }
  return line.substr(0, line.find('\n'));
}

// What /proc says of |pid|: the value of a field of its status, or the
// user namespace it is in.
std::string StatusField(pid_t pid, const std::string& field) {
  const std::string status =
      ReadFileBytes("/proc/" + std::to_string(pid) + "/status");
  const std::string key = "\n" + field + ":\t";
  const size_t at = status.find(key);
  if (at == std::string::npos)
    return "";
  const size_t start = at + key.size();
  return status.substr(start, status.find('\n', start) - start);
}

std::string UserNamespace(pid_t pid) {
  std::error_code error;
  return fs::read_symlink("/proc/" + std::to_string(pid) + "/ns/user", error)
      .string();
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
  std::unique_ptr<ChildProcess> Play(const std::string& log = "player.log") {
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
    options.stderr_file = install_.root() / log;
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

  std::string PlayerLog(const std::string& log = "player.log") const {
    return ReadFileBytes(install_.root() / log);
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

  // Chromium's sandbox holds each of the player's renderers: its seccomp
  // filter, and a user namespace of its own. A renderer is forked by a
  // zygote and keeps its command line, but a zygote forks on its one
  // thread, while a renderer runs many.
  const std::string client =
      ShellLine(std::string("pgrep -o -x -u ") + kPlayer + " game.ztv");
  ASSERT_FALSE(client.empty());
  const pid_t browser = std::stoi(client);
  int renderers = 0;
  for (const ProcessInfo& process : ReadProcessTree(browser)) {
    if (process.pid == browser || process.threads < 2)
      continue;
    SCOPED_TRACE(process.command_line);
    ++renderers;
    EXPECT_EQ(StatusField(process.pid, "Seccomp"), "2");
    EXPECT_NE(UserNamespace(process.pid), UserNamespace(browser));
  }
  EXPECT_GT(renderers, 0);
  EXPECT_EQ(PlayerLog().find("sandbox is off"), std::string::npos)
      << PlayerLog();
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

TEST_F(PackageTest, StartsAtOnceTakeTurnsAndKeepThePlayersLinks) {
  // The links are the start script's; the game is left out, with a
  // launcher that ends at once.
  fs::remove(kInstalled / "ZTV");
  WriteFileBytes(kInstalled / "ZTV", "#!/bin/sh\nexit 0\n");
  fs::permissions(kInstalled / "ZTV",
                  fs::perms::owner_all | fs::perms::group_read |
                      fs::perms::group_exec | fs::perms::others_read |
                      fs::perms::others_exec);
  const fs::path bin = RunFolder() / "bin";
  fs::create_directories(bin);
  fs::create_symlink("/media/absent/disk", bin / "disk");
  fs::create_symlink(kInstalled / "bin/gone.so", bin / "gone.so");
  Shell(std::string("chown -hR ") + kPlayer + ": " + home_.string());

  // As a double click does, again and again.
  for (int pair = 0; pair < 20; ++pair) {
    SCOPED_TRACE("pair " + std::to_string(pair));
    auto first = Play("first.log");
    auto second = Play("second.log");
    int first_exit = -1;
    int second_exit = -1;
    ASSERT_TRUE(first->Wait(kTimeout, &first_exit));
    ASSERT_TRUE(second->Wait(kTimeout, &second_exit));
    ASSERT_EQ(first_exit, 0) << PlayerLog("first.log");
    ASSERT_EQ(second_exit, 0) << PlayerLog("second.log");
  }

  for (const auto& entry : fs::directory_iterator(kInstalled / "bin")) {
    const fs::path name = entry.path().filename();
    if (name != "version.ini") {
      EXPECT_EQ(fs::read_symlink(bin / name), entry.path()) << name;
    }
  }
  EXPECT_EQ(fs::read_symlink(RunFolder() / "ZTV"), kInstalled / "ZTV");
  EXPECT_EQ(ReadFileBytes(bin / "version.ini"),
            ReadFileBytes(kInstalled / "bin/version.ini"));
  // A dangling link of the player's is theirs; one into the installed tree
  // is what an upgrade left.
  EXPECT_EQ(fs::read_symlink(bin / "disk"), "/media/absent/disk");
  EXPECT_FALSE(fs::is_symlink(bin / "gone.so"));
}

}  // namespace
