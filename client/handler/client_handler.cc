#include "client/handler/client_handler.h"

#include "client/handler/client_request_context_handler.h"
#include "client/handler/game_window.h"
#include "client/handler/load_error_page.h"
#include "client/handler/navigation_policy.h"
#include "client/main/version_gate.h"
#include "include/cef_app.h"
#include "include/cef_cookie.h"
#include "include/views/cef_browser_view.h"
#include "include/views/cef_window.h"

ClientHandler::ClientHandler(bool use_views) : use_views_(use_views) {}

ClientHandler::~ClientHandler() = default;

CefRefPtr<CefRequestContext> ClientHandler::GetRequestContext() {
  // The stored context is read under the lock too, so that a second thread
  // never sees it half-written.
  ScopedCriticalSection lock(context_lock_);
  if (!request_context_) {
    request_context_ =
        CefRequestContext::CreateContext(CefRequestContext::GetGlobalContext(),
                                         new ClientRequestContextHandler());
  }
  return request_context_;
}

void ClientHandler::OnBeforeContextMenu(
    CefRefPtr<CefBrowser> /*browser*/,
    CefRefPtr<CefFrame> /*frame*/,
    CefRefPtr<CefContextMenuParams> /*params*/,
    CefRefPtr<CefMenuModel> model) {
  // An empty model shows no menu at all.
  model->Clear();
}

bool ClientHandler::OnContextMenuCommand(
    CefRefPtr<CefBrowser> /*browser*/,
    CefRefPtr<CefFrame> /*frame*/,
    CefRefPtr<CefContextMenuParams> /*params*/,
    int /*command_id*/,
    EventFlags /*event_flags*/) {
  return false;
}

CefRefPtr<CefWindow> ClientHandler::ViewsWindowOf(
    CefRefPtr<CefBrowser> browser) {
  CefRefPtr<CefBrowserView> view = CefBrowserView::GetForBrowser(browser);
  return view ? view->GetWindow() : nullptr;
}

void ClientHandler::OnTitleChange(CefRefPtr<CefBrowser> browser,
                                  const CefString& title) {
  if (!use_views_) {
    SetNativeWindowTitle(browser, title);
    return;
  }
  if (CefRefPtr<CefWindow> window = ViewsWindowOf(browser))
    window->SetTitle(title);
}

void ClientHandler::OnFullscreenModeChange(CefRefPtr<CefBrowser> browser,
                                           bool fullscreen) {
  // The engine shows the page's element over the whole browser; the game
  // window itself fills the screen, as players expect of a fullscreen
  // button.
  if (!use_views_) {
    SetNativeWindowFullscreen(browser, fullscreen);
    return;
  }
  if (CefRefPtr<CefWindow> window = ViewsWindowOf(browser))
    window->SetFullscreen(fullscreen);
}

void ClientHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  browser_list_.push_back(browser);
  if (!use_views_)
    // CEF on Linux leaves the title to its host; on Windows it is the one
    // CEF took from the window's description already.
    SetNativeWindowTitle(browser, kGameWindowTitle);
}

bool ClientHandler::DoClose(CefRefPtr<CefBrowser> browser) {
  closing_.insert(browser->GetIdentifier());
  // Let CEF close the window in its normal way.
  return false;
}

void ClientHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  for (auto it = browser_list_.begin(); it != browser_list_.end(); ++it) {
    if ((*it)->IsSame(browser)) {
      browser_list_.erase(it);
      break;
    }
  }
  closing_.erase(browser->GetIdentifier());
  renderer_deaths_.Forget(browser->GetIdentifier());
  if (browser_list_.empty())
    CefQuitMessageLoop();
}

void ClientHandler::OnLoadError(CefRefPtr<CefBrowser> /*browser*/,
                                CefRefPtr<CefFrame> frame,
                                ErrorCode errorCode,
                                const CefString& errorText,
                                const CefString& failedUrl) {
  // An aborted load keeps whatever the frame shows.
  if (errorCode == ERR_ABORTED)
    return;
  frame->LoadString(
      BuildLoadErrorPage(failedUrl.ToString(), errorText.ToString(), errorCode),
      failedUrl);
}

bool ClientHandler::OnConsoleMessage(CefRefPtr<CefBrowser> browser,
                                     cef_log_severity_t /*level*/,
                                     const CefString& message,
                                     const CefString& /*source*/,
                                     int /*line*/) {
  const std::string text = message.ToString();
  const bool client_outdated = CheckClientVersionAnnouncement(text);
  const bool web_changed = CheckWebVersionAnnouncement(text);
  if (client_outdated || web_changed) {
    closing_.insert(browser->GetIdentifier());
    browser->GetHost()->TryCloseBrowser();
  }
  // CEF goes on to log the message as usual.
  return false;
}

bool ClientHandler::OnBeforeBrowse(CefRefPtr<CefBrowser> /*browser*/,
                                   CefRefPtr<CefFrame> /*frame*/,
                                   CefRefPtr<CefRequest> request,
                                   bool /*user_gesture*/,
                                   bool /*is_redirect*/) {
  if (IsLogoutUrl(request->GetURL().ToString())) {
    CefRefPtr<CefCookieManager> manager =
        CefCookieManager::GetGlobalManager(nullptr);
    // The deletion runs on its own; the navigation is not held up for it.
    if (manager)
      manager->DeleteCookies(kSocialSiteUrl, CefString(), nullptr);
  }
  return false;
}

void ClientHandler::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                              TerminationStatus status) {
  if (closing_.count(browser->GetIdentifier()))
    return;
  // The player has no reload key or menu: the client reloads for them, and
  // the page keeps the login, which lives in the cookies.
  if (renderer_deaths_.RecordDeath(browser->GetIdentifier(),
                                   RendererDeaths::Clock::now())) {
    browser->Reload();
    return;
  }
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  if (frame)
    frame->LoadString(BuildRendererGonePage(status), frame->GetURL());
}
