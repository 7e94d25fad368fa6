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

// Runs tasks, one at a time and in the order posted, on one thread. Its
// methods may be called on any thread.
class CefTaskRunner : public virtual CefBaseRefCounted {
 public:
  // The runner of the calling thread; NULL on a thread that is not one of
  // CEF's and was not made by CefThread.
  static CefRefPtr<CefTaskRunner> GetForCurrentThread();
  // The runner of one of CEF's threads; NULL for a thread that does not run
  // in this process.
  static CefRefPtr<CefTaskRunner> GetForThread(CefThreadId threadId);

  // Whether |that| runs its tasks on the same thread as this one.
  virtual bool IsSame(CefRefPtr<CefTaskRunner> that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(CefThreadId threadId) = 0;
  // Both return false when the thread no longer takes tasks.
  virtual bool PostTask(CefRefPtr<CefTask> task) = 0;
  virtual bool PostDelayedTask(CefRefPtr<CefTask> task, int64 delay_ms) = 0;
};

// Whether the calling thread is |threadId|.
bool CefCurrentlyOn(CefThreadId threadId);

// Runs |task| on |threadId| after the work already queued there; callable
// from any thread. Returns false when the thread does not run in this
// process, or no longer takes tasks.
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task);

// As CefPostTask, no sooner than |delay_ms| milliseconds from now.
bool CefPostDelayedTask(CefThreadId threadId,
                        CefRefPtr<CefTask> task,
                        int64 delay_ms);

#endif  // CEF_INCLUDE_CEF_TASK_H_
