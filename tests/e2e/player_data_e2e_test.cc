// What the player had survives a fresh account, odd announcements, a bin
// folder that cannot be written, a second start and a profile path the engine
// cannot use: the real client on a real Chromium.
#include <unistd.h>

#include "tests/e2e/e2e_test_base.h"

namespace {

namespace fs = std::filesystem;

class PlayerDataTest : public E2ETest {
 protected:
  // The player logs in as "hero" and closes the window.
  void LogInAndClose() {
    install_.SetLandingPage(server_.Url("/login?player=hero"));
    auto client = install_.StartClient();
    const unsigned long window = windows_.WaitFor("Zentrova - Realm", kTimeout);
    ASSERT_NE(window, 0u) << install_.ClientLog();
    windows_.Close(window);
    EXPECT_EQ(Finish(client.get()), 0);
  }

  // Starts the client on the landing page and reads whether the player is
  // still logged in, then closes it.
  std::string StatusAtNextStart() {
    install_.SetLandingPage(server_.Url("/login_standalone.html"));
    auto client = install_.StartClient();
    const DevTools::Page page = WaitForPage("Zentrova - ");
    const std::string status = devtools_.Evaluate(
        page, "document.getElementById('status').textContent");
    const unsigned long window = windows_.WaitFor("Zentrova - ", kTimeout);
    windows_.Close(window);
    EXPECT_EQ(Finish(client.get()), 0);
    return status;
  }
};

TEST_F(PlayerDataTest, FreshAccountKeepsItsLoginAndEverythingBesideIt) {
  struct Case {
    const char* label;
    std::vector<std::string> existing;  // under the home folder
  } const cases[] = {
      {"no ~/.local at all", {}},
      {"~/.local/bin only", {".local/bin/tool"}},
      {"~/.local/share of its own", {".local/share/other/notes"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const fs::path home = install_.root() / "home";
    fs::remove_all(home);
    fs::create_directories(home);
    for (const std::string& file : c.existing) {
      fs::create_directories((home / file).parent_path());
      WriteFileBytes(home / file, "player's own " + file);
    }
    install_.SetEnvironment("XDG_DATA_HOME", std::nullopt);
    install_.SetEnvironment("HOME", home.string());

    LogInAndClose();
    EXPECT_TRUE(fs::exists(home / ".local/share/ZTV/Cookies"));
    for (const std::string& file : c.existing)
      EXPECT_EQ(ReadFileBytes(home / file), "player's own " + file);
    // Nothing the engine used only for itself is left behind.
    EXPECT_FALSE(fs::exists(home / ".local/share/game.ztv"));
    EXPECT_EQ(StatusAtNextStart(), "logged-in:hero");
  }
}

TEST_F(PlayerDataTest, AnnouncementsNeverResetAtEveryStart) {
  struct Case {
    const char* label;
    std::string announced;
    // What "version.ini" holds after the first run; "1": untouched.
    std::string recorded;
  } const cases[] = {
      {"trailing space", "2 ", "2"},
      {"line end", "2\r\n", "2"},
      {"no version at all", "", "1"},
      {"only white space", " \t", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    DemoServer server("1.0.0.0", c.announced);
    ASSERT_TRUE(server.started());
    install_.SetVersions("1", "1.0.0.0");
    install_.SetLandingPage(server.Url("/login_standalone.html"));
    const bool resets = c.recorded != "1";
    for (int run = 0; run < 2; ++run) {
      SCOPED_TRACE(run);
      auto client = install_.StartClient();
      std::vector<std::string> notices;
      if (run == 0 && resets) {
        EXPECT_EQ(FinishWithNotices(client.get(), &notices), 1);
        EXPECT_EQ(notices, std::vector<std::string>{"ZTV - Client Update"});
      } else {
        // The page stays until the player closes it.
        const unsigned long window =
            windows_.WaitFor("Zentrova - Login", kTimeout);
        ASSERT_NE(window, 0u) << install_.ClientLog();
        windows_.Close(window);
        EXPECT_EQ(FinishWithNotices(client.get(), &notices), 0);
        EXPECT_TRUE(notices.empty());
      }
      EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), c.recorded);
    }
  }
}

class UnwritableBinTest : public E2ETest {
 protected:
  UnwritableBinTest() : E2ETest("2") {}
  void TearDown() override {
    if (immutable_) {
      EXPECT_TRUE(Chattr("-i"));
    }
  }

  bool Chattr(const std::string& flag) {
    return std::system(("chattr " + flag + " '" + install_.bin().string() +
                        "' 2>/dev/null")
                           .c_str()) == 0;
  }

  bool immutable_ = false;
};

TEST_F(UnwritableBinTest, NewVersionThatCannotBeRecordedLetsThePlayerPlay) {
  fs::create_directories(install_.profile());
  WriteFileBytes(install_.profile() / "kept", "player's");
  // Immutable, so that not even root can add the new version beside the old.
  immutable_ = Chattr("+i");
  if (!immutable_)
    GTEST_SKIP() << "this file system cannot make a folder immutable";
  // At every start the game stays, and the player hears of the update that
  // could not be begun when it ends.
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    EXPECT_EQ(CloseAndFinish(install_.StartClient().get()),
              std::vector<std::string>{"ZTV - Error"});
    EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "1");
    EXPECT_EQ(ReadFileBytes(install_.profile() / "kept"), "player's");
    EXPECT_TRUE(fs::exists(install_.profile() / "Cookies"));
  }
}

