// The client's X11 calls on real windows.
#include "client/app/client_app.h"
#include "client/app/desktop_bounds.h"
#include "client/app/icon_image.h"
#include "client/handler/client_handler.h"
#include "tests/client/client_test_base.h"

#include "tests/support/x11_windows_linux.h"

namespace {

class NativeWindowTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    ASSERT_TRUE(windows_.connected()) << "these tests need an X display";
  }

  std::string Title() const {
    windows_.Sync();
    return windows_.NetWmName(window_);
  }

  std::vector<uint32_t> Icons() const {
    windows_.Sync();
    return windows_.Icons(window_);
  }

  X11Windows windows_;
  platform::XWindow window_ = 0;
};

TEST_F(NativeWindowTest, NewWindowIsTitledAndGetsTheIcons) {
  CefRefPtr<ClientApp> app = new ClientApp();
  CefRefPtr<ClientHandler> handler = new ClientHandler(false);
  EXPECT_TRUE(app->GetBrowserProcessHandler());
  window_ = windows_.OpenWindow("");
  CefRefPtr<test_engine::FakeBrowser> browser =
      new test_engine::FakeBrowser(1, window_);
  // CEF on Linux leaves the title to its host.
  handler->OnAfterCreated(browser.get());
  EXPECT_EQ(Title(), "Zentrova");
  EXPECT_TRUE(Icons().empty());

  app->GetBrowserProcessHandler();
  const std::vector<uint32_t> icons = Icons();
  const std::string ico = ReadFileBytes(ZTV_CLIENT_ICON_PATH);
  std::vector<uint32_t> expected;
  for (int size : {32, 64}) {
    std::vector<uint32_t> argb;
    ASSERT_TRUE(
        ReadIconImage(reinterpret_cast<const unsigned char*>(ico.data()),
                      ico.size(), size, &argb));
    expected.push_back(size);
    expected.push_back(size);
    expected.insert(expected.end(), argb.begin(), argb.end());
  }
  EXPECT_EQ(icons, expected);
}

TEST_F(NativeWindowTest, PageTitlesBecomeTheWindowTitle) {
  window_ = windows_.OpenWindow("");
  CefRefPtr<ClientHandler> handler = new ClientHandler(false);
  CefRefPtr<test_engine::FakeBrowser> browser =
      new test_engine::FakeBrowser(1, window_);
  handler->OnTitleChange(browser.get(), "Zentrova - Realm \xE2\x9A\x94");
  EXPECT_EQ(Title(), "Zentrova - Realm \xE2\x9A\x94");
  handler->OnTitleChange(browser.get(), "");
  EXPECT_EQ(Title(), "");
  // Once retitled, the window is no longer found for icons.
  CefRefPtr<ClientApp> app = new ClientApp();
  app->GetBrowserProcessHandler();
  EXPECT_TRUE(Icons().empty());
  // A window that has gone is ignored.
  CefRefPtr<test_engine::FakeBrowser> gone =
      new test_engine::FakeBrowser(2, 0x7fffffff);
  handler->OnTitleChange(gone.get(), "nowhere");
}

TEST_F(NativeWindowTest, DesktopBoundsAreTheScreen) {
  int left = -1;
  int top = -1;
  int width = 0;
  int height = 0;
  GetDesktopBounds(&left, &top, &width, &height);
  int screen_left = -1;
  int screen_top = -1;
  int screen_width = 0;
  int screen_height = 0;
  ASSERT_TRUE(windows_.ScreenBounds(&screen_left, &screen_top, &screen_width,
                                    &screen_height));
  EXPECT_EQ(left, 0);
  EXPECT_EQ(top, 0);
  EXPECT_EQ(width, screen_width);
  EXPECT_EQ(height, screen_height);
}

}  // namespace
