#include "client/main/post_shutdown.h"

#include <functional>

#include "tests/client/client_test_base.h"
#include "tests/client/undeletable.h"

namespace {

namespace fs = std::filesystem;

class PostShutdownTest : public ClientTest {
 protected:
  fs::path Profile() const { return dir() / "AppData" / "ZTV"; }

  // A profile folder as CEF leaves it, with a cookie file of |cookies| (or
  // none when null).
  void MakeProfile(const fs::path& profile, const std::string* cookies) {
    fs::create_directories(profile / "Cache" / "js");
    WriteFileBytes(profile / "Cache" / "js" / "index", "cache");
    WriteFileBytes(profile / "Preferences", "{}");
    if (cookies)
      WriteFileBytes(profile / "Cookies", *cookies);
  }

  std::vector<std::string> Entries(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().u8string());
    return names;
  }

  // "update_error.log": a non-zero code, a line end and the path.
  void ExpectErrorLog(const fs::path& path) const {
    const std::string log = ReadFileBytes("update_error.log");
    const size_t digits = log.find_first_not_of("-0123456789");
    ASSERT_NE(digits, std::string::npos) << log;
    ASSERT_GT(digits, 0u) << log;
    EXPECT_NE(std::stoi(log.substr(0, digits)), 0);
    EXPECT_EQ(log.substr(digits),
              std::string(kTextModeLineEnd) + path.u8string());
  }

  std::vector<Notice> Notices() const {
    std::vector<Notice> notices;
    for (const ShownNotice& shown : ShownNotices())
      notices.push_back(shown.notice);
    return notices;
  }
};

TEST_F(PostShutdownTest, ResetKeepsOnlyTheCookiesByteForByte) {
  std::string binary("SQLite format 3\0", 16);
  for (int i = 0; i < 70000; ++i)
    binary += static_cast<char>(i * 31);
  struct Case {
    const char* label;
    std::string cookies;
  } const cases[] = {
      {"one byte", "x"},
      {"text with line ends", "a\r\nb\nc\r"},
      {"binary, larger than a buffer", binary},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    MakeProfile(Profile(), &c.cookies);
    EXPECT_TRUE(ResetProfileFolder(Profile()));
    EXPECT_EQ(Entries(Profile()), std::vector<std::string>{"Cookies"});
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), c.cookies);
    EXPECT_FALSE(fs::exists(SavedCookiesPath(Profile())));
    EXPECT_FALSE(fs::exists("update_error.log"));
    EXPECT_TRUE(ShownNotices().empty());
  }
}

TEST_F(PostShutdownTest, ResetWithoutCookiesLeavesNoFolder) {
  MakeProfile(Profile(), nullptr);
  EXPECT_TRUE(ResetProfileFolder(Profile()));
  EXPECT_FALSE(fs::exists(Profile()));
  EXPECT_TRUE(fs::exists(Profile().parent_path()));
}

TEST_F(PostShutdownTest, EmptyCookieFileIsKeptToo) {
  // Moving the file costs nothing, so even an empty store is kept rather
  // than dropped.
  const std::string empty;
  MakeProfile(Profile(), &empty);
  EXPECT_TRUE(ResetProfileFolder(Profile()));
  EXPECT_EQ(Entries(Profile()), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "");
}

TEST_F(PostShutdownTest, NonAsciiProfilePath) {
  const fs::path profile =
      dir() / fs::u8path("Z\xC3\xA9ntrova \xE2\x9C\x93") / "ZTV";
  const std::string cookies = "session=1";
  MakeProfile(profile, &cookies);
  EXPECT_TRUE(ResetProfileFolder(profile));
  EXPECT_EQ(Entries(profile), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(profile / "Cookies"), cookies);
}

TEST_F(PostShutdownTest, LongProfilePathIsDeletedOrReportedNeverCut) {
  for (size_t length : {258u, 259u, 300u}) {
    SCOPED_TRACE(length);
    fs::path profile = dir();
    while (profile.native().size() + 12 < length)
      profile /= std::string(
          std::min<size_t>(40, length - profile.native().size() - 12), 'p');
    profile /= std::string(length - profile.native().size() - 1, 'z');
    ASSERT_EQ(profile.native().size(), length);
    const std::string cookies = "long=1";
    MakeProfile(profile, &cookies);
    ShownNotices().clear();
    if (ResetProfileFolder(profile)) {
      EXPECT_EQ(Entries(profile), std::vector<std::string>{"Cookies"});
    } else {
      // Reported, and nothing of the player's lost.
      EXPECT_TRUE(fs::exists("update_error.log"));
      EXPECT_EQ(ShownNotices().size(), 1u);
    }
    EXPECT_EQ(ReadFileBytes(profile / "Cookies"), cookies);
    // A folder beside it whose name the path starts with is never touched.
    fs::remove_all(dir() / "p");
  }
}

