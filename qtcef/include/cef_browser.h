// Browsers and their hosts.

#ifndef CEF_INCLUDE_CEF_BROWSER_H_
#define CEF_INCLUDE_CEF_BROWSER_H_

#include <vector>

#include "include/cef_base.h"
#include "include/cef_frame.h"
#include "include/cef_process_message.h"
#include "include/cef_request_context.h"

class CefBrowserHost;
class CefClient;

// A browser window's content. In the browser process it may be used on any
// thread unless a method says otherwise.
class CefBrowser : public virtual CefBaseRefCounted {
 public:
  // Browser-process only.
  virtual CefRefPtr<CefBrowserHost> GetHost() = 0;

  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;

  // Globally unique.
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;

  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFrame(int64 identifier) = 0;
  virtual CefRefPtr<CefFrame> GetFrame(const CefString& name) = 0;
  virtual size_t GetFrameCount() = 0;
  virtual void GetFrameIdentifiers(std::vector<int64>& identifiers) = 0;
  virtual void GetFrameNames(std::vector<CefString>& names) = 0;

  // Sends |message| to |target_process|; in 3538 this lives on CefBrowser,
  // not on CefFrame.
  virtual bool SendProcessMessage(CefProcessId target_process,
                                  CefRefPtr<CefProcessMessage> message) = 0;
};

// The browser-process side of a browser: its window and its lifetime.
class CefBrowserHost : public virtual CefBaseRefCounted {
 public:
  // Creates a browser asynchronously; may be called on any browser-process
  // thread. A NULL |request_context| means the global context.
  static bool CreateBrowser(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client,
                            const CefString& url,
                            const CefBrowserSettings& settings,
                            CefRefPtr<CefRequestContext> request_context);

  // Creates a browser at once; UI thread only.
  static CefRefPtr<CefBrowser> CreateBrowserSync(
      const CefWindowInfo& windowInfo,
      CefRefPtr<CefClient> client,
      const CefString& url,
      const CefBrowserSettings& settings,
      CefRefPtr<CefRequestContext> request_context);

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;

  // Runs the page's onbeforeunload handler, which may let the user cancel
  // unless |force_close|; if the close goes ahead, CEF then calls
  // CefLifeSpanHandler::DoClose().
  virtual void CloseBrowser(bool force_close) = 0;

  // For the top-level window's close handler: starts CloseBrowser(false) if
  // no close is under way, and returns false while the close is pending and
  // true once it has completed. UI thread only.
  virtual bool TryCloseBrowser() = 0;

  virtual void SetFocus(bool focus) = 0;
  virtual CefWindowHandle GetWindowHandle() = 0;
  // The window of the browser that opened this popup, if any.
  virtual CefWindowHandle GetOpenerWindowHandle() = 0;
  // Whether the browser is hosted by a Views CefBrowserView.
  virtual bool HasView() = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual CefRefPtr<CefRequestContext> GetRequestContext() = 0;

  // 0.0 is the default zoom.
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;

  virtual void ShowDevTools(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client,
                            const CefBrowserSettings& settings,
                            const CefPoint& inspect_element_at) = 0;
  virtual void CloseDevTools() = 0;
  virtual bool HasDevTools() = 0;
};

#endif  // CEF_INCLUDE_CEF_BROWSER_H_
