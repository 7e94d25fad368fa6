// The Windows client program from wWinMain to its exit code under Wine, with
// a scripted engine: the version gate, the update reset on a real
// %APPDATA%\ZTV and the real message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/child_process.h"
#include "tests/support/dialog.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

class ScriptedClientTest : public testing::Test {
 protected:
  void SetUp() override {
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
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Profile()))
      names.push_back(entry.path().filename().u8string());
    return names;
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

TEST_F(ScriptedClientTest, FailedDeletionIsLoggedAndReported) {
  // A file of the profile held open without delete sharing.
  const HANDLE held = CreateFileW(
      (Profile() / "Cache" / "data_1").c_str(), GENERIC_READ, FILE_SHARE_READ,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto client = Start("console ZTV-Version: 77\n");
  DialogInfo box;
  const bool shown = ReadAndDismissDialog("ZTV - Error", seconds(60), &box);
  CloseHandle(held);
  ASSERT_TRUE(shown);
  EXPECT_EQ(box.text,
            "An error occured during the update, please restart the "
            "application.");
  EXPECT_EQ(box.icon, "warning");
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_EQ(ReadFileBytes(Bin() / "version.ini"), "76");
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies_);
  const std::string log = ReadFileBytes(Bin() / "update_error.log");
  const size_t line_end = log.find("\r\n");
  ASSERT_NE(line_end, std::string::npos) << log;
  EXPECT_NE(std::stoi(log.substr(0, line_end)), 0);
  EXPECT_EQ(log.substr(line_end + 2), Profile().u8string());
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
