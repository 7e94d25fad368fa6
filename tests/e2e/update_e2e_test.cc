// The version gate and the update reset with the real client, a real
// Chromium and the demo game server.
#include "tests/e2e/e2e_test_base.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;

class NewWebVersionTest : public E2ETest {
 protected:
  NewWebVersionTest() : E2ETest("2") {}
};

TEST_F(NewWebVersionTest, ResetsKeepingTheLoginAndRecordsTheVersion) {
  // The player logs in; the page then announces web version 2.
  install_.SetLandingPage(server_.Url("/login?player=hero"));
  auto client = install_.StartClient();
  DialogInfo box;
  ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Update", kTimeout, &box))
      << install_.ClientLog();
  EXPECT_EQ(box.text,
            "Client was closed due to update. Please restart the "
            "application.");
  EXPECT_EQ(box.icon, "information");
  EXPECT_EQ(Finish(client.get()), 1);
  EXPECT_EQ(EntryNames(install_.profile()),
            std::vector<std::string>{"Cookies"});
  EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "2");

  // At the next start the player is still logged in, and nothing closes.
  install_.SetLandingPage(server_.Url("/login_standalone.html"));
  auto again = install_.StartClient();
  const unsigned long window = windows_.WaitFor("Zentrova - Realm", kTimeout);
  std::string titles;
  for (unsigned long shown : windows_.FindAll(""))
    titles += "[" + windows_.Title(shown) + "]";
  ASSERT_NE(window, 0u) << titles;
  const DevTools::Page page = WaitForPage("Zentrova - Realm");
  EXPECT_EQ(
      devtools_.Evaluate(page, "document.getElementById('status').textContent"),
      "logged-in:hero");
  windows_.Close(window);
  EXPECT_EQ(Finish(again.get()), 0);
}

TEST_F(E2ETest, OutdatedClientShowsItsNoticeAndTouchesNothing) {
  install_.SetVersions("1", "0.9");
  fs::create_directories(install_.profile());
  WriteFileBytes(install_.profile() / "kept", "x");
  auto client = install_.StartClient();
  DialogInfo box;
  ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Outdated", kTimeout, &box))
      << install_.ClientLog();
  EXPECT_EQ(box.icon, "error");
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_TRUE(fs::exists(install_.profile() / "kept"));
  EXPECT_EQ(ReadFileBytes(install_.bin() / "version.ini"), "1");
}

TEST_F(E2ETest, MissingVersionFileResetsEveryRunAndIsNeverWritten) {
  fs::remove(install_.bin() / "version.ini");
  // A page that announces nothing.
  install_.SetLandingPage(server_.Url("/popup.html"));
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    auto client = install_.StartClient();
    const unsigned long window = windows_.WaitFor("Zentrova - News", kTimeout);
    ASSERT_NE(window, 0u) << install_.ClientLog();
    windows_.Close(window);
    DialogInfo box;
    ASSERT_TRUE(ReadAndDismissDialog("ZTV - Client Update", kTimeout, &box));
    EXPECT_EQ(Finish(client.get()), 1);
    EXPECT_FALSE(fs::exists(install_.bin() / "version.ini"));
    // Beside the lock, the store had cookies of its own only if the page
    // set some.
    EXPECT_LE(EntryNames(install_.profile().parent_path()).size(), 2u);
    EXPECT_TRUE(fs::exists(install_.data() / "ZTV.lock"));
  }
}

}  // namespace
