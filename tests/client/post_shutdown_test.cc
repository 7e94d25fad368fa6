#include "client/main/post_shutdown.h"

#include <fstream>
#include <functional>
#include <memory>

#include "tests/client/client_test_base.h"
#include "tests/client/hostile_files.h"

namespace {

namespace fs = std::filesystem;

class PostShutdownTest : public ClientTest {
 protected:
  fs::path Profile() const { return dir() / "AppData" / "ZTV"; }

  // |profile| as the client hands it to the engine.
  static UsedProfileFolder Used(const fs::path& profile) {
    UsedProfileFolder used{profile, {}};
    EXPECT_EQ(MakeFolderAndIdentify(profile, &used.identity), 0);
    return used;
  }

  // A profile folder as CEF leaves it, with a cookie file of |cookies| (or
  // none when null).
  void MakeProfile(const fs::path& profile, const std::string* cookies) {
    fs::create_directories(profile / "Cache" / "js");
    WriteFileBytes(profile / "Cache" / "js" / "index", "cache");
    WriteFileBytes(profile / "Preferences", "{}");
    if (cookies)
      WriteFileBytes(profile / "Cookies", *cookies);
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

  // A file held open, as the engine's cookie store would be.
  std::unique_ptr<std::ifstream> held_;

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
    EXPECT_TRUE(ResetProfileFolder(Used(Profile())));
    EXPECT_EQ(EntryNames(Profile()), std::vector<std::string>{"Cookies"});
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), c.cookies);
    EXPECT_FALSE(fs::exists("update_error.log"));
    EXPECT_TRUE(ShownNotices().empty());
  }
}

TEST_F(PostShutdownTest, ResetWithoutCookiesLeavesNoFolder) {
  MakeProfile(Profile(), nullptr);
  EXPECT_TRUE(ResetProfileFolder(Used(Profile())));
  EXPECT_FALSE(fs::exists(Profile()));
  EXPECT_TRUE(fs::exists(Profile().parent_path()));
}

TEST_F(PostShutdownTest, EmptyCookieFileIsKeptToo) {
  const std::string empty;
  MakeProfile(Profile(), &empty);
  EXPECT_TRUE(ResetProfileFolder(Used(Profile())));
  EXPECT_EQ(EntryNames(Profile()), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), "");
}

// Names that Windows' plain paths clean up into "Cookies" (a trailing dot
// or space) are other entries: the reset deletes them by their own names
// and keeps the cookie file.
TEST_F(PostShutdownTest, NamesThatLookLikeTheCookieFileAreNotIt) {
  const std::string cookies = "session=abc";
  MakeProfile(Profile(), &cookies);
  for (const char* name : {"Cookies.", "Cookies ", "Cookies. ."})
    WriteFileNamedExactly(Profile() / name, "other");
  EXPECT_TRUE(ResetProfileFolder(Used(Profile())));
  EXPECT_EQ(EntryNames(Profile()), std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies);
}

// Links in and for the folder are the player's: the reset deletes a link
// inside as a link, keeps a link that stands for the folder, and never
// reaches what any of them points to.
TEST_F(PostShutdownTest, ResetNeverReachesThroughALink) {
  const fs::path outside = dir() / "other disk";
  for (bool folder_is_link : {false, true}) {
    for (bool with_cookies : {false, true}) {
      SCOPED_TRACE(std::string(folder_is_link ? "linked" : "real") +
                   (with_cookies ? " folder with cookies" : " folder"));
      fs::remove_all(outside);
      fs::remove_all(Profile().parent_path());
      fs::create_directories(outside / "moved" / "Cache");
      WriteFileBytes(outside / "player.txt", "player's");
      fs::create_directories(outside / "kept folder");
      WriteFileBytes(outside / "kept folder" / "inside", "kept");
      fs::create_directories(Profile().parent_path());
      const fs::path target = folder_is_link ? outside / "moved" : Profile();
      const std::string cookies = "c=1";
      MakeProfile(target, with_cookies ? &cookies : nullptr);
      if ((folder_is_link && !MakeLink(target, Profile(), true)) ||
          !MakeLink(outside / "player.txt", target / "file link", false) ||
          !MakeLink(outside / "kept folder", target / "Cache" / "folder link",
                    true)) {
        GTEST_SKIP() << "no symbolic links here";
      }

      EXPECT_TRUE(ResetProfileFolder(Used(Profile())));
      EXPECT_EQ(ReadFileBytes(outside / "player.txt"), "player's");
      EXPECT_EQ(ReadFileBytes(outside / "kept folder" / "inside"), "kept");
      EXPECT_EQ(fs::is_symlink(Profile()), folder_is_link);
      const std::vector<std::string> left =
          with_cookies ? std::vector<std::string>{"Cookies"}
                       : std::vector<std::string>{};
      EXPECT_EQ(fs::exists(Profile()) ? EntryNames(Profile()) : left, left);
      EXPECT_EQ(fs::exists(Profile()), with_cookies || folder_is_link);
    }
  }
}

