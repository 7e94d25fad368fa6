// Views browser views, which host a browser inside a Views window.

#ifndef CEF_INCLUDE_VIEWS_CEF_BROWSER_VIEW_H_
#define CEF_INCLUDE_VIEWS_CEF_BROWSER_VIEW_H_

#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/views/cef_browser_view_delegate.h"
#include "include/views/cef_view.h"

// Browser process UI thread only.
class CefBrowserView : public CefView {
 public:
  // The browser is created once the view is added to a window's hierarchy.
  // A NULL |request_context| means the global context; |delegate| may be
  // NULL.
  static CefRefPtr<CefBrowserView> CreateBrowserView(
      CefRefPtr<CefClient> client,
      const CefString& url,
      const CefBrowserSettings& settings,
      CefRefPtr<CefRequestContext> request_context,
      CefRefPtr<CefBrowserViewDelegate> delegate);

  // The view that hosts |browser|, or NULL.
  static CefRefPtr<CefBrowserView> GetForBrowser(CefRefPtr<CefBrowser> browser);

  // NULL until the browser exists.
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Whether the window's accelerators go before the page's keyboard
  // handling.
  virtual void SetPreferAccelerators(bool prefer_accelerators) = 0;
};

#endif  // CEF_INCLUDE_VIEWS_CEF_BROWSER_VIEW_H_
