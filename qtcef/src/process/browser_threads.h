// CEF's named threads in the browser process: the UI thread is the main
// thread; FILE, PROCESS_LAUNCHER and IO are threads of qtcef's own, each
// started when it is first asked for.

#ifndef QTCEF_SRC_PROCESS_BROWSER_THREADS_H_
#define QTCEF_SRC_PROCESS_BROWSER_THREADS_H_

#include <memory>

#include "include/cef_task.h"
#include "qtcef/src/process/task_queue.h"

namespace qtcef {

class BrowserThreads {
 public:
  // The threads take tasks from Open, in CefInitialize, to Close, in
  // CefShutdown, which runs what is due on qtcef's threads and joins them.
  static void Open();
  static void Close();

  // The queue of |id|; NULL while closed, and for a thread that does not
  // run in this process. |start| starts a thread of qtcef's that has not
  // run yet.
  static std::shared_ptr<TaskQueue> Get(CefThreadId id, bool start);
  // The queue whose task is running on the calling thread, if any,
  // including a CefThread's.
  static std::shared_ptr<TaskQueue> Current();
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_BROWSER_THREADS_H_