TEST_F(PostShutdownTest, UpdatesThatCannotCompleteTouchNothing) {
  struct Case {
    const char* label;
    // Puts something in the way and returns the path the log names.
    std::function<fs::path()> block;
  } const cases[] = {
      {"the new version cannot be prepared",
       [] {
         fs::create_directories(kPreparedWebVersionFile + std::string("/x"));
         return fs::path(kPreparedWebVersionFile);
       }},
      {"an earlier set-aside cookie file is never replaced",
       [this] {
         WriteFileBytes(SavedCookiesPath(Profile()), "older=1");
         return Profile();
       }},
      {"something else is where the cookies would go",
       [this] {
         fs::create_directories(SavedCookiesPath(Profile()) / "occupied");
         return Profile();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ShownNotices().clear();
    const std::string cookies = "keep=me";
    MakeProfile(Profile(), &cookies);
    WriteFileBytes(kWebVersionFile, "76");
    const fs::path logged = c.block();
    update_required = true;
    pending_web_version = "77";
    int exit_code = 0;
    RunPostShutdownActions(Profile(), &exit_code);
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies);
    EXPECT_TRUE(fs::exists(Profile() / "Cache" / "js" / "index"));
    EXPECT_EQ(ReadFileBytes(kWebVersionFile), "76");
    ExpectErrorLog(logged);
    EXPECT_EQ(Notices(), std::vector<Notice>{Notice::kUpdateError});
    EXPECT_FALSE(fs::is_regular_file(kPreparedWebVersionFile));
    if (fs::is_regular_file(SavedCookiesPath(Profile()))) {
      EXPECT_EQ(ReadFileBytes(SavedCookiesPath(Profile())), "older=1");
    }
    fs::remove_all(kPreparedWebVersionFile);
    fs::remove_all(SavedCookiesPath(Profile()));
    fs::remove("update_error.log");
  }
}

TEST_F(PostShutdownTest, SetAsideCookiesComeBackAtTheNextStart) {
  fs::create_directories(Profile().parent_path());
  WriteFileBytes(SavedCookiesPath(Profile()), "recovered=1");
  RecoverSavedCookies(Profile());
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "recovered=1");
  EXPECT_FALSE(fs::exists(SavedCookiesPath(Profile())));
  EXPECT_FALSE(fs::exists("update_error.log"));

  // A folder that has a store again keeps it in use; each older file is
  // kept beside it under a name of its own, and the log says where.
  for (const char* older : {"older=1", "older=2"}) {
    SCOPED_TRACE(older);
    WriteFileBytes(SavedCookiesPath(Profile()), older);
    RecoverSavedCookies(Profile());
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "recovered=1");
    EXPECT_FALSE(fs::exists(SavedCookiesPath(Profile())));
    fs::path kept = SavedCookiesPath(Profile());
    kept += std::string(".") + older[6];
    EXPECT_EQ(ReadFileBytes(kept), older);
    ExpectErrorLog(kept);
  }
}

TEST_F(PostShutdownTest, ActionsFollowTheFlags) {
  struct Case {
    const char* label;
    bool outdated;
    bool update;
    std::string pending;
    bool with_profile;
    std::vector<Notice> notices;
    std::string version_file;  // "<none>": not written
    int exit_code;
    bool profile_reset;
  } const cases[] = {
      {"no flag", false, false, "", true, {}, "<none>", 0, false},
      {"outdated",
       true,
       false,
       "",
       true,
       {Notice::kClientOutdated},
       "<none>",
       0,
       false},
      {"both flags: only the outdated notice",
       true,
       true,
       "77",
       true,
       {Notice::kClientOutdated},
       "<none>",
       0,
       false},
      {"update", false, true, "77", true, {Notice::kUpdate}, "77", 1, true},
      {"update without announcement",
       false,
       true,
       "",
       true,
       {Notice::kUpdate},
       "<none>",
       1,
       true},
      {"update, no profile folder",
       false,
       true,
       "77",
       false,
       {Notice::kUpdate},
       "77",
       0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fs::remove("version.ini");
    ShownNotices().clear();
    const std::string cookies = "c=1";
    MakeProfile(Profile(), &cookies);
    client_outdated = c.outdated;
    update_required = c.update;
    pending_web_version = c.pending;
    int exit_code = 0;
    RunPostShutdownActions(c.with_profile ? Profile() : fs::path(), &exit_code);
    EXPECT_EQ(exit_code, c.exit_code);
    EXPECT_EQ(Notices(), c.notices);
    const std::string version_file =
        fs::exists("version.ini") ? ReadFileBytes("version.ini") : "<none>";
    EXPECT_EQ(version_file, c.version_file);
    // The update notice comes after "version.ini" has been written.
    if (!ShownNotices().empty()) {
      EXPECT_EQ(ShownNotices()[0].version_file, c.version_file);
    }
    EXPECT_EQ(Entries(Profile()).size() == 1, c.profile_reset);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies);
  }
}

TEST_F(PostShutdownTest, FailedDeletionIsLoggedAndLeavesTheVersionAlone) {
  WriteFileBytes("version.ini", "76");
  update_required = true;
  pending_web_version = "77";
  const fs::path profile = UndeletableFolder();
  int exit_code = 0;
  RunPostShutdownActions(profile, &exit_code);
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(Notices(), std::vector<Notice>{Notice::kUpdateError});
  EXPECT_EQ(ReadFileBytes("version.ini"), "76");
  EXPECT_FALSE(fs::exists(kPreparedWebVersionFile));
  ExpectErrorLog(profile);
  ReleaseUndeletableFolder();
}

}  // namespace
