#include "client/app/client_window_delegate.h"

#include "tests/client/client_test_base.h"

namespace {

using test_engine::engine;
using test_engine::FakeBrowser;
using test_engine::FakeWindow;

class ClientWindowDelegateTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    view_ = CefBrowserView::CreateBrowserView(
        nullptr, "about:blank", CefBrowserSettings(), nullptr, nullptr);
    delegate_ = new ClientWindowDelegate(view_);
  }

  CefRefPtr<CefBrowserView> view_;
  CefRefPtr<ClientWindowDelegate> delegate_;
};

TEST_F(ClientWindowDelegateTest, KeepsCefDefaultsElsewhere) {
  CefRefPtr<FakeWindow> window = new FakeWindow(delegate_.get());
  EXPECT_TRUE(delegate_->GetPreferredSize(window.get()).IsEmpty());
  EXPECT_TRUE(delegate_->GetMinimumSize(window.get()).IsEmpty());
  EXPECT_TRUE(delegate_->GetMaximumSize(window.get()).IsEmpty());
  EXPECT_EQ(delegate_->GetHeightForWidth(window.get(), 100), 0);
  bool is_menu = true;
  bool can_activate_menu = true;
  EXPECT_EQ(
      delegate_->GetParentWindow(window.get(), &is_menu, &can_activate_menu),
      nullptr);
  EXPECT_FALSE(delegate_->IsFrameless(window.get()));
  EXPECT_TRUE(delegate_->CanResize(window.get()));
  EXPECT_TRUE(delegate_->CanMaximize(window.get()));
  EXPECT_TRUE(delegate_->CanMinimize(window.get()));
  EXPECT_FALSE(delegate_->OnAccelerator(window.get(), 1));
  EXPECT_FALSE(delegate_->OnKeyEvent(window.get(), CefKeyEvent()));
}

TEST_F(ClientWindowDelegateTest, CreatedWindowShowsAndFocusesTheView) {
  CefRefPtr<CefWindow> window =
      CefWindow::CreateTopLevelWindow(delegate_.get());
  EXPECT_EQ(CallsStartingWith("Window::"),
            (std::vector<std::string>{"Window::AddChildView", "Window::Show"}));
  EXPECT_EQ(engine().browser_views[0]->focus_requests, 1);
  EXPECT_EQ(view_->GetWindow().get(), window.get());
}

TEST_F(ClientWindowDelegateTest, CanCloseIsTheBrowsersAnswer) {
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
    browser->host()->try_close_result = answer;
    engine().browser_views[0]->browser = browser.get();
    CefRefPtr<FakeWindow> window = new FakeWindow(delegate_.get());
    EXPECT_EQ(delegate_->CanClose(window.get()), answer);
    EXPECT_EQ(browser->host()->try_close_calls, 1);
  }
}

TEST_F(ClientWindowDelegateTest, WithoutABrowserTheWindowMayClose) {
  CefRefPtr<FakeWindow> window = new FakeWindow(delegate_.get());
  EXPECT_TRUE(delegate_->CanClose(window.get()));
}

TEST_F(ClientWindowDelegateTest, DestroyedWindowReleasesTheView) {
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1, kNullWindowHandle);
  engine().browser_views[0]->browser = browser.get();
  CefRefPtr<CefWindow> window =
      CefWindow::CreateTopLevelWindow(delegate_.get());
  CefBrowserView* view = view_.get();
  view_ = nullptr;
  ASSERT_TRUE(engine().windows[0]->CloseByPlayer() == false);
  browser->host()->try_close_result = true;
  EXPECT_TRUE(engine().windows[0]->CloseByPlayer());
  // The delegate no longer holds the view: only the engine's list does.
  EXPECT_TRUE(view->HasOneRef());
  EXPECT_TRUE(delegate_->CanClose(window.get()));
}

}  // namespace
