// The Windows client program from wWinMain to its exit code under Wine, with
// a scripted engine: the version gate, the update reset on a real
// %APPDATA%\ZTV and the real message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

#include "tests/support/child_process.h"
#include "tests/support/dialog.h"
#include "tests/support/protected_file_win.h"
#include "tests/support/resource_count_win.h"
#include "tests/support/test_files.h"
#include "tests/support/unix_link_win.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

class ScriptedClientTest : public testing::Test {
 protected:
  void SetUp() override { MakeInstall(); }

  void MakeInstall() {
    // A per-user folder whose name is not ASCII: the cache path, the cookie
    // file and the folder the reset deletes must all be this one.
    appdata_ = dir_.path() / fs::u8path("Roaming Z\xC3\xA9ntrova \xE2\x9C\x93");
    fs::create_directories(Profile() / "Cache");
    WriteFileBytes(Profile() / "Cache" / "data_1", "cached");
    WriteFileBytes(Profile() / "Cookies", cookies_);
    fs::create_directories(Bin());
    WriteFileBytes(Bin() / "version.ini", "76");
    WriteFileBytes(Bin() / "client_version.ini", "1.4.2\r\n");
  }

  fs::path Profile() const { return appdata_ / "ZTV"; }
  fs::path Bin() const { return dir_.path() / "bin"; }

  // Starts the client with |script| as the page's events.
  std::unique_ptr<ChildProcess> Start(const std::string& script,
                                      std::vector<std::string> args = {}) {
    WriteFileBytes(Bin() / "page_script.txt", script);
    ChildProcess::Options options;
    options.program = BuildTreePath(ZTV_SCRIPTED_CLIENT_PATH);
    options.args = args;
    options.working_dir = Bin();
    options.environment["APPDATA"] = appdata_.u8string();
    options.environment["ZTV_PAGE_SCRIPT"] =
        (Bin() / "page_script.txt").u8string();
    return std::make_unique<ChildProcess>(options);
  }

  int Finish(ChildProcess* client) {
    int exit_code = -1;
    EXPECT_TRUE(client->Wait(seconds(60), &exit_code));
    return exit_code;
  }

  std::vector<std::string> ProfileEntries() const {
    return EntryNames(Profile());
  }

  TempDir dir_;
  fs::path appdata_;
  const std::string cookies_ = std::string("SQLite format 3\0cookie", 22);
};

TEST_F(ScriptedClientTest, NewWebVersionResetsTheProfile) {
  const fs::path record = dir_.path() / "window.txt";
  auto client =
      Start("record " + record.u8string() + "\nconsole ZTV-Version: 77\n");
  DialogInfo box;
  ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Update", seconds(60), &box));
  EXPECT_EQ(box.text,
            "Client was closed due to update. Please restart the "
            "application.");
  EXPECT_EQ(box.icon, "information");
  EXPECT_EQ(Finish(client.get()), 1);
  EXPECT_EQ(ProfileEntries(), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies_);
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "77");

  // The real window the client described: titled, inset 40 pixels from the
  // 1920 x 1080 screen, with the game's style and both icons.
  EXPECT_EQ(ReadFileBytes(record),
            "title=Zentrova\nrect=40,40,1880,1040\nstyle=16cf0000\n"
            "visible=1\nsmall_icon=32\nbig_icon=64\n");
}

TEST_F(ScriptedClientTest, OutdatedClientTouchesNothing) {
  auto client = Start("console ZTV-Client-Version: 1.4.1\n");
  DialogInfo box;
  ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Outdated", seconds(60), &box));
  EXPECT_EQ(box.icon, "error");
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_EQ(ProfileEntries().size(), 2u);
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "76");
}

TEST_F(ScriptedClientTest, ClosingTheWindowEndsWithZeroAndNoBox) {
  auto client = Start(
      "console ZTV-Client-Version: 1.4.2\nconsole ZTV-Version: 76\n"
      "title Zentrova - Realm\nclose\n");
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_EQ(ProfileEntries().size(), 2u);
  for (const char* title :
       {"ZTV - Client Update", "ZTV - Client Outdated", "ZTV - Error"}) {
    EXPECT_FALSE(TopLevelWindowExists(title)) << title;
  }
}

TEST_F(ScriptedClientTest, DeadRendererReloadsTwiceThenShowsTheStoppedPage) {
  const fs::path page = dir_.path() / "page.txt";
  auto client =
      Start("crash 2\ncrash 2\ncrash 2\npage " + page.u8string() + "\nclose\n");
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_EQ(ReadFileBytes(page),
            "reloads=2\npage=<html><body bgcolor=\"white\"><h2>The game "
            "stopped unexpectedly (status 2). Please restart the "
            "application.</h2></body></html>\n");
  EXPECT_EQ(ProfileEntries().size(), 2u);
}

