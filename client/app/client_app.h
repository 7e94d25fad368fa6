#ifndef CLIENT_APP_CLIENT_APP_H_
#define CLIENT_APP_CLIENT_APP_H_

#include <string>

#include "include/cef_app.h"

class ClientHandler;

// The client's CEF application object. In the browser process it creates the
// one game window once CEF's context is ready, and gives that window its
// icons whenever CEF asks for the browser-process handler.
class ClientApp : public CefApp, public CefBrowserProcessHandler {
 public:
  ClientApp();

  // CefApp:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

  // CefBrowserProcessHandler:
  void OnContextInitialized() override;

  // Creates the game's browser: in a native top-level window, or with
  // |use_views| in a CEF Views window.
  void CreateBrowserWindow(bool use_views);

 private:
  // Finds the game window by its title and sends it the small and big icons.
  void SetWindowIcons();

  void CreateNativeBrowser(CefRefPtr<ClientHandler> handler,
                           const std::string& url,
                           const CefBrowserSettings& settings);
  void CreateViewsBrowser(CefRefPtr<ClientHandler> handler,
                          const std::string& url,
                          const CefBrowserSettings& settings);

  IMPLEMENT_REFCOUNTING(ClientApp);
  DISALLOW_COPY_AND_ASSIGN(ClientApp);
};

#endif  // CLIENT_APP_CLIENT_APP_H_
