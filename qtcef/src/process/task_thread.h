// A thread of qtcef's own that runs the tasks posted to it.

#ifndef QTCEF_SRC_PROCESS_TASK_THREAD_H_
#define QTCEF_SRC_PROCESS_TASK_THREAD_H_

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "include/internal/cef_thread_internal.h"
#include "qtcef/src/process/task_queue.h"

namespace qtcef {

// The running thread holds a reference to its TaskThread, so that a task
// may drop the last other reference to its own thread; the thread ends, and
// lets go of it, only through Stop.
class TaskThread : public TaskQueue,
                   public std::enable_shared_from_this<TaskThread> {
 public:
  // Returns once the thread runs and its identifier is known.
  static std::shared_ptr<TaskThread> Start(const std::string& name);

  // The TaskThread whose task runs on the calling thread, if any.
  static std::shared_ptr<TaskThread> Current();

  bool Post(std::function<void()> task, int64 delay_ms) override;
  bool RunsTasksOnCurrentThread() const override;

  cef_platform_thread_id_t platform_thread_id() const {
    return platform_thread_id_;
  }
  // True until Stop.
  bool IsRunning() const;
  // Takes no more tasks, runs those already due, drops the later ones, and
  // joins the thread; on the thread itself it lets it end after the current
  // task instead.
  void Stop();

 private:
  typedef std::chrono::steady_clock Clock;
  // Tasks that fall due together run in the order they were posted.
  typedef std::pair<Clock::time_point, uint64> TaskKey;

  TaskThread() = default;
  void Run(const std::string& name);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::map<TaskKey, std::function<void()>> tasks_;
  uint64 next_sequence_ = 0;
  bool stopping_ = false;
  cef_platform_thread_id_t platform_thread_id_ = kInvalidPlatformThreadId;

  std::mutex stop_mutex_;
  std::thread thread_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_TASK_THREAD_H_
