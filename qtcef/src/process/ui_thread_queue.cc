#include "qtcef/src/process/ui_thread_queue.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <utility>

#include "qtcef/src/process/post_task.h"

namespace qtcef {

bool UiThreadQueue::Post(std::function<void()> task, int64 delay_ms) {
  if (!open_ || !QCoreApplication::instance())
    return false;
  if (delay_ms <= 0) {
    PostTask(std::move(task));
    return true;
  }
  // Qt's timers start on the thread that owns them, so the timer starts on
  // the main thread, for what is left of the delay by then.
  const auto due =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(delay_ms);
  PostTask([due, task = std::move(task)] {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        due - std::chrono::steady_clock::now());
    QTimer::singleShot(std::max<int64>(left.count(), 0),
                       QCoreApplication::instance(), task);
  });
  return true;
}

bool UiThreadQueue::RunsTasksOnCurrentThread() const {
  return IsMainThread();
}

}  // namespace qtcef
