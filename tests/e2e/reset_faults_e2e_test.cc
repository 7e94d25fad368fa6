// Every file-system call of the update reset made to fail, or the client
// killed at it, on the real client with a real login: the cookie file is
// never lost, the next start puts it back, and the client never reports a
// failure as success.
#include <signal.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "tests/e2e/e2e_test_base.h"

namespace {

namespace fs = std::filesystem;

// The calls as the preloaded shim names them, in the reset's order: the new
// version prepared beside "version.ini", the cookie file set aside, the
// folder deleted (everything in it counts as "data/ZTV/*"), the cookie file
// put back into a new folder, and the version committed.
const char* const kResetCalls[] = {
    "open bin/version.ini.new",
    "write bin/version.ini.new",
    "fsync bin/version.ini.new",
    "close bin/version.ini.new",
    "lstat data/ZTV/Cookies",
    "renameat2 data/ZTV/Cookies",
    "openat data/ZTV",
    "openat data/ZTV/*",
    "unlinkat data/ZTV/*",
    "rmdirat data/ZTV/*",
    "remove data/ZTV",
    "lstat data/ZTV",
    "mkdir data/ZTV",
    "renameat2 data/ZTV.Cookies",
    "rename bin/version.ini.new",
};

struct Outcome {
  const char* name;
  int error;  // 0: the client is killed at the call
};
const Outcome kOutcomes[] = {{"EIO", EIO},
                             {"EACCES", EACCES},
                             {"ENOSPC", ENOSPC},
                             {"KILL", 0}};

class ResetFaultTest : public E2ETest {
 protected:
  // The page logs the player in and then announces web version 2, while the
  // install holds 1.
  ResetFaultTest() : E2ETest("2") {}

  void SetUp() override {
    E2ETest::SetUp();
    install_.SetLandingPage(server_.Url("/login?player=hero"));
    install_.SetEnvironment("LD_PRELOAD", ZTV_FAULT_SHIM_PATH);
    install_.SetEnvironment("ZTV_FAULT_ROOT", install_.root().string());
    install_.SetEnvironment("ZTV_FAULT_FOLDER", "data/ZTV");
    // The reset's first call is on a file nothing else touches; the cookie
    // file as it is then is what must survive.
    install_.SetEnvironment("ZTV_FAULT_ARM", "bin/version.ini.new");
    install_.SetEnvironment("ZTV_FAULT_SNAPSHOT", "data/ZTV/Cookies>expected");
  }

  fs::path Cookies() const { return install_.profile() / "Cookies"; }
  fs::path SetAside() const { return install_.data() / "ZTV.Cookies"; }
  std::string Expected() const {
    return ReadFileBytes(install_.root() / "expected");
  }

  // The client's run to its end, with |fault| as ZTV_FAULT_AT (or none).
  int Run(const std::string& fault, std::vector<std::string>* notices) {
    install_.SetEnvironment("ZTV_FAULT_AT", fault);
    auto client = install_.StartClient();
    return FinishWithNotices(client.get(), notices);
  }

