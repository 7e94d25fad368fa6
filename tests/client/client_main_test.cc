#include "client/main/client_main.h"

#include "client/main/profile_lock.h"
#include "client/main/sandbox.h"
#include "tests/client/client_test_base.h"
#include "tests/client/hostile_files.h"
#include "tests/client/profile_environment.h"

namespace {

namespace fs = std::filesystem;
using test_engine::engine;

class ClientMainTest : public ClientTest {
 protected:
  // What the engine's message loop does: the context comes up, the game
  // window opens, the page logs |messages| and the window closes.
  void PageSession(const std::vector<std::string>& messages) {
    engine().message_loop = [messages] {
      engine().app->GetBrowserProcessHandler()->OnContextInitialized();
      ASSERT_EQ(engine().created_browsers.size(), 1u);
      CefRefPtr<CefClient> client = engine().created_browsers[0].client;
      CefRefPtr<test_engine::FakeBrowser> browser =
          new test_engine::FakeBrowser(1, kNullWindowHandle);
      client->GetLifeSpanHandler()->OnAfterCreated(browser.get());
      for (const std::string& message : messages) {
        client->GetDisplayHandler()->OnConsoleMessage(
            browser.get(), LOGSEVERITY_INFO, message, "", 1);
      }
      client->GetLifeSpanHandler()->OnBeforeClose(browser.get());
    };
  }

  int Run() {
    CefMainArgs args;
    return RunClient(args);
  }

  fs::path Profile() const { return dir() / "data" / "ZTV"; }

  std::vector<Notice> Notices() const {
    std::vector<Notice> notices;
    for (const ShownNotice& shown : ShownNotices())
      notices.push_back(shown.notice);
    return notices;
  }
};

TEST_F(ClientMainTest, SubProcessEndsWithTheEngineResult) {
  for (int result : {0, 3}) {
    SCOPED_TRACE(result);
    test_engine::Reset();
    ScopedProfileBase base(dir() / "data");
    WriteFileBytes("client_version.ini", "1.4.2");
    engine().execute_process_result = result;
    EXPECT_EQ(Run(), result);
    EXPECT_EQ(engine().calls,
              (std::vector<std::string>{"CefEnableHighDPISupport",
                                        "CefExecuteProcess app"}));
    // The version files were read before, and nothing was written.
    EXPECT_EQ(client_version, "1.4.2");
    EXPECT_TRUE(update_required);
    EXPECT_FALSE(fs::exists("version.ini"));
    EXPECT_FALSE(fs::exists(Profile()));
    EXPECT_TRUE(ShownNotices().empty());
  }
}

TEST_F(ClientMainTest, BrowserProcessRunsAndShutsDownInOrder) {
  ScopedProfileBase base(dir() / "data");
  WriteFileBytes("version.ini", "76");
  PageSession({});
  EXPECT_EQ(Run(), 0);
  const std::vector<std::string> order = {
      "CefEnableHighDPISupport", "CefExecuteProcess app", "CefInitialize app",
      "CefRunMessageLoop",       "CefQuitMessageLoop",    "CefShutdown"};
  std::vector<std::string> seen;
  for (const std::string& call : engine().calls) {
    if (std::find(order.begin(), order.end(), call) != order.end())
      seen.push_back(call);
  }
  EXPECT_EQ(seen, order);
  EXPECT_TRUE(ShownNotices().empty());
}

TEST_F(ClientMainTest, Settings) {
  struct Case {
    const char* label;
    bool with_base;
    std::string cache_path;
  } const cases[] = {
      {"profile folder", true, (dir() / "data" / "ZTV").u8string()},
      {"no per-user folder", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    test_engine::Reset();
    ScopedProfileBase base(c.with_base ? dir() / "data" : fs::path());
    Run();
    const test_engine::InitializeSettings& s = engine().settings;
    EXPECT_EQ(s.cache_path, c.cache_path);
    std::string why;
    EXPECT_EQ(s.no_sandbox, SandboxMustStayOff(&why) ? 1 : 0);
    EXPECT_EQ(s.multi_threaded_message_loop, 0);
    EXPECT_EQ(s.command_line_args_disabled, 0);
    EXPECT_EQ(s.persist_session_cookies, 1);
    EXPECT_EQ(s.persist_user_preferences, 1);
    // Everything else keeps CEF's defaults.
    EXPECT_EQ(s.browser_subprocess_path, "");
    EXPECT_EQ(s.user_data_path, "");
    EXPECT_EQ(s.log_severity, 0);
    EXPECT_EQ(s.remote_debugging_port, 0);
    EXPECT_EQ(s.windowless_rendering_enabled, 0);
    EXPECT_EQ(s.external_message_pump, 0);
  }
}

TEST_F(ClientMainTest, NewWebVersionResetsTheProfileAndExitsWithOne) {
  ScopedProfileBase base(dir() / "data");
  fs::create_directories(Profile() / "Cache");
  WriteFileBytes(Profile() / "Cookies", "session=abc");
  WriteFileBytes(Profile() / "Cache" / "data_1", "x");
  WriteFileBytes("version.ini", "76");
  PageSession({"ZTV-Version: 77"});
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ReadFileBytes("version.ini"), "77");
  EXPECT_FALSE(fs::exists(Profile() / "Cache"));
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "session=abc");
  ASSERT_EQ(ShownNotices().size(), 1u);
  EXPECT_EQ(ShownNotices()[0].notice, Notice::kUpdate);
  EXPECT_EQ(ShownNotices()[0].version_file, "77");
}

