// The process entry points of cef_app.h.

#include "include/cef_app.h"

#include "qtcef/src/process/command_line_impl.h"
#include "qtcef/src/process/engine.h"

int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp>, void*) {
  // From here on CefCommandLine::GetGlobalCommandLine() answers, as in CEF.
  CefRefPtr<qtcef::CommandLineImpl> command_line =
      qtcef::CommandLineImpl::Global();
  command_line->SetReadOnly(false);
  command_line->InitFromArgv(args.argc, args.argv);
  command_line->SetReadOnly(true);
  // Qt WebEngine starts its own helper processes, so a process started with
  // CEF's sub-process switch has nothing to run.
  return command_line->HasSwitch("type") ? 0 : -1;
}

bool CefInitialize(const CefMainArgs& args,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void*) {
  return qtcef::Engine::Initialize(args, settings, application);
}

void CefShutdown() {
  qtcef::Engine::Shutdown();
}

void CefDoMessageLoopWork() {
  if (qtcef::Engine* engine = qtcef::Engine::Get())
    engine->message_loop().DoWork();
}

void CefRunMessageLoop() {
  if (qtcef::Engine* engine = qtcef::Engine::Get())
    engine->message_loop().Run();
}

void CefQuitMessageLoop() {
  if (qtcef::Engine* engine = qtcef::Engine::Get())
    engine->message_loop().Quit();
}

void CefSetOSModalLoop(bool) {}

void CefEnableHighDPISupport() {
  // Qt 6 is DPI-aware and scales high-DPI screens without being asked.
}