  // The next start, by default killed as soon as the engine touches the
  // cookie file, so that what the start-up recovery left is what is checked;
  // closed by the player if it gets that far.
  void StartAgain(const std::string& fault = "* data/ZTV/Cookies#1:KILL") {
    install_.SetEnvironment("ZTV_FAULT_ARM", std::nullopt);
    install_.SetEnvironment("ZTV_FAULT_AT", fault);
    install_.SetLandingPage("data:text/html,<title>Again</title>");
    auto client = install_.StartClient();
    const auto deadline = std::chrono::steady_clock::now() + kTimeout;
    int exit_code = -1;
    while (!client->Wait(std::chrono::milliseconds(200), &exit_code) &&
           std::chrono::steady_clock::now() < deadline) {
      if (const unsigned long window =
              windows_.WaitFor("Again", std::chrono::milliseconds(0))) {
        windows_.Close(window);
      }
    }
    EXPECT_TRUE(exit_code == 0 || exit_code == 128 + SIGKILL)
        << exit_code << "\n"
        << install_.ClientLog();
  }
};

TEST_F(ResetFaultTest, TheTableHoldsEveryCallOfTheReset) {
  install_.SetEnvironment("ZTV_FAULT_LOG",
                          (install_.root() / "calls.log").string());
  std::vector<std::string> notices;
  EXPECT_EQ(Run("", &notices), 1);
  EXPECT_EQ(notices, std::vector<std::string>{"ZTV - Client Update"});
  EXPECT_EQ(ReadFileBytes(Cookies()), Expected());
  EXPECT_NE(Expected().find("ztv_session"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "2");

  std::istringstream log(ReadFileBytes(install_.root() / "calls.log"));
  std::set<std::string> made;
  for (std::string call; std::getline(log, call);)
    made.insert(call);
  EXPECT_EQ(made, std::set<std::string>(std::begin(kResetCalls),
                                        std::end(kResetCalls)));
}

TEST_F(ResetFaultTest, FailedRecoveryIsLoggedRetriedAndNeverReplacesAStore) {
  std::vector<std::string> notices;
  Run("remove data/ZTV#1:KILL", &notices);
  const std::string cookies = Expected();
  ASSERT_EQ(ReadFileBytes(SetAside()), cookies);

  // The next start cannot move the file back; the engine begins a new store.
  StartAgain("renameat2 data/ZTV.Cookies#1:EIO");
  const fs::path log = install_.bin() / "update_error.log";
  EXPECT_EQ(ReadFileBytes(log),
            std::to_string(EIO) + "\n" + SetAside().string());
  EXPECT_EQ(ReadFileBytes(SetAside()), cookies);
  ASSERT_TRUE(fs::exists(Cookies()));

  // The start after that keeps the new store in use and the older file
  // beside it, under a name of its own.
  StartAgain("");
  fs::path kept = SetAside();
  kept += ".1";
  EXPECT_FALSE(fs::exists(SetAside()));
  EXPECT_EQ(ReadFileBytes(kept), cookies);
  EXPECT_EQ(ReadFileBytes(log), std::to_string(EEXIST) + "\n" + kept.string());
  EXPECT_TRUE(fs::exists(Cookies()));
}

class EachResetCall
    : public ResetFaultTest,
      public testing::WithParamInterface<std::tuple<const char*, Outcome>> {};

TEST_P(EachResetCall, KeepsTheCookieFileAndTellsTheTruth) {
  const std::string call = std::get<0>(GetParam());
  const Outcome outcome = std::get<1>(GetParam());
  std::vector<std::string> notices;
  const int exit_code = Run(call + "#1:" + outcome.name, &notices);
  ASSERT_TRUE(fs::exists(install_.root() / "fault-hit"))
      << "the call was never made\n"
      << install_.ClientLog();
  const std::string cookies = Expected();
  ASSERT_NE(cookies.find("ztv_session"), std::string::npos)
      << "the login never reached the cookie file";

  // The cookie file is in the folder or set aside beside it, never both,
  // never changed.
  ASSERT_NE(fs::exists(Cookies()), fs::exists(SetAside()));
  EXPECT_EQ(ReadFileBytes(fs::exists(Cookies()) ? Cookies() : SetAside()),
            cookies);
  // No fault lets the update complete, and the notice, the exit code and
  // the log say so; "version.ini" is never left empty or half written.
  EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "1");
  const fs::path log = install_.bin() / "update_error.log";
  if (outcome.error == 0) {
    EXPECT_EQ(exit_code, 128 + SIGKILL);
    EXPECT_TRUE(notices.empty());
  } else {
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(notices, std::vector<std::string>{"ZTV - Error"});
    ASSERT_TRUE(fs::exists(log));
    EXPECT_EQ(std::stoi(ReadFileBytes(log)), outcome.error);
  }

  StartAgain();
  EXPECT_FALSE(fs::exists(SetAside()));
  EXPECT_EQ(ReadFileBytes(Cookies()), cookies);
}

INSTANTIATE_TEST_SUITE_P(
    ResetFaults,
    EachResetCall,
    testing::Combine(testing::ValuesIn(kResetCalls),
                     testing::ValuesIn(kOutcomes)),
    [](const testing::TestParamInfo<EachResetCall::ParamType>& info) {
      // "renameat2 data/ZTV.Cookies" gives renameat2_data_ZTVCookies.
      std::string name;
      for (const char* c = std::get<0>(info.param); *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
          name += *c;
        else if (*c == ' ' || *c == '/')
          name += '_';
        else if (*c == '*')
          name += "Any";
      }
      return name + "_" + std::get<1>(info.param).name;
    });

}  // namespace
