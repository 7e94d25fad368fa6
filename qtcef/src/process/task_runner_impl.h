// CefTaskRunner over one of qtcef's task queues.

#ifndef QTCEF_SRC_PROCESS_TASK_RUNNER_IMPL_H_
#define QTCEF_SRC_PROCESS_TASK_RUNNER_IMPL_H_

#include <memory>

#include "include/cef_task.h"
#include "qtcef/src/process/task_queue.h"

namespace qtcef {

class TaskRunnerImpl : public CefTaskRunner {
 public:
  explicit TaskRunnerImpl(std::shared_ptr<TaskQueue> queue)
      : queue_(std::move(queue)) {}

  bool IsSame(CefRefPtr<CefTaskRunner> that) override;
  bool BelongsToCurrentThread() override;
  bool BelongsToThread(CefThreadId threadId) override;
  bool PostTask(CefRefPtr<CefTask> task) override;
  bool PostDelayedTask(CefRefPtr<CefTask> task, int64 delay_ms) override;

 private:
  const std::shared_ptr<TaskQueue> queue_;

  IMPLEMENT_REFCOUNTING(TaskRunnerImpl);
};

// Runs |task| from |queue|; false when there is no queue, no task, or the
// queue no longer takes tasks.
bool PostToQueue(const std::shared_ptr<TaskQueue>& queue,
                 CefRefPtr<CefTask> task,
                 int64 delay_ms);

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_TASK_RUNNER_IMPL_H_