TEST_F(ClientMainTest, OutdatedClientTouchesNothing) {
  ScopedProfileBase base(dir() / "data");
  fs::create_directories(Profile());
  WriteFileBytes(Profile() / "Cookies", "session=abc");
  WriteFileBytes("version.ini", "76");
  WriteFileBytes("client_version.ini", "1.4.1\r\n");
  PageSession({"ZTV-Client-Version: 1.4.2", "ZTV-Version: 77"});
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ReadFileBytes("version.ini"), "76");
  EXPECT_TRUE(fs::exists(Profile() / "Cookies"));
  ASSERT_EQ(ShownNotices().size(), 1u);
  EXPECT_EQ(ShownNotices()[0].notice, Notice::kClientOutdated);
}

TEST_F(ClientMainTest, MissingVersionFileResetsEveryRunWithoutWritingIt) {
  ScopedProfileBase base(dir() / "data");
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    NewProcess();
    fs::create_directories(Profile() / "Cache");
    PageSession({"ZTV-Version: 0.0.0.0"});
    EXPECT_EQ(Run(), 1);
    EXPECT_FALSE(fs::exists(Profile()));
    EXPECT_FALSE(fs::exists("version.ini"));
    ASSERT_EQ(ShownNotices().size(), 1u);
    EXPECT_EQ(ShownNotices()[0].notice, Notice::kUpdate);
  }
}

TEST_F(ClientMainTest, FolderInUseByAnotherClientIsLeftAlone) {
  ScopedProfileBase base(dir() / "data");
  fs::create_directories(Profile());
  WriteFileBytes(Profile() / "Cookies", "session=abc");
  WriteFileBytes("version.ini", "76");
  PageSession({"ZTV-Version: 77"});
  {
    ProfileLock running;
    ASSERT_EQ(running.Acquire(Profile()), ProfileLock::Result::kAcquired);
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(CallsStartingWith("CefInitialize").empty());
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "session=abc");
    EXPECT_EQ(ReadFileBytes("version.ini"), "76");
    EXPECT_FALSE(fs::exists("update_error.log"));
    EXPECT_TRUE(ShownNotices().empty());
  }
  // Once the other has ended, the folder is free again.
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(ReadFileBytes("version.ini"), "77");
}

// A start reads the version files before it waits for the lock; a run
// that held the lock meanwhile may have recorded the announced version. The
// reading under the lock decides, so the profile is not wiped twice.
TEST_F(ClientMainTest, VersionRecordedWhileTheLockWasAwaitedCounts) {
  ScopedProfileBase base(dir() / "data");
  fs::create_directories(Profile() / "Cache");
  WriteFileBytes(Profile() / "Cookies", "session=abc");
  WriteFileBytes("version.ini", "76");
  engine().on_execute_process = [] { WriteFileBytes("version.ini", "77"); };
  PageSession({"ZTV-Version: 77"});
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(fs::exists(Profile() / "Cache"));
  EXPECT_TRUE(ShownNotices().empty());
  EXPECT_EQ(ReadFileBytes("version.ini"), "77");
}

// The engine writes its cookie store in place: one with a second name
// elsewhere (a backup of hard links) gets a file of its own first, with the
// same bytes, so the backup stays as it was.
TEST_F(ClientMainTest, CookieFileWithASecondNameGetsItsOwn) {
  ScopedProfileBase base(dir() / "data");
  fs::create_directories(Profile());
  WriteFileBytes(dir() / "backup", "session=abc");
  fs::create_hard_link(dir() / "backup", Profile() / "Cookies");
  WriteFileBytes("version.ini", "76");
  PageSession({});
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fs::hard_link_count(Profile() / "Cookies"), 1u);
  EXPECT_EQ(fs::hard_link_count(dir() / "backup"), 1u);
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "session=abc");
  EXPECT_FALSE(CallsStartingWith("CefInitialize").empty());
}

