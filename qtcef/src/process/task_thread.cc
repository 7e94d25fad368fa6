#include "qtcef/src/process/task_thread.h"

#include <utility>

#include "qtcef/src/process/platform_thread.h"

namespace qtcef {

namespace {

thread_local TaskThread* current_thread = nullptr;

}  // namespace

std::shared_ptr<TaskThread> TaskThread::Start(const std::string& name) {
  std::shared_ptr<TaskThread> thread(new TaskThread());
  std::unique_lock<std::mutex> lock(thread->mutex_);
  thread->thread_ = std::thread([thread, name] { thread->Run(name); });
  thread->wake_.wait(lock, [&thread] {
    return thread->platform_thread_id_ != kInvalidPlatformThreadId;
  });
  return thread;
}

std::shared_ptr<TaskThread> TaskThread::Current() {
  return current_thread ? current_thread->shared_from_this() : nullptr;
}

bool TaskThread::Post(std::function<void()> task, int64 delay_ms) {
  const Clock::time_point due =
      Clock::now() + std::chrono::milliseconds(delay_ms > 0 ? delay_ms : 0);
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopping_)
    return false;
  tasks_.emplace(TaskKey(due, next_sequence_++), std::move(task));
  wake_.notify_all();
  return true;
}

bool TaskThread::RunsTasksOnCurrentThread() const {
  return current_thread == this;
}

bool TaskThread::IsRunning() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !stopping_;
}

void TaskThread::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    wake_.notify_all();
  }
  std::lock_guard<std::mutex> lock(stop_mutex_);
  if (!thread_.joinable())
    return;
  if (RunsTasksOnCurrentThread())
    thread_.detach();
  else
    thread_.join();
}

void TaskThread::Run(const std::string& name) {
  NameCurrentThread(name);
  current_thread = this;
  std::unique_lock<std::mutex> lock(mutex_);
  platform_thread_id_ = cef_get_current_platform_thread_id();
  wake_.notify_all();
  for (;;) {
    if (tasks_.empty()) {
      if (stopping_)
        break;
      wake_.wait(lock);
      continue;
    }
    const Clock::time_point due = tasks_.begin()->first.first;
    if (due > Clock::now()) {
      if (stopping_)
        break;
      wake_.wait_until(lock, due);
      continue;
    }
    std::function<void()> task = std::move(tasks_.begin()->second);
    tasks_.erase(tasks_.begin());
    lock.unlock();
    task();
    // What the task holds goes here, on its own thread, and unlocked.
    task = nullptr;
    lock.lock();
  }
  // Dropped tasks let go of what they hold on this thread too.
  std::map<TaskKey, std::function<void()>> dropped;
  dropped.swap(tasks_);
  lock.unlock();
  dropped.clear();
  current_thread = nullptr;
}

}  // namespace qtcef
