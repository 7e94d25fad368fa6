#include "client/app/client_window_delegate.h"

ClientWindowDelegate::ClientWindowDelegate(
    CefRefPtr<CefBrowserView> browser_view)
    : browser_view_(browser_view) {}

void ClientWindowDelegate::OnWindowCreated(CefRefPtr<CefWindow> window) {
  window->AddChildView(browser_view_);
  window->Show();
  browser_view_->RequestFocus();
}

void ClientWindowDelegate::OnWindowDestroyed(CefRefPtr<CefWindow> /*window*/) {
  browser_view_ = nullptr;
}

bool ClientWindowDelegate::CanClose(CefRefPtr<CefWindow> /*window*/) {
  // The browser decides: it may run the page's unload handlers first.
  CefRefPtr<CefBrowser> browser =
      browser_view_ ? browser_view_->GetBrowser() : nullptr;
  if (browser)
    return browser->GetHost()->TryCloseBrowser();
  return true;
}
