// Popups and the logout purge with the real client on a real Chromium.
#include "tests/e2e/e2e_test_base.h"

namespace {

using NavigationE2ETest = E2ETest;

class PopupTest : public E2ETest, public testing::WithParamInterface<bool> {};

TEST_P(PopupTest, ClientEndsOnlyAfterBothWindowsHaveClosed) {
  const bool popup_first = GetParam();
  install_.SetLandingPage(server_.Url("/login_standalone.html?news=open"));
  auto client = install_.StartClient();
  const unsigned long main_window =
      windows_.WaitFor("Zentrova - Login", kTimeout);
  const unsigned long popup = windows_.WaitFor("Zentrova - News", kTimeout);
  ASSERT_NE(main_window, 0u) << install_.ClientLog();
  ASSERT_NE(popup, 0u) << install_.ClientLog();
  EXPECT_NE(main_window, popup);

  windows_.Close(popup_first ? popup : main_window);
  int exit_code = -1;
  EXPECT_FALSE(client->Wait(std::chrono::seconds(3), &exit_code));
  EXPECT_TRUE(windows_.WaitGone(
      popup_first ? "Zentrova - News" : "Zentrova - Login", kTimeout));
  windows_.Close(popup_first ? main_window : popup);
  EXPECT_EQ(Finish(client.get()), 0);
}

INSTANTIATE_TEST_SUITE_P(EitherOrder,
                         PopupTest,
                         testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "PopupFirst" : "MainFirst";
                         });

TEST_F(NavigationE2ETest, LogoutPurgesTheSocialSiteHostCookiesOnly) {
  install_.SetLandingPage(server_.Url("/login?player=hero"));
  auto client = install_.StartClient();
  const DevTools::Page page = WaitForPage("Zentrova - Realm");
  ASSERT_FALSE(page.socket_path.empty()) << install_.ClientLog();
  // Cookies of the social site in the real store: a host cookie of its www
  // host and one for its whole domain.
  devtools_.Call(page, "Network.setCookie",
                 "{\"name\":\"fb_host\",\"value\":\"1\",\"url\":"
                 "\"https://www.facebook.com/\"}");
  devtools_.Call(page, "Network.setCookie",
                 "{\"name\":\"fb_domain\",\"value\":\"1\",\"domain\":"
                 "\".facebook.com\",\"path\":\"/\",\"secure\":true}");
  auto cookies = [&] {
    return devtools_.Call(page, "Network.getAllCookies", "{}");
  };
  ASSERT_NE(cookies().find("fb_host"), std::string::npos) << cookies();

  devtools_.Evaluate(page, "location.href = '/logout.html?logout=true'; ''");
  ASSERT_FALSE(WaitForPage("Zentrova - Signed out").socket_path.empty());
  const DevTools::Page signed_out = WaitForPage("Zentrova - Signed out");
  std::string after;
  EXPECT_TRUE(WaitUntil(
      [&] {
        after = devtools_.Call(signed_out, "Network.getAllCookies", "{}");
        return after.find("fb_host") == std::string::npos;
      },
      std::chrono::seconds(20)))
      << after;
  EXPECT_NE(after.find("ztv_session"), std::string::npos) << after;
  EXPECT_NE(after.find("fb_domain"), std::string::npos) << after;

  windows_.Close(windows_.WaitFor("Zentrova - Signed out", kTimeout));
  EXPECT_EQ(Finish(client.get()), 0);
}

}  // namespace

namespace {

TEST_F(NavigationE2ETest, ViewsWindowTakesThePageTitleAndEndsWithZero) {
  auto client = install_.StartClient({"--use-views"});
  const unsigned long window = windows_.WaitFor("Zentrova - Login", kTimeout);
  ASSERT_NE(window, 0u) << install_.ClientLog();
  const DevTools::Page page = WaitForPage("Zentrova - Login");
  EXPECT_EQ(page.url, server_.Url("/login_standalone.html"));
  windows_.Close(window);
  EXPECT_EQ(Finish(client.get()), 0);
  EXPECT_FALSE(TopLevelWindowExists("ZTV - Client Update"));
}

}  // namespace
