#ifndef CLIENT_APP_CLIENT_WINDOW_DELEGATE_H_
#define CLIENT_APP_CLIENT_WINDOW_DELEGATE_H_

#include "include/views/cef_browser_view.h"
#include "include/views/cef_window.h"

// Manages the CEF Views window that shows the game's browser view when the
// client is started with "use-views".
class ClientWindowDelegate : public CefWindowDelegate {
 public:
  explicit ClientWindowDelegate(CefRefPtr<CefBrowserView> browser_view);

  void OnWindowCreated(CefRefPtr<CefWindow> window) override;
  void OnWindowDestroyed(CefRefPtr<CefWindow> window) override;
  bool CanClose(CefRefPtr<CefWindow> window) override;

 private:
  CefRefPtr<CefBrowserView> browser_view_;

  IMPLEMENT_REFCOUNTING(ClientWindowDelegate);
  DISALLOW_COPY_AND_ASSIGN(ClientWindowDelegate);
};

#endif  // CLIENT_APP_CLIENT_WINDOW_DELEGATE_H_