TEST_F(E2ETest, SecondStartShowsTheRunningClientAndTouchesNothing) {
  auto first = install_.StartClient();
  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u) << install_.ClientLog();
  const unsigned long cover = windows_.OpenWindow("Something else");
  const auto stacking = [&] { return windows_.FindAll(""); };
  ASSERT_EQ(stacking().back(), cover);

  // The player double-clicks: the second start ends at once with 0.
  auto second = install_.StartClient();
  int second_exit = -1;
  ASSERT_TRUE(second->Wait(kTimeout, &second_exit));
  EXPECT_EQ(second_exit, 0);
  const std::vector<unsigned long> order = stacking();
  EXPECT_GT(std::find(order.begin(), order.end(), window),
            std::find(order.begin(), order.end(), cover));
  EXPECT_FALSE(fs::exists(install_.bin() / "update_error.log"));

  windows_.Close(window);
  EXPECT_EQ(Finish(first.get()), 0);
  EXPECT_TRUE(fs::exists(install_.profile() / "Cookies"));
}

class UnusableProfilePathTest : public E2ETest {
 protected:
  UnusableProfilePathTest() : E2ETest("2") {}
};

TEST_F(UnusableProfilePathTest, NonUtf8PathKeepsTheProfileInMemory) {
  const fs::path base = install_.data() / "Z\xFF\xFEntrova";
  fs::create_directories(base);
  install_.SetEnvironment("XDG_DATA_HOME", base.string());
  // The announcement changes nothing for a folder the run did not use: the
  // game stays, and the end says why.
  EXPECT_EQ(CloseAndFinish(install_.StartClient().get()),
            std::vector<std::string>{"ZTV - Error"});
  EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "1");
  EXPECT_TRUE(fs::is_empty(base));
  const std::string log = install_.ClientLog();
  const std::string said = "the profile folder cannot be used";
  EXPECT_NE(log.find(said + " (its path is not UTF-8)"), std::string::npos)
      << log;
  EXPECT_EQ(log.find(said), log.rfind(said));
  EXPECT_EQ(ReadFileBytes(install_.bin() / "update_error.log"),
            std::to_string(EILSEQ) + "\n" + (base / "ZTV").string());
}

TEST_F(E2ETest, CookieSetJustBeforeTheWindowClosesIsOnDisk) {
  struct Case {
    const char* label;
    const char* name;
    const char* then;
    int exit_code;
  } const cases[] = {
      {"window.close()", "last_word_close", "window.close()", 0},
      {"version announcement", "last_word_update",
       "console.log('ZTV-Version: 3')", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    install_.SetVersions("1", "1.0.0.0");
    auto client = install_.StartClient();
    const DevTools::Page page = WaitForPage("Zentrova - Login");
    devtools_.Evaluate(page, std::string("document.cookie='") + c.name +
                                 "=kept; max-age=86400'; " + c.then);
    std::vector<std::string> notices;
    EXPECT_EQ(FinishWithNotices(client.get(), &notices), c.exit_code);
    EXPECT_NE(ReadFileBytes(install_.profile() / "Cookies").find(c.name),
              std::string::npos);
  }
}

}  // namespace
