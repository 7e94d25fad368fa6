// Posting work to the main (Qt GUI) thread.

#ifndef QTCEF_SRC_PROCESS_POST_TASK_H_
#define QTCEF_SRC_PROCESS_POST_TASK_H_

#include <functional>
#include <utility>

namespace qtcef {

// Whether the caller is on the main thread, where the application object
// runs its event loop; false while no application object exists.
bool IsMainThread();

// Runs |task| on the main thread from the event loop, after the events
// already queued; callable from any thread. Dropped when no application
// object exists.
void PostTask(std::function<void()> task);

// Runs |task| on the main thread and returns once it has run: at once on
// the main thread itself (or with no application object), else through the
// event loop, waiting for it. Qt WebEngine's objects are made there only.
void RunOnMainThread(const std::function<void()>& task);

// Runs |task| at once where RunOnMainThread would, else posts it as PostTask
// does, without waiting.
void RunOrPostTask(std::function<void()> task);

// Lets go of |object| on the main thread, where Qt objects it owns may be
// destroyed: at once there, else from the event loop.
template <class T>
void ReleaseOnMainThread(T object) {
  RunOrPostTask([object = std::move(object)]() mutable { object = T(); });
}

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_POST_TASK_H_
