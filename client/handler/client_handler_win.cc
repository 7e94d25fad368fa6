#include "client/handler/client_handler.h"

#include <windows.h>

void ClientHandler::SetNativeWindowTitle(CefRefPtr<CefBrowser> browser,
                                         const CefString& title) {
  const HWND window = browser->GetHost()->GetWindowHandle();
  const std::wstring text = title.ToWString();
  SetWindowTextW(window, text.c_str());
}
