#include "client/app/client_app.h"

#include "include/cef_command_line.h"

ClientApp::ClientApp() = default;

CefRefPtr<CefBrowserProcessHandler> ClientApp::GetBrowserProcessHandler() {
  // CEF asks for the handler again once the game window exists, which makes
  // this the first point at which the window can get its icons.
  SetWindowIcons();
  return this;
}

void ClientApp::OnContextInitialized() {
  CefRefPtr<CefCommandLine> command_line =
      CefCommandLine::GetGlobalCommandLine();
  // No command line from the engine counts as one without the switch.
  const bool use_views = command_line && command_line->HasSwitch("use-views");
  CreateBrowserWindow(use_views);
}
