#ifndef CLIENT_HANDLER_CLIENT_HANDLER_H_
#define CLIENT_HANDLER_CLIENT_HANDLER_H_

#include <list>
#include <set>

#include "client/handler/critical_section.h"
#include "client/handler/renderer_deaths.h"
#include "include/cef_client.h"
#include "include/cef_request_context.h"
#include "include/views/cef_window.h"

// The client's one CefClient, shared by the game window and every popup it
// opens: it keeps the list of live browsers, ends CEF's message loop when the
// last one has closed, mirrors page titles into window titles, runs the
// version gate on console messages, purges the social site's cookies on
// logout, shows the load-error page, brings a page back after its renderer
// died, fills the screen when the page asks for fullscreen, and suppresses
// the context menu.
class ClientHandler : public CefClient,
                      public CefContextMenuHandler,
                      public CefDisplayHandler,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler {
 public:
  explicit ClientHandler(bool use_views);
  ~ClientHandler() override;

  // The request context of this handler's browsers, created on first use
  // with a ClientRequestContextHandler. Null when the engine gives none; a
  // later call then tries again.
  CefRefPtr<CefRequestContext> GetRequestContext();

  // CefClient:
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override {
    return this;
  }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

  // CefContextMenuHandler:
  void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser,
                           CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefContextMenuParams> params,
                           CefRefPtr<CefMenuModel> model) override;
  bool OnContextMenuCommand(CefRefPtr<CefBrowser> browser,
                            CefRefPtr<CefFrame> frame,
                            CefRefPtr<CefContextMenuParams> params,
                            int command_id,
                            EventFlags event_flags) override;

  // CefDisplayHandler:
  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override;
  bool OnConsoleMessage(CefRefPtr<CefBrowser> browser,
                        cef_log_severity_t level,
                        const CefString& message,
                        const CefString& source,
                        int line) override;
  void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser,
                              bool fullscreen) override;

  // CefLifeSpanHandler:
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

  // CefLoadHandler:
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override;

  // CefRequestHandler:
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request,
                      bool user_gesture,
                      bool is_redirect) override;
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                 TerminationStatus status) override;

 private:
  // The Views window that holds |browser|, or null.
  static CefRefPtr<CefWindow> ViewsWindowOf(CefRefPtr<CefBrowser> browser);

  // The platform hooks, on |browser|'s native top-level window (Win32 or
  // X11): its text, and filling its screen or going back to where it was.
  void SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                            const CefString& title);
  void SetNativeWindowFullscreen(CefRefPtr<CefBrowser> browser,
                                 bool fullscreen);

  CriticalSection context_lock_;
  CefRefPtr<CefRequestContext> request_context_;
  const bool use_views_;
  std::list<CefRefPtr<CefBrowser>> browser_list_;
  // Browsers on their way to closing, by identifier: a page that is going
  // anyway is not brought back.
  std::set<int> closing_;
  RendererDeaths renderer_deaths_;

  IMPLEMENT_REFCOUNTING(ClientHandler);
  DISALLOW_COPY_AND_ASSIGN(ClientHandler);
};

#endif  // CLIENT_HANDLER_CLIENT_HANDLER_H_
