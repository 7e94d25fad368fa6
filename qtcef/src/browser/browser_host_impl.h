// A browser: CefBrowser and CefBrowserHost over one page, in its own
// top-level window or in a browser view.

#ifndef QTCEF_SRC_BROWSER_BROWSER_HOST_IMPL_H_
#define QTCEF_SRC_BROWSER_BROWSER_HOST_IMPL_H_

#include <QRect>
#include <QUrl>

#include "include/cef_browser.h"
#include "include/cef_client.h"

class QShortcut;
class QWebEngineFullScreenRequest;
class QWebEngineNewWindowRequest;
class QWebEngineView;

namespace qtcef {

class BrowserViewImpl;
class BrowserHostWindow;
class RequestContextImpl;
class BrowserHostPage;

class BrowserHostImpl : public CefBrowser, public CefBrowserHost {
 public:
  // Opens the window at |bounds|, which may be empty, or fills
  // |browser_view| when one is given, and registers the browser; nothing is
  // loaded yet. A NULL |context| means the global one.
  static CefRefPtr<BrowserHostImpl> Create(
      const QRect& bounds,
      CefRefPtr<CefClient> client,
      const CefBrowserSettings& settings,
      CefRefPtr<CefRequestContext> context,
      CefRefPtr<BrowserHostImpl> opener,
      CefRefPtr<BrowserViewImpl> browser_view);

  // Tells the client that the browser exists, in CEF's order: the life span
  // handler's OnAfterCreated, then the application's browser process handler
  // is asked for again.
  void NotifyCreated();

  void LoadUrl(const QUrl& url);
  // Shows |html| as the page at |url|.
  void LoadHtml(const QString& html, const QUrl& url);
  void ExecuteScript(const QString& code);
  // Runs |code| in the main frame's isolated world, out of the page's reach.
  void ExecuteIsolatedScript(const QString& code);
  // NULL once the browser is gone.
  BrowserHostPage* page() const { return page_; }

  CefRefPtr<CefClient> client() const { return client_; }
  // The browser view that holds the browser; NULL for a browser in a window
  // of its own, and once the browser is gone.
  CefRefPtr<BrowserViewImpl> browser_view() const;
  CefRefPtr<CefDisplayHandler> DisplayHandler();
  CefRefPtr<CefLifeSpanHandler> LifeSpanHandler();
  CefRefPtr<CefLoadHandler> LoadHandler();
  CefRefPtr<CefRequestHandler> RequestHandler();
  CefRefPtr<CefContextMenuHandler> ContextMenuHandler();

  // A frame of the page: the main frame, or a sub-frame known only by the
  // URL it navigates to.
  CefRefPtr<CefFrame> Frame(bool is_main, const QUrl& url);

  // The page asked to close, after its unload handlers agreed.
  void OnPageCloseRequested();
  // The window is asked to close; returns whether it may.
  bool OnWindowCloseRequested();
  // The page asks for a window of its own.
  void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
  // The page asks to show an element over the whole browser, or to stop:
  // granted, as CEF does, and told to the display handler.
  void OnFullScreenRequested(QWebEngineFullScreenRequest& request);

  // Deletes the window and the page, then tells the client with
  // OnBeforeClose when |notify|.
  void Destroy(bool notify);

  // CefBrowser:
  CefRefPtr<CefBrowserHost> GetHost() override;
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override;
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override;
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override;
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;
  bool SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

  // CefBrowserHost:
  CefRefPtr<CefBrowser> GetBrowser() override;
  void CloseBrowser(bool force_close) override;
  bool TryCloseBrowser() override;
  void SetFocus(bool focus) override;
  CefWindowHandle GetWindowHandle() override;
  CefWindowHandle GetOpenerWindowHandle() override;
  bool HasView() override;
  CefRefPtr<CefClient> GetClient() override;
  CefRefPtr<CefRequestContext> GetRequestContext() override;
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void ShowDevTools(const CefWindowInfo& windowInfo,
                    CefRefPtr<CefClient> client,
                    const CefBrowserSettings& settings,
                    const CefPoint& inspect_element_at) override;
  void CloseDevTools() override;
  bool HasDevTools() override;

 private:
  // CEF's close sequence: the page's unload handlers run (kPending), the
  // client's DoClose agrees (kAccepted), the window closes (kClosed).
  enum class CloseState { kNone, kPending, kAccepted, kClosed };

  BrowserHostImpl(CefRefPtr<CefClient> client,
                  const CefBrowserSettings& settings,
                  CefRefPtr<RequestContextImpl> context,
                  CefRefPtr<BrowserHostImpl> opener);
  ~BrowserHostImpl() override;

  // Asks the client's DoClose and, unless it closes the window itself,
  // closes the window.
  void ProceedClose();

  const int id_;
  CefRefPtr<CefClient> client_;
  CefBrowserSettings settings_;
  CefRefPtr<RequestContextImpl> context_;
  const bool is_popup_;
  const CefWindowHandle opener_window_;
  BrowserHostPage* page_;
  QWebEngineView* view_;
  BrowserHostWindow* window_;
  CefRefPtr<BrowserViewImpl> browser_view_;
  CloseState close_state_;
  // Set when DoClose returned true: the client then closes the window.
  bool client_closes_window_;
  CefRefPtr<BrowserHostImpl> devtools_;
  // While the page is in fullscreen, Escape leaves it, as in CEF.
  QShortcut* leave_fullscreen_ = nullptr;

  IMPLEMENT_REFCOUNTING(BrowserHostImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_BROWSER_HOST_IMPL_H_
