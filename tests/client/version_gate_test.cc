#include "client/main/version_gate.h"

#include <functional>

#include "client/handler/client_handler.h"
#include "client/main/profile_lock.h"
#include "tests/client/client_test_base.h"
#include "tests/client/hostile_files.h"

namespace {

using test_engine::FakeBrowser;

class VersionGateTest : public ClientTest {};

TEST_F(VersionGateTest, ReadsTheFirstWordOfEachFile) {
  struct Case {
    const char* label;
    const char* content;  // null: no file
    std::string version;
    bool update_flag;
  } const cases[] = {
      {"plain", "76", "76", false},
      {"line end", "1.4.2\n", "1.4.2", false},
      {"CRLF", "1.4.2\r\n", "1.4.2", false},
      {"leading whitespace of every kind", " \t\r\n\v\f77", "77", false},
      {"vertical tab ends the word", "77\vrest", "77", false},
      {"form feed ends the word", "77\frest", "77", false},
      {"more on the line", "77 and more text", "77", false},
      {"byte-order mark kept",
       "\xEF\xBB\xBF"
       "77",
       "\xEF\xBB\xBF"
       "77",
       false},
      {"empty keeps the default", "", "0.0.0.0", false},
      {"whitespace only keeps the default", " \r\n\t", "0.0.0.0", false},
      {"missing file", nullptr, "0.0.0.0", true},
      {"non-ASCII bytes as they are", "v\xC3\xA9", "v\xC3\xA9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    for (const char* file : {"version.ini", "client_version.ini"}) {
      SCOPED_TRACE(file);
      std::filesystem::remove(file);
      if (c.content)
        WriteFileBytes(file, c.content);
      web_version = client_version = "0.0.0.0";
      update_required = false;
      const bool web = std::string(file) == "version.ini";
      if (web)
        ReadWebVersion();
      else
        ReadClientVersion();
      EXPECT_EQ(web ? web_version : client_version, c.version);
      // Only a missing "version.ini" sets the update flag.
      EXPECT_EQ(update_required, web && c.update_flag);
      std::filesystem::remove(file);
    }
  }
}

TEST_F(VersionGateTest, ComparesBytesExactly) {
  struct Case {
    const char* label;
    std::string installed;
    std::string announced;
    bool current;
  } const cases[] = {
      {"same", "77", "77", true},
      {"numeric order does not matter", "1.9", "1.10", false},
      {"trailing space", "77", "77 ", false},
      {"letter case", "v1", "V1", false},
      {"empty announcement", "77", "", false},
      {"text after a zero byte is not compared", "77",
       std::string("77\0junk", 7), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    client_version = web_version = c.installed;
    EXPECT_EQ(IsClientVersionCurrent(c.announced), c.current);
    EXPECT_EQ(IsWebVersionCurrent(c.announced), c.current);
  }
}

TEST_F(VersionGateTest, NewVersionReplacesTheFileOnlyWhenCommitted) {
  for (const std::string& version :
       {std::string("77"), std::string("1.2.3-beta"),
        std::string("2\x1A"
                    "3"),
        std::string("v\xC3\xA9")}) {
    SCOPED_TRACE(version);
    WriteFileBytes(kWebVersionFile, "older and much longer content\n");
    web_version = "76";
    ASSERT_EQ(PrepareWebVersion(version), 0);
    EXPECT_EQ(ReadFileBytes(kWebVersionFile),
              "older and much longer content\n");
    EXPECT_EQ(web_version, "76");
    ASSERT_EQ(CommitWebVersion(version), 0);
    EXPECT_EQ(ReadFileBytes(kWebVersionFile), version);
    EXPECT_EQ(web_version, version);
    // The next start reads back exactly what was recorded.
    web_version = "0.0.0.0";
    ReadWebVersion();
    EXPECT_EQ(web_version, version);
    EXPECT_FALSE(std::filesystem::exists(kPreparedWebVersionFile));
  }
  // A prepared version that is not wanted leaves the file as it was.
  ASSERT_EQ(PrepareWebVersion("99"), 0);
  DiscardWebVersion();
  EXPECT_FALSE(std::filesystem::exists(kPreparedWebVersionFile));
  EXPECT_NE(CommitWebVersion("99"), 0);
  EXPECT_EQ(ReadFileBytes(kWebVersionFile), "v\xC3\xA9");
  EXPECT_EQ(web_version, "v\xC3\xA9");
}

// A version file that is there but cannot be read is not a missing one: it
// sets no flag, its marker's announcements change nothing, nothing blocks,
// and the file is named for the log.
TEST_F(VersionGateTest, FilesThatCannotBeReadIgnoreTheirMarker) {
  namespace fs = std::filesystem;
  enum Kind { kFolder, kDangling, kLinkToFile, kFifo };
  for (const char* file :
       {kWebVersionFile, kPreparedWebVersionFile, "client_version.ini"}) {
    for (Kind kind : {kFolder, kDangling, kLinkToFile, kFifo}) {
      const bool prepared = file == std::string(kPreparedWebVersionFile);
      // Only the client's own prepared file refuses a link to a file.
      if (kind == kLinkToFile && !prepared)
        continue;
      SCOPED_TRACE(testing::Message() << file << ", kind " << kind);
      NewProcess();
      for (const char* name : {kWebVersionFile, "client_version.ini"})
        WriteFileBytes(name, "1");
      fs::remove_all(file);
      WriteFileBytes("elsewhere", "77");
      // Kinds this platform cannot make are left out.
      if ((kind == kFolder && !fs::create_directory(file)) ||
          (kind == kDangling && !MakeLink("missing", file, false)) ||
          (kind == kLinkToFile && !MakeLink("elsewhere", file, false)) ||
          (kind == kFifo && !MakeFifo(file))) {
        fs::remove(file);
        continue;
      }

      ReadWebVersion();
      ReadClientVersion();
      EXPECT_FALSE(update_required);
      EXPECT_NE(version_file_error.code, 0);
      EXPECT_EQ(version_file_error.path, fs::path(file));
      const bool client = file == std::string("client_version.ini");
      if (client)
        EXPECT_FALSE(CheckClientVersionAnnouncement("ZTV-Client-Version: 2"));
      else
        EXPECT_FALSE(CheckWebVersionAnnouncement("ZTV-Version: 2"));
      EXPECT_FALSE(update_required || client_outdated);
      EXPECT_EQ(ReadFileBytes("elsewhere"), "77");
      fs::remove_all(file);
    }
  }
}

// A disagreeing version that cannot be prepared closes nothing: the player
// plays on and is told at the end.
TEST_F(VersionGateTest, AVersionThatCannotBePreparedIsReported) {
  WriteFileBytes(kWebVersionFile, "76");
  ReadWebVersion();
  std::filesystem::create_directory(kPreparedWebVersionFile);
  EXPECT_FALSE(CheckWebVersionAnnouncement("ZTV-Version: 80"));
  EXPECT_FALSE(update_required);
  EXPECT_NE(prepare_error.code, 0);
  EXPECT_EQ(ReadFileBytes(kWebVersionFile), "76");
  const std::string log = ReadFileBytes("update_error.log");
  EXPECT_EQ(log.substr(log.find('\n') + 1), kPreparedWebVersionFile);
  // Nor does any later announcement in that run.
  std::filesystem::remove(kPreparedWebVersionFile);
  EXPECT_FALSE(CheckWebVersionAnnouncement("ZTV-Version: 81"));
}

// A file the client writes may have a second name elsewhere (a hard link):
// the version and the log are new files that take the name, and the lock,
// which cannot be replaced, is refused. The other name keeps its bytes.
TEST_F(VersionGateTest, WritesNeverReachASecondName) {
  namespace fs = std::filesystem;
  struct Case {
    const char* file;
    std::function<int()> write;
    std::string written;  // what the file holds after; "" when refused
  } const cases[] = {
      {kPreparedWebVersionFile, [] { return PrepareWebVersion("77"); }, "77"},
      {"update_error.log",
       [] {
         WriteUpdateErrorLog({5, "x"});
         return 0;
       },
       "5" + std::string(kTextModeLineEnd) + "x"},
      {"data.lock",
       [] {
         ProfileLock lock;
         return lock.Acquire("data") == ProfileLock::Result::kAcquired
                    ? 0
                    : lock.error();
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    WriteFileBytes("elsewhere", "player's");
    fs::create_hard_link("elsewhere", c.file);
    const int error = c.write();
    EXPECT_EQ(ReadFileBytes("elsewhere"), "player's");
    EXPECT_EQ(error != 0, c.written.empty());
    EXPECT_EQ(ReadFileBytes(c.file),
              c.written.empty() ? "player's" : c.written);
    fs::remove(c.file);
  }
}

class ConsoleMessageTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    client_version = "1.4.2";
    web_version = "76";
  }

  // Sends |message| from |browser| and returns the number of close
  // requests it caused.
  int Log(const std::string& message, FakeBrowser* browser = nullptr) {
    CefRefPtr<FakeBrowser> own = new FakeBrowser(1, kNullWindowHandle);
    FakeBrowser* from = browser ? browser : own.get();
    const int before = from->host()->try_close_calls;
    EXPECT_FALSE(handler_->OnConsoleMessage(from, LOGSEVERITY_INFO, message,
                                            "https://x/page.js", 12));
    return from->host()->try_close_calls - before;
  }

  CefRefPtr<ClientHandler> handler_ = new ClientHandler(false);
};

TEST_F(ConsoleMessageTest, Announcements) {
  struct Case {
    const char* label;
    std::string message;
    bool outdated;
    bool update;
    std::string pending;
    int closes;
  } const cases[] = {
      {"current client", "ZTV-Client-Version: 1.4.2", false, false, "", 0},
      {"other client", "ZTV-Client-Version: 1.4.1", true, false, "", 1},
      {"current web", "ZTV-Version: 76", false, false, "", 0},
      {"newer web", "ZTV-Version: 77", false, true, "77", 1},
      // The version is the first word, as the file would give it back, so
      // no announcement can ask for a reset at every start.
      {"trailing space", "ZTV-Version: 76 ", false, false, "", 0},
      {"line end", "ZTV-Version: 76\r\n", false, false, "", 0},
      {"newer with more words", "ZTV-Version: \t77 rest", false, true, "77", 1},
      {"client with trailing space", "ZTV-Client-Version: 1.4.2 ", false, false,
       "", 0},
      {"empty announcement", "ZTV-Version: ", false, false, "", 0},
      {"blank announcement", "ZTV-Version:  \t\r\n", false, false, "", 0},
      {"empty client announcement", "ZTV-Client-Version: ", false, false, "",
       0},
      {"no marker", "Welcome to Zentrova", false, false, "", 0},
      {"marker in other case", "ztv-version: 77", false, false, "", 0},
      {"marker without its space", "ZTV-Version:77", false, false, "", 0},
      {"marker further in", "log: ZTV-Version: 77", false, false, "", 0},
      {"client marker further in", "x ZTV-Client-Version: 9", false, false, "",
       0},
      {"empty message", "", false, false, "", 0},
      {"UTF-8 version", "ZTV-Version: v\xC3\xA9", false, true, "v\xC3\xA9", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    client_outdated = update_required = false;
    pending_web_version.clear();
    EXPECT_EQ(Log(c.message), c.closes);
    EXPECT_EQ(client_outdated, c.outdated);
    EXPECT_EQ(update_required, c.update);
    EXPECT_EQ(pending_web_version, c.pending);
  }
}

TEST_F(ConsoleMessageTest, FlagsStayAndThePendingVersionIsTheLastDisagreeing) {
  Log("ZTV-Version: 77");
  Log("ZTV-Version: 78");
  Log("ZTV-Version: 76");  // agrees: changes nothing
  Log("ZTV-Client-Version: 1.4.2");
  EXPECT_TRUE(update_required);
  EXPECT_FALSE(client_outdated);
  EXPECT_EQ(pending_web_version, "78");
  Log("ZTV-Client-Version: 2.0");
  Log("ZTV-Client-Version: 1.4.2");
  EXPECT_TRUE(client_outdated);
}

TEST_F(ConsoleMessageTest, EveryBrowserAndSeverityCounts) {
  CefRefPtr<FakeBrowser> popup = new FakeBrowser(2, kNullWindowHandle);
  for (cef_log_severity_t level : {LOGSEVERITY_VERBOSE, LOGSEVERITY_WARNING,
                                   LOGSEVERITY_ERROR, LOGSEVERITY_DISABLE}) {
    update_required = false;
    EXPECT_FALSE(handler_->OnConsoleMessage(popup.get(), level,
                                            "ZTV-Version: 77", "", 0));
    EXPECT_TRUE(update_required);
  }
  // The browser that logged it is the one asked to close.
  EXPECT_EQ(popup->host()->try_close_calls, 4);
}

}  // namespace