// The reset wipes the folder the engine was given and nothing else: not a
// folder that came to stand at its path during play, nothing on a disk
// mounted inside it, and it keeps the file the engine opens as "Cookies"
// under whatever name the disk lists it. What it refuses, it says.
TEST_F(PostShutdownTest, ResetStaysInTheFolderTheEngineWasGiven) {
  const std::string cookies = "login=1";
  const fs::path moved = dir() / "AppData" / "ZTV moved";
  const fs::path outside = dir() / "outside";
  const fs::path mounted = Profile() / "Cache" / "mnt";
  WriteFileBytes(dir() / "case-probe", "");
  const bool ignores_case = fs::exists(dir() / "CASE-PROBE");
  struct Case {
    const char* label;
    // Changes the disk during play; false where this platform cannot.
    std::function<bool()> change;
    std::vector<std::string> left;  // the folder's entries after a reset
    fs::path kept;                  // a file that must keep "kept"; or none
  } const cases[] = {
      {"moved away",
       [&] {
         fs::rename(Profile(), moved);
         return true;
       },
       {},
       moved / "Preferences"},
      {"another folder in its place",
       [&] {
         fs::rename(Profile(), moved);
         MakeProfile(Profile(), &cookies);
         WriteFileBytes(Profile() / "Preferences", "kept");
         return true;
       },
       {},
       Profile() / "Preferences"},
      {"a disk mounted inside",
       [&] {
         fs::create_directories(mounted);
         const bool done = MountAt(mounted, nullptr);
         WriteFileBytes(mounted / "data", "kept");
         return done;
       },
       {},
       mounted / "data"},
      {"a folder of the same disk bound inside",
       [&] {
         fs::create_directories(mounted);
         fs::create_directories(outside);
         WriteFileBytes(outside / "data", "kept");
         return MountAt(mounted, &outside);
       },
       {},
       outside / "data"},
      {"a second name of the cookie file",
       [&] {
         fs::create_hard_link(Profile() / "Cookies", Profile() / "Cookies 2");
         return true;
       },
       {"Cookies"},
       {}},
      {"the cookie file listed in another case",
       [&] {
         fs::remove(Profile() / "Cookies");
         WriteFileBytes(Profile() / "cookies", cookies);
         return true;
       },
       ignores_case ? std::vector<std::string>{"cookies"}
                    : std::vector<std::string>{},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fs::remove_all(moved);
    fs::remove_all(outside);
    fs::remove_all(Profile());
    fs::remove("update_error.log");
    ShownNotices().clear();
    MakeProfile(Profile(), &cookies);
    WriteFileBytes(Profile() / "Preferences", "kept");
    const UsedProfileFolder used = Used(Profile());
    if (!c.change()) {
      Unmount(mounted);
      continue;
    }
    EXPECT_EQ(ResetProfileFolder(used), c.kept.empty());
    if (!c.kept.empty()) {
      EXPECT_EQ(ReadFileBytes(c.kept), "kept");
      ExpectErrorLog(Profile());
      EXPECT_EQ(Notices(), std::vector<Notice>{Notice::kUpdateError});
    } else if (fs::exists(Profile())) {
      EXPECT_EQ(EntryNames(Profile()), c.left);
      EXPECT_EQ(ReadFileBytes(Profile() / c.left.at(0)), cookies);
    } else {
      EXPECT_TRUE(c.left.empty());
    }
    Unmount(mounted);
  }
}

TEST_F(PostShutdownTest, NonAsciiProfilePath) {
  const fs::path profile =
      dir() / fs::u8path("Z\xC3\xA9ntrova \xE2\x9C\x93") / "ZTV";
  const std::string cookies = "session=1";
  MakeProfile(profile, &cookies);
  EXPECT_TRUE(ResetProfileFolder(Used(profile)));
  EXPECT_EQ(EntryNames(profile), std::vector<std::string>{"Cookies"});
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
    if (ResetProfileFolder(Used(profile))) {
      EXPECT_EQ(EntryNames(profile), std::vector<std::string>{"Cookies"});
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

// Each run that cannot complete an update says so and records nothing; the
// prepared version stays behind as the record that the update was begun.
TEST_F(PostShutdownTest, UpdatesThatCannotCompleteSayWhy) {
  struct Blocked {
    fs::path profile;  // the folder the run used
    fs::path logged;   // the path the log names
  };
  struct Case {
    const char* label;
    std::function<Blocked()> block;
    bool wipes_profile;
  } const cases[] = {
      {"the cookie store is still open",
       [this] {
         held_ = std::make_unique<std::ifstream>(Profile() / "Cookies");
         return Blocked{Profile(), Profile() / "Cookies"};
       },
       false},
      {"the profile folder cannot be wiped",
       [] {
         return Blocked{UndeletableFolder(), UndeletableFolder()};
       },
       false},
      {"the version cannot be recorded",
       [this] {
         fs::remove(kWebVersionFile);
         fs::create_directories(kWebVersionFile + std::string("/x"));
         return Blocked{Profile(), kWebVersionFile};
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ShownNotices().clear();
    const std::string cookies = "keep=me";
    MakeProfile(Profile(), &cookies);
    WriteFileBytes(kWebVersionFile, "76");
    web_version = "76";
    ASSERT_TRUE(CheckWebVersionAnnouncement("ZTV-Version: 77"));
    const Blocked blocked = c.block();
    int exit_code = 0;
    RunPostShutdownActions(Used(blocked.profile), FileError(), &exit_code);
    held_.reset();
    ReleaseUndeletableFolder();
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies);
    EXPECT_EQ(fs::exists(Profile() / "Cache"), !c.wipes_profile);
    ExpectErrorLog(blocked.logged);
    EXPECT_EQ(Notices(), std::vector<Notice>{Notice::kUpdateError});
    EXPECT_EQ(ReadFileBytes(kPreparedWebVersionFile), "77");
    fs::remove_all(kWebVersionFile);
    fs::remove_all(kPreparedWebVersionFile);
    fs::remove("update_error.log");
  }
}

TEST_F(PostShutdownTest, ActionsFollowTheFlags) {
  enum Folder { kUsed, kNone, kGivenUp };
  struct Case {
    const char* label;
    bool outdated;
    std::string announced;  // prepared while the page ran; "" for none
    bool update;
    Folder folder;
    std::vector<Notice> notices;
    std::string version_file;  // "<none>": not written
    int exit_code;
    bool profile_reset;
  } const cases[] = {
      {"no flag", false, "", false, kUsed, {}, "<none>", 0, false},
      {"outdated",
       true,
       "",
       false,
       kUsed,
       {Notice::kClientOutdated},
       "<none>",
       0,
       false},
      {"both flags: only the outdated notice",
       true,
       "77",
       true,
       kUsed,
       {Notice::kClientOutdated},
       "<none>",
       0,
       false},
      {"update", false, "77", true, kUsed, {Notice::kUpdate}, "77", 1, true},
      {"update without announcement",
       false,
       "",
       true,
       kUsed,
       {Notice::kUpdate},
       "<none>",
       1,
       true},
      {"update, no profile folder",
       false,
       "77",
       true,
       kNone,
       {Notice::kUpdate},
       "77",
       0,
       false},
      {"update, profile folder given up",
       false,
       "",
       true,
       kGivenUp,
       {Notice::kUpdateError},
       "<none>",
       0,
       false},
      {"given up without an update",
       false,
       "",
       false,
       kGivenUp,
       {Notice::kUpdateError},
       "<none>",
       0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    fs::remove("version.ini");
    fs::remove(kPreparedWebVersionFile);
    ShownNotices().clear();
    const std::string cookies = "c=1";
    MakeProfile(Profile(), &cookies);
    client_outdated = c.outdated;
    update_required = c.update;
    pending_web_version = c.announced;
    if (!c.announced.empty()) {
      ASSERT_EQ(PrepareWebVersion(c.announced), 0);
    }
    const FileError given_up =
        c.folder == kGivenUp ? FileError{5, Profile()} : FileError();
    int exit_code = 0;
    RunPostShutdownActions(
        c.folder == kUsed ? Used(Profile()) : UsedProfileFolder(), given_up,
        &exit_code);
    EXPECT_EQ(exit_code, c.exit_code);
    EXPECT_EQ(Notices(), c.notices);
    const std::string version_file =
        fs::exists("version.ini") ? ReadFileBytes("version.ini") : "<none>";
    EXPECT_EQ(version_file, c.version_file);
    // The update notice comes after "version.ini" has been written.
    if (!ShownNotices().empty()) {
      EXPECT_EQ(ShownNotices()[0].version_file, c.version_file);
    }
    EXPECT_EQ(EntryNames(Profile()).size() == 1, c.profile_reset);
    EXPECT_EQ(ReadFileBytes(Profile() / "Cookies"), cookies);
    // What was prepared is recorded, or dropped with the outdated client.
    EXPECT_FALSE(fs::exists(kPreparedWebVersionFile));
    if (c.folder == kGivenUp)
      ExpectErrorLog(Profile());
  }
}

}  // namespace
