// Work handed to one of CEF's threads.

#ifndef CEF_INCLUDE_CEF_TASK_H_
#define CEF_INCLUDE_CEF_TASK_H_

#include "include/cef_base.h"

typedef cef_thread_id_t CefThreadId;

// A unit of work that CEF runs on the thread it was posted to; implemented by
// the client.
class CefTask : public virtual CefBaseRefCounted {
 public:
  virtual void Execute() = 0;
};

// Runs |task| on |threadId| after the work already queued there; callable
// from any thread. Returns false when the thread does not exist (yet).
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task);

#endif  // CEF_INCLUDE_CEF_TASK_H_
