// The client's callbacks for the creation and closing of browsers.

#ifndef CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_
#define CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefClient;

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class CefLifeSpanHandler : public virtual CefBaseRefCounted {
 public:
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  // Before a popup is created. The client may change
  // |windowInfo|, |client|, |settings| and |*no_javascript_access|; return
  // true to cancel the popup.
  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> browser,
                             CefRefPtr<CefFrame> frame,
                             const CefString& target_url,
                             const CefString& target_frame_name,
                             WindowOpenDisposition target_disposition,
                             bool user_gesture,
                             const CefPopupFeatures& popupFeatures,
                             CefWindowInfo& windowInfo,
                             CefRefPtr<CefClient>& client,
                             CefBrowserSettings& settings,
                             bool* no_javascript_access) {
    return false;
  }

  virtual void OnAfterCreated(CefRefPtr<CefBrowser> browser) {}

  // Once the page allowed the close. With a native window, returning false
  // sends the top-level window its normal close (WM_CLOSE, or
  // CefWindowDelegate::CanClose under Views); true means the client closes
  // it.
  virtual bool DoClose(CefRefPtr<CefBrowser> browser) { return false; }

  // The last call for |browser|; release every reference to it here.
  virtual void OnBeforeClose(CefRefPtr<CefBrowser> browser) {}
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_
