// The client's callbacks for the browser process.

#ifndef CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_
#define CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_command_line.h"
#include "include/cef_print_handler.h"
#include "include/cef_values.h"

// The default implementations ignore their arguments.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

class CefBrowserProcessHandler : public virtual CefBaseRefCounted {
 public:
  // UI thread, once CEF is initialized; browsers may be created from here.
  virtual void OnContextInitialized() {}

  // Before a child process starts; |command_line| may be changed.
  virtual void OnBeforeChildProcessLaunch(
      CefRefPtr<CefCommandLine> command_line) {}

  // Values in |extra_info| reach the render process's handler.
  virtual void OnRenderProcessThreadCreated(
      CefRefPtr<CefListValue> extra_info) {}

  // Linux printing; NULL leaves it to CEF.
  virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return nullptr; }

  // For an external message pump: run CefDoMessageLoopWork() after
  // |delay_ms|.
  virtual void OnScheduleMessagePumpWork(int64 delay_ms) {}
};

#pragma GCC diagnostic pop

#endif  // CEF_INCLUDE_CEF_BROWSER_PROCESS_HANDLER_H_
