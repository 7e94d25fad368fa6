#include "client/handler/client_handler.h"

#include "client/app/game_window.h"
#include "client/app/x11_window_linux.h"

void ClientHandler::SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                                         const CefString& title) {
  SetX11WindowTitle(browser->GetHost()->GetWindowHandle(), title.ToString());
}

void ClientHandler::PrepareNativeWindow(CefRefPtr<CefBrowser> browser) {
  SetNativeWindowTitle(browser, kGameWindowTitle);
}
