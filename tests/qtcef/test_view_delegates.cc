#include "tests/qtcef/test_view_delegates.h"

TestWindowDelegate::TestWindowDelegate(TestClient* client,
                                       CefRefPtr<CefView> content,
                                       CefRefPtr<CefBrowserView> browser_view,
                                       bool* released)
    : client_(client),
      content_(content),
      browser_view_(browser_view),
      released_(released) {}

TestWindowDelegate::~TestWindowDelegate() {
  *released_ = true;
}

void TestWindowDelegate::OnWindowCreated(CefRefPtr<CefWindow> window) {
  client_->events.push_back(browser_view_->GetBrowser()
                                ? "window-created, has browser"
                                : "window-created");
  window->AddChildView(content_);
  client_->events.push_back(browser_view_->GetBrowser() ? "added, has browser"
                                                        : "added");
  window->Show();
  browser_view_->RequestFocus();
}

void TestWindowDelegate::OnWindowDestroyed(CefRefPtr<CefWindow>) {
  client_->events.push_back("window-destroyed");
  content_ = nullptr;
  browser_view_ = nullptr;
}

bool TestWindowDelegate::CanClose(CefRefPtr<CefWindow>) {
  CefRefPtr<CefBrowser> browser =
      browser_view_ ? browser_view_->GetBrowser() : nullptr;
  const bool can_close =
      !refuse_close && (!browser || browser->GetHost()->TryCloseBrowser());
  client_->events.push_back(can_close ? "can-close: yes" : "can-close: no");
  return can_close;
}

CefSize TestWindowDelegate::GetPreferredSize(CefRefPtr<CefView>) {
  return preferred_size;
}

void TestBrowserViewDelegate::OnBrowserCreated(CefRefPtr<CefBrowserView>,
                                               CefRefPtr<CefBrowser>) {
  client_->events.push_back("browser-created");
}

void TestBrowserViewDelegate::OnBrowserDestroyed(CefRefPtr<CefBrowserView>,
                                                 CefRefPtr<CefBrowser>) {
  client_->events.push_back("browser-destroyed");
}
