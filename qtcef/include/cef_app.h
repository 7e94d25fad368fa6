// CEF's process entry points and CefApp, the client's application object.

#ifndef CEF_INCLUDE_CEF_APP_H_
#define CEF_INCLUDE_CEF_APP_H_

#include "include/cef_base.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_command_line.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_resource_bundle_handler.h"

class CefApp;
class CefSchemeRegistrar;

// Runs a sub-process, which blocks until it ends and then returns its exit
// code; returns -1 at once in the browser process (no --type switch).
// |application| and |windows_sandbox_info| may be NULL.
int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info);

// Initializes CEF in the browser process, on the main thread; returns true on
// success.
bool CefInitialize(const CefMainArgs& args,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void* windows_sandbox_info);

// Shuts CEF down, on the main thread, before the program exits.
void CefShutdown();

// One iteration of CEF's message loop, for an external message pump.
void CefDoMessageLoopWork();

// Runs CEF's message loop until CefQuitMessageLoop(); only when
// multi_threaded_message_loop is off.
void CefRunMessageLoop();

// Ends CefRunMessageLoop(), on the main thread.
void CefQuitMessageLoop();

// Tells CEF that a modal loop of the operating system, such as a menu's, is
// running.
void CefSetOSModalLoop(bool osModalLoop);

// Enables High-DPI support on Windows 7 and newer; call it early at start-up.
void CefEnableHighDPISupport();

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

// Process-wide callbacks and handlers, given to CefExecuteProcess and
// CefInitialize.
class CefApp : public virtual CefBaseRefCounted {
 public:
  // May change |command_line| before CEF reads it; |process_type| is empty in
  // the browser process.
  virtual void OnBeforeCommandLineProcessing(
      const CefString& process_type,
      CefRefPtr<CefCommandLine> command_line) {}

  virtual void OnRegisterCustomSchemes(
      CefRawPtr<CefSchemeRegistrar> registrar) {}

  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() {
    return nullptr;
  }

  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() {
    return nullptr;
  }

  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() {
    return nullptr;
  }
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_CEF_APP_H_
