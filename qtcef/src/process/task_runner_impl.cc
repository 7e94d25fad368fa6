#include "qtcef/src/process/task_runner_impl.h"

#include "qtcef/src/process/browser_threads.h"

namespace qtcef {

bool PostToQueue(const std::shared_ptr<TaskQueue>& queue,
                 CefRefPtr<CefTask> task,
                 int64 delay_ms) {
  if (!queue || !task)
    return false;
  return queue->Post([task] { task->Execute(); }, delay_ms);
}

bool TaskRunnerImpl::IsSame(CefRefPtr<CefTaskRunner> that) {
  const TaskRunnerImpl* other = dynamic_cast<TaskRunnerImpl*>(that.get());
  return other && other->queue_ == queue_;
}

bool TaskRunnerImpl::BelongsToCurrentThread() {
  return queue_->RunsTasksOnCurrentThread();
}

bool TaskRunnerImpl::BelongsToThread(CefThreadId threadId) {
  return BrowserThreads::Get(threadId, false) == queue_;
}

bool TaskRunnerImpl::PostTask(CefRefPtr<CefTask> task) {
  return PostToQueue(queue_, task, 0);
}

bool TaskRunnerImpl::PostDelayedTask(CefRefPtr<CefTask> task, int64 delay_ms) {
  return PostToQueue(queue_, task, delay_ms);
}

}  // namespace qtcef

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForCurrentThread() {
  std::shared_ptr<qtcef::TaskQueue> queue = qtcef::BrowserThreads::Current();
  return queue ? new qtcef::TaskRunnerImpl(queue) : nullptr;
}

CefRefPtr<CefTaskRunner> CefTaskRunner::GetForThread(CefThreadId threadId) {
  std::shared_ptr<qtcef::TaskQueue> queue =
      qtcef::BrowserThreads::Get(threadId, true);
  return queue ? new qtcef::TaskRunnerImpl(queue) : nullptr;
}

bool CefCurrentlyOn(CefThreadId threadId) {
  std::shared_ptr<qtcef::TaskQueue> queue =
      qtcef::BrowserThreads::Get(threadId, false);
  return queue && queue->RunsTasksOnCurrentThread();
}

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) {
  return qtcef::PostToQueue(qtcef::BrowserThreads::Get(threadId, true), task,
                            0);
}

bool CefPostDelayedTask(CefThreadId threadId,
                        CefRefPtr<CefTask> task,
                        int64 delay_ms) {
  return qtcef::PostToQueue(qtcef::BrowserThreads::Get(threadId, true), task,
                            delay_ms);
}
