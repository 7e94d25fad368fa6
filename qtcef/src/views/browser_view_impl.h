// CefBrowserView: a view that creates its browser once it is in a window
// and that the browser's Qt view then fills.

#ifndef QTCEF_SRC_VIEWS_BROWSER_VIEW_IMPL_H_
#define QTCEF_SRC_VIEWS_BROWSER_VIEW_IMPL_H_

#include <QUrl>

#include "include/views/cef_browser_view.h"
#include "qtcef/src/views/view_base.h"

class QWebEngineView;

namespace qtcef {

class BrowserHostImpl;

class BrowserViewImpl
    : public ViewBase<CefBrowserView, CefBrowserViewDelegate> {
 public:
  BrowserViewImpl(CefRefPtr<CefClient> client,
                  const QUrl& url,
                  const CefBrowserSettings& settings,
                  CefRefPtr<CefRequestContext> context,
                  CefRefPtr<CefBrowserViewDelegate> delegate);

  // Takes the browser's Qt view, which then fills this view.
  void Embed(QWebEngineView* content);
  // The client agreed to close the browser: the window closes, asking its
  // delegate again, or the browser goes at once outside a window.
  void CloseHostWindow();
  // The browser is gone, just before its OnBeforeClose; the delegate hears
  // of it when |notify|.
  void OnBrowserDestroyed(bool notify);
  // The X11 window of the window that holds the view, or 0.
  CefWindowHandle WindowHandle();

  // ViewNode:
  void OnAddedToWindow() override;
  void Invalidate(bool notify) override;

  // CefView:
  CefRefPtr<CefBrowserView> AsBrowserView() override { return this; }
  CefString GetTypeString() override { return "BrowserView"; }
  void RequestFocus() override;

  // CefBrowserView:
  CefRefPtr<CefBrowser> GetBrowser() override;
  void SetPreferAccelerators(bool) override {}

 private:
  CefRefPtr<CefClient> client_;
  const QUrl url_;
  const CefBrowserSettings settings_;
  CefRefPtr<CefRequestContext> context_;
  CefRefPtr<BrowserHostImpl> browser_;
  // A view makes its browser once, when it first reaches a window.
  bool browser_requested_ = false;

  IMPLEMENT_REFCOUNTING(BrowserViewImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_VIEWS_BROWSER_VIEW_IMPL_H_
