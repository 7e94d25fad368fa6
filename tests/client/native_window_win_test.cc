// The client's Win32 calls on real windows.
#include <windows.h>

#include "client/app/client_app.h"
#include "client/app/desktop_bounds.h"
#include "client/handler/client_handler.h"
#include "tests/client/client_test_base.h"
#include "tests/support/version_info.h"

namespace {

class NativeWindowTest : public ClientTest {
 protected:
  void TearDown() override {
    if (window_)
      DestroyWindow(window_);
    ClientTest::TearDown();
  }

  HWND OpenWindow(const wchar_t* title) {
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"ZtvTestWindow";
    RegisterClassW(&window_class);
    window_ = CreateWindowExW(0, L"ZtvTestWindow", title, WS_OVERLAPPEDWINDOW,
                              0, 0, 300, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    return window_;
  }

  static SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!icon || !GetIconInfo(icon, &info))
      return size;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    size = {bitmap.bmWidth, bitmap.bmHeight};
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
  }

  HICON Icon(int which) {
    return reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, which, 0));
  }

  std::wstring Title() {
    wchar_t text[256] = {};
    GetWindowTextW(window_, text, 256);
    return text;
  }

  HWND window_ = nullptr;
  CefRefPtr<ClientApp> app_ = new ClientApp();
};

TEST_F(NativeWindowTest, GameWindowGetsTheThirtyTwoAndSixtyFourPixelIcons) {
  // Before the window exists nothing happens.
  EXPECT_TRUE(app_->GetBrowserProcessHandler());
  ASSERT_TRUE(OpenWindow(L"Zentrova"));
  EXPECT_EQ(Icon(ICON_SMALL), nullptr);
  app_->GetBrowserProcessHandler();
  const HICON small_icon = Icon(ICON_SMALL);
  const HICON big_icon = Icon(ICON_BIG);
  EXPECT_EQ(IconSize(small_icon).cx, 32);
  EXPECT_EQ(IconSize(small_icon).cy, 32);
  EXPECT_EQ(IconSize(big_icon).cx, 64);
  EXPECT_EQ(IconSize(big_icon).cy, 64);
  // Later calls send the same handles again: nothing is loaded twice.
  app_->GetBrowserProcessHandler();
  EXPECT_EQ(Icon(ICON_SMALL), small_icon);
  EXPECT_EQ(Icon(ICON_BIG), big_icon);
}

TEST_F(NativeWindowTest, OtherTitlesGetNoIcons) {
  ASSERT_TRUE(OpenWindow(L"Zentrova - Realm"));
  app_->GetBrowserProcessHandler();
  EXPECT_EQ(Icon(ICON_SMALL), nullptr);
  EXPECT_EQ(Icon(ICON_BIG), nullptr);
}

TEST_F(NativeWindowTest, PageTitlesBecomeTheWindowText) {
  ASSERT_TRUE(OpenWindow(L"Zentrova"));
  CefRefPtr<ClientHandler> handler = new ClientHandler(false);
  CefRefPtr<test_engine::FakeBrowser> browser =
      new test_engine::FakeBrowser(1, window_);
  handler->OnAfterCreated(browser.get());
  EXPECT_EQ(Title(), L"Zentrova");
  handler->OnTitleChange(browser.get(), "Zentrova - Realm \xE2\x9A\x94");
  EXPECT_EQ(Title(), L"Zentrova - Realm \u2694");
  handler->OnTitleChange(browser.get(), "");
  EXPECT_EQ(Title(), L"");
  // A browser without a window is ignored.
  CefRefPtr<test_engine::FakeBrowser> windowless =
      new test_engine::FakeBrowser(2, nullptr);
  handler->OnTitleChange(windowless.get(), "nowhere");
}

// This test program carries the client's resources, as game.ztv does.
TEST(ClientResourcesTest, CarryTheProjectVersion) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_NE(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  const VersionInfo info = ReadVersionInfo(path);
  EXPECT_EQ(info.file_version, ZTV_VERSION);
  EXPECT_EQ(info.product_version, ZTV_VERSION);
  EXPECT_EQ(info.product_name, "Zentrova");
  EXPECT_EQ(info.file_description, "Zentrova game client");
}

TEST_F(NativeWindowTest, DesktopBoundsAreTheScreen) {
  int left = -1;
  int top = -1;
  int width = 0;
  int height = 0;
  GetDesktopBounds(&left, &top, &width, &height);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(top, 0);
  EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace
