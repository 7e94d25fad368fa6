// ClientApp::CreateBrowserWindow: the game's one browser, its settings,
// landing page, window and request context.
#include "client/app/client_app.h"
#include "client/app/client_window_delegate.h"
#include "client/app/landing_page.h"
#include "client/app/native_window_info.h"
#include "client/handler/client_handler.h"
#include "include/cef_browser.h"
#include "include/cef_cookie.h"
#include "include/cef_request_context.h"
#include "include/cef_task.h"
#include "include/cef_values.h"
#include "include/views/cef_browser_view.h"
#include "include/views/cef_window.h"

namespace {

class QuitMessageLoopTask : public CefTask {
 public:
  void Execute() override { CefQuitMessageLoop(); }

 private:
  IMPLEMENT_REFCOUNTING(QuitMessageLoopTask);
};

// Without a browser nothing would ever end the message loop. CEF creates the
// browser from OnContextInitialized, before CefRunMessageLoop has started,
// when there is no loop to quit yet: the quit goes to the loop as a task.
void EndMessageLoop() {
  CefPostTask(TID_UI, new QuitMessageLoopTask());
}

// Lets plug-ins, the system's Flash among them, run in the game's pages.
void SetPluginPreferences(CefRefPtr<CefRequestContext> context) {
  CefRefPtr<CefValue> allow = CefValue::Create();
  CefRefPtr<CefValue> enabled = CefValue::Create();
  if (allow)
    allow->SetInt(1);
  if (enabled)
    enabled->SetBool(true);
  // A null value would restore Chromium's default, so a missing one is
  // skipped. CEF's verdict on each preference is not needed.
  CefString error;
  if (allow) {
    context->SetPreference("profile.default_content_setting_values.plugins",
                           allow, error);
  }
  if (enabled) {
    for (const char* name :
         {"plugins.run_all_flash_in_allow_mode", "plugins.allow_outdated",
          "webkit.webprefs.plugins_enabled"}) {
      context->SetPreference(name, enabled, error);
    }
  }
}

}  // namespace

void ClientApp::CreateBrowserWindow(bool use_views) {
  CefRefPtr<ClientHandler> handler(new ClientHandler(use_views));
  CefBrowserSettings settings;
  settings.plugins = STATE_ENABLED;
  settings.webgl = STATE_ENABLED;
  const std::string url = ReadLandingPage("landing_page.ini");
  if (use_views)
    CreateViewsBrowser(handler, url, settings);
  else
    CreateNativeBrowser(handler, url, settings);
}

void ClientApp::CreateNativeBrowser(CefRefPtr<ClientHandler> handler,
                                    const std::string& url,
                                    const CefBrowserSettings& settings) {
  CefWindowInfo window_info;
  FillNativeWindowInfo(&window_info);
  // Has CEF set up the global cookie store before the browser asks for it.
  CefCookieManager::GetGlobalManager(nullptr);
  // Without a context of its own the browser takes the global one.
  CefRefPtr<CefRequestContext> context = handler->GetRequestContext();
  if (context)
    SetPluginPreferences(context);
  if (!CefBrowserHost::CreateBrowser(window_info, handler, url, settings,
                                     context)) {
    EndMessageLoop();
  }
}

void ClientApp::CreateViewsBrowser(CefRefPtr<ClientHandler> handler,
                                   const std::string& url,
                                   const CefBrowserSettings& settings) {
  CefRefPtr<CefBrowserView> view = CefBrowserView::CreateBrowserView(
      handler, url, settings, nullptr, nullptr);
  if (!view) {
    EndMessageLoop();
    return;
  }
  CefWindow::CreateTopLevelWindow(new ClientWindowDelegate(view));
}
