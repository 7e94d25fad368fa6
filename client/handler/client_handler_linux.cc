#include "client/handler/client_handler.h"

#include "platform/x11_display_linux.h"

void ClientHandler::SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                                         const CefString& title) {
  platform::SharedX11Display()->SetTitle(browser->GetHost()->GetWindowHandle(),
                                         title.ToString());
}
