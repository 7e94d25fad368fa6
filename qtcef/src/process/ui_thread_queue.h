// The UI thread's tasks, run by Qt's event loop on the main thread.

#ifndef QTCEF_SRC_PROCESS_UI_THREAD_QUEUE_H_
#define QTCEF_SRC_PROCESS_UI_THREAD_QUEUE_H_

#include <atomic>

#include "qtcef/src/process/task_queue.h"

namespace qtcef {

class UiThreadQueue : public TaskQueue {
 public:
  bool Post(std::function<void()> task, int64 delay_ms) override;
  bool RunsTasksOnCurrentThread() const override;
  // Takes no more tasks; those already posted may still run.
  void Close() { open_ = false; }

 private:
  std::atomic<bool> open_{true};
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_UI_THREAD_QUEUE_H_