// Every state of the folder, its cookie store and a store an earlier version
// set aside: the engine gets the folder only when the player's store is in
// it or nowhere; otherwise the run keeps its cookies in memory, touches
// nothing, records nothing and says so.
TEST_F(ClientMainTest, EngineGetsTheFolderOnlyWhenTheStoreIsInIt) {
  enum Kind { kAbsent, kFile, kFolder, kLinkToFolder, kLinkToFile, kDangling };
  const auto make = [this](Kind kind, const fs::path& path) {
    const fs::path elsewhere = dir() / "elsewhere" / path.filename();
    fs::create_directories(elsewhere);
    WriteFileBytes(elsewhere / "f", "elsewhere");
    switch (kind) {
      case kAbsent:
        return true;
      case kFile:
        WriteFileBytes(path, "player's " + path.filename().string());
        return true;
      case kFolder:
        return fs::create_directories(path);
      case kLinkToFolder:
        return MakeLink(elsewhere, path, true);
      case kLinkToFile:
        return MakeLink(elsewhere / "f", path, false);
      case kDangling:
        return MakeLink(elsewhere / "missing", path, false);
    }
    return false;
  };
  const fs::path set_aside = dir() / "data" / "ZTV.Cookies";
  ScopedProfileBase base(dir() / "data");
  // Where the platform cannot make links (Wine), the ten states without
  // one still run.
  int made = 0;
  int cannot_make = 0;
  for (Kind folder : {kAbsent, kFile, kFolder, kLinkToFolder, kDangling}) {
    for (Kind cookies : {kAbsent, kFile, kFolder, kLinkToFile}) {
      for (Kind aside : {kAbsent, kFile}) {
        const bool in_folder = folder == kFolder || folder == kLinkToFolder;
        if (!in_folder && cookies != kAbsent)
          continue;
        SCOPED_TRACE(testing::Message() << "folder " << folder << ", cookies "
                                        << cookies << ", set aside " << aside);
        NewProcess();
        fs::remove_all(dir() / "data");
        fs::remove_all(dir() / "elsewhere");
        fs::create_directories(dir() / "data");
        fs::remove("update_error.log");
        if (!make(folder, Profile()) || !make(cookies, Profile() / "Cookies") ||
            !make(aside, set_aside)) {
          ++cannot_make;
          continue;
        }
        ++made;
        WriteFileBytes("version.ini", "76");
        const std::string before =
            TreeSnapshot(dir() / "data") + TreeSnapshot(dir() / "elsewhere");
        PageSession({"ZTV-Version: 77"});
        Run();

        const bool usable =
            (folder == kAbsent || in_folder) &&
            (cookies == kFile || (cookies == kAbsent && aside == kAbsent));
        EXPECT_EQ(engine().settings.cache_path,
                  usable ? Profile().u8string() : "");
        EXPECT_EQ(Notices(), usable
                                 ? std::vector<Notice>{Notice::kUpdate}
                                 : std::vector<Notice>{Notice::kUpdateError});
        if (!usable) {
          // The lock beside the folder is the only file of the client's.
          fs::remove(dir() / "data" / "ZTV.lock");
          EXPECT_TRUE(CallsStartingWith("TryCloseBrowser").empty());
          EXPECT_EQ(
              TreeSnapshot(dir() / "data") + TreeSnapshot(dir() / "elsewhere"),
              before);
          EXPECT_EQ(ReadFileBytes("version.ini"), "76");
        }
      }
    }
  }
  EXPECT_GE(made, 10) << cannot_make << " states could not be made";
}

// What needs file permissions to bite: on Windows it runs under Wine as an
// account without privileges, which root is not.
class ClientMainAsPlayerTest : public ClientMainTest {};

// A version file that cannot be replaced: the profile is wiped once for the
// announced version, and from then on the game plays, whether the folder
// holds only its cookie file at the next start or the engine has filled it.
TEST_F(ClientMainAsPlayerTest, OneWipePerVersionThenThePlayerPlays) {
  ScopedProfileBase base(dir() / "data");
  WriteFileBytes("version.ini", "76");
  if (!ProtectFile("version.ini"))
    GTEST_SKIP() << "this file system cannot protect a file";
  fs::create_directories(Profile() / "Cache");
  WriteFileBytes(Profile() / "Cookies", "session=abc");
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    NewProcess();
    if (run == 2)
      fs::create_directories(Profile() / "Cache");
    PageSession({"ZTV-Version: 77"});
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "session=abc");
    EXPECT_EQ(ReadFileBytes("version.ini"), "76");
    EXPECT_EQ(ReadFileBytes("version.ini.new"), "77");
    EXPECT_EQ(CallsStartingWith("TryCloseBrowser").size(), run == 0 ? 1u : 0u);
    EXPECT_EQ(fs::exists(Profile() / "Cache"), run == 2);
    EXPECT_EQ(Notices(), run == 0 ? std::vector<Notice>{Notice::kUpdateError}
                                  : std::vector<Notice>{});
  }
  UnprotectFile("version.ini");
}

}  // namespace

namespace {

TEST_F(ClientMainTest, NonAsciiProfilePathIsOneFolderThroughout) {
  const fs::path base = dir() / fs::u8path("Z\xC3\xA9ntrova \xE2\x9C\x93");
  const fs::path profile = base / "ZTV";
  ScopedProfileBase scoped(base);
  fs::create_directories(profile / "Cache");
  WriteFileBytes(profile / "Cookies", "session=\xC3\xA9");
  WriteFileBytes("version.ini", "76");
  PageSession({"ZTV-Version: 77"});
  EXPECT_EQ(Run(), 1);
  // CEF was given exactly the folder that was then reset.
  EXPECT_EQ(engine().settings.cache_path, profile.u8string());
  EXPECT_FALSE(fs::exists(profile / "Cache"));
  EXPECT_EQ(ReadFileBytes(profile / "Cookies"), "session=\xC3\xA9");
}

}  // namespace