// The page's fullscreen fills the monitor with the game window, without a
// frame, and leaving puts the window back as it was.
TEST_F(ScriptedClientTest, FullscreenFillsTheMonitorAndComesBack) {
  const std::string before = (dir_.path() / "before.txt").u8string();
  const std::string during = (dir_.path() / "during.txt").u8string();
  const std::string after = (dir_.path() / "after.txt").u8string();
  auto client = Start("record " + before + "\nfullscreen 1\nrecord " + during +
                      "\nfullscreen 0\nrecord " + after + "\nclose\n");
  EXPECT_EQ(Finish(client.get()), 0);
  const auto value = [](const std::string& file, const std::string& key) {
    const std::string text = ReadFileBytes(fs::u8path(file));
    const size_t at = text.find(key + "=");
    return at == std::string::npos
               ? std::string()
               : text.substr(at + key.size() + 1,
                             text.find('\n', at) - at - key.size() - 1);
  };
  const std::string screen =
      "0,0," + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "," +
      std::to_string(GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(value(during, "rect"), screen);
  EXPECT_NE(value(before, "rect"), screen);
  EXPECT_EQ(value(after, "rect"), value(before, "rect"));
  EXPECT_EQ(value(after, "style"), value(before, "style"));
  const unsigned long style = std::stoul(value(during, "style"), nullptr, 16);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
}

// Thousands of page events leave the client holding what it held before.
// The counters themselves are shown to move, since Wine answers 0 to the
// usual ones.
TEST_F(ScriptedClientTest, PageEventsLeaveNoHandlesOrWindowsBehind) {
  const int handles = CountOpenHandles();
  const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(CountOpenHandles(), handles + 1);
  CloseHandle(event);
  const int windows = CountThreadWindows();
  const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr,
                                      nullptr, nullptr, nullptr);
  EXPECT_EQ(CountThreadWindows(), windows + 1);
  DestroyWindow(window);

  const std::string counts = (dir_.path() / "counts.txt").u8string();
  std::string script = "count " + counts + "\n";
  for (int round = 0; round < 1000; ++round) {
    script += "title Zentrova - Realm " + std::to_string(round) +
              "\nconsole ZTV-Version: 76\nconsole tick " +
              std::to_string(round) + "\n";
    if (round % 100 == 0)
      script += "crash 2\n";
  }
  auto client = Start(script + "count " + counts + "\nclose\n");
  EXPECT_EQ(Finish(client.get()), 0);
  const std::string text = ReadFileBytes(counts);
  const size_t middle = text.find('\n');
  ASSERT_NE(middle, std::string::npos) << text;
  EXPECT_EQ(text.substr(middle + 1), text.substr(0, middle + 1));
}

// Holds |path| open without any sharing, so that nothing can move or delete
// it, until the object goes.
class HeldOpen {
 public:
  explicit HeldOpen(const fs::path& path)
      : file_(CreateFileW(path.c_str(),
                          GENERIC_READ,
                          0,
                          nullptr,
                          OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL,
                          nullptr)) {}
  ~HeldOpen() {
    if (file_ != INVALID_HANDLE_VALUE)
      CloseHandle(file_);
  }
  bool held() const { return file_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE file_;
};

// Whatever stands in the way, nothing of the player's is lost and the log
// names it. What the client cannot read at start-up only makes it ignore the
// announcement; what stops the reset itself is told.
TEST_F(ScriptedClientTest, UpdatesThatCannotCompleteAreReportedAndLoseNothing) {
  const fs::path prepared = Bin() / "version.ini.new";
  struct Case {
    const char* label;
    // Puts the obstacle in place; the returned object removes it.
    std::function<std::shared_ptr<void>()> block;
    fs::path logged;
    int code;  // 0: any error
    bool told;
  } const cases[] = {
      {"a file of the profile held open",
       [this] {
         return std::make_shared<HeldOpen>(Profile() / "Cache" / "data_1");
       },
       Profile(), 0, true},
      {"the cookie file held open",
       [this] { return std::make_shared<HeldOpen>(Profile() / "Cookies"); },
       Profile() / "Cookies", ERROR_SHARING_VIOLATION, true},
      {"a folder where the new version is prepared",
       [&] {
         fs::create_directories(prepared / "x");
         return std::shared_ptr<void>();
       },
       "version.ini.new", ERROR_BAD_FILE_TYPE, false},
      {"the version file held open at start-up",
       [this] { return std::make_shared<HeldOpen>(Bin() / "version.ini"); },
       "version.ini", ERROR_SHARING_VIOLATION, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::shared_ptr<void> obstacle = c.block();
    auto client = Start("console ZTV-Version: 77\n");
    DialogInfo box;
    if (c.told) {
      const bool shown = ReadAndDismissDialog("ZTV - Error", seconds(60), &box);
      EXPECT_TRUE(shown);
      EXPECT_EQ(box.text,
                "An error occured during the update, please restart the "
                "application.");
      EXPECT_EQ(box.icon, "warning");
    }
    EXPECT_EQ(Finish(client.get()), 0);
    obstacle.reset();
    EXPECT_FALSE(TopLevelWindowExists("ZTV - Client Update"));
    EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "76");
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies_);
    EXPECT_EQ(ProfileEntries().size(), 2u);
    const std::string log = ReadFileBytes(Bin() / "update_error.log");
    const size_t line_end = log.find("\r\n");
    ASSERT_NE(line_end, std::string::npos) << log;
    const int code = std::stoi(log.substr(0, line_end));
    EXPECT_EQ(code, c.code ? c.code : code);
    EXPECT_NE(code, 0);
    EXPECT_EQ(log.substr(line_end + 2), c.logged.u8string());

    fs::remove_all(prepared);
    fs::remove(Bin() / "update_error.log");
    MakeInstall();
  }
}

