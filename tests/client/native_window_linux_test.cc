// The client's X11 calls on real windows.
#include "client/app/client_app.h"
#include "client/app/desktop_bounds.h"
#include "client/app/icon_image.h"
#include "client/handler/client_handler.h"
#include "tests/client/client_test_base.h"

// Xlib's macros clash with GoogleTest's names, so it comes last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

class NativeWindowTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    display_ = XOpenDisplay(nullptr);
    ASSERT_NE(display_, nullptr) << "these tests need an X display";
  }
  void TearDown() override {
    if (window_)
      XDestroyWindow(display_, window_);
    if (display_)
      XCloseDisplay(display_);
    ClientTest::TearDown();
  }

  Window OpenWindow() {
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0,
                                  300, 200, 0, 0, 0);
    XMapWindow(display_, window_);
    XSync(display_, False);
    return window_;
  }

  std::vector<unsigned char> Property(const char* name, Atom type) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned char> bytes;
    XSync(display_, False);
    if (XGetWindowProperty(display_, window_,
                           XInternAtom(display_, name, False), 0, 1 << 20,
                           False, type, &actual, &format, &count, &remaining,
                           &data) == Success &&
        data) {
      const size_t unit = format == 32 ? sizeof(long) : format / 8;
      bytes.assign(data, data + count * unit);
    }
    if (data)
      XFree(data);
    return bytes;
  }

  std::string Title() {
    const auto bytes =
        Property("_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
    return std::string(bytes.begin(), bytes.end());
  }

  std::vector<long> Icons() {
    const auto bytes = Property("_NET_WM_ICON", XA_CARDINAL);
    std::vector<long> values(bytes.size() / sizeof(long));
    std::copy(bytes.begin(), bytes.end(),
              reinterpret_cast<unsigned char*>(values.data()));
    // Xlib hands 32-bit items out sign-extended in longs.
    for (long& value : values)
      value &= 0xFFFFFFFFL;
    return values;
  }

  Display* display_ = nullptr;
  Window window_ = 0;
};

TEST_F(NativeWindowTest, NewWindowIsTitledAndGetsTheIcons) {
  CefRefPtr<ClientApp> app = new ClientApp();
  CefRefPtr<ClientHandler> handler = new ClientHandler(false);
  EXPECT_TRUE(app->GetBrowserProcessHandler());
  OpenWindow();
  CefRefPtr<test_engine::FakeBrowser> browser =
      new test_engine::FakeBrowser(1, window_);
  // CEF on Linux leaves the title to its host.
  handler->OnAfterCreated(browser.get());
  EXPECT_EQ(Title(), "Zentrova");
  EXPECT_TRUE(Icons().empty());

  app->GetBrowserProcessHandler();
  const std::vector<long> icons = Icons();
  const std::string ico = ReadFileBytes(ZTV_CLIENT_ICON_PATH);
  std::vector<long> expected;
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
  OpenWindow();
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
  EXPECT_EQ(left, 0);
  EXPECT_EQ(top, 0);
  EXPECT_EQ(width, DisplayWidth(display_, DefaultScreen(display_)));
  EXPECT_EQ(height, DisplayHeight(display_, DefaultScreen(display_)));
}

}  // namespace
