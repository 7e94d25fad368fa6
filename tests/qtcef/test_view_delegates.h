// A window delegate that, like the client's, shows one view and lets the
// browser decide whether the window closes, and a browser view delegate;
// both record what they are told in the client's events. And a panel
// delegate for sizing.

#ifndef TESTS_QTCEF_TEST_VIEW_DELEGATES_H_
#define TESTS_QTCEF_TEST_VIEW_DELEGATES_H_

#include "include/views/cef_browser_view.h"
#include "include/views/cef_panel.h"
#include "include/views/cef_window.h"
#include "tests/qtcef/test_client.h"

class TestWindowDelegate : public CefWindowDelegate {
 public:
  // Adds |content| to the window, whose CanClose asks |browser_view|'s
  // browser; sets |*released| once the window lets the delegate go.
  TestWindowDelegate(TestClient* client,
                     CefRefPtr<CefView> content,
                     CefRefPtr<CefBrowserView> browser_view,
                     bool* released);
  ~TestWindowDelegate() override;

  // CanClose refuses without asking the browser.
  bool refuse_close = false;
  CefSize preferred_size;

  void OnWindowCreated(CefRefPtr<CefWindow> window) override;
  void OnWindowDestroyed(CefRefPtr<CefWindow> window) override;
  bool CanClose(CefRefPtr<CefWindow> window) override;
  CefSize GetPreferredSize(CefRefPtr<CefView> view) override;

 private:
  TestClient* client_;
  CefRefPtr<CefView> content_;
  CefRefPtr<CefBrowserView> browser_view_;
  bool* released_;

  IMPLEMENT_REFCOUNTING(TestWindowDelegate);
};

class TestBrowserViewDelegate : public CefBrowserViewDelegate {
 public:
  explicit TestBrowserViewDelegate(TestClient* client) : client_(client) {}

  void OnBrowserCreated(CefRefPtr<CefBrowserView> browser_view,
                        CefRefPtr<CefBrowser> browser) override;
  void OnBrowserDestroyed(CefRefPtr<CefBrowserView> browser_view,
                          CefRefPtr<CefBrowser> browser) override;

 private:
  TestClient* client_;

  IMPLEMENT_REFCOUNTING(TestBrowserViewDelegate);
};

// A panel delegate that prefers one size.
class SizedPanelDelegate : public CefPanelDelegate {
 public:
  explicit SizedPanelDelegate(const CefSize& preferred)
      : preferred_(preferred) {}

  CefSize GetPreferredSize(CefRefPtr<CefView>) override { return preferred_; }

 private:
  const CefSize preferred_;

  IMPLEMENT_REFCOUNTING(SizedPanelDelegate);
};

#endif  // TESTS_QTCEF_TEST_VIEW_DELEGATES_H_
