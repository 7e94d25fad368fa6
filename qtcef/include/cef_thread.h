// A thread of the client's own that runs CEF tasks.

#ifndef CEF_INCLUDE_CEF_THREAD_H_
#define CEF_INCLUDE_CEF_THREAD_H_

#include "include/cef_task.h"
#include "include/internal/cef_thread_internal.h"

class CefThread : public CefBaseRefCounted {
 public:
  // Starts a thread named |display_name| that runs the tasks posted to its
  // runner. A thread made |stoppable| stops when Stop is called, or when
  // the last reference to it goes.
  static CefRefPtr<CefThread> CreateThread(
      const CefString& display_name,
      cef_thread_priority_t priority,
      cef_message_loop_type_t message_loop_type,
      bool stoppable,
      cef_com_init_mode_t com_init_mode);

  static CefRefPtr<CefThread> CreateThread(const CefString& display_name) {
    return CreateThread(display_name, TP_NORMAL, ML_TYPE_DEFAULT, true,
                        COM_INIT_MODE_NONE);
  }

  virtual CefRefPtr<CefTaskRunner> GetTaskRunner() = 0;
  virtual cef_platform_thread_id_t GetPlatformThreadId() = 0;
  // Runs the tasks that are due, drops the delayed ones and joins the
  // thread; called on the thread that made it.
  virtual void Stop() = 0;
  virtual bool IsRunning() = 0;
};

#endif  // CEF_INCLUDE_CEF_THREAD_H_
