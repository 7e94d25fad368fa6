// An event one thread waits on until another signals it.

#ifndef CEF_INCLUDE_CEF_WAITABLE_EVENT_H_
#define CEF_INCLUDE_CEF_WAITABLE_EVENT_H_

#include "include/cef_base.h"

// Safe to make and signal on any thread. Waiting is refused on the browser
// process's UI and IO threads, whose work would stop while they wait.
class CefWaitableEvent : public CefBaseRefCounted {
 public:
  // An event made with |automatic_reset| goes back to unsignaled when one
  // waiting thread is released, or when IsSignaled reports it signaled;
  // otherwise it stays signaled until Reset.
  static CefRefPtr<CefWaitableEvent> CreateWaitableEvent(
      bool automatic_reset,
      bool initially_signaled);

  virtual void Reset() = 0;
  // Wakes a thread blocked in Wait or TimedWait.
  virtual void Signal() = 0;
  virtual bool IsSignaled() = 0;
  // Returns once the event is signaled.
  virtual void Wait() = 0;
  // Waits at most |max_ms| milliseconds; true when the event was signaled.
  virtual bool TimedWait(int64 max_ms) = 0;
};

#endif  // CEF_INCLUDE_CEF_WAITABLE_EVENT_H_