// What needs a player's own account: run as one without privileges, in a
// Wine prefix of its own, so that file permissions bite.
class ScriptedClientAsPlayerTest : public ScriptedClientTest {};

// A version file that cannot be replaced: the first start wipes the profile
// and says the update failed; every start after it lets the player play.
TEST_F(ScriptedClientAsPlayerTest,
       ReadOnlyVersionFileWipesOnceThenThePlayerPlays) {
  const fs::path version = Bin() / "version.ini";
  ProtectedFile protected_version(version);
  ASSERT_TRUE(protected_version.ok());

  auto first = Start("console ZTV-Version: 77\n");
  DialogInfo box;
  EXPECT_TRUE(ReadAndDismissDialog("ZTV - Error", seconds(60), &box));
  EXPECT_EQ(Finish(first.get()), 0);
  EXPECT_EQ(ProfileEntries(), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini.new"), "77");
  // Once with the folder as the reset left it, once as the engine fills it.
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    if (run == 1)
      fs::create_directories(Profile() / "Cache");
    auto again = Start("console ZTV-Version: 77\n");
    EXPECT_EQ(Finish(again.get()), 0);
    EXPECT_FALSE(TopLevelWindowExists("ZTV - Error"));
    EXPECT_FALSE(TopLevelWindowExists("ZTV - Client Update"));
    EXPECT_EQ(ProfileEntries().size(), run == 1 ? 2u : 1u);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies_);
  }
  EXPECT_EQ(ReadFileBytes(version), "76");
}

// A profile folder that is a Unix link inside the prefix's drive, as for a
// player under Wine who keeps it on another disk: the update wipes the
// folder it leads to but for the cookie file, and the link stays.
TEST_F(ScriptedClientAsPlayerTest, ProfileFolderThatIsAUnixLinkIsWipedInPlace) {
  const fs::path other_disk = dir_.path() / "other disk";
  const fs::path moved = other_disk / "ZTV";
  fs::create_directories(other_disk);
  fs::rename(Profile(), moved);
  WriteFileBytes(other_disk / "player.txt", "player's");
  ASSERT_TRUE(MakeUnixFolderLink(moved, Profile()));

  auto client = Start("console ZTV-Version: 77\n");
  DialogInfo box;
  EXPECT_TRUE(ReadAndDismissDialog("ZTV - Client Update", seconds(60), &box));
  EXPECT_EQ(Finish(client.get()), 1);
  EXPECT_EQ(EntryNames(moved), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(moved / "Cookies"), cookies_);
  EXPECT_EQ(EntryNames(other_disk),
            (std::vector<std::string>{"ZTV", "player.txt"}));
  EXPECT_TRUE(GetFileAttributesW(Profile().c_str()) &
              FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "77");
}

TEST_F(ScriptedClientTest, SecondStartShowsTheRunningClientAndTouchesNothing) {
  const fs::path release = dir_.path() / "release";
  auto first =
      Start("title Zentrova - Realm\nwait " + release.u8string() + "\n");
  ASSERT_TRUE(WaitUntil(
      [] { return FindWindowW(nullptr, L"Zentrova - Realm") != nullptr; },
      seconds(60)));
  const HWND window = FindWindowW(nullptr, L"Zentrova - Realm");
  // Something else has the player's attention.
  const HWND other = CreateWindowExW(
      0, L"STATIC", L"Something else", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
      300, 200, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);

  auto second = Start("console ZTV-Version: 77\n");
  EXPECT_EQ(Finish(second.get()), 0);
  // The running client activates its window as it handles the request.
  EXPECT_TRUE(
      WaitUntil([&] { return GetForegroundWindow() == window; }, seconds(10)));
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "76");
  EXPECT_EQ(ProfileEntries().size(), 2u);
  EXPECT_FALSE(fs::exists(Bin() / "update_error.log"));

  WriteFileBytes(release, "");
  EXPECT_EQ(Finish(first.get()), 0);
  DestroyWindow(other);
}

TEST_F(ScriptedClientTest, SubProcessEndsAtOnceWritingNothing) {
  auto client = Start("console ZTV-Version: 77\n", {"--type=renderer"});
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "76");
  EXPECT_FALSE(fs::exists(Bin() / "update_error.log"));
  EXPECT_EQ(ProfileEntries().size(), 2u);
  EXPECT_FALSE(TopLevelWindowExists("Zentrova"));
}

}  // namespace
