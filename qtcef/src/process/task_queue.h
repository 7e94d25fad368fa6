// Where a CefTaskRunner's tasks run: one thread, in the order they fall due.

#ifndef QTCEF_SRC_PROCESS_TASK_QUEUE_H_
#define QTCEF_SRC_PROCESS_TASK_QUEUE_H_

#include <functional>

#include "include/base/cef_basictypes.h"

namespace qtcef {

class TaskQueue {
 public:
  virtual ~TaskQueue() = default;

  // Runs |task| on the queue's thread no sooner than |delay_ms| from now,
  // after the tasks that fall due before it. False once the queue has
  // stopped taking tasks; |task| is then dropped.
  virtual bool Post(std::function<void()> task, int64 delay_ms) = 0;
  virtual bool RunsTasksOnCurrentThread() const = 0;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_TASK_QUEUE_H_
